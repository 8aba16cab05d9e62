#include "model/FrameRuns.h"
#include "model/FrameTools.h"

#include <QtTest>

namespace {

// A frame with the given LEDs lit.
QVector<int> lit(std::initializer_list<int> leds)
{
    QVector<int> frame(192, 0);
    for (int led : leds)
        frame[led] = 1;
    return frame;
}

QVector<int> litOf(const QVector<int>& frame)
{
    QVector<int> on;
    for (int k = 0; k < frame.size(); ++k) {
        if (frame.at(k))
            on << k;
    }
    return on;
}

} // namespace

class tst_FrameTools : public QObject
{
    Q_OBJECT

private slots:
    void rotated_data();
    void rotated();
    void mirrored_data();
    void mirrored();
    void shiftedRings_data();
    void shiftedRings();
    void inverted();
    void symmetryImages_data();
    void symmetryImages();
    void spin_data();
    void spin();
    void runs_data();
    void runs();
};

void tst_FrameTools::rotated_data()
{
    QTest::addColumn<QVector<int>>("frame");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("rings");
    QTest::addColumn<QVector<int>>("expected");

    QTest::addRow("one forward") << lit({ 0, 47 }) << 1 << 0xF << QVector<int> { 0, 1 };
    QTest::addRow("backward wraps") << lit({ 0, 49 }) << -1 << 0xF << QVector<int> { 47, 48 };
    QTest::addRow("full turn") << lit({ 5, 100 }) << 48 << 0xF << QVector<int> { 5, 100 };
    QTest::addRow("many turns back") << lit({ 5 }) << -97 << 0xF << QVector<int> { 4 };
    QTest::addRow("outer ring only") << lit({ 0, 144 }) << 2 << 0x8 << QVector<int> { 0, 146 };
    QTest::addRow("no ring chosen") << lit({ 0, 144 }) << 2 << 0 << QVector<int> { 0, 144 };
}

void tst_FrameTools::rotated()
{
    QFETCH(QVector<int>, frame);
    QFETCH(int, steps);
    QFETCH(int, rings);
    QFETCH(QVector<int>, expected);
    QCOMPARE(litOf(FrameTools::rotated(frame, steps, rings)), expected);
}

void tst_FrameTools::mirrored_data()
{
    QTest::addColumn<QVector<int>>("frame");
    QTest::addColumn<int>("axis");
    QTest::addColumn<QVector<int>>("expected");

    // Position 0 and 24 lie on the vertical axis, 12 and 36 on the horizontal.
    QTest::addRow("vertical keeps its axis")
        << lit({ 0, 24, 72 }) << int(Qt::Vertical) << QVector<int> { 0, 24, 72 };
    QTest::addRow("vertical swaps sides") << lit({ 1, 60 }) << int(Qt::Vertical) << QVector<int> { 47, 84 };
    QTest::addRow("horizontal keeps its axis")
        << lit({ 12, 36 }) << int(Qt::Horizontal) << QVector<int> { 12, 36 };
    QTest::addRow("horizontal swaps top and bottom")
        << lit({ 0, 25, 144 }) << int(Qt::Horizontal) << QVector<int> { 24, 47, 168 };
}

void tst_FrameTools::mirrored()
{
    QFETCH(QVector<int>, frame);
    QFETCH(int, axis);
    QFETCH(QVector<int>, expected);
    const QVector<int> once = FrameTools::mirrored(frame, Qt::Orientation(axis));
    QCOMPARE(litOf(once), expected);
    QCOMPARE(FrameTools::mirrored(once, Qt::Orientation(axis)), frame);
}

void tst_FrameTools::shiftedRings_data()
{
    QTest::addColumn<QVector<int>>("frame");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QVector<int>>("expected");

    QTest::addRow("outward") << lit({ 3, 50 }) << 1 << QVector<int> { 51, 98 };
    QTest::addRow("outer ring falls off") << lit({ 150, 10 }) << 1 << QVector<int> { 58 };
    QTest::addRow("inward") << lit({ 3, 50 }) << -1 << QVector<int> { 2 };
    QTest::addRow("past every ring") << lit({ 3, 150 }) << 4 << QVector<int> {};
    QTest::addRow("none") << lit({ 3, 150 }) << 0 << QVector<int> { 3, 150 };
}

void tst_FrameTools::shiftedRings()
{
    QFETCH(QVector<int>, frame);
    QFETCH(int, steps);
    QFETCH(QVector<int>, expected);
    QCOMPARE(litOf(FrameTools::shiftedRings(frame, steps)), expected);
}

void tst_FrameTools::inverted()
{
    QVector<int> frame(192, 0);
    frame[0] = 1;
    frame[1] = 5; // any value that is on
    const QVector<int> result = FrameTools::inverted(frame);
    QCOMPARE(result.mid(0, 3), (QVector<int> { 0, 0, 1 }));
    QCOMPARE(litOf(result).size(), 190);
}

void tst_FrameTools::symmetryImages_data()
{
    QTest::addColumn<int>("led");
    QTest::addColumn<int>("order");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<QVector<int>>("expected");

    QTest::addRow("none") << 5 << 1 << false << QVector<int> { 5 };
    QTest::addRow("mirror alone") << 5 << 1 << true << QVector<int> { 5, 43 };
    QTest::addRow("two-fold") << 5 << 2 << false << QVector<int> { 5, 29 };
    QTest::addRow("six-fold stays in its ring")
        << 100 << 6 << false << QVector<int> { 100, 108, 116, 124, 132, 140 };
    QTest::addRow("four-fold mirrored") << 49 << 4 << true << QVector<int> { 49, 59, 61, 71, 73, 83, 85, 95 };
    QTest::addRow("on the axis the images coincide") << 0 << 2 << true << QVector<int> { 0, 24 };
    QTest::addRow("order not dividing 48 acts as none") << 7 << 5 << false << QVector<int> { 7 };
    QTest::addRow("every position") << 150 << 48 << false << [] {
        QVector<int> all;
        for (int k = 144; k < 192; ++k)
            all << k;
        return all;
    }();
}

void tst_FrameTools::symmetryImages()
{
    QFETCH(int, led);
    QFETCH(int, order);
    QFETCH(bool, mirror);
    QFETCH(QVector<int>, expected);
    QCOMPARE(FrameTools::symmetryImages(led, order, mirror), expected);
}

void tst_FrameTools::spin_data()
{
    QTest::addColumn<QVector<int>>("frame");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("rings");
    QTest::addColumn<int>("count");
    QTest::addColumn<QVector<int>>("last");

    QTest::addRow("one LED, step one") << lit({ 0 }) << 1 << 0xF << 47 << QVector<int> { 47 };
    QTest::addRow("step four") << lit({ 0 }) << 4 << 0xF << 11 << QVector<int> { 44 };
    QTest::addRow("backward") << lit({ 0 }) << -6 << 0xF << 7 << QVector<int> { 6 };
    QTest::addRow("pattern of period 12")
        << lit({ 0, 12, 24, 36 }) << 1 << 0xF << 11 << QVector<int> { 11, 23, 35, 47 };
    QTest::addRow("full ring never changes") << [] {
        QVector<int> frame(192, 0);
        std::fill(frame.begin() + 48, frame.begin() + 96, 1);
        return frame;
    }() << 1 << 0xF << 0 << QVector<int> {};
    QTest::addRow("unchosen ring stays") << lit({ 0, 48 }) << 24 << 0x2 << 1 << QVector<int> { 0, 72 };
    QTest::addRow("no step") << lit({ 0 }) << 0 << 0xF << 0 << QVector<int> {};
}

void tst_FrameTools::spin()
{
    QFETCH(QVector<int>, frame);
    QFETCH(int, steps);
    QFETCH(int, rings);
    QFETCH(int, count);
    QFETCH(QVector<int>, last);
    const QList<QVector<int>> frames = FrameTools::spin(frame, steps, rings);
    QCOMPARE(frames.size(), count);
    if (count > 0)
        QCOMPARE(litOf(frames.last()), last);
}

void tst_FrameTools::runs_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("count");
    QTest::addColumn<QVector<int>>("expected");

    QTest::addRow("hold one frame") << int(FrameRuns::Hold) << 1 << 3 << QVector<int> { 0, 0, 0, 0 };
    QTest::addRow("hold copies the run's last") << int(FrameRuns::Hold) << 2 << 1 << QVector<int> { 0, 1, 1 };
    QTest::addRow("repeat twice") << int(FrameRuns::Repeat) << 2 << 2 << QVector<int> { 0, 1, 0, 1, 0, 1 };
    QTest::addRow("reverse") << int(FrameRuns::Reverse) << 4 << 0 << QVector<int> { 3, 2, 1, 0 };
    QTest::addRow("ping-pong") << int(FrameRuns::PingPong) << 3 << 0 << QVector<int> { 0, 1, 2, 1, 0 };
    QTest::addRow("ping-pong of one frame") << int(FrameRuns::PingPong) << 1 << 0 << QVector<int> { 0 };
    QTest::addRow("no run") << int(FrameRuns::Repeat) << 0 << 5 << QVector<int>();
}

void tst_FrameTools::runs()
{
    QFETCH(int, kind);
    QFETCH(int, length);
    QFETCH(int, count);
    QFETCH(QVector<int>, expected);
    QCOMPARE(FrameRuns::order(FrameRuns::Kind(kind), length, count), expected);
}

QTEST_APPLESS_MAIN(tst_FrameTools)
#include "tst_frametools.moc"
