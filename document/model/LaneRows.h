#pragma once

#include "AbstractTreeItem.h"
#include "RingGeometry.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QVector>

#include <bitset>

// The rows the ring lanes show for one Program or Collection, read once:
// a row per frame with its lit LEDs, and a band for each Reset, Call, Return
// or Stop at its place among them.
class KAMDELDOCUMENT_EXPORT LaneRows
{
    Q_DECLARE_TR_FUNCTIONS(LaneRows)

public:
    using Leds = std::bitset<RingGeometry::LedCount>;
    struct Row
    {
        QPointer<AbstractTreeItem> item;
        // The frame's number in the list from 0; -1 for a band.
        int frame = -1;
        // Frames above this row, which place it on the picture.
        int framesBefore = 0;
        QString label;
        Leds lit;
        bool isBand() const { return frame < 0; }
    };

    LaneRows() = default;
    explicit LaneRows(const AbstractTreeItem* list);

    int count() const { return m_rows.size(); }
    int frameCount() const { return m_frameRows.size(); }
    const Row& at(int row) const { return m_rows.at(row); }
    // -1 when the item is none of the rows.
    int rowOf(const AbstractTreeItem* item) const { return m_rowOfItem.value(item, -1); }
    int rowOfFrame(int frame) const { return m_frameRows.value(frame, -1); }
    // The band's word for a command kind; none for kinds without a band.
    static QString bandLabel(int type);

private:
    QVector<Row> m_rows;
    QVector<int> m_frameRows;
    QHash<const AbstractTreeItem*, int> m_rowOfItem;
};
