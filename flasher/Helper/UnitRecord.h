#pragma once

#include <QDateTime>
#include <QString>

// What became of one unit on one port: a line of the unit log and of a
// run's summary.
struct UnitRecord
{
    QDateTime time;
    QString tool;
    QString port;
    // The USB adapter's serial number, empty when the port has none.
    QString serial;
    QString model;
    QString file;
    // The application checksum of the image, "0x1D0F"; empty when there is none.
    QString crc;
    // "ok", "failed: REASON", "not opened: REASON" or "canceled".
    QString result;
    // The exit status a single run would have had: 0 ok, 1 failed, 3 not opened, 4 canceled.
    int outcome = 0;
    double seconds = 0;
    qint64 bytes = 0;

    // A production station's unit only; empty elsewhere.
    // The host name, or the station name its recipe gives.
    QString station;
    QString operatorName;
    // The unit's serial number as entered, not the adapter's.
    QString unit;
    // The step that failed ("firmware", "test", "program"), or "done".
    QString step;
    QString firmwareSha256;
    // The light program document's file name and the CRC of its image, "0x1A2B".
    QString program;
    QString programCrc;
    // "pass", "fail" or "skipped".
    QString test;
};
