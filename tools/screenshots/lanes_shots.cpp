// lanes_shots: grabs PNG screenshots of the ring lanes for review: a
// 300-frame program (a two-headed chase on the inner rings, a pattern
// spinning on the outer ones, a fill of every ring) on its Program page,
// the lanes dock beside the board with a frame of the spin current, and the
// picture `kamdel lanes` draws of the same program; then, on the Program
// page zoomed in, a line drawn with Shift+drag from ring 1 into ring 2,
// while dragging and once drawn.
//
// Usage:
//   lanes_shots [output folder]        (default: the current folder)
//
// Needs the board pictures and kamdel beside this program and a display:
// run it under `xvfb-run -a` or with -platform offscreen. Writes
// lanes_page.png, lanes_dock.png, lanes_kamdel.png, lanes_line_drag.png and
// lanes_line.png, and guide_lanes_line.png for the user guide.

#include "LanesDock.h"
#include "ShotFiles.h"
#include "ShotWindow.h"
#include "model/Effects.h"
#include "model/ItemFactory.h"
#include "views/RingLanesView.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QScrollBar>
#include <QToolButton>

using namespace ShotFiles;

namespace {

QVector<int> lit(const QVector<int>& values)
{
    QVector<int> leds;
    for (int led = 0; led < values.size(); ++led) {
        if (values.at(led))
            leds << led;
    }
    return leds;
}

// Bars of three LEDs every twelve positions on rings 3 and 4, turned a
// step a frame for four of their turns.
QList<QVector<int>> spinningPattern()
{
    QVector<int> pattern(192, 0);
    for (int position = 0; position < 48; position += 12) {
        for (int k = 0; k < 3; ++k) {
            pattern[96 + position + k] = 1;
            pattern[144 + (position + 6 + k) % 48] = 1;
        }
    }
    const QList<QVector<int>> turn = Effects::spin(pattern, 1, 0b1100);
    QList<QVector<int>> frames;
    for (int i = 0; i < 4; ++i)
        frames << pattern << turn;
    return frames;
}

void build(ShotWindow& shot)
{
    QList<QVector<int>> frames = Effects::chase(0b0011, 6, 2, 1, 110);
    frames << spinningPattern();
    const QList<QVector<int>> fill = Effects::fill(0b1111, 0, 1, 2, true);
    // After the dark frame a new document starts with.
    while (frames.size() < 299)
        frames << fill.mid(0, 299 - frames.size());
    for (const QVector<int>& frame : qAsConst(frames))
        shot.appendFrame(lit(frame));
    shot.document()->edits()->appendItem(ItemFactory::create(AbstractTreeItem::Reset), shot.program());
}

bool kamdelLanes(ShotWindow& shot, const QDir& out)
{
    QTemporaryDir work;
    const QString document = work.filePath(QStringLiteral("lanes.xml"));
    if (!shot.document()->save(document))
        return false;
    const QString kamdel = QCoreApplication::applicationDirPath() + QStringLiteral("/kamdel");
    return QProcess::execute(kamdel,
               { QStringLiteral("lanes"), document, QStringLiteral("-o"), out.filePath("lanes_kamdel.png") })
        == 0;
}

constexpr int GuideWidth = 560;

void mouse(RingLanesView* view, QEvent::Type type, const LaneSpot& spot)
{
    const QPoint point = view->lanes().spotRect(spot).center() - view->scroll();
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, point, button, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(view->viewport(), &event);
}

// Shift+drag from frame 3 on ring 1 to frame 40 on ring 2 of the page's lanes.
bool drawLine(MainWindow& window, const QDir& out)
{
    window.lanesDock()->hide();
    RingLanesView* view = nullptr;
    for (RingLanesView* lanes : window.findChildren<RingLanesView*>()) {
        if (lanes->isVisible())
            view = lanes;
    }
    if (!view)
        return false;
    view->zoomBy(4);
    view->verticalScrollBar()->setValue(0);
    view->horizontalScrollBar()->setValue(0);
    mouse(view, QEvent::MouseButtonPress, { 2, 0, 40 });
    mouse(view, QEvent::MouseMove, { 39, 1, 12 });
    settle();
    bool ok = save(&window, out, QStringLiteral("lanes_line_drag.png"));
    // The guide's picture: the first two lanes while the line is dragged,
    // at the guide's width.
    const QPixmap lanes = view->grab(QRect(0, 0, view->lanes().laneLeft(2) + 2, view->height()));
    ok &= save(lanes.scaledToWidth(GuideWidth, Qt::SmoothTransformation), out,
        QStringLiteral("guide_lanes_line.png"));
    mouse(view, QEvent::MouseButtonRelease, { 39, 1, 12 });
    settle();
    return save(&window, out, QStringLiteral("lanes_line.png")) && ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ShotFiles::speakDesktopLanguage();
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    const QDir out = outputFolder(argc, argv);

    ShotWindow shot;
    MainWindow& window = shot.window();
    build(shot);
    CommandTreeView* tree = shot.showFrame(0);
    tree->setCurrentIndex(shot.document()->treeModel()->indexOf(shot.program()));
    settle();
    bool ok = save(&window, out, QStringLiteral("lanes_page.png"));

    window.resize(1400, 800);
    window.lanesDock()->show();
    shot.showFrame(140);
    window.lanesDock()->view()->fitButton()->click();
    settle();
    ok &= save(&window, out, QStringLiteral("lanes_dock.png"));
    ok &= kamdelLanes(shot, out);

    tree->setCurrentIndex(shot.document()->treeModel()->indexOf(shot.program()));
    ok &= drawLine(window, out);
    return ok ? 0 : 1;
}
