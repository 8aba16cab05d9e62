#include "dialogs/Questions.h"
#include "document/TreeOutline.h"
#include "views/CommandTreeMenu.h"
#include "views/CommandTreeView.h"
#include "views/FrameNumberDelegate.h"

#include <QAction>
#include <QInputDialog>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(AbstractTreeItem*)

namespace {

// Every item of the fixture is named; the items the view adds are not.
const QString Program = QStringLiteral(
    "program=Program: frame0=frame, reset=reset, call=call, frame1=frame, return=return, stop=stop");
const QString Function = QStringLiteral("function=Collection: frame2=frame");

struct Tree : TreeOutline
{
    Tree()
        : TreeOutline(Program + "; " + Function)
    {
        view->setModel(model);
        view->setEdits(edits);
        view->expandAll();
    }

    std::unique_ptr<CommandTreeView> view = std::make_unique<CommandTreeView>();

    void setCurrent(const QString& name) const
    {
        view->selectionModel()->setCurrentIndex(model->indexOf(items.value(name)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    void select(const QStringList& names) const
    {
        for (const QString& name : names)
            view->selectionModel()->select(
                model->indexOf(items.value(name)), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QList<AbstractTreeItem*> selectedItems() const
    {
        QList<AbstractTreeItem*> selected;
        for (const QModelIndex& index : view->selectionModel()->selectedRows())
            selected << view->itemAt(index);
        return selected;
    }
};

QStringList visibleTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible() && !action->isSeparator())
            texts << action->text();
    }
    return texts;
}

// Answers the frame count question with a fixed value and records it.
struct CountAnswer
{
    CountAnswer(int answer, bool accept)
    {
        answers.count = [this, answer, accept](QWidget*, const Questions::Count& request, bool* ok) {
            requests << request;
            *ok = accept;
            return answer;
        };
    }

    Questions::Scope answers;
    QList<Questions::Count> requests;
};

} // namespace

class tst_CommandTreeView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void framesShowTheirNumber();
    void menuEntries_data();
    void menuEntries();
    void menuNotOnEmptySpace();
    void menuActions_data();
    void menuActions();
    void append_data();
    void append();
    void insert_data();
    void insert();
    void severalFrames_data();
    void severalFrames();
    void countDialogBounds();
    void remove_data();
    void remove();
    void tableEdit_data();
    void tableEdit();
};

void tst_CommandTreeView::initTestCase()
{
    qRegisterMetaType<AbstractTreeItem*>();
    qRegisterMetaType<QList<LedStatesCommand*>>();
}

void tst_CommandTreeView::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QApplication::activePopupWidget());
}

void tst_CommandTreeView::menuEntries_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("resetAllowed");
    QTest::addColumn<QStringList>("top");
    QTest::addColumn<QStringList>("append");
    QTest::addColumn<QStringList>("insert");

    const QStringList frames { "LedState", "LedStates" };
    const QStringList framesAndReset { "LedState", "LedStates", "Reset" };
    const QStringList all { "Append", "Insert", "Remove Item", "Edit as table" };
    // Frames are cut and copied one by one, and pasted wherever commands go.
    const QStringList paste { "Paste Frames" };
    const QStringList clipboard { "Cut Frames", "Copy Frames", "Paste Frames" };
    // Sequence files stand for the frames of a program or collection.
    const QStringList sequences { "Import sequence...", "Import animation...", "Export sequence..." };
    const QStringList program = QStringList { "Append", "Edit as table" } + paste + sequences;
    const QStringList frame = all + clipboard + sequences;

    QTest::addRow("device") << "device" << true << QStringList { "Edit as table" } << QStringList()
                            << QStringList();
    QTest::addRow("program") << "program" << true << program << framesAndReset << QStringList();
    QTest::addRow("program, no reset") << "program" << false << program << frames << QStringList();
    QTest::addRow("frame") << "frame0" << true << frame << framesAndReset << frames;
    QTest::addRow("frame, no reset") << "frame0" << false << frame << frames << frames;
    QTest::addRow("frame in collection") << "frame2" << true << frame << framesAndReset << frames;
    QTest::addRow("reset") << "reset" << true << all + paste << framesAndReset << frames;
    QTest::addRow("function") << "function" << true << all + paste + sequences << QStringList()
                              << QStringList();
    QTest::addRow("call") << "call" << true << all + paste << QStringList() << QStringList();
    QTest::addRow("return") << "return" << true << all + paste << QStringList() << QStringList();
    QTest::addRow("stop") << "stop" << true << all + paste << QStringList() << QStringList();
}

void tst_CommandTreeView::menuEntries()
{
    QFETCH(QString, item);
    QFETCH(bool, resetAllowed);
    QFETCH(QStringList, top);
    QFETCH(QStringList, append);
    QFETCH(QStringList, insert);

    Tree tree;
    tree.view->resize(300, 400);
    tree.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(tree.view.get()));
    CommandTreeMenu* menu = tree.view->menu();
    menu->setResetAllowed(resetAllowed);

    const QRect rect = tree.view->visualRect(tree.model->indexOf(tree[item]));
    QVERIFY(rect.isValid());
    emit tree.view->customContextMenuRequested(rect.center());

    QVERIFY(menu->isVisible());
    QCOMPARE(visibleTexts(menu), top);
    // The line above the sequence entries goes with them.
    const QList<QAction*> actions = menu->actions();
    const bool lineShown = std::any_of(actions.cbegin(), actions.cend(),
        [](const QAction* action) { return action->isSeparator() && action->isVisible(); });
    QCOMPARE(lineShown, top.contains("Import sequence..."));
    QCOMPARE(visibleTexts(menu->appendMenu()), append);
    QCOMPARE(visibleTexts(menu->insertMenu()), insert);
    menu->close();
}

void tst_CommandTreeView::menuNotOnEmptySpace()
{
    Tree tree;
    tree.view->resize(300, 400);
    tree.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(tree.view.get()));
    emit tree.view->customContextMenuRequested(QPoint(5, 390));
    QVERIFY(!tree.view->menu()->isVisible());
}

void tst_CommandTreeView::menuActions_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("type");

    QTest::addRow("Collection") << int(CommandTreeMenu::Collection) << "function"
                                << int(AbstractTreeItem::Function);
    QTest::addRow("LedState") << int(CommandTreeMenu::LedState) << "call" << int(AbstractTreeItem::LedStates);
    QTest::addRow("LedStates") << int(CommandTreeMenu::LedStates) << "call"
                               << int(AbstractTreeItem::LedStates);
    QTest::addRow("Call") << int(CommandTreeMenu::Call) << "frame0" << int(AbstractTreeItem::Call);
    QTest::addRow("Return") << int(CommandTreeMenu::Return) << "frame0" << int(AbstractTreeItem::Return);
    QTest::addRow("Reset") << int(CommandTreeMenu::Reset) << "frame0" << int(AbstractTreeItem::Reset);
    QTest::addRow("Stop") << int(CommandTreeMenu::Stop) << "frame0" << int(AbstractTreeItem::Stop);
}

// Each entry of both submenus reaches the slot of its own kind.
void tst_CommandTreeView::menuActions()
{
    QFETCH(int, command);
    QFETCH(QString, current);
    QFETCH(int, type);

    Tree tree;
    CountAnswer count(1, true);
    const auto which = CommandTreeMenu::Command(command);
    AbstractTreeItem* container = tree[current]->parentItem();

    tree.setCurrent(current);
    tree.view->menu()->appendAction(which)->trigger();
    QCOMPARE(container->children().constLast()->type(), type);
    QCOMPARE(tree.view->currentItem(), container->children().constLast());

    tree.setCurrent(current);
    const int row = tree[current]->row();
    tree.view->menu()->insertAction(which)->trigger();
    QCOMPARE(container->child(row)->type(), type);
    QCOMPARE(tree.view->currentItem(), container->child(row));
}

void tst_CommandTreeView::append_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("container"); // empty: nothing may be added
    QTest::addColumn<QString>("outline"); // of the container

    const QString all = Program + "; " + Function + "; Collection:";
    QTest::addRow("frame into program")
        << "program" << QByteArray("appendLedState") << "program" << Program + ", frame";
    QTest::addRow("frame beside reset goes to the end")
        << "reset" << QByteArray("appendLedState") << "program" << Program + ", frame";
    QTest::addRow("reset beside frame")
        << "frame0" << QByteArray("appendReset") << "program" << Program + ", reset";
    QTest::addRow("call into collection")
        << "function" << QByteArray("appendCall") << "function" << Function + ", call";
    QTest::addRow("return beside frame")
        << "frame2" << QByteArray("appendReturn") << "function" << Function + ", return";
    QTest::addRow("stop beside stop")
        << "stop" << QByteArray("appendStop") << "program" << Program + ", stop";
    QTest::addRow("frame on device") << "device" << QByteArray("appendLedState") << QString() << QString();
    QTest::addRow("collection on device") << "device" << QByteArray("appendCollection") << "device" << all;
    QTest::addRow("collection beside collection")
        << "function" << QByteArray("appendCollection") << "device" << all;
    QTest::addRow("collection on program")
        << "program" << QByteArray("appendCollection") << QString() << QString();
}

void tst_CommandTreeView::append()
{
    QFETCH(QString, current);
    QFETCH(QByteArray, slot);
    QFETCH(QString, container);
    QFETCH(QString, outline);

    Tree tree;
    tree.setCurrent(current);
    QSignalSpy edited(tree.edits, &DocumentEdits::edited);
    QVERIFY(edited.isValid());
    const int rowsBefore = tree.model->rowCount(tree.model->indexOf(tree.program));

    QVERIFY(QMetaObject::invokeMethod(tree.view.get(), slot.constData()));

    if (container.isEmpty()) {
        QCOMPARE(edited.count(), 0);
        QCOMPARE(tree.view->currentItem(), tree[current]);
        QCOMPARE(tree.model->rowCount(tree.model->indexOf(tree.program)), rowsBefore);
        return;
    }
    QCOMPARE(edited.count(), 1);
    QCOMPARE(tree.outline(tree[container]), outline);
    AbstractTreeItem* added = tree[container]->children().constLast();
    QCOMPARE(tree.view->currentItem(), added);
    QCOMPARE(tree.selectedItems(), QList<AbstractTreeItem*> { added });
}

void tst_CommandTreeView::insert_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("container"); // empty: nothing may be added
    QTest::addColumn<QString>("outline"); // of the container

    QTest::addRow("frame before call") << "call" << QByteArray("insertLedState") << "program"
                                       << QString(Program).replace("call=", "frame, call=");
    QTest::addRow("reset before first") << "frame0" << QByteArray("insertReset") << "program"
                                        << QString(Program).replace("frame0=", "reset, frame0=");
    QTest::addRow("call before frame") << "frame2" << QByteArray("insertCall") << "function"
                                       << QString(Function).replace("frame2=", "call, frame2=");
    QTest::addRow("return before stop") << "stop" << QByteArray("insertReturn") << "program"
                                        << QString(Program).replace("stop=", "return, stop=");
    QTest::addRow("stop before return") << "return" << QByteArray("insertStop") << "program"
                                        << QString(Program).replace("return=", "stop, return=");
    QTest::addRow("frame on program") << "program" << QByteArray("insertLedState") << QString() << QString();
    QTest::addRow("frame on device") << "device" << QByteArray("insertLedState") << QString() << QString();
    QTest::addRow("collection before collection")
        << "function" << QByteArray("insertCollection") << "device" << Program + "; Collection:; " + Function;
    QTest::addRow("collection on device")
        << "device" << QByteArray("insertCollection") << QString() << QString();
    QTest::addRow("collection on frame")
        << "frame2" << QByteArray("insertCollection") << QString() << QString();
}

void tst_CommandTreeView::insert()
{
    QFETCH(QString, current);
    QFETCH(QByteArray, slot);
    QFETCH(QString, container);
    QFETCH(QString, outline);

    Tree tree;
    tree.setCurrent(current);
    QSignalSpy edited(tree.edits, &DocumentEdits::edited);
    QVERIFY(edited.isValid());

    QVERIFY(QMetaObject::invokeMethod(tree.view.get(), slot.constData()));

    if (container.isEmpty()) {
        QCOMPARE(edited.count(), 0);
        QCOMPARE(tree.view->currentItem(), tree[current]);
        return;
    }
    QCOMPARE(edited.count(), 1);
    QCOMPARE(tree.outline(tree[container]), outline);
    // The one item the outline shows without a name.
    AbstractTreeItem* added = tree.view->currentItem();
    QVERIFY(added && tree.items.key(added).isEmpty());
    QCOMPARE(added->parentItem(), tree[container]);
    QCOMPARE(tree.selectedItems(), QList<AbstractTreeItem*> { added });
}

void tst_CommandTreeView::severalFrames_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("insert");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("outline"); // of the program
    QTest::addColumn<int>("currentRow");

    QTest::addRow("append 3") << "reset" << false << true << 3 << Program + ", frame, frame, frame" << 8;
    QTest::addRow("append 1") << "program" << false << true << 1 << Program + ", frame" << 6;
    // Three before the fifth child: it moves to row 7, the last new frame is current at row 4.
    QTest::addRow("insert 3 before the fifth")
        << "return" << true << true << 3
        << QString(Program).replace("return=", "frame, frame, frame, return=") << 4;
    QTest::addRow("cancelled") << "program" << false << false << 3 << Program << -1;
    QTest::addRow("zero refused") << "program" << false << true << 0 << Program << -1;
    QTest::addRow("over 1000 refused") << "frame0" << true << true << 1001 << Program << -1;
}

void tst_CommandTreeView::severalFrames()
{
    QFETCH(QString, current);
    QFETCH(bool, insert);
    QFETCH(bool, accept);
    QFETCH(int, answer);
    QFETCH(QString, outline);
    QFETCH(int, currentRow);

    Tree tree;
    tree.setCurrent(current);
    CountAnswer count(answer, accept);

    if (insert)
        tree.view->insertLedStates();
    else
        tree.view->appendLedStates();

    QCOMPARE(count.requests.count(), 1);
    QCOMPARE(count.requests.first().title,
        insert ? QString("Insert LedState items") : QString("Append LedState items"));
    QCOMPARE(tree.outline(tree.program), outline);
    if (currentRow < 0) {
        QCOMPARE(tree.view->currentItem(), tree[current]);
        return;
    }
    AbstractTreeItem* now = tree.view->currentItem();
    QVERIFY(now);
    QCOMPARE(now->parentItem(), tree.program);
    QCOMPARE(now->row(), currentRow);
    QCOMPARE(tree.selectedItems(), QList<AbstractTreeItem*> { now });
}

// The toolkit's own dialog, answered as a person would.
void tst_CommandTreeView::countDialogBounds()
{
    Tree tree;
    tree.setCurrent("frame2");

    int minimum = 0, maximum = 0, value = 0;
    QString title, label;
    QTimer answer;
    answer.setInterval(10);
    connect(&answer, &QTimer::timeout, &answer, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answer.stop();
        minimum = dialog->intMinimum();
        maximum = dialog->intMaximum();
        value = dialog->intValue();
        title = dialog->windowTitle();
        label = dialog->labelText();
        dialog->setIntValue(2);
        dialog->accept();
    });
    answer.start();
    tree.view->appendLedStates();

    QCOMPARE(minimum, 1);
    QCOMPARE(maximum, 1000);
    QCOMPARE(value, 10);
    QCOMPARE(title, QString("Append LedState items"));
    QCOMPARE(label, QString("Number:"));
    QCOMPARE(tree.outline(tree["function"]), Function + ", frame, frame");
}

void tst_CommandTreeView::remove_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QString>("newCurrent");

    QTest::addRow("current frame") << "frame1" << QStringList { "frame1" } << QStringList { "frame1" }
                                   << "return";
    QTest::addRow("last row") << "stop" << QStringList { "stop" } << QStringList { "stop" } << "return";
    QTest::addRow("several, current among them") << "call" << QStringList { "reset", "call", "frame1" }
                                                 << QStringList { "reset", "call", "frame1" } << "return";
    QTest::addRow("several, current kept")
        << "stop" << QStringList { "frame0", "return" } << QStringList { "frame0", "return" } << "stop";
    QTest::addRow("all of a program")
        << "frame0" << QStringList { "frame0", "reset", "call", "frame1", "return", "stop" }
        << QStringList { "frame0", "reset", "call", "frame1", "return", "stop" } << "program";
    QTest::addRow("collection with its frame") << "frame2" << QStringList { "frame2", "function" }
                                               << QStringList { "function", "frame2" } << "program";
    QTest::addRow("device and program stay")
        << "frame0" << QStringList { "device", "program", "frame0" } << QStringList { "frame0" } << "reset";
    QTest::addRow("only the program") << "program" << QStringList { "program" } << QStringList() << "program";
}

void tst_CommandTreeView::remove()
{
    QFETCH(QString, current);
    QFETCH(QStringList, selected);
    QFETCH(QStringList, removed);
    QFETCH(QString, newCurrent);

    Tree tree;
    tree.setCurrent(current);
    tree.view->selectionModel()->clearSelection();
    tree.select(selected);
    const auto& guards = tree.items; // null once freed
    QSignalSpy edited(tree.edits, &DocumentEdits::edited);
    QSignalSpy currentItem(tree.view.get(), &CommandTreeView::currentItemChanged);
    QVERIFY(edited.isValid());
    QVERIFY(currentItem.isValid());
    QAbstractItemModelTester tester(tree.model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    tree.view->removeItem();

    QCOMPARE(edited.count(), removed.isEmpty() ? 0 : 1);
    // Removed items leave the tree but live on in the undo history until
    // their step leaves it.
    for (auto it = guards.cbegin(); it != guards.cend(); ++it)
        QVERIFY2(!tree.model->contains(it.value()) == removed.contains(it.key()), qPrintable(it.key()));
    QCOMPARE(tree.view->currentItem(), tree[newCurrent]);
    if (newCurrent != current) {
        // One step, straight to the survivor.
        QCOMPARE(currentItem.count(), 1);
    }
    if (!removed.isEmpty())
        QCOMPARE(tree.selectedItems(), QList<AbstractTreeItem*> { tree[newCurrent] });
    tree.edits->history()->clear();
    for (auto it = guards.cbegin(); it != guards.cend(); ++it)
        QVERIFY2(it.value().isNull() == removed.contains(it.key()), qPrintable(it.key()));
}

void tst_CommandTreeView::tableEdit_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("frames");

    QTest::addRow("frames in selection order")
        << QStringList { "frame2", "reset", "frame0" } << QStringList { "frame2", "frame0" };
    QTest::addRow("one frame") << QStringList { "frame1" } << QStringList { "frame1" };
    QTest::addRow("no frame") << QStringList { "reset", "program", "device" } << QStringList();
    QTest::addRow("nothing") << QStringList() << QStringList();
}

void tst_CommandTreeView::tableEdit()
{
    QFETCH(QStringList, selected);
    QFETCH(QStringList, frames);

    Tree tree;
    tree.view->selectionModel()->clearSelection();
    tree.select(selected);
    QSignalSpy table(tree.view.get(), &CommandTreeView::setLedPanelTable);
    QVERIFY(table.isValid());

    tree.view->tableEdit();

    if (frames.isEmpty()) {
        QCOMPARE(table.count(), 0);
        return;
    }
    QCOMPARE(table.count(), 1);
    QList<LedStatesCommand*> expected;
    for (const QString& name : frames)
        expected << tree.frame(name);
    QCOMPARE(table.first().first().value<QList<LedStatesCommand*>>(), expected);
}

namespace {
struct NumberProbe : FrameNumberDelegate
{
    using FrameNumberDelegate::initStyleOption;
};
} // namespace

void tst_CommandTreeView::framesShowTheirNumber()
{
    auto* device = new DeviceItem;
    auto* program = new ProgramItem(device);
    new LedStatesCommand(program);
    new StopCommand(program);
    auto* second = new LedStatesCommand(program);
    CommandTreeModel model(device);
    NumberProbe delegate;
    const auto shown = [&](AbstractTreeItem* item) {
        QStyleOptionViewItem option;
        delegate.initStyleOption(&option, model.indexOf(item));
        return option.text;
    };
    QCOMPARE(shown(second), QStringLiteral("#2 Leds"));
    QCOMPARE(shown(program->child(1)), QStringLiteral("Stop"));
    // The name the editor and the file see is unchanged.
    QCOMPARE(second->name(), QStringLiteral("Leds"));
}

QTEST_MAIN(tst_CommandTreeView)
#include "tst_commandtreeview.moc"
