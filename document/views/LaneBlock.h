#pragma once

#include "kamdeldocument_export.h"
#include "model/LaneRange.h"
#include "model/LedPanelTypes.h"

#include <QString>
#include <QVector>

#include <memory>

class QMimeData;

// A block copied from the ring lanes: its LED values frame by frame, lane by
// lane and column by column, with the place it came from. On the clipboard
// it travels as itself and as the frame table's text, so that it also
// pastes into the table.
class KAMDELDOCUMENT_EXPORT LaneBlock
{
public:
    static const QString MimeType;

    LaneBlock() = default;
    LaneBlock(const LaneRange& source, eLedPanelSide side);

    bool isEmpty() const { return m_source.isEmpty(); }
    const LaneRange& source() const { return m_source; }
    // Indexes count from the block's first frame, lane and column.
    int value(int frame, int lane, int column) const { return m_values.at(index(frame, lane, column)); }
    void setValue(int frame, int lane, int column, int value)
    {
        m_values[index(frame, lane, column)] = value;
    }

    std::unique_ptr<QMimeData> toMimeData() const;
    // An empty block unless the data holds a whole one.
    static LaneBlock fromMimeData(const QMimeData* data);
    // Whole frames, a value per LED of the panel; the LEDs outside the
    // block are 0.
    QVector<QVector<int>> frameValues() const;
    // A line per frame of tab-separated values, one per LED of the panel;
    // the LEDs outside the block are 0.
    QString tableText() const;

private:
    int index(int frame, int lane, int column) const
    {
        return (frame * m_source.lanes + lane) * m_source.columns + column;
    }

    LaneRange m_source;
    eLedPanelSide m_side = Bottom;
    QVector<int> m_values;
};
