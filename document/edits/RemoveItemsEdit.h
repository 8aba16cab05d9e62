#pragma once

#include "DocumentEdits.h"

#include "EditStep.h"
#include <QList>

// Items taken out of the tree with everything below them. While done, the
// step owns them, out of every view's reach, and frees them when it leaves
// the history; undone, they stand at their old rows again.
class RemoveItemsEdit : public EditStep
{
public:
    RemoveItemsEdit(DocumentEdits* edits, const QList<AbstractTreeItem*>& roots, EditStep* parent = nullptr);
    ~RemoveItemsEdit() override;

    void redo() override;
    void undo() override;

private:
    DocumentEdits* m_edits;
    QList<AbstractTreeItem*> m_roots;
    // Filled on removal, in removal order; put back in reverse order so that
    // every row is the one it was taken from.
    QVector<DocumentEdits::Place> m_places;
    bool m_removed = false;
};
