#include "document/TreeOutline.h"

#include <QAbstractItemModelTester>
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The fixture's owner stands for the document: the model's root is its
// QObject child.
using Tree = TreeOutline;

// Every row as "path/name", walked through the model only.
QStringList print(const QAbstractItemModel& model, const QModelIndex& parent = {}, const QString& path = {})
{
    QStringList lines;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const QString name = path + index.data(Qt::EditRole).toString();
        lines << name;
        lines << print(model, index, name + QLatin1Char('/'));
    }
    return lines;
}

using Edit = std::function<void(Tree&)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class tst_CommandTreeModel : public QObject
{
    Q_OBJECT

private slots:
    void shape();
    void roles_data();
    void roles();
    void setDataRenames();
    void framesHaveNumberAndPicture();
    void pictureFollowsBoardSide_data();
    void pictureFollowsBoardSide();
    void indexOfRoundTrips();
    void edits_data();
    void edits();
    void removedItemSurvivesDetached();
    void rootDiesWithTheDocument();
    void parentlessModelOwnsItsTree();
};

void tst_CommandTreeModel::framesHaveNumberAndPicture()
{
    // LED 0 of the second frame: ring 0, position 0, the top.
    Tree tree("Program: first=frame, stop, second=frame 0; function=Collection: frame");
    AbstractTreeItem* function = tree["function"];

    const auto number = [&tree](AbstractTreeItem* item) {
        return tree.model->data(tree.model->indexOf(item), CommandTreeModel::FrameNumberRole);
    };
    // Numbered among the frames of their own list; commands between them
    // take no number.
    QCOMPARE(number(tree["first"]), QVariant(1));
    QCOMPARE(number(tree["second"]), QVariant(2));
    QCOMPARE(number(function->child(0)), QVariant(1));
    QVERIFY(!number(function).isValid());
    QVERIFY(!tree.model->data(tree.model->indexOf(function), Qt::DecorationRole).isValid());

    const auto picture = [&tree](AbstractTreeItem* item) {
        return tree.model->data(tree.model->indexOf(item), Qt::DecorationRole).value<QImage>();
    };
    const QImage lit = picture(tree["second"]);
    const QImage dark = picture(tree["first"]);
    QCOMPARE(lit.size(), QSize(24, 24));
    // A dot above the centre where the lit LED is, none on the dark frame.
    const int size = lit.width();
    const auto yellowAbove = [size](const QImage& image) {
        for (int y = 0; y < size / 2; ++y) {
            const QColor c = image.pixelColor(size / 2, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() < 100)
                return true;
        }
        return false;
    };
    QVERIFY(yellowAbove(lit));
    QVERIFY(!yellowAbove(dark));
}

void tst_CommandTreeModel::pictureFollowsBoardSide_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("dotOnTheLeft");
    // A quarter turn from the top: counter-clockwise seen from the top,
    // clockwise seen from the bottom, as on the board.
    QTest::addRow("top, 12") << int(Top) << 12 << true;
    QTest::addRow("bottom, 12") << int(Bottom) << 12 << false;
    QTest::addRow("top, 36") << int(Top) << 36 << false;
    QTest::addRow("bottom, 36") << int(Bottom) << 36 << true;
}

void tst_CommandTreeModel::pictureFollowsBoardSide()
{
    QFETCH(int, side);
    QFETCH(int, position);
    QFETCH(bool, dotOnTheLeft);

    Tree tree(QStringLiteral("Program: frame=frame %1").arg(3 * 48 + position)); // outer ring
    const QModelIndex index = tree.model->indexOf(tree["frame"]);
    QSignalSpy changed(tree.model, &QAbstractItemModel::dataChanged);
    tree.model->setPictureSide(eLedPanelSide(side));
    // Only a turn repaints: the views must learn of it, for this frame too.
    const bool turned = side != int(Top);
    bool frameTold = false;
    for (const QList<QVariant>& args : changed)
        frameTold |= args.at(0).toModelIndex().parent() == index.parent()
            && args.at(2).value<QVector<int>>().contains(Qt::DecorationRole);
    QCOMPARE(frameTold, turned);

    const QImage picture = tree.model->data(index, Qt::DecorationRole).value<QImage>();
    const int size = picture.width();
    const auto yellowIn = [&picture, size](int from, int to) {
        for (int x = from; x < to; ++x) {
            const QColor c = picture.pixelColor(x, size / 2);
            if (c.red() > 200 && c.green() > 200 && c.blue() < 100)
                return true;
        }
        return false;
    };
    QCOMPARE(yellowIn(0, size / 2), dotOnTheLeft);
    QCOMPARE(yellowIn(size / 2, size), !dotOnTheLeft);
}

void tst_CommandTreeModel::shape()
{
    Tree tree("Program:; Collection:; Collection:");
    QAbstractItemModelTester tester(tree.model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    QCOMPARE(tree.model->rowCount(), 1);
    QCOMPARE(tree.model->columnCount(), 1);
    const QModelIndex device = tree.model->index(0, 0);
    QCOMPARE(tree.model->itemFromIndex(device), tree.device);
    QVERIFY(!tree.model->parent(device).isValid());
    QCOMPARE(tree.model->rowCount(device), 3);

    const QModelIndex program = tree.model->index(0, 0, device);
    QCOMPARE(tree.model->parent(program), device);
    QCOMPARE(tree.model->parent(program).row(), 0);
    QCOMPARE(tree.model->itemFromIndex(program), tree.program);

    QVERIFY(!tree.model->index(1, 0).isValid());
    QVERIFY(!tree.model->index(0, 1).isValid());
    QVERIFY(!tree.model->index(-1, 0).isValid());
    QCOMPARE(tree.model->rowCount(program), 0);
    QVERIFY(!tree.model->index(0, 0, program).isValid());
}

void tst_CommandTreeModel::roles_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("device");
    QTest::addColumn<QVariant>("program");

    QTest::addRow("display") << int(Qt::DisplayRole) << QVariant("Device") << QVariant("Program");
    QTest::addRow("edit") << int(Qt::EditRole) << QVariant("Device") << QVariant("Program");
    QTest::addRow("alignment") << int(Qt::TextAlignmentRole) << QVariant(129) << QVariant(129);
    QTest::addRow("tool tip") << int(Qt::ToolTipRole) << QVariant() << QVariant();
    QTest::addRow("decoration") << int(Qt::DecorationRole) << QVariant() << QVariant();
}

void tst_CommandTreeModel::roles()
{
    QFETCH(int, role);
    QFETCH(QVariant, device);
    QFETCH(QVariant, program);

    Tree tree("Program:");
    const QModelIndex deviceIndex = tree.model->index(0, 0);
    QCOMPARE(tree.model->data(deviceIndex, role), device);
    QCOMPARE(tree.model->data(tree.model->index(0, 0, deviceIndex), role), program);
    QVERIFY(!tree.model->data(QModelIndex(), role).isValid());

    const Qt::ItemFlags flags = tree.model->flags(deviceIndex);
    QCOMPARE(flags, Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

void tst_CommandTreeModel::setDataRenames()
{
    Tree tree("Program:");
    QSignalSpy changed(tree.model, &QAbstractItemModel::dataChanged);
    const QModelIndex program = tree.model->indexOf(tree.program);

    QVERIFY(!tree.model->setData(program, "Main", Qt::DisplayRole));
    QVERIFY(!tree.model->setData(QModelIndex(), "Main"));
    QCOMPARE(tree.program->name(), QString("Program"));
    QVERIFY(tree.model->setData(program, "Main"));
    QCOMPARE(tree.program->name(), QString("Main"));
    QCOMPARE(changed.count(), 0);
}

void tst_CommandTreeModel::indexOfRoundTrips()
{
    Tree tree("Program:; function=Collection: stop, call=call");

    const QModelIndex index = tree.model->indexOf(tree["call"]);
    QCOMPARE(index.row(), 1);
    QCOMPARE(tree.model->itemFromIndex(index), tree["call"]);
    QCOMPARE(tree.model->parent(index), tree.model->indexOf(tree["function"]));
    QCOMPARE(tree.model->index(1, 0, tree.model->indexOf(tree["function"])), index);
    QVERIFY(!tree.model->indexOf(tree.model->root()).isValid());
    QVERIFY(!tree.model->indexOf(nullptr).isValid());
}

void tst_CommandTreeModel::edits_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("inserted");
    QTest::addColumn<int>("removed");

    QTest::addRow("append frames to the program") << Edit([](Tree& t) {
        t.model->appendItem(new LedStatesCommand, t.program);
        t.model->appendItem(new StopCommand, t.program);
    }) << QStringList({ "Device", "Device/Program", "Device/Program/Leds", "Device/Program/Stop" })
                                                  << 2 << 0;

    QTest::addRow("insert front, middle and past the end")
        << Edit([](Tree& t) {
               t.model->appendItem(new StopCommand, t.program);
               t.model->insertItem(0, new ResetCommand, t.program);
               t.model->insertItem(1, new CallCommand, t.program);
               t.model->insertItem(99, new LedStatesCommand, t.program);
           })
        << QStringList({ "Device", "Device/Program", "Device/Program/Reset", "Device/Program/Call",
               "Device/Program/Stop", "Device/Program/Leds" })
        << 4 << 0;

    QTest::addRow("collection with a command") << Edit([](Tree& t) {
        auto* function = new FunctionItem;
        t.model->appendItem(function, t.device);
        t.model->appendItem(new CallCommand, function);
    }) << QStringList({ "Device", "Device/Program", "Device/Function", "Device/Function/Call" })
                                               << 2 << 0;

    QTest::addRow("second top-level row")
        << Edit([](Tree& t) { t.model->appendItem(new DeviceItem, nullptr); })
        << QStringList({ "Device", "Device/Program", "Device" }) << 1 << 0;

    QTest::addRow("remove commands in turn") << Edit([](Tree& t) {
        for (int i = 0; i < 3; ++i)
            t.model->appendItem(new LedStatesCommand, t.program);
        AbstractTreeItem* middle = t.program->child(1);
        t.model->removeItem(middle);
        delete middle;
        AbstractTreeItem* last = t.program->child(1);
        t.model->removeItem(last);
        delete last;
    }) << QStringList({ "Device", "Device/Program", "Device/Program/Leds" })
                                             << 3 << 2;

    QTest::addRow("remove a collection with its commands") << Edit([](Tree& t) {
        auto* function = new FunctionItem;
        t.model->appendItem(function, t.device);
        t.model->appendItem(new LedStatesCommand, function);
        t.model->appendItem(new ReturnCommand, function);
        t.model->removeItem(function);
        delete function;
    }) << QStringList({ "Device", "Device/Program" }) << 3 << 1;

    QTest::addRow("move a frame into a collection")
        << Edit([](Tree& t) {
               auto* function = new FunctionItem;
               t.model->appendItem(function, t.device);
               auto* frame = new LedStatesCommand;
               t.model->appendItem(frame, t.program);
               t.model->appendItem(new StopCommand, t.program);
               t.model->insertItem(0, frame, function);
           })
        << QStringList({ "Device", "Device/Program", "Device/Program/Stop", "Device/Function",
               "Device/Function/Leds" })
        << 4 << 1;

    QTest::addRow("move a frame to the end of its own list") << Edit([](Tree& t) {
        auto* frame = new LedStatesCommand;
        t.model->appendItem(frame, t.program);
        t.model->appendItem(new StopCommand, t.program);
        t.model->appendItem(frame, t.program);
    }) << QStringList({ "Device", "Device/Program", "Device/Program/Stop", "Device/Program/Leds" })
                                                             << 3 << 1;

    QTest::addRow("refuse the device under its own program") << Edit([](Tree& t) {
        t.model->appendItem(t.device, t.program);
        t.model->insertItem(0, t.program, t.program);
        t.model->appendItem(nullptr, t.program);
    }) << QStringList({ "Device", "Device/Program" }) << 0 << 0;

    QTest::addRow("refuse a parent outside the tree") << Edit([](Tree& t) {
        FunctionItem outside(nullptr);
        StopCommand loose;
        t.model->appendItem(&loose, &outside);
        t.model->insertItem(0, &loose, &outside);
        QCOMPARE(outside.childCount(), 0);
        QVERIFY(!loose.parentItem());
        // Detached from its own tree, without a word to our views.
        std::unique_ptr<AbstractTreeItem> inside(new StopCommand(&outside));
        t.model->removeItem(inside.get());
        QCOMPARE(outside.childCount(), 0);
    }) << QStringList({ "Device", "Device/Program" }) << 0
                                                      << 0;

    QTest::addRow("remove what is not in a tree") << Edit([](Tree& t) {
        StopCommand loose;
        t.model->removeItem(&loose);
        t.model->removeItem(nullptr);
    }) << QStringList({ "Device", "Device/Program" })
                                                  << 0 << 0;
}

void tst_CommandTreeModel::edits()
{
    QFETCH(Edit, edit);
    QFETCH(QStringList, expected);
    QFETCH(int, inserted);
    QFETCH(int, removed);

    Tree tree("Program:");
    QAbstractItemModelTester tester(tree.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy insertedSpy(tree.model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removedSpy(tree.model, &QAbstractItemModel::rowsRemoved);
    // Persistent indexes are where views keep their current row.
    const QPersistentModelIndex program = tree.model->indexOf(tree.program);

    edit(tree);

    QCOMPARE(print(*tree.model), expected);
    QCOMPARE(insertedSpy.count(), inserted);
    QCOMPARE(removedSpy.count(), removed);
    QVERIFY(program.isValid());
    QCOMPARE(tree.model->itemFromIndex(program), tree.program);
}

void tst_CommandTreeModel::removedItemSurvivesDetached()
{
    Tree tree("Program:");
    auto* frame = new LedStatesCommand;
    tree.model->appendItem(frame, tree.program);
    QPointer<AbstractTreeItem> guard = frame;
    const QPersistentModelIndex index = tree.model->indexOf(frame);

    tree.model->removeItem(frame);
    std::unique_ptr<AbstractTreeItem> owner(frame);

    QVERIFY(!frame->parentItem());
    QVERIFY(!index.isValid());
    tree.owner.reset();
    QVERIFY(!guard.isNull());
}

void tst_CommandTreeModel::rootDiesWithTheDocument()
{
    Tree tree("Program:");
    QPointer<AbstractTreeItem> device = tree.device;
    QPointer<AbstractTreeItem> root = tree.model->root();
    QCOMPARE(root->name(), QString("?"));
    QCOMPARE(root->QObject::parent(), tree.owner.get());

    // The model may go first; the tree stays with the document.
    delete tree.model;
    QVERIFY(!device.isNull());
    tree.owner.reset();
    QVERIFY(device.isNull());
    QVERIFY(root.isNull());
}

void tst_CommandTreeModel::parentlessModelOwnsItsTree()
{
    auto* device = new DeviceItem;
    QPointer<AbstractTreeItem> guard = new ProgramItem(device);
    auto model = std::make_unique<CommandTreeModel>(device);
    QCOMPARE(model->rowCount(), 1);

    model.reset();
    QVERIFY(guard.isNull());
}

QTEST_GUILESS_MAIN(tst_CommandTreeModel)
#include "tst_commandtreemodel.moc"
