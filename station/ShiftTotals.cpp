#include "ShiftTotals.h"

#include "Helper/UnitLog.h"
#include "Helper/UnitRecord.h"
#include "model/Counts.h"

#include <QDir>
#include <QFileInfo>

ShiftTotals::ShiftTotals(const QDateTime& start)
    : m_Start(start)
{
}

void ShiftTotals::add(const UnitRecord& record)
{
    if (record.outcome == 0)
        ++m_Passed;
    else
        ++m_Failed;
}

void ShiftTotals::reset(const QDateTime& start)
{
    *this = ShiftTotals(start);
}

double ShiftTotals::yield() const
{
    const int units = m_Passed + m_Failed;
    return units == 0 ? 0.0 : 100.0 * m_Passed / units;
}

double ShiftTotals::unitsPerHour(const QDateTime& now) const
{
    const qint64 seconds = m_Start.secsTo(now);
    return seconds <= 0 ? 0.0 : (m_Passed + m_Failed) * 3600.0 / double(seconds);
}

QString ShiftTotals::summary(const QDateTime& now) const
{
    return tr("%1: %2 passed, %3 failed, yield %4 %, %5 units/h")
        .arg(Counts::units(m_Passed + m_Failed))
        .arg(m_Passed)
        .arg(m_Failed)
        .arg(yield(), 0, 'f', 1)
        .arg(unitsPerHour(now), 0, 'f', 1);
}

bool ShiftTotals::appendTo(const QString& shiftFile, const QDateTime& end, const QString& station,
    const QString& operatorName, const QString& recipe, QString* error) const
{
    UnitLog file(shiftFile,
        QByteArrayLiteral("start,end,station,operator,recipe,passed,failed,yield,units_per_hour\n"));
    const QStringList cells { UnitLog::timeText(m_Start), UnitLog::timeText(end), station, operatorName,
        recipe, QString::number(m_Passed), QString::number(m_Failed), QString::number(yield(), 'f', 1),
        QString::number(unitsPerHour(end), 'f', 1) };
    if (file.appendLine(UnitLog::csvLine(cells)))
        return true;
    *error = file.errorString();
    return false;
}

QString ShiftTotals::shiftFileOf(const QString& logPath)
{
    const QFileInfo log(logPath);
    return log.dir().filePath(log.completeBaseName() + QStringLiteral("-shifts.csv"));
}
