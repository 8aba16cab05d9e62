#include "PortFleet.h"

#include "Helper/PortIdentity.h"
#include "Helper/UnitLog.h"
#include "PortUnit.h"
#include "UnitReporter.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

PortFleet::PortFleet(const Job& job, std::FILE* out, std::FILE* err, QObject* parent)
    : QObject(parent)
    , m_Job(job)
    , m_Out(out)
    , m_Err(err)
    , m_Board(err)
{
    if (!job.logPath.isEmpty())
        m_pLog = std::make_unique<UnitLog>(job.logPath);
}

PortFleet::~PortFleet() = default;

QStringList PortFleet::labels(const QStringList& ports)
{
    QStringList fileNames;
    for (const QString& port : ports)
        fileNames << QFileInfo(port).fileName();
    QStringList names;
    for (int i = 0; i < ports.size(); ++i)
        names << (fileNames.count(fileNames.at(i)) > 1 || fileNames.at(i).isEmpty() ? ports.at(i)
                                                                                    : fileNames.at(i));
    return names;
}

bool PortFleet::collectPorts(
    const QStringList& single, const QStringList& lists, QStringList* ports, QString* problem)
{
    ports->clear();
    QStringList all = single;
    for (const QString& list : lists)
        all += list.split(QLatin1Char(','));
    for (const QString& port : qAsConst(all)) {
        const QString name = port.trimmed();
        if (name.isEmpty()) {
            *problem = tr("empty port name");
            return false;
        }
        if (ports->contains(name)) {
            *problem = tr("port %1 named twice").arg(name);
            return false;
        }
        *ports << name;
    }
    // Two names of one device would have two processes talk to one board.
    QString first;
    QString second;
    if (PortIdentity::allDistinct(*ports, &first, &second))
        return true;
    *problem = tr("ports %1 and %2 are the same device").arg(first, second);
    return false;
}

QString PortFleet::serialNumberOf(const QString& port)
{
    // By name, by device path, or through a link such as /dev/serial/by-id/...
    const QString device = QFileInfo(PortIdentity::systemLocation(port)).canonicalFilePath();
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos) {
        if (info.portName() == port || info.systemLocation() == port
            || (!device.isEmpty() && info.systemLocation() == device))
            return info.serialNumber();
    }
    return QString();
}

int PortFleet::exitStatus(const QList<UnitRecord>& records)
{
    auto any = [&records](int outcome) {
        return std::any_of(records.cbegin(), records.cend(),
            [outcome](const UnitRecord& record) { return record.outcome == outcome; });
    };
    if (any(1))
        return 1;
    if (any(3))
        return 3;
    if (any(4))
        return 4;
    return 0;
}

QStringList PortFleet::flashArguments(
    const QString& model, int baudRate, bool writeVectorArea, const QString& firmware)
{
    QStringList arguments { QStringLiteral("--model"), model, QStringLiteral("--baud"),
        QString::number(baudRate), firmware };
    if (writeVectorArea)
        arguments.prepend(QStringLiteral("--write-vector-area"));
    return arguments;
}

QStringList PortFleet::unitArguments(const QStringList& arguments, const QString& port)
{
    return QStringList(arguments) << QStringLiteral("--port") << port
                                  << QStringLiteral("--%1").arg(QLatin1String(UnitReporter::Option));
}

qint64 PortFleet::bytesWritten(const PortUnit& unit, qint64 total)
{
    if (unit.outcome() == 0)
        return total;
    if (unit.bytes() >= 0)
        return std::min(unit.bytes(), total);
    return total * std::clamp(unit.percent(), 0, 100) / 100;
}

QString PortFleet::summaryLine(const UnitRecord& record, const QString& label)
{
    const double rate = record.seconds > 0 ? record.bytes / record.seconds : 0;
    return QStringLiteral("%1: %2, %3 s, %4 bytes/s")
        .arg(label, record.result, QString::number(record.seconds, 'f', 2), QString::number(qRound64(rate)));
}

QString PortFleet::totalsLine(const QList<UnitRecord>& records)
{
    const auto passed = std::count_if(
        records.cbegin(), records.cend(), [](const UnitRecord& record) { return record.outcome == 0; });
    return tr("%n unit(s): %1 passed, %2 failed", "", records.size())
        .arg(QString::number(passed), QString::number(records.size() - passed));
}

void PortFleet::print(const QString& line)
{
    m_Board.printAbove(m_Out, line);
}

void PortFleet::start(const QString& port, const QString& label)
{
    auto unit = std::make_unique<PortUnit>(port, label);
    PortUnit* raw = unit.get();
    const QString prefix = QStringLiteral("[%1] ").arg(label);
    connect(raw, &PortUnit::report, this, [this, prefix](const QString& line) {
        if (m_ShowReports)
            print(prefix + line);
    });
    connect(raw, &PortUnit::problem, this,
        [this, prefix](const QString& line) { m_Board.printAbove(m_Err, prefix + line); });
    connect(raw, &PortUnit::progress, this, [this, raw, prefix](int percent) {
        m_Board.setLine(raw->label(), prefix + ProgressBoard::bar(percent));
    });
    connect(raw, &PortUnit::finished, this, [this, raw] { unitEnded(raw); });
    m_Units.push_back(std::move(unit));
    m_Board.setLine(label, prefix + ProgressBoard::bar(0));
    raw->start(m_Job.program, unitArguments(m_Job.arguments, port));
    if (m_Canceled)
        raw->cancel();
}

void PortFleet::cancel()
{
    m_Canceled = true;
    for (const auto& unit : m_Units) {
        if (unit->isRunning())
            unit->cancel();
    }
}

int PortFleet::running() const
{
    return int(std::count_if(m_Units.cbegin(), m_Units.cend(),
        [](const std::unique_ptr<PortUnit>& unit) { return unit->isRunning(); }));
}

void PortFleet::unitEnded(PortUnit* unit)
{
    m_Board.removeLine(unit->label());
    UnitRecord record;
    record.time = QDateTime::currentDateTime();
    record.tool = m_Job.tool;
    record.port = unit->port();
    record.serial = serialNumberOf(unit->port());
    record.model = m_Job.model;
    record.file = m_Job.file;
    record.crc = m_Job.crc;
    record.result = unit->result();
    record.outcome = unit->outcome();
    record.seconds = unit->seconds();
    record.bytes = bytesWritten(*unit, m_Job.bytes);
    if (m_pLog && !m_pLog->append(record)) {
        m_Board.printAbove(m_Err, QStringLiteral("%1: %2").arg(m_Job.tool, m_pLog->errorString()));
        // A unit without its record cannot pass: the run must say a record was lost.
        record.outcome = 1;
        record.result = QStringLiteral("failed: %1").arg(m_pLog->errorString());
    }
    m_Records << record;
    emit unitFinished(record, unit->label());
}

int PortFleet::runAll(const QStringList& ports)
{
    const QStringList names = labels(ports);
    QEventLoop loop;
    connect(this, &PortFleet::unitFinished, &loop, [this, &loop] {
        if (running() == 0)
            loop.quit();
    });
    for (int i = 0; i < ports.size(); ++i)
        start(ports.at(i), names.at(i));
    if (running() > 0)
        loop.exec();
    m_Board.finish();
    // In the order the ports were given, whatever order they ended in.
    for (int i = 0; i < ports.size(); ++i) {
        for (const UnitRecord& record : qAsConst(m_Records)) {
            if (record.port == ports.at(i))
                print(summaryLine(record, names.at(i)));
        }
    }
    // Below the summary, on the terminal with the progress lines it ends.
    m_Board.printAbove(m_Err, totalsLine(m_Records));
    return exitStatus(m_Records);
}
