#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AboutDialog.h"
#include "AbstractDocument.h"
#include "DropHandler.h"
#include "ExportAnimationDialog.h"
#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "MainMenu.h"
#include "MemoryGauge.h"
#include "PanelPortChoice.h"
#include "PlaybackController.h"
#include "RecentFiles.h"
#include "RecoveryStore.h"
#include "Romwright.h"
#include "SerialPort/SerialPortDialog.h"
#include "SettingsStore.h"
#include "SplitterMemory.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/ImportAnimationDialog.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/LedStatesCommand.h"
#include "player/PanelWriter.h"
#include "views/CommandTreeView.h"
#include "views/FrameEditor.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"

#include "edits/EditHistory.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSerialPort>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QThread>

#include <algorithm>

namespace {
const QString PositionKey = QStringLiteral("MainWindow/Position");
const QString SizeKey = QStringLiteral("MainWindow/Size");
const QString PortNameKey = QStringLiteral("SerialPort/Name");
const QString LastFolderKey = QStringLiteral("LastFolder/%1");
const QString BoardSideKey = QStringLiteral("Board/%1/Side");
const QString WindowSplitterKey = QStringLiteral("MainWindow/Splitter");
const QString DocumentSplitterKey = QStringLiteral("Document/Splitter");
// A first start takes two thirds of the screen, but never less than this.
const QSize SmallestFirstSize(1024, 700);

constexpr int CommandPauseMs = PanelWriter::CommandPauseMs;
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui_MainWindow>())
    , serialPort(std::make_unique<QSerialPort>())
    , panelWriter(new PanelWriter(serialPort.get(), this))
    , gauge(new MemoryGauge(this))
    , writeProgress(new QProgressBar(this))
    , cancelWrite(new QPushButton(tr("Cancel"), this))
    , player(new PlaybackController(this))
{
    ui->setupUi(this);
    updateWindowTitle();
    recovery = new RecoveryStore(this);
    connect(recovery, &RecoveryStore::recoveredChanged, this, &MainWindow::updateWindowTitle);
    // The report pane only shows what the editor reports.
    ui->textEdit->setReadOnly(true);
    new DropHandler(this, ui->textEdit);

    writeProgress->setObjectName(QStringLiteral("progressBar_Write"));
    writeProgress->setFormat(tr("%v of %m blocks"));
    writeProgress->setMaximumWidth(220);
    cancelWrite->setObjectName(QStringLiteral("pushButton_CancelWrite"));
    statusBar()->addPermanentWidget(writeProgress);
    statusBar()->addPermanentWidget(cancelWrite);
    statusBar()->addPermanentWidget(gauge);
    writeProgress->hide();
    cancelWrite->hide();
    connect(cancelWrite, &QPushButton::clicked, panelWriter, &PanelWriter::cancel);
    connect(panelWriter, &PanelWriter::progress, this, &MainWindow::showWriteProgress);
    connect(player, &PlaybackController::message, statusBar(), &QStatusBar::showMessage);

    SettingsStore::open();
    if (!SettingsStore::isWritable())
        statusBar()->showMessage(tr("The settings cannot be saved: %1 is not writable.")
                                     .arg(QDir::toNativeSeparators(SettingsStore::settings()->fileName())));
    FileDialogs::setFolderStore(
        { [](const QString& kind) { return SettingsStore::value(LastFolderKey.arg(kind)).toString(); },
            [](const QString& kind, const QString& folder) {
                SettingsStore::setValue(LastFolderKey.arg(kind), folder);
            } });
    restoreGeometryFromSettings();
    recentFiles()->loadRecentFiles(SettingsStore::settings());
    connect(recentFiles(), &RecentFiles::fileMissing, this, [this](const QString& path) {
        statusBar()->showMessage(tr("%1 no longer exists; it was removed from the recent files.")
                                     .arg(QDir::toNativeSeparators(path)),
            5000);
    });

    startPortName = PanelPortChoice::startName(
        QString(), SettingsStore::string(PortNameKey, QString()), PanelPortChoice::detectedNames());
    serialPort->setPortName(startPortName);
    serialPort->setBaudRate(QSerialPort::Baud57600, QSerialPort::AllDirections);

    // Animate runs at the playback speed chosen, so that a show can be
    // watched on the panel at the pace it plays in the editor.
    animationTimer.setInterval(1000 / player->framesPerSecond());
    connect(player, &PlaybackController::framesPerSecondChanged, this,
        [this](int framesPerSecond) { animationTimer.setInterval(1000 / framesPerSecond); });
    connect(&animationTimer, &QTimer::timeout, this, &MainWindow::nextStep);
    SplitterMemory::attach(ui->splitter, WindowSplitterKey, { 600, 200 });

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
    QRect first(QPoint(300, 200), SmallestFirstSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        first.setSize(available.size() * 2 / 3);
        first.setSize(first.size().expandedTo(SmallestFirstSize));
        first.moveCenter(available.center());
    }
    const QPoint position = SettingsStore::point(PositionKey, first.topLeft());
    const QSize size = SettingsStore::size(SizeKey, first.size());

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
    if (!currentDocument) {
        setWindowTitle(tr("Segmented LED Panel Editor"));
        return;
    }
    QString name = currentDocument->fileName() + QStringLiteral("[*]");
    // Restored work is marked until it is saved.
    if (recovery && recovery->isRecovered(currentDocument))
        name += tr(" (recovered)");
    if (currentDocument->filePath().isEmpty())
        setWindowTitle(tr("Segmented LED Panel Editor  -  %1").arg(name));
    else
        setWindowTitle(tr("Segmented LED Panel Editor  -  %1  (%2)").arg(name, currentDocument->filePath()));
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
    auto* kamdelDocument = qobject_cast<KamdelDocument*>(document);
    player->setDocument(kamdelDocument);
    if (kamdelDocument) {
        // Only commands added or removed change the size; one compile of a
        // full program takes well under a millisecond.
        CommandTreeModel* model = kamdelDocument->treeModel();
        documentConnections << connect(
            kamdelDocument->edits(), &DocumentEdits::edited, this, &MainWindow::updateMemoryGauge);
        documentConnections << connect(
            model, &QAbstractItemModel::rowsInserted, this, &MainWindow::updateMemoryGauge);
        documentConnections << connect(
            model, &QAbstractItemModel::rowsRemoved, this, &MainWindow::updateMemoryGauge);
        documentConnections << connect(
            model, &QAbstractItemModel::layoutChanged, this, &MainWindow::updateMemoryGauge);
        documentConnections << connect(
            model, &QAbstractItemModel::modelReset, this, &MainWindow::updateMemoryGauge);
    }
    updateMemoryGauge();
    if (kamdelDocument && kamdelDocument->panelScene())
        followBoardSide(kamdelDocument);
    // Generate offers the parameters last used for each effect.
    if (kamdelDocument)
        kamdelDocument->frameEditor()->setSettings(SettingsStore::settings());
    if (kamdelDocument)
        arrangePanes(kamdelDocument);

    documentConnections << ui->menubar->connectDocument(document);
    recovery->setDocument(document);
}

void MainWindow::followBoardSide(KamdelDocument* document)
{
    // Designers keep looking at the side they soldered or probe on, so each
    // panel model shows the side last chosen for it.
    LedPanelScene_Ring* scene = document->panelScene();
    const QString key = BoardSideKey.arg(document->panelModel());
    bool ok = false;
    const int stored = SettingsStore::value(key).toInt(&ok);
    if (ok && (stored == Top || stored == Bottom))
        scene->setSide(eLedPanelSide(stored));
    documentConnections << connect(scene, &AbstractLedPanelScene::sideChanged, this,
        [key](eLedPanelSide side) { SettingsStore::setValue(key, int(side)); });
}

void MainWindow::arrangePanes(KamdelDocument* document)
{
    CommandTreeView* tree = document->commandTreeView();
    auto* splitter = document->findChild<QSplitter*>(QStringLiteral("splitter"));
    if (!tree || !splitter)
        return;
    const int treeWidth = tree->frameLabelWidth();
    tree->setMinimumWidth(treeWidth);
    tree->setMaximumWidth(QWIDGETSIZE_MAX);
    // Extra room goes to the board.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    SplitterMemory::attach(
        splitter, DocumentSplitterKey, { treeWidth, qMax(width() - treeWidth, treeWidth) });
}

void MainWindow::hostNewDocument(KamdelDocument* document)
{
    document->frameEditor()->insertFrame(false);
    // Making the document is no edit of the user's.
    document->edits()->history()->clear();
    QMetaObject::invokeMethod(document, "setModified", Q_ARG(bool, false));
    setCurrentDocument(document);
    showFirstFrame();
}

void MainWindow::showFirstFrame()
{
    auto* document = qobject_cast<KamdelDocument*>(currentDocument);
    if (!document || !document->commandTreeView()->selectFirstFrame())
        return;
    if (LedPanelView* board = document->ledPanelView())
        board->setFocus();
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
    for (const RecoveryStore::Leftover& leftover : recovery->claimLeftovers()) {
        const QMessageBox::StandardButton answer = askRecovery(leftover.name, leftover.time);
        if (answer == QMessageBox::Discard)
            recovery->discard(leftover);
        else if (answer == QMessageBox::Yes && (!currentDocument || currentDocument->maybeSave()))
            restoreRecoveryCopy(leftover);
    }
}

QMessageBox::StandardButton MainWindow::askRecovery(const QString& name, const QDateTime& time)
{
    return QMessageBox::question(this, QCoreApplication::applicationName(),
        tr("The editor did not end normally while %1 had unsaved changes.\n"
           "Restore the copy kept at %2?\n\nCancel keeps the copy for the next start.")
            .arg(name, QLocale().toString(time, QLocale::ShortFormat)),
        QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Yes);
}

void MainWindow::restoreRecoveryCopy(const RecoveryStore::Leftover& leftover)
{
    // The copy stays until the work is saved or discarded, and always when
    // it could not be read in full.
    bool complete = false;
    std::unique_ptr<KamdelDocument> document = recovery->read(leftover, complete);
    const QString where = QDir::toNativeSeparators(leftover.copyPath);
    if (!document) {
        showWarning(
            tr("The recovery copy of %1 cannot be read. It is kept at %2.").arg(leftover.name, where));
        return;
    }
    if (!complete)
        showWarning(tr("The recovery copy of %1 could be read only in part; what was read is shown. "
                       "The copy is kept at %2.")
                        .arg(leftover.name, where));
    AbstractDocument* restored = document.release();
    setCurrentDocument(restored);
    recovery->adopt(leftover, restored, !complete);
}

void MainWindow::newDocument_KamdelPanel1()
{
    if (!currentDocument || currentDocument->maybeSave())
        hostNewDocument(KamdelPanel1::newDocument());
}

void MainWindow::newDocument_KamdelPanel2()
{
    if (!currentDocument || currentDocument->maybeSave())
        hostNewDocument(KamdelPanel2::newDocument());
}

void MainWindow::openFiles(const QStringList& paths)
{
    // A relative name would leave a recent-files entry that only works from
    // this folder.
    for (const QString& path : paths)
        openDocument(QFileInfo(path).absoluteFilePath());
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

    // A FIFO or a device named on the command line or in the recent files
    // would block the window or feed it for ever.
    const QString unreadable = KamdelDocument::unreadableReason(fileName);
    if (!unreadable.isEmpty()) {
        showWarning(unreadable);
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
    showFirstFrame();
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
    // The write runs inside this window's event processing: it is stopped
    // first, and the window closes once it has returned.
    if (programming) {
        event->ignore();
        if (askStopWriting()) {
            closeAfterWrite = true;
            panelWriter->cancel();
        }
        return;
    }
    player->stop();
    if (currentDocument) {
        if (!currentDocument->maybeSave()) {
            event->ignore();
            return;
        }
        setCurrentDocument(nullptr);
    }

    recentFiles()->saveRecentFiles(SettingsStore::settings());
    if (serialPort->portName() != startPortName)
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

bool MainWindow::askStopWriting()
{
    return QMessageBox::question(this, tr("Application"),
               tr("A program is being written to the panel.\nStop writing and close? The panel then holds an "
                  "incomplete program."),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool MainWindow::askAnimationOptions(AnimationExport::Options& options)
{
    ExportAnimationDialog dialog(this);
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.options();
    return true;
}

QString MainWindow::askExportFileName(
    const QString& caption, const QString& suggestion, const QString& filter)
{
    return FileDialogs::getSaveFileName(this, caption, suggestion, filter);
}

void MainWindow::showAbout()
{
    AboutDialog dialog(nullptr);
    execAboutDialog(dialog);
}

// Panel link

void MainWindow::setPortForThisRun(const QString& portName)
{
    serialPort->setPortName(portName);
    startPortName = serialPort->portName();
}

bool MainWindow::checkPortIsSet()
{
    if (!serialPort->portName().trimmed().isEmpty())
        return true;
    showWarning(tr("No panel port is set: choose one in Tools > Serial port setup."));
    setupSerialPort();
    return false;
}

void MainWindow::sendCommandWord(PanelCommand::Word word)
{
    if (serialPort->isOpen()) {
        panelWriter->sendWord(word);
        return;
    }

    if (!checkPortIsSet())
        return;
    serialPort->clearError();
    if (!serialPort->open(QIODevice::ReadWrite)) {
        showWarning(tr("Cannot connect to serial port %1!").arg(serialPort->portName()));
        return;
    }
    panelWriter->sendWord(word);
    serialPort->close();
}

void MainWindow::sayNoDocument(const QString& text)
{
    statusBar()->showMessage(text, 5000);
}

void MainWindow::resetPanel()
{
    if (programming)
        return;
    // The panel may still hold a program written earlier, so the word goes
    // out all the same.
    if (!currentDocument)
        sayNoDocument(tr("No document is open: Reset goes to the program the panel holds."));
    sendCommandWord(PanelCommand::Reset);
}

void MainWindow::nextStep()
{
    if (programming)
        return;
    if (!currentDocument && !animationTimer.isActive())
        sayNoDocument(tr("No document is open: Next goes to the program the panel holds."));
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
        if (!checkPortIsSet())
            return;
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
    if (!document) {
        sayNoDocument(tr("No document is open: there is nothing to compile and write."));
        return;
    }

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

    if (!checkPortIsSet())
        return;
    serialPort->clearError();
    if (!serialPort->open(QIODevice::ReadWrite)) {
        showWarning(tr("Cannot connect to serial port %1 (%2)!")
                        .arg(serialPort->portName(), serialPort->errorString()));
        return;
    }

    // The message stays until the write ends, however long it takes.
    statusBar()->showMessage(tr("Programming..."));
    log(memoryUse);

    programming = true;
    ui->menubar->setPanelActionsEnabled(false);
    writeProgress->show();
    cancelWrite->show();
    const PanelWriter::Result result = panelWriter->writeProgram(image);
    writeProgress->hide();
    cancelWrite->hide();
    ui->menubar->setPanelActionsEnabled(true);
    programming = false;

    switch (result) {
    case PanelWriter::Result::Failed:
        reportWriteFailure();
        serialPort->close();
        break;
    case PanelWriter::Result::Canceled: {
        serialPort->close();
        const QString text = tr("Writing canceled: the panel holds an incomplete program.");
        log(text);
        statusBar()->showMessage(text, 10000);
        break;
    }
    case PanelWriter::Result::Finished:
        serialPort->close();
        statusBar()->showMessage(tr("Programming finished!"), 5000);
        break;
    }
    if (closeAfterWrite) {
        closeAfterWrite = false;
        close();
    }
}

void MainWindow::showWriteProgress(int blocksSent, int blocksTotal)
{
    writeProgress->setRange(0, blocksTotal);
    writeProgress->setValue(blocksSent);
}

void MainWindow::updateMemoryGauge()
{
    auto* document = qobject_cast<KamdelDocument*>(currentDocument);
    if (!document) {
        gauge->setBytes(-1);
        return;
    }
    document->compile();
    gauge->setBytes(document->createBinnary().size());
}

// Playback in the editor

void MainWindow::play(bool playing)
{
    player->play(playing);
}

void MainWindow::stepPlayback()
{
    player->step();
}

void MainWindow::stopPlayback()
{
    player->stop();
}

void MainWindow::setPlaybackSpeed(int framesPerSecond)
{
    player->setFramesPerSecond(framesPerSecond);
}

// Export

void MainWindow::importAnimation()
{
    auto* document = qobject_cast<KamdelDocument*>(currentDocument);
    if (!document) {
        sayNoDocument(tr("No document is open: there is nothing to import into."));
        return;
    }
    QString message;
    const int frames = ImportAnimationDialog::importInto(document, this, &message);
    if (frames < 0)
        showWarning(message);
    else if (frames > 0)
        statusBar()->showMessage(tr("%1 frames imported").arg(frames), 5000);
}

void MainWindow::exportAnimation()
{
    auto* document = qobject_cast<KamdelDocument*>(currentDocument);
    if (!document) {
        sayNoDocument(tr("No document is open: there is nothing to export."));
        return;
    }
    AnimationExport::Options options;
    if (document->panelScene())
        options.side = document->panelScene()->side();
    if (!askAnimationOptions(options))
        return;
    options.source = document->filePath();
    const QString base = QFileInfo(document->fileName()).completeBaseName();
    const QString fileName = askExportFileName(tr("Export animation"),
        QFileInfo(QDir(document->fileDir()), base + QStringLiteral(".gif")).filePath(),
        tr("Animated GIF (*.gif)"));
    if (fileName.isEmpty())
        return;
    document->compile();
    QString error;
    int frames = 0;
    if (!AnimationExport::writeGif(document->createBinnary(), AnimationExport::variantOf(document->core()),
            options, fileName, &error, &frames)) {
        showWarning(error);
        return;
    }
    statusBar()->showMessage(tr("%1 frames exported to %2").arg(frames).arg(fileName), 5000);
}

void MainWindow::exportFrame()
{
    auto* document = qobject_cast<KamdelDocument*>(currentDocument);
    LedStatesCommand* frame
        = document && document->panelScene() ? document->panelScene()->shownFrame() : nullptr;
    if (!frame) {
        sayNoDocument(document ? tr("No frame is shown: pick one in the tree.")
                               : tr("No document is open: there is nothing to export."));
        return;
    }
    AnimationExport::Leds leds;
    for (int i = 0; i < qMin(frame->leds().size(), int(leds.size())); ++i)
        leds[size_t(i)] = frame->leds().at(i)->value() > 0;
    const QString fileName = askExportFileName(tr("Export frame as PNG"),
        QFileInfo(QDir(document->fileDir()),
            QFileInfo(document->fileName()).completeBaseName() + QStringLiteral(".png"))
            .filePath(),
        tr("PNG picture (*.png)"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!AnimationExport::writePng(leds, AnimationExport::DefaultSize, document->panelScene()->side(),
            fileName, &error, document->filePath()))
        showWarning(error);
    else
        statusBar()->showMessage(tr("Frame exported to %1").arg(fileName), 5000);
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
    // The flasher's own last file and port win over the editor's port.
    flasher->setSettings(SettingsStore::settings());
    flasher->show();
}
