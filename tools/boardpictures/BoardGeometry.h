#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

#include <cmath>

// One board model as the editor lays it out: pixel coordinates of the
// picture, the same values the panel type gives its ring scene.
struct BoardGeometry
{
    QString pictureName; // "PCBA01": files PCBA01_top.png and PCBA01_bot.png
    QString model;
    int size;
    double centerX;
    double centerY;
    double innerRadius;
    double outerRadius;
    double radialStart;
    double radialStep;
    double angularStart;
    double angularStep;
    double ledSize;
    int rings = 4;
    int positions = 48;

    double ringRadius(int ring) const { return radialStart + ring * radialStep; }
    double angle(int position) const { return angularStart + position * angularStep; }
    QPointF centre() const { return QPointF(centerX, centerY); }

    // A point at `radius` and `degrees` from the centre, as seen from the top.
    QPointF polar(double radius, double degrees) const
    {
        const double theta = degrees * 0.017453292519943295;
        return QPointF(centerX + radius * std::cos(theta), centerY + radius * std::sin(theta));
    }
    QPointF ledPosition(int ring, int position) const { return polar(ringRadius(ring), angle(position)); }

    static QVector<BoardGeometry> boards()
    {
        return {
            { QStringLiteral("PCBA01"), QStringLiteral("ZQ-RING-A"), 3503, 1751.5, 1751.5, 681.0, 1751.5,
                944.0, 189.0, -90.0, -7.5, 50.0 },
            { QStringLiteral("PCBA02"), QStringLiteral("ZQ-RING-B"), 2370, 1185.0, 1185.0, 473.0, 1185.0,
                598.0, 153.0, -90.0, -7.5, 35.0 },
        };
    }
};
