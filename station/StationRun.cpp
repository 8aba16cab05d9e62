#include "StationRun.h"

#include "Fleet/FlashRun.h"
#include "Helper/PortOrder.h"
#include "Helper/UnitLog.h"
#include "MspFlasher/MspFlasher.h"
#include "RecipeCheck.h"
#include "TestPattern.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSerialPort>
#include <QStandardPaths>
#include <QSysInfo>

#include <algorithm>

StationRun::StationRun(const Recipe& recipe, const Options& options, QObject* parent)
    : QObject(parent)
    , m_Recipe(recipe)
    , m_Options(options)
{
    connect(&m_Watch, &PortWatch::appeared, this, &StationRun::portAppeared);
    connect(&m_Watch, &PortWatch::skipped, this,
        [this](const QString& port, const QString& twin) { emit message(PortWatch::skipText(port, twin)); });
}

StationRun::~StationRun() = default;

QString StationRun::sibling(const QString& name)
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    if (QFileInfo(beside).isExecutable())
        return beside;
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? name : found;
}

bool StationRun::start(QString* error)
{
    *error = RecipeCheck::problem(m_Recipe);
    if (!error->isEmpty() || !copyFiles(error) || !readFirmware(error))
        return false;
    if (m_Recipe.test && !m_Options.noTest) {
        m_Setup.testDocument = m_pFiles->filePath(QStringLiteral("test.xml"));
        if (!TestPattern::save(m_Setup.testDocument, m_Recipe.model, error))
            return false;
    }
    fillSetup();
    m_pLog = std::make_unique<UnitLog>(m_Recipe.log);
    m_Watch.start(m_Recipe.watch, false);
    return true;
}

// Each file in a folder of its own, under its own name, which the log and
// the messages keep showing.
bool StationRun::copyFiles(QString* error)
{
    m_pFiles = std::make_unique<QTemporaryDir>();
    const QDir dir(m_pFiles->path());
    for (auto [folder, file] : { std::pair(QStringLiteral("firmware"), &m_Setup.firmware),
             std::pair(QStringLiteral("program"), &m_Setup.program) }) {
        const QString& original = folder == QLatin1String("firmware") ? m_Recipe.firmware : m_Recipe.program;
        *file = dir.filePath(folder + QLatin1Char('/') + QFileInfo(original).fileName());
        if (!m_pFiles->isValid() || !dir.mkpath(folder) || !QFile::copy(original, *file)) {
            *error = tr("cannot copy %1 for the station").arg(original);
            return false;
        }
    }
    // The copies are what the units get: they must still be the recipe's files.
    Recipe copies = m_Recipe;
    copies.firmware = m_Setup.firmware;
    copies.program = m_Setup.program;
    *error = RecipeCheck::problem(copies);
    return error->isEmpty();
}

// The checksum and size of the image as romwright reads it, for the log.
bool StationRun::readFirmware(QString* error)
{
    QSerialPort unused;
    const std::unique_ptr<MspFlasher> flasher(MspFlasher::crate(m_Recipe.controller, &unused));
    FlashRun check(flasher.get(), &unused);
    check.setVectorAreaConfirmation([this](const QString&) { return m_Recipe.writeVectorArea; });
    if (!check.loadImage(m_Setup.firmware)) {
        *error = tr("firmware %1 cannot be read").arg(m_Recipe.firmware);
        return false;
    }
    m_Setup.record.crc = MspFlasher::addressText(flasher->applicationChecksum());
    for (const sMemory& segment : flasher->memoryData())
        m_Setup.firmwareBytes += segment.data.size();
    return true;
}

void StationRun::fillSetup()
{
    m_Setup.controller = m_Recipe.controller;
    m_Setup.baud = m_Recipe.baud;
    m_Setup.writeVectorArea = m_Recipe.writeVectorArea;
    m_Setup.romwright = sibling(QStringLiteral("romwright"));
    m_Setup.kamdel = sibling(QStringLiteral("kamdel"));
    UnitRecord& record = m_Setup.record;
    record.tool = QStringLiteral("station");
    record.model = m_Recipe.model;
    record.file = m_Recipe.firmware;
    record.station = m_Recipe.station.isEmpty() ? QSysInfo::machineHostName() : m_Recipe.station;
    record.operatorName = m_Options.operatorName;
    record.firmwareSha256 = m_Recipe.firmwareSha256;
    record.program = QFileInfo(m_Recipe.program).fileName();
    record.programCrc = Recipe::crcText(m_Recipe.programCrc);
}

void StationRun::portAppeared(const QString& port)
{
    auto unit = std::make_unique<UnitSequence>(m_Setup, port, m_Watch.identity(port));
    UnitSequence* raw = unit.get();
    connect(raw, &UnitSequence::changed, this, [this](const UnitState& state) {
        m_States.insert(state.port, state);
        emit unitChanged(state);
    });
    connect(raw, &UnitSequence::finished, this, &StationRun::unitEnded);
    m_Units[port] = std::move(unit);
    if (m_Options.once) {
        m_Stopping = true;
        m_Watch.stop();
    }
    if (m_Recipe.serialRequired)
        raw->askSerial();
    else
        raw->start(QString());
}

QString StationRun::serialProblem(const QString& port, const QString& serial) const
{
    if (serial.isEmpty())
        return m_Recipe.serialRequired ? tr("a serial number is required") : QString();
    QString error;
    const QString passed = UnitLog::passedLine(m_Recipe.log, serial, &error);
    if (!passed.isEmpty())
        return tr("%1 has passed before: %2").arg(serial, passed);
    if (!error.isEmpty())
        return tr("%1 cannot be looked up in the log: %2").arg(serial, error);
    for (const auto& [other, unit] : m_Units) {
        if (other != port && unit->state().serial == serial)
            return tr("%1 is in use on %2").arg(serial, unit->state().label);
    }
    return QString();
}

bool StationRun::setSerial(const QString& port, const QString& serial, QString* problem)
{
    const auto it = m_Units.find(port);
    *problem = it == m_Units.end() ? tr("no unit on %1").arg(port) : serialProblem(port, serial);
    if (!problem->isEmpty())
        return false;
    if (it->second->state().serialWanted)
        it->second->start(serial);
    else
        it->second->setSerial(serial);
    return true;
}

void StationRun::setVerdict(const QString& port, bool pass)
{
    const auto it = m_Units.find(port);
    if (it != m_Units.end())
        it->second->setVerdict(pass);
}

QList<UnitState> StationRun::units() const
{
    QList<UnitState> all = m_States.values();
    std::sort(all.begin(), all.end(),
        [](const UnitState& a, const UnitState& b) { return PortOrder::less(a.port, b.port); });
    return all;
}

void StationRun::stopWatching()
{
    m_Stopping = true;
    m_Watch.stop();
    checkIdle();
}

void StationRun::cancelAll()
{
    m_Stopping = true;
    m_Watch.stop();
    for (auto it = m_Units.begin(); it != m_Units.end();) {
        UnitSequence* unit = (it++)->second.get();
        // A unit still waiting for its number has had nothing done to it.
        if (unit->state().serialWanted) {
            const QString port = unit->state().port;
            m_States.remove(port);
            m_Watch.release(port);
            m_Units.erase(port);
        } else {
            unit->cancel();
        }
    }
    checkIdle();
}

void StationRun::unitEnded(const UnitRecord& ended)
{
    UnitRecord record = ended;
    if (!m_pLog->append(record)) {
        emit message(tr("%1: %2").arg(m_Recipe.log, m_pLog->errorString()));
        // A unit without its record cannot pass: the run must say a record was lost.
        record.outcome = 1;
        record.result = QStringLiteral("failed: %1").arg(m_pLog->errorString());
    }
    // The unit is deleted once its own signal has returned.
    m_Units.at(record.port).release()->deleteLater();
    m_Units.erase(record.port);
    m_Watch.release(record.port);
    emit unitFinished(record);
    checkIdle();
}

void StationRun::checkIdle()
{
    if (m_Stopping && m_Units.empty() && !m_Idle) {
        m_Idle = true;
        emit idle();
    }
}
