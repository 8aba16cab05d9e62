#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

struct UnitRecord;

// What a shift has made so far: units passed and failed, the yield and the
// pace since the shift began. A shift's totals end as one line of the shift
// file, a CSV beside the unit log.
class ShiftTotals
{
    Q_DECLARE_TR_FUNCTIONS(ShiftTotals)

public:
    explicit ShiftTotals(const QDateTime& start = QDateTime::currentDateTime());

    // A unit that did not end well (canceled included) counts as failed: it
    // left the station without its program.
    void add(const UnitRecord& record);
    // A new shift beginning at `start`, with nothing made yet.
    void reset(const QDateTime& start = QDateTime::currentDateTime());

    QDateTime start() const { return m_Start; }
    int passed() const { return m_Passed; }
    int failed() const { return m_Failed; }
    // Passed units in percent of all, 0 before the first unit.
    double yield() const;
    double unitsPerHour(const QDateTime& now) const;
    // "13 units: 12 passed, 1 failed, yield 92.3 %, 40.0 units/h"
    QString summary(const QDateTime& now = QDateTime::currentDateTime()) const;

    // Appends the shift as one line, the file made with its header when new;
    // false with the reason in `error`.
    bool appendTo(const QString& shiftFile, const QDateTime& end, const QString& station,
        const QString& operatorName, const QString& recipe, QString* error) const;
    // "<log base name>-shifts.csv" in the log's folder.
    static QString shiftFileOf(const QString& logPath);

private:
    QDateTime m_Start;
    int m_Passed = 0;
    int m_Failed = 0;
};
