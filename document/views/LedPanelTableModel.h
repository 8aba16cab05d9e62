#pragma once

#include "kamdeldocument_export.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QVariant>
#include <QVector>

class AbstractTreeItem;
class DocumentEdits;
class LedCell;
class LedStatesCommand;

// Shows LED frames as blocks of table rows: one row per ring, one column per
// position in the ring. Cells are read and written in place, so the table,
// the board and the compiler always see the same values.
class KAMDELDOCUMENT_EXPORT LedPanelTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit LedPanelTableModel(QObject* parent = nullptr);
    ~LedPanelTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The frames still alive, in table order.
    QList<LedStatesCommand*> frames() const;
    void setFrames(const QList<LedStatesCommand*>& frames);
    void clearFrames();

    int rowsPerFrame() const { return m_rowsPerFrame; }
    int ledsPerRow() const { return m_ledsPerRow; }
    void setFrameLayout(int rowsPerFrame, int ledsPerRow);

    // The cell behind a table cell; null outside the table, past the end of
    // a frame or for a frame that no longer exists.
    LedCell* cellAt(int row, int column) const;

    // Writes many cells as one edit: one call into the document and one
    // dataChanged() over the rectangle that holds them. Values convert like
    // setData() does. Returns true when at least one cell was written.
    bool setValues(const QModelIndexList& indexes, const QVector<QVariant>& values);

    // With a document, every write goes through its edits; without one
    // (null) cells are written directly.
    DocumentEdits* edits() const;
    void setEdits(DocumentEdits* edits);

private:
    using CellChange = QPair<LedCell*, int>;

    void writeCells(const QVector<CellChange>& changes);
    void refreshAll();
    void dropRemovedFrames(const QList<AbstractTreeItem*>& roots);

    // Guarded: a frame deleted behind the table's back reads as empty
    // instead of being dereferenced.
    QList<QPointer<LedStatesCommand>> m_frames;
    int m_rowsPerFrame = 0;
    int m_ledsPerRow = 0;
    QPointer<DocumentEdits> m_edits;
    bool m_writing = false;
};
