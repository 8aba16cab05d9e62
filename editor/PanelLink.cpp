#include "PanelLink.h"

#include "DocumentHost.h"
#include "EditorDialogs.h"
#include "Helper/PortIdentity.h"
#include "KamdelDocument.h"
#include "PanelPortChoice.h"
#include "Romwright.h"
#include "SerialPort/SerialPortDialog.h"
#include "SettingsStore.h"
#include "model/EnglishPlurals.h"

#include <QSerialPort>
#include <QThread>

namespace {
const QString PortNameKey = QStringLiteral("SerialPort/Name");

constexpr int CommandPauseMs = PanelWriter::CommandPauseMs;
} // namespace

PanelLink::PanelLink(QWidget* window, const DocumentHost& host, EditorDialogs& dialogs)
    : QObject(window)
    , window(window)
    , host(host)
    , dialogs(dialogs)
    , serialPort(std::make_unique<QSerialPort>())
    , panelWriter(new PanelWriter(serialPort.get(), this))
{
    connect(panelWriter, &PanelWriter::progress, this, &PanelLink::writeProgress);
    startPortName = PanelPortChoice::startName(
        QString(), SettingsStore::string(PortNameKey, QString()), PanelPortChoice::detectedPorts());
    serialPort->setPortName(startPortName);
    serialPort->setBaudRate(QSerialPort::Baud57600, QSerialPort::AllDirections);
    connect(&animationTimer, &QTimer::timeout, this, &PanelLink::nextStep);
}

PanelLink::~PanelLink() = default;

void PanelLink::setPortForThisRun(const QString& portName)
{
    serialPort->setPortName(portName);
    startPortName = serialPort->portName();
}

void PanelLink::savePortName()
{
    if (serialPort->portName() != startPortName)
        SettingsStore::setValue(PortNameKey, serialPort->portName());
}

void PanelLink::setAnimationPace(int framesPerSecond)
{
    animationTimer.setInterval(1000 / framesPerSecond);
}

bool PanelLink::checkPortIsSet()
{
    if (!serialPort->portName().trimmed().isEmpty())
        return true;
    dialogs.showWarning(tr("No panel port is set: choose one in Tools > Serial port setup."));
    setupSerialPort();
    return false;
}

bool PanelLink::openPort()
{
    if (!checkPortIsSet())
        return false;
    serialPort->clearError();
    if (!serialPort->open(QIODevice::ReadWrite)) {
        dialogs.showWarning(tr("Cannot connect to serial port %1!").arg(serialPort->portName()));
        return false;
    }
    return true;
}

void PanelLink::sendCommandWord(PanelCommand::Word word)
{
    if (serialPort->isOpen()) {
        panelWriter->sendWord(word);
        return;
    }
    if (!openPort())
        return;
    panelWriter->sendWord(word);
    serialPort->close();
}

void PanelLink::resetPanel()
{
    if (programming)
        return;
    // The panel may still hold a program written earlier, so the word goes
    // out all the same.
    if (!host.document())
        emit message(tr("No document is open: Reset goes to the program the panel holds."), 5000);
    sendCommandWord(PanelCommand::Reset);
}

void PanelLink::nextStep()
{
    if (programming)
        return;
    if (!host.document() && !animationTimer.isActive())
        emit message(tr("No document is open: Next goes to the program the panel holds."), 5000);
    sendCommandWord(PanelCommand::Next);
}

void PanelLink::stopAnimation()
{
    animationTimer.stop();
    QThread::msleep(CommandPauseMs);
    serialPort->close();
}

void PanelLink::animate(bool checked)
{
    if (programming)
        return;
    if (!checked) {
        stopAnimation();
        return;
    }
    if (!serialPort->isOpen() && !openPort())
        return;
    animationTimer.start();
}

void PanelLink::compileAndWrite()
{
    if (programming)
        return;
    stopAnimation();

    auto* document = qobject_cast<KamdelDocument*>(host.document());
    if (!document) {
        emit message(tr("No document is open: there is nothing to compile and write."), 5000);
        return;
    }

    emit message(tr("Program compiling..."), 5000);
    document->compile();
    const QByteArray image = document->createBinnary();
    const int size = image.size();
    const QString memoryUse = tr("Memory use %1% (%2 of %3).")
                                  .arg(QString::number(size / 80), QString::number(size),
                                      QString::number(PanelCommand::ProgramMemory));

    // Block numbers are one byte: a larger image would wrap around and
    // overwrite the start of the program on the panel.
    if (size > PanelCommand::ProgramMemory) {
        emit message(QString(), 0);
        emit log(memoryUse);
        dialogs.showWarning(
            tr("The program takes %1 bytes, more than the %2 bytes of the panel's program memory.\n"
               "Nothing was written to the panel.")
                .arg(QString::number(size), QString::number(PanelCommand::ProgramMemory)));
        return;
    }
    if (openPortToWrite())
        write(image, memoryUse);
}

bool PanelLink::openPortToWrite()
{
    if (!checkPortIsSet())
        return false;
    serialPort->clearError();
    if (!serialPort->open(QIODevice::ReadWrite)) {
        dialogs.showWarning(tr("Cannot connect to serial port %1 (%2)!")
                                .arg(serialPort->portName(), serialPort->errorString()));
        return false;
    }
    return true;
}

void PanelLink::write(const QByteArray& image, const QString& memoryUse)
{
    // The message stays until the write ends, however long it takes.
    emit message(tr("Programming..."), 0);
    emit log(memoryUse);

    programming = true;
    emit writingChanged(true);
    const PanelWriter::Result result = panelWriter->writeProgram(image);
    programming = false;
    reportWriteResult(result, PanelCommand::blockCount(image.size()));
    emit writingChanged(false);
}

void PanelLink::reportWriteResult(PanelWriter::Result result, int blocks)
{
    switch (result) {
    case PanelWriter::Result::Failed:
        reportWriteFailure();
        serialPort->close();
        break;
    case PanelWriter::Result::Canceled: {
        serialPort->close();
        const QString text = tr("Writing canceled: the panel holds an incomplete program.");
        emit log(text);
        emit message(text, 10000);
        break;
    }
    case PanelWriter::Result::Finished:
        serialPort->close();
        reportWriteFinished(blocks);
        break;
    }
}

void PanelLink::reportWriteFinished(int blocks)
{
    // Names the device file, so that a program sent to the wrong port shows
    // at once.
    const QString where = PortIdentity::systemLocation(serialPort->portName());
    const QString text
        = EnglishPlurals::forms(tr("Programming finished on %1 (%n block(s)).", nullptr, blocks), blocks)
              .arg(where);
    emit log(text);
    emit message(text, 5000);
}

void PanelLink::reportWriteFailure()
{
    const QString text = tr("Writing to serial port %1 failed (%2). The program on the panel is incomplete.")
                             .arg(serialPort->portName(), serialPort->errorString());
    emit log(text);
    emit message(text, 10000);
}

void PanelLink::cancelWrite()
{
    panelWriter->cancel();
}

// The port dialog and the flasher window come with the flasher library.
void PanelLink::setupSerialPort()
{
    // Only the name may change: the panel link fixes the framing.
    auto* dialog = new SerialPortDialog(serialPort.get(), window);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->setBaudRateEditable(false);
    dialog->setDataBitsEditable(false);
    dialog->setStopBitsEditable(false);
    dialog->setParityEditable(false);
    dialog->refresh();
    dialog->show();
}

void PanelLink::updateFirmware()
{
    // The flasher works on a port of its own; the panel link and Animate
    // are left as they are.
    auto* flasher = new Romwright(QStringLiteral("Kamdel"), QByteArray(), window);
    connect(flasher, &Romwright::finished, flasher, &QObject::deleteLater);
    // The library keeps its own name; here it updates the panel in hand.
    const auto* document = qobject_cast<KamdelDocument*>(host.document());
    const QString model
        = document ? document->panelModel() : PanelDocument::modelLabel(PanelDocument::Panel::RingA);
    flasher->setWindowTitle(tr("Firmware update - %1").arg(model));
    flasher->setPortName(serialPort->portName(), true);
    flasher->setBaudRate(57600, false);
    flasher->setDataBits(QSerialPort::Data8, false);
    flasher->setStopBits(QSerialPort::OneStop, false);
    flasher->setParity(QSerialPort::NoParity, false);
    // The flasher's own last file and port win over the editor's port.
    flasher->setSettings(SettingsStore::settings());
    flasher->show();
}
