#pragma once

#include "LaneBlock.h"
#include "kamdeldocument_export.h"
#include "model/LaneRange.h"
#include "model/LaneRows.h"

#include <QCoreApplication>
#include <QMap>
#include <QPair>

class AbstractTreeItem;
class DocumentEdits;
class LedStatesCommand;

// What the ring lanes' drawing, lines and blocks change in a list's frames,
// worked out on the rows the lanes show and applied as one step of the
// document's history.
class KAMDELDOCUMENT_EXPORT LaneEdits
{
    Q_DECLARE_TR_FUNCTIONS(LaneEdits)

public:
    // New values by (frame, LED); frames past the last one are added.
    using Changes = QMap<QPair<int, int>, int>;

    LaneEdits(const LaneRows& rows, eLedPanelSide side);

    int ledOf(const LaneSpot& spot) const;
    LaneSpot spotOf(int frame, int led) const;
    // 0 past the last frame.
    int value(const LaneSpot& spot) const;

    // One LED per frame from `from` to `to` (see RingLanes::linePositions),
    // in every lane from the one to the other.
    Changes line(const LaneSpot& from, const LaneSpot& to, bool longWay) const;
    LaneBlock copy(const LaneRange& range) const;
    Changes cleared(const LaneRange& range) const;
    // The block with its first cell at `at`; lanes past the last are left
    // out, columns wrap round the ring.
    Changes pasted(const LaneBlock& block, const LaneSpot& at) const;
    // The block moved by whole frames and columns; none when it would
    // leave the first frame behind.
    Changes moved(const LaneRange& range, int frames, int columns) const;

    // Applies the changes to `list`, adding the frames they reach past its
    // end, as one step named `text`.
    void apply(
        DocumentEdits* edits, AbstractTreeItem* list, const Changes& changes, const QString& text) const;

private:
    LedStatesCommand* frame(int frame) const;

    const LaneRows& m_rows;
    eLedPanelSide m_side;
};
