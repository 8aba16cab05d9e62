#include "model/DeviceItem.h"
#include "player/RingFrameImage.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Ring.h"

#include <QtTest>

class tst_RingFrameImage : public QObject
{
    Q_OBJECT

private slots:
    void sameWayRoundAsTheEditor_data();
    void sameWayRoundAsTheEditor();
    void litLedsShowLit_data();
    void litLedsShowLit();
};

void tst_RingFrameImage::sameWayRoundAsTheEditor_data()
{
    QTest::addColumn<int>("side");
    QTest::addRow("top") << int(Top);
    QTest::addRow("bottom") << int(Bottom);
}

// A frame must look the same in the picture as on the editor's board seen
// from the same side: every LED on the same side of the centre.
void tst_RingFrameImage::sameWayRoundAsTheEditor()
{
    QFETCH(int, side);
    DeviceItem device;
    LedPanelScene_Ring scene(&device);
    scene.AngularStep = -7.5; // as the panel types lay out their boards
    scene.createLayout();
    scene.setPanel(eLedPanelSide(side), Simple);
    const RingFrameImage picture(256, eLedPanelSide(side));
    const QPointF sceneCentre = scene.sceneRect().center();
    QCOMPARE(scene.ledItems().size(), RingFrameImage::LedCount);
    for (int led : { 1, 11, 12, 13, 30, 47, 60, 100, 191 }) {
        const QPointF inScene = scene.ledItems().at(led)->pos() - sceneCentre;
        const QPointF inPicture = picture.ledCentre(led) - QPointF(128, 128);
        QVERIFY2((inScene.x() > 0) == (inPicture.x() > 0), qPrintable(QString::number(led)));
        QVERIFY2((inScene.y() > 0) == (inPicture.y() > 0), qPrintable(QString::number(led)));
    }
}

void tst_RingFrameImage::litLedsShowLit_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("side");
    QTest::addRow("smallest, top") << 128 << int(Top);
    QTest::addRow("default, bottom") << 256 << int(Bottom);
    QTest::addRow("large, bottom") << 700 << int(Bottom);
    QTest::addRow("too small is raised") << 10 << int(Top);
}

void tst_RingFrameImage::litLedsShowLit()
{
    QFETCH(int, size);
    QFETCH(int, side);
    const RingFrameImage picture(size, eLedPanelSide(side));
    QVERIFY(picture.size() >= RingFrameImage::MinimumSize);
    RingFrameImage::Leds leds;
    for (int led : { 0, 1, 47, 48, 100, 191 })
        leds.set(size_t(led));
    const QImage lit = picture.image(leds);
    const QImage dark = picture.image({});
    QCOMPARE(lit.size(), QSize(picture.size(), picture.size()));
    QVERIFY(picture.palette().size() <= 256);
    for (int led = 0; led < RingFrameImage::LedCount; ++led) {
        const QPoint at = picture.ledCentre(led).toPoint();
        const QColor shown = lit.pixelColor(at);
        QCOMPARE(shown == dark.pixelColor(at), !leds[size_t(led)]);
        // Lit LEDs are red, dark ones grey.
        QCOMPARE(shown.red() > shown.green() + 100, leds[size_t(led)]);
    }
}

QTEST_MAIN(tst_RingFrameImage)
#include "tst_ringframeimage.moc"
