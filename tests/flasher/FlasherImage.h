#pragma once

#include "MspFlasher/sMemory.h"
#include "TestCrc.h"

#include <QCryptographicHash>
#include <QList>
#include <QMetaType>
#include <QString>

// One row of the model table as the tests expect it.
struct ModelRow
{
    QString name;
    bool large;
    quint32 crcAddr;
    quint32 start;
    quint32 end;
    quint32 start2;
    quint32 end2;
};
Q_DECLARE_METATYPE(ModelRow)
Q_DECLARE_METATYPE(sMemory)

inline QList<ModelRow> modelTable()
{
    return {
        { QStringLiteral("Kamdel"), true, 0x4000, 0x6000, 0xF7FF, 0x10000, 0x23FF7 },
        { QStringLiteral("MSP430FR2512"), false, 0xE300, 0xE303, 0xF7FF, 0, 0 },
        { QStringLiteral("MSP430FR5729"), false, 0xC200, 0xC203, 0xF7FF, 0, 0 },
        { QStringLiteral("MSP430FR5992"), true, 0x4000, 0x4003, 0xF7FF, 0x10000, 0x23FF7 },
        { QStringLiteral("MSP430FR5994"), true, 0x4000, 0x4003, 0xF7FF, 0x10000, 0x43FF7 },
    };
}

inline QByteArray patterned(int size, int seed)
{
    QByteArray data(size, Qt::Uninitialized);
    quint32 state = 0x9E3779B9u * quint32(seed + 1);
    for (char& c : data) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<char>(state >> 24);
    }
    return data;
}

inline QString toTiTxt(const QList<sMemory>& segments)
{
    QString text;
    for (const sMemory& segment : segments) {
        text += QStringLiteral("@%1\n").arg(segment.address, 4, 16, QLatin1Char('0')).toUpper();
        for (int i = 0; i < segment.data.size(); i += 16) {
            const QByteArray line = segment.data.mid(i, 16);
            text += QString::fromLatin1(line.toHex(' ').toUpper()) + QLatin1Char('\n');
        }
    }
    return text + QStringLiteral("q\n");
}

// The bytes of [first, last] after erasing and writing the segments in order.
inline QByteArray areaAfterWrite(const QList<sMemory>& segments, quint32 first, quint32 last)
{
    QByteArray area(int(last - first + 1), '\xFF');
    for (const sMemory& segment : segments) {
        for (int i = 0; i < segment.data.size(); ++i) {
            const quint32 at = segment.address + quint32(i);
            if (at >= first && at <= last)
                area[int(at - first)] = segment.data.at(i);
        }
    }
    return area;
}

inline uint16_t expectedChecksum(const ModelRow& row, const QList<sMemory>& segments)
{
    uint16_t crc = testCrc16(areaAfterWrite(segments, row.start, row.end));
    if (row.large)
        crc = testCrc16(areaAfterWrite(segments, row.start2, row.end2), crc);
    return crc;
}

// SHA-256 of the target's writable area (checksum address to the end of the
// first range, then the second range) as it must look after a complete run.
inline QString expectedDigest(const ModelRow& row, const QList<sMemory>& segments)
{
    QByteArray first = areaAfterWrite(segments, row.crcAddr, row.end);
    const uint16_t crc = expectedChecksum(row, segments);
    first[0] = static_cast<char>(crc & 0xFF);
    first[1] = static_cast<char>(crc >> 8);
    if (row.large)
        first += areaAfterWrite(segments, row.start2, row.end2);
    return QString::fromLatin1(QCryptographicHash::hash(first, QCryptographicHash::Sha256).toHex());
}

// SHA-256 of 0xF800-0xFFFF, where the boot loader keeps the interrupt vectors,
// after the target erased it and the image's bytes there were written.
inline QString expectedVectorDigest(const QList<sMemory>& segments)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(areaAfterWrite(segments, 0xF800, 0xFFFF), QCryptographicHash::Sha256)
            .toHex());
}

// An image with a reset vector and a few more vectors at the top of the
// vector area, beside a small application.
inline QList<sMemory> imageWithVectors(const ModelRow& row)
{
    return { { row.start, patterned(64, 21) }, { 0xFFE0, patterned(32, 22) } };
}
