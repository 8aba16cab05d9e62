// player_shots: grabs PNG screenshots of the editor's playback and write:
// playback in the middle of a run with the memory gauge, a write with its
// progress bar and Cancel button, and the virtual panel beside the editor
// showing the same frame the same way round.
//
// Usage (needs a real display for the last shot, which grabs the screen):
//   xvfb-run -a -s "-screen 0 1800x900x24" player_shots [output folder]
// Needs the board pictures and KamdelVirtualPanel beside this program.
// Writes player_playback.png, player_write.png and player_side_by_side.png.

#include "HighDpi.h"
#include "KamdelDocument.h"
#include "MainWindow.h"
#include "PlaybackController.h"
#include "SettingsStore.h"
#include "ShotFiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

using namespace ShotFiles;

// A hand sweeping round: frame k lights LEDs 0 to 4k of the outer ring and
// LED k of the inner ring, so the direction of the rings shows.
QString program()
{
    QString commands;
    for (int k = 1; k <= 12; ++k) {
        commands += QStringLiteral("<LedStates>");
        for (int led = 144; led <= 144 + 4 * k; ++led)
            commands += QStringLiteral("<Led index=\"%1\"><state>1</state></Led>").arg(led);
        commands += QStringLiteral("<Led index=\"%1\"><state>1</state></Led>").arg(k);
        commands += QStringLiteral("</LedStates>");
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LedPanelDocument version=\"1.0\" "
                          "panel=\"ZQ-RINGx\"><Commands><Program index=\"0\">%1<Reset/></Program></Commands>"
                          "</LedPanelDocument>\n")
        .arg(commands);
}

} // namespace

int main(int argc, char** argv)
{
    HighDpi::enable();
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QTemporaryDir dir;
    SettingsStore::setFileName(dir.filePath(QStringLiteral("KamdelEditor.ini")));
    const QString path = dir.filePath(QStringLiteral("sweep.xml"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(program().toUtf8());
    file.close();

    MainWindow window;
    window.resize(1000, 760);
    window.move(760, 0);
    window.show();
    window.openDocument(path);
    settle(500);

    // Playback in the middle of its run.
    window.findChild<QAction*>(QStringLiteral("action_Speed5"))->trigger();
    window.play(true);
    settle(1100);
    save(window.grab(), out, QStringLiteral("player_playback.png"));
    window.stopPlayback();

    // A write with its progress, then canceled.
    QProcess headless;
    const QString link = dir.filePath(QStringLiteral("panel"));
    if (!startVirtualPanel(headless, link, true))
        return 1;
    window.panelPort()->setPortName(link);
    QTimer::singleShot(650, &window, [&window, &out] {
        save(window.grab(), out, QStringLiteral("player_write.png"));
        window.cancelWriteButton()->click();
    });
    window.compileAndWrite();
    headless.terminate();
    headless.waitForFinished(3000);

    // The virtual panel's window beside the editor, both on frame 3.
    QProcess shown;
    const QString windowLink = dir.filePath(QStringLiteral("panel-window"));
    if (!startVirtualPanel(shown, windowLink, false))
        return 1;
    window.panelPort()->setPortName(windowLink);
    window.compileAndWrite();
    for (int i = 0; i < 3; ++i) {
        window.nextStep();
        window.stepPlayback();
    }
    settle(1200);
    save(QGuiApplication::primaryScreen()->grabWindow(0), out, QStringLiteral("player_side_by_side.png"));
    shown.terminate();
    shown.waitForFinished(3000);
    window.stopPlayback();
    return 0;
}
