// recovery_shots: grabs PNG screenshots of the restore offer that the editor
// shows after a run that did not end normally, and of the window with the
// restored document.
//
// Usage:
//   recovery_shots [output folder]      (default: the current folder)
//
// Run it under `xvfb-run -a`. Keeps its settings, documents and recovery
// copies in a temporary folder. Writes recovery_offer.png,
// recovery_restored.png (the document back at its own path, marked as
// recovered) and recovery_partial.png (the warning for a copy that can be
// read only in part, which stays where it is).

#include "HighDpi.h"
#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "MainWindow.h"
#include "SettingsStore.h"
#include "ShotFiles.h"
#include "edits/DocumentEdits.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

using namespace ShotFiles;

// A copy as a killed editor leaves it: a folder without a live lock. The
// document was saved at `original` before the unsaved edits.
bool leaveCopy(const QString& folder, const QString& original, bool damaged)
{
    std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
    for (int step = 0; step < 3; ++step) {
        auto* frame = new LedStatesCommand;
        document->edits()->appendItem(frame, document->deviceItem()->program(0));
        for (int ring = 0; ring < 4; ++ring)
            document->edits()->setLedValue(frame->leds()[ring * 48 + step * 4], 1);
    }
    if (!document->save(original))
        return false;
    QDir().mkpath(folder);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    document->writeXML(&buffer);
    QByteArray bytes = buffer.data();
    if (damaged)
        bytes[bytes.lastIndexOf("<LedStates>") + 1] = '!';
    QFile copy(QDir(folder).filePath(QStringLiteral("document.xml")));
    QFile name(QDir(folder).filePath(QStringLiteral("name")));
    QFile path(QDir(folder).filePath(QStringLiteral("path")));
    return copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size()
        && name.open(QIODevice::WriteOnly) && name.write(QFileInfo(original).fileName().toUtf8()) > 0
        && path.open(QIODevice::WriteOnly) && path.write(original.toUtf8()) > 0;
}

// Grabs the restore offer once it shows and answers Yes; then, if `warning`,
// grabs the warning that follows and closes it.
void answerOffer(QWidget* context, const QDir& out, const QString& warning, bool* ok)
{
    QTimer::singleShot(500, context, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (warning.isEmpty())
            *ok = save(box, out, QStringLiteral("recovery_offer.png")) && *ok;
        if (!box) {
            *ok = false;
            return;
        }
        if (!warning.isEmpty()) {
            QTimer::singleShot(500, context, [=] {
                auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                *ok = save(shown, out, warning) && *ok;
                if (shown)
                    shown->reject();
            });
        }
        box->button(QMessageBox::Yes)->click();
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir temporary;
    qputenv("XDG_DATA_HOME", QFile::encodeName(temporary.path()));
    HighDpi::enable();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    QApplication::setOrganizationName(QStringLiteral("Organization"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    SettingsStore::setFileName(QDir(temporary.path()).filePath(QStringLiteral("KamdelEditor.ini")));

    const QDir recovery(QDir(temporary.path()).filePath(QStringLiteral("Organization/Tollmark/recovery")));
    const QDir documents(temporary.path());
    MainWindow window;
    if (!leaveCopy(recovery.filePath(QStringLiteral("1-1")),
            documents.filePath(QStringLiteral("sunrise.xml")), false))
        return 1;
    window.show();
    bool ok = true;
    answerOffer(&window, out, QString(), &ok);
    window.offerRecovery();
    QTimer::singleShot(500, &window, [&] {
        ok = save(&window, out, QStringLiteral("recovery_restored.png")) && ok;
        std::printf("title: %s\n", qPrintable(window.windowTitle()));
        window.setCurrentDocument(nullptr);
        ok = leaveCopy(recovery.filePath(QStringLiteral("1-2")),
                 documents.filePath(QStringLiteral("sunset.xml")), true)
            && ok;
        answerOffer(&window, out, QStringLiteral("recovery_partial.png"), &ok);
        window.offerRecovery();
        window.setCurrentDocument(nullptr);
        app.quit();
    });
    app.exec();
    SettingsStore::close();
    return ok ? 0 : 1;
}
