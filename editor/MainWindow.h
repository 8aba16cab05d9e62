#pragma once

#include "RecoveryStore.h"
#include "formats/AnimationExport.h"
#include "player/PanelCommand.h"

#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QMetaObject>
#include <QTimer>

#include <memory>

class AboutDialog;
class AbstractDocument;
class KamdelDocument;
class MainMenu;
class MemoryGauge;
class PanelWriter;
class PlaybackController;
class QCloseEvent;
class QProgressBar;
class QPushButton;
class QSerialPort;
class RecentFiles;
class Ui_MainWindow;

// The editor's one window. It hosts at most one document, keeps the title
// and the modified marker in step with it, and talks to a running panel over
// its own serial port.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    AbstractDocument* document() const { return currentDocument; }
    QSerialPort* panelPort() const { return serialPort.get(); }
    MainMenu* mainMenu() const;
    RecentFiles* recentFiles() const;
    RecoveryStore* recoveryStore() const { return recovery; }
    bool isAnimating() const { return animationTimer.isActive(); }
    // Milliseconds between two Next words while animating.
    int animationInterval() const { return animationTimer.interval(); }
    bool isWriting() const { return programming; }
    MemoryGauge* memoryGauge() const { return gauge; }
    PlaybackController* playback() const { return player; }
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

public slots:
    void newDocument_KamdelPanel1();
    void newDocument_KamdelPanel2();
    void openDocument();
    void openDocument(const QString& path);
    bool saveDocument();
    bool saveAsDocument();
    void closeDocument();
    void closeDocument(AbstractDocument* document);

private slots:
    void setCurrentDocument_and_Connect(AbstractDocument* document);

public slots:
    void log(const QString& text);

    void resetPanel();
    void nextStep();
    void animate(bool checked);
    void compileAndWrite();
    void setupSerialPort();
    void updateFirmware();
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

protected:
    void closeEvent(QCloseEvent* event) override;

    // Every dialog of the window goes through these, so that a test can
    // answer them without a modal loop.
    virtual QString askOpenFileName();
    // A warning titled "Application" with a single Close button.
    virtual void showWarning(const QString& text);
    // Yes restores the copy, Discard drops it, anything else keeps it for
    // the next start.
    virtual QMessageBox::StandardButton askRecovery(const QString& name, const QDateTime& time);
    virtual int execAboutDialog(AboutDialog& dialog);
    // Asked when the window is closed while a program is being written.
    virtual bool askStopWriting();
    // The export's options; false when the user cancels.
    virtual bool askAnimationOptions(AnimationExport::Options& options);
    virtual QString askExportFileName(
        const QString& caption, const QString& suggestion, const QString& filter);

private:
    void restoreGeometryFromSettings();
    void addToRecentFiles(const QString& path);
    void restoreRecoveryCopy(const RecoveryStore::Leftover& leftover);
    void replaceDocumentWith(AbstractDocument* document);
    void sendCommandWord(PanelCommand::Word word);
    void stopAnimation();
    void reportWriteFailure();
    void showWriteProgress(int blocksSent, int blocksTotal);
    void sayNoDocument(const QString& text);
    // True when a port is set; otherwise says so and opens the port dialog.
    bool checkPortIsSet();
    // Shows the side remembered for the document's panel model and
    // remembers the side the user picks.
    void followBoardSide(KamdelDocument* document);
    // A new document opens ready to draw: one empty frame, current and on
    // the board, with nothing to undo and nothing to save.
    void hostNewDocument(KamdelDocument* document);
    // Shows the first frame of the hosted document on the board, which
    // takes the keys.
    void showFirstFrame();
    // The tree wide enough for its frame labels; both splitters where the
    // user left them.
    void arrangePanes(KamdelDocument* document);

    std::unique_ptr<Ui_MainWindow> ui;
    AbstractDocument* currentDocument = nullptr;
    QList<QMetaObject::Connection> documentConnections;
    QTimer animationTimer;
    std::unique_ptr<QSerialPort> serialPort;
    // The port the link started on without the user choosing it in this
    // run: it is stored only once the user picks another.
    QString startPortName;
    RecoveryStore* recovery = nullptr;
    // Set while a program goes out block by block; events are processed
    // between the blocks, so the panel handlers must not interleave.
    bool programming = false;
    PanelWriter* panelWriter;
    MemoryGauge* gauge;
    QProgressBar* writeProgress;
    QPushButton* cancelWrite;
    PlaybackController* player;
    // The window was closed during a write: it closes once the write stops.
    bool closeAfterWrite = false;
};
