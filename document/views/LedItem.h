#pragma once

#include "kamdeldocument_export.h"

#include <QGraphicsItem>

class AbstractLedPanelScene;
class LedCell;

// One LED of the board. It shows the cell of its LED in the shown frame and
// hints at the same LED in the frames before and after it. The cells belong
// to the frames; the scene clears them before a frame goes away.
class KAMDELDOCUMENT_EXPORT LedItem : public QGraphicsItem
{
public:
    enum
    {
        Type = UserType + 1
    };

    explicit LedItem(QGraphicsItem* parent = nullptr);
    ~LedItem() override;

    int type() const override { return Type; }

    LedCell* current() const { return m_current; }
    LedCell* previous() const { return m_previous; }
    LedCell* next() const { return m_next; }
    void setCells(LedCell* current, LedCell* previous, LedCell* next);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    // An LED as the board draws it, centred on the painter's origin, `s` its
    // half size: the disc, and the half rings for the frames around it.
    static void draw(QPainter* painter, qreal s, bool on, bool inPrevious, bool inNext);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

private:
    AbstractLedPanelScene* panelScene() const;

    LedCell* m_current = nullptr;
    LedCell* m_previous = nullptr;
    LedCell* m_next = nullptr;
};
