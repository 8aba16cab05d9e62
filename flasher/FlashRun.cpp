#include "FlashRun.h"
#include "LowLatencyGuard.h"
#include "MspFlasher.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
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
        const QString hint = permissionHint(QSerialPortInfo(*m_pSerialPort).systemLocation());
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
        emit report(tr("Flashing canceled!"));
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
    QFile image(imagePath);
    if (imagePath.isEmpty() || !image.exists()) {
        emit report(tr("Image file not exist!"));
        return false;
    }
    if (!image.open(QIODevice::ReadOnly)) {
        emit report(tr("Cannot read image file!"));
        return false;
    }
    // An image without a single byte would only erase the board and then
    // seal the blank area with a valid checksum.
    const bool read = m_pMspFlasher->readImage(image.readAll());
    if (!read || m_pMspFlasher->memoryData().isEmpty()) {
        emit report(tr("Invalid device application code file!"));
        emit report(read ? tr("The file holds no data.") : m_pMspFlasher->readError());
        return false;
    }
    uint32_t offending = 0;
    if (!m_pMspFlasher->fitsMemory(&offending)) {
        emit report(tr("Address %1 lies outside the memory of the device (allowed: %2).")
                        .arg(MspFlasher::addressText(offending), m_pMspFlasher->writableRangesText()));
        emit report(tr("The device was not touched."));
        return false;
    }
    return true;
}

FlashRun::Outcome FlashRun::runDevice(const QString& imagePath)
{
    const LowLatencyGuard lowLatency(m_pSerialPort);
    if (!loadImage(imagePath))
        return FileRefused;
    emit report(tr("Verify device."));
    if (!m_pMspFlasher->verifyDevice()) {
        emit report(tr("Invalid device version!"));
        return DeviceFailed;
    }
    emit report(tr("Erase device."));
    m_EraseSent = !m_pMspFlasher->canceled();
    if (!m_pMspFlasher->eraseDevice()) {
        emit report(tr("Cannot erase device!"));
        return DeviceFailed;
    }
    emit report(tr("Write device application code."));
    if (!m_pMspFlasher->flashDevice()) {
        emit report(tr("Cannot flash device!"));
        return DeviceFailed;
    }
    emit report(tr("Jump to the application."));
    m_pMspFlasher->jumpToApplication();
    return Succeeded;
}
