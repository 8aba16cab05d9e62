#include "MainMenu.h"
#include "HistoryActions.h"

#include "ExamplesMenu.h"
#include "HelpMenu.h"
#include "KamdelDocument.h"
#include "PlaybackController.h"
#include "RecentFiles.h"
#include "ToolbarTooltipFilter.h"
#include "ViewMenu.h"
#include "edits/DocumentEdits.h"
#include "views/CommandTreeMenu.h"
#include "views/CommandTreeView.h"
#include "views/FrameEditor.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

// The icons are compiled into this static library; without a reference
// the linker would leave them out of the program.
static void initIconResources()
{
#ifdef KAMDEL_EDITOR_ICONS
    Q_INIT_RESOURCE(icons);
#endif
}

namespace {
// A picture the resources do not hold adds nothing, so an icon with only a
// small picture stays small and one with none stays empty.
QIcon makeIcon(const QString& small, const QString& large = QString())
{
    QIcon icon;
    if (QFile::exists(small))
        icon.addFile(small, QSize(24, 24), QIcon::Normal, QIcon::Off);
    if (!large.isEmpty() && QFile::exists(large))
        icon.addFile(large, QSize(36, 36), QIcon::Normal, QIcon::Off);
    return icon;
}

QAction* makeAction(
    QObject* parent, const QString& objectName, const QString& text, const QString& statusTip = QString())
{
    auto* action = new QAction(text, parent);
    action->setObjectName(objectName);
    if (!statusTip.isEmpty())
        action->setStatusTip(statusTip);
    return action;
}
} // namespace

MainMenu::MainMenu(QMainWindow* window)
    : QMenuBar(window)
    , mainWindow(window)
{
    initIconResources();
    createActions();
    createHistoryActions();
    connectActions();
    createMenus();
    createToolBars();
    // The tool bars exist only now.
    viewMenu->rebuild();
}

MainMenu::~MainMenu() = default;

void MainMenu::createActions()
{
    // The Control and Tools actions belong to the window, so that their
    // function keys work wherever the focus is.
    QObject* windowSide = mainWindow;

    // The two buttons look alike: their tips tell the models apart.
    const QString modelA = PanelDocument::modelLabel(PanelDocument::Panel::RingA);
    const QString modelB = PanelDocument::modelLabel(PanelDocument::Panel::RingB);
    newPanel1Action
        = makeAction(this, QStringLiteral("action_NewPanel1"), modelA, tr("New %1 document").arg(modelA));
    newPanel1Action->setToolTip(newPanel1Action->statusTip());
    // One key bound to two actions of a window triggers neither, so only
    // the first model keeps the standard New key.
    newPanel1Action->setShortcuts(QKeySequence::New);
    newPanel2Action
        = makeAction(this, QStringLiteral("action_NewPanel2"), modelB, tr("New %1 document").arg(modelB));
    newPanel2Action->setToolTip(newPanel2Action->statusTip());
    newPanel2Action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));

    openAction
        = makeAction(this, QStringLiteral("action_Open"), tr("Open..."), tr("Open an existing document"));
    openAction->setShortcuts(QKeySequence::Open);
    saveAction = makeAction(this, QStringLiteral("action_Save"), tr("Save"), tr("Save the document"));
    saveAction->setShortcuts(QKeySequence::Save);
    saveAsAction = makeAction(
        this, QStringLiteral("action_SaveAs"), tr("Save as..."), tr("Save the document under a new name"));
    saveAsAction->setShortcuts(QKeySequence::SaveAs);
    closeAction = makeAction(this, QStringLiteral("action_Close"), tr("Close"), tr("Close the document"));
    closeAction->setShortcuts(QKeySequence::Close);

    recentFiles = new RecentFiles(this);
    recentFiles->setObjectName(QStringLiteral("menu_RecentFiles"));
    examples = new ExamplesMenu(this);

    exitAction = makeAction(this, QStringLiteral("action_Exit"), tr("Exit"));
    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    aboutAction = makeAction(this, QStringLiteral("action_About"), tr("About"));

    cutAction
        = makeAction(this, QStringLiteral("action_Cut"), tr("Cu&t"), tr("Copy to clipboard and delete"));
    cutAction->setShortcuts(QKeySequence::Cut);
    copyAction = makeAction(this, QStringLiteral("action_Copy"), tr("&Copy"), tr("Copy to clipboard"));
    copyAction->setShortcuts(QKeySequence::Copy);
    pasteAction = makeAction(this, QStringLiteral("action_Paste"), tr("&Paste"), tr("Paste from clipboard"));
    pasteAction->setShortcuts(QKeySequence::Paste);
    deleteAction = makeAction(this, QStringLiteral("action_Delete"), tr("&Delete"), tr("Delete"));
    // The standard list also holds Ctrl+D on X11, which Duplicate uses;
    // two actions on one key would make that key do nothing.
    deleteAction->setShortcut(QKeySequence(Qt::Key_Delete));

    createPanelActions(windowSide);
    createPlaybackActions(windowSide);

    const QIcon newIcon = makeIcon(QStringLiteral(":/new_24.png"), QStringLiteral(":/new_36.png"));
    newPanel1Action->setIcon(newIcon);
    newPanel2Action->setIcon(newIcon);
    openAction->setIcon(makeIcon(QStringLiteral(":/open_24.png"), QStringLiteral(":/open_36.png")));
    saveAction->setIcon(makeIcon(QStringLiteral(":/save_24.png"), QStringLiteral(":/save_36.png")));
    saveAsAction->setIcon(saveAction->icon());
    cutAction->setIcon(makeIcon(QStringLiteral(":/cut_24.png"), QStringLiteral(":/cut_36.png")));
    copyAction->setIcon(makeIcon(QStringLiteral(":/copy_24.png"), QStringLiteral(":/copy_36.png")));
    pasteAction->setIcon(makeIcon(QStringLiteral(":/paste_24.png"), QStringLiteral(":/paste_36.png")));
    deleteAction->setIcon(makeIcon(QStringLiteral(":/delete_24.png"), QStringLiteral(":/delete_36.png")));
    animateAction->setIcon(makeIcon(QStringLiteral(":/animate_24.png"), QStringLiteral(":/animate_36.png")));
}

void MainMenu::createPanelActions(QObject* windowSide)
{
    resetAction = makeAction(windowSide, QStringLiteral("action_Reset"), QObject::tr("Reset"));
    resetAction->setShortcut(QKeySequence(Qt::Key_F9));
    nextAction = makeAction(windowSide, QStringLiteral("action_Next"), QObject::tr("Next"));
    nextAction->setShortcut(QKeySequence(Qt::Key_F10));
    animateAction = makeAction(windowSide, QStringLiteral("action_Animate"), QObject::tr("Animate"));
    serialPortSetupAction = makeAction(
        windowSide, QStringLiteral("action_SerialPortSetup"), QObject::tr("Serial port setup..."));
    compileAndWriteAction = makeAction(
        windowSide, QStringLiteral("action_CompileAndWrite"), QObject::tr("Compile and Write..."));
    compileAndWriteAction->setShortcut(QKeySequence(Qt::Key_F11));
    updateFirmwareAction
        = makeAction(windowSide, QStringLiteral("action_UpdateFirmware"), QObject::tr("Update firmware..."));
    updateFirmwareAction->setShortcut(QKeySequence(Qt::Key_F12));
    productionStationAction = makeAction(
        windowSide, QStringLiteral("action_ProductionStation"), QObject::tr("Production station..."));

    // On the tool bar, beside the editing buttons, it must not pass for
    // playback in the editor.
    animateAction->setIconText(QObject::tr("Animate panel"));
    animateAction->setCheckable(true);
    animateAction->setChecked(false);
}

void MainMenu::createPlaybackActions(QObject* windowSide)
{
    playAction = makeAction(windowSide, QStringLiteral("action_Play"), tr("Play"),
        tr("Play the program in the editor as the panel would"));
    playAction->setCheckable(true);
    // Space only while the board has the focus (the document adds the action
    // to its board) and shows no keyboard focus mark, on whose LED Space
    // switches instead; elsewhere it types and toggles as usual.
    playAction->setShortcut(QKeySequence(Qt::Key_Space));
    playAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    stepAction = makeAction(windowSide, QStringLiteral("action_Step"), tr("Step"), tr("Show the next frame"));
    stopPlaybackAction = makeAction(windowSide, QStringLiteral("action_StopPlayback"), tr("Stop playback"),
        tr("Stop and go back to the start"));
    speedGroup = new QActionGroup(windowSide);
    speedGroup->setExclusive(true);
    for (int speed : PlaybackController::speeds()) {
        QAction* action = makeAction(speedGroup, QStringLiteral("action_Speed%1").arg(speed),
            speed == 100 ? tr("100 fps, the panel's Animate pace") : tr("%1 fps").arg(speed));
        action->setCheckable(true);
        action->setData(speed);
        action->setChecked(speed == PlaybackController::DefaultFramesPerSecond);
        speedGroup->addAction(action);
    }
    importAnimationAction
        = makeAction(this, QStringLiteral("action_ImportAnimation"), tr("Import animation..."),
            tr("Add the frames of an animated GIF or of pictures after the current frame"));
    exportAnimationAction = makeAction(this, QStringLiteral("action_ExportAnimation"),
        tr("Export animation..."), tr("Save the program as an animated GIF"));
    exportFrameAction = makeAction(this, QStringLiteral("action_ExportFrame"), tr("Export frame as PNG..."),
        tr("Save the frame shown as a PNG picture"));
}

void MainMenu::connectActions()
{
    connect(speedGroup, &QActionGroup::triggered, this,
        [this](QAction* action) { emit playbackSpeedChosen(action->data().toInt()); });
}

void MainMenu::createMenus()
{
    fileMenu = addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("menu_File"));
    QMenu* newMenu = fileMenu->addMenu(tr("&New"));
    newMenu->setObjectName(QStringLiteral("menu_New"));
    newMenu->addAction(newPanel1Action);
    newMenu->addAction(newPanel2Action);
    fileMenu->addAction(openAction);
    fileMenu->addMenu(examples);
    fileMenu->addAction(saveAction);
    fileMenu->addAction(saveAsAction);
    fileMenu->addAction(closeAction);
    fileMenu->addSeparator();
    fileMenu->addAction(importAnimationAction);
    fileMenu->addAction(exportAnimationAction);
    fileMenu->addAction(exportFrameAction);
    fileMenu->addSeparator();
    fileMenu->addMenu(recentFiles);
    fileMenu->addSeparator();
    fileMenu->addAction(exitAction);

    editMenu = addMenu(tr("&Edit"));
    editMenu->setObjectName(QStringLiteral("menu_Edit"));
    editMenu->addAction(undoAction);
    editMenu->addAction(redoAction);
    editMenu->addSeparator();
    editMenu->addAction(cutAction);
    editMenu->addAction(copyAction);
    editMenu->addAction(pasteAction);
    editMenu->addAction(deleteAction);

    createFrameMenu();

    viewMenu = new ViewMenu(mainWindow, this);
    addMenu(viewMenu);

    controlMenu = addMenu(tr("&Control"));
    controlMenu->setObjectName(QStringLiteral("menu_Control"));
    // What goes out to the panel, apart from what only plays in the editor.
    controlMenu->addSection(tr("Panel"));
    controlMenu->addAction(compileAndWriteAction);
    controlMenu->addAction(resetAction);
    controlMenu->addAction(nextAction);
    controlMenu->addAction(animateAction);
    controlMenu->addSection(tr("Playback in the editor"));
    controlMenu->addAction(playAction);
    controlMenu->addAction(stepAction);
    controlMenu->addAction(stopPlaybackAction);
    QMenu* speedMenu = controlMenu->addMenu(tr("Playback speed"));
    speedMenu->setObjectName(QStringLiteral("menu_PlaybackSpeed"));
    speedMenu->addActions(speedGroup->actions());

    toolsMenu = addMenu(tr("&Tools"));
    toolsMenu->setObjectName(QStringLiteral("menu_Tools"));
    toolsMenu->addAction(serialPortSetupAction);
    toolsMenu->addAction(compileAndWriteAction);
    toolsMenu->addSeparator();
    toolsMenu->addAction(updateFirmwareAction);
    toolsMenu->addAction(productionStationAction);

    QMenu* helpMenu = new HelpMenu(mainWindow, this);
    addMenu(helpMenu);
    helpMenu->addSeparator();
    helpMenu->addAction(aboutAction);
}

void MainMenu::createToolBars()
{
    tooltipFilter = std::make_unique<ToolbarTooltipFilter>();
    qApp->installEventFilter(tooltipFilter.get());

    QToolBar* fileToolBar = mainWindow->addToolBar(tr("File"));
    fileToolBar->setObjectName(QStringLiteral("toolBar_File"));
    fileToolBar->addAction(newPanel1Action);
    fileToolBar->addAction(newPanel2Action);
    fileToolBar->addAction(openAction);
    fileToolBar->addAction(saveAction);

    QToolBar* editToolBar = mainWindow->addToolBar(tr("Edit"));
    editToolBar->setObjectName(QStringLiteral("toolBar_Edit"));
    editToolBar->addAction(undoAction);
    editToolBar->addAction(redoAction);
    for (QAction* action : qAsConst(frameActions)) {
        if (action->objectName() == QLatin1String("action_FrameAdd")) {
            action->setStatusTip(tr("Insert an empty frame after the current one; with Shift, a copy of it"));
            editToolBar->addAction(action);
        }
    }
    editToolBar->addAction(animateAction);

    QToolBar* playToolBar = mainWindow->addToolBar(tr("Playback"));
    playToolBar->setObjectName(QStringLiteral("toolBar_Playback"));
    playToolBar->addAction(playAction);
    playToolBar->addAction(stepAction);
    playToolBar->addAction(stopPlaybackAction);
    auto* speeds = new QComboBox(playToolBar);
    speeds->setObjectName(QStringLiteral("comboBox_PlaybackSpeed"));
    speeds->setToolTip(tr("Playback speed"));
    speeds->setAccessibleName(tr("Playback speed"));
    for (QAction* action : speedGroup->actions())
        speeds->addItem(tr("%1 fps").arg(action->data().toInt()), action->data());
    speeds->setCurrentIndex(speeds->findData(PlaybackController::DefaultFramesPerSecond));
    playToolBar->addWidget(speeds);
    // The box and the menu's marks follow each other.
    connect(speeds, QOverload<int>::of(&QComboBox::activated), speedGroup,
        [this](int index) { speedGroup->actions().at(index)->trigger(); });
    connect(speedGroup, &QActionGroup::triggered, speeds,
        [speeds](QAction* action) { speeds->setCurrentIndex(speeds->findData(action->data())); });
    createSymmetryToolBar();
    nameToolButtons();
}

void MainMenu::nameToolButtons()
{
    // Screen readers read a tool button's name; a button with only an icon
    // would otherwise be read as nothing or as its key.
    for (QToolBar* bar : mainWindow->findChildren<QToolBar*>()) {
        if (bar->accessibleName().isEmpty())
            bar->setAccessibleName(bar->windowTitle());
        for (QAction* action : bar->actions()) {
            if (QWidget* button = bar->widgetForAction(action)) {
                if (button->accessibleName().isEmpty() && !action->text().isEmpty())
                    button->setAccessibleName(QString(action->iconText()).remove(QLatin1Char('&')));
            }
        }
    }
}

void MainMenu::createHistoryActions()
{
    historyActions = new HistoryActions(this);
    undoAction = historyActions->undoAction();
    undoAction->setObjectName(QStringLiteral("action_Undo"));
    undoAction->setShortcuts(QKeySequence::Undo);
    undoAction->setIcon(makeIcon(QStringLiteral(":/undo_24.png"), QStringLiteral(":/undo_36.png")));
    undoAction->setStatusTip(tr("Undo the last edit"));
    redoAction = historyActions->redoAction();
    redoAction->setObjectName(QStringLiteral("action_Redo"));
    // Ctrl+Y as well, as most editors have it, whatever the platform's list.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redoAction->setShortcuts(redoKeys);
    redoAction->setIcon(makeIcon(QStringLiteral(":/redo_24.png"), QStringLiteral(":/redo_36.png")));
    redoAction->setStatusTip(tr("Redo the last undone edit"));
}

void MainMenu::createSymmetryToolBar()
{
    QToolBar* bar = mainWindow->addToolBar(tr("Symmetry"));
    bar->setObjectName(QStringLiteral("toolBar_Symmetry"));
    bar->addWidget(new QLabel(tr("Symmetry:"), bar));
    symmetryBox = new QComboBox(bar);
    symmetryBox->setObjectName(QStringLiteral("comboBox_Symmetry"));
    symmetryBox->setStatusTip(tr("Set every LED a click sets, turned by 360 / order degrees"));
    symmetryBox->setAccessibleName(tr("Symmetry"));
    symmetryBox->addItem(tr("Off"), 1);
    for (int order : { 2, 3, 4, 6, 8, 12, 16, 24, 48 })
        symmetryBox->addItem(QString::number(order), order);
    bar->addWidget(symmetryBox);
    mirrorAction = makeAction(this, QStringLiteral("action_Mirror"), tr("Mirror"),
        tr("Also set the mirror images across the vertical axis"));
    mirrorAction->setCheckable(true);
    bar->addAction(mirrorAction);
    connect(symmetryBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &MainMenu::applySymmetry);
    connect(mirrorAction, &QAction::toggled, this, &MainMenu::applySymmetry);
}

void MainMenu::applySymmetry()
{
    if (!hostedDocument || !hostedDocument->panelScene() || !symmetryBox)
        return;
    hostedDocument->panelScene()->setSymmetry(symmetryBox->currentData().toInt(), mirrorAction->isChecked());
}

void MainMenu::createFrameMenu()
{
    frameMenu = addMenu(tr("F&rame"));
    frameMenu->setObjectName(QStringLiteral("menu_Frame"));
    // Window-wide keys, bound to whichever document is hosted.
    QObject* windowSide = mainWindow;
    for (const FrameEditor::Tool& tool : FrameEditor::tools()) {
        auto* action = new QAction(windowSide);
        if (tool.slot) {
            action->setObjectName(QLatin1String(tool.objectName));
            action->setText(FrameEditor::tr(tool.text));
            action->setShortcut(tool.shortcut);
        } else {
            action->setSeparator(true);
        }
        frameActions.append(action);
        frameMenu->addAction(action);
    }
}

QList<QMetaObject::Connection> MainMenu::connectFrameActions(KamdelDocument* document)
{
    QList<QMetaObject::Connection> connections;
    const QVector<FrameEditor::Tool>& tools = FrameEditor::tools();
    for (int i = 0; i < tools.size() && i < frameActions.size(); ++i) {
        QAction* action = frameActions.at(i);
        if (!tools.at(i).slot)
            continue;
        action->setEnabled(document != nullptr);
        if (document)
            connections << connect(action, &QAction::triggered, document->frameEditor(), tools.at(i).slot);
    }
    return connections;
}

QList<QMetaObject::Connection> MainMenu::connectDocument(AbstractDocument* document)
{
    saveAction->setEnabled(document != nullptr);
    saveAsAction->setEnabled(document != nullptr);
    closeAction->setEnabled(document != nullptr);

    auto* kamdelDocument = qobject_cast<KamdelDocument*>(document);
    historyActions->setHistory(kamdelDocument ? kamdelDocument->edits()->history() : nullptr);
    QList<QMetaObject::Connection> connections = connectFrameActions(kamdelDocument);
    hostedDocument = kamdelDocument;
    // Nothing to export or write without a document.
    importAnimationAction->setEnabled(kamdelDocument != nullptr);
    exportAnimationAction->setEnabled(kamdelDocument != nullptr);
    exportFrameAction->setEnabled(kamdelDocument != nullptr);
    compileAndWriteAction->setEnabled(kamdelDocument != nullptr && panelActionsEnabled);
    viewMenu->setDocument(kamdelDocument);
    applySymmetry();
    if (!kamdelDocument)
        return connections;
    if (LedPanelView* board = kamdelDocument->ledPanelView())
        board->addAction(playAction);
    // The tree's entry imports as the File menu's does.
    connections << connect(kamdelDocument->commandTreeView()->menu()->importAnimationAction(),
        &QAction::triggered, importAnimationAction, &QAction::trigger);
    return connections
        + QList<QMetaObject::Connection> {
              connect(cutAction, &QAction::triggered, kamdelDocument, &KamdelDocument::cutData),
              connect(copyAction, &QAction::triggered, kamdelDocument, &KamdelDocument::copyData),
              connect(pasteAction, &QAction::triggered, kamdelDocument, &KamdelDocument::pasteData),
              connect(deleteAction, &QAction::triggered, kamdelDocument, &KamdelDocument::deleteData),
          };
}

void MainMenu::setPanelActionsEnabled(bool enabled)
{
    panelActionsEnabled = enabled;
    resetAction->setEnabled(enabled);
    nextAction->setEnabled(enabled);
    animateAction->setEnabled(enabled);
    compileAndWriteAction->setEnabled(enabled && hostedDocument);
}
