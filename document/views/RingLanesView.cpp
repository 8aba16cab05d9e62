#include "RingLanesView.h"

#include "model/AbstractTreeItem.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {
// Wheel notches per zoom step, as QWheelEvent counts them.
constexpr int NotchDelta = 120;
constexpr int MinimumFitRow = 3;
} // namespace

RingLanesView::RingLanesView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_fit(new QToolButton(this))
{
    setObjectName(QStringLiteral("ringLanes"));
    m_fit->setObjectName(QStringLiteral("fitLanes"));
    m_fit->setText(tr("Fit"));
    m_fit->setToolTip(tr("Fit the lanes into the width of the view"));
    m_fit->setAutoRaise(true);
    connect(m_fit, &QToolButton::clicked, this, &RingLanesView::fit);
    viewport()->setToolTip(tr("Ctrl+wheel zooms; click a frame number to make it current"));
    setMinimumSize(200, 120);
}

RingLanesView::~RingLanesView() = default;

void RingLanesView::setList(const AbstractTreeItem* list)
{
    m_lanes.setRows(LaneRows(list));
    updateScrollBars();
    viewport()->update();
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
    verticalScrollBar()->setRange(0, qMax(0, picture.height() - shown.height()));
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
    if (event->button() != Qt::LeftButton || !m_lanes.inRowHeader(point)) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (AbstractTreeItem* item = m_lanes.rows().at(m_lanes.rowAt(point.y())).item)
        emit itemChosen(item);
}
