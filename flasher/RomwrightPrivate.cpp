#include "RomwrightPrivate.h"
#include "Fleet/FlashRun.h"
#include "MspFlasher/MspFlasher.h"
#include "Romwright.h"
#include "SerialPort/SerialPortDialog.h"
#include "ui_Romwright.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSerialPort>
#include <QSettings>
#include <QStandardPaths>

RomwrightPrivate::RomwrightPrivate(Romwright* q, const QString& mpu, const QByteArray& flashCommand)
    : q_ptr(q)
    , m_FlashCommand(flashCommand)
    , m_pSerialPort(std::make_unique<QSerialPort>())
    , m_pMspFlasher(MspFlasher::crate(mpu, m_pSerialPort.get()))
    , m_pSerialPortDialog(std::make_unique<SerialPortDialog>(m_pSerialPort.get(), q))
    , m_MPU(mpu)
{
    connect(m_pSerialPortDialog.get(), &QDialog::accepted, this, &RomwrightPrivate::updateActions);
    if (m_pMspFlasher) {
        m_pFlashRun = std::make_unique<FlashRun>(m_pMspFlasher.get(), m_pSerialPort.get());
        m_pFlashRun->setFlashCommand(m_FlashCommand);
        m_pFlashRun->setVectorAreaConfirmation(
            [this](const QString& question) { return confirmVectorArea(question); });
        connect(m_pFlashRun.get(), &FlashRun::report, this, &RomwrightPrivate::report);
        connect(m_pFlashRun.get(), &FlashRun::started, this, [this] {
            m_Status = tr("Flashing...");
            updateActions();
        });
    }
}

// The run, the dialog and the engine go before the port they work on.
RomwrightPrivate::~RomwrightPrivate()
{
    m_pFlashRun.reset();
}

bool RomwrightPrivate::deferClose()
{
    if (!m_pFlashRun || !m_pFlashRun->isRunning())
        return false;
    if (m_CloseRequested || confirmStop()) {
        m_CloseRequested = true;
        m_pMspFlasher->cancel();
    }
    return true;
}

bool RomwrightPrivate::confirmStop()
{
    Q_Q(Romwright);
    QMessageBox question(QMessageBox::Question, tr("Romwright"),
        tr("Flashing is in progress. Stop it and leave the device without a valid application?"),
        QMessageBox::Yes | QMessageBox::No, q);
    question.setObjectName(QStringLiteral("stopQuestion"));
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

bool RomwrightPrivate::confirmVectorArea(const QString& question)
{
    Q_Q(Romwright);
    QMessageBox box(
        QMessageBox::Warning, tr("Romwright"), question, QMessageBox::Yes | QMessageBox::Cancel, q);
    box.setObjectName(QStringLiteral("vectorAreaQuestion"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Yes;
}

QString RomwrightPrivate::settingsKey(const char* name) const
{
    return QStringLiteral("Romwright/%1/%2").arg(m_MPU, QLatin1String(name));
}

void RomwrightPrivate::setSettings(QSettings* settings)
{
    Q_Q(Romwright);
    m_pSettings = settings;
    if (!m_pSettings)
        return;
    const QString file = m_pSettings->value(settingsKey("Firmware")).toString();
    if (!file.isEmpty())
        q->ui->imagePath->setText(file);
    const QString port = m_pSettings->value(settingsKey("Port")).toString();
    if (!port.isEmpty())
        m_pSerialPort->setPortName(port);
    updateActions();
}

void RomwrightPrivate::remember()
{
    Q_Q(Romwright);
    if (!m_pSettings)
        return;
    const QString file = q->ui->imagePath->text();
    if (!file.isEmpty())
        m_pSettings->setValue(settingsKey("Firmware"), QFileInfo(file).absoluteFilePath());
    if (!m_pSerialPort->portName().isEmpty())
        m_pSettings->setValue(settingsKey("Port"), m_pSerialPort->portName());
}

QString RomwrightPrivate::portSummary() const
{
    if (m_pSerialPort->portName().isEmpty())
        return tr("Select port!");
    return tr("%1 : %2").arg(m_pSerialPort->portName(), QString::number(m_pSerialPort->baudRate()));
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

// The folder of the file used last, else the user's documents, else home.
QString RomwrightPrivate::fileDialogFolder() const
{
    Q_Q(const Romwright);
    const QString current = q->ui->imagePath->text();
    if (!current.isEmpty()) {
        const QDir folder = QFileInfo(current).absoluteDir();
        if (folder.exists())
            return folder.absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

void RomwrightPrivate::selectFile()
{
    Q_Q(Romwright);
    const QString path = QFileDialog::getOpenFileName(q, tr("Select file"), fileDialogFolder(),
        tr("MSP430 app (*.txt);;Intel HEX (*.hex *.ihex);;All files (*)"));
    if (path.isEmpty())
        return;
    q->ui->imagePath->setText(path);
    q->ui->progress->setValue(0);
    remember();
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
    if (m_pFlashRun && m_pFlashRun->isRunning())
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
    remember();

    switch (m_pFlashRun->run(ui->imagePath->text())) {
    case FlashRun::Succeeded:
        m_Status = tr("Flashing succeeded");
        break;
    case FlashRun::Canceled:
        m_Status = tr("Canceled");
        break;
    default:
        m_Status = tr("Error");
        break;
    }
    updateActions();

    if (m_CloseRequested) {
        m_CloseRequested = false;
        q->close();
    }
}
