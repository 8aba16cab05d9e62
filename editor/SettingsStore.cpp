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

// Well beyond any desktop, well within int arithmetic on the geometry.
constexpr int MaxCoordinate = 1 << 20;

bool inRange(int value, int low)
{
    return value >= low && value <= MaxCoordinate;
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

QPoint SettingsStore::point(const QString& key, const QPoint& defaultValue)
{
    const QVariant stored = value(key, defaultValue);
    if (stored.type() != QVariant::Point)
        return defaultValue;
    const QPoint point = stored.toPoint();
    return inRange(point.x(), -MaxCoordinate) && inRange(point.y(), -MaxCoordinate) ? point : defaultValue;
}

QSize SettingsStore::size(const QString& key, const QSize& defaultValue)
{
    const QVariant stored = value(key, defaultValue);
    if (stored.type() != QVariant::Size)
        return defaultValue;
    const QSize size = stored.toSize();
    return inRange(size.width(), 1) && inRange(size.height(), 1) ? size : defaultValue;
}

QString SettingsStore::string(const QString& key, const QString& defaultValue)
{
    const QVariant stored = value(key, defaultValue);
    return stored.type() == QVariant::String ? stored.toString() : defaultValue;
}

void SettingsStore::setValue(const QString& key, const QVariant& value)
{
    if (store())
        store()->setValue(key, value);
}

bool SettingsStore::sync()
{
    if (!store())
        return false;
    // Without this a folder the file cannot be renamed into would make
    // QSettings write the file in place, where a failure cuts it short.
    store()->setAtomicSyncRequired(true);
    store()->sync();
    if (store()->status() == QSettings::NoError)
        return true;
    qWarning(
        "The settings could not be saved to %s.", qPrintable(QDir::toNativeSeparators(store()->fileName())));
    return false;
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
