#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "model/ReturnCommand.h"
#include "model/StopCommand.h"

#include "edits/EditHistory.h"
#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Device
//   Program: frame0, stop
//   Function: frame1, return
struct Document
{
    std::unique_ptr<QObject> owner = std::make_unique<QObject>();
    DeviceItem* device = new DeviceItem;
    ProgramItem* program = new ProgramItem(device);
    FunctionItem* function = new FunctionItem(device);
    CommandTreeModel* model = new CommandTreeModel(device, owner.get());
    DocumentEdits* edits = new DocumentEdits(model, owner.get());
    FunctionItem foreignParent { nullptr };
    QHash<QString, AbstractTreeItem*> items;

    Document()
    {
        items["device"] = device;
        items["program"] = program;
        items["function"] = function;
        items["frame0"] = new LedStatesCommand(program);
        items["stop"] = new StopCommand(program);
        items["frame1"] = new LedStatesCommand(function);
        items["return"] = new ReturnCommand(function);
        items["foreign"] = new StopCommand(&foreignParent);
    }
    ~Document() { owner.reset(); }

    LedStatesCommand* frame0() const { return static_cast<LedStatesCommand*>(items["frame0"]); }
};

QStringList print(const AbstractTreeItem* item, const QString& path = {})
{
    QStringList lines;
    for (const AbstractTreeItem* child : item->children()) {
        lines << path + child->name();
        lines << print(child, path + child->name() + QLatin1Char('/'));
    }
    return lines;
}

} // namespace

class tst_DocumentEdits : public QObject
{
    Q_OBJECT

private slots:
    void ledValues_data();
    void ledValues();
    void structuralEditsSignalOnce();
    void refusedPlacementsAreSilent();
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
    const QVector<LedCell*>& cells = doc.frame0()->leds();
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

    QCOMPARE(print(doc.device),
        QStringList({ "Program", "Program/Leds", "Program/Leds", "Program/Stop", "Program/Stop", "Function",
            "Function/Leds", "Function/Return", "Function" }));
}

void tst_DocumentEdits::refusedPlacementsAreSilent()
{
    Document doc;
    QAbstractItemModelTester tester(doc.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy edited(doc.edits, &DocumentEdits::edited);
    StopCommand loose;

    doc.edits->appendItem(doc.device, doc.program);
    doc.edits->insertItem(0, doc.function, doc.items["frame1"]);
    doc.edits->appendItem(&loose, &doc.foreignParent);
    doc.edits->appendItem(nullptr, doc.program);

    QCOMPARE(edited.count(), 0);
    QVERIFY(!loose.parentItem());
    QCOMPARE(doc.device->parentItem(), doc.model->root());
    QCOMPARE(doc.function->parentItem(), doc.device);
}

void tst_DocumentEdits::removeItems_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QStringList>("announced");
    QTest::addColumn<QStringList>("remaining");

    const QStringList all { "Program", "Program/Leds", "Program/Stop", "Function", "Function/Leds",
        "Function/Return" };

    QTest::addRow("one frame") << QStringList { "frame0" } << QStringList { "frame0" }
                               << QStringList { "Program", "Program/Stop", "Function", "Function/Leds",
                                      "Function/Return" };
    QTest::addRow("collection and its frame")
        << QStringList { "function", "frame1" } << QStringList { "function" }
        << QStringList { "Program", "Program/Leds", "Program/Stop" };
    QTest::addRow("frame before its collection")
        << QStringList { "frame1", "return", "function" } << QStringList { "function" }
        << QStringList { "Program", "Program/Leds", "Program/Stop" };
    QTest::addRow("same item twice") << QStringList { "stop", "stop" } << QStringList { "stop" }
                                     << QStringList { "Program", "Program/Leds", "Function", "Function/Leds",
                                            "Function/Return" };
    QTest::addRow("commands of both lists")
        << QStringList { "return", "frame0" } << QStringList { "return", "frame0" }
        << QStringList { "Program", "Program/Stop", "Function", "Function/Leds" };
    QTest::addRow("program with its commands")
        << QStringList { "frame0", "program" } << QStringList { "program" }
        << QStringList { "Function", "Function/Leds", "Function/Return" };
    QTest::addRow("device alone") << QStringList { "device" } << QStringList() << all;
    QTest::addRow("device does not cover its items")
        << QStringList { "device", "stop" } << QStringList { "stop" }
        << QStringList { "Program", "Program/Leds", "Function", "Function/Leds", "Function/Return" };
    QTest::addRow("item of another tree") << QStringList { "foreign" } << QStringList() << all;
    QTest::addRow("stale null") << QStringList { "null" } << QStringList() << all;
    QTest::addRow("empty selection") << QStringList() << QStringList() << all;
}

void tst_DocumentEdits::removeItems()
{
    QFETCH(QStringList, selection);
    QFETCH(QStringList, announced);
    QFETCH(QStringList, remaining);

    Document doc;
    QAbstractItemModelTester tester(doc.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QList<AbstractTreeItem*> items;
    for (const QString& key : selection)
        items << doc.items.value(key);
    QHash<QString, QPointer<AbstractTreeItem>> guards;
    for (auto it = doc.items.cbegin(); it != doc.items.cend(); ++it)
        guards.insert(it.key(), it.value());

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
    QCOMPARE(print(doc.device), remaining);
    // Whatever left the tree is out of every view's reach, but kept alive
    // for undo, descendants included.
    for (const QString& key : announced) {
        QVERIFY2(guards.value(key), qPrintable(key));
        QVERIFY2(!doc.model->contains(guards.value(key)), qPrintable(key));
    }

    const QStringList before = print(doc.device);
    doc.edits->history()->undo();
    QCOMPARE(print(doc.device),
        QStringList(
            { "Program", "Program/Leds", "Program/Stop", "Function", "Function/Leds", "Function/Return" }));
    for (auto it = guards.cbegin(); it != guards.cend(); ++it) {
        if (it.key() != "foreign")
            QVERIFY2(doc.model->contains(it.value()), qPrintable(it.key()));
    }
    doc.edits->history()->redo();
    QCOMPARE(print(doc.device), before);

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
    const QList<AbstractTreeItem*> roots { doc.function };

    QVERIFY(DocumentEdits::isWithin(doc.function, roots));
    QVERIFY(DocumentEdits::isWithin(doc.items["frame1"], roots));
    QVERIFY(!DocumentEdits::isWithin(doc.items["frame0"], roots));
    QVERIFY(!DocumentEdits::isWithin(doc.device, roots));
    QVERIFY(!DocumentEdits::isWithin(nullptr, roots));
}

QTEST_GUILESS_MAIN(tst_DocumentEdits)
#include "tst_documentedits.moc"
