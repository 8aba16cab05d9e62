// editor_shots: grabs PNG screenshots of the editor window for review: the
// empty window, a document of each panel model with an LED frame selected,
// the File menu with its Recent Files submenu open, and the About box; and,
// as on a first start (no settings), a new document of each panel model and
// the board with the keyboard's focus mark.
//
// Usage:
//   editor_shots [output folder]        (default: the current folder)
//
// Needs the board pictures beside this program (the build draws them there)
// and a display: run it under `xvfb-run -a` or with -platform offscreen.
// Keeps its settings in a temporary folder, never beside the program.
// Writes editor_empty.png, editor_zq-ring-a.png, editor_zq-ring-b.png,
// editor_file_menu.png, editor_about.png, editor_new_zq-ring-a.png,
// editor_new_zq-ring-b.png and editor_board_focus.png.

#include "AboutDialog.h"
#include "AbstractDocument.h"
#include "HighDpi.h"
#include "KamdelDocument.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "RecentFiles.h"
#include "SettingsStore.h"
#include "ShotFiles.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelView.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

using namespace ShotFiles;

// A short program: a few frames sweeping round the rings, then a Reset.
bool writeDocument(const QString& path, const QString& version)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QString commands = frameXml({ 0, 1, 2, 3, 48, 49, 96, 144 })
        + frameXml(
            { 0, 1, 2, 3, 4, 5, 6, 7, 48, 49, 50, 51, 96, 97, 144, 145, 12, 60, 108, 156, 36, 84, 132, 180 })
        + frameXml({ 4, 5, 6, 7, 52, 53, 100, 148 }) + QStringLiteral("<Reset/>");
    return file.write(documentXml(version, commands)) > 0;
}

// Selects the second frame, so that the board shows lit LEDs, and fits the
// whole board into the view as its "Fit in view" command does.
void selectFrame(MainWindow& window)
{
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    if (!document)
        return;
    QTreeView* view = document->commandTreeView();
    if (!view || !view->model())
        return;
    const QAbstractItemModel* model = view->model();
    const QModelIndex device = model->index(0, 0);
    const QModelIndex program = model->index(0, 0, device);
    view->expandAll();
    view->setCurrentIndex(model->index(1, 0, program));
    settle();
    if (LedPanelView* board = document->ledPanelView())
        board->zoomFit();
}

void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

// The window as a first start opens it, with a new document of each model,
// then the board after a few arrow keys, some LEDs switched on the way.
bool firstStartShots(const QDir& out, const QString& iniPath)
{
    SettingsStore::setFileName(iniPath);
    bool ok = true;
    MainWindow window;
    window.show();
    window.activateWindow();
    settle();
    window.newDocument_KamdelPanel1();
    settle(400);
    ok &= save(window.grab(), out, QStringLiteral("editor_new_zq-ring-a.png"));
    window.newDocument_KamdelPanel2();
    settle(400);
    ok &= save(window.grab(), out, QStringLiteral("editor_new_zq-ring-b.png"));

    auto* document = qobject_cast<KamdelDocument*>(window.document());
    LedPanelView* board = document ? document->ledPanelView() : nullptr;
    if (!board)
        return false;
    board->setFocus();
    pressKey(board, Qt::Key_Right);
    QKeyEvent shiftDown(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QApplication::sendEvent(board, &shiftDown);
    for (int i = 0; i < 5; ++i)
        pressKey(board, Qt::Key_Right, Qt::ShiftModifier);
    QKeyEvent shiftUp(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(board, &shiftUp);
    pressKey(board, Qt::Key_Up);
    pressKey(board, Qt::Key_Space);
    pressKey(board, Qt::Key_Up);
    pressKey(board, Qt::Key_Right);
    settle(400);
    ok &= save(window.grab(), out, QStringLiteral("editor_board_focus.png"));

    // Leave the settings file as it was: no close through the window.
    window.setCurrentDocument(nullptr);
    window.hide();
    SettingsStore::close();
    return ok;
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

    const QString documentA = work.filePath(QStringLiteral("ring-sweep.xml"));
    const QString documentB = work.filePath(QStringLiteral("showroom-ring-b.xml"));
    QStringList recent { documentA, documentB };
    for (const char* name : { "Kamdel_1.xml", "welcome-sign.xml", "night-mode.xml" })
        recent << work.filePath(QString::fromLatin1(name));
    for (const QString& path : qAsConst(recent)) {
        if (!writeDocument(path, path == documentB ? QStringLiteral("2.0") : QStringLiteral("1.0"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    bool ok = firstStartShots(out, work.filePath(QStringLiteral("FirstStart.ini")));

    const QString iniPath = work.filePath(QStringLiteral("KamdelEditor.ini"));
    {
        QSettings settings(iniPath, QSettings::IniFormat);
        settings.setValue(QStringLiteral("MainWindow/Position"), QPoint(20, 20));
        settings.setValue(QStringLiteral("MainWindow/Size"), QSize(1000, 720));
        settings.beginWriteArray(QStringLiteral("RecentFiles"));
        for (int i = 0; i < recent.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("file"), recent.at(i));
        }
        settings.endArray();
    }
    SettingsStore::setFileName(iniPath);

    {
        MainWindow window;
        window.show();
        settle();
        ok &= save(window.grab(), out, QStringLiteral("editor_empty.png"));

        window.openDocument(documentA);
        selectFrame(window);
        settle();
        ok &= save(window.grab(), out, QStringLiteral("editor_zq-ring-a.png"));

        window.openDocument(documentB);
        selectFrame(window);
        settle();
        ok &= save(window.grab(), out, QStringLiteral("editor_zq-ring-b.png"));

        QMenu* fileMenu = openMenu(window.mainMenu(), QStringLiteral("menu_File"));
        RecentFiles* recentMenu = window.recentFiles();
        fileMenu->setActiveAction(recentMenu->menuAction());
        recentMenu->popup(
            fileMenu->mapToGlobal(fileMenu->actionGeometry(recentMenu->menuAction()).topRight()));
        settle();
        ok &= save(composite(window, { fileMenu, recentMenu }), out, QStringLiteral("editor_file_menu.png"));
        recentMenu->hide();
        fileMenu->hide();

        // Leave the settings file as it was: no close through the window.
        window.setCurrentDocument(nullptr);
        window.hide();
    }

    AboutDialog about;
    about.show();
    settle();
    ok &= save(about.grab(), out, QStringLiteral("editor_about.png"));
    about.hide();

    SettingsStore::close();
    return ok ? 0 : 1;
}
