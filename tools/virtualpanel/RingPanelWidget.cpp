#include "RingPanelWidget.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "player/RingFrameImage.h"

RingPanelWidget::RingPanelWidget(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

RingPanelWidget::~RingPanelWidget() = default;

void RingPanelWidget::setLeds(const std::bitset<PanelProgram::LedCount>& leds)
{
    m_leds = leds;
    update();
}

void RingPanelWidget::setSide(eLedPanelSide side)
{
    m_side = side;
    update();
}

QSize RingPanelWidget::sizeHint() const
{
    return { 520, 520 };
}

QSize RingPanelWidget::minimumSizeHint() const
{
    return { 200, 200 };
}

void RingPanelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0x20, 0x22, 0x25));

    const qreal side = qMin(width(), height());
    const QPointF centre(width() / 2.0, height() / 2.0);
    const qreal board = side / 2.0 - 6.0;
    const qreal ledRadius = RingFrameImage::ledRadius(board);

    painter.setPen(QPen(QColor(0x0c, 0x3d, 0x24), 2.0));
    painter.setBrush(QColor(0x14, 0x5a, 0x36));
    painter.drawEllipse(centre, board, board);
    painter.setBrush(QColor(0x20, 0x22, 0x25));
    painter.drawEllipse(centre, board * 0.36, board * 0.36);

    // A mark beside LED 0 of the outer ring, so that the start can be found.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xe8, 0xe0));
    const qreal outerRing = RingFrameImage::ledCentre(LedCount - LedsPerRing, m_side, centre, board).y();
    const qreal markY = outerRing - ledRadius * 2.2;
    painter.drawPolygon(QPolygonF({ QPointF(centre.x(), markY + ledRadius * 0.7),
        QPointF(centre.x() - ledRadius * 0.55, markY - ledRadius * 0.3),
        QPointF(centre.x() + ledRadius * 0.55, markY - ledRadius * 0.3) }));

    const QColor offColour(0x3a, 0x3d, 0x3a);
    const QColor onColour(0xff, 0x4a, 0x2a);
    for (int led = 0; led < LedCount; ++led) {
        const QPointF at = RingFrameImage::ledCentre(led, m_side, centre, board);
        if (m_leds[led]) {
            QRadialGradient glow(at, ledRadius * 2.2);
            glow.setColorAt(0.0, QColor(0xff, 0x70, 0x40, 0xb0));
            glow.setColorAt(1.0, QColor(0xff, 0x40, 0x20, 0x00));
            painter.setPen(Qt::NoPen);
            painter.setBrush(glow);
            painter.drawEllipse(at, ledRadius * 2.2, ledRadius * 2.2);
            QRadialGradient body(at - QPointF(ledRadius * 0.3, ledRadius * 0.3), ledRadius * 1.2);
            body.setColorAt(0.0, QColor(0xff, 0xe0, 0xc0));
            body.setColorAt(0.5, onColour);
            body.setColorAt(1.0, onColour.darker(130));
            painter.setBrush(body);
        } else {
            painter.setPen(QPen(QColor(0x10, 0x12, 0x10), 1.0));
            painter.setBrush(offColour);
        }
        painter.drawEllipse(at, ledRadius, ledRadius);
    }
}
