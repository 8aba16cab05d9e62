#include "DocumentEdits.h"

#include "AbstractTreeItem.h"
#include "CommandTreeModel.h"
#include "LedCell.h"

#include <QSet>

DocumentEdits::DocumentEdits(CommandTreeModel* model, QObject* parent)
    : QObject(parent)
    , m_model(model)
{
}

DocumentEdits::~DocumentEdits() = default;

void DocumentEdits::setLedValue(LedCell* cell, int value)
{
    setLedValues({ CellChange(cell, value) });
}

void DocumentEdits::setLedValues(const QVector<CellChange>& changes)
{
    bool changed = false;
    for (const CellChange& change : changes) {
        if (change.first && change.first->value() != change.second) {
            change.first->setValue(change.second);
            changed = true;
        }
    }
    if (!changed)
        return;
    emit ledValuesChanged();
    emit edited();
}

void DocumentEdits::appendItem(AbstractTreeItem* item, AbstractTreeItem* parent)
{
    if (!m_model->canInsert(item, parent))
        return;
    m_model->appendItem(item, parent);
    emit edited();
}

void DocumentEdits::insertItem(int row, AbstractTreeItem* item, AbstractTreeItem* parent)
{
    if (!m_model->canInsert(item, parent))
        return;
    m_model->insertItem(row, item, parent);
    emit edited();
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
    // compiler hold it), and items of another tree are not ours to free.
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

    emit itemsAboutToBeRemoved(roots);
    for (AbstractTreeItem* item : qAsConst(roots)) {
        m_model->removeItem(item);
        delete item;
    }
    emit edited();
}
