#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class PortFleet;

// romwright over several ports at once (or over one with a unit log): the
// file is read and checked once, then every port is flashed from that copy
// by a romwright of its own.
class ManyPorts : public QObject
{
    Q_OBJECT

public:
    explicit ManyPorts(QObject* parent = nullptr);
    ~ManyPorts() override;

    int run(const QString& model, const QStringList& ports, int baudRate, const QString& firmware,
        const QString& logPath);
    void cancel();

private:
    std::unique_ptr<PortFleet> m_pFleet;
    bool m_Canceled = false;
};
