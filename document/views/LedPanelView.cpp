#include "LedPanelView.h"

#include "AbstractLedPanelScene.h"
#include "LedItem.h"
#include "LedPanelContextMenu.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusTipEvent>
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
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("LED board"));
    setAccessibleDescription(tr(
        "Arrow keys move along and between the rings, Space switches the LED, Shift with an arrow paints"));
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
    const int led = ledUnder(event->pos());
    if (led == m_hoveredLed)
        return;
    m_hoveredLed = led;
    const AbstractLedPanelScene* panel = ledPanelScene();
    showStatusTip(panel && led >= 0 ? panel->ledLabel(led) : QString());
}

void LedPanelView::leaveEvent(QEvent* event)
{
    QGraphicsView::leaveEvent(event);
    if (m_hoveredLed >= 0) {
        m_hoveredLed = -1;
        showStatusTip(QString());
    }
}

int LedPanelView::ledUnder(const QPoint& viewPoint) const
{
    const AbstractLedPanelScene* panel = ledPanelScene();
    if (!panel)
        return -1;
    for (QGraphicsItem* item : items(viewPoint)) {
        if (auto* led = qgraphicsitem_cast<LedItem*>(item))
            return panel->ledItems().indexOf(led);
    }
    return -1;
}

void LedPanelView::showStatusTip(const QString& text)
{
    // The window's status bar shows it, as for any widget's status tip.
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(this, &tip);
}

bool LedPanelView::event(QEvent* event)
{
    // While the focus mark is shown, Space switches its LED instead of
    // playing; Escape takes the mark away and gives Space back to Play.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const AbstractLedPanelScene* panel = ledPanelScene();
        if (panel && panel->focusedLed() >= 0 && key->key() == Qt::Key_Space
            && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QGraphicsView::event(event);
}

void LedPanelView::keyPressEvent(QKeyEvent* event)
{
    AbstractLedPanelScene* panel = ledPanelScene();
    if (!panel || panel->ledItems().isEmpty()) {
        QGraphicsView::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)
        && moveFocusMark(event->key(), modifiers == Qt::ShiftModifier)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && modifiers == Qt::NoModifier && panel->focusedLed() >= 0) {
        LedItem* item = panel->ledItems().at(panel->focusedLed());
        panel->beginStroke(item);
        panel->endStroke();
        reportFocusedLed();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && panel->focusedLed() >= 0) {
        panel->endStroke();
        panel->setFocusedLed(-1);
        reportFocusedLed();
        event->accept();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

void LedPanelView::keyReleaseEvent(QKeyEvent* event)
{
    // A keyboard stroke lasts as long as Shift is held.
    AbstractLedPanelScene* panel = ledPanelScene();
    if (panel && event->key() == Qt::Key_Shift)
        panel->endStroke();
    QGraphicsView::keyReleaseEvent(event);
}

void LedPanelView::focusOutEvent(QFocusEvent* event)
{
    AbstractLedPanelScene* panel = ledPanelScene();
    // The board's own menu takes the focus only for a moment.
    if (panel && event->reason() != Qt::PopupFocusReason) {
        panel->endStroke();
        panel->setFocusedLed(-1);
    }
    QGraphicsView::focusOutEvent(event);
}

bool LedPanelView::positionsRunClockwise(int ring) const
{
    // Decided from the LEDs as drawn, so that it holds for either side and
    // whichever way a layout numbers them.
    const AbstractLedPanelScene* panel = ledPanelScene();
    const int first = panel->ledIndex(ring, 0);
    const int second = panel->ledIndex(ring, 1);
    if (first < 0 || second < 0)
        return true;
    QPointF centre;
    int count = 0;
    for (int position = 0; position < panel->ledsPerRing(); ++position) {
        const int led = panel->ledIndex(ring, position);
        if (led >= 0) {
            centre += panel->ledItems().at(led)->scenePos();
            ++count;
        }
    }
    centre /= qMax(count, 1);
    const QPointF a = panel->ledItems().at(first)->scenePos() - centre;
    const QPointF b = panel->ledItems().at(second)->scenePos() - centre;
    // Scene y grows downwards, so a positive cross product turns clockwise.
    return a.x() * b.y() - a.y() * b.x() > 0;
}

bool LedPanelView::moveFocusMark(int key, bool paint)
{
    AbstractLedPanelScene* panel = ledPanelScene();
    const int perRing = panel->ledsPerRing();
    const int rings = panel->ringCount();
    if (perRing <= 0 || rings <= 0)
        return false;
    int led = panel->focusedLed();
    const bool shown = led >= 0;
    if (!shown)
        led = qBound(0, m_lastFocusedLed, panel->ledItems().size() - 1);
    int ring = led / perRing;
    int position = led % perRing;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const bool clockwise = key == Qt::Key_Right;
        const int step = clockwise == positionsRunClockwise(ring) ? 1 : -1;
        position = (position + step + perRing) % perRing;
        break;
    }
    case Qt::Key_Up:
        ring = qMin(ring + 1, rings - 1);
        break;
    case Qt::Key_Down:
        ring = qMax(ring - 1, 0);
        break;
    case Qt::Key_Home:
        position = 0;
        break;
    default:
        return false;
    }
    // The first key only shows where the mark stands.
    const int target = shown ? panel->ledIndex(ring, position) : led;
    if (target < 0)
        return true;
    if (!paint)
        panel->endStroke();
    else if (!panel->isPainting() && shown)
        panel->beginStroke(panel->ledItems().at(led));
    panel->setFocusedLed(target);
    m_lastFocusedLed = target;
    if (paint && panel->isPainting())
        panel->paintTo(panel->ledItems().at(target));
    ensureVisible(panel->ledItems().at(target), 8, 8);
    reportFocusedLed();
    return true;
}

void LedPanelView::reportFocusedLed()
{
    const AbstractLedPanelScene* panel = ledPanelScene();
    const QString text = panel ? panel->ledDescription(panel->focusedLed()) : QString();
    // A name change of the focused widget is what screen readers announce.
    setAccessibleName(text.isEmpty() ? tr("LED board") : text);
}
