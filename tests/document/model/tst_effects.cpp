#include "model/Effects.h"
#include "model/FrameTools.h"

#include <QRandomGenerator>
#include <QtTest>

#include <bitset>

Q_DECLARE_METATYPE(EffectRequest)

namespace {

using Frames = QList<QVector<int>>;
using Lit = QList<QVector<int>>;

// LEDs first .. last, both included.
QVector<int> range(int first, int last)
{
    QVector<int> leds;
    for (int k = first; k <= last; ++k)
        leds << k;
    return leds;
}

// The LEDs of both, in order.
QVector<int> both(QVector<int> a, const QVector<int>& b)
{
    a += b;
    std::sort(a.begin(), a.end());
    return a;
}

QVector<int> frameOf(const QVector<int>& leds)
{
    QVector<int> frame(192, 0);
    for (int led : leds)
        frame[led] = 1;
    return frame;
}

Lit litOf(const Frames& frames)
{
    Lit all;
    for (const QVector<int>& frame : frames) {
        QVector<int> on;
        for (int k = 0; k < frame.size(); ++k) {
            if (frame.at(k))
                on << k;
        }
        all << on;
    }
    return all;
}

bool darkOutside(const QVector<int>& frame, int ringMask)
{
    for (int k = 0; k < frame.size(); ++k) {
        if (!(ringMask & (1 << (k / 48))) && frame.at(k))
            return false;
    }
    return true;
}

int differences(const QVector<int>& a, const QVector<int>& b)
{
    int count = 0;
    for (int k = 0; k < a.size(); ++k)
        count += a.at(k) != b.at(k);
    return count;
}

QVector<int> randomFrame(QRandomGenerator& random)
{
    QVector<int> frame(192);
    for (int& led : frame)
        led = int(random.bounded(2));
    return frame;
}

EffectRequest request(EffectRequest::Kind kind, const std::function<void(EffectRequest&)>& set)
{
    EffectRequest r;
    r.kind = kind;
    set(r);
    return r;
}

} // namespace

class tst_Effects : public QObject
{
    Q_OBJECT

private slots:
    void chase_data();
    void chase();
    void fill_data();
    void fill();
    void ripple_data();
    void ripple();
    void blink_data();
    void blink();
    void badParameters_data();
    void badParameters();
    void kindKeys();

    void chaseProperties();
    void fillProperties();
    void dissolveProperties();
    void twinkleProperties();
    void easedOffset_data();
    void easedOffset();
    void easedChaseTurnsItsFirstFrame();
    void placedProperties();
};

void tst_Effects::easedOffset_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("ease");
    QTest::addColumn<QVector<qint64>>("offsets");

    using E = EffectRequest;
    QTest::addRow("linear") << 3 << 4 << int(E::Linear) << QVector<qint64> { 0, 3, 6, 9 };
    QTest::addRow("in") << 1 << 5 << int(E::EaseIn) << QVector<qint64> { 0, 0, 1, 2, 4 };
    QTest::addRow("out") << 1 << 5 << int(E::EaseOut) << QVector<qint64> { 0, 2, 3, 4, 4 };
    QTest::addRow("in-out") << 1 << 5 << int(E::EaseInOut) << QVector<qint64> { 0, 1, 2, 3, 4 };
    // floor(x + 1/2) also below zero: -0.75 gives -1, -2.25 gives -2.
    QTest::addRow("in, backwards") << -3 << 5 << int(E::EaseIn) << QVector<qint64> { 0, -1, -3, -7, -12 };
    QTest::addRow("one frame does not move") << 7 << 1 << int(E::EaseOut) << QVector<qint64> { 0 };
}

void tst_Effects::easedOffset()
{
    QFETCH(int, step);
    QFETCH(int, count);
    QFETCH(int, ease);
    QFETCH(QVector<qint64>, offsets);
    QVector<qint64> got;
    for (int f = 0; f < count; ++f)
        got << Effects::easedOffset(step, count, f, EffectRequest::Ease(ease));
    QCOMPARE(got, offsets);
}

// Every frame of a chase, eased or not, is its first frame turned by the
// frame's offset: the pace changes, never the shape.
void tst_Effects::easedChaseTurnsItsFirstFrame()
{
    // The largest step goes the whole way, exactly, without overflowing.
    for (int ease = EffectRequest::Linear; ease <= EffectRequest::EaseInOut; ++ease)
        QCOMPARE(
            Effects::easedOffset(INT_MAX, 2000, 1999, EffectRequest::Ease(ease)), qint64(INT_MAX) * 1999);
    QRandomGenerator random(77);
    for (int run = 0; run < 200; ++run) {
        const auto ease = EffectRequest::Ease(random.bounded(4));
        const int rings = 1 + int(random.bounded(15));
        const int step = int(random.bounded(-60, 60));
        const int count = 1 + int(random.bounded(40));
        const Frames frames = Effects::chase(rings, 1 + int(random.bounded(5)), 1, step, count, ease);
        QCOMPARE(frames.size(), count);
        for (int f = 0; f < count; ++f) {
            const int turn = int(Effects::easedOffset(step, count, f, ease) % 48);
            QCOMPARE(frames.at(f), FrameTools::rotated(frames.first(), turn, rings));
        }
    }
}

// Random effects laid over random frames: each combination does what it
// says inside the effect's rings and keeps everything else.
void tst_Effects::placedProperties()
{
    QRandomGenerator random(4321);
    using E = EffectRequest;
    for (int run = 0; run < 200; ++run) {
        E r;
        r.kind = E::Kind(random.bounded(E::KindCount));
        r.ringMask = 1 + int(random.bounded(15));
        r.count = 1 + int(random.bounded(12));
        r.step = 1 + int(random.bounded(5));
        const QVector<int> shown = randomFrame(random);
        const Frames effect = Effects::generate(r, shown, randomFrame(random));
        Frames list;
        for (int k = 0, n = int(random.bounded(20)); k < n; ++k)
            list << randomFrame(random);
        list << QVector<int>(192, 2); // values above 1 count as on
        // Replace, inserted on dark frames: the effect as it is.
        QCOMPARE(Effects::placed(r, effect, list, int(random.bounded(list.size() + 1))), effect);

        r.over = true;
        const int n = 1 + int(random.bounded(list.size()));
        const int rings = Effects::ringsOf(r);
        r.combine = E::Toggle;
        Frames toggled = Effects::placed(r, effect, list, n);
        Frames twice = Effects::placed(r, effect, toggled, 1);
        r.combine = E::Add;
        const Frames added = Effects::placed(r, effect, list, n);
        r.combine = E::Remove;
        const Frames removed = Effects::placed(r, effect, added, 1);
        for (int k = 0; k < effect.size(); ++k) {
            // Past the list's end frames start dark; a spin's on the frame it turns.
            const QVector<int> base = n - 1 + k < list.size() ? list.at(n - 1 + k)
                : r.kind == E::Spin                           ? effect.at(k)
                                                              : QVector<int>(192, 0);
            for (int led = 0; led < 192; ++led) {
                const bool inside = rings & (1 << (led / 48));
                const int b = inside ? int(base.at(led) >= 1) : base.at(led);
                QCOMPARE(twice.at(k).at(led), b);
                QCOMPARE(removed.at(k).at(led), effect.at(k).at(led) && inside ? 0 : b);
            }
        }
    }
}

void tst_Effects::chase_data()
{
    QTest::addColumn<int>("rings");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("heads");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("count");
    QTest::addColumn<Lit>("expected");

    QTest::addRow("one head runs up")
        << 0x1 << 3 << 1 << 1 << 3 << Lit { { 0, 1, 2 }, { 1, 2, 3 }, { 2, 3, 4 } };
    QTest::addRow("negative step wraps below 0") << 0x1 << 2 << 1 << -1 << 2 << Lit { { 0, 1 }, { 0, 47 } };
    QTest::addRow("four heads, outer ring") << 0x8 << 1 << 4 << 0 << 1 << Lit { { 144, 156, 168, 180 } };
    QTest::addRow("a step past a turn is the rest") << 0x2 << 1 << 1 << 49 << 2 << Lit { { 48 }, { 49 } };
    QTest::addRow("two rings turn together")
        << 0x5 << 1 << 2 << 5 << 2 << Lit { { 0, 24, 96, 120 }, { 5, 29, 101, 125 } };
    QTest::addRow("length of a whole period lights the rings")
        << 0x1 << 12 << 4 << 3 << 1 << Lit { range(0, 47) };
}

void tst_Effects::chase()
{
    QFETCH(int, rings);
    QFETCH(int, length);
    QFETCH(int, heads);
    QFETCH(int, step);
    QFETCH(int, count);
    QFETCH(Lit, expected);

    const Frames frames = Effects::chase(rings, length, heads, step, count);
    QCOMPARE(litOf(frames), expected);
    const EffectRequest r = request(EffectRequest::Chase, [&](EffectRequest& r) {
        r.ringMask = rings;
        r.length = length;
        r.heads = heads;
        r.step = step;
        r.count = count;
    });
    QCOMPARE(Effects::generate(r, {}), frames);
    QCOMPARE(Effects::problem(r, {}), QString());
}

void tst_Effects::fill_data()
{
    QTest::addColumn<int>("rings");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("perFrame");
    QTest::addColumn<bool>("thenEmpty");
    QTest::addColumn<Lit>("expected");

    QTest::addRow("thirds up from 0")
        << 0x1 << 0 << 1 << 16 << false << Lit { range(0, 15), range(0, 31), range(0, 47) };
    QTest::addRow("down from 0 wraps to 47")
        << 0x1 << 0 << -1 << 16 << false
        << Lit { both({ 0 }, range(33, 47)), both({ 0 }, range(17, 47)), range(0, 47) };
    QTest::addRow("from 40, a partial last frame")
        << 0x8 << 40 << 1 << 20 << false
        << Lit { both(range(184, 191), range(144, 155)), both(range(184, 191), range(144, 175)),
               range(144, 191) };
    QTest::addRow("start outside a turn") << 0x1 << -8 << 1 << 48 << false << Lit { range(0, 47) };
    QTest::addRow("then empty ends dark")
        << 0x2 << 0 << 1 << 24 << true << Lit { range(48, 71), range(48, 95), range(72, 95), {} };
    QTest::addRow("then empty backwards")
        << 0x1 << 10 << -1 << 40 << true
        << Lit { both(range(0, 10), range(19, 47)), range(0, 47), range(11, 18), {} };
}

void tst_Effects::fill()
{
    QFETCH(int, rings);
    QFETCH(int, start);
    QFETCH(int, direction);
    QFETCH(int, perFrame);
    QFETCH(bool, thenEmpty);
    QFETCH(Lit, expected);

    const Frames frames = Effects::fill(rings, start, direction, perFrame, thenEmpty);
    QCOMPARE(litOf(frames), expected);
    const EffectRequest r = request(EffectRequest::Fill, [&](EffectRequest& r) {
        r.ringMask = rings;
        r.start = start;
        r.direction = direction;
        r.perFrame = perFrame;
        r.thenEmpty = thenEmpty;
    });
    QCOMPARE(Effects::generate(r, {}), frames);
}

void tst_Effects::ripple_data()
{
    QTest::addColumn<bool>("outward");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("bounce");
    QTest::addColumn<Lit>("expected");

    const QVector<int> r0 = range(0, 47);
    const QVector<int> r1 = range(48, 95);
    const QVector<int> r2 = range(96, 143);
    const QVector<int> r3 = range(144, 191);
    QTest::addRow("outward, one ring") << true << 1 << false << Lit { r0, r1, r2, r3 };
    QTest::addRow("inward, two rings")
        << false << 2 << false << Lit { both(r2, r3), both(r1, r2), both(r0, r1) };
    QTest::addRow("outward and back") << true << 1 << true << Lit { r0, r1, r2, r3, r2, r1 };
    QTest::addRow("inward three rings and back")
        << false << 3 << true << Lit { both(r1, both(r2, r3)), both(r0, both(r1, r2)) };
    QTest::addRow("all four: one frame, also bouncing") << true << 4 << true << Lit { range(0, 191) };
}

void tst_Effects::ripple()
{
    QFETCH(bool, outward);
    QFETCH(int, width);
    QFETCH(bool, bounce);
    QFETCH(Lit, expected);

    QCOMPARE(litOf(Effects::ripple(outward, width, bounce)), expected);
}

void tst_Effects::blink_data()
{
    QTest::addColumn<int>("times");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<Lit>("expected");

    QTest::addRow("twice dark") << 2 << false << Lit { { 3, 190 }, {}, { 3, 190 }, {} };
    QTest::addRow("once inverted") << 1 << true
                                   << Lit { { 3, 190 }, both(range(0, 2), both(range(4, 189), { 191 })) };
}

void tst_Effects::blink()
{
    QFETCH(int, times);
    QFETCH(bool, invert);
    QFETCH(Lit, expected);

    const QVector<int> shown = frameOf({ 3, 190 });
    QCOMPARE(litOf(Effects::blink(shown, times, invert)), expected);
    const EffectRequest r = request(EffectRequest::Blink, [&](EffectRequest& r) {
        r.times = times;
        r.invert = invert;
    });
    QCOMPARE(litOf(Effects::generate(r, shown)), expected);
}

void tst_Effects::badParameters_data()
{
    QTest::addColumn<EffectRequest>("request");
    QTest::addColumn<QVector<int>>("shown");
    QTest::addColumn<QVector<int>>("to");

    const QVector<int> frame = frameOf({ 1 });
    using R = EffectRequest;
    auto chase = [](int length, int heads, int count) {
        return request(R::Chase, [=](R& r) {
            r.length = length;
            r.heads = heads;
            r.count = count;
        });
    };
    QTest::addRow("chase: heads not dividing 48") << chase(1, 5, 10) << frame << frame;
    QTest::addRow("chase: no heads") << chase(1, 0, 10) << frame << frame;
    QTest::addRow("chase: more heads than positions") << chase(1, 96, 10) << frame << frame;
    QTest::addRow("chase: length 0") << chase(0, 1, 10) << frame << frame;
    QTest::addRow("chase: length past the period") << chase(13, 4, 10) << frame << frame;
    QTest::addRow("chase: no frames") << chase(1, 1, 0) << frame << frame;
    QTest::addRow("chase: too many frames") << chase(1, 1, 2001) << frame << frame;
    auto fill = [](int direction, int perFrame) {
        return request(R::Fill, [=](R& r) {
            r.direction = direction;
            r.perFrame = perFrame;
        });
    };
    QTest::addRow("fill: no LEDs per frame") << fill(1, 0) << frame << frame;
    QTest::addRow("fill: direction 0") << fill(0, 1) << frame << frame;
    QTest::addRow("fill: direction 2") << fill(2, 1) << frame << frame;
    auto ripple = [](int width) { return request(R::Ripple, [=](R& r) { r.width = width; }); };
    QTest::addRow("ripple: width 0") << ripple(0) << frame << frame;
    QTest::addRow("ripple: width 5") << ripple(5) << frame << frame;
    auto blink = [](int times) { return request(R::Blink, [=](R& r) { r.times = times; }); };
    QTest::addRow("blink: no times") << blink(0) << frame << frame;
    QTest::addRow("blink: past the frame limit") << blink(1001) << frame << frame;
    QTest::addRow("blink: no shown frame") << blink(2) << QVector<int>() << frame;
    auto dissolve = [](int count) { return request(R::Dissolve, [=](R& r) { r.count = count; }); };
    QTest::addRow("dissolve: no frames") << dissolve(0) << frame << frame;
    QTest::addRow("dissolve: too many frames") << dissolve(2001) << frame << frame;
    QTest::addRow("dissolve: short target") << dissolve(4) << frame << QVector<int>(191, 0);
    QTest::addRow("dissolve: no shown frame") << dissolve(4) << QVector<int>() << frame;
    auto twinkle = [](int density, int count) {
        return request(R::Twinkle, [=](R& r) {
            r.density = density;
            r.count = count;
        });
    };
    QTest::addRow("twinkle: density below 0") << twinkle(-1, 5) << frame << frame;
    QTest::addRow("twinkle: density past 100") << twinkle(101, 5) << frame << frame;
    QTest::addRow("twinkle: no frames") << twinkle(50, 0) << frame << frame;
    auto spin = [](int step) { return request(R::Spin, [=](R& r) { r.step = step; }); };
    QTest::addRow("spin: no shown frame") << spin(1) << QVector<int>() << frame;
    QTest::addRow("spin: a step that changes nothing") << spin(48) << frame << frame;
    QTest::addRow("spin: a pattern every turn keeps") << spin(1) << QVector<int>(192, 1) << frame;
}

void tst_Effects::badParameters()
{
    QFETCH(EffectRequest, request);
    QFETCH(QVector<int>, shown);
    QFETCH(QVector<int>, to);

    QVERIFY(Effects::generate(request, shown, to).isEmpty());
    QVERIFY(!Effects::problem(request, shown, to).isEmpty());
}

void tst_Effects::kindKeys()
{
    for (int k = 0; k < EffectRequest::KindCount; ++k) {
        EffectRequest::Kind kind = EffectRequest::Spin;
        QVERIFY(Effects::kindFromKey(Effects::kindKey(EffectRequest::Kind(k)), &kind));
        QCOMPARE(int(kind), k);
        QVERIFY(!Effects::kindText(kind).isEmpty());
    }
    EffectRequest::Kind kind = EffectRequest::Spin;
    QVERIFY(!Effects::kindFromKey(QStringLiteral("Chase"), &kind));
    QVERIFY(!Effects::kindFromKey(QString(), &kind));
}

void tst_Effects::chaseProperties()
{
    QRandomGenerator random(1234);
    const int divisors[] = { 1, 2, 3, 4, 6, 8, 12, 16, 24, 48 };
    for (int run = 0; run < 300; ++run) {
        const int rings = int(random.bounded(16));
        const int heads = divisors[random.bounded(10)];
        const int length = 1 + int(random.bounded(48 / heads));
        const int step = int(random.bounded(-200, 200));
        const int count = 1 + int(random.bounded(60));
        const Frames frames = Effects::chase(rings, length, heads, step, count);
        QCOMPARE(frames.size(), count);
        const int ringCount = std::bitset<4>(rings).count();
        for (int f = 0; f < count; ++f) {
            QVERIFY(darkOutside(frames.at(f), rings));
            QCOMPARE(litOf({ frames.at(f) }).first().size(), ringCount * heads * length);
            // Each frame is the one before turned by the step.
            if (f > 0)
                QCOMPARE(frames.at(f), FrameTools::rotated(frames.at(f - 1), step, rings));
        }
    }
}

void tst_Effects::fillProperties()
{
    QRandomGenerator random(99);
    for (int run = 0; run < 300; ++run) {
        const int rings = int(random.bounded(16));
        const int start = int(random.bounded(-100, 100));
        const int direction = random.bounded(2) ? 1 : -1;
        const int perFrame = 1 + int(random.bounded(60));
        const bool thenEmpty = random.bounded(2);
        const Frames frames = Effects::fill(rings, start, direction, perFrame, thenEmpty);
        const int n = (48 + perFrame - 1) / perFrame;
        QCOMPARE(frames.size(), thenEmpty ? 2 * n : n);
        const int ringCount = std::bitset<4>(rings).count();
        for (int f = 0; f < frames.size(); ++f) {
            QVERIFY(darkOutside(frames.at(f), rings));
            const int on = litOf({ frames.at(f) }).first().size();
            const int grown = qMin(48, ((f < n ? f : f - n) + 1) * perFrame);
            QCOMPARE(on, ringCount * (f < n ? grown : 48 - grown));
            // The start position is the first to light and the first to go.
            const int startLed = ((start % 48) + 48) % 48;
            for (int ring = 0; ring < 4; ++ring) {
                if (rings & (1 << ring))
                    QCOMPARE(frames.at(f).at(ring * 48 + startLed), f < n ? 1 : 0);
            }
        }
    }
}

void tst_Effects::dissolveProperties()
{
    QRandomGenerator random(4321);
    for (int run = 0; run < 200; ++run) {
        const QVector<int> from = randomFrame(random);
        const QVector<int> to = randomFrame(random);
        const int count = 1 + int(random.bounded(40));
        const quint32 seed = random.generate();
        const Frames frames = Effects::dissolve(from, to, count, seed);
        QCOMPARE(frames.size(), count);
        QCOMPARE(frames.last(), to);
        QCOMPARE(Effects::dissolve(from, to, count, seed), frames);
        const int d = differences(from, to);
        for (int f = 0; f < count; ++f) {
            // Every LED is either where it started or where it ends...
            for (int k = 0; k < 192; ++k) {
                QVERIFY(frames.at(f).at(k) == from.at(k) || frames.at(f).at(k) == to.at(k));
                // ...and one that has switched stays switched.
                if (f > 0 && frames.at(f - 1).at(k) != from.at(k))
                    QCOMPARE(frames.at(f).at(k), to.at(k));
            }
            QCOMPARE(differences(from, frames.at(f)), qRound(double(d) * (f + 1) / count));
        }
    }
    // Nothing to change: every frame is the one shown.
    for (const QVector<int>& frame : Effects::dissolve(frameOf({ 7 }), frameOf({ 7 }), 3, 5))
        QCOMPARE(frame, frameOf({ 7 }));
    // Another seed, another order.
    const QVector<int> dark(192, 0);
    const QVector<int> full(192, 1);
    QVERIFY(Effects::dissolve(dark, full, 10, 1) != Effects::dissolve(dark, full, 10, 2));
}

void tst_Effects::twinkleProperties()
{
    QRandomGenerator random(77);
    for (int run = 0; run < 20; ++run) {
        const int rings = 1 + int(random.bounded(15));
        // Never and always come first, and must be exact.
        const int density = run < 2 ? 100 * run : int(random.bounded(101));
        const quint32 seed = random.generate();
        const int count = 500;
        const Frames frames = Effects::twinkle(rings, density, count, seed);
        QCOMPARE(frames.size(), count);
        QCOMPARE(Effects::twinkle(rings, density, count, seed), frames);
        long on = 0;
        for (const QVector<int>& frame : frames) {
            QVERIFY(darkOutside(frame, rings));
            on += std::count(frame.cbegin(), frame.cend(), 1);
        }
        // Many thousand draws: the share lit lies within two percent.
        const double share = 100.0 * on / (double(count) * 48 * std::bitset<4>(rings).count());
        if (density % 100 == 0)
            QCOMPARE(share, double(density));
        QVERIFY2(
            qAbs(share - density) < 2.0, qPrintable(QStringLiteral("%1 % for %2 %").arg(share).arg(density)));
    }
}

QTEST_MAIN(tst_Effects)
#include "tst_effects.moc"
