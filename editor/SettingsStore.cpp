#include "SettingsStore.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

namespace {
std::unique_ptr<QSettings>& store()
{
    static std::unique_ptr<QSettings> settings;
    return settings;
}

QString& overriddenFileName()
{
    static QString name;
    return name;
}
} // namespace

QSettings* SettingsStore::open()
{
    store().reset();
    store() = std::make_unique<QSettings>(fileName(), QSettings::IniFormat);
    return store().get();
}

void SettingsStore::close()
{
    store().reset();
}

QSettings* SettingsStore::settings()
{
    return store().get();
}

QVariant SettingsStore::value(const QString& key, const QVariant& defaultValue)
{
    if (!store())
        return defaultValue;
    return store()->value(key, defaultValue);
}

void SettingsStore::setValue(const QString& key, const QVariant& value)
{
    if (store())
        store()->setValue(key, value);
}

void SettingsStore::sync()
{
    if (store())
        store()->sync();
}

QString SettingsStore::fileName()
{
    if (!overriddenFileName().isEmpty())
        return overriddenFileName();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/KamdelEditor.ini");
}

void SettingsStore::setFileName(const QString& fileName)
{
    overriddenFileName() = fileName;
}
