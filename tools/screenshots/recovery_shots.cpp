// recovery_shots: grabs PNG screenshots of the restore offer that the editor
// shows after a run that did not end normally, and of the window with the
// restored document.
//
// Usage:
//   recovery_shots [output folder]      (default: the current folder)
//
// Run it under `xvfb-run -a`. Keeps its settings and recovery copies in a
// temporary folder. Writes recovery_offer.png and recovery_restored.png.

#include "DeviceItem.h"
#include "DocumentEdits.h"
#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "LedStatesCommand.h"
#include "ProgramItem.h"
#include "MainWindow.h"
#include "SettingsStore.h"
#include "ShotFiles.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

using namespace ShotFiles;

// A copy as a killed editor leaves it: a folder without a live lock.
bool leaveCopy(const QString& folder)
{
    std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
    for (int step = 0; step < 3; ++step) {
        auto* frame = new LedStatesCommand;
        document->edits()->appendItem(frame, document->deviceItem()->program(0));
        for (int ring = 0; ring < 4; ++ring)
            document->edits()->setLedValue(frame->leds()[ring * 48 + step * 4], 1);
    }
    QDir().mkpath(folder);
    QFile copy(QDir(folder).filePath(QStringLiteral("document.xml")));
    QFile name(QDir(folder).filePath(QStringLiteral("name")));
    return copy.open(QIODevice::WriteOnly) && document->writeXML(&copy) && name.open(QIODevice::WriteOnly)
        && name.write("sunrise.xml") > 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir temporary;
    qputenv("XDG_DATA_HOME", QFile::encodeName(temporary.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    QApplication::setOrganizationName(QStringLiteral("Organization"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    SettingsStore::setFileName(QDir(temporary.path()).filePath(QStringLiteral("KamdelEditor.ini")));

    MainWindow window;
    if (!leaveCopy(QDir(temporary.path()).filePath(QStringLiteral("Organization/Tollmark/recovery/1-1"))))
        return 1;
    window.show();
    bool ok = true;
    QTimer::singleShot(500, &window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ok = save(box, out, QStringLiteral("recovery_offer.png")) && ok;
        if (box)
            box->button(QMessageBox::Yes)->click();
    });
    window.offerRecovery();
    QTimer::singleShot(500, &window, [&] {
        ok = save(&window, out, QStringLiteral("recovery_restored.png")) && ok;
        std::printf("title: %s\n", qPrintable(window.windowTitle()));
        window.setCurrentDocument(nullptr);
        app.quit();
    });
    app.exec();
    SettingsStore::close();
    return ok ? 0 : 1;
}
