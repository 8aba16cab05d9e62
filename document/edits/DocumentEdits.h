#pragma once

#include "kamdeldocument_export.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>
#include <QVector>

#include <memory>

class AbstractTreeItem;
class CommandTreeModel;
class LedCell;
class LedStatesCommand;
class EditStep;
class EditHistory;

// The one path every edit of a document takes. Views never change the tree
// or a frame's cells behind the document's back: they ask this object, which
// applies the change, tells the other views and records it in the undo
// history, one step per user action.
class KAMDELDOCUMENT_EXPORT DocumentEdits : public QObject
{
    Q_OBJECT

public:
    using CellChange = QPair<LedCell*, int>;
    // Where an item stood when it left the tree.
    struct Place
    {
        AbstractTreeItem* item;
        AbstractTreeItem* parent;
        int row;
    };

    explicit DocumentEdits(CommandTreeModel* model, QObject* parent = nullptr);
    ~DocumentEdits() override;

    CommandTreeModel* model() const { return m_model; }
    EditHistory* history() const { return m_history; }

    // LED values: one cell (a click on the board) or many (table edits,
    // frame tools). Changes that leave every cell as it was record nothing.
    // Calls with the same non-zero stroke (see newStroke) that follow one
    // another make a single undo step, as a drag across the board does.
    void setLedValue(LedCell* cell, int value);
    void setLedValues(const QVector<CellChange>& changes, const QString& text = QString(), int stroke = 0);
    int newStroke();

    // The frames in the whole tree.
    int frameCount() const;
    // Why `added` more frames do not fit the document; empty when they do.
    QString frameLimitRefusal(int added) const;
    // True when `added` more frames fit; else emits framesRefused().
    bool admitsFrames(int added);

    // Structure. The model is told of every row; new items become owned by
    // the tree. A placement the model refuses (see canInsert), or one that
    // would take the document past the frames a file may hold
    // (XmlHelpers::ReadBudget, so that it opens again), changes nothing.
    void appendItem(AbstractTreeItem* item, AbstractTreeItem* parent);
    void insertItem(int row, AbstractTreeItem* item, AbstractTreeItem* parent);

    // New frames with these LED values placed from `row` of `parent` on (-1
    // appends), as one undo step named `text`; the frames placed are
    // returned. Frames past the limit place none of them.
    QList<LedStatesCommand*> insertFrames(
        AbstractTreeItem* parent, int row, const QList<QVector<int>>& frames, const QString& text);

    // Gives the frames of `run` (frames of one list, in order) the values of
    // run[order[i]] and places a new frame with the values of run[order[i]]
    // after the run's last frame for each further entry (see FrameRuns), as
    // one undo step named `text`. Commands between the frames keep their
    // places. Returns the new frames; more than the limit changes nothing.
    QList<LedStatesCommand*> rearrangeFrames(
        const QList<LedStatesCommand*>& run, const QVector<int>& order, const QString& text);

    // New values for `frames` from index `first` on, one frame of `values`
    // each; the values past the list's end become new frames after its last
    // frame. One undo step named `text`; the frames changed and added are
    // returned. New frames past the limit change nothing.
    QList<LedStatesCommand*> layFrames(const QList<LedStatesCommand*>& frames, int first,
        const QList<QVector<int>>& values, const QString& text);

    // Takes the items and everything below them out of the tree. They stay
    // alive in the undo history until their step leaves it. An item whose
    // ancestor is also in the list goes with that ancestor. Views hear
    // itemsAboutToBeRemoved() first, while every item is still in the tree.
    // The Device and items outside this document's tree are never removed.
    void removeItems(const QList<AbstractTreeItem*>& items);

    // Gathers every edit until the matching endStep() into one undo step
    // named `text`; a step without changes is dropped. Steps nest.
    void beginStep(const QString& text);
    void endStep();

    // True when `item` is one of `roots` or lies below one of them.
    static bool isWithin(const AbstractTreeItem* item, const QList<AbstractTreeItem*>& roots);

    // The cells the last step changed (done or undone), for views that
    // repaint only what changed.
    const QSet<LedCell*>& changedCells() const { return m_changedCells; }

signals:
    void edited();
    void ledValuesChanged();
    // Items were placed or taken out; emitted before edited().
    void structureChanged();
    void itemsAboutToBeRemoved(const QList<AbstractTreeItem*>& items);
    // Frames were refused, before anything changed; the reason for the user.
    void framesRefused(const QString& reason);

private:
    friend class LedValuesEdit;
    friend class PlaceItemEdit;
    friend class RemoveItemsEdit;

    bool isRemovable(const AbstractTreeItem* item) const;
    // insertItem without the frame count, which the caller checked.
    void place(int row, AbstractTreeItem* item, AbstractTreeItem* parent);
    // Runs a new command now and records it: inside the open step, or as a
    // step of its own.
    void record(std::unique_ptr<EditStep> command);
    EditStep* stepParent() const;

    // What the commands do and undo. Views hear of removals at once and of
    // everything else once per step (flush), not once per cell or row.
    void applyCells(const QVector<CellChange>& changes);
    void attach(AbstractTreeItem* item, AbstractTreeItem* parent, int row);
    QVector<Place> detach(const QList<AbstractTreeItem*>& roots);
    void flush();

    CommandTreeModel* m_model;
    EditHistory* m_history;
    std::unique_ptr<EditStep> m_step;
    int m_stepDepth = 0;
    int m_lastStroke = 0;
    bool m_cellsChanged = false;
    bool m_structureChanged = false;
    QSet<LedCell*> m_changedCells;
    bool m_changed = false;
};
