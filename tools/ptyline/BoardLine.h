#pragma once

#include "PtyLine.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

// The board's end of the serial line: a pseudo-terminal in raw mode, reached
// through a symbolic link, whose received bytes are handed on as they come.
class BoardLine : public QObject
{
    Q_OBJECT

public:
    explicit BoardLine(QObject* parent = nullptr);
    ~BoardLine() override;

    bool open(const QString& linkPath, QString* error);
    QString devicePath() const { return m_line.devicePath(); }
    QString linkPath() const { return m_line.linkPath(); }
    int descriptor() const { return m_line.master(); }
    // The board vanishes: the line closes and its link goes.
    void unplug();

signals:
    void bytesArrived(const QByteArray& data);

private:
    void readAvailable();

    PtyLine m_line;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
