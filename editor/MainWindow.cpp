#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AboutDialog.h"
#include "AbstractDocument.h"
#include "DocumentHost.h"
#include "DropHandler.h"
#include "ExamplesMenu.h"
#include "ExportAnimationDialog.h"
#include "ExportCommands.h"
#include "KamdelDocument.h"
#include "LanesDock.h"
#include "MainMenu.h"
#include "MemoryGauge.h"
#include "PanelLink.h"
#include "PlaybackController.h"
#include "RecentFiles.h"
#include "RecoveryStore.h"
#include "SettingsStore.h"
#include "ShowLength.h"
#include "SplitterMemory.h"
#include "dialogs/FileDialogs.h"
#include "formats/SequenceFile.h"
#include "model/DeviceItem.h"
#include "model/ProgramItem.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include <algorithm>

namespace {
const QString PositionKey = QStringLiteral("MainWindow/Position");
const QString SizeKey = QStringLiteral("MainWindow/Size");
const QString LastFolderKey = QStringLiteral("LastFolder/%1");
const QString WindowSplitterKey = QStringLiteral("MainWindow/Splitter");
const QString LanesShownKey = QStringLiteral("View/RingLanes");
// A first start takes two thirds of the screen, but never less than this.
const QSize SmallestFirstSize(1024, 700);
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui_MainWindow>())
    , gauge(new MemoryGauge(this))
    , length(new ShowLength(this))
    , writeProgress(new QProgressBar(this))
    , cancelWrite(new QPushButton(tr("Cancel"), this))
    , player(new PlaybackController(this))
    , lanes(new LanesDock(this))
    , dialogs(this)
{
    ui->setupUi(this);
    addDockWidget(Qt::RightDockWidgetArea, lanes);
    host = new DocumentHost(this, ui->stackedWidget, dialogs);
    updateWindowTitle();
    // The report pane only shows what the editor reports.
    ui->textEdit->setReadOnly(true);
    new DropHandler(this, ui->textEdit);
    setUpStatusBar();

    setUpSettings();
    restoreGeometryFromSettings();
    lanes->setVisible(SettingsStore::value(LanesShownKey, false).toBool());
    connect(lanes->toggleViewAction(), &QAction::toggled, this,
        [](bool shown) { SettingsStore::setValue(LanesShownKey, shown); });
    recentFiles()->loadRecentFiles(SettingsStore::settings());

    // The link reads its port from the settings.
    link = new PanelLink(this, *host, dialogs);
    exports = new ExportCommands(this, *host, dialogs);
    // Animate runs at the playback speed chosen, so that a show can be
    // watched on the panel at the pace it plays in the editor.
    link->setAnimationPace(player->framesPerSecond());
    SplitterMemory::attach(ui->splitter, WindowSplitterKey, { 600, 200 });

    connectMenu();
    connectParts();
    host->connectDocument(nullptr);
}

MainWindow::~MainWindow() = default;

void MainWindow::setUpStatusBar()
{
    writeProgress->setObjectName(QStringLiteral("progressBar_Write"));
    writeProgress->setFormat(tr("%v of %m blocks"));
    writeProgress->setMaximumWidth(220);
    cancelWrite->setObjectName(QStringLiteral("pushButton_CancelWrite"));
    statusBar()->addPermanentWidget(writeProgress);
    statusBar()->addPermanentWidget(cancelWrite);
    statusBar()->addPermanentWidget(length);
    statusBar()->addPermanentWidget(gauge);
    length->setFramesPerSecond(player->framesPerSecond());
    writeProgress->hide();
    cancelWrite->hide();
}

void MainWindow::setUpSettings()
{
    SettingsStore::open();
    if (!SettingsStore::isWritable())
        statusBar()->showMessage(tr("The settings cannot be saved: %1 is not writable.")
                                     .arg(QDir::toNativeSeparators(SettingsStore::settings()->fileName())));
    FileDialogs::setFolderStore(
        { [](const QString& kind) { return SettingsStore::value(LastFolderKey.arg(kind)).toString(); },
            [](const QString& kind, const QString& folder) {
                SettingsStore::setValue(LastFolderKey.arg(kind), folder);
            } });
}

void MainWindow::connectMenu()
{
    MainMenu* menu = ui->menubar;
    connect(menu->actionNewPanel1(), &QAction::triggered, this, &MainWindow::newDocument_KamdelPanel1);
    connect(menu->actionNewPanel2(), &QAction::triggered, this, &MainWindow::newDocument_KamdelPanel2);
    connect(menu->actionOpen(), &QAction::triggered, this, QOverload<>::of(&MainWindow::openDocument));
    connect(menu->actionSave(), &QAction::triggered, this, &MainWindow::saveDocument);
    connect(menu->actionSaveAs(), &QAction::triggered, this, &MainWindow::saveAsDocument);
    connect(menu->actionClose(), &QAction::triggered, this, QOverload<>::of(&MainWindow::closeDocument));
    connect(menu->actionExit(), &QAction::triggered, this, &QWidget::close);
    connect(menu->actionAbout(), &QAction::triggered, this, &MainWindow::showAbout);
    connect(menu->actionReset(), &QAction::triggered, this, &MainWindow::resetPanel);
    connect(menu->actionNext(), &QAction::triggered, this, &MainWindow::nextStep);
    connect(menu->actionAnimate(), &QAction::triggered, this, &MainWindow::animate);
    connect(menu->actionSerialPortSetup(), &QAction::triggered, this, &MainWindow::setupSerialPort);
    connect(menu->actionCompileAndWrite(), &QAction::triggered, this, &MainWindow::compileAndWrite);
    connect(menu->actionUpdateFirmware(), &QAction::triggered, this, &MainWindow::updateFirmware);
    connect(menu->actionProductionStation(), &QAction::triggered, this, &MainWindow::startStation);
    connect(menu->examplesMenu(), &ExamplesMenu::openExample, host, &DocumentHost::openExample);
    connect(menu->recentFilesMenu(), &RecentFiles::openFile, this,
        QOverload<const QString&>::of(&MainWindow::openDocument));
    connect(menu->actionPlay(), &QAction::triggered, this, &MainWindow::play);
    connect(menu->actionStep(), &QAction::triggered, this, &MainWindow::stepPlayback);
    connect(menu->actionStopPlayback(), &QAction::triggered, this, &MainWindow::stopPlayback);
    connect(menu, &MainMenu::playbackSpeedChosen, this, &MainWindow::setPlaybackSpeed);
    connect(player, &PlaybackController::playingChanged, menu->actionPlay(), &QAction::setChecked);
    connect(menu->actionImportAnimation(), &QAction::triggered, this, &MainWindow::importAnimation);
    connect(menu->actionExportAnimation(), &QAction::triggered, this, &MainWindow::exportAnimation);
    connect(menu->actionExportFrame(), &QAction::triggered, this, &MainWindow::exportFrame);
}

void MainWindow::connectParts()
{
    QStatusBar* bar = statusBar();
    connect(host, &DocumentHost::documentChanged, this, &MainWindow::followDocument);
    connect(host, &DocumentHost::fileNameChanged, this, &MainWindow::updateWindowTitle);
    connect(host, &DocumentHost::modifiedChanged, this, &QWidget::setWindowModified);
    connect(host, &DocumentHost::log, this, &MainWindow::log);
    connect(host, &DocumentHost::programEdited, this, &MainWindow::updateMemoryGauge);
    connect(host, &DocumentHost::programEdited, this, &MainWindow::updateShowLength);
    connect(host, &DocumentHost::message, bar, &QStatusBar::showMessage);
    connect(host, &DocumentHost::fileUsed, recentFiles(), &RecentFiles::addRecentFile);
    connect(host->recoveryStore(), &RecoveryStore::recoveredChanged, this, &MainWindow::updateWindowTitle);
    connect(recentFiles(), &RecentFiles::fileMissing, this, [this](const QString& path) {
        statusBar()->showMessage(tr("%1 no longer exists; it was removed from the recent files.")
                                     .arg(QDir::toNativeSeparators(path)),
            5000);
    });

    connect(link, &PanelLink::message, bar, &QStatusBar::showMessage);
    connect(link, &PanelLink::log, this, &MainWindow::log);
    connect(link, &PanelLink::writingChanged, this, &MainWindow::followWriting);
    connect(link, &PanelLink::writeProgress, this, &MainWindow::showWriteProgress);
    connect(cancelWrite, &QPushButton::clicked, link, &PanelLink::cancelWrite);
    connect(player, &PlaybackController::framesPerSecondChanged, link, &PanelLink::setAnimationPace);
    connect(player, &PlaybackController::framesPerSecondChanged, length, &ShowLength::setFramesPerSecond);
    connect(player, &PlaybackController::message, bar, &QStatusBar::showMessage);
    connect(exports, &ExportCommands::message, bar, &QStatusBar::showMessage);
}

void MainWindow::followDocument(AbstractDocument* document)
{
    // The title carries the "[*]" placeholder before the marker is set.
    updateWindowTitle();
    setWindowModified(document && document->isModified());
    player->setDocument(qobject_cast<KamdelDocument*>(document));
    lanes->setDocument(qobject_cast<KamdelDocument*>(document));
    updateMemoryGauge();
    updateShowLength();
    while (!menuConnections.isEmpty())
        QObject::disconnect(menuConnections.takeFirst());
    menuConnections = ui->menubar->connectDocument(document);
}

void MainWindow::followWriting(bool writing)
{
    ui->menubar->setPanelActionsEnabled(!writing);
    writeProgress->setVisible(writing);
    cancelWrite->setVisible(writing);
    if (!writing && closeAfterWrite) {
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
    auto* document = qobject_cast<KamdelDocument*>(host->document());
    if (!document) {
        gauge->setBytes(-1);
        return;
    }
    document->compile();
    gauge->setBytes(document->createBinnary().size());
}

void MainWindow::updateShowLength()
{
    auto* document = qobject_cast<KamdelDocument*>(host->document());
    const ProgramItem* program = document ? document->deviceItem()->program(0) : nullptr;
    length->setFrames(program ? SequenceFile::frames(program).size() : -1);
}

AbstractDocument* MainWindow::document() const
{
    return host->document();
}

QSerialPort* MainWindow::panelPort() const
{
    return link->port();
}

MainMenu* MainWindow::mainMenu() const
{
    return ui->menubar;
}

RecentFiles* MainWindow::recentFiles() const
{
    return ui->menubar->recentFilesMenu();
}

RecoveryStore* MainWindow::recoveryStore() const
{
    return host->recoveryStore();
}

bool MainWindow::isAnimating() const
{
    return link->isAnimating();
}

int MainWindow::animationInterval() const
{
    return link->animationInterval();
}

bool MainWindow::isWriting() const
{
    return link->isWriting();
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
    AbstractDocument* currentDocument = host->document();
    if (!currentDocument) {
        setWindowTitle(tr("Segmented LED Panel Editor"));
        return;
    }
    QString name = currentDocument->fileName() + QStringLiteral("[*]");
    // Restored work is marked until it is saved.
    if (host->recoveryStore()->isRecovered(currentDocument))
        name += tr(" (recovered)");
    if (currentDocument->filePath().isEmpty())
        setWindowTitle(tr("Segmented LED Panel Editor  -  %1").arg(name));
    else
        setWindowTitle(tr("Segmented LED Panel Editor  -  %1  (%2)").arg(name, currentDocument->filePath()));
}

void MainWindow::log(const QString& text)
{
    ui->textEdit->append(text);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The write runs inside this window's event processing: it is stopped
    // first, and the window closes once it has returned.
    if (link->isWriting()) {
        event->ignore();
        if (dialogs.askStopWriting()) {
            closeAfterWrite = true;
            link->cancelWrite();
        }
        return;
    }
    player->stop();
    if (AbstractDocument* document = host->document()) {
        if (!document->maybeSave()) {
            event->ignore();
            return;
        }
        host->setCurrentDocument(nullptr);
    }

    recentFiles()->saveRecentFiles(SettingsStore::settings());
    link->savePortName();
    SettingsStore::setValue(PositionKey, pos());
    SettingsStore::setValue(SizeKey, size());
    SettingsStore::sync();
    event->accept();
}

// Document commands, handed to the hosted document's keeper

void MainWindow::setCurrentDocument(AbstractDocument* document)
{
    host->setCurrentDocument(document);
}

void MainWindow::setCurrentDocument_and_Connect(AbstractDocument* document)
{
    host->connectDocument(document);
}

void MainWindow::openFiles(const QStringList& paths)
{
    host->openFiles(paths);
}

void MainWindow::offerRecovery()
{
    host->offerRecovery();
}

void MainWindow::newDocument_KamdelPanel1()
{
    host->newDocument_KamdelPanel1();
}

void MainWindow::newDocument_KamdelPanel2()
{
    host->newDocument_KamdelPanel2();
}

void MainWindow::openDocument()
{
    host->openDocument(QString());
}

void MainWindow::openDocument(const QString& path)
{
    host->openDocument(path);
}

bool MainWindow::saveDocument()
{
    return host->saveDocument();
}

bool MainWindow::saveAsDocument()
{
    return host->saveAsDocument();
}

void MainWindow::closeDocument()
{
    host->closeDocument(nullptr);
}

void MainWindow::closeDocument(AbstractDocument* document)
{
    host->closeDocument(document);
}

// Dialogs

void MainWindow::showAbout()
{
    AboutDialog dialog(nullptr);
    dialogs.showAbout(dialog);
}

// Panel link

void MainWindow::setPortForThisRun(const QString& portName)
{
    link->setPortForThisRun(portName);
}

void MainWindow::resetPanel()
{
    link->resetPanel();
}

void MainWindow::nextStep()
{
    link->nextStep();
}

void MainWindow::animate(bool checked)
{
    link->animate(checked);
}

void MainWindow::compileAndWrite()
{
    link->compileAndWrite();
}

void MainWindow::setupSerialPort()
{
    link->setupSerialPort();
}

void MainWindow::updateFirmware()
{
    link->updateFirmware();
}

void MainWindow::startStation()
{
    // Beside the editor, built or installed; else wherever the PATH leads.
    const QString sibling = QCoreApplication::applicationDirPath() + QStringLiteral("/KamdelStation");
    const QString program = QFileInfo(sibling).isExecutable() ? sibling : QStringLiteral("KamdelStation");
    if (!QProcess::startDetached(program, QStringList()))
        dialogs.showWarning(tr("The production station %1 cannot be started.").arg(program));
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

// Pictures in and out

void MainWindow::importAnimation()
{
    exports->importAnimation();
}

void MainWindow::exportAnimation()
{
    exports->exportAnimation();
}

void MainWindow::exportFrame()
{
    exports->exportFrame();
}
