// window_shots: grabs PNG screenshots of the editor for review: the report
// after a write to a virtual panel, the Control menu, the page of each kind
// of tree item, the firmware update window with its title, and the picture
// import's progress while it reads a slow series.
//
// Usage:
//   xvfb-run -a window_shots [output folder]   (default: the current folder)
//
// Needs the board pictures and KamdelVirtualPanel beside this program.
// Keeps its settings in a temporary folder, never beside the program.
// Writes window_write_report.png, window_control_menu.png,
// window_page_<kind>.png (program, call, function, return, reset, stop,
// device), window_firmware.png and window_import_progress.png.

#include "HighDpi.h"
#include "MainMenu.h"
#include "ShotWindow.h"
#include "dialogs/Questions.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdio>

namespace {

using namespace ShotFiles;

// A Program with frames, a Call, a Stop and a Reset, and a Collection that
// ends with a Return.
QByteArray documentText()
{
    const QString commands = frameXml({ 0, 1, 2, 3, 48, 49, 96, 144 })
        + frameXml({ 4, 5, 6, 7, 52, 53, 100, 148 }) + QStringLiteral("<Call index=\"0\"/>")
        + frameXml({ 8, 9, 10, 11, 56, 57, 104, 152 }) + QStringLiteral("<Stop/>")
        + frameXml({ 12, 60, 108, 156, 36, 84, 132, 180 }) + QStringLiteral("<Reset/>");
    const QString collection
        = QStringLiteral("<Function>%1%2<Return/></Function>")
              .arg(frameXml({ 24, 25, 72, 73, 120, 168 }), frameXml({ 26, 27, 74, 122, 170 }));
    return documentXml(QStringLiteral("1.0"), commands, collection);
}

// Compile and Write to a virtual panel, grabbed once the write has ended and
// its report is in the pane and the status bar.
bool writeReportShot(ShotWindow& shot, const QDir& out, const QTemporaryDir& work)
{
    QProcess panel;
    const QString link = work.filePath(QStringLiteral("panel"));
    if (!startVirtualPanel(panel, link, true)) {
        std::fprintf(stderr, "cannot start KamdelVirtualPanel\n");
        return false;
    }
    shot.window().setPortForThisRun(link);
    shot.showFrame(0);
    // Returns once the write has ended.
    shot.window().compileAndWrite();
    settle(300);
    const bool ok = save(shot.window().grab(), out, QStringLiteral("window_write_report.png"));
    panel.terminate();
    panel.waitForFinished(3000);
    return ok;
}

bool controlMenuShot(ShotWindow& shot, const QDir& out)
{
    QMenu* menu = openMenu(shot.window().mainMenu(), QStringLiteral("menu_Control"));
    const bool ok = save(composite(shot.window(), { menu }), out, QStringLiteral("window_control_menu.png"));
    menu->hide();
    return ok;
}

// The first item of that kind below `item`, in the tree's order.
AbstractTreeItem* firstOfKind(AbstractTreeItem* item, int kind)
{
    if (item->type() == kind)
        return item;
    for (AbstractTreeItem* child : item->children()) {
        if (AbstractTreeItem* found = firstOfKind(child, kind))
            return found;
    }
    return nullptr;
}

// Selects one item of each kind in the tree and grabs the window with its
// page beside the tree.
bool pageShots(ShotWindow& shot, const QDir& out)
{
    const std::pair<int, const char*> kinds[] = { { AbstractTreeItem::Program, "program" },
        { AbstractTreeItem::Call, "call" }, { AbstractTreeItem::Function, "function" },
        { AbstractTreeItem::Return, "return" }, { AbstractTreeItem::Reset, "reset" },
        { AbstractTreeItem::Stop, "stop" }, { AbstractTreeItem::Device, "device" } };
    CommandTreeView* tree = shot.document()->commandTreeView();
    tree->expandAll();
    bool ok = true;
    for (const auto& kind : kinds) {
        AbstractTreeItem* item = firstOfKind(shot.document()->deviceItem(), kind.first);
        if (!item) {
            std::fprintf(stderr, "no %s in the document\n", kind.second);
            ok = false;
            continue;
        }
        tree->setCurrentIndex(shot.document()->treeModel()->indexOf(item));
        settle();
        ok &= save(
            shot.window().grab(), out, QStringLiteral("window_page_%1.png").arg(QLatin1String(kind.second)));
    }
    return ok;
}

// The firmware window as Tools > Update firmware... opens it, with its title.
bool firmwareShot(ShotWindow& shot, const QDir& out)
{
    shot.window().findChild<QAction*>(QStringLiteral("action_UpdateFirmware"))->trigger();
    settle(400);
    auto* flasher = shot.window().findChild<QMainWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!flasher) {
        std::fprintf(stderr, "no firmware window\n");
        return false;
    }
    const bool ok = save(withTitle(*flasher), out, QStringLiteral("window_firmware.png"));
    flasher->close();
    return ok;
}

// Large noise pictures, slow enough to read that the progress shows.
QStringList writeSlowSeries(const QTemporaryDir& work, int count)
{
    QImage noise(4096, 4096, QImage::Format_Grayscale8);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y)
        random.fillRange(reinterpret_cast<quint32*>(noise.scanLine(y)), noise.bytesPerLine() / 4);
    QStringList files;
    for (int i = 1; i <= count; ++i) {
        const QString path = work.filePath(QStringLiteral("noise-%1.png").arg(i));
        // Stored without compression, so writing is quick; reading still decodes
        // 16 million pixels a picture.
        if (!noise.save(path, "PNG", 100))
            return QStringList();
        files << path;
    }
    return files;
}

// The import's progress dialog over the window, grabbed once it has counted
// a picture or two, then cancelled. It has no title of its own to show.
bool importProgressShot(ShotWindow& shot, const QDir& out, const QTemporaryDir& work)
{
    const QStringList files = writeSlowSeries(work, 40);
    if (files.isEmpty())
        return false;
    Questions::Scope answers;
    answers.pictures = [files](QWidget*) { return files; };
    answers.importOptions = [](ImportAnimationDialog&) { return false; };
    bool grabbed = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (!progress || progress->value() < 2)
            return;
        poll.stop();
        grabbed
            = save(composite(shot.window(), { progress }), out, QStringLiteral("window_import_progress.png"));
        progress->findChild<QPushButton*>()->click();
    });
    poll.start(50);
    shot.window().importAnimation();
    if (!grabbed)
        std::fprintf(stderr, "the import ended before its progress showed\n");
    return grabbed;
}

} // namespace

int main(int argc, char* argv[])
{
    HighDpi::enable();
    QApplication app(argc, argv);
    nameApplication();
    const QDir out = outputFolder(argc, argv);
    QTemporaryDir work;
    if (!makeFolders(out, work))
        return 1;
    const QString path = work.filePath(QStringLiteral("pages.xml"));
    if (!writeFile(path, documentText()))
        return 1;

    bool ok;
    {
        ShotWindow shot;
        shot.window().openDocument(path);
        settle(400);
        ok = writeReportShot(shot, out, work);
        ok &= controlMenuShot(shot, out);
        ok &= pageShots(shot, out);
        ok &= firmwareShot(shot, out);
        shot.showFrame(0);
        ok &= importProgressShot(shot, out, work);
        // Leave the settings file as it was: no close through the window.
        shot.window().setCurrentDocument(nullptr);
        shot.window().hide();
    }
    SettingsStore::close();
    return ok ? 0 : 1;
}
