// editing_shots: grabs PNG screenshots of the editing tools for review: the
// board with a 6-fold pattern drawn under the Symmetry tool bar, the tree with
// numbered frames and their ring pictures, the Frame menu, and the Edit menu
// naming the step it undoes, and the tree's menu after a paste of frames.
//
// Usage:
//   editing_shots [output folder]        (default: the current folder)
//
// Needs the board pictures beside this program and a display: run it under
// `xvfb-run -a` or with -platform offscreen. Writes editing_symmetry.png,
// editing_tree.png, editing_frame_menu.png, editing_edit_menu.png and
// editing_tree_clipboard.png (frames pasted, the tree's menu open).

#include "HighDpi.h"
#include "KamdelDocument.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "ShotFiles.h"
#include "ShotWindow.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "views/AbstractLedPanelScene.h"
#include "views/CommandTreeMenu.h"
#include "views/CommandTreeView.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QGraphicsSceneMouseEvent>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

using namespace ShotFiles;

// Press on the first LED, drag across the others, release.
void drag(AbstractLedPanelScene* scene, const QVector<int>& leds)
{
    const auto send = [scene](QEvent::Type type, int led) {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(scene->ledItems().at(led)->pos());
        event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
        event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
        QApplication::sendEvent(scene, &event);
    };
    send(QEvent::GraphicsSceneMousePress, leds.first());
    for (int led : leds.mid(1))
        send(QEvent::GraphicsSceneMouseMove, led);
    send(QEvent::GraphicsSceneMouseRelease, leds.last());
}

} // namespace

int main(int argc, char* argv[])
{
    HighDpi::enable();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    const QDir out = outputFolder(argc, argv);

    ShotWindow shot;
    MainWindow& window = shot.window();
    for (int i = 0; i < 8; ++i) {
        QVector<int> leds;
        for (int ring = 0; ring < 4; ++ring)
            leds << ring * 48 + (i * 6 + ring * 3) % 48;
        shot.appendFrame(leds);
    }
    CommandTreeView* tree = shot.showFrame(2);
    KamdelDocument* document = shot.document();
    AbstractTreeItem* program = shot.program();

    window.findChild<QComboBox*>(QStringLiteral("comboBox_Symmetry"))->setCurrentText(QStringLiteral("6"));
    AbstractLedPanelScene* scene = document->panelScene();
    drag(scene, { 100, 101, 102, 150, 151 });
    drag(scene, { 10 });
    settle();
    bool ok = save(window.grab(), out, QStringLiteral("editing_symmetry.png"));
    ok &= save(tree->grab(), out, QStringLiteral("editing_tree.png"));

    QMenu* frameMenu = openMenu(window.mainMenu(), QStringLiteral("menu_Frame"));
    ok &= save(composite(window, { frameMenu }), out, QStringLiteral("editing_frame_menu.png"));
    frameMenu->hide();

    window.findChild<QAction*>(QStringLiteral("action_FrameRotateClockwise"))->trigger();
    settle();
    QMenu* editMenu = openMenu(window.mainMenu(), QStringLiteral("menu_Edit"));
    ok &= save(composite(window, { editMenu }), out, QStringLiteral("editing_edit_menu.png"));
    editMenu->hide();

    // Two frames copied and pasted after the third, then the tree's menu on
    // a frame.
    tree->setCurrentIndex(document->treeModel()->indexOf(program->child(0)));
    tree->selectionModel()->select(document->treeModel()->indexOf(program->child(1)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    tree->copyFrames();
    tree->setCurrentIndex(document->treeModel()->indexOf(program->child(2)));
    tree->pasteFrames();
    settle();
    const QRect row = tree->visualRect(document->treeModel()->indexOf(program->child(3)));
    emit tree->customContextMenuRequested(row.center());
    settle();
    ok &= save(composite(window, { tree->menu() }), out, QStringLiteral("editing_tree_clipboard.png"));
    tree->menu()->hide();
    return ok ? 0 : 1;
}
