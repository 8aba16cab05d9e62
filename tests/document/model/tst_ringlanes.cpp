#include "model/ItemFactory.h"
#include "model/RingGeometry.h"
#include "model/RingLanes.h"
#include "views/LanePainter.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

// Lanes against the board: a column names the LED the board draws at that
// place, and the picture's cells map back to the rows and columns drawn.
class tst_RingLanes : public QObject
{
    Q_OBJECT

private slots:
    void lanesFollowTheBoard_data();
    void lanesFollowTheBoard();
    void linesMoveEvenly();
    void cellsHitBack();
};

namespace {
// Degrees from a to b turning clockwise on a drawing, in [0, 360).
double clockwise(double a, double b)
{
    return std::fmod(std::fmod(b - a, 360.0) + 360.0, 360.0);
}
} // namespace

void tst_RingLanes::lanesFollowTheBoard_data()
{
    QTest::addColumn<int>("side");
    QTest::addRow("bottom") << int(Bottom);
    QTest::addRow("top") << int(Top);
}

void tst_RingLanes::lanesFollowTheBoard()
{
    QFETCH(int, side);
    const auto panelSide = eLedPanelSide(side);
    for (int ring = 0; ring < RingGeometry::Rings; ++ring) {
        const int first = RingLanes::ledAt(ring, 0, panelSide);
        QCOMPARE(RingGeometry::angleOf(first, panelSide), -90.0);
        for (int column = 0; column < RingGeometry::PositionsPerRing; ++column) {
            const int led = RingLanes::ledAt(ring, column, panelSide);
            const int next = RingLanes::ledAt(ring, column + 1, panelSide);
            QCOMPARE(RingGeometry::ringOf(led), ring);
            QCOMPARE(RingLanes::columnOf(led, panelSide), column);
            const double turn
                = clockwise(RingGeometry::angleOf(led, panelSide), RingGeometry::angleOf(next, panelSide));
            QVERIFY2(
                qFuzzyCompare(turn, RingGeometry::DegreesPerPosition), qPrintable(QString::number(column)));
        }
    }
}

void tst_RingLanes::linesMoveEvenly()
{
    QRandomGenerator random(27);
    const int n = RingGeometry::PositionsPerRing;
    for (int i = 0; i < 5000; ++i) {
        const int a = random.bounded(-5, 60);
        const int b = random.bounded(-5, 60);
        const int p = random.bounded(n);
        const int q = random.bounded(n);
        const bool longWay = random.bounded(2);
        const QVector<int> line = RingLanes::linePositions(a, p, b, q, longWay);
        const QString what
            = QStringLiteral("%1:%2 -> %3:%4 long %5").arg(a).arg(p).arg(b).arg(q).arg(longWay);
        QVERIFY2(line.size() == qAbs(b - a) + 1, qPrintable(what));
        QVERIFY2(line.last() == q && (a == b || line.first() == p), qPrintable(what));
        if (a == b)
            continue;
        // The way taken is the direction whose steps are smallest: one
        // direction throughout, steps even, short or long way as asked.
        QPair<int, int> way[2];
        for (int d = 0; d < 2; ++d) {
            for (int k = 1; k < line.size(); ++k) {
                const int step = RingLanes::wrapPosition((d ? -1 : 1) * (line.at(k) - line.at(k - 1)));
                way[d] = { way[d].first + step, qMax(way[d].second, step) };
            }
        }
        const int steps = qAbs(b - a);
        const auto [travelled, largest] = way[way[1].second < way[0].second ? 1 : 0];
        QVERIFY2(travelled < n, qPrintable(what));
        QVERIFY2(largest <= (travelled + steps - 1) / steps, qPrintable(what));
        // One step says nothing of the way round.
        if (p != q && steps > 1)
            QVERIFY2(longWay ? travelled >= n / 2 : travelled <= n / 2, qPrintable(what));
    }
}

void tst_RingLanes::cellsHitBack()
{
    AbstractTreeItem list;
    for (int i = 0; i < 30; ++i)
        ItemFactory::create(i % 7 == 3 ? AbstractTreeItem::Stop : AbstractTreeItem::LedStates, &list);
    LanePainter painter;
    painter.setRows(LaneRows(&list));
    QRandomGenerator random(4);
    for (int i = 0; i < 2000; ++i) {
        painter.setZoom(random.bounded(1, 20), random.bounded(1, 20));
        painter.setSide(eLedPanelSide(random.bounded(2)));
        const LanePainter::Cell cell
            = { random.bounded(painter.rows().count()), random.bounded(4), random.bounded(48) };
        const QRect rect = painter.cellRect(cell.row, cell.lane, cell.column);
        const QPoint corner
            = rect.topLeft() + QPoint(random.bounded(rect.width()), random.bounded(rect.height()));
        const LanePainter::Cell hit = painter.cellAt(corner);
        QVERIFY(hit.row == cell.row && hit.lane == cell.lane && hit.column == cell.column);
        QCOMPARE(painter.ledAt(hit),
            painter.rows().at(cell.row).isBand() ? -1
                                                 : RingLanes::ledAt(cell.lane, cell.column, painter.side()));
        QVERIFY(painter.rowAt(painter.rowTop(cell.row) - 1) == cell.row - 1);
    }
}

QTEST_GUILESS_MAIN(tst_RingLanes)
#include "tst_ringlanes.moc"
