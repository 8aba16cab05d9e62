#include "RingLanesView.h"

#include "AbstractLedPanelScene.h"
#include "LedPanelView.h"
#include "edits/DocumentEdits.h"
#include "model/AbstractTreeItem.h"
#include "model/FrameTools.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineF>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>

namespace {
// Wheel notches per zoom step, as QWheelEvent counts them.
constexpr int NotchDelta = 120;
constexpr int MinimumFitRow = 3;
} // namespace

RingLanesView::RingLanesView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_fit(new QToolButton(this))
    , m_lineTool(new QAction(tr("Line"), this))
    , m_selectTool(new QAction(tr("Select"), this))
{
    setObjectName(QStringLiteral("ringLanes"));
    m_fit->setObjectName(QStringLiteral("fitLanes"));
    // A sign rather than a word: the corner is as narrow as the frame
    // numbers, and "Fit" grows in other languages.
    m_fit->setText(QStringLiteral("\u21D4"));
    m_fit->setAccessibleName(tr("Fit"));
    m_fit->setToolTip(tr("Fit the lanes into the width of the view"));
    m_fit->setAutoRaise(true);
    connect(m_fit, &QToolButton::clicked, this, &RingLanesView::fit);
    viewport()->setToolTip(tr("Drag to draw; Shift+drag draws a line (Alt: the long way round); Ctrl+drag "
                              "selects; Ctrl+wheel zooms; click a frame number to make it current"));
    setMinimumSize(200, 120);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Ring lanes"));
    // Neither tool checked: a drag draws.
    auto* tools = new QActionGroup(this);
    tools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_lineTool->setObjectName(QStringLiteral("lineTool"));
    m_lineTool->setToolTip(tr("Drag draws a line of one LED per frame (Alt: the long way round)"));
    m_selectTool->setObjectName(QStringLiteral("selectTool"));
    m_selectTool->setToolTip(tr("Drag selects a block to copy, clear or move with Alt+arrows"));
    for (QAction* tool : { m_lineTool, m_selectTool }) {
        tool->setCheckable(true);
        tools->addAction(tool);
    }
}

RingLanesView::~RingLanesView() = default;

void RingLanesView::setList(AbstractTreeItem* list)
{
    if (list != m_list) {
        // Places on another list's lanes mean nothing on this one's.
        m_lanes.setSelection({});
        m_lanes.setCursor({});
        m_anchor = {};
    }
    m_list = list;
    m_lanes.setRows(LaneRows(list));
    updateScrollBars();
    viewport()->update();
}

void RingLanesView::setEdits(DocumentEdits* edits)
{
    disconnect(m_editsConnection);
    m_edits = edits;
    if (edits)
        m_editsConnection = connect(edits, &DocumentEdits::edited, this, &RingLanesView::reread);
}

void RingLanesView::setBoard(LedPanelView* board)
{
    m_board = board;
}

void RingLanesView::reread()
{
    // A hidden page reads its list when it is shown again.
    if (isVisible())
        setList(m_list);
}

QPoint RingLanesView::scroll() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QPoint RingLanesView::toPicture(const QPoint& viewportPoint) const
{
    return m_lanes.toPicture(viewportPoint, scroll());
}

void RingLanesView::setSide(eLedPanelSide side)
{
    m_lanes.setSide(side);
    viewport()->update();
}

void RingLanesView::setCurrentItem(const AbstractTreeItem* item)
{
    const int row = m_lanes.rows().rowOf(item);
    if (row == m_lanes.currentRow())
        return;
    m_lanes.setCurrentRow(row);
    scrollToRow(row);
    viewport()->update();
}

void RingLanesView::zoomBy(int steps)
{
    // A step of a quarter, at least a pixel, keeps the cells square-ish.
    int rows = m_lanes.rowHeight();
    int columns = m_lanes.columnWidth();
    for (int i = 0; i < qAbs(steps); ++i) {
        rows += (steps > 0 ? 1 : -1) * qMax(1, rows / 4);
        columns += (steps > 0 ? 1 : -1) * qMax(1, columns / 4);
    }
    setZoom(rows, columns);
    m_fitting = false;
}

void RingLanesView::fit()
{
    const int cells = LanePainter::Lanes * LanePainter::Columns;
    const int margins = m_lanes.pictureSize().width() - cells * m_lanes.columnWidth();
    const int column = qMax(1, (viewport()->width() - margins) / cells);
    // Rows stay tall enough to click on when the columns get narrow.
    setZoom(qMax(column, MinimumFitRow), column);
    m_fitting = true;
}

void RingLanesView::setZoom(int rowHeight, int columnWidth)
{
    // The row under the top edge stays there.
    const int top = m_lanes.rowAt(m_lanes.headerHeight() + verticalScrollBar()->value());
    m_lanes.setZoom(rowHeight, columnWidth);
    updateScrollBars();
    if (top >= 0)
        verticalScrollBar()->setValue(m_lanes.rowTop(top) - m_lanes.headerHeight());
    viewport()->update();
}

void RingLanesView::updateScrollBars()
{
    const QSize picture = m_lanes.pictureSize();
    const QSize shown = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, picture.width() - shown.width()));
    horizontalScrollBar()->setPageStep(shown.width());
    // Room below the last frame to draw the next ones in.
    const int below = m_edits ? shown.height() / 4 : 0;
    verticalScrollBar()->setRange(0, qMax(0, picture.height() + below - shown.height()));
    verticalScrollBar()->setPageStep(shown.height() - m_lanes.headerHeight());
    verticalScrollBar()->setSingleStep(qMax(m_lanes.rowHeight(), 8));
    m_fit->setGeometry(0, 0, m_lanes.gutterWidth() - 2, m_lanes.headerHeight() - 2);
}

void RingLanesView::scrollToRow(int row)
{
    if (row < 0)
        return;
    const int top = m_lanes.rowTop(row) - m_lanes.headerHeight();
    const int height = m_lanes.rowHeightOf(row);
    const int shown = viewport()->height() - m_lanes.headerHeight();
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value())
        bar->setValue(top - shown / 4);
    else if (top + height > bar->value() + shown)
        bar->setValue(top + height - shown + shown / 4);
}

void RingLanesView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    m_lanes.paint(painter, viewport()->size(), scroll());
}

void RingLanesView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_fitting)
        fit();
    updateScrollBars();
}

void RingLanesView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / NotchDelta;
    zoomBy(steps != 0 ? steps : (event->angleDelta().y() > 0 ? 1 : -1));
    event->accept();
}

void RingLanesView::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = toPicture(event->pos());
    const LaneSpot spot = m_lanes.spotAt(point);
    if (event->button() == Qt::LeftButton && m_lanes.inRowHeader(point)) {
        if (AbstractTreeItem* item = m_lanes.rows().at(m_lanes.rowAt(point.y())).item)
            emit itemChosen(item);
        return;
    }
    if (event->button() != Qt::LeftButton || !spot.isValid()) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    setCursorSpot(spot);
    m_lastPoint = point;
    beginDrag(spot, event->modifiers());
}

void RingLanesView::beginDrag(const LaneSpot& spot, Qt::KeyboardModifiers modifiers)
{
    m_anchor = spot;
    m_pending.clear();
    if ((modifiers & Qt::ControlModifier) || m_selectTool->isChecked()) {
        m_drag = Drag::Select;
        setSelection(LaneRange::between(spot, spot));
        return;
    }
    if (!m_edits)
        return;
    setSelection({});
    if ((modifiers & Qt::ShiftModifier) || m_lineTool->isChecked()) {
        m_drag = Drag::Line;
        m_longWay = modifiers & Qt::AltModifier;
        m_pending = laneEdits().line(spot, spot, m_longWay);
        showPending();
        return;
    }
    m_drag = Drag::Stroke;
    m_strokeValue = laneEdits().value(spot) != 0 ? 0 : 1;
    addToStroke(spot);
    showPending();
}

void RingLanesView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag == Drag::None || !(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    followDrag(event->pos());
    // Past the ruler or the frame numbers a drag goes on over the rows
    // scrolled under them.
    dragTo(event->pos() + scroll(), event->modifiers());
}

void RingLanesView::followDrag(const QPoint& pos)
{
    // A drag past an edge of the rows scrolls on, a step per mouse event.
    const QRect rows = viewport()->rect().adjusted(m_lanes.gutterWidth(), m_lanes.headerHeight(), 0, 0);
    for (QScrollBar* bar : { verticalScrollBar(), horizontalScrollBar() }) {
        const bool vertical = bar == verticalScrollBar();
        const int at = vertical ? pos.y() : pos.x();
        if (at < (vertical ? rows.top() : rows.left()))
            bar->setValue(bar->value() - bar->singleStep());
        else if (at > (vertical ? rows.bottom() : rows.right()))
            bar->setValue(bar->value() + bar->singleStep());
    }
}

void RingLanesView::dragTo(const QPoint& point, Qt::KeyboardModifiers modifiers)
{
    const LaneSpot end = spotNear(point);
    switch (m_drag) {
    case Drag::Stroke:
        strokeAlong(m_lastPoint, point);
        break;
    case Drag::Line:
        m_longWay = modifiers & Qt::AltModifier;
        m_pending = laneEdits().line(m_anchor, end, m_longWay);
        break;
    case Drag::Select:
        setSelection(LaneRange::between(m_anchor, end));
        setCursorSpot(end);
        break;
    case Drag::None:
        break;
    }
    m_lastPoint = point;
    showPending();
}

void RingLanesView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const Drag drag = std::exchange(m_drag, Drag::None);
    const LaneEdits::Changes changes = std::exchange(m_pending, {});
    showPending();
    if (drag == Drag::Stroke)
        apply(changes, tr("Draw on the lanes"));
    else if (drag == Drag::Line)
        apply(changes, tr("Draw a line"));
}

LaneSpot RingLanesView::spotNear(const QPoint& point) const
{
    int frame = m_lanes.frameAt(point.y());
    if (frame < 0) {
        // Above the first frame, or on a band: the frame below it.
        const int row = m_lanes.rowAt(point.y());
        frame = row < 0 ? 0 : m_lanes.rows().at(row).framesBefore;
    }
    const QPair<int, int> place = m_lanes.nearestLaneColumn(point.x());
    return { frame, place.first, place.second };
}

void RingLanesView::strokeAlong(const QPoint& from, const QPoint& to)
{
    // A fast drag moves several cells between two mouse events: the segment
    // is walked in steps of half a cell, so that none is jumped over.
    const double step = qMax(0.5, 0.5 * qMin(m_lanes.rowHeight(), m_lanes.columnWidth()));
    const int steps = qMax(1, int(std::ceil(QLineF(from, to).length() / step)));
    for (int i = 1; i <= steps; ++i) {
        const LaneSpot spot = m_lanes.spotAt(from + (to - from) * (double(i) / steps));
        if (spot.isValid())
            addToStroke(spot);
    }
}

void RingLanesView::addToStroke(const LaneSpot& spot)
{
    const AbstractLedPanelScene* scene = m_board ? m_board->ledPanelScene() : nullptr;
    const int order = scene ? scene->symmetryOrder() : 1;
    const bool mirror = scene && scene->symmetryMirror();
    // The images stay on the ring, and so in the lane, of the cell.
    for (int led : FrameTools::symmetryImages(laneEdits().ledOf(spot), order, mirror))
        m_pending.insert({ spot.frame, led }, m_strokeValue);
}

void RingLanesView::showPending()
{
    QVector<LanePainter::Pending> marks;
    const LaneEdits edits = laneEdits();
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        marks.append({ edits.spotOf(it.key().first, it.key().second), it.value() != 0 });
    m_lanes.setMarks(marks);
    viewport()->update();
}

void RingLanesView::apply(const LaneEdits::Changes& changes, const QString& text)
{
    laneEdits().apply(m_edits, m_list, changes, text);
}

void RingLanesView::setSelection(const LaneRange& range)
{
    m_lanes.setSelection(range);
    viewport()->update();
}

LaneRange RingLanesView::selectedOrCursor() const
{
    if (!m_lanes.selection().isEmpty())
        return m_lanes.selection();
    const LaneSpot& cursor = m_lanes.cursor();
    return cursor.isValid() ? LaneRange::between(cursor, cursor) : LaneRange();
}

void RingLanesView::copy()
{
    const LaneRange range = selectedOrCursor();
    if (!range.isEmpty())
        QGuiApplication::clipboard()->setMimeData(laneEdits().copy(range).toMimeData().release());
}

void RingLanesView::cut()
{
    copy();
    clearSelected(tr("Cut on the lanes"));
}

void RingLanesView::clearSelected(const QString& text)
{
    const LaneRange range = selectedOrCursor();
    if (!range.isEmpty())
        apply(laneEdits().cleared(range), text.isEmpty() ? tr("Clear on the lanes") : text);
}

void RingLanesView::paste()
{
    const LaneBlock block = LaneBlock::fromMimeData(QGuiApplication::clipboard()->mimeData());
    const LaneSpot at = m_lanes.cursor();
    if (block.isEmpty() || !at.isValid())
        return;
    apply(laneEdits().pasted(block, at), tr("Paste on the lanes"));
    LaneRange placed = block.source();
    placed.firstFrame = at.frame;
    placed.firstColumn = at.column;
    placed.firstLane = at.lane;
    placed.lanes = qMin(placed.lanes, LanePainter::Lanes - at.lane);
    setSelection(placed);
}

void RingLanesView::moveBlock(int frames, int columns)
{
    LaneRange range = m_lanes.selection();
    const LaneEdits::Changes changes = laneEdits().moved(range, frames, columns);
    if (changes.isEmpty())
        return;
    apply(changes, tr("Move on the lanes"));
    range.firstFrame += frames;
    range.firstColumn = RingLanes::wrapPosition(range.firstColumn + columns);
    setSelection(range);
}

bool RingLanesView::event(QEvent* event)
{
    // The lanes' own keys win over the window's shortcuts while they have
    // the focus: Ctrl+C copies the block, not the tree's frames.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool own = key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut)
            || key->matches(QKeySequence::Paste) || key->key() == Qt::Key_Delete
            || key->key() == Qt::Key_Space || (key->key() >= Qt::Key_Left && key->key() <= Qt::Key_Down);
        if (own) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void RingLanesView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::Cut))
        cut();
    else if (event->matches(QKeySequence::Paste))
        paste();
    else if (event->key() == Qt::Key_Delete)
        clearSelected();
    else if (event->key() == Qt::Key_Space)
        toggleCursor();
    else if (event->key() == Qt::Key_Escape)
        setSelection({});
    else if (!arrowKey(event))
        QAbstractScrollArea::keyPressEvent(event);
}

bool RingLanesView::arrowKey(QKeyEvent* event)
{
    int frames = 0;
    int columns = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        frames = -1;
        break;
    case Qt::Key_Down:
        frames = 1;
        break;
    case Qt::Key_Left:
        columns = -1;
        break;
    case Qt::Key_Right:
        columns = 1;
        break;
    default:
        return false;
    }
    if (event->modifiers() & Qt::AltModifier) {
        moveBlock(frames, columns);
        return true;
    }
    if (!m_lanes.cursor().isValid()) {
        // The first arrow puts the cell mark on the first frame's first cell.
        setCursorSpot({ 0, 0, 0 });
        scrollToSpot({ 0, 0, 0 });
        return true;
    }
    LaneSpot cursor = m_lanes.cursor();
    const LaneSpot before = cursor;
    // Up to one row past the last frame, where Space adds a frame; the
    // columns run on from lane to lane.
    cursor.frame = qBound(0, cursor.frame + frames, m_lanes.rows().frameCount());
    const int place = qBound(0, cursor.lane * LanePainter::Columns + cursor.column + columns,
        LanePainter::Lanes * LanePainter::Columns - 1);
    cursor.lane = place / LanePainter::Columns;
    cursor.column = place % LanePainter::Columns;
    if (!(event->modifiers() & Qt::ShiftModifier))
        setSelection({});
    else if (m_lanes.selection().isEmpty() || !m_anchor.isValid())
        m_anchor = before;
    if (event->modifiers() & Qt::ShiftModifier)
        setSelection(LaneRange::between(m_anchor, cursor));
    setCursorSpot(cursor);
    scrollToSpot(cursor);
    return true;
}

void RingLanesView::scrollToSpot(const LaneSpot& spot)
{
    const QRect cell = m_lanes.spotRect(spot);
    const QPair<QScrollBar*, QPair<int, int>> axes[] = {
        { verticalScrollBar(), { cell.top() - m_lanes.headerHeight(), cell.height() } },
        { horizontalScrollBar(), { cell.left() - m_lanes.gutterWidth(), cell.width() } },
    };
    const int shown[]
        = { viewport()->height() - m_lanes.headerHeight(), viewport()->width() - m_lanes.gutterWidth() };
    for (int axis = 0; axis < 2; ++axis) {
        QScrollBar* bar = axes[axis].first;
        const int start = axes[axis].second.first;
        const int end = start + axes[axis].second.second;
        if (start < bar->value())
            bar->setValue(start);
        else if (end > bar->value() + shown[axis])
            bar->setValue(end - shown[axis]);
    }
}

void RingLanesView::toggleCursor()
{
    const LaneSpot cursor = m_lanes.cursor();
    if (!cursor.isValid() || !m_edits)
        return;
    m_pending.clear();
    m_strokeValue = laneEdits().value(cursor) != 0 ? 0 : 1;
    addToStroke(cursor);
    apply(std::exchange(m_pending, {}), tr("Draw on the lanes"));
    setCursorSpot(cursor);
}

void RingLanesView::setCursorSpot(const LaneSpot& spot)
{
    m_lanes.setCursor(spot);
    viewport()->update();
    if (!spot.isValid())
        return;
    const QString place
        = AbstractLedPanelScene::placeLabel(spot.lane, RingLanes::positionAt(spot.column, m_lanes.side()));
    const QString state = laneEdits().value(spot) != 0 ? tr("on") : tr("off");
    setAccessibleName(tr("%1, frame %2, %3").arg(place, QString::number(spot.frame + 1), state));
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
