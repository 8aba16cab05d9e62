#include "RomwrightPrivate.h"
#include "MspFlasher.h"
#include "Romwright.h"
#include "SerialPortDialog.h"
#include "ui_Romwright.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QSerialPort>
#include <QTextStream>
#include <QThread>

RomwrightPrivate::RomwrightPrivate(Romwright* q, const QString& mpu, const QByteArray& flashCommand)
    : q_ptr(q)
    , m_FlashCommand(flashCommand)
    , m_pSerialPort(std::make_unique<QSerialPort>())
    , m_pMspFlasher(MspFlasher::crate(mpu, m_pSerialPort.get()))
    , m_pSerialPortDialog(std::make_unique<SerialPortDialog>(m_pSerialPort.get(), q))
{
    connect(m_pSerialPortDialog.get(), &QDialog::accepted, this, &RomwrightPrivate::updateActions);
}

// The dialog and the engine go before the port they work on.
RomwrightPrivate::~RomwrightPrivate() = default;

bool RomwrightPrivate::deferClose()
{
    if (!m_Running)
        return false;
    m_CloseRequested = true;
    if (m_pMspFlasher)
        m_pMspFlasher->cancel();
    return true;
}

QString RomwrightPrivate::portSummary() const
{
    if (m_pSerialPort->portName().isEmpty())
        return tr("Select port!");
    return tr("%1 : %2").arg(m_pSerialPort->portName()).arg(m_pSerialPort->baudRate());
}

void RomwrightPrivate::updateActions()
{
    Q_Q(Romwright);
    Ui_Romwright* ui = q->ui.get();
    ui->portName->setText(portSummary());
    ui->status->setText(m_Status);

    const bool busy = m_pSerialPort->isOpen();
    ui->selectPort->setEnabled(!busy);
    ui->selectFile->setEnabled(!busy);
    ui->flash->setEnabled(!busy);
    ui->imagePath->setReadOnly(busy);
    ui->cancel->setEnabled(busy);
}

void RomwrightPrivate::portSetupDialog()
{
    m_pSerialPortDialog->show();
}

void RomwrightPrivate::selectFile()
{
    Q_Q(Romwright);
    const QString path = QFileDialog::getOpenFileName(
        q, tr("Select file"), QCoreApplication::applicationDirPath(), tr("MSP430 app (*.txt)"));
    if (path.isEmpty())
        return;
    q->ui->imagePath->setText(path);
    q->ui->progress->setValue(0);
    updateActions();
}

void RomwrightPrivate::cancel()
{
    if (m_pMspFlasher)
        m_pMspFlasher->cancel();
}

void RomwrightPrivate::report(const QString& line)
{
    Q_Q(Romwright);
    q->ui->report->appendPlainText(line);
}

void RomwrightPrivate::flashDevice()
{
    Q_Q(Romwright);
    if (m_Running)
        return;
    Ui_Romwright* ui = q->ui.get();
    ui->report->clear();
    ui->progress->setValue(0);

    if (!m_pMspFlasher) {
        report(tr("Unknown MPU!"));
        return;
    }
    connect(m_pMspFlasher.get(), &MspFlasher::progress, ui->progress, &QProgressBar::setValue,
        Qt::UniqueConnection);
    connect(m_pMspFlasher.get(), &MspFlasher::message, ui->report, &QPlainTextEdit::appendPlainText,
        Qt::UniqueConnection);
    m_pMspFlasher->init();

    const QString portName = m_pSerialPort->portName();
    const QString speed = QString::number(m_pSerialPort->baudRate());
    if (m_pSerialPort->isOpen()) {
        report(tr("Serial port %1 (%2) is active!").arg(portName, speed));
    } else {
        report(tr("Open serial port %1 (%2).").arg(portName, speed));
        if (!m_pSerialPort->open(QIODevice::ReadWrite)) {
            report(tr("Cannot open serial port %1! Error: %2").arg(portName, m_pSerialPort->errorString()));
            m_Status = tr("Error");
            updateActions();
            return;
        }
    }

    m_Running = true;
    m_Status = tr("Flashing...");
    updateActions();

    if (!m_FlashCommand.isEmpty()) {
        m_pSerialPort->write(m_FlashCommand);
        m_pSerialPort->flush();
        report(tr("Enter MPU flasher."));
        QThread::msleep(100);
    }

    QFile image(ui->imagePath->text());
    const bool ok = runDevice(image);

    image.close();
    report(tr("Close serial port."));
    m_pSerialPort->close();

    if (ok) {
        report(tr("Finished successfully!"));
        m_Status = tr("Flashing succeeded");
    } else if (m_pMspFlasher->canceled()) {
        report(tr("Flashing canceled!"));
        m_Status = tr("Canceled");
    } else {
        report(tr("Finished with error!"));
        m_Status = tr("Error");
    }
    m_Running = false;
    updateActions();

    if (m_CloseRequested) {
        m_CloseRequested = false;
        q->close();
    }
}

bool RomwrightPrivate::runDevice(QFile& image)
{
    if (!image.exists()) {
        report(tr("Image file not exist!"));
        return false;
    }
    if (!image.open(QIODevice::ReadOnly | QIODevice::Text)) {
        report(tr("Cannot read image file!"));
        return false;
    }
    QTextStream stream(&image);
    // An image without a single byte would only erase the board and then
    // seal the blank area with a valid checksum: refuse it before the device
    // is touched.
    if (!m_pMspFlasher->readMemoryFile(stream) || m_pMspFlasher->memoryData().isEmpty()) {
        report(tr("Invalid device application code file!"));
        return false;
    }

    report(tr("Verify device."));
    if (!m_pMspFlasher->verifyDevice()) {
        report(tr("Invalid device version!"));
        return false;
    }
    report(tr("Erase device."));
    if (!m_pMspFlasher->eraseDevice()) {
        report(tr("Cannot erase device!"));
        return false;
    }
    report(tr("Write device application code."));
    if (!m_pMspFlasher->flashDevice()) {
        report(tr("Cannot flash device!"));
        return false;
    }
    report(tr("Jump to the application."));
    m_pMspFlasher->jumpToApplication();
    return true;
}
