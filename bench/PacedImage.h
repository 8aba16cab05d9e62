#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

// 64 KiB in the Kamdel board's memory, flashed into the virtual boot-loader
// target paced at 57,600 baud, and the time the line allows for it.
class PacedImage
{
public:
    static constexpr int Baud = 57600;

    // Writes the image as a TI-TXT file into the folder; empty if it could not.
    static QString write(const QTemporaryDir& dir)
    {
        const QString path = dir.filePath(QStringLiteral("app.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text()) < 0)
            return QString();
        return path;
    }

    // The seconds the writes take on the wire: 25 bytes per 16-byte block
    // (24 sent, 1 answer), and the checksum word as one more, shorter request.
    static double wireSeconds()
    {
        constexpr int BitsPerByte = 10;
        constexpr int BlockWireBytes = 25;
        const int blocks = 65536 / 16;
        return double(blocks * BlockWireBytes + 2 + 8 + 1) * BitsPerByte / Baud;
    }

private:
    // All of the first range above the checksum's area and the start of the
    // second one.
    static QByteArray text()
    {
        struct Run
        {
            uint32_t address;
            int size;
        };
        const Run runs[] = { { 0x6000, 0xF800 - 0x6000 }, { 0x10000, 65536 - (0xF800 - 0x6000) } };
        QByteArray text;
        quint32 state = 12345;
        for (const Run& run : runs) {
            text += QByteArray("@") + QByteArray::number(run.address, 16).toUpper() + '\n';
            for (int i = 0; i < run.size; ++i) {
                state = state * 1664525u + 1013904223u;
                text += QByteArray::number((state >> 24) | 0x100, 16).mid(1).toUpper();
                text += (i % 16 == 15) ? '\n' : ' ';
            }
        }
        return text + "\nq\n";
    }
};
