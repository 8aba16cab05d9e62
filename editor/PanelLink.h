#pragma once

#include "player/PanelCommand.h"
#include "player/PanelWriter.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class DocumentHost;
class EditorDialogs;
class QSerialPort;
class QWidget;

// The editor's link to a running panel over its own serial port: the
// command words (Reset, Next, Animate), writing the compiled program of the
// hosted document, the port dialog and the firmware flasher.
class PanelLink : public QObject
{
    Q_OBJECT

public:
    // Starts on the port given for this run, else the stored one, else the
    // only USB serial adapter detected (see PanelPortChoice). `window` is the parent of the port dialog and the
    // flasher; the program written is that of `host`'s document.
    PanelLink(QWidget* window, const DocumentHost& host, EditorDialogs& dialogs);
    ~PanelLink() override;

    QSerialPort* port() const { return serialPort.get(); }
    bool isAnimating() const { return animationTimer.isActive(); }
    // Milliseconds between two Next words while animating.
    int animationInterval() const { return animationTimer.interval(); }
    bool isWriting() const { return programming; }

    // Links the panel through `portName` for this run; closing the window
    // keeps the stored port unless the user chooses another one meanwhile.
    void setPortForThisRun(const QString& portName);
    // Stores the port the user chose in this run, if any.
    void savePortName();

    void resetPanel();
    void nextStep();
    void animate(bool checked);
    // Animate sends its Next words at this pace.
    void setAnimationPace(int framesPerSecond);
    void compileAndWrite();
    void cancelWrite();
    void setupSerialPort();
    void updateFirmware();

signals:
    // For the status bar; an empty text clears it.
    void message(const QString& text, int timeoutMs);
    // For the report pane.
    void log(const QString& text);
    // True while a program goes out block by block, false once the write
    // has ended and been reported.
    void writingChanged(bool writing);
    void writeProgress(int blocksSent, int blocksTotal);

private:
    // True when a port is set; otherwise says so and opens the port dialog.
    bool checkPortIsSet();
    // Opens the port for Next and Animate, or says why it cannot.
    bool openPort();
    void sendCommandWord(PanelCommand::Word word);
    void stopAnimation();
    bool openPortToWrite();
    void write(const QByteArray& image, const QString& memoryUse);
    void reportWriteResult(PanelWriter::Result result, int blocks);
    void reportWriteFinished(int blocks);
    void reportWriteFailure();

    QWidget* window;
    const DocumentHost& host;
    EditorDialogs& dialogs;
    QTimer animationTimer;
    std::unique_ptr<QSerialPort> serialPort;
    // The port the link started on without the user choosing it in this
    // run: it is stored only once the user picks another.
    QString startPortName;
    // Set while a program goes out block by block; events are processed
    // between the blocks, so the panel handlers must not interleave.
    bool programming = false;
    PanelWriter* panelWriter;
};
