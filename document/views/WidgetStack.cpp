#include "WidgetStack.h"

#include "AbstractLedPanelScene.h"
#include "CallWidget.h"
#include "DeviceWidget.h"
#include "FunctionWidget.h"
#include "LedPanelTableView.h"
#include "LedPanelView.h"
#include "ProgramWidget.h"
#include "ResetWidget.h"
#include "ReturnWidget.h"
#include "RingLanesView.h"
#include "StopWidget.h"
#include "edits/DocumentEdits.h"
#include "model/CallCommand.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "model/ResetCommand.h"
#include "model/ReturnCommand.h"
#include "model/RingGeometry.h"
#include "model/StopCommand.h"

#include <QSet>

namespace {
// The table shows a frame as the board has it: a row per ring.
constexpr int TableRowsPerFrame = RingGeometry::Rings;
constexpr int TableLedsPerRow = RingGeometry::PositionsPerRing;

bool isWithin(const AbstractTreeItem* item, const QSet<const AbstractTreeItem*>& roots)
{
    for (; item; item = item->parentItem()) {
        if (roots.contains(item))
            return true;
    }
    return false;
}
} // namespace

WidgetStack::WidgetStack(QWidget* parent)
    : QStackedWidget(parent)
    , m_deviceWidget(new DeviceWidget(this))
    , m_programWidget(new ProgramWidget(this))
    , m_functionWidget(new FunctionWidget(this))
    , m_callWidget(new CallWidget(this))
    , m_returnWidget(new ReturnWidget(this))
    , m_resetWidget(new ResetWidget(this))
    , m_stopWidget(new StopWidget(this))
    , m_ledPanelView(new LedPanelView(this))
    , m_tableView(new LedPanelTableView(this))
{
    addWidget(new QWidget(this));
    addWidget(m_deviceWidget);
    addWidget(m_programWidget);
    addWidget(m_functionWidget);
    addWidget(m_callWidget);
    addWidget(m_returnWidget);
    addWidget(m_resetWidget);
    addWidget(m_stopWidget);
    addWidget(m_ledPanelView);
    addWidget(m_tableView);
    m_tableView->setFrameLayout(TableRowsPerFrame, TableLedsPerRow);
    for (RingLanesView* lanes : { m_programWidget->lanesView(), m_functionWidget->lanesView() }) {
        connect(lanes, &RingLanesView::itemChosen, this, &WidgetStack::itemChosen);
        lanes->setBoard(m_ledPanelView);
    }
}

WidgetStack::~WidgetStack() = default;

void WidgetStack::setBoardSide(eLedPanelSide side)
{
    m_programWidget->lanesView()->setSide(side);
    m_functionWidget->lanesView()->setSide(side);
}

void WidgetStack::setEdits(DocumentEdits* edits)
{
    if (m_edits)
        disconnect(m_edits, nullptr, this, nullptr);
    m_edits = edits;
    // The table's cell edits take the same path, so that they mark the
    // document modified.
    m_tableView->setEdits(edits);
    m_programWidget->setEdits(edits);
    m_functionWidget->lanesView()->setEdits(edits);
    if (!edits)
        return;
    connect(edits, &DocumentEdits::itemsAboutToBeRemoved, this, &WidgetStack::itemsAboutToBeRemoved);
    connect(edits, &DocumentEdits::structureChanged, this, [this] { m_structurePending = true; });
    connect(edits, &DocumentEdits::edited, this, &WidgetStack::edited);
}

LedStatesCommand* WidgetStack::shownFrame() const
{
    return m_boardFrame.data();
}

LedStatesCommand* WidgetStack::frameInEffect(const AbstractTreeItem* item)
{
    if (!item)
        return nullptr;
    switch (item->type()) {
    case AbstractTreeItem::LedStates:
        return qobject_cast<LedStatesCommand*>(const_cast<AbstractTreeItem*>(item));
    case AbstractTreeItem::Return:
    case AbstractTreeItem::Reset:
    case AbstractTreeItem::Stop:
        break;
    default:
        return nullptr;
    }
    const AbstractTreeItem* parent = item->parentItem();
    if (!parent)
        return nullptr;
    // One pass over the list: stepping back with previousItem() would look
    // up the row again at every step.
    const QList<AbstractTreeItem*>& siblings = parent->children();
    for (int i = siblings.indexOf(const_cast<AbstractTreeItem*>(item)) - 1; i >= 0; --i) {
        if (siblings.at(i)->type() == AbstractTreeItem::LedStates)
            return qobject_cast<LedStatesCommand*>(siblings.at(i));
    }
    return nullptr;
}

void WidgetStack::setFramesPerSecond(int framesPerSecond)
{
    m_programWidget->setFramesPerSecond(framesPerSecond);
}

void WidgetStack::setCurrentItem(AbstractTreeItem* item)
{
    m_currentItem = item;
    m_tableFrames.clear();
    m_tableView->clearFrames();

    if (LedStatesCommand* frame = frameInEffect(item)) {
        showFrame(frame);
        return;
    }

    Page page = EmptyPage;
    switch (item ? item->type() : AbstractTreeItem::Undefined) {
    case AbstractTreeItem::Device:
        if (auto* device = qobject_cast<DeviceItem*>(item)) {
            m_deviceWidget->setItem(device);
            page = DevicePage;
        }
        break;
    case AbstractTreeItem::Program:
        m_programWidget->setItem(qobject_cast<ProgramItem*>(item));
        page = ProgramPage;
        break;
    case AbstractTreeItem::Function:
        m_functionWidget->setItem(qobject_cast<FunctionItem*>(item));
        page = FunctionPage;
        break;
    case AbstractTreeItem::Call:
        m_callWidget->setItem(qobject_cast<CallCommand*>(item));
        page = CallPage;
        break;
    case AbstractTreeItem::Return:
        m_returnWidget->setItem(qobject_cast<ReturnCommand*>(item));
        page = ReturnPage;
        break;
    case AbstractTreeItem::Reset:
        m_resetWidget->setItem(qobject_cast<ResetCommand*>(item));
        page = ResetPage;
        break;
    case AbstractTreeItem::Stop:
        m_stopWidget->setItem(qobject_cast<StopCommand*>(item));
        page = StopPage;
        break;
    default:
        break;
    }
    forgetBoard();
    setCurrentIndex(page);
}

void WidgetStack::setTableEditor(QList<LedStatesCommand*> items)
{
    m_tableFrames.clear();
    for (LedStatesCommand* frame : qAsConst(items))
        m_tableFrames.append(frame);
    m_tableView->setFrames(items);
    m_tableView->setFrameLayout(TableRowsPerFrame, TableLedsPerRow);
    forgetBoard();
    setCurrentIndex(TablePage);
}

void WidgetStack::showFrame(LedStatesCommand* frame)
{
    m_boardFrame = frame;
    m_boardBlank = false;
    m_ledPanelView->ledFrame(frame);
    setCurrentIndex(LedPanelPage);
}

void WidgetStack::forgetBoard()
{
    m_boardFrame = nullptr;
    if (std::exchange(m_boardBlank, true))
        return;
    if (AbstractLedPanelScene* scene = m_ledPanelView->ledPanelScene())
        scene->clearFrame();
}

void WidgetStack::itemsAboutToBeRemoved(const QList<AbstractTreeItem*>& items)
{
    const QSet<const AbstractTreeItem*> roots(items.cbegin(), items.cend());
    QList<LedStatesCommand*> kept;
    bool dropped = false;
    for (const QPointer<LedStatesCommand>& frame : qAsConst(m_tableFrames)) {
        if (frame && !isWithin(frame, roots))
            kept.append(frame);
        else
            dropped = true;
    }
    if (dropped) {
        m_tableFrames.clear();
        for (LedStatesCommand* frame : qAsConst(kept))
            m_tableFrames.append(frame);
        m_tableView->setFrames(kept);
    }
    // The board is settled once the items are gone (edited()), because the
    // tree may still move its current row across doomed rows meanwhile.
    m_removalPending = true;
}

void WidgetStack::edited()
{
    // LED values alone leave the board's frames where they are.
    if (!std::exchange(m_structurePending, false))
        return;
    const bool removal = std::exchange(m_removalPending, false);
    if (currentIndex() == TablePage) {
        if (removal)
            forgetBoard();
        return;
    }
    // Show again what is current now, from the tree as it stands: frames
    // added or taken away beside the current item may have given it another
    // frame in effect (a Stop after a duplicated frame), or the shown frame
    // other neighbours; the board lets go if the current item went.
    setCurrentItem(m_currentItem);
}
