#include "FramePicture.h"

#include "LedCell.h"
#include "LedStatesCommand.h"
#include "RingGeometry.h"

#include <QPainter>

#include <cmath>

QImage FramePicture::render(const LedStatesCommand* frame, int size, eLedPanelSide side)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!frame)
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3C, 0x3C, 0x3C));
    painter.drawEllipse(QRectF(0, 0, size, size));

    const double centre = size / 2.0;
    const double dot = std::max(1.0, size / 10.0);
    const double innerRadius = size * 0.18;
    const double ringStep = (centre - dot - innerRadius) / 3.0;
    painter.setBrush(Qt::yellow);
    const QVector<LedCell*>& cells = frame->leds();
    for (int k = 0; k < cells.size(); ++k) {
        if (cells.at(k)->value() != 0) {
            painter.drawEllipse(
                RingGeometry::ledCentre(k, side, QPointF(centre, centre), innerRadius, ringStep), dot / 2,
                dot / 2);
        }
    }
    return image;
}
