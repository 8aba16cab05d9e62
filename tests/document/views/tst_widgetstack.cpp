#include "document/TreeOutline.h"
#include "views/AbstractLedPanelScene.h"
#include "views/CommandTreeView.h"
#include "views/DeviceWidget.h"
#include "views/LedItem.h"
#include "views/LedPanelTableModel.h"
#include "views/LedPanelTableView.h"
#include "views/LedPanelView.h"
#include "views/RingLanesView.h"
#include "views/WidgetStack.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

// Every frame lights its own LED: A 0, B 1, C 2, D 3.
struct Document : TreeOutline
{
    Document()
        : TreeOutline(
            "program=Program: reset0=reset, frameA=frame 0, frameB=frame 1, frameC=frame 2, call=call, "
            "stop=stop, return=return; function=Collection: stop1=stop, frameD=frame 3")
    {
        device->setDeviceName("ZQ-RING-A");
        device->setDescription("Segmented ring LED panel");

        // Wired as the document wires them; the scene is deliberately not
        // given the edit path, so that only the stack keeps the board safe.
        tree->setModel(model);
        tree->setEdits(edits);
        tree->expandAll();
        stack->setEdits(edits);
        stack->ledPanelView()->setScene(scene.get());
        QObject::connect(
            tree.get(), &CommandTreeView::currentItemChanged, stack.get(), &WidgetStack::setCurrentItem);
        QObject::connect(
            tree.get(), &CommandTreeView::setLedPanelTable, stack.get(), &WidgetStack::setTableEditor);
        QObject::connect(stack.get(), &WidgetStack::itemChosen, tree.get(), &CommandTreeView::setCurrentItem);
    }

    // The views go before the tree they show.
    std::unique_ptr<AbstractLedPanelScene> scene { AbstractLedPanelScene::create(Ring, device) };
    std::unique_ptr<WidgetStack> stack = std::make_unique<WidgetStack>();
    std::unique_ptr<CommandTreeView> tree = std::make_unique<CommandTreeView>();

    void setCurrent(const QString& name) const
    {
        tree->selectionModel()->setCurrentIndex(model->indexOf(items.value(name)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    // Which frames the board's LEDs point into: the name of the frame each of
    // the current, previous and next cells of LED k belongs to.
    QStringList boardCells(int k) const
    {
        const LedItem* led = scene->ledItems().at(k);
        auto owner = [this, k](const LedCell* cell) -> QString {
            if (!cell)
                return "-";
            for (auto it = items.cbegin(); it != items.cend(); ++it) {
                auto* frame = qobject_cast<LedStatesCommand*>(it.value().data());
                if (frame && frame->leds().at(k) == cell)
                    return it.key();
            }
            return "?";
        };
        return { owner(led->current()), owner(led->previous()), owner(led->next()) };
    }

    // Paints the board and the table the way the screen would, reading every
    // cell they hold.
    void paintAll() const
    {
        QImage image(200, 200, QImage::Format_ARGB32);
        QPainter painter(&image);
        scene->render(&painter);
        stack->tableView()->resize(400, 300);
        stack->tableView()->render(&painter);
    }
};

QString labelText(QWidget* page, const char* name = "label")
{
    auto* label = page->findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

} // namespace

class tst_WidgetStack : public QObject
{
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void frameInEffect_data();
    void frameInEffect();
    void lanesChooseTheirRows_data();
    void lanesChooseTheirRows();
    void devicePage();
    void tableEditor();
    void removal_data();
    void removal();
    void removalWhileTableShown();
    void neighboursFollowNewFrames_data();
    void neighboursFollowNewFrames();
};

void tst_WidgetStack::pages_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("label");

    QTest::addRow("nothing") << QString() << int(WidgetStack::EmptyPage) << QString();
    QTest::addRow("device") << "device" << int(WidgetStack::DevicePage) << QString();
    // The size each page names, as the compiler emits it: a frame of 192
    // LEDs takes 25 bytes.
    QTest::addRow("program") << "program" << int(WidgetStack::ProgramPage) << "3 frames, 81 bytes of 8000";
    QTest::addRow("collection") << "function" << int(WidgetStack::FunctionPage) << "take 26 bytes.";
    QTest::addRow("call after frames") << "call" << int(WidgetStack::CallPage) << "takes 3 bytes.";
    QTest::addRow("reset first in program") << "reset0" << int(WidgetStack::ResetPage) << "takes 1 byte.";
    QTest::addRow("stop first in collection") << "stop1" << int(WidgetStack::StopPage) << "takes 1 byte.";
    QTest::addRow("frame") << "frameB" << int(WidgetStack::LedPanelPage) << QString();
    QTest::addRow("stop after frames") << "stop" << int(WidgetStack::LedPanelPage) << QString();
}

void tst_WidgetStack::pages()
{
    QFETCH(QString, item);
    QFETCH(int, page);
    QFETCH(QString, label);

    Document doc;
    doc.stack->setCurrentItem(doc["frameA"]);
    doc.stack->setCurrentItem(doc[item]);

    QCOMPARE(doc.stack->currentIndex(), page);
    QCOMPARE(doc.stack->count(), 10);
    QWidget* shown = doc.stack->currentWidget();
    if (page == WidgetStack::ProgramPage)
        QCOMPARE(QStringLiteral("%1 frames, %2")
                     .arg(labelText(shown, "label_Frames"), labelText(shown, "label_Bytes")),
            label);
    else if (!label.isEmpty())
        QVERIFY2(labelText(shown).endsWith(label), qPrintable(labelText(shown)));
    if (page == WidgetStack::LedPanelPage)
        QCOMPARE(doc.stack->currentWidget(), doc.stack->ledPanelView());
    else
        QCOMPARE(doc.boardCells(0), (QStringList { "-", "-", "-" })); // a hidden board holds no frame
}

void tst_WidgetStack::lanesChooseTheirRows_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("clicked");
    QTest::addRow("program, a frame")
        << "program" << QStringList { "reset0", "frameA", "frameB", "frameC", "call", "stop", "return" }
        << "frameC";
    QTest::addRow("program, a band") << "program" << QStringList() << "call";
    QTest::addRow("collection") << "function" << QStringList { "stop1", "frameD" } << "frameD";
}

// The list's page shows its lanes, a row per frame or band in order, and a
// click on a row's number makes its item the tree's current one.
void tst_WidgetStack::lanesChooseTheirRows()
{
    QFETCH(QString, list);
    QFETCH(QStringList, rows);
    QFETCH(QString, clicked);
    Document doc;
    doc.stack->resize(900, 700);
    doc.stack->show();
    doc.setCurrent(list);
    auto* lanes = doc.stack->currentWidget()->findChild<RingLanesView*>();
    QVERIFY(lanes && lanes->isVisible());
    const LaneRows& shown = lanes->lanes().rows();
    QVERIFY(rows.isEmpty() || shown.count() == rows.size());
    for (int row = 0; row < rows.size(); ++row)
        QCOMPARE(shown.at(row).item.data(), doc[rows.at(row)]);
    const int row = shown.rowOf(doc[clicked]);
    const QPoint point(2, lanes->lanes().rowTop(row) + 1 - lanes->scroll().y());
    QTest::mouseClick(lanes->viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(doc.tree->currentItem(), doc[clicked]);
}

void tst_WidgetStack::frameInEffect_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QStringList>("led1"); // shown, previous, next for LED 1

    QTest::addRow("frame itself") << "frameB"
                                  << "frameB" << QStringList { "frameB", "frameA", "frameC" };
    QTest::addRow("first frame") << "frameA"
                                 << "frameA" << QStringList { "frameA", "-", "frameB" };
    QTest::addRow("stop after frames takes the nearer")
        << "stop"
        << "frameC" << QStringList { "frameC", "frameB", "-" };
    QTest::addRow("return past call and stop") << "return"
                                               << "frameC" << QStringList { "frameC", "frameB", "-" };
    QTest::addRow("reset first") << "reset0" << QString() << QStringList { "-", "-", "-" };
    QTest::addRow("stop first in collection") << "stop1" << QString() << QStringList { "-", "-", "-" };
    QTest::addRow("call") << "call" << QString() << QStringList { "-", "-", "-" };
}

void tst_WidgetStack::frameInEffect()
{
    QFETCH(QString, item);
    QFETCH(QString, frame);
    QFETCH(QStringList, led1);

    Document doc;
    doc.setCurrent(item);

    QCOMPARE(WidgetStack::frameInEffect(doc[item]), doc.frame(frame));
    QCOMPARE(doc.stack->shownFrame(), doc.frame(frame));
    QCOMPARE(doc.boardCells(1), led1);
    QCOMPARE(doc.stack->currentIndex() == WidgetStack::LedPanelPage, !frame.isEmpty());
}

void tst_WidgetStack::devicePage()
{
    Document doc;
    doc.setCurrent("device");

    auto* page = qobject_cast<DeviceWidget*>(doc.stack->currentWidget());
    QVERIFY(page);
    auto* name = page->findChild<QLineEdit*>("lineEdit_Name");
    auto* description = page->findChild<QLineEdit*>("lineEdit_Description");
    QVERIFY(name && description);
    QCOMPARE(name->text(), QString("ZQ-RING-A"));
    QCOMPARE(description->text(), QString("Segmented ring LED panel"));
    QVERIFY(name->isReadOnly());
    QVERIFY(description->isReadOnly());
    QCOMPARE(page->findChild<QLabel*>("label_Name")->text(), QString("Name:"));
    QCOMPARE(page->findChild<QLabel*>("label_Description")->text(), QString("Description:"));
}

void tst_WidgetStack::tableEditor()
{
    Document doc;
    doc.setCurrent("frameA");
    doc.tree->selectionModel()->select(
        doc.model->indexOf(doc["frameC"]), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    doc.tree->tableEdit();

    QCOMPARE(doc.stack->currentWidget(), doc.stack->tableView());
    LedPanelTableModel* table = doc.stack->tableView()->tableModel();
    QCOMPARE(table->rowCount(), 8);
    QCOMPARE(table->columnCount(), 48);
    QCOMPARE(table->index(4, 2).data().toInt(), 1); // frame C, LED 2
    QCOMPARE(doc.boardCells(0), (QStringList { "-", "-", "-" }));

    // A cell typed in the table is an edit of the document.
    QSignalSpy edited(doc.edits, &DocumentEdits::edited);
    QVERIFY(edited.isValid());
    QVERIFY(table->setData(table->index(5, 7), 1, Qt::EditRole));
    QCOMPARE(doc.frame("frameC")->leds().at(55)->value(), 1);
    QCOMPARE(edited.count(), 1);

    doc.setCurrent("call");
    QCOMPARE(doc.stack->currentIndex(), int(WidgetStack::CallPage));
    QCOMPARE(table->rowCount(), 0);
}

void tst_WidgetStack::removal_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("led1");

    // The tree's current row follows to the next row, and the board to it.
    QTest::addRow("shown frame") << "frameB" << QStringList { "frameB" } << int(WidgetStack::LedPanelPage)
                                 << "frameC" << QStringList { "frameC", "frameA", "-" };
    // The shown frame stays; its neighbour changes.
    QTest::addRow("neighbour of the shown frame")
        << "frameC" << QStringList { "frameB" } << int(WidgetStack::LedPanelPage) << "frameC"
        << QStringList { "frameC", "frameA", "-" };
    QTest::addRow("frame in effect of a stop")
        << "stop" << QStringList { "frameC" } << int(WidgetStack::LedPanelPage) << "frameB"
        << QStringList { "frameB", "frameA", "-" };
    QTest::addRow("every frame before a stop")
        << "stop" << QStringList { "frameA", "frameB", "frameC" } << int(WidgetStack::StopPage) << QString()
        << QStringList { "-", "-", "-" };
    QTest::addRow("collection holding the shown frame")
        << "frameD" << QStringList { "function" } << int(WidgetStack::ProgramPage) << QString()
        << QStringList { "-", "-", "-" };
    QTest::addRow("frames and the current call")
        << "call" << QStringList { "frameA", "frameB", "frameC", "call" } << int(WidgetStack::StopPage)
        << QString() << QStringList { "-", "-", "-" };
}

void tst_WidgetStack::removal()
{
    QFETCH(QString, current);
    QFETCH(QStringList, removed);
    QFETCH(int, page);
    QFETCH(QString, shown);
    QFETCH(QStringList, led1);

    Document doc;
    doc.setCurrent(current);
    QList<QPointer<AbstractTreeItem>> guards;
    doc.tree->selectionModel()->clearSelection();
    for (const QString& name : removed) {
        guards << doc[name];
        doc.tree->selectionModel()->select(
            doc.model->indexOf(doc[name]), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    doc.tree->removeItem();

    for (const QPointer<AbstractTreeItem>& guard : qAsConst(guards))
        QVERIFY(!doc.model->contains(guard));
    QCOMPARE(doc.stack->currentIndex(), page);
    QCOMPARE(doc.stack->shownFrame(), doc.frame(shown));
    QCOMPARE(doc.boardCells(1), led1);
    doc.paintAll();

    // Undone and redone, then forgotten: the board never keeps a cell of a
    // frame out of the tree (the sanitizers watch the painting).
    doc.edits->history()->undo();
    doc.paintAll();
    doc.edits->history()->redo();
    doc.paintAll();
    doc.edits->history()->clear();
    for (const QPointer<AbstractTreeItem>& guard : qAsConst(guards))
        QVERIFY(guard.isNull());
    doc.paintAll();
}

// Removing frames the table shows, straight through the edit path: the table
// keeps the others and the page stays.
void tst_WidgetStack::removalWhileTableShown()
{
    Document doc;
    doc.setCurrent("frameC");
    doc.stack->setTableEditor({ doc.frame("frameA"), doc.frame("frameB"), doc.frame("frameD") });
    QPointer<AbstractTreeItem> frameB = doc["frameB"];
    QPointer<AbstractTreeItem> function = doc["function"];

    doc.edits->removeItems({ doc["frameB"], doc["function"] });

    QVERIFY(!doc.model->contains(frameB));
    QVERIFY(!doc.model->contains(function));
    QCOMPARE(doc.stack->currentWidget(), doc.stack->tableView());
    LedPanelTableModel* table = doc.stack->tableView()->tableModel();
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->index(0, 0).data().toInt(), 1); // frame A is left
    QCOMPARE(doc.boardCells(0), (QStringList { "-", "-", "-" }));
    doc.paintAll();

    // Leaving the table shows the current frame with its new neighbours.
    doc.setCurrent("frameA");
    QCOMPARE(doc.boardCells(1), (QStringList { "frameA", "-", "frameC" }));
}

void tst_WidgetStack::neighboursFollowNewFrames_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected"); // current, previous, next of LED 5
    // frameC is followed by the Call; frameA follows reset0.
    QTest::addRow("after the last frame") << "frameC" << 4 << QStringList { "frameC", "frameB", "new" };
    QTest::addRow("before the first frame") << "frameA" << 1 << QStringList { "frameA", "new", "frameB" };
}

void tst_WidgetStack::neighboursFollowNewFrames()
{
    QFETCH(QString, shown);
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    Document doc;
    doc.setCurrent(shown);
    QCOMPARE(doc.stack->currentIndex(), int(WidgetStack::LedPanelPage));
    auto* frame = new LedStatesCommand;
    doc.items["new"] = frame;
    doc.edits->insertItem(row, frame, doc.program);
    // The tree keeps its current row; the board's hints pick up the new
    // neighbour without another click.
    QCOMPARE(doc.boardCells(5), expected);
    doc.paintAll();
}

QTEST_MAIN(tst_WidgetStack)
#include "tst_widgetstack.moc"
