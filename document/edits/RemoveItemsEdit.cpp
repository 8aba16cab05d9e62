#include "RemoveItemsEdit.h"

#include "DocumentEdits.h"
#include "model/AbstractTreeItem.h"

RemoveItemsEdit::RemoveItemsEdit(
    DocumentEdits* edits, const QList<AbstractTreeItem*>& roots, EditStep* parent)
    : EditStep(roots.size() == 1 ? QObject::tr("Remove %1").arg(roots.first()->name())
                                 : QObject::tr("Remove %1 Items").arg(roots.size()),
        parent)
    , m_edits(edits)
    , m_roots(roots)
{
}

RemoveItemsEdit::~RemoveItemsEdit()
{
    if (m_removed)
        qDeleteAll(m_roots);
}

void RemoveItemsEdit::redo()
{
    if (m_removed)
        return;
    m_places = m_edits->detach(m_roots);
    m_removed = true;
}

void RemoveItemsEdit::undo()
{
    if (!m_removed)
        return;
    // Rows were taken one after another; the reverse order finds each row
    // as it was when its item left.
    for (int i = m_places.size() - 1; i >= 0; --i) {
        const DocumentEdits::Place& place = m_places.at(i);
        m_edits->attach(place.item, place.parent, place.row);
    }
    m_removed = false;
}
