#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "views/LedItem.h"
#include "views/LedPanelContextMenu.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QGraphicsScene>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

constexpr double Board = 3503;

// A view of 800 x 600 on a board-sized scene, shown so that its scroll bars
// have their ranges.
struct ViewFixture
{
    ViewFixture()
    {
        scene.setSceneRect(0, 0, Board, Board);
        view.setScene(&scene);
        view.resize(800, 600);
        view.move(0, 0);
        view.show();
    }
    QPointF sceneAt(const QPoint& viewPoint) const { return view.mapToScene(viewPoint); }

    QGraphicsScene scene;
    LedPanelView view;
};

// The ring scene as a new document leaves it: bottom side, picture, hints.
struct BoardFixture
{
    BoardFixture()
        : scene(&device)
    {
        QImage picture(400, 400, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        scene.TopImagePath = dir.filePath("top.png");
        scene.BottomImagePath = dir.filePath("bot.png");
        picture.save(scene.TopImagePath);
        picture.save(scene.BottomImagePath);
        scene.CenterX = scene.CenterY = 200;
        scene.RadialStart = 100;
        scene.RadialStep = 20;
        scene.AngularStep = -7.5;
        scene.LedSize = 6;
        scene.createLayout();
        for (LedItem* led : scene.ledItems())
            topPositions << led->pos();
        scene.setPanel(Bottom, Image);
        frame = std::make_unique<LedStatesCommand>();
        view.setScene(&scene);
        view.resize(800, 600);
        view.show();
        view.ledFrame(frame.get());
    }
    bool mirrored() const { return scene.ledItems().at(1)->pos() != topPositions.at(1); }
    QVector<int> lit() const
    {
        QVector<int> on;
        for (int k = 0; k < frame->leds().size(); ++k) {
            if (frame->leds().at(k)->value())
                on << k;
        }
        return on;
    }

    QTemporaryDir dir;
    DeviceItem device;
    LedPanelScene_Ring scene;
    LedPanelView view;
    std::unique_ptr<LedStatesCommand> frame;
    QVector<QPointF> topPositions;
};

void sendMouse(
    QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class tst_LedPanelView : public QObject
{
    Q_OBJECT

private slots:
    void zoomSteps_data();
    void zoomSteps();
    void zoomKeepsCentre();
    void wheel_data();
    void wheel();
    void fit_data();
    void fit();
    void middleButtonPans();
    void menuLayout();
    void menuActions_data();
    void menuActions();
    void adjacentHints();
    void rightClickOpensMenu();
    void withoutPanelScene();
    void keysMoveTheFocusMark_data();
    void keysMoveTheFocusMark();
    void spaceAndShiftPaint();
    void screenReadersHearTheLed();
};

void tst_LedPanelView::zoomSteps_data()
{
    QTest::addColumn<QString>("steps"); // + in, - out, f fit
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("lastFactor");

    const double fitted = 0.95 * 600 / Board;
    QTest::addRow("one in") << "+" << 1.6 << 1.6;
    QTest::addRow("four in, the last cut") << "++++" << 5.0 << 5.0 / 4.096;
    QTest::addRow("in at the limit") << "+++++" << 5.0 << 1.0;
    QTest::addRow("three in") << "+++" << 4.096 << 1.6;
    QTest::addRow("four out") << "----" << 0.152587890625 << 0.625;
    QTest::addRow("out below the limit") << "-----" << 0.1 << 0.1 / 0.152587890625;
    QTest::addRow("out at the limit") << "------" << 0.1 << 1.0;
    QTest::addRow("back in from the limit") << "-----+" << 0.16 << 1.6;
    QTest::addRow("fit") << "++f" << fitted << fitted / 2.56;
    QTest::addRow("in after fit") << "f+" << fitted * 1.6 << 1.6;
}

void tst_LedPanelView::zoomSteps()
{
    QFETCH(QString, steps);
    QFETCH(double, zoom);
    QFETCH(double, lastFactor);

    ViewFixture f;
    double before = 1.0;
    for (QChar step : steps) {
        before = f.view.transform().m11();
        if (step == '+')
            f.view.zoomIn();
        else if (step == '-')
            f.view.zoomOut();
        else
            f.view.zoomFit();
    }
    QCOMPARE(f.view.zoom(), zoom);
    QCOMPARE(f.view.transform().m11(), zoom);
    QCOMPARE(f.view.transform().m22(), zoom);
    QCOMPARE(f.view.transform().m11() / before, lastFactor);
}

void tst_LedPanelView::zoomKeepsCentre()
{
    ViewFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    f.view.scrollToCenter();
    const QPoint centre(f.view.width() / 2, f.view.height() / 2);
    for (auto zoom : { &LedPanelView::zoomIn, &LedPanelView::zoomIn, &LedPanelView::zoomOut }) {
        const QPointF before = f.sceneAt(centre);
        (f.view.*zoom)();
        const QPointF moved = f.view.mapFromScene(before) - centre;
        QVERIFY2(qAbs(moved.x()) <= 1 && qAbs(moved.y()) <= 1,
            qPrintable(QStringLiteral("moved by %1, %2").arg(moved.x()).arg(moved.y())));
    }
}

void tst_LedPanelView::wheel_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<double>("zoom");

    QTest::addRow("away from the user") << QPoint(0, 120) << std::pow(1.6, 0.5);
    QTest::addRow("towards the user") << QPoint(0, -120) << std::pow(1.6, -0.5);
    QTest::addRow("fine step") << QPoint(0, 30) << std::pow(1.6, 0.125);
    QTest::addRow("horizontal only") << QPoint(120, 0) << 1.0;
    QTest::addRow("cut at the top") << QPoint(0, 2400) << 5.0;
    QTest::addRow("cut at the bottom") << QPoint(0, -2400) << 0.1;
}

void tst_LedPanelView::wheel()
{
    QFETCH(QPoint, delta);
    QFETCH(double, zoom);

    ViewFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    f.view.scrollToCenter();
    const QPoint cursor(300, 200);
    const QPointF under = f.sceneAt(cursor);
    const int h = f.view.horizontalScrollBar()->value();
    const int v = f.view.verticalScrollBar()->value();

    QWheelEvent event(cursor, f.view.viewport()->mapToGlobal(cursor), QPoint(), delta, Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.view.viewport(), &event);
    QVERIFY(event.isAccepted());

    QCOMPARE(f.view.zoom(), zoom);
    QCOMPARE(f.view.transform().m11(), zoom);
    if (zoom == 1.0) {
        // The wheel never scrolls.
        QCOMPARE(f.view.horizontalScrollBar()->value(), h);
        QCOMPARE(f.view.verticalScrollBar()->value(), v);
    }
    if (zoom >= 0.5) {
        // Room to scroll: the point under the cursor stays there.
        const QPointF moved = f.view.mapFromScene(under) - cursor;
        QVERIFY2(qAbs(moved.x()) <= 1 && qAbs(moved.y()) <= 1,
            qPrintable(QStringLiteral("moved by %1, %2").arg(moved.x()).arg(moved.y())));
    }
}

void tst_LedPanelView::fit_data()
{
    QTest::addColumn<QSize>("viewSize");
    QTest::addColumn<QRectF>("sceneRect");
    QTest::addColumn<double>("zoom");

    QTest::addRow("board in a wide view")
        << QSize(800, 600) << QRectF(0, 0, Board, Board) << 0.95 * 600 / Board;
    QTest::addRow("board in a tall view")
        << QSize(500, 900) << QRectF(0, 0, Board, Board) << 0.95 * 500 / Board;
    QTest::addRow("small scene, beyond the zoom limit")
        << QSize(800, 600) << QRectF(-6, -6, 54, 30) << 0.95 * 800 / 54;
}

void tst_LedPanelView::fit()
{
    QFETCH(QSize, viewSize);
    QFETCH(QRectF, sceneRect);
    QFETCH(double, zoom);

    ViewFixture f;
    f.scene.setSceneRect(sceneRect);
    f.view.resize(viewSize);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    f.view.zoomIn();
    f.view.zoomFit();
    QCOMPARE(f.view.zoom(), zoom);
    QCOMPARE(f.view.transform().m11(), zoom);
    for (QScrollBar* bar : { f.view.horizontalScrollBar(), f.view.verticalScrollBar() })
        QCOMPARE(bar->value(), bar->minimum() + (bar->maximum() - bar->minimum()) / 2);
}

void tst_LedPanelView::middleButtonPans()
{
    BoardFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    for (int i = 0; i < 4; ++i)
        f.view.zoomIn();
    QWidget* viewport = f.view.viewport();
    LedItem* led = f.scene.ledItems().at(0);
    f.view.centerOn(led);
    const QPoint start = f.view.mapFromScene(led->pos());
    QVERIFY(viewport->rect().contains(start));
    const int h = f.view.horizontalScrollBar()->value();
    const int v = f.view.verticalScrollBar()->value();

    sendMouse(viewport, QEvent::MouseButtonPress, start, Qt::MiddleButton, Qt::MiddleButton);
    QCOMPARE(f.view.dragMode(), QGraphicsView::ScrollHandDrag);
    QVERIFY(!f.view.isInteractive());
    sendMouse(viewport, QEvent::MouseMove, start + QPoint(-40, -30), Qt::NoButton, Qt::MiddleButton);
    sendMouse(viewport, QEvent::MouseMove, start + QPoint(-70, -50), Qt::NoButton, Qt::MiddleButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, start + QPoint(-70, -50), Qt::MiddleButton, Qt::NoButton);

    QCOMPARE(f.view.horizontalScrollBar()->value(), h + 70);
    QCOMPARE(f.view.verticalScrollBar()->value(), v + 50);
    // The LED under the press was not toggled.
    QCOMPARE(f.frame->leds().at(0)->value(), 0);
    QCOMPARE(f.view.dragMode(), QGraphicsView::RubberBandDrag);
    QVERIFY(f.view.isInteractive());

    // Items take clicks again.
    const QPoint ledNow = f.view.mapFromScene(led->pos());
    sendMouse(viewport, QEvent::MouseButtonPress, ledNow, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, ledNow, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(f.frame->leds().at(0)->value(), 1);
}

void tst_LedPanelView::menuLayout()
{
    LedPanelView view;
    LedPanelContextMenu* menu = view.contextMenu();
    QCOMPARE(menu->parent(), &view);
    QCOMPARE(menu->view(), &view);

    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            entries << "|";
            continue;
        }
        QString entry = action->text();
        if (QMenu* sub = action->menu()) {
            QStringList inner;
            for (QAction* item : sub->actions())
                inner << item->text() + (item->isChecked() ? "*" : "");
            entry += "[" + inner.join(',') + "]";
        } else if (action->isChecked()) {
            entry += "*";
        }
        entries << entry;
    }
    QCOMPARE(entries.join(' '),
        QStringLiteral(
            "Fit in view Zoom[Zoom in,Zoom out] | Side[Top,Bottom*] Background[Image*,Simple] Adjacent*"));

    for (QAction* action :
        { menu->zoomInAction(), menu->zoomOutAction(), menu->fitAction(), menu->topAction(),
            menu->bottomAction(), menu->simpleAction(), menu->imageAction(), menu->adjacentAction() })
        QCOMPARE(action->parent(), &view);
    QActionGroup* sides = menu->topAction()->actionGroup();
    QVERIFY(sides && sides->isExclusive());
    QCOMPARE(sides->parent(), &view);
    QCOMPARE(menu->bottomAction()->actionGroup(), sides);
    QActionGroup* backgrounds = menu->imageAction()->actionGroup();
    QVERIFY(backgrounds && backgrounds != sides);
    QCOMPARE(backgrounds->parent(), &view);
}

void tst_LedPanelView::menuActions_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<bool>("mirrored");
    QTest::addColumn<int>("background");
    QTest::addColumn<bool>("topShown");
    QTest::addColumn<bool>("bottomShown");
    QTest::addColumn<QString>("checked");

    QTest::addRow("nothing picked") << QStringList() << true << int(Image) << false << true << "Bottom Image";
    QTest::addRow("top") << QStringList { "Top" } << false << int(Image) << true << false << "Top Image";
    QTest::addRow("top twice") << QStringList { "Top", "Top" } << false << int(Image) << true << false
                               << "Top Image";
    QTest::addRow("top and back") << QStringList { "Top", "Bottom" } << true << int(Image) << false << true
                                  << "Bottom Image";
    QTest::addRow("simple") << QStringList { "Simple" } << true << int(Simple) << false << false
                            << "Bottom Simple";
    QTest::addRow("simple then top") << QStringList { "Simple", "Top" } << false << int(Simple) << false
                                     << false << "Top Simple";
    QTest::addRow("top picture again")
        << QStringList { "Simple", "Top", "Image" } << false << int(Image) << true << false << "Top Image";
}

void tst_LedPanelView::menuActions()
{
    QFETCH(QStringList, picks);
    QFETCH(bool, mirrored);
    QFETCH(int, background);
    QFETCH(bool, topShown);
    QFETCH(bool, bottomShown);
    QFETCH(QString, checked);

    BoardFixture f;
    LedPanelContextMenu* menu = f.view.contextMenu();
    const QHash<QString, QAction*> actions { { "Top", menu->topAction() }, { "Bottom", menu->bottomAction() },
        { "Simple", menu->simpleAction() }, { "Image", menu->imageAction() } };
    for (const QString& pick : picks)
        actions.value(pick)->trigger();

    QCOMPARE(f.mirrored(), mirrored);
    QCOMPARE(int(f.scene.background()), background);
    QCOMPARE(f.scene.topImageItems().first()->isVisible(), topShown);
    QCOMPARE(f.scene.bottomImageItems().first()->isVisible(), bottomShown);
    QCOMPARE(f.scene.simpleItems().first()->isVisible(), background == Simple);
    QStringList marks;
    for (const char* name : { "Top", "Bottom", "Image", "Simple" }) {
        if (actions.value(name)->isChecked())
            marks << name;
    }
    QCOMPARE(marks.join(' '), checked);
}

void tst_LedPanelView::adjacentHints()
{
    BoardFixture f;
    LedItem* led = f.scene.ledItems().at(4);
    QCOMPARE(f.scene.adjacentShown(), true);
    f.view.contextMenu()->adjacentAction()->trigger();
    QVERIFY(!f.view.contextMenu()->adjacentAction()->isChecked());
    QCOMPARE(f.scene.adjacentShown(), false);
    QVERIFY(led->current());
    f.view.contextMenu()->adjacentAction()->trigger();
    QCOMPARE(f.scene.adjacentShown(), true);

    // Shown for the first time with a board, the view fits it in; the zoom
    // entries of the menu act on the view from there.
    const double fitted = 0.95 * 600.0 / 400.0;
    QCOMPARE(f.view.zoom(), fitted);
    f.view.contextMenu()->zoomInAction()->trigger();
    QCOMPARE(f.view.zoom(), fitted * 1.6);
    f.view.contextMenu()->zoomOutAction()->trigger();
    QCOMPARE(f.view.zoom(), fitted);
    f.view.resize(400, 300);
    QCOMPARE(f.view.zoom(), fitted); // the user zoomed: a resize keeps the zoom
    f.view.contextMenu()->fitAction()->trigger();
    QCOMPARE(f.view.zoom(), 0.95 * 300.0 / 400.0);
    // Fitting again, the board follows the view's size.
    f.view.resize(800, 600);
    QCOMPARE(f.view.zoom(), 0.95 * 600.0 / 400.0);
}

void tst_LedPanelView::rightClickOpensMenu()
{
    BoardFixture f;
    f.view.move(0, 0);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    const QPoint pos(30, 40);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, f.view.viewport()->mapToGlobal(pos));
    QApplication::sendEvent(f.view.viewport(), &event);
    LedPanelContextMenu* menu = f.view.contextMenu();
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), f.view.viewport()->mapToGlobal(pos));
    menu->close();
    QTRY_VERIFY(!menu->isVisible());
}

void tst_LedPanelView::withoutPanelScene()
{
    LedStatesCommand frame;
    LedPanelView view;
    QCOMPARE(view.ledPanelScene(), nullptr);
    view.setSide(Top);
    view.setBackground(Simple);
    view.showAdjacent(false);
    view.ledFrame(&frame);

    QGraphicsScene plain;
    view.setScene(&plain);
    QCOMPARE(view.ledPanelScene(), nullptr);
    view.setSide(Bottom);
    view.ledFrame(&frame);

    DeviceItem device;
    LedPanelScene_Ring ring(&device);
    view.setScene(&ring);
    QCOMPARE(view.ledPanelScene(), &ring);
    view.setSide(Bottom);
    QCOMPARE(ring.side(), Bottom);
    view.setBackground(Image);
    QCOMPARE(ring.background(), Image);
    QCOMPARE(ring.side(), Bottom);
    view.ledFrame(&frame);
    QCOMPARE(ring.shownFrame(), &frame);
}

void tst_LedPanelView::keysMoveTheFocusMark_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QPoint>("from"); // ring, position; both from 1
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("to");

    // Right goes clockwise as the side is seen: positions run clockwise
    // on the bottom side and counter-clockwise on the top side.
    QTest::addRow("bottom, right") << int(Bottom) << QPoint(1, 1) << int(Qt::Key_Right) << QPoint(1, 2);
    QTest::addRow("bottom, left wraps") << int(Bottom) << QPoint(1, 1) << int(Qt::Key_Left) << QPoint(1, 48);
    QTest::addRow("bottom, right wraps")
        << int(Bottom) << QPoint(3, 48) << int(Qt::Key_Right) << QPoint(3, 1);
    QTest::addRow("top, right") << int(Top) << QPoint(1, 1) << int(Qt::Key_Right) << QPoint(1, 48);
    QTest::addRow("top, left") << int(Top) << QPoint(2, 5) << int(Qt::Key_Left) << QPoint(2, 6);
    QTest::addRow("up goes outward") << int(Bottom) << QPoint(2, 17) << int(Qt::Key_Up) << QPoint(3, 17);
    QTest::addRow("up stops at the outer ring")
        << int(Top) << QPoint(4, 3) << int(Qt::Key_Up) << QPoint(4, 3);
    QTest::addRow("down goes inward") << int(Top) << QPoint(3, 10) << int(Qt::Key_Down) << QPoint(2, 10);
    QTest::addRow("down stops at the inner ring")
        << int(Bottom) << QPoint(1, 3) << int(Qt::Key_Down) << QPoint(1, 3);
    QTest::addRow("home") << int(Bottom) << QPoint(2, 17) << int(Qt::Key_Home) << QPoint(2, 1);
    QTest::addRow("home on the top side") << int(Top) << QPoint(4, 30) << int(Qt::Key_Home) << QPoint(4, 1);
}

void tst_LedPanelView::keysMoveTheFocusMark()
{
    QFETCH(int, side);
    QFETCH(QPoint, from);
    QFETCH(int, key);
    QFETCH(QPoint, to);
    BoardFixture f;
    f.scene.setPanel(eLedPanelSide(side), Image);
    const auto led = [](const QPoint& place) { return (place.x() - 1) * 48 + place.y() - 1; };
    f.scene.setFocusedLed(led(from));
    QTest::keyClick(&f.view, Qt::Key(key));
    QCOMPARE(f.scene.focusedLed(), led(to));
    QVERIFY(f.scene.focusMark()->isVisible());
    QCOMPARE(f.scene.focusMark()->pos(), f.scene.ledItems().at(led(to))->scenePos());
    QCOMPARE(f.view.accessibleName(), QStringLiteral("Ring %1, position %2, off").arg(to.x()).arg(to.y()));
    // Moving never changes an LED.
    QVERIFY(f.lit().isEmpty());
}

void tst_LedPanelView::spaceAndShiftPaint()
{
    BoardFixture f;
    // The first arrow only shows the mark, on the first LED.
    QTest::keyClick(&f.view, Qt::Key_Right);
    QCOMPARE(f.scene.focusedLed(), 0);
    QVERIFY(f.lit().isEmpty());
    f.scene.setSymmetry(2, false);
    QTest::keyClick(&f.view, Qt::Key_Space);
    QCOMPARE(f.lit(), (QVector<int> { 0, 24 }));
    QTest::keyClick(&f.view, Qt::Key_Space);
    QVERIFY(f.lit().isEmpty());

    // Shift with arrows paints the LEDs left and reached; letting Shift go
    // ends the stroke, so the next one starts from the LED's state.
    f.scene.setSymmetry(1, false);
    // QTest lets Shift go after every key; a hand holds it.
    const auto shifted = [&f](Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier);
        QApplication::sendEvent(&f.view, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::ShiftModifier);
        QApplication::sendEvent(&f.view, &release);
    };
    QTest::keyPress(&f.view, Qt::Key_Shift);
    shifted(Qt::Key_Right);
    shifted(Qt::Key_Up);
    shifted(Qt::Key_Right);
    QVERIFY(f.scene.isPainting());
    QTest::keyRelease(&f.view, Qt::Key_Shift);
    QCOMPARE(f.lit(), (QVector<int> { 0, 1, 49, 50 }));
    QVERIFY(!f.scene.isPainting());
    QTest::keyClick(&f.view, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(f.lit(), (QVector<int> { 0, 1 }));
    // Escape takes the mark away.
    QTest::keyClick(&f.view, Qt::Key_Escape);
    QCOMPARE(f.scene.focusedLed(), -1);
    QVERIFY(!f.scene.focusMark()->isVisible());
    QCOMPARE(f.view.accessibleName(), QStringLiteral("LED board"));
}

void tst_LedPanelView::screenReadersHearTheLed()
{
    BoardFixture f;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&f.view);
    QVERIFY(board);
    QCOMPARE(board->text(QAccessible::Name), QStringLiteral("LED board"));
    QVERIFY(!board->text(QAccessible::Description).isEmpty());
    f.frame->leds().at(49)->setValue(1);
    f.scene.setFocusedLed(48);
    QTest::keyClick(&f.view, Qt::Key_Right);
    QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Ring 2, position 2, on"));
    QTest::keyClick(&f.view, Qt::Key_Space);
    QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Ring 2, position 2, off"));
}

QTEST_MAIN(tst_LedPanelView)
#include "tst_ledpanelview.moc"
