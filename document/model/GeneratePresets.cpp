#include "GeneratePresets.h"

#include "EffectSettings.h"
#include "Effects.h"
#include "FrameTools.h"

#include <QSettings>

#include <algorithm>

namespace {
// An array per kind: the settings' keys cannot hold every name a user types.
const QString PresetsGroup = QStringLiteral("GeneratePresets/%1");
const QString NameKey = QStringLiteral("Name");
} // namespace

GeneratePresets::GeneratePresets(QSettings* settings)
    : m_settings(settings)
{
}

void GeneratePresets::setSettings(QSettings* settings)
{
    m_settings = settings;
}

QVector<GeneratePresets::Preset> GeneratePresets::shipped()
{
    EffectRequest comet;
    comet.kind = EffectRequest::Chase;
    comet.heads = 1;
    comet.length = 6;
    comet.step = 1;
    EffectRequest progress;
    progress.kind = EffectRequest::Fill;
    progress.start = 0;
    progress.perFrame = 1;
    progress.ringMask = FrameTools::AllRings;
    EffectRequest pulse;
    pulse.kind = EffectRequest::Ripple;
    pulse.outward = true;
    pulse.width = 1;
    pulse.bounce = true;
    EffectRequest heartbeat;
    heartbeat.kind = EffectRequest::Blink;
    heartbeat.times = 2;
    heartbeat.invert = false;
    EffectRequest stars;
    stars.kind = EffectRequest::Twinkle;
    stars.density = 8;
    stars.count = 40;
    return { { tr("Comet"), comet, true }, { tr("Progress ring"), progress, true },
        { tr("Pulse out"), pulse, true }, { tr("Heartbeat"), heartbeat, true },
        { tr("Starfield"), stars, true } };
}

QVector<GeneratePresets::Preset> GeneratePresets::presets(EffectRequest::Kind kind) const
{
    QVector<Preset> list;
    for (const Preset& preset : shipped()) {
        if (preset.request.kind == kind)
            list.append(preset);
    }
    return list + userPresets(kind);
}

bool GeneratePresets::find(EffectRequest::Kind kind, const QString& name, Preset* preset) const
{
    for (const Preset& candidate : presets(kind)) {
        if (candidate.name == name) {
            *preset = candidate;
            return true;
        }
    }
    return false;
}

bool GeneratePresets::save(const QString& name, const EffectRequest& request)
{
    Preset existing;
    if (name.isEmpty() || (find(request.kind, name, &existing) && existing.shipped))
        return false;
    QVector<Preset> list = userPresets(request.kind);
    const auto same = std::find_if(
        list.begin(), list.end(), [&name](const Preset& preset) { return preset.name == name; });
    if (same != list.end())
        same->request = request;
    else
        list.append({ name, request, false });
    setUserPresets(request.kind, list);
    return true;
}

bool GeneratePresets::remove(EffectRequest::Kind kind, const QString& name)
{
    QVector<Preset> list = userPresets(kind);
    const auto kept = std::remove_if(
        list.begin(), list.end(), [&name](const Preset& preset) { return preset.name == name; });
    if (kept == list.end())
        return false;
    list.erase(kept, list.end());
    setUserPresets(kind, list);
    return true;
}

QVector<GeneratePresets::Preset> GeneratePresets::userPresets(EffectRequest::Kind kind) const
{
    QVector<Preset> list;
    if (!m_settings) {
        std::copy_if(m_session.begin(), m_session.end(), std::back_inserter(list),
            [kind](const Preset& preset) { return preset.request.kind == kind; });
        return list;
    }
    const int size = m_settings->beginReadArray(PresetsGroup.arg(Effects::kindKey(kind)));
    for (int i = 0; i < size; ++i) {
        m_settings->setArrayIndex(i);
        Preset preset { m_settings->value(NameKey).toString(), EffectRequest(), false };
        preset.request.kind = kind;
        EffectSettings::read(*m_settings, &preset.request);
        if (!preset.name.isEmpty())
            list.append(preset);
    }
    m_settings->endArray();
    return list;
}

void GeneratePresets::setUserPresets(EffectRequest::Kind kind, const QVector<Preset>& presets)
{
    if (!m_settings) {
        m_session.erase(std::remove_if(m_session.begin(), m_session.end(),
                            [kind](const Preset& preset) { return preset.request.kind == kind; }),
            m_session.end());
        m_session += presets;
        return;
    }
    const QString group = PresetsGroup.arg(Effects::kindKey(kind));
    // The old array goes first: a shorter one would leave its tail behind.
    m_settings->remove(group);
    m_settings->beginWriteArray(group, presets.size());
    for (int i = 0; i < presets.size(); ++i) {
        m_settings->setArrayIndex(i);
        m_settings->setValue(NameKey, presets.at(i).name);
        EffectSettings::write(*m_settings, presets.at(i).request);
    }
    m_settings->endArray();
}
