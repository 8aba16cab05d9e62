#include "LanePainter.h"

#include "model/RingLanes.h"
#include "player/StrokeFont.h"

#include <QLine>
#include <QPainter>
#include <QVector>

#include <algorithm>

namespace {

const QColor Background(0x1e, 0x22, 0x26);
const QColor Unlit(0x2e, 0x35, 0x3c);
const QColor Lit(0xff, 0xb4, 0x3c);
const QColor Band(0x4a, 0x55, 0x60);
const QColor Text(0xaa, 0xb4, 0xbd);
const QColor Bright(0xe8, 0xec, 0xef);
const QColor Mark(0x4f, 0xc3, 0xf7);
const QColor Selected(0x4f, 0xc3, 0xf7, 70);

// Cells smaller than this show no grid: the lines would hide the light.
constexpr int SmallestGridCell = 4;

int textWidth(int characters, int height)
{
    return characters <= 0 ? 0 : ((characters - 1) * 6 + 4) * height / 6;
}

void drawText(QPainter& painter, const QPointF& centre, const QString& text, int height, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, StrokeFont::penWidth(height), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.translate(centre);
    painter.drawPath(StrokeFont::path(text, height));
    painter.restore();
}

// The smallest of `steps` at which labels `size` apart or more are drawn.
int labelStep(const QVector<int>& steps, int spacing, int size)
{
    for (int step : steps) {
        if (step * spacing >= size)
            return step;
    }
    return steps.last();
}

} // namespace

LanePainter::LanePainter()
{
    buildCells();
}

void LanePainter::setRows(const LaneRows& rows)
{
    m_rows = rows;
    if (m_currentRow >= m_rows.count())
        m_currentRow = -1;
    buildCells();
}

void LanePainter::setSide(eLedPanelSide side)
{
    if (side == m_side)
        return;
    m_side = side;
    buildCells();
}

void LanePainter::setZoom(int rowHeight, int columnWidth)
{
    m_rowHeight = qBound(MinimumCell, rowHeight, MaximumCell);
    m_columnWidth = qBound(MinimumCell, columnWidth, MaximumCell);
}

int LanePainter::headerHeight() const
{
    return 2 * (TextHeight + 6);
}

int LanePainter::gutterWidth() const
{
    const int digits = QString::number(m_rows.frameCount()).size();
    return textWidth(qMax(3, digits), TextHeight) + 12;
}

QSize LanePainter::pictureSize() const
{
    return QSize(lanesRight() + LaneGap, rowTop(m_rows.count()));
}

int LanePainter::rowTop(int row) const
{
    const int frames = row < m_rows.count() ? m_rows.at(row).framesBefore : m_rows.frameCount();
    // Below the ruler room for half a number, which the first row's takes.
    return headerHeight() + TextHeight / 2 + frames * m_rowHeight + (row - frames) * BandHeight;
}

int LanePainter::rowHeightOf(int row) const
{
    return m_rows.at(row).isBand() ? BandHeight : m_rowHeight;
}

int LanePainter::rowAt(int y) const
{
    if (y < rowTop(0) || y >= rowTop(m_rows.count()))
        return -1;
    int low = 0;
    int high = m_rows.count();
    // The last row whose top is at or above y.
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (rowTop(middle) <= y ? low : high) = middle;
    }
    return low;
}

int LanePainter::laneLeft(int lane) const
{
    return gutterWidth() + lane * (Columns * m_columnWidth + LaneGap);
}

int LanePainter::lanesRight() const
{
    return laneLeft(Lanes) - LaneGap;
}

QPair<int, int> LanePainter::laneColumnAt(int x) const
{
    const int offset = x - gutterWidth();
    const int laneWidth = Columns * m_columnWidth;
    const int lane = offset < 0 ? -1 : offset / (laneWidth + LaneGap);
    const int within = offset - lane * (laneWidth + LaneGap);
    if (lane < 0 || lane >= Lanes || within >= laneWidth)
        return { -1, -1 };
    return { lane, within / m_columnWidth };
}

LanePainter::Cell LanePainter::cellAt(const QPoint& point) const
{
    const QPair<int, int> place = laneColumnAt(point.x());
    const int row = rowAt(point.y());
    if (row < 0 || place.first < 0)
        return {};
    return { row, place.first, place.second };
}

QRect LanePainter::cellRect(int row, int lane, int column) const
{
    return QRect(laneLeft(lane) + column * m_columnWidth, rowTop(row), m_columnWidth, rowHeightOf(row));
}

int LanePainter::ledAt(const Cell& cell) const
{
    if (!cell.isValid() || cell.row >= m_rows.count() || m_rows.at(cell.row).isBand())
        return -1;
    return RingLanes::ledAt(cell.lane, cell.column, m_side);
}

bool LanePainter::inRowHeader(const QPoint& point) const
{
    return point.x() >= 0 && point.x() < gutterWidth() && rowAt(point.y()) >= 0;
}

QPoint LanePainter::toPicture(const QPoint& viewportPoint, const QPoint& scroll) const
{
    return QPoint(viewportPoint.x() < gutterWidth() ? viewportPoint.x() : viewportPoint.x() + scroll.x(),
        viewportPoint.y() < headerHeight() ? viewportPoint.y() : viewportPoint.y() + scroll.y());
}

int LanePainter::frameTop(int frame) const
{
    if (frame < m_rows.frameCount())
        return rowTop(m_rows.rowOfFrame(frame));
    return rowTop(m_rows.count()) + (frame - m_rows.frameCount()) * m_rowHeight;
}

int LanePainter::frameAt(int y) const
{
    const int bottom = rowTop(m_rows.count());
    if (y >= bottom)
        return m_rows.frameCount() + (y - bottom) / m_rowHeight;
    const int row = rowAt(y);
    return row < 0 ? -1 : m_rows.at(row).frame;
}

QPair<int, int> LanePainter::nearestLaneColumn(int x) const
{
    const int laneWidth = Columns * m_columnWidth;
    int lane = Lanes - 1;
    while (lane > 0 && x < laneLeft(lane) - LaneGap / 2)
        --lane;
    const int column = qBound(0, (x - laneLeft(lane)) / m_columnWidth, Columns - 1);
    return { lane, x < laneLeft(lane) ? 0 : (x >= laneLeft(lane) + laneWidth ? Columns - 1 : column) };
}

LaneSpot LanePainter::spotAt(const QPoint& point) const
{
    const QPair<int, int> place = laneColumnAt(point.x());
    const int frame = frameAt(point.y());
    if (frame < 0 || place.first < 0)
        return {};
    return { frame, place.first, place.second };
}

QRect LanePainter::spotRect(const LaneSpot& spot) const
{
    return QRect(
        laneLeft(spot.lane) + spot.column * m_columnWidth, frameTop(spot.frame), m_columnWidth, m_rowHeight);
}

void LanePainter::buildCells()
{
    m_cells = QImage(Lanes * Columns, qMax(1, m_rows.frameCount()), QImage::Format_RGB32);
    m_cells.fill(Unlit);
    const QRgb lit = Lit.rgb();
    for (int frame = 0; frame < m_rows.frameCount(); ++frame) {
        const LaneRows::Leds& leds = m_rows.at(m_rows.rowOfFrame(frame)).lit;
        auto* line = reinterpret_cast<QRgb*>(m_cells.scanLine(frame));
        for (int x = 0; x < Lanes * Columns; ++x) {
            if (leds[RingLanes::ledAt(x / Columns, x % Columns, m_side)])
                line[x] = lit;
        }
    }
}

void LanePainter::paint(QPainter& painter, const QSize& size, const QPoint& scroll) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), Background);
    const int header = headerHeight();
    const int gutter = gutterWidth();
    int first = rowAt(qMax(header + scroll.y(), rowTop(0)));
    int last = rowAt(scroll.y() + size.height() - 1);
    if (last < 0)
        last = m_rows.count() - 1;
    if (first >= 0) {
        painter.save();
        painter.setClipRect(QRect(gutter, header, size.width() - gutter, size.height() - header));
        painter.translate(-scroll);
        paintRows(painter, first, last);
        if (m_currentRow >= first && m_currentRow <= last)
            paintCurrent(painter, lanesRight());
        paintOverlay(painter);
        painter.restore();
        painter.save();
        painter.setClipRect(QRect(0, header, gutter, size.height() - header));
        painter.translate(0, -scroll.y());
        paintGutter(painter, first, last);
        painter.restore();
    }
    painter.save();
    painter.setClipRect(QRect(gutter, 0, size.width() - gutter, header));
    painter.translate(-scroll.x(), 0);
    paintHeader(painter);
    painter.restore();
}

QImage LanePainter::picture() const
{
    QImage image(pictureSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    paint(painter, image.size(), QPoint());
    return image;
}

void LanePainter::paintRows(QPainter& painter, int first, int last) const
{
    int run = -1;
    for (int row = first; row <= last + 1; ++row) {
        const bool frame = row <= last && !m_rows.at(row).isBand();
        if (frame && run < 0)
            run = row;
        if (frame)
            continue;
        if (run >= 0)
            paintFrameRun(painter, run, row - 1);
        run = -1;
        if (row <= last)
            paintBand(painter, row);
    }
}

void LanePainter::paintFrameRun(QPainter& painter, int first, int last) const
{
    const int frame = m_rows.at(first).frame;
    const int frames = last - first + 1;
    for (int lane = 0; lane < Lanes; ++lane) {
        const QRect target(laneLeft(lane), rowTop(first), Columns * m_columnWidth, frames * m_rowHeight);
        painter.drawImage(target, m_cells, QRect(lane * Columns, frame, Columns, frames));
    }
    if (m_columnWidth >= SmallestGridCell && m_rowHeight >= SmallestGridCell)
        paintGrid(painter, first, last);
}

void LanePainter::paintGrid(QPainter& painter, int first, int last) const
{
    const int top = rowTop(first);
    const int bottom = rowTop(last + 1);
    QVector<QLine> lines;
    lines.reserve(Lanes * Columns + (last - first + 1) * Lanes);
    for (int lane = 0; lane < Lanes; ++lane) {
        const int left = laneLeft(lane);
        const int right = left + Columns * m_columnWidth - 1;
        for (int column = 1; column < Columns; ++column)
            lines.append(
                QLine(left + column * m_columnWidth, top, left + column * m_columnWidth, bottom - 1));
        for (int y = top + m_rowHeight; y < bottom; y += m_rowHeight)
            lines.append(QLine(left, y, right, y));
    }
    painter.setPen(Background);
    painter.drawLines(lines);
}

void LanePainter::paintBand(QPainter& painter, int row) const
{
    const QRect band(laneLeft(0), rowTop(row) + 1, lanesRight() - laneLeft(0), BandHeight - 2);
    painter.fillRect(band, Band);
    const QString& label = m_rows.at(row).label;
    const int width = textWidth(label.size(), TextHeight - 1);
    drawText(painter, QPointF(band.left() + 6 + width / 2.0, band.center().y() + 0.5), label, TextHeight - 1,
        Bright);
}

void LanePainter::paintCurrent(QPainter& painter, int width) const
{
    const QRect row(
        laneLeft(0) - 2, rowTop(m_currentRow) - 2, width - laneLeft(0) + 4, rowHeightOf(m_currentRow) + 4);
    painter.setPen(QPen(Mark, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(row.adjusted(1, 1, -1, -1));
}

void LanePainter::paintGutter(QPainter& painter, int first, int last) const
{
    const int gutter = gutterWidth();
    if (m_currentRow >= first && m_currentRow <= last)
        painter.fillRect(
            QRect(0, rowTop(m_currentRow), gutter - 3, rowHeightOf(m_currentRow)), Mark.darker(250));
    const int step
        = labelStep({ 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000 }, m_rowHeight, TextHeight + 6);
    // Frame 1 is named too, unless its number would touch the next one's.
    const int firstShown = step == 1 || step >= 5 ? 0 : -1;
    for (int row = first; row <= last; ++row) {
        const int frame = m_rows.at(row).frame;
        const bool current = row == m_currentRow;
        if (frame < 0 || ((frame + 1) % step != 0 && frame != firstShown && !current))
            continue;
        const QString number = QString::number(frame + 1);
        const double middle = rowTop(row) + m_rowHeight / 2.0;
        const double centre = gutter - 6 - textWidth(number.size(), TextHeight) / 2.0;
        drawText(painter, QPointF(centre, middle), number, TextHeight, current ? Bright : Text);
    }
}

void LanePainter::paintHeader(QPainter& painter) const
{
    const int line = headerHeight() / 2;
    const int laneWidth = Columns * m_columnWidth;
    const int step = labelStep({ 1, 2, 3, 4, 6, 8, 12, 24 }, m_columnWidth, textWidth(2, TextHeight) + 8);
    for (int lane = 0; lane < Lanes; ++lane) {
        const int left = laneLeft(lane);
        // The board's silkscreen names the rings R1 (innermost) to R4.
        drawText(painter, QPointF(left + laneWidth / 2.0, line / 2.0), QStringLiteral("R%1").arg(lane + 1),
            TextHeight, Bright);
        for (int column = 0; column < Columns; column += step) {
            const QString number = QString::number(RingLanes::positionAt(column, m_side) + 1);
            drawText(painter, QPointF(left + (column + 0.5) * m_columnWidth, line + line / 2.0), number,
                TextHeight, Text);
        }
        painter.fillRect(QRect(left, headerHeight() - 2, laneWidth, 1), Band);
    }
}

void LanePainter::paintOverlay(QPainter& painter) const
{
    for (const Pending& mark : m_marks)
        painter.fillRect(spotRect(mark.spot), mark.lit ? Mark : Background);
    painter.setBrush(Qt::NoBrush);
    if (!m_selection.isEmpty())
        paintSelection(painter);
    if (m_cursor.isValid()) {
        painter.setPen(QPen(Bright, 1));
        painter.drawRect(spotRect(m_cursor).adjusted(-1, -1, 0, 0));
    }
}

void LanePainter::paintSelection(QPainter& painter) const
{
    const LaneRange& s = m_selection;
    const int top = frameTop(s.firstFrame);
    const int height = frameTop(s.firstFrame + s.frames - 1) + m_rowHeight - top;
    // A block that wraps round the ring shows as two pieces in a lane.
    const int split = qMin(s.columns, Columns - s.firstColumn);
    const QPair<int, int> pieces[] = { { s.firstColumn, split }, { 0, s.columns - split } };
    painter.setPen(QPen(Mark, 1, Qt::DashLine));
    for (int lane = s.firstLane; lane < s.firstLane + s.lanes; ++lane) {
        for (const QPair<int, int>& piece : pieces) {
            if (piece.second <= 0)
                continue;
            const QRect area(
                laneLeft(lane) + piece.first * m_columnWidth, top, piece.second * m_columnWidth, height);
            painter.fillRect(area, Selected);
            painter.drawRect(area.adjusted(0, 0, -1, -1));
        }
    }
}
