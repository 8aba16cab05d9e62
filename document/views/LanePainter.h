#pragma once

#include "model/LaneRange.h"
#include "model/LaneRows.h"
#include "model/LedPanelTypes.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

// Draws a list's ring lanes: one lane per ring side by side, a column per
// position in the order the board shows them clockwise from its side, a row
// per frame and a thin band per Reset, Call, Return or Stop. A ruler of
// position numbers and the lane names stay on top, frame numbers on the left.
//
// Picture coordinates are those of the whole drawing at scroll (0, 0): the
// header spans y < headerHeight(), the frame numbers x < gutterWidth(). A
// view scrolls the rest under them; toPicture() maps its points back.
class KAMDELDOCUMENT_EXPORT LanePainter
{
public:
    static constexpr int Lanes = RingGeometry::Rings;
    static constexpr int Columns = RingGeometry::PositionsPerRing;
    static constexpr int MinimumCell = 1;
    static constexpr int MaximumCell = 48;

    struct Cell
    {
        int row = -1;
        int lane = -1;
        int column = -1;
        bool isValid() const { return row >= 0 && lane >= 0 && column >= 0; }
    };

    LanePainter();

    void setRows(const LaneRows& rows);
    const LaneRows& rows() const { return m_rows; }
    void setSide(eLedPanelSide side);
    eLedPanelSide side() const { return m_side; }
    // Zoom: the height of a frame's row and the width of a position's column.
    void setZoom(int rowHeight, int columnWidth);
    int rowHeight() const { return m_rowHeight; }
    int columnWidth() const { return m_columnWidth; }
    // The row marked as the current frame's; -1 for none.
    void setCurrentRow(int row) { m_currentRow = row; }
    int currentRow() const { return m_currentRow; }

    int headerHeight() const;
    int gutterWidth() const;
    static int bandHeight() { return BandHeight; }
    QSize pictureSize() const;

    // Layout and hit testing, in picture coordinates.
    int rowTop(int row) const;
    int rowHeightOf(int row) const;
    // The row at height y, -1 above the first and below the last.
    int rowAt(int y) const;
    int laneLeft(int lane) const;
    // The lane and column at x; -1 for both outside the lanes and between them.
    QPair<int, int> laneColumnAt(int x) const;
    Cell cellAt(const QPoint& point) const;
    QRect cellRect(int row, int lane, int column) const;
    // The LED of the cell; -1 for a band or no cell.
    int ledAt(const Cell& cell) const;
    // The frame number at the left of a row.
    bool inRowHeader(const QPoint& point) const;
    QPoint toPicture(const QPoint& viewportPoint, const QPoint& scroll) const;

    // Places counted in frames (see LaneSpot): past the last frame the rows
    // go on below it, one per frame.
    int frameTop(int frame) const;
    // The frame at height y; -1 above the first frame and on a band.
    int frameAt(int y) const;
    // The lane and column nearest x, for drags that leave the lanes.
    QPair<int, int> nearestLaneColumn(int x) const;
    LaneSpot spotAt(const QPoint& point) const;
    QRect spotRect(const LaneSpot& spot) const;

    // Drawn over the lanes: the cells a stroke or line under way is about
    // to set, the selected block and the keyboard's cell.
    struct Pending
    {
        LaneSpot spot;
        bool lit = true;
    };
    void setMarks(const QVector<Pending>& marks) { m_marks = marks; }
    void setSelection(const LaneRange& range) { m_selection = range; }
    const LaneRange& selection() const { return m_selection; }
    void setCursor(const LaneSpot& spot) { m_cursor = spot; }
    const LaneSpot& cursor() const { return m_cursor; }

    // Draws what a viewport of `size` scrolled by `scroll` shows.
    void paint(QPainter& painter, const QSize& size, const QPoint& scroll) const;
    // The whole drawing.
    QImage picture() const;

private:
    static constexpr int BandHeight = 13;
    static constexpr int LaneGap = 8;
    static constexpr int TextHeight = 8;

    void buildCells();
    void paintRows(QPainter& painter, int first, int last) const;
    void paintFrameRun(QPainter& painter, int first, int last) const;
    void paintGrid(QPainter& painter, int first, int last) const;
    void paintBand(QPainter& painter, int row) const;
    void paintCurrent(QPainter& painter, int width) const;
    void paintGutter(QPainter& painter, int first, int last) const;
    void paintHeader(QPainter& painter) const;
    void paintOverlay(QPainter& painter) const;
    void paintSelection(QPainter& painter) const;
    int lanesRight() const;

    LaneRows m_rows;
    eLedPanelSide m_side = Bottom;
    int m_rowHeight = 4;
    int m_columnWidth = 5;
    int m_currentRow = -1;
    // A pixel per cell, frames down and columns across in lane order:
    // scaled without smoothing it draws the cells of many rows at once.
    QImage m_cells;
    QVector<Pending> m_marks;
    LaneRange m_selection;
    LaneSpot m_cursor;
};
