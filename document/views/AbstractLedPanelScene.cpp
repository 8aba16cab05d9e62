#include "AbstractLedPanelScene.h"

#include "LedItem.h"
#include "LedPanelScene_Rectangle.h"
#include "LedPanelScene_Ring.h"
#include "edits/DocumentEdits.h"
#include "model/AbstractTreeItem.h"
#include "model/DeviceItem.h"
#include "model/FrameTools.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsSceneMouseEvent>
#include <QLineF>
#include <QPen>

#include <cmath>
#include <utility>

AbstractLedPanelScene::AbstractLedPanelScene(DeviceItem* device, QObject* parent)
    : QGraphicsScene(parent)
    , m_device(device)
{
}

AbstractLedPanelScene::~AbstractLedPanelScene()
{
    setEdits(nullptr);
    for (const QMetaObject::Connection& connection : qAsConst(m_frameConnections))
        disconnect(connection);
    AbstractLedPanelScene::clearLayout();
}

AbstractLedPanelScene* AbstractLedPanelScene::create(int type, DeviceItem* device)
{
    if (type == Rectangle)
        return std::make_unique<LedPanelScene_Rectangle>(device).release();
    return std::make_unique<LedPanelScene_Ring>(device).release();
}

void AbstractLedPanelScene::setEdits(DocumentEdits* edits)
{
    for (const QMetaObject::Connection& connection : qAsConst(m_editsConnections))
        disconnect(connection);
    m_editsConnections.clear();
    m_edits = edits;
    if (!edits)
        return;
    m_editsConnections << connect(
        edits, &DocumentEdits::ledValuesChanged, this, &AbstractLedPanelScene::repaintChangedLeds)
                       << connect(edits, &DocumentEdits::itemsAboutToBeRemoved, this,
                              &AbstractLedPanelScene::itemsAboutToBeRemoved);
}

DocumentEdits* AbstractLedPanelScene::edits() const
{
    return m_edits;
}

void AbstractLedPanelScene::setLedValue(LedCell* cell, int value)
{
    if (!cell)
        return;
    if (m_edits) {
        m_edits->setLedValue(cell, value);
        return;
    }
    cell->setValue(value);
    update();
}

LedStatesCommand* AbstractLedPanelScene::shownFrame() const
{
    return m_frame;
}

void AbstractLedPanelScene::repaintChangedLeds()
{
    // A stroke changes a few cells at a time: repainting only their LEDs
    // spares the board picture below the rest.
    const QSet<LedCell*>& changed = m_edits ? m_edits->changedCells() : QSet<LedCell*>();
    if (changed.isEmpty() || changed.size() > 64) {
        update();
        return;
    }
    for (LedItem* item : qAsConst(m_ledItems)) {
        if (changed.contains(item->current()) || changed.contains(item->previous())
            || changed.contains(item->next()))
            item->update();
    }
}

void AbstractLedPanelScene::setSymmetry(int order, bool mirror)
{
    m_symmetryOrder = order;
    m_symmetryMirror = mirror;
}

void AbstractLedPanelScene::beginStroke(LedItem* item)
{
    if (!item || !item->current())
        return;
    m_painting = true;
    m_stroke = m_edits ? m_edits->newStroke() : 0;
    m_strokeValue = item->current()->value() == 0 ? 1 : 0;
    m_strokeLeds.clear();
    m_strokePoint = item->scenePos();
    paintLed(item);
}

void AbstractLedPanelScene::paintTo(LedItem* item)
{
    if (m_painting && item && item->current() && !m_strokeLeds.contains(item))
        paintLed(item);
}

void AbstractLedPanelScene::endStroke()
{
    m_painting = false;
    m_strokeLeds.clear();
}

void AbstractLedPanelScene::paintLed(LedItem* item)
{
    m_strokeLeds.insert(item);
    const int led = m_ledItems.indexOf(item);
    QVector<DocumentEdits::CellChange> changes;
    for (int image : FrameTools::symmetryImages(led, m_symmetryOrder, m_symmetryMirror)) {
        if (LedCell* cell = image < m_ledItems.size() ? m_ledItems.at(image)->current() : nullptr)
            changes.append({ cell, m_strokeValue });
    }
    if (m_edits) {
        m_edits->setLedValues(changes, tr("Paint"), m_stroke);
        return;
    }
    for (const DocumentEdits::CellChange& change : qAsConst(changes))
        change.first->setValue(change.second);
    update();
}

void AbstractLedPanelScene::paintAlong(const QPointF& from, const QPointF& to)
{
    // A fast drag leaves gaps of several LEDs between two mouse events: the
    // segment is walked in steps of half an LED, so that none is jumped over.
    const double length = QLineF(from, to).length();
    const double step = std::max(0.5 * LedSize, 0.5);
    const int steps = std::max(1, int(std::ceil(length / step)));
    for (int i = 1; i <= steps; ++i) {
        const QPointF point = from + (to - from) * (double(i) / steps);
        for (QGraphicsItem* under : items(point)) {
            auto* led = qgraphicsitem_cast<LedItem*>(under);
            if (led && led->current()) {
                paintTo(led);
                break;
            }
        }
    }
}

void AbstractLedPanelScene::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_painting && (event->buttons() & Qt::LeftButton)) {
        paintAlong(m_strokePoint, event->scenePos());
        m_strokePoint = event->scenePos();
    }
    QGraphicsScene::mouseMoveEvent(event);
}

void AbstractLedPanelScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        endStroke();
    QGraphicsScene::mouseReleaseEvent(event);
}

int AbstractLedPanelScene::ringCount() const
{
    const int perRing = ledsPerRing();
    return perRing > 0 ? (m_ledItems.size() + perRing - 1) / perRing : 0;
}

int AbstractLedPanelScene::ledsPerRing() const
{
    const int columns = m_device ? m_device->columns() : 0;
    return columns > 0 ? columns : m_ledItems.size();
}

int AbstractLedPanelScene::ledIndex(int ring, int position) const
{
    const int led = ring * ledsPerRing() + position;
    return ring >= 0 && position >= 0 && position < ledsPerRing() && led < m_ledItems.size() ? led : -1;
}

QString AbstractLedPanelScene::ledLabel(int led) const
{
    const int perRing = ledsPerRing();
    if (led < 0 || led >= m_ledItems.size() || perRing <= 0)
        return QString();
    return placeLabel(led / perRing, led % perRing);
}

QString AbstractLedPanelScene::placeLabel(int ring, int position)
{
    return tr("Ring %1, position %2").arg(QString::number(ring + 1), QString::number(position + 1));
}

QString AbstractLedPanelScene::ringLabel(int ring)
{
    return tr("Ring %1").arg(ring + 1);
}

QString AbstractLedPanelScene::ledDescription(int led) const
{
    const QString label = ledLabel(led);
    const LedCell* cell = led >= 0 && led < m_ledItems.size() ? m_ledItems.at(led)->current() : nullptr;
    if (label.isEmpty() || !cell)
        return label;
    return cell->value() > 0 ? tr("%1, on").arg(label) : tr("%1, off").arg(label);
}

void AbstractLedPanelScene::setFocusedLed(int led)
{
    if (led < -1 || led >= m_ledItems.size())
        led = -1;
    if (led == m_focusedLed)
        return;
    m_focusedLed = led;
    placeFocusMark();
    emit focusedLedChanged(led);
}

void AbstractLedPanelScene::placeFocusMark()
{
    if (m_focusedLed < 0 || m_focusedLed >= m_ledItems.size()) {
        if (m_focusMark)
            m_focusMark->hide();
        return;
    }
    if (!m_focusMark) {
        // A bright cyan ring, a colour neither the LEDs nor the neighbour
        // hints nor the green board use.
        auto mark = std::make_unique<QGraphicsEllipseItem>();
        mark->setZValue(10);
        mark->setBrush(Qt::NoBrush);
        mark->setAcceptedMouseButtons(Qt::NoButton);
        m_focusMark = adopt(std::move(mark));
    }
    const double r = 1.25 * LedSize;
    m_focusMark->setPen(QPen(QColor(0, 229, 255), 0.3 * LedSize));
    m_focusMark->setRect(-r, -r, 2 * r, 2 * r);
    m_focusMark->setPos(m_ledItems.at(m_focusedLed)->scenePos());
    m_focusMark->show();
}

void AbstractLedPanelScene::ledFrame(LedStatesCommand* set)
{
    if (!set) {
        clearFrame();
        return;
    }
    const auto neighbour = [](AbstractTreeItem* item) -> LedStatesCommand* {
        if (!item || item->type() != AbstractTreeItem::LedStates)
            return nullptr;
        return qobject_cast<LedStatesCommand*>(item);
    };
    if (set != m_frame) {
        m_painting = false;
        m_strokeLeds.clear();
    }
    LedStatesCommand* previousFrame = neighbour(set->previousItem());
    LedStatesCommand* nextFrame = neighbour(set->nextItem());

    const QVector<LedCell*>& cells = set->leds();
    if (!cells.isEmpty()) {
        const auto cellOf = [](LedStatesCommand* frame, int k) -> LedCell* {
            return frame ? frame->leds().value(k, nullptr) : nullptr;
        };
        for (int k = 0; k < m_ledItems.size(); ++k) {
            // An LED the frame has no cell for must not keep another frame's.
            if (k < cells.size())
                m_ledItems.at(k)->setCells(cells.at(k), cellOf(previousFrame, k), cellOf(nextFrame, k));
            else
                m_ledItems.at(k)->setCells(nullptr, nullptr, nullptr);
        }
        m_frame = set;
        m_previousFrame = previousFrame;
        m_nextFrame = nextFrame;
        watchFrames();
    }
    update();
}

void AbstractLedPanelScene::clearFrame()
{
    // A stroke never reaches into the next frame shown.
    m_painting = false;
    m_strokeLeds.clear();
    for (LedItem* item : qAsConst(m_ledItems))
        item->setCells(nullptr, nullptr, nullptr);
    m_frame.clear();
    m_previousFrame.clear();
    m_nextFrame.clear();
    watchFrames();
    update();
}

void AbstractLedPanelScene::watchFrames()
{
    for (const QMetaObject::Connection& connection : qAsConst(m_frameConnections))
        disconnect(connection);
    m_frameConnections.clear();
    // A frame freed outside the edit path (the whole tree going away) takes
    // its cells with it; let go of them at once.
    for (LedStatesCommand* frame : { m_frame.data(), m_previousFrame.data(), m_nextFrame.data() }) {
        if (frame)
            m_frameConnections << connect(
                frame, &QObject::destroyed, this, &AbstractLedPanelScene::clearFrame);
    }
}

void AbstractLedPanelScene::itemsAboutToBeRemoved(const QList<AbstractTreeItem*>& roots)
{
    for (LedStatesCommand* frame : { m_frame.data(), m_previousFrame.data(), m_nextFrame.data() }) {
        if (frame && DocumentEdits::isWithin(frame, roots)) {
            clearFrame();
            return;
        }
    }
}

void AbstractLedPanelScene::clearLayout()
{
    m_focusedLed = -1;
    if (m_focusMark)
        m_focusMark->hide();
    // The LEDs first: in the grid layout they are children of a background item.
    qDeleteAll(std::exchange(m_ledItems, {}));
    qDeleteAll(std::exchange(m_topImageItems, {}));
    qDeleteAll(std::exchange(m_bottomImageItems, {}));
    qDeleteAll(std::exchange(m_simpleItems, {}));
}

void AbstractLedPanelScene::setSide(eLedPanelSide side)
{
    setPanel(side, background());
}

void AbstractLedPanelScene::setBackground(eLedPanelBackground background)
{
    setPanel(side(), background);
}

void AbstractLedPanelScene::setPanel(eLedPanelSide side, eLedPanelBackground background)
{
    m_background = background;
    const bool turned = side != m_side;
    if (turned) {
        m_side = side;
        mirrorLeds();
        placeFocusMark();
    }
    applyVisibility();
    if (turned)
        emit sideChanged(side);
}

void AbstractLedPanelScene::mirrorLeds()
{
    // Mirror about the scene's vertical centre line. A board picture starts at
    // x 0, so this is the picture width minus x; without a picture the scene
    // is centred on the layout, which then stays over its plain background.
    const QRectF rect = sceneRect();
    const qreal axis2 = rect.left() + rect.right();
    for (LedItem* item : qAsConst(m_ledItems))
        item->setX(axis2 - item->x());
}

void AbstractLedPanelScene::applyVisibility()
{
    const auto show = [](const QList<QGraphicsItem*>& items, bool visible) {
        for (QGraphicsItem* item : items)
            item->setVisible(visible);
    };
    switch (m_background) {
    case Simple:
        show(m_simpleItems, true);
        show(m_topImageItems, false);
        show(m_bottomImageItems, false);
        break;
    case Image:
        show(m_simpleItems, false);
        show(m_topImageItems, m_side == Top);
        show(m_bottomImageItems, m_side == Bottom);
        break;
    }
}

void AbstractLedPanelScene::showBackground(bool visible)
{
    for (QGraphicsItem* item : qAsConst(m_topImageItems))
        item->setVisible(visible);
    for (QGraphicsItem* item : qAsConst(m_simpleItems))
        item->setVisible(!visible);
}

void AbstractLedPanelScene::showAdjacent(bool visible)
{
    m_adjacentShown = visible;
}
