#include "ManyPorts.h"

#include "Fleet/FlashRun.h"
#include "Fleet/PortFleet.h"
#include "Helper/FirmwareFile.h"
#include "MspFlasher/MspFlasher.h"

#include <QCoreApplication>
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
    if (!prepare(model, baudRate, firmware, logPath))
        return FlashRun::FileRefused;
    return m_pFleet->runAll(ports);
}

bool ManyPorts::prepare(const QString& model, int baudRate, const QString& firmware, const QString& logPath)
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

    PortFleet::Job job;
    job.tool = QStringLiteral("romwright");
    job.program = QCoreApplication::applicationFilePath();
    job.arguments = QStringList { QStringLiteral("--model"), model, QStringLiteral("--baud"),
        QString::number(baudRate), copy };
    if (m_WriteVectorArea)
        job.arguments.prepend(QStringLiteral("--write-vector-area"));
    job.model = model;
    job.file = QFileInfo(firmware).absoluteFilePath();
    job.crc = MspFlasher::addressText(flasher->applicationChecksum());
    for (const sMemory& segment : flasher->memoryData())
        job.bytes += segment.data.size();
    job.logPath = logPath;
    m_pFleet = std::make_unique<PortFleet>(job);
    if (m_Canceled)
        m_pFleet->cancel();
    return true;
}
