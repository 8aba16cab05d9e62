#pragma once

#include "EditStep.h"

#include <memory>

class AbstractTreeItem;
class DocumentEdits;

// A new item placed in the tree. While undone, the step owns the item and
// frees it when it leaves the history.
class PlaceItemEdit : public EditStep
{
public:
    PlaceItemEdit(DocumentEdits* edits, AbstractTreeItem* item, AbstractTreeItem* parent, int row,
        EditStep* parentCommand = nullptr);
    ~PlaceItemEdit() override;

    void redo() override;
    void undo() override;

private:
    DocumentEdits* m_edits;
    AbstractTreeItem* m_item;
    AbstractTreeItem* m_parent;
    int m_row;
    bool m_placed = false;
};
