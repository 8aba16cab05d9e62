#include "CommandTreeView.h"

#include "CommandTreeMenu.h"
#include "FrameNumberDelegate.h"
#include "FrameTransfers.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "model/AbstractTreeItem.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/ItemFactory.h"
#include "model/LedStatesCommand.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSet>
#include <QStyle>

#include <algorithm>

namespace {
std::unique_ptr<AbstractTreeItem> newItem(int type)
{
    return std::unique_ptr<AbstractTreeItem>(ItemFactory::create(type));
}

// The device and the document's program are never removed: the document,
// its compiler and its board all hold on to them.
bool isRemovable(const AbstractTreeItem* item)
{
    return item && item->parentItem() && item->type() != AbstractTreeItem::Device
        && item->type() != AbstractTreeItem::Program;
}

// The row that takes over as current when `current` leaves with `doomed`:
// the next surviving sibling of its topmost removed ancestor, else the
// previous one, else that ancestor's parent.
AbstractTreeItem* survivorFor(AbstractTreeItem* current, const QSet<const AbstractTreeItem*>& doomed)
{
    AbstractTreeItem* top = nullptr;
    for (AbstractTreeItem* item = current; item; item = item->parentItem()) {
        if (doomed.contains(item))
            top = item;
    }
    if (!top)
        return current;
    AbstractTreeItem* parent = top->parentItem();
    const QList<AbstractTreeItem*>& siblings = parent->children();
    const int row = siblings.indexOf(top);
    for (int i = row + 1; i < siblings.count(); ++i) {
        if (!doomed.contains(siblings.at(i)))
            return siblings.at(i);
    }
    for (int i = row - 1; i >= 0; --i) {
        if (!doomed.contains(siblings.at(i)))
            return siblings.at(i);
    }
    return parent;
}

} // namespace

CommandTreeView::CommandTreeView(QWidget* parent)
    : QTreeView(parent)
    , m_menu(new CommandTreeMenu(this))
    , m_transfers(new FrameTransfers(this))
{
    header()->hide();
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &CommandTreeView::customMenuRequested);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setItemDelegate(new FrameNumberDelegate(this));
    setIconSize(QSize(CommandTreeModel::FramePictureSize, CommandTreeModel::FramePictureSize));
}

CommandTreeView::~CommandTreeView() = default;

CommandTreeModel* CommandTreeView::treeModel() const
{
    return qobject_cast<CommandTreeModel*>(model());
}

void CommandTreeView::setEdits(DocumentEdits* edits)
{
    m_edits = edits;
}

AbstractTreeItem* CommandTreeView::itemAt(const QModelIndex& index) const
{
    if (!index.isValid() || !treeModel() || index.model() != treeModel())
        return nullptr;
    return treeModel()->itemFromIndex(index);
}

AbstractTreeItem* CommandTreeView::currentItem() const
{
    return itemAt(currentIndex());
}

void CommandTreeView::setCurrentItem(AbstractTreeItem* item)
{
    if (item && treeModel() && treeModel()->contains(item))
        makeCurrent(item);
}

namespace {
AbstractTreeItem* firstFrameBelow(AbstractTreeItem* item)
{
    for (AbstractTreeItem* child : item->children()) {
        if (child->type() == AbstractTreeItem::LedStates)
            return child;
        if (AbstractTreeItem* found = firstFrameBelow(child))
            return found;
    }
    return nullptr;
}
} // namespace

bool CommandTreeView::selectFirstFrame()
{
    if (!treeModel())
        return false;
    expandAll();
    AbstractTreeItem* frame = firstFrameBelow(treeModel()->root());
    if (!frame)
        return false;
    makeCurrent(frame);
    scrollTo(treeModel()->indexOf(frame));
    return true;
}

int CommandTreeView::frameLabelWidth() const
{
    // Device > Program > frame: three steps of indentation with the root's.
    const int text = fontMetrics().horizontalAdvance(
        FrameNumberDelegate::tr("#%1 %2").arg(300).arg(QStringLiteral("Leds")));
    const int margins = 6 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return 3 * indentation() + iconSize().width() + text + margins + verticalScrollBar()->sizeHint().width()
        + 2 * frameWidth();
}

void CommandTreeView::customMenuRequested(QPoint pos)
{
    if (sender() && sender() != this)
        return;
    AbstractTreeItem* item = itemAt(indexAt(pos));
    if (!item)
        return;
    m_menu->prepare(item);
    m_menu->popup(viewport()->mapToGlobal(pos));
}

void CommandTreeView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    emit currentItemChanged(itemAt(current));
}

AbstractTreeItem* CommandTreeView::place(
    std::unique_ptr<AbstractTreeItem> item, AbstractTreeItem* parent, int row)
{
    if (row < 0)
        m_edits->appendItem(item.get(), parent);
    else
        m_edits->insertItem(row, item.get(), parent);
    // A placement the tree refuses leaves the item with us, to be freed here.
    if (item->parentItem() != parent)
        return nullptr;
    return item.release();
}

void CommandTreeView::makeCurrent(AbstractTreeItem* item)
{
    const QModelIndex index = treeModel()->indexOf(item);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CommandTreeView::appendCommand(int type)
{
    AbstractTreeItem* container = (currentItem() ? currentItem()->commandList() : nullptr);
    if (!container || !m_edits)
        return;
    if (AbstractTreeItem* added = place(newItem(type), container))
        makeCurrent(added);
}

void CommandTreeView::insertCommand(int type)
{
    AbstractTreeItem* current = currentItem();
    if (!(current && current->isCommand()) || !current->parentItem() || !m_edits)
        return;
    if (AbstractTreeItem* added = place(newItem(type), current->parentItem(), current->row()))
        makeCurrent(added);
}

void CommandTreeView::appendCollection()
{
    AbstractTreeItem* current = currentItem();
    if (!current || !m_edits)
        return;
    AbstractTreeItem* device = nullptr;
    if (current->type() == AbstractTreeItem::Device)
        device = current;
    else if (current->type() == AbstractTreeItem::Function)
        device = current->parentItem();
    if (!device)
        return;
    if (AbstractTreeItem* added = place(newItem(AbstractTreeItem::Function), device))
        makeCurrent(added);
}

void CommandTreeView::insertCollection()
{
    AbstractTreeItem* current = currentItem();
    if (!current || current->type() != AbstractTreeItem::Function || !current->parentItem() || !m_edits)
        return;
    if (AbstractTreeItem* added
        = place(newItem(AbstractTreeItem::Function), current->parentItem(), current->row()))
        makeCurrent(added);
}

void CommandTreeView::appendLedState()
{
    appendCommand(AbstractTreeItem::LedStates);
}

void CommandTreeView::insertLedState()
{
    insertCommand(AbstractTreeItem::LedStates);
}

void CommandTreeView::appendLedStates()
{
    addFrames(false);
}

void CommandTreeView::insertLedStates()
{
    addFrames(true);
}

void CommandTreeView::addFrames(bool insert)
{
    auto target = [this, insert]() -> AbstractTreeItem* {
        AbstractTreeItem* current = currentItem();
        if (insert)
            return (current && current->isCommand()) && current->parentItem() ? current : nullptr;
        return current ? current->commandList() : nullptr;
    };
    if (!target() || !m_edits)
        return;
    int count = 0;
    if (!askCount(insert ? tr("Insert LedState items") : tr("Append LedState items"), &count))
        return;
    // The dialog ran an event loop: look again rather than trust the item
    // found before it.
    AbstractTreeItem* at = target();
    if (!at || !m_edits)
        return;

    AbstractTreeItem* parent = insert ? at->parentItem() : at;
    const int row = insert ? at->row() : -1;
    const QList<LedStatesCommand*> added
        = m_edits->insertFrames(parent, row, QVector<QVector<int>>(count).toList(),
            (insert ? tr("Insert %1 Frames") : tr("Append %1 Frames")).arg(count));
    // One frame ends up current, the one at the place asked for or the last
    // appended; making each one current in turn would redraw the board a
    // thousand times for nothing.
    if (!added.isEmpty())
        makeCurrent(insert ? added.first() : added.last());
}

bool CommandTreeView::askCount(const QString& title, int* count)
{
    return Questions::askCount(this, { title, tr("Number:"), 10, 1, 1000, 1 }, count);
}

void CommandTreeView::appendCall()
{
    appendCommand(AbstractTreeItem::Call);
}

void CommandTreeView::insertCall()
{
    insertCommand(AbstractTreeItem::Call);
}

void CommandTreeView::appendReturn()
{
    appendCommand(AbstractTreeItem::Return);
}

void CommandTreeView::insertReturn()
{
    insertCommand(AbstractTreeItem::Return);
}

void CommandTreeView::appendReset()
{
    appendCommand(AbstractTreeItem::Reset);
}

void CommandTreeView::insertReset()
{
    insertCommand(AbstractTreeItem::Reset);
}

void CommandTreeView::appendStop()
{
    appendCommand(AbstractTreeItem::Stop);
}

void CommandTreeView::insertStop()
{
    insertCommand(AbstractTreeItem::Stop);
}

void CommandTreeView::removeItem()
{
    if (!m_edits || !treeModel())
        return;
    QList<AbstractTreeItem*> items;
    const QModelIndexList rows = selectionModel()->selectedRows(0);
    for (const QModelIndex& index : rows) {
        AbstractTreeItem* item = itemAt(index);
        if (isRemovable(item))
            items.append(item);
    }
    removeItems(items, QString());
}

void CommandTreeView::removeItems(const QList<AbstractTreeItem*>& items, const QString& text)
{
    if (items.isEmpty())
        return;
    const QSet<const AbstractTreeItem*> doomed(items.begin(), items.end());

    // Settle the current row and drop the selection before the rows go:
    // otherwise the current row would hop from one doomed row to the next
    // and the selection would be rewritten once per removed row.
    AbstractTreeItem* current = survivorFor(currentItem(), doomed);
    selectionModel()->clearSelection();
    if (current != currentItem())
        selectionModel()->setCurrentIndex(treeModel()->indexOf(current), QItemSelectionModel::NoUpdate);

    if (!text.isEmpty())
        m_edits->beginStep(text);
    m_edits->removeItems(items);
    if (!text.isEmpty())
        m_edits->endStep();

    const QModelIndex currentRow = currentIndex();
    if (currentRow.isValid())
        selectionModel()->select(currentRow, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CommandTreeView::importSequence()
{
    m_transfers->importSequence();
}

void CommandTreeView::exportSequence()
{
    m_transfers->exportSequence();
}

void CommandTreeView::tableEdit()
{
    QList<LedStatesCommand*> frames;
    const QModelIndexList rows = selectionModel()->selectedRows(0);
    for (const QModelIndex& index : rows) {
        if (auto* frame = qobject_cast<LedStatesCommand*>(itemAt(index)))
            frames.append(frame);
    }
    if (!frames.isEmpty())
        emit setLedPanelTable(frames);
}

void CommandTreeView::copyFrames()
{
    m_transfers->copyFrames();
}

void CommandTreeView::cutFrames()
{
    m_transfers->cutFrames();
}

void CommandTreeView::pasteFrames()
{
    m_transfers->pasteFrames();
}
