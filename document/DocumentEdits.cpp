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
    m_model->appendItem(item, parent);
    emit edited();
}

void DocumentEdits::insertItem(int row, AbstractTreeItem* item, AbstractTreeItem* parent)
{
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

void DocumentEdits::removeItems(const QList<AbstractTreeItem*>& items)
{
    // Keep only the topmost items: descendants leave with their ancestor.
    const QSet<AbstractTreeItem*> all(items.begin(), items.end());
    QList<AbstractTreeItem*> roots;
    QSet<AbstractTreeItem*> seen;
    for (AbstractTreeItem* item : items) {
        if (!item || !item->parentItem() || seen.contains(item))
            continue;
        seen.insert(item);
        bool covered = false;
        for (AbstractTreeItem* up = item->parentItem(); up && !covered; up = up->parentItem())
            covered = all.contains(up);
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
