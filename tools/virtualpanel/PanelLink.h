#pragma once

#include "WordReader.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QSocketNotifier;

// The panel's end of the serial line: a pseudo-terminal in raw mode, reached
// through a symbolic link so that the editor's port name can stay the same
// from run to run. Received bytes are cut into words by a WordReader; an
// incomplete word is given up once the line has been silent for the gap time.
class PanelLink : public QObject
{
    Q_OBJECT

public:
    explicit PanelLink(QObject* parent = nullptr);
    ~PanelLink() override;

    bool open(const QString& linkPath, int gapMs, QString* error);
    QString devicePath() const { return m_devicePath; }
    QString linkPath() const { return m_linkPath; }

signals:
    void bytesArrived();
    void wordReceived(const WordReader::Event& event);

private:
    void readAvailable();
    void lineFellSilent();
    void deliver(const QVector<WordReader::Event>& events);
    bool makeLink(const QString& linkPath, QString* error);
    void removeLink();

    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
    QString m_linkPath;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_gapTimer;
    WordReader m_reader;
};
