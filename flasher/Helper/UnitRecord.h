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
};
