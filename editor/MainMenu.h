#pragma once

#include <QList>
#include <QMenuBar>
#include <QMetaObject>
#include <QPointer>

#include <memory>

class AbstractDocument;
class KamdelDocument;
class MainWindow;
class QAction;
class QActionGroup;
class QComboBox;
class QMenu;
class HistoryActions;
class RecentFiles;
class ToolbarTooltipFilter;

// The editor window's menu bar. It owns every action of the editor, builds
// the menus and the two tool bars, and binds the document-dependent actions
// to whichever document the window hosts.
class MainMenu : public QMenuBar
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget* parent = nullptr);
    ~MainMenu() override;

    // Called on every change of the hosted document, also to none. The
    // caller keeps the returned connections and undoes them at the next
    // change.
    QList<QMetaObject::Connection> connectDocument(AbstractDocument* document);

    RecentFiles* recentFilesMenu() const { return recentFiles; }

    // The actions that talk to the panel, switched off while a program is
    // being written so that nothing interleaves with its blocks.
    void setPanelActionsEnabled(bool enabled);

private:
    void createActions();
    void connectActions();
    void createMenus();
    void createToolBars();
    void createPlaybackActions(QObject* windowSide);
    void createHistoryActions();
    void createFrameMenu();
    void createSymmetryToolBar();
    void applySymmetry();
    void nameToolButtons();
    QList<QMetaObject::Connection> connectFrameActions(KamdelDocument* document);

    // The history of whichever document is hosted.
    HistoryActions* historyActions = nullptr;

    MainWindow* mainWindow = nullptr;
    RecentFiles* recentFiles = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* frameMenu = nullptr;
    QMenu* viewMenu = nullptr;
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
