#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {
const QString FileName = QStringLiteral("KamdelEditor.ini");

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
    const QString name = fileName();
    // QSettings would create the file but not the folders above it.
    QDir().mkpath(QFileInfo(name).absolutePath());
    store() = std::make_unique<QSettings>(name, QSettings::IniFormat);
    return store().get();
}

bool SettingsStore::isWritable()
{
    return store() && store()->isWritable();
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
    return fileNameFor(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString SettingsStore::fileNameFor(const QString& programDir, const QString& configDir)
{
    const QString portable = QDir(programDir).filePath(FileName);
    // An installed program's folder belongs to the system: settings written
    // there would be lost or refused.
    if (QFileInfo(portable).isFile() && QFileInfo(programDir).isWritable())
        return portable;
    return QDir(configDir).filePath(FileName);
}

void SettingsStore::setFileName(const QString& fileName)
{
    overriddenFileName() = fileName;
}
