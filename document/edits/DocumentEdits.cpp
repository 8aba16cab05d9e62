#include "DocumentEdits.h"

#include "LedValuesEdit.h"
#include "PlaceItemEdit.h"
#include "RemoveItemsEdit.h"
#include "model/AbstractTreeItem.h"
#include "model/CommandTreeModel.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/XmlHelpers.h"

#include "EditHistory.h"
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

int framesIn(const AbstractTreeItem* item)
{
    int frames = item->type() == AbstractTreeItem::LedStates ? 1 : 0;
    for (const AbstractTreeItem* child : item->children())
        frames += framesIn(child);
    return frames;
}

} // namespace

DocumentEdits::DocumentEdits(CommandTreeModel* model, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_history(new EditHistory(this))
{
    // Undo and redo run the commands from the stack's side.
    connect(m_history, &EditHistory::indexChanged, this, &DocumentEdits::flush);
}

DocumentEdits::~DocumentEdits() = default;

void DocumentEdits::setLedValue(LedCell* cell, int value)
{
    setLedValues({ CellChange(cell, value) }, tr("Set LED"));
}

int DocumentEdits::newStroke()
{
    return ++m_lastStroke;
}

void DocumentEdits::setLedValues(const QVector<CellChange>& changes, const QString& text, int stroke)
{
    // A cell named twice keeps its first old value and its last new one.
    QVector<LedValuesEdit::Change> effective;
    QHash<LedCell*, int> at;
    for (const CellChange& change : changes) {
        if (!change.first)
            continue;
        const auto found = at.constFind(change.first);
        if (found != at.constEnd()) {
            effective[found.value()].after = change.second;
            continue;
        }
        at.insert(change.first, effective.size());
        effective.append({ change.first, change.first->value(), change.second });
    }
    effective.erase(std::remove_if(effective.begin(), effective.end(),
                        [](const LedValuesEdit::Change& c) { return c.before == c.after; }),
        effective.end());
    if (effective.isEmpty())
        return;
    record(std::make_unique<LedValuesEdit>(
        this, std::move(effective), text.isEmpty() ? tr("Edit LEDs") : text, stroke, stepParent()));
}

void DocumentEdits::appendItem(AbstractTreeItem* item, AbstractTreeItem* parent)
{
    insertItem(-1, item, parent);
}

int DocumentEdits::frameCount() const
{
    return framesIn(m_model->root());
}

QString DocumentEdits::frameLimitRefusal(int added) const
{
    const qint64 total = qint64(frameCount()) + qMax(added, 0);
    const int most = XmlHelpers::ReadBudget::MaxFrames;
    if (total <= most)
        return QString();
    return tr("The document would hold %L1 frames; a document holds at most %L2.").arg(total).arg(most);
}

bool DocumentEdits::admitsFrames(int added)
{
    const QString refusal = frameLimitRefusal(added);
    if (refusal.isEmpty())
        return true;
    emit framesRefused(refusal);
    return false;
}

void DocumentEdits::insertItem(int row, AbstractTreeItem* item, AbstractTreeItem* parent)
{
    if (m_model->canInsert(item, parent) && !item->parentItem() && admitsFrames(framesIn(item)))
        place(row, item, parent);
}

void DocumentEdits::place(int row, AbstractTreeItem* item, AbstractTreeItem* parent)
{
    if (!m_model->canInsert(item, parent) || item->parentItem())
        return;
    if (!parent)
        parent = m_model->root();
    record(std::make_unique<PlaceItemEdit>(this, item, parent, row, stepParent()));
}

QList<LedStatesCommand*> DocumentEdits::insertFrames(
    AbstractTreeItem* parent, int row, const QList<QVector<int>>& frames, const QString& text)
{
    QList<LedStatesCommand*> placed;
    if (!parent || !admitsFrames(frames.size()))
        return placed;
    beginStep(text);
    for (const QVector<int>& values : frames) {
        // The frame takes its values before it enters the tree: the step
        // then only has to hold the placement.
        auto frame = std::make_unique<LedStatesCommand>();
        const QVector<LedCell*>& cells = frame->leds();
        for (int k = 0; k < cells.size() && k < values.size(); ++k)
            cells.at(k)->setValue(values.at(k));
        place(row, frame.get(), parent);
        if (frame->parentItem() != parent)
            break;
        placed.append(frame.release());
        if (row >= 0)
            ++row;
    }
    endStep();
    return placed;
}

QList<LedStatesCommand*> DocumentEdits::rearrangeFrames(
    const QList<LedStatesCommand*>& run, const QVector<int>& order, const QString& text)
{
    if (run.isEmpty())
        return {};
    QList<QVector<int>> values;
    values.reserve(order.size());
    for (int i : order)
        values.append(run.at(i)->values());
    const QList<LedStatesCommand*> laid = layFrames(run, 0, values, text);
    return laid.mid(qMin(run.size(), order.size()));
}

QList<LedStatesCommand*> DocumentEdits::layFrames(
    const QList<LedStatesCommand*>& frames, int first, const QList<QVector<int>>& values, const QString& text)
{
    first = qBound(0, first, frames.size());
    const int over = qMin(values.size(), frames.size() - first);
    QList<LedStatesCommand*> laid;
    if (!admitsFrames(values.size() - over))
        return laid;
    // Only the cells that change: an effect laid over thousands of frames
    // touches few of their LEDs, and each change costs the undo step.
    QVector<CellChange> changes;
    for (int k = 0; k < over; ++k) {
        LedStatesCommand* frame = frames.at(first + k);
        const QVector<LedCell*>& cells = frame->leds();
        for (int led = 0; led < cells.size() && led < values.at(k).size(); ++led) {
            if (cells.at(led)->value() != values.at(k).at(led))
                changes.append(CellChange(cells.at(led), values.at(k).at(led)));
        }
        laid.append(frame);
    }
    beginStep(text);
    setLedValues(changes, text);
    if (over < values.size()) {
        LedStatesCommand* last = frames.value(frames.size() - 1);
        AbstractTreeItem* parent = last ? last->parentItem() : nullptr;
        laid += insertFrames(parent, last ? last->row() + 1 : -1, values.mid(over), text);
    }
    endStep();
    return laid;
}

bool DocumentEdits::isWithin(const AbstractTreeItem* item, const QList<AbstractTreeItem*>& roots)
{
    for (; item; item = item->parentItem()) {
        if (roots.contains(const_cast<AbstractTreeItem*>(item)))
            return true;
    }
    return false;
}

bool DocumentEdits::isRemovable(const AbstractTreeItem* item) const
{
    // The Device stays for the document's whole life (the document and its
    // compiler hold it), and items of another tree are not ours to take.
    return item && item->parentItem() && item->parentItem() != m_model->root() && m_model->contains(item);
}

void DocumentEdits::removeItems(const QList<AbstractTreeItem*>& items)
{
    const QSet<AbstractTreeItem*> selected(items.begin(), items.end());
    QSet<AbstractTreeItem*> removable;
    for (AbstractTreeItem* item : items) {
        if (isRemovable(item))
            removable.insert(item);
    }
    // Keep only the topmost items, in selection order: descendants leave with
    // their ancestor and must not be removed a second time.
    QList<AbstractTreeItem*> roots;
    for (AbstractTreeItem* item : items) {
        if (!removable.remove(item))
            continue; // refused, or a repeat
        bool covered = false;
        for (AbstractTreeItem* up = item->parentItem(); up && !covered; up = up->parentItem())
            covered = selected.contains(up) && isRemovable(up);
        if (!covered)
            roots.append(item);
    }
    if (roots.isEmpty())
        return;
    record(std::make_unique<RemoveItemsEdit>(this, roots, stepParent()));
}

void DocumentEdits::beginStep(const QString& text)
{
    if (m_stepDepth++ == 0)
        m_step = std::make_unique<EditStep>(text);
}

void DocumentEdits::endStep()
{
    if (m_stepDepth == 0 || --m_stepDepth > 0)
        return;
    std::unique_ptr<EditStep> step = std::move(m_step);
    if (step->childCount() > 0)
        m_history->push(step.release()); // its parts ran already: redo is a no-op
    flush();
}

EditStep* DocumentEdits::stepParent() const
{
    return m_step.get();
}

void DocumentEdits::record(std::unique_ptr<EditStep> command)
{
    if (m_step) {
        // A part of the open step: the step holds it already.
        EditStep* part = command.release();
        part->redo();
    } else {
        m_history->push(command.release());
    }
    flush();
}

void DocumentEdits::applyCells(const QVector<CellChange>& changes)
{
    if (!m_cellsChanged)
        m_changedCells.clear();
    for (const CellChange& change : changes) {
        change.first->setValue(change.second);
        m_changedCells.insert(change.first);
    }
    m_cellsChanged = true;
    m_changed = true;
}

void DocumentEdits::attach(AbstractTreeItem* item, AbstractTreeItem* parent, int row)
{
    m_model->insertItem(row, item, parent);
    m_structureChanged = true;
    m_changed = true;
}

QVector<DocumentEdits::Place> DocumentEdits::detach(const QList<AbstractTreeItem*>& roots)
{
    emit itemsAboutToBeRemoved(roots);
    QVector<Place> places;
    places.reserve(roots.size());
    for (AbstractTreeItem* item : roots) {
        places.append({ item, item->parentItem(), item->row() });
        m_model->removeItem(item);
    }
    m_structureChanged = true;
    m_changed = true;
    return places;
}

void DocumentEdits::flush()
{
    if (std::exchange(m_cellsChanged, false))
        emit ledValuesChanged();
    if (std::exchange(m_structureChanged, false))
        emit structureChanged();
    if (std::exchange(m_changed, false))
        emit edited();
}
