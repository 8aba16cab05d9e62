#include "PlaceItemEdit.h"

#include "DocumentEdits.h"
#include "model/AbstractTreeItem.h"

PlaceItemEdit::PlaceItemEdit(
    DocumentEdits* edits, AbstractTreeItem* item, AbstractTreeItem* parent, int row, EditStep* parentCommand)
    : EditStep(QObject::tr("Add %1").arg(item->name()), parentCommand)
    , m_edits(edits)
    , m_item(item)
    , m_parent(parent)
    , m_row(row)
{
}

PlaceItemEdit::~PlaceItemEdit()
{
    if (!m_placed)
        delete m_item;
}

void PlaceItemEdit::redo()
{
    if (m_placed)
        return;
    m_edits->attach(m_item, m_parent, m_row < 0 ? m_parent->childCount() : m_row);
    m_placed = true;
}

void PlaceItemEdit::undo()
{
    if (!m_placed)
        return;
    m_edits->detach({ m_item });
    m_placed = false;
}
