#include "LedPanelView.h"

#include "AbstractLedPanelScene.h"
#include "LedPanelContextMenu.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

LedPanelView::LedPanelView(QWidget* parent)
    : QGraphicsView(parent)
    , menu(new LedPanelContextMenu(this))
{
    setRenderHint(QPainter::Antialiasing);
    // The LED items save and restore the painter themselves.
    setOptimizationFlag(DontSavePainterState);
    setViewportUpdateMode(SmartViewportUpdate);
    setTransformationAnchor(AnchorUnderMouse);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &LedPanelView::customContextMenuRequested);
}

LedPanelView::~LedPanelView() = default;

AbstractLedPanelScene* LedPanelView::ledPanelScene() const
{
    return qobject_cast<AbstractLedPanelScene*>(scene());
}

void LedPanelView::ledFrame(LedStatesCommand* set)
{
    if (AbstractLedPanelScene* panel = ledPanelScene())
        panel->ledFrame(set);
}

void LedPanelView::customContextMenuRequested(QPoint pos)
{
    menu->popup(viewport()->mapToGlobal(pos));
}

void LedPanelView::scrollToCenter()
{
    for (QScrollBar* bar : { verticalScrollBar(), horizontalScrollBar() })
        bar->setValue(bar->minimum() + (bar->maximum() - bar->minimum()) / 2);
}

void LedPanelView::applyZoom(double factor)
{
    // The user chose a scale: resizing keeps it from now on.
    m_fitting = false;
    if (m_zoom * factor > MaximumZoom)
        factor = MaximumZoom / m_zoom;
    if (m_zoom * factor < MinimumZoom)
        factor = MinimumZoom / m_zoom;
    scale(factor, factor);
    m_zoom *= factor;
}

void LedPanelView::keepUnder(const QPointF& scenePoint, const QPoint& viewPoint)
{
    const QPointF moved = viewportTransform().map(scenePoint);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + int(moved.x() - viewPoint.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + int(moved.y() - viewPoint.y()));
}

void LedPanelView::zoomIn()
{
    const QPoint centre(width() / 2, height() / 2);
    const QPointF scenePoint = mapToScene(centre);
    applyZoom(ZoomStep);
    keepUnder(scenePoint, centre);
}

void LedPanelView::zoomOut()
{
    const QPoint centre(width() / 2, height() / 2);
    const QPointF scenePoint = mapToScene(centre);
    applyZoom(1.0 / ZoomStep);
    keepUnder(scenePoint, centre);
}

void LedPanelView::showEvent(QShowEvent* event)
{
    QGraphicsView::showEvent(event);
    fitOnFirstShow();
}

void LedPanelView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    fitOnFirstShow();
}

void LedPanelView::fitOnFirstShow()
{
    if ((m_fittedOnce && !m_fitting) || !isVisible() || !ledPanelScene() || width() <= 0 || height() <= 0)
        return;
    m_fittedOnce = true;
    zoomFit();
}

void LedPanelView::zoomFit()
{
    const QRectF rect = sceneRect();
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const double fitted = 0.95 * qMin(width() / rect.width(), height() / rect.height());
    m_fitting = true;
    scale(fitted / m_zoom, fitted / m_zoom);
    m_zoom = fitted;
    scrollToCenter();
}

void LedPanelView::setSide(eLedPanelSide side)
{
    if (AbstractLedPanelScene* panel = ledPanelScene())
        panel->setPanel(side, panel->background());
}

void LedPanelView::setBackground(eLedPanelBackground background)
{
    if (AbstractLedPanelScene* panel = ledPanelScene())
        panel->setPanel(panel->side(), background);
}

void LedPanelView::showAdjacent(bool visible)
{
    AbstractLedPanelScene* panel = ledPanelScene();
    if (!panel)
        return;
    panel->showAdjacent(visible);
    panel->update();
}

void LedPanelView::wheelEvent(QWheelEvent* event)
{
    // The wheel only zooms, around the point under the cursor.
    const QPoint pos = event->position().toPoint();
    const QPointF scenePoint = mapToScene(pos);
    applyZoom(std::pow(ZoomStep, event->angleDelta().y() / 240.0));
    keepUnder(scenePoint, pos);
    event->accept();
}

void LedPanelView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::MiddleButton) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    // The view pans on a left press in hand-drag mode; turn the middle
    // press into one, with the items kept out of it.
    m_fitting = false;
    setDragMode(ScrollHandDrag);
    setInteractive(false);
    QGraphicsView::mousePressEvent(event);
    QMouseEvent press(event->type(), event->localPos(), Qt::LeftButton, event->buttons(), event->modifiers());
    QGraphicsView::mousePressEvent(&press);
}

void LedPanelView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::MiddleButton) {
        QGraphicsView::mouseReleaseEvent(event);
        return;
    }
    QMouseEvent release(
        event->type(), QPointF(event->pos()), Qt::LeftButton, event->buttons(), event->modifiers());
    QGraphicsView::mouseReleaseEvent(&release);
    setInteractive(true);
    setDragMode(RubberBandDrag);
}

void LedPanelView::mouseMoveEvent(QMouseEvent* event)
{
    QGraphicsView::mouseMoveEvent(event);
}
