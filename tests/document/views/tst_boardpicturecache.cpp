#include "model/DeviceItem.h"
#include "views/BoardPictureCache.h"
#include "views/BoardPictureItem.h"
#include "views/LedPanelScene_Ring.h"

#include <QGraphicsPixmapItem>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A small board: a transparent corner, a green field and a gold pad, with
// soft edges between them as the drawn boards have.
QImage drawBoard(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1d, 0x6a, 0x37));
    painter.drawEllipse(QRectF(QPointF(0, 0), size));
    painter.setBrush(QColor(0xd8, 0xaa, 0x45));
    painter.drawEllipse(
        QRectF(size.width() * 0.4, size.height() * 0.4, size.width() * 0.2, size.height() * 0.2));
    return image;
}

QString writePicture(const QTemporaryDir& dir, const QString& name, const QImage& image)
{
    const QString path = dir.filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

QImage asPalette(const QImage& image)
{
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

std::unique_ptr<LedPanelScene_Ring> sceneShowing(DeviceItem* device, const QString& picture)
{
    auto scene = std::make_unique<LedPanelScene_Ring>(device);
    scene->TopImagePath = picture;
    scene->BottomImagePath = picture;
    scene->createLayout();
    return scene;
}

QPixmap topPicture(const LedPanelScene_Ring& scene)
{
    if (scene.topImageItems().isEmpty())
        return QPixmap();
    auto* item = qgraphicsitem_cast<QGraphicsPixmapItem*>(scene.topImageItems().first());
    return item ? item->pixmap() : QPixmap();
}

} // namespace

class tst_BoardPictureCache : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void drawsLikeTheFile_data();
    void drawsLikeTheFile();
    void scenesShareOnePicture();
    void changedFileIsReadAgain();
    void noPicture_data();
    void noPicture();
    void reductionForScale_data();
    void reductionForScale();
    void smallBoardAveragesThinLines_data();
    void smallBoardAveragesThinLines();
    void reductionsAreShared();
};

void tst_BoardPictureCache::cleanup()
{
    // Every test lets go of its scenes: nothing may stay behind.
    QCOMPARE(BoardPictureCache::count(), 0);
}

void tst_BoardPictureCache::drawsLikeTheFile_data()
{
    QTest::addColumn<bool>("palette");
    QTest::addColumn<int>("depth");
    QTest::addRow("palette picture stays 8-bit") << true << 8;
    QTest::addRow("full-colour picture") << false << 32;
}

void tst_BoardPictureCache::drawsLikeTheFile()
{
    QFETCH(bool, palette);
    QFETCH(int, depth);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QImage drawn = drawBoard(QSize(120, 90));
    const QString path = writePicture(dir, QStringLiteral("board.png"), palette ? asPalette(drawn) : drawn);
    QVERIFY(!path.isEmpty());
    QVERIFY(QImage(path).hasAlphaChannel()); // the corners are see-through

    DeviceItem device;
    auto scene = sceneShowing(&device, path);
    scene->setPanel(Top, Image);
    const QPixmap picture = topPicture(*scene);
    QCOMPARE(picture.depth(), depth);
    QCOMPARE(scene->sceneRect(), QRectF(0, 0, 120, 90));

    // Drawn one to one over white, the scene shows the file's pixels blended
    // exactly as the file itself would be.
    QImage expected(120, 90, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.drawImage(0, 0, QImage(path));
    }
    QImage shown(120, 90, QImage::Format_RGB32);
    shown.fill(Qt::white);
    {
        QPainter painter(&shown);
        scene->render(&painter, QRectF(0, 0, 120, 90), QRectF(0, 0, 120, 90));
    }
    QCOMPARE(shown, expected);
}

void tst_BoardPictureCache::scenesShareOnePicture()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writePicture(dir, QStringLiteral("board.png"), asPalette(drawBoard(QSize(64, 64))));
    QVERIFY(!path.isEmpty());

    DeviceItem device;
    auto first = sceneShowing(&device, path);
    auto second = sceneShowing(&device, path);
    QVERIFY(!topPicture(*first).isNull());
    QCOMPARE(topPicture(*second).cacheKey(), topPicture(*first).cacheKey());
    QCOMPARE(BoardPictureCache::count(), 1);

    // Laying the first scene out again keeps the same picture.
    const qint64 key = topPicture(*first).cacheKey();
    first->createLayout();
    QCOMPARE(topPicture(*first).cacheKey(), key);

    first.reset();
    QCOMPARE(BoardPictureCache::count(), 1); // the second scene still shows it
    QCOMPARE(topPicture(*second).cacheKey(), key);

    // A layout without pictures lets go of them at once.
    second->TopImagePath.clear();
    second->BottomImagePath.clear();
    second->createLayout();
    QCOMPARE(BoardPictureCache::count(), 0);
}

void tst_BoardPictureCache::changedFileIsReadAgain()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writePicture(dir, QStringLiteral("board.png"), asPalette(drawBoard(QSize(64, 64))));
    QVERIFY(!path.isEmpty());

    DeviceItem device;
    auto before = sceneShowing(&device, path);
    QCOMPARE(before->sceneRect(), QRectF(0, 0, 64, 64));

    // The build draws the pictures again while the editor runs.
    QVERIFY(!writePicture(dir, QStringLiteral("board.png"), asPalette(drawBoard(QSize(80, 72)))).isEmpty());
    auto after = sceneShowing(&device, path);
    QCOMPARE(after->sceneRect(), QRectF(0, 0, 80, 72));
    QCOMPARE(topPicture(*after).size(), QSize(80, 72));
    // The open scene keeps what it showed; the cache holds only the new one.
    QCOMPARE(topPicture(*before).size(), QSize(64, 64));
    QCOMPARE(BoardPictureCache::count(), 1);
    before.reset();
    QCOMPARE(topPicture(*sceneShowing(&device, path)).size(), QSize(80, 72));
}

void tst_BoardPictureCache::noPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addRow("empty path") << QString() << QByteArray();
    QTest::addRow("missing file") << QStringLiteral("missing.png") << QByteArray();
    QTest::addRow("folder") << QStringLiteral(".") << QByteArray();
    QTest::addRow("not a picture") << QStringLiteral("notes.png") << QByteArray("not a picture\n");
    QTest::addRow("truncated picture")
        << QStringLiteral("cut.png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
}

void tst_BoardPictureCache::noPicture()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path;
    if (!name.isEmpty()) {
        path = dir.filePath(name);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    }

    QVERIFY(BoardPictureCache::picture(path).isNull());
    QCOMPARE(BoardPictureCache::count(), 0);
    DeviceItem device;
    auto scene = sceneShowing(&device, path);
    QVERIFY(scene->topImageItems().isEmpty());
    QVERIFY(scene->bottomImageItems().isEmpty());
}

void tst_BoardPictureCache::reductionForScale_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("halvings");
    QTest::addRow("zoomed in") << 2.0 << 0;
    QTest::addRow("one to one") << 1.0 << 0;
    QTest::addRow("three quarters") << 0.75 << 0;
    QTest::addRow("half") << 0.5 << 1;
    QTest::addRow("just under half") << 0.49 << 1;
    QTest::addRow("quarter") << 0.25 << 2;
    QTest::addRow("whole board of 3503 in 650 pixels") << 650.0 / 3503 << 2;
    QTest::addRow("eighth") << 0.125 << 3;
    QTest::addRow("tiny") << 0.0001 << 6;
    QTest::addRow("degenerate") << 0.0 << 0;
}

void tst_BoardPictureCache::reductionForScale()
{
    QFETCH(qreal, scale);
    QFETCH(int, halvings);
    QCOMPARE(BoardPictureItem::reductionFor(scale), halvings);
}

void tst_BoardPictureCache::smallBoardAveragesThinLines_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("palette");
    QTest::addRow("palette picture") << QSize(64, 48) << true;
    QTest::addRow("full-colour picture") << QSize(64, 48) << false;
    QTest::addRow("size not a multiple of four") << QSize(66, 50) << true;
}

void tst_BoardPictureCache::smallBoardAveragesThinLines()
{
    QFETCH(QSize, size);
    QFETCH(bool, palette);
    // One white line of silkscreen every fourth column on black.
    QImage lines(size, QImage::Format_RGB32);
    lines.fill(Qt::black);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); x += 4)
            lines.setPixel(x, y, qRgb(255, 255, 255));
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writePicture(dir, QStringLiteral("lines.png"), palette ? asPalette(lines) : lines);
    QVERIFY(!path.isEmpty());
    DeviceItem device;
    auto scene = sceneShowing(&device, path);
    scene->setPanel(Top, Image);

    // A quarter size: each screen pixel covers one line and three black
    // columns, so the lines show as an even grey rather than as solid
    // columns or not at all.
    const QSize small(size.width() / 4, size.height() / 4);
    QImage shown(small, QImage::Format_RGB32);
    shown.fill(Qt::red);
    {
        QPainter painter(&shown);
        scene->render(
            &painter, QRectF(QPointF(0, 0), QSizeF(small)), QRectF(QPointF(0, 0), QSizeF(small) * 4));
    }
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            const QColor colour = shown.pixelColor(x, y);
            QVERIFY2(qAbs(colour.red() - 64) <= 3 && colour.red() == colour.green()
                    && colour.green() == colour.blue(),
                qPrintable(QStringLiteral("(%1,%2) %3").arg(x).arg(y).arg(colour.name())));
        }
    }

    // One to one, the lines are there as drawn.
    QImage full(size, QImage::Format_RGB32);
    {
        QPainter painter(&full);
        scene->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), QRectF(QPointF(0, 0), QSizeF(size)));
    }
    QCOMPARE(full, lines);
}

void tst_BoardPictureCache::reductionsAreShared()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writePicture(dir, QStringLiteral("board.png"), asPalette(drawBoard(QSize(70, 70))));
    QVERIFY(!path.isEmpty());
    DeviceItem device;
    auto scene = sceneShowing(&device, path);
    const QPixmap picture = topPicture(*scene);

    const QPixmap quarter = BoardPictureCache::reduced(picture, 2);
    QCOMPARE(quarter.size(), QSize(18, 18)); // the last column and row cover 2 pixels past the edge
    QCOMPARE(BoardPictureCache::reduced(picture, 2).cacheKey(), quarter.cacheKey());
    QCOMPARE(BoardPictureCache::reduced(picture, 1).size(), QSize(35, 35));
    // Only pictures the cache handed out have reductions.
    QVERIFY(BoardPictureCache::reduced(QPixmap(picture.size()), 2).isNull());
    QVERIFY(BoardPictureCache::reduced(picture, 0).isNull());
}

QTEST_MAIN(tst_BoardPictureCache)
#include "tst_boardpicturecache.moc"
