#include "FlashRun.h"
#include "Helper/FirmwareFile.h"
#include "Helper/LowLatencyGuard.h"
#include "Helper/PortIdentity.h"
#include "MspFlasher/MspFlasher.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QThread>

#include <grp.h>
#include <sys/stat.h>

FlashRun::FlashRun(MspFlasher* flasher, QSerialPort* serialPort, QObject* parent)
    : QObject(parent)
    , m_pMspFlasher(flasher)
    , m_pSerialPort(serialPort)
{
    Q_ASSERT(m_pMspFlasher);
    Q_ASSERT(m_pSerialPort);
    connect(m_pMspFlasher, &MspFlasher::message, this, &FlashRun::report);
}

FlashRun::~FlashRun() = default;

QString FlashRun::permissionHint(const QString& deviceFile)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(deviceFile).constData(), &info) != 0)
        return QString();
    const group* owner = ::getgrgid(info.st_gid);
    if (!owner || !owner->gr_name)
        return QString();
    return tr("You may need to be a member of the group \"%1\" that owns %2 (log in again after joining it).")
        .arg(QString::fromLocal8Bit(owner->gr_name), deviceFile);
}

bool FlashRun::openPort()
{
    const QString portName = m_pSerialPort->portName();
    const QString speed = QString::number(m_pSerialPort->baudRate());
    if (m_pSerialPort->isOpen()) {
        emit report(tr("Serial port %1 (%2) is active!").arg(portName, speed));
        return true;
    }
    emit report(tr("Open serial port %1 (%2).").arg(portName, speed));
    if (m_pSerialPort->open(QIODevice::ReadWrite))
        return true;
    emit report(tr("Cannot open serial port %1! Error: %2").arg(portName, m_pSerialPort->errorString()));
    if (m_pSerialPort->error() == QSerialPort::PermissionError) {
        const QString hint = permissionHint(PortIdentity::deviceFile(*m_pSerialPort));
        if (!hint.isEmpty())
            emit report(hint);
    }
    return false;
}

FlashRun::Outcome FlashRun::run(const QString& imagePath)
{
    if (m_Running)
        return DeviceFailed;
    m_pMspFlasher->init();
    if (!openPort())
        return PortFailed;

    m_Running = true;
    m_EraseSent = false;
    emit started();

    if (!m_FlashCommand.isEmpty()) {
        m_pSerialPort->write(m_FlashCommand);
        m_pSerialPort->flush();
        emit report(tr("Enter MPU flasher."));
        QThread::msleep(100);
    }

    Outcome outcome = runDevice(imagePath);
    emit report(tr("Close serial port."));
    m_pSerialPort->close();

    // A cancel that came too late to stop anything still leaves a good device.
    if (outcome != Succeeded && outcome != FileRefused && m_pMspFlasher->canceled())
        outcome = Canceled;
    switch (outcome) {
    case Succeeded:
        emit report(tr("Finished successfully!"));
        break;
    case Canceled:
        emit report(tr("Flashing canceled."));
        break;
    default:
        emit report(tr("Finished with error!"));
        break;
    }
    if (outcome != Succeeded) {
        if (m_EraseSent) {
            emit report(tr("The device holds no valid application now."));
            emit report(tr("Its boot loader is still there: flash it again."));
        } else if (outcome == Canceled) {
            emit report(tr("The device was not changed."));
        }
    }
    m_Running = false;
    return outcome;
}

bool FlashRun::loadImage(const QString& imagePath)
{
    m_Declined = false;
    m_VectorAreaRefused = false;
    QByteArray content;
    QString error;
    if (!FirmwareFile::read(imagePath, &content, &error)) {
        emit report(error);
        return false;
    }
    // An image without a single byte would only erase the board and then
    // seal the blank area with a valid checksum.
    const bool read = m_pMspFlasher->readImage(content);
    content.clear();
    if (!read || m_pMspFlasher->memoryData().isEmpty()) {
        emit report(tr("Invalid device application code file!"));
        emit report(read ? tr("The file holds no data.") : m_pMspFlasher->readError());
        return false;
    }
    for (const QString& warning : m_pMspFlasher->readWarnings())
        emit report(tr("Warning: %1").arg(warning));
    uint32_t offending = 0;
    if (!m_pMspFlasher->fitsMemory(&offending)) {
        emit report(tr("Address %1 lies outside the memory of the device (allowed: %2).")
                        .arg(MspFlasher::addressText(offending), m_pMspFlasher->writableRangesText()));
        emit report(tr("The device was not touched."));
        return false;
    }
    return acceptVectorArea();
}

QString FlashRun::vectorAreaReason(const MspFlasher::VectorAreaUse& use)
{
    const QString bytes = use.count == 1
        ? tr("1 byte at %1").arg(MspFlasher::addressText(use.first))
        : tr("%1 bytes at %2-%3")
              .arg(use.count)
              .arg(MspFlasher::addressText(use.first), MspFlasher::addressText(use.last));
    return tr("The image writes %1, above the application, where the boot loader keeps the interrupt "
              "vectors. A boot loader that guards itself refuses them and flashing fails after the erase; "
              "one that does not may be overwritten.")
        .arg(bytes);
}

bool FlashRun::acceptVectorArea()
{
    const MspFlasher::VectorAreaUse use = m_pMspFlasher->vectorAreaUse();
    if (use.count == 0)
        return true;
    const QString reason = vectorAreaReason(use);
    if (m_ConfirmVectorArea) {
        if (m_ConfirmVectorArea(reason + QLatin1Char(' ') + tr("Write them anyway?"))) {
            emit report(tr("Warning: %1").arg(reason));
            return true;
        }
        // The user has read the reason and said no: a cancel, not a fault.
        m_Declined = true;
        return false;
    }
    m_VectorAreaRefused = true;
    emit report(reason);
    emit report(tr("The device was not touched."));
    return false;
}

FlashRun::Outcome FlashRun::runDevice(const QString& imagePath)
{
    const LowLatencyGuard lowLatency(m_pSerialPort);
    if (!loadImage(imagePath))
        return m_Declined ? Canceled : FileRefused;
    // The failure line of a step is the device's word; after a cancel the
    // outcome line says what happened.
    const auto failed = [this](const QString& line) {
        if (!m_pMspFlasher->canceled())
            emit report(line);
        return DeviceFailed;
    };
    if (m_pMspFlasher->canceled())
        return Canceled;
    emit report(tr("Verify device."));
    if (!m_pMspFlasher->verifyDevice())
        return failed(tr("Invalid device version!"));
    if (m_pMspFlasher->canceled())
        return Canceled;
    emit report(tr("Erase device."));
    // Only an erase request that went out can have left the device empty.
    const int sent = m_pMspFlasher->requestsSent();
    const bool erased = m_pMspFlasher->eraseDevice();
    m_EraseSent = m_pMspFlasher->requestsSent() > sent;
    if (!erased)
        return failed(tr("Cannot erase device!"));
    emit report(tr("Write device application code."));
    if (!m_pMspFlasher->flashDevice())
        return failed(tr("Cannot flash device!"));
    emit report(tr("Jump to the application."));
    m_pMspFlasher->jumpToApplication();
    return Succeeded;
}
