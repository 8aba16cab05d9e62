#pragma once

#include "UnitRecord.h"
#include "romwright_export.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The production log: one CSV line per unit, appended when the unit ends and
// never rewritten, so that a crash or a pulled plug loses at most the units
// still running. Several programs may append to one file at once: each line
// goes out in a single write on a descriptor opened for appending, and a new
// file appears with its header already in it. A log begun by an older
// version keeps its ten columns: lines for it leave out the station's.
class ROMWRIGHT_EXPORT UnitLog
{
public:
    explicit UnitLog(const QString& path);
    // Another CSV file kept the same way, with its own header line.
    UnitLog(const QString& path, const QByteArray& header);

    // Whether the log can take lines: a regular file that can be appended
    // to, created with its header when new; false with errorString().
    bool check();
    // Appends the record and flushes it to the disk; false with errorString()
    // and nothing of the line left in the file.
    bool append(const UnitRecord& record);
    // The same for any line of the file's own columns.
    bool appendLine(const QByteArray& line);
    QString errorString() const { return m_Error; }
    QString path() const { return m_Path; }
    // Whether the file has the station's columns; valid after check().
    bool hasStationColumns() const { return m_StationColumns; }

    static QByteArray header();
    static QByteArray line(const UnitRecord& record, bool stationColumns = true);
    // One CSV line of these cells, quoted as the log quotes them.
    static QByteArray csvLine(const QStringList& cells);
    // The first line of the log at `path` (without its line break) of the
    // unit `unit` that passed every step; empty when there is none, or when
    // there is no log; a log that cannot be read also sets `error`.
    static QString passedLine(const QString& path, const QString& unit, QString* error);
    // "2026-12-07T18:30:05+01:00"
    static QString timeText(const QDateTime& time);

private:
    // A descriptor to append to, or -1 with m_Error.
    int open();
    int notRegular();
    bool createWithHeader();
    // Writes, flushes and closes; false with m_Error.
    bool writeLine(int descriptor, const QByteArray& line);
    bool fail(const QString& what);
    // Whether the file's first line is not the older header.
    bool readsStationColumns() const;

    QString m_Path;
    QByteArray m_Header;
    QString m_Error;
    bool m_StationColumns = true;
};
