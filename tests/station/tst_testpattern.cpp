#include "TestPattern.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"
#include "player/PanelCommand.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class tst_TestPattern : public QObject
{
    Q_OBJECT

private slots:
    void framesShowEveryLed_data();
    void framesShowEveryLed();
};

void tst_TestPattern::framesShowEveryLed_data()
{
    QTest::addColumn<QString>("model");
    QTest::addRow("A") << "ZQ-RING-A";
    QTest::addRow("B") << "ZQ-RING-B";
    QTest::addRow("unknown") << "ZQ-RING-C";
}

// Frame by frame what lights, in the model's terms: which rings and which
// positions round them; then the program starts over.
void tst_TestPattern::framesShowEveryLed()
{
    QFETCH(QString, model);
    QTemporaryDir dir;
    QString error;
    const bool known = PanelDocument::panelOfModel(model) != PanelDocument::Panel::None;
    QCOMPARE(TestPattern::save(dir.filePath("test.xml"), model, &error), known);
    QCOMPARE(error.contains(model), !known);
    if (!known)
        return;
    PanelDocument document(PanelDocument::panelOf(dir.filePath("test.xml")));
    QCOMPARE(document.panelModel(), model);
    QVERIFY2(document.load(dir.filePath("test.xml")), qPrintable(document.errorString()));
    document.compile();
    QVERIFY(document.createBinnary().size() <= PanelCommand::ProgramMemory);
    const QList<AbstractTreeItem*> items = document.deviceItem()->program(0)->children();
    QCOMPARE(items.size(), TestPattern::frameCount() + 1);
    QCOMPARE(items.last()->type(), int(AbstractTreeItem::Reset));
    for (int n = 0; n < TestPattern::frameCount(); ++n) {
        const auto* frame = qobject_cast<LedStatesCommand*>(items.at(n));
        QVERIFY(frame);
        QSet<int> rings, positions;
        for (int led = 0; led < LedStatesCommand::LedCount; ++led) {
            if (frame->value(led)) {
                rings << RingGeometry::ringOf(led);
                positions << RingGeometry::positionOf(led);
            }
        }
        const int walk = n - 1 - RingGeometry::Rings;
        QCOMPARE(frame->values().count(1), n == 0 ? 192 : walk < 0 ? 48 : 4);
        const QSet<int> every { 0, 1, 2, 3 };
        QCOMPARE(rings, n == 0 || walk >= 0 ? every : QSet<int> { n - 1 });
        QCOMPARE(positions.size(), walk < 0 ? 48 : 1);
        QVERIFY(walk < 0 || positions.contains(walk));
        QVERIFY(TestPattern::pauseMs(n) >= (walk < 0 ? 1000 : 100));
    }
}

QTEST_GUILESS_MAIN(tst_TestPattern)
#include "tst_testpattern.moc"
