#include "model/DeviceItem.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Ring.h"

#include <QGraphicsPixmapItem>
#include <QImage>
#include <QtTest>

namespace {

struct Layout
{
    QString picture;
    int size;
    double centre, outer, inner, radialStart, radialStep, ledSize;
};

// The layouts the two panel types give their scenes.
const Layout Panel1 { "PCBA01", 3503, 1751.5, 1751.5, 681.0, 944.0, 189.0, 50.0 };
const Layout Panel2 { "PCBA02", 2370, 1185.0, 1185.0, 473.0, 598.0, 153.0, 35.0 };

QString picturePath(const Layout& layout, const char* side)
{
    return QStringLiteral(KAMDEL_TOOLS_DIR "/%1_%2.png").arg(layout.picture, QLatin1String(side));
}

// Gold of the bare pads.
bool isPad(const QColor& colour)
{
    return colour.alpha() == 255 && colour.red() > 180 && colour.green() > 140 && colour.green() < 200
        && colour.blue() < 110;
}

bool isBoard(const QColor& colour)
{
    return colour.alpha() == 255;
}

} // namespace

Q_DECLARE_METATYPE(Layout)

class tst_BoardPictures : public QObject
{
    Q_OBJECT

private slots:
    void ledsLandOnPads_data();
    void ledsLandOnPads();
};

void tst_BoardPictures::ledsLandOnPads_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<int>("side");
    QTest::addRow("ZQ-RING-A top") << Panel1 << int(Top);
    QTest::addRow("ZQ-RING-A bottom") << Panel1 << int(Bottom);
    QTest::addRow("ZQ-RING-B top") << Panel2 << int(Top);
    QTest::addRow("ZQ-RING-B bottom") << Panel2 << int(Bottom);
}

void tst_BoardPictures::ledsLandOnPads()
{
    QFETCH(Layout, layout);
    QFETCH(int, side);

    const QImage picture(picturePath(layout, side == Top ? "top" : "bot"));
    QVERIFY2(!picture.isNull(), qPrintable(picturePath(layout, side == Top ? "top" : "bot")));
    QCOMPARE(picture.size(), QSize(layout.size, layout.size));

    DeviceItem device;
    LedPanelScene_Ring scene(&device);
    scene.CenterX = scene.CenterY = layout.centre;
    scene.OuterDiameter = layout.outer;
    scene.InnerDiameter = layout.inner;
    scene.RadialStart = layout.radialStart;
    scene.RadialStep = layout.radialStep;
    scene.AngularStart = -90;
    scene.AngularStep = -7.5;
    scene.LedSize = layout.ledSize;
    scene.TopImagePath = picturePath(layout, "top");
    scene.BottomImagePath = picturePath(layout, "bot");
    scene.createLayout();
    scene.setPanel(eLedPanelSide(side), Image);
    QCOMPARE(scene.sceneRect(), QRectF(0, 0, layout.size, layout.size));

    // Every LED sits on a pad, not only its centre: a disc of 0.3 LED radii.
    const double s = layout.ledSize;
    const QVector<QPointF> offsets { { 0, 0 }, { 0.3 * s, 0 }, { -0.3 * s, 0 }, { 0, 0.3 * s },
        { 0, -0.3 * s } };
    for (LedItem* led : scene.ledItems()) {
        for (const QPointF& offset : offsets) {
            const QPoint pixel = (led->pos() + offset).toPoint();
            QVERIFY2(isPad(picture.pixelColor(pixel)),
                qPrintable(QStringLiteral("LED %1 at %2, %3: %4")
                               .arg(led->toolTip())
                               .arg(pixel.x())
                               .arg(pixel.y())
                               .arg(picture.pixelColor(pixel).name(QColor::HexArgb))));
        }
    }

    // Between the rings is board, not pad; the centre hole and the corners
    // are not board at all.
    const QPointF between(layout.centre + layout.radialStart + 0.5 * layout.radialStep, layout.centre);
    QVERIFY(isBoard(picture.pixelColor(between.toPoint())));
    QVERIFY(!isPad(picture.pixelColor(between.toPoint())));
    QVERIFY(!isBoard(picture.pixelColor(QPoint(int(layout.centre), int(layout.centre)))));
    QVERIFY(!isBoard(picture.pixelColor(QPoint(5, 5))));
}

QTEST_MAIN(tst_BoardPictures)
#include "tst_boardpictures.moc"
