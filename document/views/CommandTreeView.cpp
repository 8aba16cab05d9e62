#include "CommandTreeView.h"

#include "AbstractDocument.h"
#include "CommandTreeMenu.h"
#include "FrameNumberDelegate.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "formats/SequenceFile.h"
#include "model/AbstractTreeItem.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/ItemFactory.h"
#include "model/LedStatesCommand.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSet>
#include <QStyle>

#include <algorithm>

namespace {
std::unique_ptr<AbstractTreeItem> newItem(int type)
{
    return std::unique_ptr<AbstractTreeItem>(ItemFactory::create(type));
}

// Where appended commands go: into a program or collection, or beside a
// command. The device holds no commands.
AbstractTreeItem* commandContainer(AbstractTreeItem* item)
{
    if (!item)
        return nullptr;
    if (item->holdsCommands())
        return item;
    if (item->isCommand())
        return item->parentItem();
    return nullptr;
}

// The list of LED frames a sequence file stands for: a program's or a
// collection's, also when a frame of it was clicked.
AbstractTreeItem* sequenceContainer(AbstractTreeItem* item)
{
    if (!item)
        return nullptr;
    if (item->holdsCommands())
        return item;
    return item->type() == AbstractTreeItem::LedStates ? item->parentItem() : nullptr;
}

// The columns of a sequence without frames: one per LED of the panel.
int ledCountFor(const AbstractTreeItem* item)
{
    for (; item; item = item->parentItem()) {
        if (auto* device = qobject_cast<const DeviceItem*>(item))
            return device->ledCount() > 0 ? device->ledCount() : LedStatesCommand::LedCount;
    }
    return LedStatesCommand::LedCount;
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

const QString SequenceFiles = QStringLiteral("Sequences");

// The file of the document showing `widget`: an export must not write over it.
QString documentFileOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const auto* document = qobject_cast<const AbstractDocument*>(widget))
            return document->filePath();
    }
    return QString();
}

} // namespace

CommandTreeView::CommandTreeView(QWidget* parent)
    : QTreeView(parent)
    , m_menu(new CommandTreeMenu(this))
{
    header()->hide();
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &CommandTreeView::customMenuRequested);
    connect(header(), &QHeaderView::sectionClicked, this, &CommandTreeView::sectionClicked);
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

void CommandTreeView::sectionClicked(int logicalIndex)
{
    emit showMessage(tr("Left button mouse click at (header) row %1.").arg(logicalIndex), 2000);
}

void CommandTreeView::mousePressEvent(QMouseEvent* event)
{
    QTreeView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->pos());
    emit showMessage(
        tr("Left button mouse click at (table) index (%3,%4).").arg(index.row()).arg(index.column()), 2000);
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
    AbstractTreeItem* container = commandContainer(currentItem());
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
        return commandContainer(current);
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
    const Questions::Count request { title, tr("Number:"), 10, 1, 1000, 1 };
    bool ok = false;
    int answer = 0;
    if (const auto& question = Questions::answers().count)
        answer = question(this, request, &ok);
    else
        answer = QInputDialog::getInt(this, request.title, request.label, request.value, request.minimum,
            request.maximum, request.step, &ok);
    if (!ok || answer < request.minimum || answer > request.maximum)
        return false;
    *count = answer;
    return true;
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

bool CommandTreeView::holdsContainer(const QPointer<AbstractTreeItem>& container) const
{
    return container && treeModel() && treeModel()->contains(container.data());
}

void CommandTreeView::importSequence()
{
    QPointer<AbstractTreeItem> container = sequenceContainer(currentItem());
    if (!holdsContainer(container) || !m_edits)
        return;
    const QString fileName = FileDialogs::getOpenFileName(
        this, tr("Import sequence"), SequenceFiles, SequenceFile::fileDialogFilter(), QString());
    if (fileName.isEmpty())
        return;
    // The dialog ran an event loop: the list may have gone meanwhile.
    if (!holdsContainer(container) || !m_edits)
        return;

    QString error;
    const int rows = SequenceFile::importFrames(container, ledCountFor(container), fileName, m_edits, &error);
    const QString shownName = QDir::toNativeSeparators(fileName);
    if (rows < 0) {
        MessageBoxes::warning(this, QCoreApplication::applicationName(), error);
        return;
    }
    if (rows == 0) {
        emit showMessage(tr("No LED frames found in %1.").arg(shownName), 5000);
        return;
    }
    if (container && treeModel())
        expand(treeModel()->indexOf(container));
    emit showMessage(tr("Imported %1 LED frames from %2.").arg(rows).arg(shownName), 5000);
}

void CommandTreeView::exportSequence()
{
    QPointer<AbstractTreeItem> container = sequenceContainer(currentItem());
    if (!holdsContainer(container))
        return;
    const QString fileName = FileDialogs::getSaveFileName(
        this, tr("Export sequence"), SequenceFiles, SequenceFile::fileDialogFilter(), QString());
    if (fileName.isEmpty() || !holdsContainer(container))
        return;

    const QList<LedStatesCommand*> frames = SequenceFile::frames(container);
    QString error;
    if (!SequenceFile::exportFrames(frames, ledCountFor(container), fileName, &error, documentFileOf(this))) {
        MessageBoxes::warning(this, QCoreApplication::applicationName(), error);
        return;
    }
    emit showMessage(
        tr("Exported %1 LED frames to %2.").arg(frames.size()).arg(QDir::toNativeSeparators(fileName)), 5000);
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

QList<LedStatesCommand*> CommandTreeView::selectedFrames() const
{
    // The rows from the top down to each frame give the order the tree
    // shows them in; the selection keeps the order of the clicks.
    QList<QPair<QVector<int>, LedStatesCommand*>> frames;
    const QModelIndexList rows = selectionModel()->selectedRows(0);
    for (const QModelIndex& index : rows) {
        auto* frame = qobject_cast<LedStatesCommand*>(itemAt(index));
        if (!frame)
            continue;
        QVector<int> path;
        for (const AbstractTreeItem* item = frame; item->parentItem(); item = item->parentItem())
            path.prepend(item->row());
        frames.append({ path, frame });
    }
    std::sort(frames.begin(), frames.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<LedStatesCommand*> result;
    for (const auto& frame : qAsConst(frames))
        result.append(frame.second);
    return result;
}

void CommandTreeView::copyFrames()
{
    const QList<LedStatesCommand*> frames = selectedFrames();
    if (frames.isEmpty()) {
        emit showMessage(tr("Select the LED frames to copy."), 5000);
        return;
    }
    auto data = std::make_unique<QMimeData>();
    const QString text = SequenceFile::framesText(frames, ledCountFor(frames.first()));
    data->setText(text);
    data->setData(QStringLiteral("text/csv"), text.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data.release());
    emit showMessage(tr("Copied %1 LED frames.").arg(frames.size()), 5000);
}

void CommandTreeView::cutFrames()
{
    if (!m_edits || !treeModel())
        return;
    const QList<LedStatesCommand*> frames = selectedFrames();
    copyFrames();
    if (!frames.isEmpty())
        removeItems({ frames.begin(), frames.end() }, tr("Cut %1 Frames").arg(frames.size()));
}

void CommandTreeView::pasteFrames()
{
    AbstractTreeItem* current = currentItem();
    AbstractTreeItem* container = commandContainer(current);
    if (!container || !m_edits)
        return;
    const int ledCount = ledCountFor(container);
    QVector<QVector<int>> values;
    if (!SequenceFile::readFramesText(QGuiApplication::clipboard()->text(), ledCount, &values)) {
        emit showMessage(tr("The clipboard holds no LED frames."), 5000);
        return;
    }
    const int row = (current && current->isCommand()) ? current->row() + 1 : container->childCount();
    const QList<LedStatesCommand*> pasted = m_edits->insertFrames(container, row,
        QList<QVector<int>>(values.cbegin(), values.cend()), tr("Paste %1 Frames").arg(values.size()));
    if (pasted.isEmpty())
        return;
    expand(treeModel()->indexOf(container));
    makeCurrent(pasted.last());
    emit showMessage(tr("Pasted %1 LED frames.").arg(pasted.size()), 5000);
}
