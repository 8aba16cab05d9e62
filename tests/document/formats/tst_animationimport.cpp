#include "ResourceGuard.h"
#include "formats/AnimationExport.h"
#include "formats/AnimationImport.h"
#include "formats/JpegScans.h"
#include "player/RingFrameImage.h"

#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <gif_lib.h>

#include <functional>

namespace {

using Frame = QVector<int>;

// A program image that shows the frames one after the other, then stops.
QByteArray program(const QList<Frame>& frames)
{
    QByteArray image;
    for (const Frame& frame : frames) {
        QByteArray command(25, '\0');
        command[0] = 0x03;
        for (int led = 0; led < frame.size(); ++led) {
            if (frame.at(led))
                command[1 + led / 8] = char(command.at(1 + led / 8) | 1 << (led % 8));
        }
        image += command;
    }
    return image + char(0x00);
}

Frame randomFrame(QRandomGenerator& random)
{
    Frame frame(AnimationImport::LedCount);
    for (int& value : frame)
        value = int(random.bounded(2));
    return frame;
}

// Where an LED lies from the drawing's centre, seen from `side`: -1 left or
// above, 1 right or below, 0 on the middle line.
int sideOf(int led, eLedPanelSide side, Qt::Orientation across)
{
    const QPointF at = RingFrameImage::ledCentre(led, side, QPointF(0, 0), 1.0);
    const double offset = across == Qt::Horizontal ? at.x() : at.y();
    return qAbs(offset) < 1e-9 ? 0 : (offset < 0 ? -1 : 1);
}

// The frame a picture white on one half shows: an LED on the middle line is
// half white, which is exactly the default threshold.
Frame halfLit(eLedPanelSide side, Qt::Orientation across, bool firstHalfWhite, bool secondHalfWhite)
{
    Frame frame(AnimationImport::LedCount);
    for (int led = 0; led < frame.size(); ++led) {
        const int where = sideOf(led, side, across);
        frame[led] = where < 0 ? firstHalfWhite
            : where > 0        ? secondHalfWhite
                               : firstHalfWhite || secondHalfWhite;
    }
    return frame;
}

QString describe(const Frame& got, const Frame& expected)
{
    QStringList differ;
    for (int led = 0; led < expected.size(); ++led) {
        if (got.value(led) != expected.at(led))
            differ << QString::number(led);
    }
    return QStringLiteral("LEDs differing: ") + differ.join(QLatin1Char(' '));
}

// A GIF frame for the encoder below: a rectangle of the screen whose pixels
// get palette indices from `index`.
struct GifFrame
{
    QRect rect;
    int disposal = DISPOSAL_UNSPECIFIED;
    int transparent = NO_TRANSPARENT_COLOR;
    std::function<int(int x, int y)> index;
    QVector<QRgb> localColours;
    bool interlaced = false;
};

ColorMapObject* colourMap(const QVector<QRgb>& colours)
{
    GifColorType entries[256] = {};
    for (int i = 0; i < colours.size(); ++i)
        entries[i] = { GifByteType(qRed(colours[i])), GifByteType(qGreen(colours[i])),
            GifByteType(qBlue(colours[i])) };
    return GifMakeMapObject(256, entries);
}

bool writeGif(const QString& path, QSize screen, const QVector<QRgb>& colours, const QList<GifFrame>& frames)
{
    int code = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &code);
    if (!gif)
        return false;
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = colourMap(colours);
    bool ok = EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, 0, global) != GIF_ERROR;
    GifFreeMapObject(global);
    for (const GifFrame& frame : frames) {
        GraphicsControlBlock control {};
        control.DisposalMode = frame.disposal;
        control.TransparentColor = frame.transparent;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ColorMapObject* local = frame.localColours.isEmpty() ? nullptr : colourMap(frame.localColours);
        ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_ERROR
            && EGifPutImageDesc(gif, frame.rect.x(), frame.rect.y(), frame.rect.width(), frame.rect.height(),
                   frame.interlaced, local)
                != GIF_ERROR;
        if (local)
            GifFreeMapObject(local);
        QVector<int> rows;
        if (frame.interlaced) {
            for (auto pass :
                { std::make_pair(0, 8), std::make_pair(4, 8), std::make_pair(2, 4), std::make_pair(1, 2) })
                for (int y = pass.first; y < frame.rect.height(); y += pass.second)
                    rows << y;
        } else {
            for (int y = 0; y < frame.rect.height(); ++y)
                rows << y;
        }
        QVector<GifPixelType> line(frame.rect.width());
        for (int y : qAsConst(rows)) {
            for (int x = 0; x < line.size(); ++x)
                line[x] = GifPixelType(frame.index(frame.rect.x() + x, frame.rect.y() + y));
            ok = ok && EGifPutLine(gif, line.data(), line.size()) != GIF_ERROR;
        }
    }
    return EGifCloseFile(gif, &code) != GIF_ERROR && ok;
}

QImage halfWhitePicture(QSize size, Qt::Orientation across, bool firstHalf)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    const int w = size.width();
    const int h = size.height();
    const QRect half = across == Qt::Horizontal
        ? (firstHalf ? QRect(0, 0, w / 2, h) : QRect(w / 2, 0, w - w / 2, h))
        : (firstHalf ? QRect(0, 0, w, h / 2) : QRect(0, h / 2, w, h - h / 2));
    painter.fillRect(half, Qt::white);
    return picture;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray encoded(const QImage& image, const char* format, bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}

qint64 scansOf(const QByteArray& jpeg)
{
    return JpegScans::count(reinterpret_cast<const uchar*>(jpeg.constData()), jpeg.size());
}

// A small progressive JPEG whose last scan comes again until it has `scans`.
QByteArray progressiveJpeg(int scans)
{
    const QByteArray jpeg
        = encoded(::halfWhitePicture(QSize(64, 64), Qt::Vertical, true), "jpeg", true).chopped(2);
    const QByteArray last = jpeg.mid(jpeg.lastIndexOf("\xFF\xDA"));
    return jpeg + last.repeated(scans - int(scansOf(jpeg))) + "\xFF\xD9";
}

QStringList g_messages;
QtMessageHandler g_testHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    g_messages << message;
    g_testHandler(type, context, message);
}

// The grey of pixel (x, y) in a picture of side `side` with a white circle of
// `radius` on black centred on it: the share of the pixel the circle covers.
int circleGrey(int side, int radius, int x, int y)
{
    const auto distance
        = [side](double px, double py) { return std::hypot(px - side / 2.0, py - side / 2.0); };
    if (qAbs(distance(x + 0.5, y + 0.5) - radius) > 0.75)
        return distance(x + 0.5, y + 0.5) < radius ? 255 : 0;
    int inside = 0;
    for (int k = 0; k < 64; ++k)
        inside += distance(x + (k % 8 + 0.5) / 8, y + (k / 8 + 0.5) / 8) <= radius ? 1 : 0;
    return (inside * 255 + 32) / 64;
}

const QVector<QRgb> BlackWhite { qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0) };
constexpr int Black = 0;
constexpr int White = 1;

} // namespace

Q_DECLARE_METATYPE(GifFrame)

class tst_AnimationImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportReadsBack_data();
    void exportReadsBack();
    void halfWhitePicture_data();
    void halfWhitePicture();
    void threshold_data();
    void threshold();
    void outsideThePicture();
    void centredCircles_data();
    void centredCircles();
    void gifFrames_data();
    void gifFrames();
    void series_data();
    void series();
    void refused_data();
    void refused();
    void jpegScans();
    void offScreenFrames();
    void budgetBeforeDecoding();
    void libpngQuiet();

private:
    QTemporaryDir m_dir;
};

// Before any picture is read, so that the import's filter hands on to it.
void tst_AnimationImport::initTestCase()
{
    g_testHandler = qInstallMessageHandler(recordMessage);
}

void tst_AnimationImport::exportReadsBack_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("side");
    for (int size : { 128, 512, 1024 }) {
        QTest::addRow("%d px, top", size) << size << int(Top);
        QTest::addRow("%d px, bottom", size) << size << int(Bottom);
    }
}

// Random frames through the GIF and PNG exports and back, with the side of
// the export; the selection of frames and the inversion on the way.
void tst_AnimationImport::exportReadsBack()
{
    QFETCH(int, size);
    QFETCH(int, side);
    QRandomGenerator random(quint32(size * 2 + side));
    QList<Frame> frames { Frame(AnimationImport::LedCount, 1), Frame(AnimationImport::LedCount, 0) };
    for (int i = 0; i < 6; ++i)
        frames << randomFrame(random);

    AnimationExport::Options exported;
    exported.size = size;
    exported.side = eLedPanelSide(side);
    const QString gif = m_dir.filePath(QStringLiteral("export-%1-%2.gif").arg(size).arg(side));
    QString error;
    QVERIFY2(
        AnimationExport::writeGif(program(frames), PanelProgram::Variant::LsbFirst, exported, gif, &error),
        qPrintable(error));

    AnimationImport import;
    QVERIFY2(import.read({ gif }), qPrintable(import.errorString()));
    QCOMPARE(import.frameCount(), frames.size());
    AnimationImport::Options options;
    options.side = eLedPanelSide(side);
    const QList<Frame> read = import.frames(options);
    QCOMPARE(read.size(), frames.size());
    for (int i = 0; i < frames.size(); ++i)
        QVERIFY2(read.at(i) == frames.at(i),
            qPrintable(QStringLiteral("frame %1: ").arg(i) + describe(read.at(i), frames.at(i))));

    options.first = int(random.bounded(frames.size()));
    options.count = 1 + int(random.bounded(frames.size() - options.first));
    options.invert = true;
    const QList<Frame> some = import.frames(options);
    QCOMPARE(some.size(), options.count);
    for (int i = 0; i < some.size(); ++i) {
        for (int led = 0; led < AnimationImport::LedCount; ++led)
            QCOMPARE(some.at(i).at(led), 1 - frames.at(options.first + i).at(led));
    }

    const QString png = m_dir.filePath(QStringLiteral("export-%1-%2.png").arg(size).arg(side));
    RingFrameImage::Leds leds;
    for (int led = 0; led < AnimationImport::LedCount; ++led)
        leds[size_t(led)] = frames.last().at(led) != 0;
    QVERIFY2(AnimationExport::writePng(leds, size, eLedPanelSide(side), png, &error), qPrintable(error));
    QVERIFY2(import.read({ png }), qPrintable(import.errorString()));
    options = {};
    options.side = eLedPanelSide(side);
    QCOMPARE(import.frames(options), QList<Frame> { frames.last() });
}

void tst_AnimationImport::halfWhitePicture_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("across");
    QTest::addColumn<bool>("firstHalf");
    QTest::addColumn<int>("side");
    QTest::addRow("left half, top") << QSize(200, 200) << int(Qt::Horizontal) << true << int(Top);
    QTest::addRow("right half, bottom") << QSize(200, 200) << int(Qt::Horizontal) << false << int(Bottom);
    QTest::addRow("upper half, top") << QSize(200, 200) << int(Qt::Vertical) << true << int(Top);
    QTest::addRow("lower half, bottom") << QSize(200, 200) << int(Qt::Vertical) << false << int(Bottom);
    // Fitted centred into the square of the longer side.
    QTest::addRow("wide, left half") << QSize(300, 280) << int(Qt::Horizontal) << true << int(Top);
    QTest::addRow("tall, lower half") << QSize(290, 300) << int(Qt::Vertical) << false << int(Bottom);
}

void tst_AnimationImport::halfWhitePicture()
{
    QFETCH(QSize, size);
    QFETCH(int, across);
    QFETCH(bool, firstHalf);
    QFETCH(int, side);
    const auto orientation = Qt::Orientation(across);
    const QString path = m_dir.filePath(QStringLiteral("half-%1.png").arg(QTest::currentDataTag()));
    QVERIFY(::halfWhitePicture(size, orientation, firstHalf).save(path));

    AnimationImport import;
    QVERIFY2(import.read({ path }), qPrintable(import.errorString()));
    AnimationImport::Options options;
    options.side = eLedPanelSide(side);
    const Frame expected = halfLit(eLedPanelSide(side), orientation, firstHalf, !firstHalf);
    const Frame got = import.frame(0, options);
    QVERIFY2(got == expected, qPrintable(describe(got, expected)));
    // Every position of a half lies on it in each ring.
    int lit = 0;
    for (int value : got)
        lit += value;
    QCOMPARE(lit, 4 * 25);
}

void tst_AnimationImport::threshold_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<int>("expected");
    // 128 of 255 is 50.2 %, 127 is 49.8 %: the comparison is exact.
    QTest::addRow("just over half") << qRgb(128, 128, 128) << 50 << false << 1;
    QTest::addRow("just under half") << qRgb(127, 127, 127) << 50 << false << 0;
    QTest::addRow("inverted") << qRgb(128, 128, 128) << 50 << true << 0;
    QTest::addRow("strongest component counts") << qRgb(0, 0, 200) << 78 << false << 1;
    QTest::addRow("above the strongest") << qRgb(0, 0, 200) << 79 << false << 0;
    QTest::addRow("black at zero") << qRgb(0, 0, 0) << 0 << false << 1;
    QTest::addRow("white at 100") << qRgb(255, 255, 255) << 100 << false << 1;
    QTest::addRow("half transparent white") << qRgba(255, 255, 255, 100) << 40 << false << 0;
}

void tst_AnimationImport::threshold()
{
    QFETCH(QRgb, colour);
    QFETCH(int, threshold);
    QFETCH(bool, invert);
    QFETCH(int, expected);
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(colour);
    const QString path = m_dir.filePath(QStringLiteral("plain-%1.png").arg(QTest::currentDataTag()));
    QVERIFY(picture.save(path));
    AnimationImport import;
    QVERIFY2(import.read({ path }), qPrintable(import.errorString()));
    AnimationImport::Options options;
    options.threshold = threshold;
    options.invert = invert;
    QCOMPARE(import.frame(0, options), Frame(AnimationImport::LedCount, expected));
}

// The square a wide picture is fitted into reaches past its top and bottom:
// LEDs there see nothing, which is dark.
void tst_AnimationImport::outsideThePicture()
{
    QImage picture(300, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QString path = m_dir.filePath(QStringLiteral("strip.bmp"));
    QVERIFY(picture.save(path));
    AnimationImport import;
    QVERIFY2(import.read({ path }), qPrintable(import.errorString()));
    const Frame got = import.frame(0, {});
    for (int ring = 0; ring < 4; ++ring) {
        QCOMPARE(got.at(ring * 48), 0); // top
        QCOMPARE(got.at(ring * 48 + 24), 0); // bottom
        QCOMPARE(got.at(ring * 48 + 12), 1); // the sides
        QCOMPARE(got.at(ring * 48 + 36), 1);
    }
}

void tst_AnimationImport::gifFrames_data()
{
    QTest::addColumn<QList<GifFrame>>("frames");
    QTest::addColumn<QList<Frame>>("expected");
    const QRect screen(0, 0, 256, 256);
    const QRect leftHalf(0, 0, 128, 256);
    auto fill = [](int index) { return [index](int, int) { return index; }; };
    auto left = [](int x, int) { return x < 128 ? White : Black; };
    const Frame dark(AnimationImport::LedCount, 0);
    const Frame lit(AnimationImport::LedCount, 1);
    const Frame leftLit = halfLit(Bottom, Qt::Horizontal, true, false);
    const Frame rightLit = halfLit(Bottom, Qt::Horizontal, false, true);

    GifFrame white { screen, DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, fill(White), {}, false };
    GifFrame blackLeft { leftHalf, DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, fill(Black), {}, false };
    QTest::addRow("a frame over the last")
        << QList<GifFrame> { white, blackLeft } << QList<Frame> { lit, rightLit };
    GifFrame cleared = white;
    cleared.disposal = DISPOSE_BACKGROUND;
    GifFrame whiteLeft { leftHalf, DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, fill(White), {}, false };
    QTest::addRow("disposal 2 leaves it transparent")
        << QList<GifFrame> { cleared, whiteLeft } << QList<Frame> { lit, leftLit };
    GifFrame restored = blackLeft;
    restored.disposal = DISPOSE_PREVIOUS;
    GifFrame corner { QRect(0, 0, 2, 2), DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, fill(Black), {}, false };
    QTest::addRow("disposal 3 restores")
        << QList<GifFrame> { white, restored, corner } << QList<Frame> { lit, rightLit, lit };
    GifFrame holes { screen, DISPOSE_DO_NOT, 2, [](int x, int) { return x < 128 ? 2 : Black; }, {}, false };
    QTest::addRow("transparent index shows the frame under it")
        << QList<GifFrame> { white, holes } << QList<Frame> { lit, leftLit };
    GifFrame own { screen, DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, fill(0), { qRgb(250, 250, 250) }, true };
    GifFrame interlaced { screen, DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, left, {}, true };
    // The encoder keeps a frame's own colours until the next frame with
    // its own, so the frame with them comes last.
    QTest::addRow("interlaced, local colours")
        << QList<GifFrame> { interlaced, own } << QList<Frame> { leftLit, lit };
    GifFrame beyond { QRect(128, 0, 200, 256), DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, fill(White), {}, false };
    QTest::addRow("frame past the edge is cut") << QList<GifFrame> { beyond } << QList<Frame> { rightLit };
    GifFrame outside { QRect(300, 0, 50, 50), DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, fill(White), {}, false };
    QTest::addRow("frame off the screen") << QList<GifFrame> { outside } << QList<Frame> { dark };
    GifFrame first { leftHalf, DISPOSE_BACKGROUND, NO_TRANSPARENT_COLOR, fill(White), {}, false };
    QTest::addRow("transparent start") << QList<GifFrame> { first } << QList<Frame> { leftLit };
}

// Each frame as a viewer composes it from the frames before.
void tst_AnimationImport::gifFrames()
{
    QFETCH(QList<GifFrame>, frames);
    QFETCH(QList<Frame>, expected);
    const QString path = m_dir.filePath(QStringLiteral("frames-%1.gif").arg(QTest::currentDataTag()));
    QVERIFY(writeGif(path, QSize(256, 256), BlackWhite, frames));
    AnimationImport import;
    QVERIFY2(import.read({ path }), qPrintable(import.errorString()));
    const QList<Frame> got = import.frames({});
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < got.size(); ++i)
        QVERIFY2(got.at(i) == expected.at(i),
            qPrintable(QStringLiteral("frame %1: ").arg(i) + describe(got.at(i), expected.at(i))));
}

void tst_AnimationImport::series_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");
    QTest::addRow("numbers as numbers")
        << QStringList { "f10.png", "f2.png", "f1.png" } << QStringList { "f1.png", "f2.png", "f10.png" };
    QTest::addRow("leading zeros") << QStringList { "shot010.bmp", "shot9.bmp", "shot0011.bmp" }
                                   << QStringList { "shot9.bmp", "shot010.bmp", "shot0011.bmp" };
    QTest::addRow("case and second number") << QStringList { "B1-2.png", "a1-10.png", "a1-9.png" }
                                            << QStringList { "a1-9.png", "a1-10.png", "B1-2.png" };
    QTest::addRow("a GIF among stills")
        << QStringList { "p3.png", "p20.gif", "p100.png" } << QStringList { "p3.png", "p20.gif", "p100.png" };
}

// Pictures picked in any order come in name order, each adding its frames.
void tst_AnimationImport::series()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, sorted);
    QTemporaryDir dir;
    QStringList paths;
    for (const QString& name : names)
        paths << dir.filePath(name);
    QStringList expectedPaths;
    for (const QString& name : sorted)
        expectedPaths << dir.filePath(name);
    QCOMPARE(AnimationImport::seriesOrder(paths), expectedPaths);

    // The n-th picture in name order lights the first n positions of ring 0.
    QList<Frame> expected;
    for (int n = 0; n < sorted.size(); ++n) {
        RingFrameImage::Leds leds;
        Frame frame(AnimationImport::LedCount, 0);
        for (int p = 0; p <= n; ++p) {
            leds.set(size_t(p));
            frame[p] = 1;
        }
        const QString path = dir.filePath(sorted.at(n));
        if (path.endsWith(QLatin1String(".gif"))) {
            const RingFrameImage drawing(160, Bottom);
            const QImage image = drawing.image(leds);
            const QVector<QRgb> palette = drawing.palette();
            QVERIFY(writeGif(path, QSize(160, 160), palette,
                { GifFrame { QRect(0, 0, 160, 160), DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR,
                    [image](int x, int y) { return image.pixelIndex(x, y); }, {}, false } }));
        } else {
            QVERIFY(RingFrameImage(160, Bottom).image(leds).save(path));
        }
        expected << frame;
    }
    AnimationImport import;
    QVERIFY2(import.read(paths), qPrintable(import.errorString()));
    QCOMPARE(import.frames({}), expected);
}

void tst_AnimationImport::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reason");

    const QString valid = m_dir.filePath(QStringLiteral("valid.gif"));
    GifFrame plain { QRect(0, 0, 64, 64), DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR,
        [](int x, int y) { return (x ^ y) & 1; }, {}, false };
    QVERIFY(writeGif(valid, QSize(64, 64), BlackWhite, { plain, plain }));
    const QByteArray gif = contentsOf(valid);

    const QString wide = m_dir.filePath(QStringLiteral("wide.gif"));
    QVERIFY(writeGif(wide, QSize(4097, 2), BlackWhite,
        { GifFrame { QRect(0, 0, 1, 1), 0, -1, [](int, int) { return 0; }, {}, false } }));
    QTest::addRow("GIF screen too wide") << "wide.gif" << contentsOf(wide) << "4097 x 2";
    const QString tall = m_dir.filePath(QStringLiteral("tall.gif"));
    QVERIFY(writeGif(tall, QSize(16, 16), BlackWhite,
        { GifFrame { QRect(0, 0, 1, 5000), 0, -1, [](int, int) { return 0; }, {}, false } }));
    QTest::addRow("GIF frame too tall") << "tall.gif" << contentsOf(tall) << "1 x 5000";

    const QString many = m_dir.filePath(QStringLiteral("many.gif"));
    QList<GifFrame> dots;
    for (int i = 0; i <= AnimationImport::MaximumFrames; ++i)
        dots << GifFrame { QRect(i % 8, 0, 1, 1), 0, -1, [](int, int) { return 1; }, {}, false };
    QVERIFY(writeGif(many, QSize(8, 8), BlackWhite, dots));
    QTest::addRow("too many frames") << "many.gif" << contentsOf(many) << "at most 20000";

    // Frames that claim the whole screen with hardly any data: refused from
    // their sizes alone, before anything is decoded.
    QByteArray bomb = QByteArray("GIF89a\x00\x10\x00\x10\x80\x00\x00", 13) + QByteArray(6, '\xff');
    for (int i = 0; i < 513; ++i)
        bomb += QByteArray("\x2c\x00\x00\x00\x00\x00\x10\x00\x10\x00\x02\x01\x04\x00", 14);
    QTest::addRow("GIF of too many pixels") << "bomb.gif" << bomb + ';' << "too many pixels";
    QTest::addRow("GIF cut in its pixels") << "cut.gif" << gif.left(gif.size() / 2) << "truncated or corrupt";
    QTest::addRow("GIF without its end") << "noend.gif" << gif.left(gif.size() - 1) << "truncated or corrupt";
    // After the header, the screen and its 256 colours comes a block type.
    QTest::addRow("GIF unknown block")
        << "block.gif" << gif.left(13 + 768) + '\x99' + gif.mid(13 + 768) << "truncated or corrupt";
    QTest::addRow("GIF header only") << "header.gif" << gif.left(6) << "truncated or corrupt";

    QImage big(4097, 1, QImage::Format_RGB32);
    big.fill(Qt::white);
    const QString bigPng = m_dir.filePath(QStringLiteral("big.png"));
    QVERIFY(big.save(bigPng));
    QTest::addRow("PNG too wide") << "big.png" << contentsOf(bigPng) << "4097 x 1";
    QImage photo(300, 200, QImage::Format_RGB32);
    photo.fill(Qt::white);
    for (const char* format : { "png", "jpg", "bmp" }) {
        const QString path = m_dir.filePath(QStringLiteral("photo.") + QLatin1String(format));
        QVERIFY(photo.save(path));
        const QByteArray bytes = contentsOf(path);
        QTest::addRow("%s cut", format) << QStringLiteral("cut.") + QLatin1String(format)
                                        << bytes.left(bytes.size() * 2 / 3) << "truncated or corrupt";
    }
    QTest::addRow("JPEG of 101 scans") << "scans.jpg" << progressiveJpeg(101) << "of 101 scans";
    QByteArray giant = encoded(QImage(2, 2, QImage::Format_RGB32), "bmp");
    char size[8];
    qToLittleEndian<qint32>(60000, size);
    qToLittleEndian<qint32>(-60000, size + 4);
    giant.replace(18, 8, size, 8);
    QTest::addRow("BMP header of 60000 x 60000") << "giant.bmp" << giant << "60000 x 60000 pixels";
    QTest::addRow("text") << "notes.gif" << QByteArray("GIF is a picture format\n") << "not a picture";
    QTest::addRow("XPM is not offered")
        << "x.xpm" << QByteArray("/* XPM */\nstatic char* x[] = {\"1 1 1 1\", \". c #ffffff\", \".\"};\n")
        << "not a picture";
    QTest::addRow("empty") << "empty.png" << QByteArray() << "not a picture";
    QTest::addRow("a folder") << "." << QByteArray() << "not a picture file";
    QTest::addRow("missing") << "missing.gif" << QByteArray() << "does not exist";
}

// Refused quickly, in little memory, with the reason, and nothing read.
void tst_AnimationImport::refused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (name != QLatin1String(".") && name != QLatin1String("missing.gif"))
        QVERIFY(writeBytes(path, contents));

    // Pictures read before do not stay.
    const QString good = dir.filePath(QStringLiteral("good.png"));
    QVERIFY(::halfWhitePicture(QSize(64, 64), Qt::Horizontal, true).save(good));
    AnimationImport import;
    import.setPreviewSize(96);
    QVERIFY(import.read({ good }));
    QCOMPARE(import.frameCount(), 1);

    const ResourceGuard guard;
    QVERIFY(!import.read({ good, path }));
    QVERIFY2(guard.elapsedMs() < ReaderTimeGuardMs, qPrintable(QString::number(guard.elapsedMs())));
    QVERIFY2(guard.peakGrowthMb() < ReaderMemoryGuardMb, qPrintable(QString::number(guard.peakGrowthMb())));
    QVERIFY2(import.errorString().contains(reason), qPrintable(import.errorString()));
    QVERIFY2(import.errorString().contains(QDir::toNativeSeparators(path)), qPrintable(import.errorString()));
    QCOMPARE(import.frameCount(), 0);
    QVERIFY(import.preview(0).isNull());
    QVERIFY(import.frames({}).isEmpty());
}

// Random segments and scans, with stuffed bytes, restarts and fill bytes in
// the scans' data, counted as written; what follows the end is not.
void tst_AnimationImport::jpegScans()
{
    QRandomGenerator random(24);
    const QByteArray codes("\xC0\xC2\xC4\xDB\xDD\xE0\xE1\xEF\xFE\xDA", 10);
    for (int round = 0; round < 300; ++round) {
        QByteArray jpeg("\xFF\xD8");
        int scans = 0;
        for (int segment = int(random.bounded(20)); segment > 0; --segment) {
            const char code = codes.at(int(random.bounded(codes.size())));
            QByteArray body(int(random.bounded(40)), '\0');
            random.fillRange(reinterpret_cast<quint32*>(body.data()), body.size() / 4);
            jpeg += QByteArray(1 + int(random.bounded(2)), '\xFF') + code + char((body.size() + 2) >> 8)
                + char(body.size() + 2) + body;
            for (int i = code == '\xDA' ? int(random.bounded(60)) : 0; i > 0; --i) {
                const char byte = char(random.bounded(256));
                jpeg += byte == '\xFF' ? QByteArray("\xFF\x00", 2) : QByteArray(1, byte);
                if (random.bounded(10) == 0)
                    jpeg += QByteArray("\xFF\xFF\xD0", 3).right(2 + int(random.bounded(2)))
                        + char(random.bounded(8));
            }
            scans += code == '\xDA';
        }
        jpeg += "\xFF\xD9\xFF\xDA\x00\x02";
        QCOMPARE(scansOf(jpeg), qint64(scans));
    }
    const QString atLimit = m_dir.filePath(QStringLiteral("scans100.jpg"));
    QVERIFY(writeBytes(atLimit, progressiveJpeg(AnimationImport::MaximumScans)));
    AnimationImport import;
    QVERIFY2(import.read({ atLimit }), qPrintable(import.errorString()));
}

// Frames wholly off the screen, far over the pixel budget and with their
// pixels cut short, are never decoded; the frame before them still shows.
void tst_AnimationImport::offScreenFrames()
{
    const QString path = m_dir.filePath(QStringLiteral("offscreen.gif"));
    QVERIFY(writeGif(path, QSize(16, 16), BlackWhite,
        { GifFrame { QRect(0, 0, 16, 16), DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR,
            [](int, int) { return White; }, {}, false } }));
    // 4096 x 4096 at (16, 0), with one byte of pixels.
    const QByteArray offScreen("\x2c\x10\x00\x00\x00\x00\x10\x00\x10\x00\x02\x01\x04\x00", 14);
    QVERIFY(writeBytes(path, contentsOf(path).chopped(1) + offScreen.repeated(600) + ';'));
    AnimationImport import;
    QVERIFY2(import.read({ path }), qPrintable(import.errorString()));
    QCOMPARE(import.frameCount(), 601);
    QCOMPARE(import.frame(600, {}), Frame(AnimationImport::LedCount, 1));
}

// The whole series' headers are weighed before the first picture, whose
// pixels are missing, would be decoded.
void tst_AnimationImport::budgetBeforeDecoding()
{
    QImage white(4096, 4096, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QByteArray png = encoded(white, "png");
    QTemporaryDir dir;
    const QString headerOnly = dir.filePath(QStringLiteral("header.png"));
    QVERIFY(writeBytes(headerOnly, png.left(100) + png.right(12)));
    QStringList series;
    for (int i = 0; i <= AnimationImport::MaximumPixels / (4096 * 4096); ++i) {
        series << dir.filePath(QStringLiteral("f%1.png").arg(i));
        QVERIFY(QFile::link(headerOnly, series.last()));
    }
    AnimationImport import;
    QVERIFY(!import.read(series));
    QVERIFY2(import.errorString().contains(QLatin1String("f512.png holds too many pixels")),
        qPrintable(import.errorString()));
}

// A damaged colour profile makes libpng warn; its lines do not pass on,
// other messages do.
void tst_AnimationImport::libpngQuiet()
{
    QByteArray png = encoded(::halfWhitePicture(QSize(8, 8), Qt::Horizontal, true), "png");
    png.insert(8 + 25, QByteArray("\x00\x00\x00\x05iCCPbad\x00\x00\x00\x00\x00\x00", 17));
    const QString path = m_dir.filePath(QStringLiteral("profile.png"));
    QVERIFY(writeBytes(path, png));
    g_messages.clear();
    AnimationImport import;
    QVERIFY2(import.read({ path }), qPrintable(import.errorString()));
    qWarning("after the import");
    QCOMPARE(g_messages, QStringList { QStringLiteral("after the import") });
}

void tst_AnimationImport::centredCircles_data()
{
    QTest::addColumn<int>("side");
    QTest::addRow("even side") << 200;
    QTest::addRow("odd side") << 201;
}

// A circle growing from the picture's centre lights each ring all round or
// not at all, in every frame.
void tst_AnimationImport::centredCircles()
{
    QFETCH(int, side);
    QVector<QRgb> greys;
    for (int g = 0; g < 256; ++g)
        greys << qRgb(g, g, g);
    QList<GifFrame> frames;
    for (int radius = 0; radius <= side / 2; ++radius) {
        GifFrame frame;
        frame.rect = QRect(0, 0, side, side);
        frame.index = [side, radius](int x, int y) { return circleGrey(side, radius, x, y); };
        frames << frame;
    }
    const QString path = m_dir.filePath(QStringLiteral("circle-%1.gif").arg(side));
    QVERIFY(writeGif(path, QSize(side, side), greys, frames));
    AnimationImport import;
    QVERIFY2(import.read({ path }), qPrintable(import.errorString()));
    AnimationImport::Options options;
    for (int radius = 0; radius < frames.size(); ++radius) {
        for (eLedPanelSide seen : { Top, Bottom }) {
            options.side = seen;
            const Frame got = import.frame(radius, options);
            for (int ring = 0; ring < 4; ++ring) {
                const int lit = int(std::count(got.begin() + ring * 48, got.begin() + ring * 48 + 48, 1));
                QVERIFY2(lit == 0 || lit == 48,
                    qPrintable(QStringLiteral("radius %1, ring %2: %3 of 48 lit")
                                   .arg(radius)
                                   .arg(ring + 1)
                                   .arg(lit)));
            }
        }
    }
}

QTEST_MAIN(tst_AnimationImport)
#include "tst_animationimport.moc"
