#include "RecipeCheck.h"

#include "Recipe.h"
#include "formats/OutputFile.h"

#include "Helper/CRC.h"
#include "Helper/FirmwareFile.h"
#include "Helper/UnitLog.h"
#include "MspFlasher/MspFlasher.h"
#include "formats/OutputFile.h"
#include "model/PanelDocument.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSerialPort>

#include <memory>

QString RecipeCheck::problem(const Recipe& recipe)
{
    if (PanelDocument::panelOfModel(recipe.model) == PanelDocument::Panel::None)
        return tr("unknown model %1 (known: %2, %3)")
            .arg(recipe.model, PanelDocument::modelLabel(PanelDocument::Panel::RingA),
                PanelDocument::modelLabel(PanelDocument::Panel::RingB));
    if (!MspFlasher::modelNames().contains(recipe.controller))
        return tr("unknown controller %1 (known: %2)")
            .arg(recipe.controller, MspFlasher::modelNames().join(QStringLiteral(", ")));
    if (recipe.watch.isEmpty())
        return tr("no port to watch: the recipe names no Watch glob");
    QString error;
    QString digest;
    if (!firmwareDigest(recipe.firmware, &digest, &error))
        return error;
    if (digest != recipe.firmwareSha256)
        return changed(recipe.firmware, recipe.firmwareSha256, digest);
    const QString fit = firmwareFit(recipe);
    if (!fit.isEmpty())
        return fit;
    quint16 crc = 0;
    if (!programCrc(recipe, &crc, &error))
        return error;
    if (crc != recipe.programCrc)
        return tr("program %1 changed: the recipe expects CRC %2, the file has %3")
            .arg(recipe.program, Recipe::crcText(recipe.programCrc), Recipe::crcText(crc));
    // Lines appended to the firmware or the program would change the files
    // the recipe vouches for.
    for (const QString& own : { recipe.firmware, recipe.program }) {
        if (OutputFile::sameFile(recipe.log, own))
            return tr("log %1 is the recipe's own file %2: name a log file of its own").arg(recipe.log, own);
    }
    UnitLog log(recipe.log);
    if (recipe.log.isEmpty() || !log.check())
        return tr("log %1 cannot be appended to: %2").arg(recipe.log, log.errorString());
    if (!log.hasStationColumns())
        return tr("log %1 has the columns of an older version: name a new log file in the recipe")
            .arg(recipe.log);
    return QString();
}

bool RecipeCheck::stamp(Recipe* recipe, QString* error)
{
    return firmwareDigest(recipe->firmware, &recipe->firmwareSha256, error)
        && programCrc(*recipe, &recipe->programCrc, error);
}

QString RecipeCheck::changed(const QString& path, const QString& expected, const QString& found)
{
    return tr("firmware %1 changed: the recipe expects digest %2, the file has %3")
        .arg(path, expected.left(12), found.left(12));
}

bool RecipeCheck::firmwareDigest(const QString& path, QString* digest, QString* error)
{
    QByteArray content;
    QString reason;
    if (!QFileInfo::exists(path)) {
        *error = tr("firmware %1 is missing").arg(path);
        return false;
    }
    if (!FirmwareFile::read(path, &content, &reason)) {
        *error = tr("firmware %1 is unreadable: %2").arg(path, reason);
        return false;
    }
    *digest = QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
    return true;
}

// The same reading and memory check romwright makes before it touches a device.
QString RecipeCheck::firmwareFit(const Recipe& recipe)
{
    QByteArray content;
    QString reason;
    FirmwareFile::read(recipe.firmware, &content, &reason);
    QSerialPort unused;
    const std::unique_ptr<MspFlasher> flasher(MspFlasher::crate(recipe.controller, &unused));
    if (!flasher->readImage(content))
        return tr("firmware %1 is not a firmware image: %2").arg(recipe.firmware, flasher->readError());
    uint32_t offending = 0;
    if (flasher->memoryData().isEmpty() || !flasher->fitsMemory(&offending))
        return tr("firmware %1 does not fit %2: it writes %3, outside %4")
            .arg(recipe.firmware, recipe.controller, MspFlasher::addressText(offending),
                flasher->writableRangesText());
    if (!recipe.writeVectorArea && flasher->vectorAreaUse().count > 0)
        return tr("firmware %1 writes the interrupt vectors, which the recipe does not allow")
            .arg(recipe.firmware);
    return QString();
}

bool RecipeCheck::programCrc(const Recipe& recipe, quint16* crc, QString* error)
{
    const QString& path = recipe.program;
    const PanelDocument::Panel panel = PanelDocument::panelOf(path);
    if (!QFileInfo::exists(path))
        *error = tr("program %1 is missing").arg(path);
    else if (panel == PanelDocument::Panel::None)
        *error = tr("program %1 is not a panel document").arg(path);
    else if (PanelDocument::modelLabel(panel) != recipe.model)
        *error = tr("program %1 is for %2, not %3").arg(path, PanelDocument::modelLabel(panel), recipe.model);
    else {
        PanelDocument document(panel);
        if (!document.load(path)) {
            *error = tr("program %1 is unreadable: %2").arg(path, document.errorString());
            return false;
        }
        document.compile();
        const QByteArray image = document.createBinnary();
        CRC_CCITT sum;
        sum.add(reinterpret_cast<const uint8_t*>(image.constData()), image.size());
        *crc = sum.crc();
        return true;
    }
    return false;
}
