#include "LedPanelTableModel.h"

#include "edits/DocumentEdits.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"

#include <QColor>
#include <QScopedValueRollback>

#include <algorithm>
#include <climits>

LedPanelTableModel::LedPanelTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

LedPanelTableModel::~LedPanelTableModel() = default;

int LedPanelTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_frames.count() * m_rowsPerFrame;
}

int LedPanelTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_frames.isEmpty())
        return 0;
    return m_ledsPerRow;
}

QVariant LedPanelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const LedCell* cell = cellAt(index.row(), index.column());
    if (!cell)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell->value();
    case Qt::BackgroundRole:
        return cell->value() > 0 ? QVariant(QColor(Qt::yellow)) : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return QVariant();
    }
}

bool LedPanelTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.model() != this || role != Qt::EditRole)
        return false;
    LedCell* cell = cellAt(index.row(), index.column());
    if (!cell)
        return false;
    writeCells({ CellChange(cell, value.toInt()) });
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags LedPanelTableModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsEditable : base;
}

QVariant LedPanelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole) {
        if (orientation == Qt::Horizontal)
            return QStringLiteral("%1").arg(section + 1);
        if (m_rowsPerFrame > 0)
            return QStringLiteral("%1-%2")
                .arg(section / m_rowsPerFrame + 1)
                .arg(section % m_rowsPerFrame + 1);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QList<LedStatesCommand*> LedPanelTableModel::frames() const
{
    QList<LedStatesCommand*> result;
    result.reserve(m_frames.count());
    for (const QPointer<LedStatesCommand>& frame : m_frames) {
        if (frame)
            result.append(frame.data());
    }
    return result;
}

void LedPanelTableModel::setFrames(const QList<LedStatesCommand*>& frames)
{
    // A reset rather than a layout change: the row count changes, and the
    // selection must not keep indexes past the new end.
    beginResetModel();
    m_frames.clear();
    m_frames.reserve(frames.count());
    for (LedStatesCommand* frame : frames) {
        if (frame)
            m_frames.append(frame);
    }
    endResetModel();
}

void LedPanelTableModel::clearFrames()
{
    beginResetModel();
    m_frames.clear();
    endResetModel();
}

void LedPanelTableModel::setFrameLayout(int rowsPerFrame, int ledsPerRow)
{
    beginResetModel();
    m_rowsPerFrame = qMax(0, rowsPerFrame);
    m_ledsPerRow = qMax(0, ledsPerRow);
    endResetModel();
}

LedCell* LedPanelTableModel::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    const LedStatesCommand* frame = m_frames.at(row / m_rowsPerFrame).data();
    if (!frame)
        return nullptr;
    const int led = (row % m_rowsPerFrame) * m_ledsPerRow + column;
    const QVector<LedCell*>& leds = frame->leds();
    return led < leds.size() ? leds.at(led) : nullptr;
}

bool LedPanelTableModel::setValues(const QModelIndexList& indexes, const QVector<QVariant>& values)
{
    QVector<CellChange> changes;
    changes.reserve(indexes.count());
    int top = INT_MAX;
    int left = INT_MAX;
    int bottom = -1;
    int right = -1;
    for (int i = 0; i < indexes.count(); ++i) {
        const QModelIndex& index = indexes.at(i);
        if (index.model() != this)
            continue;
        LedCell* cell = cellAt(index.row(), index.column());
        if (!cell)
            continue;
        changes.append(CellChange(cell, values.value(i).toInt()));
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    if (changes.isEmpty())
        return false;
    writeCells(changes);
    emit dataChanged(index(top, left), index(bottom, right));
    return true;
}

DocumentEdits* LedPanelTableModel::edits() const
{
    return m_edits.data();
}

void LedPanelTableModel::setEdits(DocumentEdits* edits)
{
    if (m_edits == edits)
        return;
    if (m_edits)
        disconnect(m_edits, nullptr, this, nullptr);
    m_edits = edits;
    if (!edits)
        return;
    connect(edits, &DocumentEdits::ledValuesChanged, this, &LedPanelTableModel::refreshAll);
    connect(edits, &DocumentEdits::itemsAboutToBeRemoved, this, &LedPanelTableModel::dropRemovedFrames);
}

void LedPanelTableModel::writeCells(const QVector<CellChange>& changes)
{
    if (!m_edits) {
        for (const CellChange& change : changes)
            change.first->setValue(change.second);
        return;
    }
    // The table announces its own change precisely; the document's echo
    // would only repeat it for the whole table.
    const QScopedValueRollback<bool> writing(m_writing, true);
    m_edits->setLedValues(changes);
}

void LedPanelTableModel::refreshAll()
{
    if (m_writing)
        return;
    const int rows = rowCount();
    const int columns = columnCount();
    if (rows > 0 && columns > 0)
        emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
}

void LedPanelTableModel::dropRemovedFrames(const QList<AbstractTreeItem*>& roots)
{
    const auto removed = [&roots](const QPointer<LedStatesCommand>& frame) {
        return !frame || DocumentEdits::isWithin(frame.data(), roots);
    };
    if (std::none_of(m_frames.cbegin(), m_frames.cend(), removed))
        return;
    beginResetModel();
    m_frames.erase(std::remove_if(m_frames.begin(), m_frames.end(), removed), m_frames.end());
    endResetModel();
}
