#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AboutDialog.h"
#include "AbstractDocument.h"
#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "MainMenu.h"
#include "RecentFiles.h"
#include "RecoveryStore.h"
#include "Romwright.h"
#include "SerialPortDialog.h"
#include "SettingsStore.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSerialPort>
#include <QStatusBar>
#include <QThread>

#include <algorithm>

namespace {
const QString PositionKey = QStringLiteral("MainWindow/Position");
const QString SizeKey = QStringLiteral("MainWindow/Size");
const QString PortNameKey = QStringLiteral("SerialPort/Name");
const QRect DefaultGeometry(300, 200, 800, 600);

constexpr int CommandPauseMs = 10;
constexpr int BlockPauseMs = 100;
// A 36-byte block takes about 6 ms at 57600 baud; a port that has not taken
// it after this long is gone.
constexpr int WriteTimeoutMs = 2000;
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui_MainWindow>())
    , serialPort(std::make_unique<QSerialPort>())
{
    ui->setupUi(this);
    updateWindowTitle();
    recovery = new RecoveryStore(this);

    SettingsStore::open();
    restoreGeometryFromSettings();
    recentFiles()->loadRecentFiles(SettingsStore::settings());

    serialPort->setPortName(SettingsStore::string(PortNameKey, QStringLiteral("COM1")));
    serialPort->setBaudRate(QSerialPort::Baud57600, QSerialPort::AllDirections);

    animationTimer.setInterval(10);
    connect(&animationTimer, &QTimer::timeout, this, &MainWindow::nextStep);

    setCurrentDocument_and_Connect(nullptr);
}

MainWindow::~MainWindow() = default;

MainMenu* MainWindow::mainMenu() const
{
    return ui->menubar;
}

RecentFiles* MainWindow::recentFiles() const
{
    return ui->menubar->recentFilesMenu();
}

void MainWindow::restoreGeometryFromSettings()
{
    const QPoint position = SettingsStore::point(PositionKey, DefaultGeometry.topLeft());
    const QSize size = SettingsStore::size(SizeKey, DefaultGeometry.size());

    QRect screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens = screens.united(screen->geometry());

    int x = position.x();
    int y = position.y();
    int right = x + size.width() - 1;
    int bottom = y + size.height() - 1;
    if (!screens.isEmpty()) {
        // A window reaching past the right or bottom edge is shifted back to
        // end one pixel inside; one starting left of or above the screens is
        // clipped, keeping its right and bottom edges.
        if (right > screens.right()) {
            x = screens.right() - size.width();
            right = screens.right() - 1;
        }
        if (bottom > screens.bottom()) {
            y = screens.bottom() - size.height();
            bottom = screens.bottom() - 1;
        }
        x = std::max(x, screens.left());
        y = std::max(y, screens.top());
    }
    move(x, y);
    resize(right - x + 1, bottom - y + 1);
}

void MainWindow::updateWindowTitle()
{
    if (!currentDocument)
        setWindowTitle(tr("Segmented LED panel editor"));
    else if (currentDocument->filePath().isEmpty())
        setWindowTitle(tr("Segmented LED panel editor  -  %1[*]").arg(currentDocument->fileName()));
    else
        setWindowTitle(tr("Segmented LED panel editor  -  %1[*]  (%2)")
                           .arg(currentDocument->fileName(), currentDocument->filePath()));
}

void MainWindow::setCurrentDocument(AbstractDocument* document)
{
    // Hosting the hosted document again must not delete it.
    if (document && document == currentDocument)
        return;

    if (currentDocument) {
        AbstractDocument* previous = currentDocument;
        ui->stackedWidget->removeWidget(previous);
        if (document)
            ui->stackedWidget->addWidget(document);
        setCurrentDocument_and_Connect(document);
        delete previous;
    } else if (!document) {
        setCurrentDocument_and_Connect(nullptr);
    } else {
        ui->stackedWidget->addWidget(document);
        setCurrentDocument_and_Connect(document);
    }
}

void MainWindow::setCurrentDocument_and_Connect(AbstractDocument* document)
{
    if (document && document == currentDocument)
        return;

    while (!documentConnections.isEmpty())
        QObject::disconnect(documentConnections.takeFirst());

    currentDocument = document;
    // The title carries the "[*]" placeholder before the marker is set.
    updateWindowTitle();
    if (document) {
        documentConnections << connect(
            document, &AbstractDocument::fileNameChanged, this, &MainWindow::updateWindowTitle);
        documentConnections << connect(
            document, &AbstractDocument::modifiedChanged, this, &QWidget::setWindowModified);
        documentConnections << connect(document, &AbstractDocument::log, this, &MainWindow::log);
        setWindowModified(document->isModified());
    } else {
        setWindowModified(false);
    }

    documentConnections << ui->menubar->connectDocument(document);
    recovery->setDocument(document);
}

void MainWindow::log(const QString& text)
{
    ui->textEdit->append(text);
}

void MainWindow::addToRecentFiles(const QString& path)
{
    recentFiles()->addRecentFile(path);
}

// Document commands

void MainWindow::offerRecovery()
{
    for (const RecoveryStore::Leftover& leftover : recovery->leftovers()) {
        const QMessageBox::StandardButton answer = askRecovery(leftover.name, leftover.time);
        if (answer == QMessageBox::Discard
            || (answer == QMessageBox::Yes && restoreRecoveryCopy(leftover.copyPath, leftover.name)))
            RecoveryStore::discard(leftover);
    }
}

QMessageBox::StandardButton MainWindow::askRecovery(const QString& name, const QDateTime& time)
{
    return QMessageBox::question(
        this, QCoreApplication::applicationName(),
        tr("The editor did not end normally while %1 had unsaved changes.\n"
           "Restore the copy kept at %2?\n\nCancel keeps the copy for the next start.")
            .arg(name, QLocale().toString(time, QLocale::ShortFormat)),
        QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Yes);
}

bool MainWindow::restoreRecoveryCopy(const QString& copyPath, const QString& name)
{
    if (currentDocument && !currentDocument->maybeSave())
        return false;
    std::unique_ptr<KamdelDocument> document;
    if (KamdelPanel1::isValid_XML(copyPath))
        document.reset(KamdelPanel1::newDocument());
    else if (KamdelPanel2::isValid_XML(copyPath))
        document.reset(KamdelPanel2::newDocument());
    if (!document || !document->load(copyPath)) {
        showWarning(tr("The recovery copy of %1 cannot be read.").arg(name));
        return false;
    }
    // The copy is not the user's file: Save must ask where, and the work
    // counts as unsaved until then.
    document->setFilePath(QString());
    document->setFileName(name);
    QMetaObject::invokeMethod(document.get(), "setModified", Q_ARG(bool, true));
    setCurrentDocument(document.release());
    return true;
}

void MainWindow::newDocument_KamdelPanel1()
{
    if (!currentDocument || currentDocument->maybeSave())
        setCurrentDocument(KamdelPanel1::newDocument());
}

void MainWindow::newDocument_KamdelPanel2()
{
    if (!currentDocument || currentDocument->maybeSave())
        setCurrentDocument(KamdelPanel2::newDocument());
}

void MainWindow::openDocument()
{
    openDocument(QString());
}

void MainWindow::openDocument(const QString& path)
{
    if (currentDocument && !currentDocument->maybeSave())
        return;

    QString fileName = path;
    if (fileName.isEmpty()) {
        fileName = askOpenFileName();
        if (fileName.isEmpty())
            return;
    }

    std::unique_ptr<KamdelDocument> document;
    if (KamdelPanel1::isValid_XML(fileName)) {
        document.reset(KamdelPanel1::newDocument());
    } else if (KamdelPanel2::isValid_XML(fileName)) {
        document.reset(KamdelPanel2::newDocument());
    } else {
        showWarning(tr("Unknown file %1!").arg(fileName));
        return;
    }
    if (!document)
        return;

    if (!document->load(fileName)) {
        // The library has told the user why; the old document stays.
        document->close();
        return;
    }
    KamdelDocument* loaded = document.release();
    setCurrentDocument(loaded);
    addToRecentFiles(loaded->filePath());
    statusBar()->showMessage(tr("Document loaded"), 2000);
}

bool MainWindow::saveDocument()
{
    if (!currentDocument)
        return false;
    if (!QFileInfo::exists(currentDocument->filePath()))
        return saveAsDocument();

    const bool saved = currentDocument->save(currentDocument->filePath());
    if (saved) {
        addToRecentFiles(currentDocument->filePath());
        statusBar()->showMessage(tr("Document saved"), 2000);
    }
    return saved;
}

bool MainWindow::saveAsDocument()
{
    if (!currentDocument)
        return false;
    const bool saved = currentDocument->saveAs(QString());
    if (saved) {
        addToRecentFiles(currentDocument->filePath());
        statusBar()->showMessage(tr("Document saved"), 2000);
    }
    return saved;
}

void MainWindow::closeDocument()
{
    closeDocument(nullptr);
}

void MainWindow::closeDocument(AbstractDocument* document)
{
    if (!document)
        document = currentDocument;
    // Only the hosted document can be closed here; any other would make
    // this delete the hosted one in its place.
    if (!document || document != currentDocument)
        return;
    if (document->maybeSave())
        setCurrentDocument(nullptr);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (currentDocument) {
        if (!currentDocument->maybeSave()) {
            event->ignore();
            return;
        }
        setCurrentDocument(nullptr);
    }

    recentFiles()->saveRecentFiles(SettingsStore::settings());
    SettingsStore::setValue(PortNameKey, serialPort->portName());
    SettingsStore::setValue(PositionKey, pos());
    SettingsStore::setValue(SizeKey, size());
    SettingsStore::sync();
    event->accept();
}

// Dialogs

QString MainWindow::askOpenFileName()
{
    // A throw-away document runs the dialog, with the document type's filter.
    KamdelDocument chooser(nullptr);
    return chooser.askOpenFileName();
}

void MainWindow::showWarning(const QString& text)
{
    QMessageBox::warning(this, tr("Application"), text, QMessageBox::Close);
}

int MainWindow::execAboutDialog(AboutDialog& dialog)
{
    return dialog.exec();
}

void MainWindow::showAbout()
{
    AboutDialog dialog(nullptr);
    execAboutDialog(dialog);
}

// Panel link

bool MainWindow::writeToPort(const QByteArray& bytes)
{
    if (!serialPort->isOpen() || serialPort->write(bytes) != bytes.size())
        return false;
    serialPort->flush();
    if (serialPort->bytesToWrite() > 0)
        serialPort->waitForBytesWritten(WriteTimeoutMs);
    const QSerialPort::SerialPortError error = serialPort->error();
    return serialPort->isOpen() && serialPort->bytesToWrite() == 0
        && (error == QSerialPort::NoError || error == QSerialPort::TimeoutError);
}

void MainWindow::sendCommandWord(PanelCommand::Word word)
{
    const QByteArray bytes = PanelCommand::word(word);
    if (serialPort->isOpen()) {
        writeToPort(bytes);
        QCoreApplication::processEvents();
        QThread::msleep(CommandPauseMs);
        return;
    }

    serialPort->clearError();
    if (!serialPort->open(QIODevice::ReadWrite)) {
        showWarning(tr("Cannot connect to serial port %1!").arg(serialPort->portName()));
        return;
    }
    writeToPort(bytes);
    QCoreApplication::processEvents();
    QThread::msleep(CommandPauseMs);
    serialPort->close();
}

void MainWindow::resetPanel()
{
    if (!programming)
        sendCommandWord(PanelCommand::Reset);
}

void MainWindow::nextStep()
{
    if (!programming)
        sendCommandWord(PanelCommand::Next);
}

void MainWindow::stopAnimation()
{
    animationTimer.stop();
    QThread::msleep(CommandPauseMs);
    serialPort->close();
}

void MainWindow::animate(bool checked)
{
    if (programming)
        return;
    if (!checked) {
        stopAnimation();
        return;
    }
    if (!serialPort->isOpen()) {
        serialPort->clearError();
        if (!serialPort->open(QIODevice::ReadWrite)) {
            showWarning(tr("Cannot connect to serial port %1!").arg(serialPort->portName()));
            return;
        }
    }
    animationTimer.start();
}

void MainWindow::compileAndWrite()
{
    if (programming)
        return;
    stopAnimation();

    auto* document = qobject_cast<KamdelDocument*>(currentDocument);
    if (!document)
        return;

    statusBar()->showMessage(tr("Program compiling..."), 5000);
    document->compile();
    const QByteArray image = document->createBinnary();
    const int size = image.size();
    const QString memoryUse = tr("Memory use %1% (%2 of %3).")
                                  .arg(QString::number(size / 80), QString::number(size),
                                      QString::number(PanelCommand::ProgramMemory));

    // Block numbers are one byte: a larger image would wrap around and
    // overwrite the start of the program on the panel.
    if (size > PanelCommand::ProgramMemory) {
        statusBar()->clearMessage();
        log(memoryUse);
        showWarning(tr("The program takes %1 bytes, more than the %2 bytes of the panel's program memory.\n"
                       "Nothing was written to the panel.")
                        .arg(QString::number(size), QString::number(PanelCommand::ProgramMemory)));
        return;
    }

    serialPort->clearError();
    if (!serialPort->open(QIODevice::ReadWrite)) {
        showWarning(tr("Cannot connect to serial port %1 (%2)!")
                        .arg(serialPort->portName(), serialPort->errorString()));
        return;
    }

    statusBar()->showMessage(tr("Programming..."), 10000);
    log(memoryUse);

    programming = true;
    ui->menubar->setPanelActionsEnabled(false);
    const bool written = writeProgram(image);
    ui->menubar->setPanelActionsEnabled(true);
    programming = false;

    if (!written) {
        reportWriteFailure();
        serialPort->close();
        return;
    }
    serialPort->close();
    statusBar()->showMessage(tr("Programming finished!"), 5000);
}

bool MainWindow::writeProgram(const QByteArray& image)
{
    const int blocks = PanelCommand::blockCount(image.size());
    for (int n = 0; n < blocks; ++n) {
        if (!writeToPort(PanelCommand::block(image, n)))
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(BlockPauseMs);
        QCoreApplication::processEvents();
    }
    if (!writeToPort(PanelCommand::word(PanelCommand::Reset)))
        return false;
    QCoreApplication::processEvents();
    QThread::msleep(CommandPauseMs);
    return true;
}

void MainWindow::reportWriteFailure()
{
    const QString text = tr("Writing to serial port %1 failed (%2). The program on the panel is incomplete.")
                             .arg(serialPort->portName(), serialPort->errorString());
    log(text);
    statusBar()->showMessage(text, 10000);
}

// The port dialog and the flasher window come with the flasher library.
void MainWindow::setupSerialPort()
{
    // Only the name may change: the panel link fixes the framing.
    auto* dialog = new SerialPortDialog(serialPort.get(), this);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->setBaudRateEditable(false);
    dialog->setDataBitsEditable(false);
    dialog->setStopBitsEditable(false);
    dialog->setParityEditable(false);
    dialog->refresh();
    dialog->show();
}

void MainWindow::updateFirmware()
{
    // The flasher works on a port of its own; the panel link and Animate
    // are left as they are.
    auto* flasher = new Romwright(QStringLiteral("Kamdel"), QByteArray(), this);
    connect(flasher, &Romwright::finished, flasher, &QObject::deleteLater);
    flasher->setPortName(serialPort->portName(), true);
    flasher->setBaudRate(57600, false);
    flasher->setDataBits(QSerialPort::Data8, false);
    flasher->setStopBits(QSerialPort::OneStop, false);
    flasher->setParity(QSerialPort::NoParity, false);
    flasher->show();
}
