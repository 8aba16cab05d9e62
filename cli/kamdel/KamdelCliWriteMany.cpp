#include "KamdelCli.h"

#include "Fleet/PortFleet.h"
#include "Helper/CRC.h"
#include "model/PanelDocument.h"
#include "player/PanelCommand.h"

#include <QFileInfo>

// Each panel is written by a kamdel of its own (see PortFleet): a panel that
// stalls or vanishes holds up no other.
int KamdelCli::writeMany(const QString& file, const QStringList& ports, const QString& logPath)
{
    const std::unique_ptr<PanelDocument> document = load(file);
    if (!document)
        return BadInput;
    const QByteArray image = compiled(document.get());
    if (image.size() > PanelCommand::ProgramMemory) {
        printError(tr("the program takes %1 bytes, more than the %2 bytes of the panel's program memory; "
                      "nothing was written")
                       .arg(image.size())
                       .arg(PanelCommand::ProgramMemory));
        return BadInput;
    }
    CRC_CCITT crc;
    crc.add(reinterpret_cast<const uint8_t*>(image.constData()), image.size());

    PortFleet::Job job;
    job.tool = QStringLiteral("kamdel");
    job.program = QCoreApplication::applicationFilePath();
    job.arguments = QStringList { QStringLiteral("write"), file };
    job.model = document->panelModel();
    job.file = QFileInfo(file).absoluteFilePath();
    job.crc = QStringLiteral("0x%1")
                  .arg(crc.crc(), 4, 16, QLatin1Char('0'))
                  .toUpper()
                  .replace(QLatin1String("0X"), QLatin1String("0x"));
    job.bytes = image.size();
    job.logPath = logPath;
    PortFleet fleet(job, m_out, m_err);
    return fleet.runAll(ports);
}
