#include "ManyPorts.h"

#include "Fleet/FlashRun.h"
#include "Fleet/PortFleet.h"
#include "Helper/FirmwareFile.h"
#include "Helper/UnitLog.h"
#include "MspFlasher/MspFlasher.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>

#include <cstdio>

namespace {

void printLine(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

} // namespace

ManyPorts::ManyPorts(QObject* parent)
    : QObject(parent)
{
}

ManyPorts::~ManyPorts() = default;

void ManyPorts::cancel()
{
    m_Canceled = true;
    if (m_pFleet)
        m_pFleet->cancel();
}

int ManyPorts::run(const QString& model, const QStringList& ports, int baudRate, const QString& firmware,
    const QString& logPath)
{
    const int prepared = prepare(model, baudRate, firmware, logPath);
    return prepared == FlashRun::Succeeded ? m_pFleet->runAll(ports) : prepared;
}

int ManyPorts::prepare(const QString& model, int baudRate, const QString& firmware, const QString& logPath)
{
    PortFleet::Job job;
    if (!checkedCopy(model, firmware, &job))
        return FlashRun::FileRefused;
    // A log that cannot take the units' lines is refused before any port is touched.
    UnitLog log(logPath);
    if (!logPath.isEmpty() && !log.check()) {
        std::fprintf(stderr, "romwright: %s\n", qPrintable(log.errorString()));
        return FlashRun::PortFailed;
    }

    job.tool = QStringLiteral("romwright");
    job.program = QCoreApplication::applicationFilePath();
    job.arguments = PortFleet::flashArguments(
        model, baudRate, m_WriteVectorArea, m_pCopyDir->filePath(QStringLiteral("firmware")));
    job.model = model;
    job.file = QFileInfo(firmware).absoluteFilePath();
    job.logPath = logPath;
    m_pFleet = std::make_unique<PortFleet>(job);
    if (m_Canceled)
        m_pFleet->cancel();
    return FlashRun::Succeeded;
}

bool ManyPorts::checkedCopy(const QString& model, const QString& firmware, PortFleet::Job* job)
{
    QSerialPort unused;
    const std::unique_ptr<MspFlasher> flasher(MspFlasher::crate(model, &unused));
    FlashRun check(flasher.get(), &unused);
    connect(&check, &FlashRun::report, this, &printLine);

    // Every port gets the very bytes that were checked, even if the file
    // changes while they are written.
    m_pCopyDir = std::make_unique<QTemporaryDir>();
    const QString copy = m_pCopyDir->filePath(QStringLiteral("firmware"));
    QByteArray content;
    QString readError;
    // Read as a single run reads it: never a pipe or a device, never unbounded.
    if (!FirmwareFile::read(firmware, &content, &readError)) {
        printLine(readError);
        return false;
    }
    m_FileSize = content.size();
    m_Sha256 = QCryptographicHash::hash(content, QCryptographicHash::Sha256);
    QFile target(copy);
    const bool copied = m_pCopyDir->isValid() && target.open(QIODevice::WriteOnly)
        && target.write(content) == content.size() && target.flush();
    target.close();
    if (!copied) {
        std::fprintf(stderr, "romwright: cannot copy %s for the ports\n", qPrintable(firmware));
        return false;
    }
    if (m_WriteVectorArea)
        check.setVectorAreaConfirmation([](const QString&) { return true; });
    if (!check.loadImage(copy)) {
        if (check.vectorAreaRefused())
            std::fputs("romwright: give --write-vector-area to write them all the same\n", stderr);
        return false;
    }

    job->crc = MspFlasher::addressText(flasher->applicationChecksum());
    for (const sMemory& segment : flasher->memoryData())
        job->bytes += segment.data.size();
    return true;
}
