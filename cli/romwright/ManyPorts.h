#pragma once

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

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
    // Images with bytes where the boot loader keeps its vectors are written
    // instead of refused.
    void setWriteVectorArea(bool write) { m_WriteVectorArea = write; }

    // Reads and checks the file once and gets the ports' job ready; false,
    // with the reason reported, when the file is refused.
    bool prepare(const QString& model, int baudRate, const QString& firmware, const QString& logPath);
    PortFleet* fleet() const { return m_pFleet.get(); }

private:
    std::unique_ptr<QTemporaryDir> m_pCopyDir;
    std::unique_ptr<PortFleet> m_pFleet;
    bool m_Canceled = false;
    bool m_WriteVectorArea = false;
};
