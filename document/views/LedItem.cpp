#include "LedItem.h"

#include "AbstractLedPanelScene.h"
#include "model/LedCell.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

namespace {

// Pie angles in sixteenths of a degree: the left and right halves, with a
// small gap at top and bottom so the two hints stay apart.
constexpr int PreviousStart = 1472;
constexpr int NextStart = -1408;
constexpr int HintSpan = 2816;

QPen outlinePen(const QBrush& brush, qreal width)
{
    return QPen(brush, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

LedItem::LedItem(QGraphicsItem* parent)
    : QGraphicsItem(parent)
{
    setFlags(ItemIsSelectable);
}

LedItem::~LedItem() = default;

void LedItem::setCells(LedCell* current, LedCell* previous, LedCell* next)
{
    // The item's extent depends on whether it shows a frame at all.
    if ((current == nullptr) != (m_current == nullptr))
        prepareGeometryChange();
    m_current = current;
    m_previous = previous;
    m_next = next;
    update();
}

AbstractLedPanelScene* LedItem::panelScene() const
{
    return qobject_cast<AbstractLedPanelScene*>(scene());
}

QRectF LedItem::boundingRect() const
{
    const AbstractLedPanelScene* panel = panelScene();
    if (!m_current || !panel)
        return QRectF();
    const qreal s = panel->ledSize();
    return QRectF(-s, -s, 2 * s, 2 * s);
}

QPainterPath LedItem::shape() const
{
    QPainterPath path;
    const QRectF rect = boundingRect();
    if (!rect.isEmpty())
        path.addEllipse(rect);
    return path;
}

void LedItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const AbstractLedPanelScene* panel = panelScene();
    if (!m_current || !panel)
        return;
    const bool hints = panel->adjacentShown();
    painter->save();
    draw(painter, panel->ledSize(), m_current->value() >= 1, hints && m_previous && m_previous->value() > 0,
        hints && m_next && m_next->value() > 0);
    painter->restore();
}

void LedItem::draw(QPainter* painter, qreal s, bool on, bool inPrevious, bool inNext)
{
    const QRect hintRect(int(-s), int(-s), int(2 * s), int(2 * s));
    if (inPrevious) {
        painter->setPen(outlinePen(QBrush(Qt::blue), 0));
        painter->setBrush(QBrush(Qt::blue));
        painter->drawPie(hintRect, PreviousStart, HintSpan);
    }
    if (inNext) {
        painter->setPen(outlinePen(QBrush(Qt::red), 0));
        painter->setBrush(QBrush(Qt::red));
        painter->drawPie(hintRect, NextStart, HintSpan);
    }
    painter->setPen(outlinePen(QBrush(Qt::black), 0.05 * s));
    painter->setBrush(on ? QBrush(Qt::yellow) : QBrush(QColor::fromRgba(0xFF3C3C3C)));
    painter->drawEllipse(QRectF(-0.8 * s, -0.8 * s, 1.6 * s, 1.6 * s));
}

void LedItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_current) {
        if (AbstractLedPanelScene* panel = panelScene())
            panel->beginStroke(this);
        else
            m_current->setValue(m_current->value() == 0 ? 1 : 0);
        // The base handler selects the item again, which repaints it.
        setSelected(false);
        update();
    }
    QGraphicsItem::mousePressEvent(event);
}
