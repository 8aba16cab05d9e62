#pragma once

#include "EffectRequest.h"
#include "kamdeldocument_export.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QVector>

class QSettings;

// Named parameters of the effects, each belonging to one kind: the shipped
// ones, built in, and the user's, kept in the settings (or, without any, for
// this session only). Requests are stored as seen (see EffectSettings).
class KAMDELDOCUMENT_EXPORT GeneratePresets
{
    Q_DECLARE_TR_FUNCTIONS(GeneratePresets)

public:
    struct Preset
    {
        QString name;
        EffectRequest request;
        bool shipped = false;
    };

    explicit GeneratePresets(QSettings* settings = nullptr);

    void setSettings(QSettings* settings);

    // The shipped presets of `kind` first, then the user's in the order saved.
    QVector<Preset> presets(EffectRequest::Kind kind) const;
    // False when `kind` has no preset of that name.
    bool find(EffectRequest::Kind kind, const QString& name, Preset* preset) const;
    // Keeps `request` under `name` for its kind, replacing a user preset of
    // that name; false for the name of a shipped one, which stays.
    bool save(const QString& name, const EffectRequest& request);
    // False for a shipped preset or an unknown name.
    bool remove(EffectRequest::Kind kind, const QString& name);

private:
    static QVector<Preset> shipped();
    QVector<Preset> userPresets(EffectRequest::Kind kind) const;
    void setUserPresets(EffectRequest::Kind kind, const QVector<Preset>& presets);

    QPointer<QSettings> m_settings;
    // Without settings.
    QVector<Preset> m_session;
};
