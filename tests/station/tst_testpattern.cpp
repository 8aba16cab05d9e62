#include "TestPattern.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"
#include "player/PanelCommand.h"

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
}

// Frame by frame what lights, in the panel's terms: which rings and which
// positions round them; then the program starts over.
void tst_TestPattern::framesShowEveryLed()
{
    QFETCH(QString, model);
    QTemporaryDir dir;
    const QString path = dir.filePath("test.xml");
    QString error;
    QVERIFY2(TestPattern::save(path, model, &error), qPrintable(error));
    PanelDocument document(PanelDocument::panelOf(path));
    QVERIFY(document.panelModel() == model && document.load(path));
    document.compile();
    QVERIFY(document.createBinnary().size() <= PanelCommand::ProgramMemory);
    const QList<AbstractTreeItem*> items = document.deviceItem()->program(0)->children();
    QCOMPARE(items.size(), TestPattern::frameCount() + 1);
    QCOMPARE(items.last()->type(), int(AbstractTreeItem::Reset));
    for (int n = 0; n < TestPattern::frameCount(); ++n) {
        const QVector<int> values = static_cast<LedStatesCommand*>(items.at(n))->values();
        QSet<int> rings, positions;
        for (int led = 0; led < values.size(); ++led) {
            rings += values.at(led) ? QSet<int> { RingGeometry::ringOf(led) } : QSet<int>();
            positions += values.at(led) ? QSet<int> { RingGeometry::positionOf(led) } : QSet<int>();
        }
        // Every LED of those rings at those positions, and only those.
        QCOMPARE(values.count(1), rings.size() * positions.size());
        const int walk = n - 1 - RingGeometry::Rings;
        const QSet<int> lit = n == 0 || walk >= 0 ? QSet<int> { 0, 1, 2, 3 } : QSet<int> { n - 1 };
        QCOMPARE(rings, lit);
        QCOMPARE(positions.size() == 1 ? *positions.begin() : positions.size(), walk < 0 ? 48 : walk);
        QVERIFY(TestPattern::pauseMs(n) >= (walk < 0 ? 1000 : 100));
    }
}

QTEST_GUILESS_MAIN(tst_TestPattern)
#include "tst_testpattern.moc"
