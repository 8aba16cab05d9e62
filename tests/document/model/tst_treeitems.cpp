#include "document/TreeOutline.h"
#include "model/AbstractTreeItem.h"
#include "model/CallCommand.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/ItemFactory.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "model/ResetCommand.h"
#include "model/ReturnCommand.h"
#include "model/StopCommand.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using Factory = std::function<AbstractTreeItem*(AbstractTreeItem*)>;

template <typename T> Factory factory()
{
    return [](AbstractTreeItem* parent) -> AbstractTreeItem* { return new T(parent); };
}

QStringList names(const AbstractTreeItem* item)
{
    QStringList result;
    for (const AbstractTreeItem* child : item->children())
        result << child->name();
    return result;
}

} // namespace

Q_DECLARE_METATYPE(Factory)

class tst_TreeItems : public QObject
{
    Q_OBJECT

private slots:
    void typeAndName_data();
    void typeAndName();
    void cloneCopiesTheWholeTree();
    void childWithParentIsAppendedAndOwned();
    void deletingAnItemDeletesItsSubtree();
    void deletingAChildLeavesTheParentList();
    void removeChildDetaches();
    void removeChildIgnoresStrangers();
    void adoptionRefusesCycles_data();
    void adoptionRefusesCycles();
    void appendingMovesFromFormerParent();
    void insertChildPositions_data();
    void insertChildPositions();
    void siblings_data();
    void siblings();
    void deviceItemWalksUp();
    void programLookup_data();
    void programLookup();
    void programIndex_data();
    void programIndex();
    void setSize_data();
    void setSize();
    void ledCountNeverOverflows();
    void framesHaveStableCells();
    void dataAndSetData_data();
    void dataAndSetData();
};

void tst_TreeItems::typeAndName_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");

    QTest::addRow("device") << factory<DeviceItem>() << 0 << "Device"
                            << "DeviceItem";
    QTest::addRow("program") << factory<ProgramItem>() << 1 << "Program"
                             << "ProgramItem";
    QTest::addRow("function") << factory<FunctionItem>() << 2 << "Function"
                              << "FunctionItem";
    QTest::addRow("leds") << factory<LedStatesCommand>() << 3 << "Leds"
                          << "LedStatesCommand";
    QTest::addRow("call") << factory<CallCommand>() << 4 << "Call"
                          << "CallCommand";
    QTest::addRow("return") << factory<ReturnCommand>() << 5 << "Return"
                            << "ReturnCommand";
    QTest::addRow("reset") << factory<ResetCommand>() << 6 << "Reset"
                           << "ResetCommand";
    QTest::addRow("stop") << factory<StopCommand>() << 7 << "Stop"
                          << "StopCommand";
    QTest::addRow("plain") << Factory([](AbstractTreeItem*) { return new AbstractTreeItem(nullptr); }) << -1
                           << "?"
                           << "QObject";
}

void tst_TreeItems::typeAndName()
{
    QFETCH(Factory, make);
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QString, className);

    std::unique_ptr<AbstractTreeItem> item(make(nullptr));
    QCOMPARE(item->type(), type);
    QCOMPARE(item->name(), name);
    // Editors tell the kinds apart by a checked cast, so each kind needs its
    // own meta-object.
    QCOMPARE(QString::fromLatin1(item->metaObject()->className()), className);
    QVERIFY(!item->parentItem());
    QCOMPARE(item->row(), 0);
    // The factory makes every kind the file and the menus name.
    const std::unique_ptr<AbstractTreeItem> made(ItemFactory::create(type));
    QCOMPARE(
        made ? QString::fromLatin1(made->metaObject()->className()) : QStringLiteral("QObject"), className);
}

// A copy holds the same kinds, values and nesting, for random trees.
void tst_TreeItems::cloneCopiesTheWholeTree()
{
    const QStringList commands { "frame", "call", "return", "reset", "stop" };
    QRandomGenerator random(23);
    for (int run = 0; run < 50; ++run) {
        QStringList lists;
        for (int list = random.bounded(1, 4); list > 0; --list) {
            QStringList entries;
            for (int n = random.bounded(6); n > 0; --n) {
                QString entry = commands.at(random.bounded(commands.size()));
                QStringList leds;
                for (int k = random.bounded(4); entry == "frame" && k > 0; --k)
                    leds << QStringLiteral("%1:%2").arg(random.bounded(192)).arg(random.bounded(1, 4));
                entries << (leds.isEmpty() ? entry : entry + ' ' + leds.join('+'));
            }
            lists << (lists.isEmpty() ? "Program: " : "Collection: ") + entries.join(", ");
        }
        const TreeOutline tree(lists.join("; "));
        const std::unique_ptr<AbstractTreeItem> copy(tree.device->clone());
        QVERIFY(copy);
        QCOMPARE(copy->type(), int(AbstractTreeItem::Device));
        QStringList copied;
        for (const AbstractTreeItem* child : copy->children())
            copied << tree.outline(child);
        QCOMPARE(copied.join("; "), tree.outline());
    }
}

void tst_TreeItems::childWithParentIsAppendedAndOwned()
{
    ProgramItem program(nullptr);
    auto* first = new StopCommand(&program);
    auto* second = new CallCommand(&program);

    QCOMPARE(program.childCount(), 2);
    QCOMPARE(program.child(0), first);
    QCOMPARE(program.child(1), second);
    QCOMPARE(first->parentItem(), &program);
    QCOMPARE(second->QObject::parent(), &program);
    QCOMPARE(second->row(), 1);
    QVERIFY(!program.child(2));
    QVERIFY(!program.child(-1));
}

void tst_TreeItems::deletingAnItemDeletesItsSubtree()
{
    auto device = std::make_unique<DeviceItem>();
    auto* program = new ProgramItem(device.get());
    QPointer<AbstractTreeItem> frame = new LedStatesCommand(program);
    QPointer<AbstractTreeItem> function = new FunctionItem(device.get());
    // Items made without a parent are owned through the list alone.
    auto* loose = new ReturnCommand;
    function->appendChild(loose);
    QPointer<AbstractTreeItem> looseGuard = loose;
    QPointer<AbstractTreeItem> programGuard = program;

    device.reset();

    QVERIFY(frame.isNull());
    QVERIFY(function.isNull());
    QVERIFY(looseGuard.isNull());
    QVERIFY(programGuard.isNull());
}

void tst_TreeItems::deletingAChildLeavesTheParentList()
{
    ProgramItem program(nullptr);
    new StopCommand(&program);
    auto* middle = new CallCommand(&program);
    new ResetCommand(&program);

    delete middle;

    QCOMPARE(names(&program), QStringList({ "Stop", "Reset" }));
}

void tst_TreeItems::removeChildDetaches()
{
    auto program = std::make_unique<ProgramItem>(nullptr);
    auto* kept = new StopCommand(program.get());
    auto* removed = new LedStatesCommand(program.get());
    QPointer<AbstractTreeItem> guard = removed;

    program->removeChild(removed);
    std::unique_ptr<AbstractTreeItem> owner(removed);

    QVERIFY(!removed->parentItem());
    QCOMPARE(program->childCount(), 1);
    QCOMPARE(program->child(0), kept);
    // Detached means not deleted, now or with the former parent.
    program.reset();
    QVERIFY(!guard.isNull());
    QCOMPARE(guard->name(), QString("Leds"));
}

void tst_TreeItems::removeChildIgnoresStrangers()
{
    ProgramItem first(nullptr);
    ProgramItem second(nullptr);
    auto* stop = new StopCommand(&first);

    second.removeChild(stop);
    second.removeChild(nullptr);

    // The command still belongs to its own parent, which will delete it.
    QCOMPARE(stop->parentItem(), &first);
    QCOMPARE(first.childCount(), 1);
}

void tst_TreeItems::adoptionRefusesCycles_data()
{
    QTest::addColumn<int>("adopter");
    QTest::addColumn<int>("adoptee");

    // 0 = device, 1 = program, 2 = frame
    QTest::addRow("itself") << 1 << 1;
    QTest::addRow("own parent") << 1 << 0;
    QTest::addRow("own grandparent") << 2 << 0;
}

void tst_TreeItems::adoptionRefusesCycles()
{
    QFETCH(int, adopter);
    QFETCH(int, adoptee);

    DeviceItem device;
    auto* program = new ProgramItem(&device);
    auto* frame = new LedStatesCommand(program);
    AbstractTreeItem* items[] = { &device, program, frame };

    QVERIFY(!items[adopter]->canAdopt(items[adoptee]));
    items[adopter]->appendChild(items[adoptee]);
    items[adopter]->insertChild(0, items[adoptee]);
    items[adopter]->appendChild(nullptr);

    QVERIFY(!device.parentItem());
    QCOMPARE(program->parentItem(), &device);
    QCOMPARE(frame->parentItem(), program);
    QCOMPARE(device.childCount(), 1);
    QCOMPARE(program->childCount(), 1);
    QCOMPARE(frame->childCount(), 0);
    QCOMPARE(frame->deviceItem(), &device);
}

void tst_TreeItems::appendingMovesFromFormerParent()
{
    auto device = std::make_unique<DeviceItem>();
    auto* program = new ProgramItem(device.get());
    auto* function = new FunctionItem(device.get());
    auto* frame = new LedStatesCommand(program);
    QPointer<AbstractTreeItem> guard = frame;

    function->appendChild(frame);

    QCOMPARE(program->childCount(), 0);
    QCOMPARE(function->childCount(), 1);
    QCOMPARE(frame->parentItem(), function);
    // The former parent no longer deletes it; the new one does, once.
    delete program;
    QVERIFY(!guard.isNull());
    device.reset();
    QVERIFY(guard.isNull());
}

void tst_TreeItems::insertChildPositions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("front") << 0 << QStringList({ "Return", "Stop", "Call" });
    QTest::addRow("middle") << 1 << QStringList({ "Stop", "Return", "Call" });
    QTest::addRow("end") << 2 << QStringList({ "Stop", "Call", "Return" });
    QTest::addRow("past the end") << 9 << QStringList({ "Stop", "Call", "Return" });
    QTest::addRow("negative") << -3 << QStringList({ "Return", "Stop", "Call" });
}

void tst_TreeItems::insertChildPositions()
{
    QFETCH(int, position);
    QFETCH(QStringList, expected);

    FunctionItem function(nullptr);
    new StopCommand(&function);
    new CallCommand(&function);
    auto* inserted = new ReturnCommand;

    function.insertChild(position, inserted);

    QCOMPARE(names(&function), expected);
    QCOMPARE(inserted->parentItem(), &function);
    QCOMPARE(inserted->row(), expected.indexOf("Return"));
}

void tst_TreeItems::siblings_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("next");

    QTest::addRow("first") << 0 << QString() << "Call";
    QTest::addRow("middle") << 1 << "Stop"
                            << "Reset";
    QTest::addRow("last") << 2 << "Call" << QString();
}

void tst_TreeItems::siblings()
{
    QFETCH(int, row);
    QFETCH(QString, previous);
    QFETCH(QString, next);

    ProgramItem program(nullptr);
    new StopCommand(&program);
    new CallCommand(&program);
    new ResetCommand(&program);
    const AbstractTreeItem* item = program.child(row);

    QCOMPARE(item->row(), row);
    QCOMPARE(item->previousItem() ? item->previousItem()->name() : QString(), previous);
    QCOMPARE(item->nextItem() ? item->nextItem()->name() : QString(), next);
    QVERIFY(!program.previousItem());
    QVERIFY(!program.nextItem());
}

void tst_TreeItems::deviceItemWalksUp()
{
    AbstractTreeItem root(nullptr);
    auto* device = new DeviceItem(&root);
    auto* function = new FunctionItem(device);
    auto* frame = new LedStatesCommand(function);
    StopCommand loose;

    QCOMPARE(frame->deviceItem(), device);
    QCOMPARE(function->deviceItem(), device);
    QCOMPARE(device->deviceItem(), device);
    QVERIFY(!root.deviceItem());
    QVERIFY(!loose.deviceItem());
}

void tst_TreeItems::programLookup_data()
{
    QTest::addColumn<QString>("children"); // P program, F function
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expectedRow"); // -1: none

    QTest::addRow("first program") << "PFF" << 0 << 0;
    QTest::addRow("only one program") << "PFF" << 1 << -1;
    QTest::addRow("skips functions") << "FPFP" << 1 << 3;
    QTest::addRow("negative") << "PP" << -1 << -1;
    QTest::addRow("no children") << "" << 0 << -1;
}

void tst_TreeItems::programLookup()
{
    QFETCH(QString, children);
    QFETCH(int, n);
    QFETCH(int, expectedRow);

    DeviceItem device;
    for (QChar kind : children) {
        if (kind == 'P')
            new ProgramItem(&device);
        else
            new FunctionItem(&device);
    }

    ProgramItem* program = device.program(n);
    QCOMPARE(program ? program->row() : -1, expectedRow);
}

void tst_TreeItems::programIndex_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");

    QTest::addRow("only program") << "PF" << 0 << 0;
    QTest::addRow("second program after a function") << "PFP" << 2 << 1;
    QTest::addRow("functions do not count") << "FFP" << 2 << 0;
}

void tst_TreeItems::programIndex()
{
    QFETCH(QString, children);
    QFETCH(int, row);
    QFETCH(int, expected);

    DeviceItem device;
    for (QChar kind : children) {
        if (kind == 'P')
            new ProgramItem(&device);
        else
            new FunctionItem(&device);
    }

    auto* program = qobject_cast<ProgramItem*>(device.child(row));
    QVERIFY(program);
    QCOMPARE(program->programIndex(), expected);
    QCOMPARE(device.program(expected), program);
}

void tst_TreeItems::setSize_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("emissions");

    QTest::addRow("same size") << 4 << 48 << 0;
    QTest::addRow("fewer columns") << 4 << 40 << 1;
    QTest::addRow("more rows") << 5 << 48 << 1;
    QTest::addRow("swapped") << 48 << 4 << 1;
}

void tst_TreeItems::setSize()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, emissions);

    DeviceItem device;
    QSignalSpy spy(&device, &DeviceItem::ledsChanged);
    QVERIFY(spy.isValid());

    device.setSize(rows, columns);
    QCOMPARE(device.rows(), rows);
    QCOMPARE(device.columns(), columns);
    QCOMPARE(device.ledCount(), rows * columns);
    QCOMPARE(spy.count(), emissions);

    device.setSize(rows, columns);
    QCOMPARE(spy.count(), emissions);
}

void tst_TreeItems::ledCountNeverOverflows()
{
    DeviceItem device;
    device.setSize(100000, 100000);
    QCOMPARE(device.ledCount(), std::numeric_limits<int>::max());
    device.setSize(-4, 48);
    QCOMPARE(device.ledCount(), 0);
}

void tst_TreeItems::framesHaveStableCells()
{
    auto device = std::make_unique<DeviceItem>();
    auto* program = new ProgramItem(device.get());
    auto* function = new FunctionItem(device.get());
    auto* frame = new LedStatesCommand(program);

    const QVector<LedCell*> cells = frame->leds();
    QCOMPARE(cells.size(), 192);
    for (const LedCell* cell : cells)
        QCOMPARE(cell->value(), 0);
    QCOMPARE(QSet<LedCell*>(cells.begin(), cells.end()).size(), 192);

    cells[191]->setValue(1);
    cells[0]->setValue(-7);
    // A move in the tree and further frames around it leave the cells where
    // the views hold them.
    function->appendChild(frame);
    new LedStatesCommand(function);
    function->insertChild(0, new LedStatesCommand);

    QCOMPARE(frame->leds(), cells);
    QCOMPARE(frame->leds()[191]->value(), 1);
    QCOMPARE(frame->leds()[0]->value(), -7);
    // The values without the cells are the cells' own; a short list leaves
    // the other cells alone.
    frame->setValues({ 5, 6 });
    QCOMPARE(cells[1]->value(), 6);
    QCOMPARE(frame->values().mid(0, 3), (QVector<int> { 5, 6, 0 }));
    QCOMPARE(frame->values().value(191), 1);
}

void tst_TreeItems::dataAndSetData_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("accepted");

    QTest::addRow("name column") << 0 << true;
    QTest::addRow("second column") << 1 << false;
    QTest::addRow("negative column") << -1 << false;
}

void tst_TreeItems::dataAndSetData()
{
    QFETCH(int, column);
    QFETCH(bool, accepted);

    ResetCommand item;
    QCOMPARE(item.setData(column, QStringLiteral("Restart")), accepted);
    QCOMPARE(item.name(), accepted ? QString("Restart") : QString("Reset"));
    const QVariant value = item.data(column);
    if (accepted)
        QCOMPARE(value, QVariant(QString("Restart")));
    else
        QVERIFY(!value.isValid());
}

QTEST_GUILESS_MAIN(tst_TreeItems)
#include "tst_treeitems.moc"
