#pragma once

#include "EditorDialogs.h"
#include "RecoveryStore.h"
#include "formats/AnimationExport.h"

#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QMetaObject>

#include <memory>

class AboutDialog;
class AbstractDocument;
class DocumentHost;
class ExportCommands;
class LanesDock;
class MainMenu;
class MemoryGauge;
class PanelLink;
class PlaybackController;
class QCloseEvent;
class QProgressBar;
class QPushButton;
class QSerialPort;
class RecentFiles;
class ShowLength;
class Ui_MainWindow;

// The editor's one window: its form, menus, status bar, report pane,
// settings and geometry. It wires together the parts that do the work: the
// hosted document, the panel link, playback and the exports; its commands
// hand over to them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    AbstractDocument* document() const;
    QSerialPort* panelPort() const;
    MainMenu* mainMenu() const;
    RecentFiles* recentFiles() const;
    RecoveryStore* recoveryStore() const;
    bool isAnimating() const;
    // Milliseconds between two Next words while animating.
    int animationInterval() const;
    bool isWriting() const;
    MemoryGauge* memoryGauge() const { return gauge; }
    ShowLength* showLength() const { return length; }
    PlaybackController* playback() const { return player; }
    LanesDock* lanesDock() const { return lanes; }
    QProgressBar* writeProgressBar() const { return writeProgress; }
    QPushButton* cancelWriteButton() const { return cancelWrite; }

    // Hosts `document` (or none) and deletes the previous one at once.
    void setCurrentDocument(AbstractDocument* document);

    // Opens the files named on the command line, one after the other, as
    // Open does; names are taken relative to the current folder.
    void openFiles(const QStringList& paths);

    // Links the panel through `portName` for this run; closing the window
    // keeps the stored port unless the user chooses another one meanwhile.
    void setPortForThisRun(const QString& portName);

private slots:
    void updateWindowTitle();
    // Follows `document` without touching the stack or the previous one.
    void setCurrentDocument_and_Connect(AbstractDocument* document);

public slots:
    void newDocument_KamdelPanel1();
    void newDocument_KamdelPanel2();
    void openDocument();
    void openDocument(const QString& path);
    bool saveDocument();
    bool saveAsDocument();
    void closeDocument();
    void closeDocument(AbstractDocument* document);

    void log(const QString& text);

    void resetPanel();
    void nextStep();
    void animate(bool checked);
    void compileAndWrite();
    void setupSerialPort();
    void updateFirmware();
    // Starts KamdelStation on its own, outliving the editor.
    void startStation();
    void showAbout();
    // Offers each recovery copy that a run which did not end normally left.
    void offerRecovery();

    void play(bool playing);
    void stepPlayback();
    void stopPlayback();
    void setPlaybackSpeed(int framesPerSecond);
    // Frames from an animated GIF or pictures, after the current frame.
    void importAnimation();
    void exportAnimation();
    void exportFrame();
    void updateMemoryGauge();
    void updateShowLength();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpStatusBar();
    void setUpSettings();
    void restoreGeometryFromSettings();
    // The menu's commands to the window's slots, which hand them over.
    void connectMenu();
    void connectParts();
    // The window's side of a change of the hosted document.
    void followDocument(AbstractDocument* document);
    // Shows the write going out and keeps the panel actions off meanwhile.
    void followWriting(bool writing);
    void showWriteProgress(int blocksSent, int blocksTotal);

    std::unique_ptr<Ui_MainWindow> ui;
    MemoryGauge* gauge;
    ShowLength* length;
    QProgressBar* writeProgress;
    QPushButton* cancelWrite;
    PlaybackController* player;
    LanesDock* lanes;
    EditorDialogs dialogs;
    DocumentHost* host = nullptr;
    PanelLink* link = nullptr;
    ExportCommands* exports = nullptr;
    // The menu's bindings to the hosted document, renewed with it.
    QList<QMetaObject::Connection> menuConnections;
    // The window was closed during a write: it closes once the write stops.
    bool closeAfterWrite = false;
};
