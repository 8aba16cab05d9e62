#include "LaneEdits.h"

#include "edits/DocumentEdits.h"
#include "model/LedStatesCommand.h"
#include "model/RingLanes.h"

LaneEdits::LaneEdits(const LaneRows& rows, eLedPanelSide side)
    : m_rows(rows)
    , m_side(side)
{
}

int LaneEdits::ledOf(const LaneSpot& spot) const
{
    return RingLanes::ledAt(spot.lane, spot.column, m_side);
}

LaneSpot LaneEdits::spotOf(int frame, int led) const
{
    return { frame, RingGeometry::ringOf(led), RingLanes::columnOf(led, m_side) };
}

LedStatesCommand* LaneEdits::frame(int frame) const
{
    const int row = m_rows.rowOfFrame(frame);
    return row < 0 ? nullptr : qobject_cast<LedStatesCommand*>(m_rows.at(row).item.data());
}

int LaneEdits::value(const LaneSpot& spot) const
{
    const LedStatesCommand* command = frame(spot.frame);
    return command ? command->value(ledOf(spot)) : 0;
}

LaneEdits::Changes LaneEdits::line(const LaneSpot& from, const LaneSpot& to, bool longWay) const
{
    const QVector<int> positions
        = RingLanes::linePositions(from.frame, RingLanes::positionAt(from.column, m_side), to.frame,
            RingLanes::positionAt(to.column, m_side), longWay);
    const int step = to.frame >= from.frame ? 1 : -1;
    Changes changes;
    for (int lane = qMin(from.lane, to.lane); lane <= qMax(from.lane, to.lane); ++lane) {
        for (int i = 0; i < positions.size(); ++i)
            changes.insert(
                { from.frame + i * step, lane * RingGeometry::PositionsPerRing + positions.at(i) }, 1);
    }
    return changes;
}

LaneBlock LaneEdits::copy(const LaneRange& range) const
{
    LaneBlock block(range, m_side);
    for (int f = 0; f < range.frames; ++f) {
        for (int l = 0; l < range.lanes; ++l) {
            for (int c = 0; c < range.columns; ++c)
                block.setValue(
                    f, l, c, value({ range.firstFrame + f, range.firstLane + l, range.column(c) }));
        }
    }
    return block;
}

LaneEdits::Changes LaneEdits::cleared(const LaneRange& range) const
{
    return pasted(LaneBlock(range, m_side), { range.firstFrame, range.firstLane, range.firstColumn });
}

LaneEdits::Changes LaneEdits::pasted(const LaneBlock& block, const LaneSpot& at) const
{
    Changes changes;
    const LaneRange& size = block.source();
    for (int f = 0; f < size.frames; ++f) {
        for (int l = 0; l < size.lanes && at.lane + l < RingGeometry::Rings; ++l) {
            for (int c = 0; c < size.columns; ++c) {
                const LaneSpot spot { at.frame + f, at.lane + l, RingLanes::wrapPosition(at.column + c) };
                changes.insert({ spot.frame, ledOf(spot) }, block.value(f, l, c));
            }
        }
    }
    return changes;
}

LaneEdits::Changes LaneEdits::moved(const LaneRange& range, int frames, int columns) const
{
    if (range.isEmpty() || range.firstFrame + frames < 0)
        return {};
    Changes changes = cleared(range);
    const Changes placed = pasted(copy(range),
        { range.firstFrame + frames, range.firstLane, RingLanes::wrapPosition(range.firstColumn + columns) });
    for (auto it = placed.cbegin(); it != placed.cend(); ++it)
        changes.insert(it.key(), it.value());
    return changes;
}

void LaneEdits::apply(
    DocumentEdits* edits, AbstractTreeItem* list, const Changes& changes, const QString& text) const
{
    if (!edits || !list || changes.isEmpty() || changes.firstKey().first < 0)
        return;
    QList<LedStatesCommand*> frames;
    for (int f = 0; f < m_rows.frameCount(); ++f) {
        frames.append(frame(f));
        if (!frames.last())
            return; // the rows are older than the tree
    }
    // Whole frames from the first changed one on: layFrames records only
    // the cells that differ, and adds the frames past the end.
    const int first = qMin(changes.firstKey().first, frames.size());
    QList<QVector<int>> values;
    for (int f = first; f <= changes.lastKey().first; ++f)
        values.append(f < frames.size() ? frames.at(f)->values() : QVector<int>(RingGeometry::LedCount, 0));
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        values[it.key().first - first][it.key().second] = it.value();
    if (frames.isEmpty())
        edits->insertFrames(list, -1, values, text);
    else
        edits->layFrames(frames, first, values, text);
}
