#include "formats/AnimationExport.h"
#include "formats/SequenceFile.h"
#include "player/RingFrameImage.h"

#include <QImageReader>
#include <QtTest>

#include <functional>
#include <unistd.h>

namespace {
// An LED frame command with the given LEDs on, in the variant's bit order.
QByteArray frame(const QVector<int>& on, bool msbFirst)
{
    QByteArray bytes(25, '\0');
    bytes[0] = 0x03;
    for (int led : on)
        bytes[1 + led / 8] = char(bytes.at(1 + led / 8) | (msbFirst ? 0x80 >> (led % 8) : 1 << (led % 8)));
    return bytes;
}

QByteArray program(const QList<QVector<int>>& frames, char last, bool msbFirst)
{
    QByteArray image = msbFirst ? QByteArray(4, '\0') : QByteArray();
    for (const QVector<int>& on : frames)
        image += frame(on, msbFirst);
    return image + last;
}

constexpr char Stop = 0x00;
constexpr char Reset = 0x01;
} // namespace

class tst_AnimationExport : public QObject
{
    Q_OBJECT

private slots:
    void frameCount_data();
    void frameCount();
    void gifShowsTheFrames_data();
    void gifShowsTheFrames();
    void pngShowsTheFrame();
    void refusals();
    void exportsNeverWriteOverTheirSource_data();
    void exportsNeverWriteOverTheirSource();
};

void tst_AnimationExport::frameCount_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("msbFirst");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("expected");
    const QList<QVector<int>> three { { 0 }, { 1 }, { 2 } };
    QTest::addRow("stop ends it") << program(three, Stop, false) << false << 0 << 3;
    QTest::addRow("start over ends it") << program(three, Reset, true) << true << 0 << 3;
    QTest::addRow("asked for more than a loop") << program(three, Reset, false) << false << 7 << 7;
    QTest::addRow("asked for more than there are") << program(three, Stop, true) << true << 10 << 3;
    QTest::addRow("no frames") << program({}, Stop, false) << false << 0 << 0;
    // A frame at the very end runs into the zero fill, which is Stop.
    QTest::addRow("no Stop at the end") << frame({ 5 }, false) << false << 0 << 1;
}

void tst_AnimationExport::frameCount()
{
    QFETCH(QByteArray, image);
    QFETCH(bool, msbFirst);
    QFETCH(int, asked);
    QFETCH(int, expected);
    const auto variant = msbFirst ? PanelProgram::Variant::MsbFirst : PanelProgram::Variant::LsbFirst;
    QCOMPARE(AnimationExport::frames(image, variant, asked).size(), expected);
}

void tst_AnimationExport::gifShowsTheFrames_data()
{
    QTest::addColumn<bool>("msbFirst");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("expectedDelay");
    QTest::addRow("variant 1, bottom") << false << int(Bottom) << 100 << 100;
    QTest::addRow("variant 2, top") << true << int(Top) << 50 << 50;
    QTest::addRow("too fast is slowed") << false << int(Bottom) << 5 << 20;
}

// Read back by Qt's own GIF reader: the number of frames, their delays and
// the LEDs each frame shows.
void tst_AnimationExport::gifShowsTheFrames()
{
    QFETCH(bool, msbFirst);
    QFETCH(int, side);
    QFETCH(int, delay);
    QFETCH(int, expectedDelay);
    const QList<QVector<int>> lit { { 0, 9, 191 }, {}, { 47, 48, 100 }, { 7, 8 } };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.gif"));
    AnimationExport::Options options;
    options.delayMs = delay;
    options.side = eLedPanelSide(side);
    options.size = 200;
    QString error;
    int written = 0;
    QVERIFY2(AnimationExport::writeGif(program(lit, Reset, msbFirst),
                 msbFirst ? PanelProgram::Variant::MsbFirst : PanelProgram::Variant::LsbFirst, options, path,
                 &error, &written),
        qPrintable(error));
    QCOMPARE(written, lit.size());

    const RingFrameImage drawing(200, eLedPanelSide(side));
    QImageReader reader(path);
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.imageCount(), lit.size());
    for (const QVector<int>& on : lit) {
        const QImage shown = reader.read();
        QVERIFY2(!shown.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(reader.nextImageDelay(), expectedDelay);
        for (int led = 0; led < RingFrameImage::LedCount; ++led) {
            const QColor colour = shown.pixelColor(drawing.ledCentre(led).toPoint());
            QVERIFY2(
                (colour.red() > colour.green() + 100) == on.contains(led), qPrintable(QString::number(led)));
        }
    }
}

void tst_AnimationExport::pngShowsTheFrame()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frame.png"));
    AnimationExport::Leds leds;
    leds.set(3);
    QString error;
    QVERIFY2(AnimationExport::writePng(leds, 128, Top, path, &error), qPrintable(error));
    const QImage read(path);
    const RingFrameImage drawing(128, Top);
    QCOMPARE(read.size(), QSize(128, 128));
    QCOMPARE(read.pixelColor(drawing.ledCentre(3).toPoint()),
        drawing.image(leds).pixelColor(drawing.ledCentre(3).toPoint()));
    QVERIFY(
        read.pixelColor(drawing.ledCentre(3).toPoint()) != read.pixelColor(drawing.ledCentre(4).toPoint()));
}

void tst_AnimationExport::refusals()
{
    QTemporaryDir dir;
    QString error;
    const QString path = dir.filePath(QStringLiteral("none.gif"));
    QVERIFY(!AnimationExport::writeGif(
        program({}, Stop, false), PanelProgram::Variant::LsbFirst, {}, path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
    error.clear();
    const QString unwritable = dir.filePath(QStringLiteral("missing/run.gif"));
    QVERIFY(!AnimationExport::writeGif(
        program({ { 1 } }, Stop, false), PanelProgram::Variant::LsbFirst, {}, unwritable, &error));
    QVERIFY(error.contains(unwritable));
}

using Export = std::function<bool(const QString& target, const QString& source, QString* error)>;
Q_DECLARE_METATYPE(Export)

void tst_AnimationExport::exportsNeverWriteOverTheirSource_data()
{
    QTest::addColumn<Export>("write");
    QTest::addColumn<QString>("linkKind"); // how the target names the source
    const Export gif = [](const QString& target, const QString& source, QString* error) {
        AnimationExport::Options options;
        options.source = source;
        return AnimationExport::writeGif(
            program({ { 1 } }, Stop, false), PanelProgram::Variant::LsbFirst, options, target, error);
    };
    const Export png = [](const QString& target, const QString& source, QString* error) {
        return AnimationExport::writePng(AnimationExport::Leds(), 64, Top, target, error, source);
    };
    const Export sequence = [](const QString& target, const QString& source, QString* error) {
        return SequenceFile::exportFrames({}, 192, target, error, source);
    };
    // The links themselves are the output file's concern: one of each here.
    QTest::addRow("animation, same name") << gif << "same name";
    QTest::addRow("frame, symbolic link") << png << "symbolic link";
    QTest::addRow("sequence, hard link") << sequence << "hard link";
}

// The editor's exports start beside the document and may be given its very
// name: the document stays as it was and the message names the file.
void tst_AnimationExport::exportsNeverWriteOverTheirSource()
{
    QFETCH(Export, write);
    QFETCH(QString, linkKind);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("show.xml"));
    const QByteArray document = "<LedPanelDocument version=\"1.0\"/>\n";
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(document);
    file.close();
    QString target = source;
    if (linkKind == QLatin1String("symbolic link")) {
        target = dir.filePath(QStringLiteral("link.gif"));
        QVERIFY(QFile::link(source, target));
    } else if (linkKind == QLatin1String("hard link")) {
        target = dir.filePath(QStringLiteral("hard.gif"));
        QCOMPARE(::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()), 0);
    }
    QString error;
    QVERIFY(!write(target, source, &error));
    QVERIFY2(error.contains(target) && error.contains(QStringLiteral("input file")), qPrintable(error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), document);
    // Any other name is written.
    QVERIFY2(write(dir.filePath(QStringLiteral("other")), source, &error), qPrintable(error));
}

QTEST_MAIN(tst_AnimationExport)
#include "tst_animationexport.moc"
