#include "Recipe.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <tuple>

namespace {

auto fields(const Recipe& r)
{
    return std::tie(r.model, r.controller, r.station, r.firmware, r.firmwareSha256, r.writeVectorArea,
        r.program, r.programCrc, r.baud, r.watch, r.log, r.test, r.serialRequired);
}

} // namespace

bool Recipe::operator==(const Recipe& other) const
{
    return fields(*this) == fields(other);
}

QString Recipe::crcText(quint16 crc)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(crc, 4, 16, QLatin1Char('0')).toUpper();
}

bool Recipe::read(const QString& path, QString* error)
{
    // A recipe is a few lines; anything else (a device, a FIFO, a huge file)
    // is refused before QSettings reads it whole or waits on it.
    constexpr qint64 LargestRecipe = 64 * 1024;
    const QFileInfo file(path);
    if (!file.exists()) {
        *error = tr("recipe %1 is missing").arg(path);
        return false;
    }
    if (!file.isFile() || file.size() > LargestRecipe) {
        *error = tr("%1 is not a recipe: a recipe is a small text file").arg(path);
        return false;
    }
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        *error = tr("recipe %1 is not a readable INI file").arg(path);
        return false;
    }
    const QDir folder = QFileInfo(path).absoluteDir();
    const auto pathOf = [&](const char* key) {
        const QString value = settings.value(QLatin1String(key)).toString();
        return value.isEmpty() ? value : QDir::cleanPath(folder.absoluteFilePath(value));
    };
    bool crcOk = false;
    bool baudOk = false;
    Recipe r;
    r.model = settings.value(QStringLiteral("Model")).toString();
    r.controller = settings.value(QStringLiteral("Controller"), r.controller).toString();
    r.station = settings.value(QStringLiteral("Station")).toString();
    r.firmware = pathOf("Firmware");
    r.firmwareSha256 = settings.value(QStringLiteral("FirmwareSha256")).toString().toLower();
    r.writeVectorArea = settings.value(QStringLiteral("WriteVectorArea"), false).toBool();
    r.program = pathOf("Program");
    r.programCrc = settings.value(QStringLiteral("ProgramCrc")).toString().toUShort(&crcOk, 0);
    r.baud = settings.value(QStringLiteral("Baud"), r.baud).toString().toInt(&baudOk);
    r.watch = settings.value(QStringLiteral("Watch")).toStringList();
    r.log = pathOf("Log");
    r.test = settings.value(QStringLiteral("Test"), false).toBool();
    r.serialRequired = settings.value(QStringLiteral("SerialRequired"), false).toBool();
    if (!crcOk || !baudOk || r.baud <= 0) {
        *error = tr("recipe %1 has a bad %2")
                     .arg(path, crcOk ? QStringLiteral("Baud") : QStringLiteral("ProgramCrc"));
        return false;
    }
    *this = r;
    return true;
}

bool Recipe::write(const QString& path, QString* error) const
{
    const QDir folder = QFileInfo(path).absoluteDir();
    const auto relative
        = [&](const QString& file) { return file.isEmpty() ? file : folder.relativeFilePath(file); };
    QSettings settings(path, QSettings::IniFormat);
    settings.clear();
    settings.setValue(QStringLiteral("Model"), model);
    settings.setValue(QStringLiteral("Controller"), controller);
    settings.setValue(QStringLiteral("Station"), station);
    settings.setValue(QStringLiteral("Firmware"), relative(firmware));
    settings.setValue(QStringLiteral("FirmwareSha256"), firmwareSha256);
    settings.setValue(QStringLiteral("WriteVectorArea"), writeVectorArea);
    settings.setValue(QStringLiteral("Program"), relative(program));
    settings.setValue(QStringLiteral("ProgramCrc"), crcText(programCrc));
    settings.setValue(QStringLiteral("Baud"), baud);
    settings.setValue(QStringLiteral("Watch"), watch);
    settings.setValue(QStringLiteral("Log"), relative(log));
    settings.setValue(QStringLiteral("Test"), test);
    settings.setValue(QStringLiteral("SerialRequired"), serialRequired);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        *error = tr("cannot write recipe %1").arg(path);
        return false;
    }
    return true;
}
