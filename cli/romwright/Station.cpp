#include "Station.h"

#include "Fleet/FlashRun.h"
#include "Fleet/PortFleet.h"

#include <QEventLoop>
#include <QFileInfo>

#include <cstdio>

namespace {
const QString TallyKey = QStringLiteral("\x01tally");
} // namespace

Station::Station(QObject* parent)
    : QObject(parent)
{
    connect(&m_Watch, &PortWatch::appeared, this, &Station::start);
    connect(&m_Watch, &PortWatch::skipped, this, [this](const QString& port, const QString& twin) {
        // Two links to one board: it is flashed once, through the first.
        m_Ports.fleet()->board().printAbove(stderr, PortWatch::skipText(port, twin));
    });
}

Station::~Station() = default;

QStringList Station::defaultGlobs()
{
    return { QStringLiteral("/dev/ttyUSB*"), QStringLiteral("/dev/ttyACM*") };
}

void Station::start(const QString& port)
{
    m_Running.insert(port);
    m_Ports.fleet()->start(port, QFileInfo(port).fileName());
    showTally();
    if (m_Options.once) {
        m_Stopping = true;
        m_Watch.stop();
    }
}

void Station::unitFinished(const UnitRecord& record, const QString& label)
{
    m_Running.remove(record.port);
    m_Watch.release(record.port);
    if (record.outcome == FlashRun::Succeeded)
        ++m_Flashed;
    else if (record.outcome == FlashRun::Canceled)
        ++m_Canceled;
    else
        ++m_Failed;
    m_Ports.fleet()->board().printAbove(stdout, PortFleet::summaryLine(record, label));
    showTally();
    finishIfDone();
}

// What the station writes, for the technician to compare with the release
// before the first board goes in.
void Station::showBanner(const QString& logPath)
{
    const PortFleet::Job& job = m_Ports.fleet()->job();
    const QStringList lines { tr("Firmware: %1").arg(job.file),
        tr("Size: %n byte(s), checksum %1", "", int(m_Ports.fileSize())).arg(job.crc),
        tr("SHA-256: %1").arg(QString::fromLatin1(m_Ports.sha256().toHex())), tr("Model: %1").arg(job.model),
        tr("Watching: %1").arg(m_Options.globs.join(QStringLiteral(", "))),
        tr("Log: %1").arg(logPath.isEmpty() ? tr("none") : QFileInfo(logPath).absoluteFilePath()) };
    for (const QString& line : lines)
        std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

QString Station::stoppingText()
{
    return tr("romwright: no new units; the running ones finish (Ctrl+C again cancels them)");
}

void Station::showTally()
{
    const QString tally
        = tr("flashed %1, failed %2, in progress %3").arg(m_Flashed).arg(m_Failed).arg(m_Running.size());
    ProgressBoard& board = m_Ports.fleet()->board();
    if (board.isShown()) {
        board.setLine(TallyKey, tally, true);
    } else if (tally != m_LastTally) {
        std::fprintf(stderr, "%s\n", qPrintable(tally));
        std::fflush(stderr);
    }
    m_LastTally = tally;
}

void Station::finishIfDone()
{
    if (m_Stopping && m_Running.isEmpty() && m_pLoop)
        m_pLoop->quit();
}

void Station::interrupt()
{
    ++m_Interrupts;
    m_Stopping = true;
    m_Watch.stop();
    if (m_Interrupts >= 2) {
        m_Ports.cancel();
    } else if (!m_Running.isEmpty()) {
        m_Ports.fleet()->board().printAbove(stderr, stoppingText());
    }
    finishIfDone();
}

int Station::run(const QString& model, int baudRate, const QString& firmware, const QString& logPath,
    const Options& options)
{
    m_Options = options;
    if (m_Options.globs.isEmpty())
        m_Options.globs = defaultGlobs();
    m_Ports.setWriteVectorArea(options.writeVectorArea);
    const int prepared = m_Ports.prepare(model, baudRate, firmware, logPath);
    if (prepared != FlashRun::Succeeded)
        return prepared;
    showBanner(logPath);
    PortFleet* fleet = m_Ports.fleet();
    fleet->setShowReports(false);
    connect(fleet, &PortFleet::unitFinished, this, &Station::unitFinished);
    QEventLoop loop;
    m_pLoop = &loop;
    showTally();
    if (!m_Stopping) {
        m_Watch.start(m_Options.globs, m_Options.skipPresent);
        finishIfDone();
        if (!m_Stopping || !m_Running.isEmpty())
            loop.exec();
    }
    m_Watch.stop();
    m_pLoop = nullptr;
    fleet->board().finish();
    fleet->board().printAbove(stderr, PortFleet::totalsLine(fleet->records()));
    if (m_Failed > 0)
        return FlashRun::DeviceFailed;
    return m_Canceled > 0 ? FlashRun::Canceled : FlashRun::Succeeded;
}
