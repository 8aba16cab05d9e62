#include "EditorTestCase.h"
#include "KamdelDocument.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "views/AbstractLedPanelScene.h"
#include "views/CommandTreeView.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"
#include "views/WidgetStack.h"

#include "edits/EditHistory.h"
#include <QComboBox>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {
// QTest only moves the cursor; widgets hear of a move through an event.
void moveMouse(QWidget* target, const QPoint& pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(
        QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}
} // namespace

// What a new user meets first: a new document ready to draw, the frame
// keys, one key per action, and names for every control.
class tst_FirstSteps : public EditorTestCase
{
    Q_OBJECT

private slots:
    void newDocumentIsReadyToDraw_data();
    void newDocumentIsReadyToDraw();
    void openShowsTheFirstFrame();
    void addFrame_data();
    void addFrame();
    void noKeyIsShared_data();
    void noKeyIsShared();
    void keysReachTheirActions_data();
    void keysReachTheirActions();
    void exportAndWriteNeedADocument();
    void controlsHaveNames();
    void treeShowsLongFrameLabels();
    void splitterPositionIsKept();
    void hoverNamesTheLed();

private:
    KamdelDocument* document() const { return qobject_cast<KamdelDocument*>(m_window->document()); }
    AbstractTreeItem* program() const { return document()->deviceItem()->program(0); }
    QList<int> litFrames() const;
    void showActive(const QSize& size = QSize());
};

void tst_FirstSteps::showActive(const QSize& size)
{
    if (size.isValid())
        m_window->resize(size);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

// For each command of the program: the number of LEDs lit, -1 for others.
QList<int> tst_FirstSteps::litFrames() const
{
    QList<int> counts;
    for (AbstractTreeItem* item : program()->children()) {
        auto* frame = qobject_cast<LedStatesCommand*>(item);
        int lit = 0;
        for (const LedCell* cell : frame ? frame->leds() : QVector<LedCell*>())
            lit += cell->value() > 0;
        counts << (frame ? lit : -1);
    }
    return counts;
}

void tst_FirstSteps::newDocumentIsReadyToDraw_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("model");
    QTest::addRow("first model") << "action_NewPanel1"
                                 << "ZQ-RING-A";
    QTest::addRow("second model") << "action_NewPanel2"
                                  << "ZQ-RING-B";
}

void tst_FirstSteps::newDocumentIsReadyToDraw()
{
    QFETCH(QString, action);
    QFETCH(QString, model);
    showActive();
    this->action(qPrintable(action))->trigger();
    QVERIFY(document());
    QCOMPARE(document()->panelModel(), model);

    // One empty frame, current, expanded into view and on the board.
    QCOMPARE(litFrames(), QList<int> { 0 });
    CommandTreeView* tree = document()->commandTreeView();
    AbstractTreeItem* frame = program()->child(0);
    QCOMPARE(tree->currentItem(), frame);
    QVERIFY(tree->selectionModel()->isRowSelected(0, document()->treeModel()->indexOf(program())));
    QVERIFY(tree->isExpanded(document()->treeModel()->indexOf(program())));
    QVERIFY(tree->isExpanded(document()->treeModel()->indexOf(document()->deviceItem())));
    QCOMPARE(document()->panelScene()->shownFrame(), frame);
    QVERIFY(document()->ledPanelView()->isVisible());
    QVERIFY(document()->ledPanelView()->hasFocus());

    // Nothing to save and nothing to undo until the user draws.
    QVERIFY(!document()->isModified());
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(document()->edits()->history()->count(), 0);
    QVERIFY(!this->action("action_Undo")->isEnabled());
    LedItem* led = document()->panelScene()->ledItems().at(5);
    document()->panelScene()->beginStroke(led);
    document()->panelScene()->endStroke();
    QVERIFY(document()->isModified());
    QCOMPARE(litFrames(), QList<int> { 1 });
}

void tst_FirstSteps::openShowsTheFirstFrame()
{
    using namespace DocumentFiles;
    const QString path
        = documentFile(QStringLiteral("2.0"), { QStringLiteral("<Call/>"), frame({ 7 }), frame({ 8 }) });
    m_window->openDocument(path);
    QVERIFY(document());
    QCOMPARE(document()->commandTreeView()->currentItem(), program()->child(1));
    LedStatesCommand* shown = document()->panelScene()->shownFrame();
    QCOMPARE(shown, program()->child(1));
    QCOMPARE(shown->leds().at(7)->value(), 1);
    QVERIFY(!document()->isModified());
}

void tst_FirstSteps::addFrame_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("newCurrent");

    // The program starts as frames with 1, 2 and 3 LEDs lit.
    QTest::addRow("Insert after the first") << "key" << 0 << QList<int> { 1, 0, 2, 3 } << 1;
    QTest::addRow("Insert after the last") << "key" << 2 << QList<int> { 1, 2, 3, 0 } << 3;
    QTest::addRow("tool button") << "button" << 1 << QList<int> { 1, 2, 0, 3 } << 2;
    QTest::addRow("tool button with Shift copies") << "shift button" << 1 << QList<int> { 1, 2, 2, 3 } << 2;
    QTest::addRow("menu entry") << "menu" << 2 << QList<int> { 1, 2, 3, 0 } << 3;
    QTest::addRow("Shift+Insert stays Paste") << "shift key" << 0 << QList<int> { 1, 2, 3 } << 0;
}

void tst_FirstSteps::addFrame()
{
    QFETCH(QString, how);
    QFETCH(int, current);
    QFETCH(QList<int>, expected);
    QFETCH(int, newCurrent);
    using namespace DocumentFiles;
    open(QStringLiteral("1.0"), { frame({ 1 }), frame({ 1, 2 }), frame({ 1, 2, 3 }) });
    showActive();
    document()->commandTreeView()->setCurrentItem(program()->child(current));
    document()->ledPanelView()->setFocus();

    auto* bar = m_window->findChild<QToolBar*>(QStringLiteral("toolBar_Edit"));
    QWidget* button = bar->widgetForAction(action("action_FrameAdd"));
    QVERIFY(button);
    if (how == QLatin1String("key"))
        QTest::keyClick(m_window.get(), Qt::Key_Insert);
    else if (how == QLatin1String("shift key"))
        QTest::keyClick(m_window.get(), Qt::Key_Insert, Qt::ShiftModifier);
    else if (how == QLatin1String("button"))
        QTest::mouseClick(button, Qt::LeftButton);
    else if (how == QLatin1String("shift button"))
        QTest::mouseClick(button, Qt::LeftButton, Qt::ShiftModifier);
    else {
        // A click elsewhere first: the last row's Shift is not held any more.
        QTest::mouseClick(m_window->statusBar(), Qt::LeftButton);
        action("action_FrameAdd")->trigger();
    }

    QCOMPARE(litFrames(), expected);
    QCOMPARE(document()->commandTreeView()->currentItem(), program()->child(newCurrent));
    QCOMPARE(document()->panelScene()->shownFrame(), program()->child(newCurrent));
    EditHistory* history = document()->edits()->history();
    QCOMPARE(history->count(), expected.size() == 3 ? 0 : 1);
    history->undo();
    QCOMPARE(litFrames(), (QList<int> { 1, 2, 3 }));
}

void tst_FirstSteps::noKeyIsShared_data()
{
    QTest::addColumn<bool>("withDocument");
    QTest::addRow("no document") << false;
    QTest::addRow("a document") << true;
}

void tst_FirstSteps::noKeyIsShared()
{
    QFETCH(bool, withDocument);
    if (withDocument)
        m_window->newDocument_KamdelPanel2();
    showActive();
    // Every action the window holds: menus, tool bars, the board's and
    // the tree's menus.
    QSet<QAction*> actions;
    for (QAction* item : m_window->findChildren<QAction*>())
        actions.insert(item);
    for (QWidget* widget : m_window->findChildren<QWidget*>()) {
        for (QAction* item : widget->actions())
            actions.insert(item);
    }
    QVERIFY(actions.size() > 40);
    QHash<QKeySequence, QString> owners;
    for (QAction* item : qAsConst(actions)) {
        for (const QKeySequence& key : item->shortcuts()) {
            const QString name = item->objectName().isEmpty() ? item->text() : item->objectName();
            QVERIFY2(!owners.contains(key),
                qPrintable(key.toString() + " on " + owners.value(key) + " and " + name));
            owners.insert(key, name);
        }
    }
    QCOMPARE(action("action_Delete")->shortcuts(), QList<QKeySequence> { QKeySequence(Qt::Key_Delete) });
}

void tst_FirstSteps::keysReachTheirActions_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QList<int>>("expected");

    // After Insert added an empty frame behind the first and Ctrl+Z took
    // it back again.
    QTest::addRow("Ctrl+Y redoes") << QKeySequence(Qt::CTRL | Qt::Key_Y) << QList<int> { 1, 0, 2 };
    QTest::addRow("Ctrl+Shift+Z redoes")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << QList<int> { 1, 0, 2 };
    QTest::addRow("Ctrl+D duplicates") << QKeySequence(Qt::CTRL | Qt::Key_D) << QList<int> { 1, 1, 2 };
}

void tst_FirstSteps::keysReachTheirActions()
{
    QFETCH(QKeySequence, key);
    QFETCH(QList<int>, expected);
    using namespace DocumentFiles;
    open(QStringLiteral("1.0"), { frame({ 1 }), frame({ 1, 2 }) });
    showActive();
    QTest::keyClick(m_window.get(), Qt::Key_Insert);
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(litFrames(), (QList<int> { 1, 2 }));
    document()->commandTreeView()->setCurrentItem(program()->child(0));
    QTest::keySequence(m_window.get(), key);
    QCOMPARE(litFrames(), expected);
}

void tst_FirstSteps::exportAndWriteNeedADocument()
{
    const QList<QAction*> items = { action("action_ExportAnimation"), action("action_ExportFrame"),
        action("action_CompileAndWrite") };
    const auto enabled = [&items] {
        QList<bool> states;
        for (const QAction* item : items)
            states << item->isEnabled();
        return states;
    };
    QCOMPARE(enabled(), QList<bool>({ false, false, false }));
    m_window->newDocument_KamdelPanel1();
    QCOMPARE(enabled(), QList<bool>({ true, true, true }));
    m_window->closeDocument();
    QVERIFY(!m_window->document());
    QCOMPARE(enabled(), QList<bool>({ false, false, false }));
}

void tst_FirstSteps::controlsHaveNames()
{
    m_window->newDocument_KamdelPanel1();
    showActive();
    int buttons = 0;
    for (QToolBar* bar : m_window->findChildren<QToolBar*>()) {
        for (QAction* item : bar->actions()) {
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(item));
            if (!button)
                continue;
            ++buttons;
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(item->objectName()));
        }
    }
    QVERIFY2(buttons >= 10, qPrintable(QString::number(buttons)));
    for (QComboBox* box : m_window->findChildren<QComboBox*>())
        QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(document()->ledPanelView()->accessibleName(), QStringLiteral("LED board"));
    // The two New buttons tell the models apart.
    QCOMPARE(action("action_NewPanel1")->toolTip(), QStringLiteral("New ZQ-RING-A document"));
    QCOMPARE(action("action_NewPanel2")->toolTip(), QStringLiteral("New ZQ-RING-B document"));
}

void tst_FirstSteps::treeShowsLongFrameLabels()
{
    QStringList commands;
    for (int i = 0; i < 300; ++i)
        commands << DocumentFiles::frame({});
    open(QStringLiteral("1.0"), commands);
    showActive(QSize(1024, 700));
    CommandTreeView* tree = document()->commandTreeView();
    const QModelIndex last = document()->treeModel()->indexOf(program()->child(299));
    tree->scrollTo(last);
    QStyleOptionViewItem option;
    option.initFrom(tree);
    option.decorationSize = tree->iconSize();
    option.features |= QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
    const QSize needed = tree->itemDelegate()->sizeHint(option, last);
    QVERIFY2(tree->visualRect(last).left() + needed.width() <= tree->viewport()->width(),
        qPrintable(QStringLiteral("%1 + %2 > %3")
                       .arg(tree->visualRect(last).left())
                       .arg(needed.width())
                       .arg(tree->viewport()->width())));
}

void tst_FirstSteps::splitterPositionIsKept()
{
    m_window->newDocument_KamdelPanel1();
    showActive(QSize(1024, 700));
    auto* splitter = document()->findChild<QSplitter*>(QStringLiteral("splitter"));
    QVERIFY(splitter);
    const int before = document()->commandTreeView()->width();
    QSplitterHandle* handle = splitter->handle(1);
    const QPoint grip(handle->width() / 2, handle->height() / 2);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grip);
    moveMouse(handle, grip + QPoint(90, 0), Qt::LeftButton);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grip + QPoint(90, 0));
    const int moved = document()->commandTreeView()->width();
    QVERIFY2(moved > before + 40, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(moved)));

    QVERIFY(m_window->close());
    QVERIFY(openWindow(false));
    m_window->newDocument_KamdelPanel2();
    showActive(QSize(1024, 700));
    QCOMPARE(document()->commandTreeView()->width(), moved);
}

void tst_FirstSteps::hoverNamesTheLed()
{
    m_window->newDocument_KamdelPanel1();
    showActive(QSize(1024, 700));
    LedPanelView* board = document()->ledPanelView();
    const QList<LedItem*>& leds = document()->panelScene()->ledItems();
    // Ring 2 holds LEDs 48 to 95, counted from the innermost.
    const QPoint over = board->mapFromScene(leds.at(48 + 16)->scenePos());
    moveMouse(board->viewport(), over);
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("Ring 2, position 17"));
    moveMouse(board->viewport(), board->mapFromScene(leds.at(0)->scenePos()));
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("Ring 1, position 1"));
}

QTEST_MAIN(tst_FirstSteps)
#include "tst_firststeps.moc"
