// help_shots: grabs PNG screenshots of the editor's help and of a file
// dragged onto its window: the user guide, the keyboard shortcuts, the board
// legend, the View menu open, and a sequence file held over the window.
//
// Usage:
//   help_shots [output folder]        (default: the current folder)
//
// Needs the board pictures beside this program (the build draws them there)
// and a display: run it under `xvfb-run -a` or with -platform offscreen.
// Keeps its settings in a temporary folder, never beside the program.
// Writes help_guide.png, help_shortcuts.png, help_legend.png,
// help_view_menu.png and help_drop.png, and the user guide's pictures
// guide_window.png, guide_example.png and guide_legend.png (copied to
// docs/guide/images/).

#include "BoardLegend.h"
#include "HelpWindow.h"
#include "HighDpi.h"
#include "KamdelDocument.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "SettingsStore.h"
#include "ShortcutsDialog.h"
#include "ShotFiles.h"
#include "model/CommandTreeModel.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUrl>

#include <cstdio>

namespace {

using namespace ShotFiles;

QByteArray document()
{
    const QString commands = frameXml({ 0, 1, 2, 3, 48, 49, 96, 144 })
        + frameXml({ 2, 3, 4, 5, 50, 51, 98, 146 }) + frameXml({ 4, 5, 6, 7, 52, 53, 100, 148 })
        + QStringLiteral("<Reset/>");
    return documentXml(QStringLiteral("1.0"), commands);
}

// A file icon and its name at the pointer, as the desktop draws a drag.
void paintDraggedFile(QPixmap& picture, const QPoint& at, const QString& name)
{
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect page(at.x(), at.y(), 28, 36);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    for (int line = 0; line < 4; ++line)
        painter.drawLine(
            page.left() + 5, page.top() + 9 + 6 * line, page.right() - 5, page.top() + 9 + 6 * line);
    painter.setPen(Qt::black);
    painter.drawText(page.bottomLeft() + QPoint(-10, 16), name);
}

// The first example show, opened from File > Examples, in its ninth frame.
bool saveExample(MainWindow& window, const QDir& out)
{
    auto* examples = window.findChild<QMenu*>(QStringLiteral("menu_Examples"));
    if (!examples || examples->actions().isEmpty())
        return false;
    examples->actions().first()->trigger();
    settle();
    auto* shown = qobject_cast<KamdelDocument*>(window.document());
    if (!shown)
        return false;
    shown->commandTreeView()->expandAll();
    shown->commandTreeView()->setCurrentIndex(
        shown->treeModel()->index(8, 0, shown->treeModel()->index(0, 0, shown->treeModel()->index(0, 0))));
    settle();
    return save(
        window.grab().scaledToWidth(520, Qt::SmoothTransformation), out, QStringLiteral("guide_example.png"));
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
    const QString documentPath = work.filePath(QStringLiteral("ring-sweep.xml"));
    const QString sequencePath = work.filePath(QStringLiteral("sparkle.csv"));
    QByteArray sequence;
    for (int led = 0; led < 192; ++led)
        sequence += (led ? "," : "") + QByteArray::number(led);
    sequence += "\n";
    for (int row = 0; row < 3; ++row) {
        for (int led = 0; led < 192; ++led)
            sequence += QByteArray(led ? "," : "") + ((led + row) % 7 == 0 ? "1" : "0");
        sequence += "\n";
    }
    if (!writeFile(documentPath, document()) || !writeFile(sequencePath, sequence)) {
        std::fprintf(stderr, "cannot write the sample files\n");
        return 1;
    }
    const QString iniPath = work.filePath(QStringLiteral("KamdelEditor.ini"));
    {
        QSettings settings(iniPath, QSettings::IniFormat);
        settings.setValue(QStringLiteral("MainWindow/Position"), QPoint(20, 20));
        settings.setValue(QStringLiteral("MainWindow/Size"), QSize(1000, 720));
    }
    SettingsStore::setFileName(iniPath);

    bool ok = true;
    {
        MainWindow window;
        window.show();
        window.openDocument(documentPath);
        if (auto* opened = qobject_cast<KamdelDocument*>(window.document())) {
            opened->commandTreeView()->expandAll();
            opened->commandTreeView()->setCurrentIndex(opened->treeModel()->index(
                1, 0, opened->treeModel()->index(0, 0, opened->treeModel()->index(0, 0))));
            settle();
            if (LedPanelView* board = opened->ledPanelView())
                board->zoomFit();
        }
        settle();

        // Narrow enough for the guide's window.
        ok &= save(window.grab().scaledToWidth(520, Qt::SmoothTransformation), out,
            QStringLiteral("guide_window.png"));

        window.findChild<QAction*>(QStringLiteral("action_UserGuide"))->trigger();
        settle(400);
        ok &= save(window.findChild<HelpWindow*>(), out, QStringLiteral("help_guide.png"));
        window.findChild<HelpWindow*>()->close();

        window.findChild<QAction*>(QStringLiteral("action_KeyboardShortcuts"))->trigger();
        settle();
        ok &= save(window.findChild<ShortcutsDialog*>(), out, QStringLiteral("help_shortcuts.png"));
        window.findChild<ShortcutsDialog*>()->close();

        window.findChild<QAction*>(QStringLiteral("action_BoardLegend"))->trigger();
        settle();
        ok &= save(window.findChild<BoardLegend*>(), out, QStringLiteral("help_legend.png"));
        ok &= save(window.findChild<BoardLegend*>(), out, QStringLiteral("guide_legend.png"));
        window.findChild<BoardLegend*>()->close();

        QMenu* viewMenu = openMenu(window.mainMenu(), QStringLiteral("menu_View"));
        ok &= save(composite(window, { viewMenu }), out, QStringLiteral("help_view_menu.png"));
        viewMenu->hide();

        // The drag as the window sees it: it tells in the status bar what a
        // drop would do.
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(sequencePath) });
        const QPoint at(window.width() * 2 / 3, window.height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        settle();
        QPixmap dragging = window.grab();
        paintDraggedFile(dragging, at, QStringLiteral("sparkle.csv"));
        ok &= save(dragging, out, QStringLiteral("help_drop.png"));
        QDragLeaveEvent leave;
        QApplication::sendEvent(&window, &leave);
        ok &= saveExample(window, out);

        // Leave the settings file as it was: no close through the window.
        window.setCurrentDocument(nullptr);
        window.hide();
    }
    SettingsStore::close();
    return ok ? 0 : 1;
}
