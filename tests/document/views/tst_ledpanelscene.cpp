#include "document/TreeOutline.h"
#include "views/AbstractLedPanelScene.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Rectangle.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtMath>
#include <QtTest>

#include <algorithm>

#include <memory>

namespace {

const QColor Lit(Qt::yellow);
const QColor Dark(60, 60, 60);
const QColor PreviousHint(Qt::blue);
const QColor NextHint(Qt::red);
const QColor Nothing(Qt::white);

struct Board
{
    double centerX, centerY, outer, inner, radialStart, radialStep, ledSize;
};

// The layouts the two panel types give their scenes.
const Board Panel1 { 1751.5, 1751.5, 1751.5, 681.0, 944.0, 189.0, 50.0 };
const Board Panel2 { 1185.0, 1185.0, 1185.0, 473.0, 598.0, 153.0, 35.0 };

void configure(LedPanelScene_Ring& scene, const Board& board)
{
    scene.CenterX = board.centerX;
    scene.CenterY = board.centerY;
    scene.OuterDiameter = board.outer;
    scene.InnerDiameter = board.inner;
    scene.RadialStart = board.radialStart;
    scene.RadialStep = board.radialStep;
    scene.AngularStart = -90.0;
    scene.AngularStep = -7.5;
    scene.LedSize = board.ledSize;
    scene.createLayout();
}

// The scene around one LED, 100 x 100 pixels for 2.5 LED radii.
QImage renderAround(QGraphicsScene& scene, const QPointF& centre, qreal s)
{
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(Nothing);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, 100, 100),
        QRectF(centre - QPointF(1.25 * s, 1.25 * s), QSizeF(2.5 * s, 2.5 * s)));
    return image;
}

// Pixel of a point given in LED radii from the LED's centre.
QColor sample(const QImage& image, double dx, double dy)
{
    return image.pixelColor(int(50 + dx * 40), int(50 + dy * 40));
}

void mousePress(QGraphicsScene& scene, const QPointF& pos, Qt::MouseButton button)
{
    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setScenePos(pos);
    press.setButton(button);
    press.setButtons(button);
    QApplication::sendEvent(&scene, &press);
    QGraphicsSceneMouseEvent release(QEvent::GraphicsSceneMouseRelease);
    release.setScenePos(pos);
    release.setButton(button);
    QApplication::sendEvent(&scene, &release);
}

// Press on the first LED, move across the others with the button held,
// release over the last.
void drag(AbstractLedPanelScene& scene, const QVector<int>& leds)
{
    const auto send = [&scene](QEvent::Type type, int led, Qt::MouseButtons buttons) {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(scene.ledItems().at(led)->pos());
        event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
        event.setButtons(buttons);
        QApplication::sendEvent(&scene, &event);
    };
    send(QEvent::GraphicsSceneMousePress, leds.first(), Qt::LeftButton);
    for (int led : leds.mid(1))
        send(QEvent::GraphicsSceneMouseMove, led, Qt::LeftButton);
    send(QEvent::GraphicsSceneMouseRelease, leds.last(), Qt::NoButton);
}

QVector<int> litOf(const LedStatesCommand* frame)
{
    QVector<int> on;
    for (int k = 0; k < frame->leds().size(); ++k) {
        if (frame->leds().at(k)->value())
            on << k;
    }
    return on;
}

// A board drawing on a frame of its own, shown in a view, dragged over with
// the real mouse events.
struct ViewedBoard
{
    explicit ViewedBoard(const Board& board)
        : scene(tree.device)
    {
        configure(scene, board);
        scene.setEdits(tree.edits);
        scene.ledFrame(frame);
        view.setScene(&scene);
        view.resize(900, 900);
        view.show();
    }
    // `place` is a ring and a position on it.
    QPoint at(const QPoint& place)
    {
        return view.mapFromScene(scene.ledItems().at(place.x() * 48 + (place.y() + 48) % 48)->scenePos());
    }
    // One event for each place, the button held between the first and the last.
    void drag(const QVector<QPoint>& places)
    {
        QWidget* viewport = view.viewport();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at(places.first()));
        for (const QPoint& place : places.mid(1)) {
            QMouseEvent move(QEvent::MouseMove, at(place), viewport->mapToGlobal(at(place)), Qt::NoButton,
                Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at(places.last()));
    }

    TreeOutline tree { "Program: frame=frame" };
    LedStatesCommand* frame = tree.frame("frame");
    LedPanelScene_Ring scene;
    LedPanelView view;
};

QString writePicture(const QTemporaryDir& dir, const QString& name, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString path = dir.filePath(name);
    return image.save(path) ? path : QString();
}

bool visible(const QList<QGraphicsItem*>& items)
{
    return !items.isEmpty()
        && std::all_of(items.begin(), items.end(), [](auto* i) { return i->isVisible(); });
}

bool hidden(const QList<QGraphicsItem*>& items)
{
    return std::none_of(items.begin(), items.end(), [](auto* i) { return i->isVisible(); });
}

} // namespace

Q_DECLARE_METATYPE(Board)

class tst_LedPanelScene : public QObject
{
    Q_OBJECT

private slots:
    void fastStroke_data();
    void fastStroke();
    void randomFastStrokes();
    void ringGeometry_data();
    void ringGeometry();
    void toolTips_data();
    void toolTips();
    void setPanel_data();
    void setPanel();
    void missingPictures_data();
    void missingPictures();
    void nothingBeforeFirstFrame();
    void neighbourHints_data();
    void neighbourHints();
    void click_data();
    void click();
    void stroke_data();
    void stroke();
    void clickWithoutEdits();
    void removal_data();
    void removal();
    void frameDeletedElsewhere();
    void rectangleLayout();
    void createLayoutAgain();
    void layoutXml_data();
    void layoutXml();
    void readXmlIgnoresOtherElements();
};

void tst_LedPanelScene::ringGeometry_data()
{
    QTest::addColumn<Board>("board");
    QTest::addColumn<int>("led");
    QTest::addColumn<double>("radius");
    // Degrees from straight up, counter-clockwise as seen from the top.
    QTest::addColumn<double>("turn");

    for (const auto& [name, board] :
        { std::make_pair("ZQ-RING-A", Panel1), std::make_pair("ZQ-RING-B", Panel2) }) {
        const double r0 = board.radialStart;
        const double step = board.radialStep;
        QTest::addRow("%s led 0 above the centre", name) << board << 0 << r0 << 0.0;
        QTest::addRow("%s led 1 counter-clockwise", name) << board << 1 << r0 << 7.5;
        QTest::addRow("%s led 47 clockwise", name) << board << 47 << r0 << -7.5;
        QTest::addRow("%s led 12 to the left", name) << board << 12 << r0 << 90.0;
        QTest::addRow("%s led 48 one ring out", name) << board << 48 << r0 + step << 0.0;
        QTest::addRow("%s led 191 outermost", name) << board << 191 << r0 + 3 * step << -7.5;
    }
}

void tst_LedPanelScene::ringGeometry()
{
    QFETCH(Board, board);
    QFETCH(int, led);
    QFETCH(double, radius);
    QFETCH(double, turn);

    DeviceItem device;
    LedPanelScene_Ring scene(&device);
    configure(scene, board);
    QCOMPARE(scene.ledItems().size(), 192);

    const double a = qDegreesToRadians(turn);
    const QPointF expected(board.centerX - radius * std::sin(a), board.centerY - radius * std::cos(a));
    const QPointF pos = scene.ledItems().at(led)->pos();
    QVERIFY2(QLineF(pos, expected).length() < 1e-6,
        qPrintable(QStringLiteral("(%1, %2)").arg(pos.x()).arg(pos.y())));
}

void tst_LedPanelScene::toolTips_data()
{
    QTest::addColumn<int>("led");
    QTest::addColumn<QString>("toolTip");
    QTest::addRow("first") << 0 << "(0,0)";
    QTest::addRow("last of ring 0") << 47 << "(0,47)";
    QTest::addRow("ring 1 position 2") << 50 << "(1,2)";
    QTest::addRow("last") << 191 << "(3,47)";
}

void tst_LedPanelScene::toolTips()
{
    QFETCH(int, led);
    QFETCH(QString, toolTip);
    DeviceItem device;
    for (int type : { 0, 1 }) {
        std::unique_ptr<AbstractLedPanelScene> scene(AbstractLedPanelScene::create(type, &device));
        QCOMPARE(scene->ledItems().at(led)->toolTip(), toolTip);
    }
}

using PanelCalls = QVector<QPair<int, int>>;

void tst_LedPanelScene::setPanel_data()
{
    QTest::addColumn<PanelCalls>("calls");
    QTest::addColumn<bool>("mirrored");
    QTest::addColumn<bool>("simpleShown");
    QTest::addColumn<bool>("topShown");
    QTest::addColumn<bool>("bottomShown");

    QTest::addRow("bottom with picture")
        << PanelCalls { { Bottom, Image } } << true << false << false << true;
    QTest::addRow("bottom twice mirrors once")
        << PanelCalls { { Bottom, Image }, { Bottom, Simple } } << true << true << false << false;
    QTest::addRow("back to top") << PanelCalls { { Bottom, Image }, { Bottom, Simple }, { Top, Simple } }
                                 << false << true << false << false;
    QTest::addRow("top picture") << PanelCalls { { Bottom, Simple }, { Top, Image } } << false << false
                                 << true << false;
    QTest::addRow("setSide and setBackground")
        << PanelCalls { { Bottom, -1 }, { -1, Image } } << true << false << false << true;
}

void tst_LedPanelScene::setPanel()
{
    QFETCH(PanelCalls, calls);
    QFETCH(bool, mirrored);
    QFETCH(bool, simpleShown);
    QFETCH(bool, topShown);
    QFETCH(bool, bottomShown);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    DeviceItem device;
    LedPanelScene_Ring scene(&device);
    scene.TopImagePath = writePicture(dir, "top.png", QSize(290, 295));
    scene.BottomImagePath = writePicture(dir, "bottom.png", QSize(280, 300));
    scene.createLayout();
    // The bottom picture decides the scene.
    QCOMPARE(scene.sceneRect(), QRectF(0, 0, 280, 300));

    QVector<QPointF> before;
    for (LedItem* led : scene.ledItems())
        before << led->pos();

    for (const auto& [side, background] : calls) {
        if (background < 0)
            scene.setSide(eLedPanelSide(side));
        else if (side < 0)
            scene.setBackground(eLedPanelBackground(background));
        else
            scene.setPanel(eLedPanelSide(side), eLedPanelBackground(background));
    }

    for (int k = 0; k < before.size(); ++k) {
        const QPointF expected = mirrored ? QPointF(280 - before.at(k).x(), before.at(k).y()) : before.at(k);
        QCOMPARE(scene.ledItems().at(k)->pos(), expected);
    }
    QCOMPARE(visible(scene.simpleItems()), simpleShown);
    QCOMPARE(visible(scene.topImageItems()), topShown);
    QCOMPARE(visible(scene.bottomImageItems()), bottomShown);
    QVERIFY(simpleShown || hidden(scene.simpleItems()));
    QVERIFY(topShown || hidden(scene.topImageItems()));
    QVERIFY(bottomShown || hidden(scene.bottomImageItems()));
}

void tst_LedPanelScene::missingPictures_data()
{
    QTest::addColumn<Board>("board");
    QTest::addRow("defaults") << Board { 1314, 1446, 1300, 500, 663, 170, 35 };
    QTest::addRow("ZQ-RING-A") << Panel1;
    QTest::addRow("ZQ-RING-B") << Panel2;
}

void tst_LedPanelScene::missingPictures()
{
    QFETCH(Board, board);
    DeviceItem device;
    LedPanelScene_Ring scene(&device);
    scene.TopImagePath = QStringLiteral("/nonexistent/top.png");
    scene.BottomImagePath = QString();
    configure(scene, board);

    const QRectF rect = scene.sceneRect();
    QCOMPARE(rect.center(), QPointF(board.centerX, board.centerY));
    QVERIFY(rect.contains(scene.simpleItems().first()->sceneBoundingRect()));
    for (LedItem* led : scene.ledItems())
        QVERIFY(rect.contains(led->pos()));

    scene.setBackground(Image);
    QVERIFY(scene.topImageItems().isEmpty());
    QVERIFY(scene.bottomImageItems().isEmpty());
    QVERIFY(hidden(scene.simpleItems()));

    // Seen from below, the LEDs still lie on the plain ring they are drawn on.
    scene.setPanel(Bottom, Simple);
    const QPointF centre(board.centerX, board.centerY);
    for (int k = 0; k < scene.ledItems().size(); ++k) {
        const double radius = board.radialStart + (k / 48) * board.radialStep;
        QVERIFY(qAbs(QLineF(centre, scene.ledItems().at(k)->pos()).length() - radius) < 1e-6);
    }
    // LED 1 now lies right of the top, where the bottom side shows it.
    QVERIFY(scene.ledItems().at(1)->x() > board.centerX);
}

void tst_LedPanelScene::nothingBeforeFirstFrame()
{
    DeviceItem device;
    LedPanelScene_Ring scene(&device);
    LedItem* led = scene.ledItems().at(5);
    QVERIFY(led->boundingRect().isEmpty());
    QVERIFY(led->shape().isEmpty());
    const QList<QGraphicsItem*> under = scene.items(led->pos());
    QVERIFY(
        std::none_of(under.begin(), under.end(), [](auto* i) { return qgraphicsitem_cast<LedItem*>(i); }));
    const QImage image = renderAround(scene, led->pos(), scene.ledSize());
    QCOMPARE(sample(image, 0, 0), Nothing);
    mousePress(scene, led->pos(), Qt::LeftButton);
    QVERIFY(!led->isSelected());
}

void tst_LedPanelScene::neighbourHints_data()
{
    QTest::addColumn<QString>("before"); // command before the frame
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("adjacent");
    QTest::addColumn<QColor>("centre");
    QTest::addColumn<QColor>("left");
    QTest::addColumn<QColor>("right");

    const QString frame = QStringLiteral("frame 60:5");
    const QString call = QStringLiteral("call");
    const QString reset = QStringLiteral("reset");
    const QString none;
    QTest::addRow("frames on both sides") << frame << frame << 1 << true << Lit << PreviousHint << NextHint;
    QTest::addRow("call before") << call << frame << 0 << true << Dark << Nothing << NextHint;
    QTest::addRow("reset after") << frame << reset << 1 << true << Lit << PreviousHint << Nothing;
    QTest::addRow("first and only") << none << none << 0 << true << Dark << Nothing << Nothing;
    QTest::addRow("value 5 is lit") << frame << frame << 5 << true << Lit << PreviousHint << NextHint;
    QTest::addRow("hints off") << frame << frame << 1 << false << Lit << Nothing << Nothing;
}

void tst_LedPanelScene::neighbourHints()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, value);
    QFETCH(bool, adjacent);
    QFETCH(QColor, centre);
    QFETCH(QColor, left);
    QFETCH(QColor, right);

    const int led = 60;
    TreeOutline tree(
        QStringLiteral("Program: %1, shown=frame %2:%3, %4").arg(before).arg(led).arg(value).arg(after));
    LedStatesCommand* shown = tree.frame("shown");

    LedPanelScene_Ring scene(tree.device);
    scene.showAdjacent(adjacent);
    scene.ledFrame(shown);
    QCOMPARE(scene.shownFrame(), shown);

    const QImage image = renderAround(scene, scene.ledItems().at(led)->pos(), scene.ledSize());
    QCOMPARE(sample(image, 0, 0), centre);
    QCOMPARE(sample(image, -0.9, 0), left);
    QCOMPARE(sample(image, 0.9, 0), right);
    // Other LEDs are dark and unhinted: the neighbours' other cells are 0.
    const QImage other = renderAround(scene, scene.ledItems().at(led + 1)->pos(), scene.ledSize());
    QCOMPARE(sample(other, 0, 0), Dark);
    QCOMPARE(sample(other, -0.9, 0), Nothing);
}

void tst_LedPanelScene::click_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("edits");

    QTest::addRow("off to on") << 0 << int(Qt::LeftButton) << 1 << 1;
    QTest::addRow("on to off") << 1 << int(Qt::LeftButton) << 0 << 1;
    QTest::addRow("five to off") << 5 << int(Qt::LeftButton) << 0 << 1;
    QTest::addRow("negative to off") << -3 << int(Qt::LeftButton) << 0 << 1;
    QTest::addRow("right button") << 0 << int(Qt::RightButton) << 0 << 0;
}

void tst_LedPanelScene::click()
{
    QFETCH(int, value);
    QFETCH(int, button);
    QFETCH(int, expected);
    QFETCH(int, edits);

    TreeOutline tree(QStringLiteral("Program: frame=frame 100:%1").arg(value));
    LedStatesCommand* frame = tree.frame("frame");
    LedPanelScene_Ring scene(tree.device);
    scene.setEdits(tree.edits);
    scene.ledFrame(frame);

    QSignalSpy edited(tree.edits, &DocumentEdits::edited);
    QSignalSpy changed(tree.edits, &DocumentEdits::ledValuesChanged);
    QVERIFY(edited.isValid());
    mousePress(scene, scene.ledItems().at(100)->pos(), Qt::MouseButton(button));

    QCOMPARE(frame->leds().at(100)->value(), expected);
    QCOMPARE(edited.count(), edits);
    QCOMPARE(changed.count(), edits);
    // Only the clicked LED changes.
    QCOMPARE(frame->leds().at(99)->value(), 0);
    QCOMPARE(frame->leds().at(101)->value(), 0);
}

void tst_LedPanelScene::stroke_data()
{
    QTest::addColumn<QVector<int>>("lit");
    QTest::addColumn<QVector<int>>("path");
    QTest::addColumn<int>("order");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<QVector<int>>("expected");

    QTest::addRow("drag lights every LED passed")
        << QVector<int> { 101 } << QVector<int> { 100, 101, 102, 150 } << 1 << false
        << QVector<int> { 100, 101, 102, 150 };
    QTest::addRow("drag from a lit LED clears")
        << QVector<int> { 5, 100, 102 } << QVector<int> { 100, 101, 102 } << 1 << false << QVector<int> { 5 };
    QTest::addRow("passing an LED twice keeps the stroke's value")
        << QVector<int> {} << QVector<int> { 3, 4, 3 } << 1 << false << QVector<int> { 3, 4 };
    QTest::addRow("six-fold click") << QVector<int> {} << QVector<int> { 50 } << 6 << false
                                    << QVector<int> { 50, 58, 66, 74, 82, 90 };
    QTest::addRow("two-fold mirrored drag") << QVector<int> {} << QVector<int> { 1, 2 } << 2 << true
                                            << QVector<int> { 1, 2, 22, 23, 25, 26, 46, 47 };
}

void tst_LedPanelScene::stroke()
{
    QFETCH(QVector<int>, lit);
    QFETCH(QVector<int>, path);
    QFETCH(int, order);
    QFETCH(bool, mirror);
    QFETCH(QVector<int>, expected);

    TreeOutline tree("Program: frame=frame");
    LedStatesCommand* frame = tree.frame("frame");
    for (int k : lit)
        frame->leds().at(k)->setValue(1);
    LedPanelScene_Ring scene(tree.device);
    scene.setEdits(tree.edits);
    scene.setSymmetry(order, mirror);
    scene.ledFrame(frame);

    drag(scene, path);
    QCOMPARE(litOf(frame), expected);
    // One step for the stroke, also for the LEDs symmetry added.
    QCOMPARE(tree.edits->history()->count(), 1);
    tree.edits->history()->undo();
    QCOMPARE(litOf(frame), lit);

    // A second stroke is a step of its own.
    tree.edits->history()->redo();
    drag(scene, { path.first() });
    QCOMPARE(tree.edits->history()->count(), 2);
}

void tst_LedPanelScene::fastStroke_data()
{
    QTest::addColumn<Board>("board");
    QTest::addColumn<QVector<QPoint>>("events"); // ring, position of each mouse event
    QTest::addColumn<QVector<int>>("expected");

    const auto range = [](int first, int last) {
        QVector<int> leds;
        for (int k = first; k <= last; ++k)
            leds << k;
        return leds;
    };
    const auto along = [](int ring, int first, int last, int step) {
        QVector<QPoint> points;
        for (int position = first; step > 0 ? position <= last : position >= last; position += step)
            points << QPoint(ring, (position + 48) % 48);
        return points;
    };
    QTest::addRow("inner ring, every third LED") << Panel1 << along(0, 0, 18, 3) << range(0, 18);
    QTest::addRow("second ring backwards, every second LED")
        << Panel1 << along(1, 20, 8, -2) << range(56, 68);
    QTest::addRow("outer ring of the small board, every third LED")
        << Panel2 << along(3, 10, 22, 3) << range(154, 166);
    QTest::addRow("past the top") << Panel1 << along(2, 44, 50, 3) << (range(140, 143) + range(96, 98));
    QTest::addRow("all rings in one move, straight up")
        << Panel1 << QVector<QPoint> { { 0, 0 }, { 3, 0 } } << QVector<int> { 0, 48, 96, 144 };
    QTest::addRow("all rings in one move, at 45 degrees")
        << Panel2 << QVector<QPoint> { { 0, 6 }, { 3, 6 } } << QVector<int> { 6, 54, 102, 150 };
    QTest::addRow("inward in one move, sideways")
        << Panel1 << QVector<QPoint> { { 3, 12 }, { 0, 12 } } << QVector<int> { 12, 60, 108, 156 };
}

void tst_LedPanelScene::fastStroke()
{
    QFETCH(Board, board);
    QFETCH(QVector<QPoint>, events);
    QFETCH(QVector<int>, expected);
    ViewedBoard shown(board);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.view));

    shown.drag(events);
    std::sort(expected.begin(), expected.end());
    QCOMPARE(litOf(shown.frame), expected);
    QCOMPARE(shown.tree.edits->history()->count(), 1);
    shown.tree.edits->history()->undo();
    QVERIFY(litOf(shown.frame).isEmpty());
}

void tst_LedPanelScene::randomFastStrokes()
{
    // Random drags along a ring, up to three LEDs between two events: the
    // LEDs lit are exactly those from the first position to the last.
    QRandomGenerator random(1812);
    ViewedBoard shown(Panel1);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.view));
    for (int round = 0; round < 40; ++round) {
        const int ring = random.bounded(4);
        const int direction = random.bounded(2) ? 1 : -1;
        int position = random.bounded(48);
        QVector<QPoint> events { { ring, position } };
        QVector<int> expected { ring * 48 + position };
        for (int moves = random.bounded(1, 6); moves > 0; --moves) {
            const int next = position + direction * random.bounded(1, 4);
            for (int p = position + direction; p != next + direction; p += direction)
                expected << ring * 48 + (p + 96) % 48;
            position = next;
            events << QPoint(ring, position);
        }
        shown.drag(events);
        std::sort(expected.begin(), expected.end());
        expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
        QCOMPARE(litOf(shown.frame), expected);
        shown.tree.edits->history()->undo();
        QVERIFY(litOf(shown.frame).isEmpty());
    }
}

void tst_LedPanelScene::clickWithoutEdits()
{
    DeviceItem device;
    LedStatesCommand frame;
    LedPanelScene_Ring scene(&device);
    scene.ledFrame(&frame);
    const QPointF pos = scene.ledItems().at(7)->pos();
    mousePress(scene, pos, Qt::LeftButton);
    QCOMPARE(frame.leds().at(7)->value(), 1);
    QCOMPARE(sample(renderAround(scene, pos, scene.ledSize()), 0, 0), Lit);
    mousePress(scene, pos, Qt::LeftButton);
    QCOMPARE(frame.leds().at(7)->value(), 0);
}

void tst_LedPanelScene::removal_data()
{
    QTest::addColumn<int>("removed"); // index among the program's commands; -1 the program
    QTest::addColumn<bool>("dropped");

    // Commands: frame 0, frame 1 (shown), frame 2, reset, frame 4.
    QTest::addRow("shown frame") << 1 << true;
    QTest::addRow("frame before") << 0 << true;
    QTest::addRow("frame after") << 2 << true;
    QTest::addRow("whole program") << -1 << true;
    QTest::addRow("unrelated frame") << 4 << false;
    QTest::addRow("unrelated reset") << 3 << false;
}

void tst_LedPanelScene::removal()
{
    QFETCH(int, removed);
    QFETCH(bool, dropped);

    TreeOutline tree("Program: frame 3, shown=frame 3, frame 3, reset, frame 3");
    LedStatesCommand* shown = tree.frame("shown");

    LedPanelScene_Ring scene(tree.device);
    scene.setEdits(tree.edits);
    scene.ledFrame(shown);
    LedItem* led = scene.ledItems().at(3);
    QVERIFY(led->current() && led->previous() && led->next());

    AbstractTreeItem* victim = removed < 0 ? tree.program : tree.program->child(removed);
    tree.edits->removeItems({ victim });

    if (!dropped) {
        QCOMPARE(scene.shownFrame(), shown);
        QCOMPARE(led->current(), shown->leds().at(3));
        return;
    }
    QCOMPARE(scene.shownFrame(), nullptr);
    for (LedItem* item : scene.ledItems())
        QVERIFY(!item->current() && !item->previous() && !item->next());
    // The removed frames are freed by now: painting and clicking must not
    // reach them.
    QCOMPARE(sample(renderAround(scene, led->pos(), scene.ledSize()), 0, 0), Nothing);
    mousePress(scene, led->pos(), Qt::LeftButton);
    QVERIFY(!led->isSelected());
}

void tst_LedPanelScene::frameDeletedElsewhere()
{
    TreeOutline tree("Program: shown=frame 9");
    LedStatesCommand* shown = tree.frame("shown");
    LedPanelScene_Ring scene(tree.device);
    scene.ledFrame(shown);
    delete tree.program;
    QCOMPARE(scene.shownFrame(), nullptr);
    QVERIFY(!scene.ledItems().at(9)->current());
    QCOMPARE(sample(renderAround(scene, scene.ledItems().at(9)->pos(), scene.ledSize()), 0, 0), Nothing);
}

void tst_LedPanelScene::rectangleLayout()
{
    DeviceItem device;
    std::unique_ptr<AbstractLedPanelScene> scene(AbstractLedPanelScene::create(0, &device));
    auto* grid = qobject_cast<LedPanelScene_Rectangle*>(scene.get());
    QVERIFY(grid);
    QCOMPARE(grid->layoutType(), int(Rectangle));
    QCOMPARE(grid->sceneRect(), QRectF(-6, -6, 54, 30));
    QCOMPARE(grid->ledSize(), 2.0);
    QCOMPARE(grid->ledItems().size(), 192);
    QCOMPARE(grid->topImageItems().size(), 1);
    QGraphicsItem* background = grid->topImageItems().first();
    for (int k : { 0, 1, 48, 191 }) {
        LedItem* led = grid->ledItems().at(k);
        QCOMPARE(led->parentItem(), background);
        QCOMPARE(led->pos(), QPointF((k % 48) * 8.0, (k / 48) * 6.0));
    }

    LedStatesCommand frame;
    grid->ledFrame(&frame);
    grid->setPanel(Top, Simple);
    QVERIFY(!background->isVisible());
    QVERIFY(!grid->ledItems().first()->isVisible());
    grid->setPanel(Top, Image);
    QVERIFY(grid->ledItems().first()->isVisible());

    for (int type : { 1, 7 }) {
        std::unique_ptr<AbstractLedPanelScene> ring(AbstractLedPanelScene::create(type, &device));
        QVERIFY(qobject_cast<LedPanelScene_Ring*>(ring.get()));
        QCOMPARE(ring->layoutType(), int(Ring));
    }
}

void tst_LedPanelScene::createLayoutAgain()
{
    DeviceItem device;
    LedPanelScene_Ring scene(&device);
    const QList<QGraphicsItem*> first = scene.items();
    QCOMPARE(first.size(), 193);
    scene.setPanel(Bottom, Simple);
    const QPointF mirrored = scene.ledItems().at(1)->pos();

    scene.createLayout();
    QCOMPARE(scene.items().size(), 193);
    QCOMPARE(scene.side(), Bottom);
    const QPointF plain = scene.ledItems().at(1)->pos();
    QVERIFY(plain != mirrored);
    scene.setPanel(Bottom, Simple);
    QCOMPARE(scene.ledItems().at(1)->pos(), plain);
    scene.setPanel(Top, Simple);
    QCOMPARE(scene.ledItems().at(1)->pos(), mirrored);
}

void tst_LedPanelScene::layoutXml_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("expected"); // written back after reading

    QTest::addRow("ring")
        << 1
        << "<Layout "
           "type=\"Ring\"><CenterX>1751.5</CenterX><CenterY>1185</CenterY><RadialStart>944</RadialStart>"
           "<RadialStep>189</RadialStep><AngularStart>-90</AngularStart><AngularStep>-7.5</AngularStep>"
           "<InnerDiameter>681</InnerDiameter><OuterDiameter>1751.5</OuterDiameter>"
           "<TopImagePath>/a/top.png</TopImagePath><BottomImagePath>/a/bot.png</BottomImagePath>"
           "<LedSize>50</LedSize></Layout>"
        << "1751.5 1185 944 189 -90 -7.5 681 1751.5 /a/top.png /a/bot.png 50";
    QTest::addRow("ring, unknown and broken")
        << 1
        << "<Layout><Colour><Deep>red</Deep></Colour><CenterX>abc</CenterX><LedSize>12.25</LedSize></Layout>"
        << "0 1446 663 170 -90 7.5 500 1300   12.25";
    QTest::addRow("rectangle")
        << 0
        << "<Layout type=\"Rectangle\"><HorizontalStart>1</HorizontalStart><HorizontalStep>9</HorizontalStep>"
           "<VerticalStart>2</VerticalStart><VerticalStep>7</VerticalStep><RectanglePosX>-10</RectanglePosX>"
           "<RectanglePosY>-4</RectanglePosY><LedSize>3</LedSize></Layout>"
        << "1 9 2 7 -10 -4 58 28 3";
    QTest::addRow("rectangle size")
        << 0 << "<Layout><RectangleWidth>500</RectangleWidth><RectangleHeight>40.5</RectangleHeight></Layout>"
        << "0 8 0 6 -6 -6 500 40.5 2";
}

void tst_LedPanelScene::layoutXml()
{
    QFETCH(int, type);
    QFETCH(QString, xml);
    QFETCH(QString, expected);

    DeviceItem device;
    std::unique_ptr<AbstractLedPanelScene> scene(AbstractLedPanelScene::create(type, &device));
    QXmlStreamReader reader(xml);
    QVERIFY(reader.readNextStartElement());
    scene->readXML(reader);
    QVERIFY(!reader.hasError());
    QCOMPARE(scene->ledItems().size(), 192);

    QString written;
    QXmlStreamWriter writer(&written);
    scene->writeXML(writer);
    QXmlStreamReader back(written);
    QVERIFY(back.readNextStartElement());
    QCOMPARE(back.name().toString(), QStringLiteral("Layout"));
    QCOMPARE(back.attributes().value("type").toString(), type == 0 ? QStringLiteral("Rectangle") : "Ring");
    QStringList values;
    QStringList names;
    while (back.readNextStartElement()) {
        names << back.name().toString();
        values << back.readElementText();
    }
    QCOMPARE(values.join(' '), expected);
    QCOMPARE(names.last(), QStringLiteral("LedSize"));
}

void tst_LedPanelScene::readXmlIgnoresOtherElements()
{
    DeviceItem device;
    LedPanelScene_Ring scene(&device);
    LedItem* led = scene.ledItems().first();
    QXmlStreamReader reader(QStringLiteral("<Other><CenterX>5</CenterX></Other>"));
    QVERIFY(reader.readNextStartElement());
    scene.readXML(reader);
    QCOMPARE(scene.CenterX, 1314.0);
    QCOMPARE(scene.ledItems().first(), led);
}

QTEST_MAIN(tst_LedPanelScene)
#include "tst_ledpanelscene.moc"
