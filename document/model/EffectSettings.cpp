#include "EffectSettings.h"

#include "FrameTools.h"

#include <QSettings>

namespace EffectSettings {

void read(QSettings& settings, EffectRequest* request)
{
    auto number = [&settings](const char* key, int fallback) {
        bool ok = false;
        const int value = settings.value(QLatin1String(key), fallback).toInt(&ok);
        return ok ? value : fallback;
    };
    auto flag = [&settings](const char* key, bool fallback) {
        return settings.value(QLatin1String(key), fallback).toBool();
    };
    request->ringMask = number("Rings", request->ringMask) & FrameTools::AllRings;
    request->step = number("Step", request->step);
    request->length = number("Length", request->length);
    request->heads = number("Heads", request->heads);
    request->count = number("Count", request->count);
    request->start = number("Start", request->start);
    request->direction = number("Direction", request->direction);
    request->perFrame = number("PerFrame", request->perFrame);
    request->thenEmpty = flag("ThenEmpty", request->thenEmpty);
    request->outward = flag("Outward", request->outward);
    request->width = number("Width", request->width);
    request->bounce = flag("Bounce", request->bounce);
    request->times = number("Times", request->times);
    request->invert = flag("Invert", request->invert);
    request->density = number("Density", request->density);
    request->seed = quint32(number("Seed", int(request->seed)));
    request->ease
        = EffectRequest::Ease(qBound(0, number("Ease", request->ease), int(EffectRequest::EaseInOut)));
    request->densityEnd = qBound(-1, number("DensityEnd", request->densityEnd), 100);
}

void write(QSettings& settings, const EffectRequest& request)
{
    settings.setValue(QStringLiteral("Rings"), request.ringMask);
    settings.setValue(QStringLiteral("Step"), request.step);
    settings.setValue(QStringLiteral("Length"), request.length);
    settings.setValue(QStringLiteral("Heads"), request.heads);
    settings.setValue(QStringLiteral("Count"), request.count);
    settings.setValue(QStringLiteral("Start"), request.start);
    settings.setValue(QStringLiteral("Direction"), request.direction);
    settings.setValue(QStringLiteral("PerFrame"), request.perFrame);
    settings.setValue(QStringLiteral("ThenEmpty"), request.thenEmpty);
    settings.setValue(QStringLiteral("Outward"), request.outward);
    settings.setValue(QStringLiteral("Width"), request.width);
    settings.setValue(QStringLiteral("Bounce"), request.bounce);
    settings.setValue(QStringLiteral("Times"), request.times);
    settings.setValue(QStringLiteral("Invert"), request.invert);
    settings.setValue(QStringLiteral("Density"), request.density);
    settings.setValue(QStringLiteral("Seed"), int(request.seed));
    settings.setValue(QStringLiteral("Ease"), int(request.ease));
    settings.setValue(QStringLiteral("DensityEnd"), request.densityEnd);
}

EffectRequest seenFrom(EffectRequest request, eLedPanelSide side)
{
    if (side != Bottom) {
        request.step = -request.step;
        request.direction = -request.direction;
    }
    return request;
}

} // namespace EffectSettings
