#include "document/TreeOutline.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString All = QStringLiteral(
    "program=Program: frame0=frame, stop=stop; function=Collection: frame1=frame, return=return");

// Every item named, and "foreign" in a tree of its own.
struct Document : TreeOutline
{
    Document()
        : TreeOutline(All)
    {
        items["foreign"] = new StopCommand(&foreignParent);
    }
    FunctionItem foreignParent { nullptr };
};

} // namespace

class tst_DocumentEdits : public QObject
{
    Q_OBJECT

private slots:
    void ledValues_data();
    void ledValues();
    void structuralEditsSignalOnce();
    void refusedPlacementsAreSilent();
    void framesPastTheLimitAreRefused();
    void laidFramesAreOneStep();
    void removeItems_data();
    void removeItems();
    void isWithin();
};

void tst_DocumentEdits::ledValues_data()
{
    QTest::addColumn<QList<int>>("leds");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("editedSignals");

    // LED 5 starts at 1, all others at 0.
    QTest::addRow("one change") << QList<int> { 0 } << QList<int> { 1 } << 1;
    QTest::addRow("same value") << QList<int> { 5 } << QList<int> { 1 } << 0;
    QTest::addRow("several changes") << QList<int> { 0, 1, 191 } << QList<int> { 1, 1, 1 } << 1;
    QTest::addRow("no-ops around one change") << QList<int> { 5, 7, 0 } << QList<int> { 1, 1, 0 } << 1;
    QTest::addRow("all no-ops") << QList<int> { 0, 5 } << QList<int> { 0, 1 } << 0;
    QTest::addRow("nothing") << QList<int>() << QList<int>() << 0;
}

void tst_DocumentEdits::ledValues()
{
    QFETCH(QList<int>, leds);
    QFETCH(QList<int>, values);
    QFETCH(int, editedSignals);

    Document doc;
    const QVector<LedCell*>& cells = doc.frame("frame0")->leds();
    cells[5]->setValue(1);
    QSignalSpy edited(doc.edits, &DocumentEdits::edited);
    QSignalSpy ledsChanged(doc.edits, &DocumentEdits::ledValuesChanged);
    QVERIFY(edited.isValid());
    QVERIFY(ledsChanged.isValid());

    QVector<DocumentEdits::CellChange> changes;
    for (int i = 0; i < leds.size(); ++i)
        changes.append({ cells[leds[i]], values[i] });
    changes.append({ nullptr, 1 }); // a stale reference is ignored
    doc.edits->setLedValues(changes);

    QCOMPARE(edited.count(), editedSignals);
    QCOMPARE(ledsChanged.count(), editedSignals);
    for (int i = 0; i < leds.size(); ++i)
        QCOMPARE(cells[leds[i]]->value(), values[i]);

    // The single-cell form follows the same rule.
    doc.edits->setLedValue(cells[100], 0);
    QCOMPARE(edited.count(), editedSignals);
    doc.edits->setLedValue(cells[100], 1);
    QCOMPARE(edited.count(), editedSignals + 1);
    QCOMPARE(cells[100]->value(), 1);
}

void tst_DocumentEdits::structuralEditsSignalOnce()
{
    Document doc;
    QAbstractItemModelTester tester(doc.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy edited(doc.edits, &DocumentEdits::edited);

    doc.edits->appendItem(new StopCommand, doc.program);
    QCOMPARE(edited.count(), 1);
    doc.edits->insertItem(0, new LedStatesCommand, doc.program);
    QCOMPARE(edited.count(), 2);
    doc.edits->appendItem(new FunctionItem, doc.device);
    QCOMPARE(edited.count(), 3);

    QCOMPARE(doc.outline(),
        "program=Program: frame, frame0=frame, stop=stop, stop; function=Collection: frame1=frame, "
        "return=return; Collection:");
}

// Two frames already, one of them in a collection: the limit counts them all.
void tst_DocumentEdits::framesPastTheLimitAreRefused()
{
    Document doc;
    QSignalSpy edited(doc.edits, &DocumentEdits::edited);
    QSignalSpy refused(doc.edits, &DocumentEdits::framesRefused);
    QVERIFY(doc.edits->insertFrames(doc.program, 0, QVector<QVector<int>>(19999).toList(), "x").isEmpty());
    QCOMPARE(refused.count(), 1);
    QVERIFY(refused.first().first().toString().contains(QLocale().toString(20001)));
    // A run held past the limit: its frames keep their values too.
    QVERIFY(doc.edits->rearrangeFrames({ doc.frame("frame0") }, QVector<int>(20000, 0), "x").isEmpty());
    QCOMPARE(refused.count(), 2);
    QCOMPARE(edited.count(), 0);
    QCOMPARE(doc.outline(), All);
    QCOMPARE(doc.edits->history()->count(), 0);
}

// Laid over the Program's one frame: it takes the first values, the rest
// become frames behind it, before the Stop; undo takes all of it back.
void tst_DocumentEdits::laidFramesAreOneStep()
{
    Document doc;
    auto* frame0 = static_cast<LedStatesCommand*>(doc["frame0"]);
    const QVector<int> before = frame0->values();
    QList<QVector<int>> values { QVector<int>(192, 0), QVector<int>(192, 0), QVector<int>(192, 0) };
    values[0][3] = 1;
    values[2][5] = 1;
    QCOMPARE(doc.edits->layFrames({ frame0 }, 0, values, "lay").size(), 3);
    QCOMPARE(frame0->values(), values.first());
    QCOMPARE(doc.outline(),
        "program=Program: frame0=frame 3, frame, frame 5, stop=stop; function=Collection: frame1=frame, "
        "return=return");
    QCOMPARE(doc.edits->history()->count(), 1);
    doc.edits->history()->undo();
    QCOMPARE(doc.outline(), All);
    QCOMPARE(frame0->values(), before);
}

void tst_DocumentEdits::refusedPlacementsAreSilent()
{
    Document doc;
    QAbstractItemModelTester tester(doc.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy edited(doc.edits, &DocumentEdits::edited);
    StopCommand loose;

    doc.edits->appendItem(doc.device, doc.program);
    doc.edits->insertItem(0, doc["function"], doc["frame1"]);
    doc.edits->appendItem(&loose, &doc.foreignParent);
    doc.edits->appendItem(nullptr, doc.program);

    QCOMPARE(edited.count(), 0);
    QVERIFY(!loose.parentItem());
    QCOMPARE(doc.device->parentItem(), doc.model->root());
    QCOMPARE(doc["function"]->parentItem(), doc.device);
}

void tst_DocumentEdits::removeItems_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QStringList>("announced");
    QTest::addColumn<QString>("remaining");

    const QString function = QStringLiteral("; function=Collection: frame1=frame, return=return");
    QTest::addRow("one frame") << QStringList { "frame0" } << QStringList { "frame0" }
                               << "program=Program: stop=stop" + function;
    QTest::addRow("collection and its frame")
        << QStringList { "function", "frame1" } << QStringList { "function" }
        << "program=Program: frame0=frame, stop=stop";
    QTest::addRow("frame before its collection")
        << QStringList { "frame1", "return", "function" } << QStringList { "function" }
        << "program=Program: frame0=frame, stop=stop";
    QTest::addRow("same item twice") << QStringList { "stop", "stop" } << QStringList { "stop" }
                                     << "program=Program: frame0=frame" + function;
    QTest::addRow("commands of both lists")
        << QStringList { "return", "frame0" } << QStringList { "return", "frame0" }
        << "program=Program: stop=stop; function=Collection: frame1=frame";
    QTest::addRow("program with its commands")
        << QStringList { "frame0", "program" } << QStringList { "program" } << function.mid(2);
    QTest::addRow("device alone") << QStringList { "device" } << QStringList() << All;
    QTest::addRow("device does not cover its items") << QStringList { "device",
        "stop" } << QStringList { "stop" } << "program=Program: frame0=frame" + function;
    QTest::addRow("item of another tree") << QStringList { "foreign" } << QStringList() << All;
    QTest::addRow("stale null") << QStringList { "null" } << QStringList() << All;
    QTest::addRow("empty selection") << QStringList() << QStringList() << All;
}

void tst_DocumentEdits::removeItems()
{
    QFETCH(QStringList, selection);
    QFETCH(QStringList, announced);
    QFETCH(QString, remaining);

    Document doc;
    QAbstractItemModelTester tester(doc.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QList<AbstractTreeItem*> items;
    for (const QString& key : selection)
        items << doc[key];
    const auto& guards = doc.items; // null once freed

    QStringList order;
    QStringList heard;
    connect(
        doc.edits, &DocumentEdits::itemsAboutToBeRemoved, this, [&](const QList<AbstractTreeItem*>& removed) {
            order << "about";
            for (AbstractTreeItem* item : removed) {
                // Still alive and still in the tree, so a view can find
                // and drop everything it shows from below it.
                heard << doc.items.key(item);
                QVERIFY(guards.value(doc.items.key(item)));
                QVERIFY(doc.model->contains(item));
                QVERIFY(doc.model->indexOf(item).isValid());
            }
        });
    connect(doc.edits, &DocumentEdits::edited, this, [&] { order << "edited"; });

    doc.edits->removeItems(items);

    QCOMPARE(heard, announced);
    QCOMPARE(order, announced.isEmpty() ? QStringList() : QStringList({ "about", "edited" }));
    QCOMPARE(doc.outline(), remaining);
    // Whatever left the tree is out of every view's reach, but kept alive
    // for undo, descendants included.
    for (const QString& key : announced) {
        QVERIFY2(guards.value(key), qPrintable(key));
        QVERIFY2(!doc.model->contains(guards.value(key)), qPrintable(key));
    }

    const QString before = doc.outline();
    doc.edits->history()->undo();
    QCOMPARE(doc.outline(), All);
    for (auto it = guards.cbegin(); it != guards.cend(); ++it) {
        if (it.key() != "foreign")
            QVERIFY2(doc.model->contains(it.value()), qPrintable(it.key()));
    }
    doc.edits->history()->redo();
    QCOMPARE(doc.outline(), before);

    // The step leaving the history frees what it held.
    doc.edits->history()->clear();
    for (const QString& key : announced)
        QVERIFY2(guards.value(key).isNull(), qPrintable(key));
    for (auto it = guards.cbegin(); it != guards.cend(); ++it) {
        if (it.value() && it.key() != "foreign")
            QVERIFY2(doc.model->contains(it.value()), qPrintable(it.key()));
    }
    QVERIFY(guards.value("device"));
    QVERIFY(guards.value("foreign"));
}

void tst_DocumentEdits::isWithin()
{
    Document doc;
    const QList<AbstractTreeItem*> roots { doc["function"] };

    QVERIFY(DocumentEdits::isWithin(doc["function"], roots));
    QVERIFY(DocumentEdits::isWithin(doc["frame1"], roots));
    QVERIFY(!DocumentEdits::isWithin(doc["frame0"], roots));
    QVERIFY(!DocumentEdits::isWithin(doc.device, roots));
    QVERIFY(!DocumentEdits::isWithin(nullptr, roots));
}

QTEST_GUILESS_MAIN(tst_DocumentEdits)
#include "tst_documentedits.moc"
