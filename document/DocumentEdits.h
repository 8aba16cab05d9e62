#pragma once

#include "kamdeldocument_export.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QVector>

class AbstractTreeItem;
class CommandTreeModel;
class LedCell;

// The one path every edit of a document takes. Views never change the tree
// or a frame's cells behind the document's back: they ask this object, which
// applies the change, tells the other views and marks the document modified.
// An undo history belongs here too.
class KAMDELDOCUMENT_EXPORT DocumentEdits : public QObject
{
    Q_OBJECT

public:
    using CellChange = QPair<LedCell*, int>;

    explicit DocumentEdits(CommandTreeModel* model, QObject* parent = nullptr);
    ~DocumentEdits() override;

    CommandTreeModel* model() const { return m_model; }

    // LED values: one cell (a click on the board) or many (table edits).
    void setLedValue(LedCell* cell, int value);
    void setLedValues(const QVector<CellChange>& changes);

    // Structure. The model is told of every row; new items become owned by
    // the tree. A placement the model refuses (see canInsert) changes nothing
    // and emits nothing.
    void appendItem(AbstractTreeItem* item, AbstractTreeItem* parent);
    void insertItem(int row, AbstractTreeItem* item, AbstractTreeItem* parent);

    // Removes the items and everything below them, then frees them. An item
    // whose ancestor is also in the list goes with that ancestor. Views hear
    // itemsAboutToBeRemoved() first, while every pointer is still valid. The
    // Device and items outside this document's tree are never removed.
    void removeItems(const QList<AbstractTreeItem*>& items);

    // True when `item` is one of `roots` or lies below one of them.
    static bool isWithin(const AbstractTreeItem* item, const QList<AbstractTreeItem*>& roots);

signals:
    void edited();
    void ledValuesChanged();
    void itemsAboutToBeRemoved(const QList<AbstractTreeItem*>& items);

private:
    bool isRemovable(const AbstractTreeItem* item) const;

    CommandTreeModel* m_model;
};
