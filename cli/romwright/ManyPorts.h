#pragma once

#include "Fleet/PortFleet.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

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

    // Reads and checks the file once, checks the log and gets the ports'
    // job ready: 0, or the exit status with the reason reported.
    int prepare(const QString& model, int baudRate, const QString& firmware, const QString& logPath);
    PortFleet* fleet() const { return m_pFleet.get(); }
    // Of the file as read by prepare().
    qint64 fileSize() const { return m_FileSize; }
    QByteArray sha256() const { return m_Sha256; }

private:
    // Copies the file and checks the copy, filling in the job's checksum and size.
    bool checkedCopy(const QString& model, const QString& firmware, PortFleet::Job* job);

    std::unique_ptr<QTemporaryDir> m_pCopyDir;
    std::unique_ptr<PortFleet> m_pFleet;
    qint64 m_FileSize = 0;
    QByteArray m_Sha256;
    bool m_Canceled = false;
    bool m_WriteVectorArea = false;
};
