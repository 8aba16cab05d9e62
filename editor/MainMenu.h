#pragma once

#include <QList>
#include <QMenuBar>
#include <QMetaObject>
#include <QPointer>

#include <memory>

class AbstractDocument;
class ExamplesMenu;
class KamdelDocument;
class QAction;
class QActionGroup;
class QComboBox;
class QMainWindow;
class QMenu;
class HistoryActions;
class RecentFiles;
class ToolbarTooltipFilter;
class ViewMenu;

// The editor window's menu bar. It owns every action of the editor, builds
// the menus and the two tool bars, and binds the document-dependent actions
// to whichever document the window hosts. The window connects the commands
// to what carries them out.
class MainMenu : public QMenuBar
{
    Q_OBJECT

public:
    // The menu bar of `window`, which gets the tool bars and owns the
    // actions whose keys work wherever the focus is.
    explicit MainMenu(QMainWindow* window);
    ~MainMenu() override;

    // Called on every change of the hosted document, also to none. The
    // caller keeps the returned connections and undoes them at the next
    // change.
    QList<QMetaObject::Connection> connectDocument(AbstractDocument* document);

    RecentFiles* recentFilesMenu() const { return recentFiles; }
    ExamplesMenu* examplesMenu() const { return examples; }

    // The actions that talk to the panel, switched off while a program is
    // being written so that nothing interleaves with its blocks.
    void setPanelActionsEnabled(bool enabled);

    // The commands, named after their actions, for the window to connect.
    QAction* actionNewPanel1() const { return newPanel1Action; }
    QAction* actionNewPanel2() const { return newPanel2Action; }
    QAction* actionOpen() const { return openAction; }
    QAction* actionSave() const { return saveAction; }
    QAction* actionSaveAs() const { return saveAsAction; }
    QAction* actionClose() const { return closeAction; }
    QAction* actionExit() const { return exitAction; }
    QAction* actionAbout() const { return aboutAction; }
    QAction* actionReset() const { return resetAction; }
    QAction* actionNext() const { return nextAction; }
    QAction* actionAnimate() const { return animateAction; }
    QAction* actionSerialPortSetup() const { return serialPortSetupAction; }
    QAction* actionCompileAndWrite() const { return compileAndWriteAction; }
    QAction* actionUpdateFirmware() const { return updateFirmwareAction; }
    QAction* actionProductionStation() const { return productionStationAction; }
    QAction* actionPlay() const { return playAction; }
    QAction* actionStep() const { return stepAction; }
    QAction* actionStopPlayback() const { return stopPlaybackAction; }
    QAction* actionImportAnimation() const { return importAnimationAction; }
    QAction* actionExportAnimation() const { return exportAnimationAction; }
    QAction* actionExportFrame() const { return exportFrameAction; }

signals:
    // From the Control menu's speeds and the tool bar's box.
    void playbackSpeedChosen(int framesPerSecond);

private:
    void createActions();
    void connectActions();
    void createMenus();
    void createToolBars();
    void createPanelActions(QObject* windowSide);
    void createPlaybackActions(QObject* windowSide);
    void createHistoryActions();
    void createFrameMenu();
    void createSymmetryToolBar();
    void applySymmetry();
    void nameToolButtons();
    QList<QMetaObject::Connection> connectFrameActions(KamdelDocument* document);

    // The history of whichever document is hosted.
    HistoryActions* historyActions = nullptr;

    QMainWindow* mainWindow;
    // Off while a program is being written.
    bool panelActionsEnabled = true;
    RecentFiles* recentFiles = nullptr;
    ExamplesMenu* examples = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* frameMenu = nullptr;
    ViewMenu* viewMenu = nullptr;
    QMenu* controlMenu = nullptr;
    QMenu* toolsMenu = nullptr;

    QAction* newPanel1Action = nullptr;
    QAction* newPanel2Action = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    // In the order of FrameEditor::tools(), separators included.
    QList<QAction*> frameActions;
    QComboBox* symmetryBox = nullptr;
    QAction* mirrorAction = nullptr;
    QPointer<KamdelDocument> hostedDocument;
    QAction* closeAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* aboutAction = nullptr;
    QAction* cutAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* resetAction = nullptr;
    QAction* nextAction = nullptr;
    QAction* animateAction = nullptr;
    QAction* serialPortSetupAction = nullptr;
    QAction* compileAndWriteAction = nullptr;
    QAction* updateFirmwareAction = nullptr;
    QAction* productionStationAction = nullptr;
    QAction* playAction = nullptr;
    QAction* stepAction = nullptr;
    QAction* stopPlaybackAction = nullptr;
    QActionGroup* speedGroup = nullptr;
    QAction* importAnimationAction = nullptr;
    QAction* exportAnimationAction = nullptr;
    QAction* exportFrameAction = nullptr;

    // Without a Qt parent, as an application-wide event filter; it goes with
    // the menu bar, which lives as long as the program's window.
    std::unique_ptr<ToolbarTooltipFilter> tooltipFilter;
};
