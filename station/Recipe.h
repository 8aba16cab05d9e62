#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What a production bench flashes and how: the panel model, the firmware and
// the light program with the digests they had when the recipe was made, and
// the station's settings. Stored as a small INI file; paths in the file are
// relative to its folder, in memory they are absolute.
class Recipe
{
    Q_DECLARE_TR_FUNCTIONS(Recipe)

public:
    QString model;
    // The microcontroller the firmware is written to, as romwright names it.
    QString controller = QStringLiteral("Kamdel");
    QString station;
    QString firmware;
    QString firmwareSha256;
    bool writeVectorArea = false;
    QString program;
    quint16 programCrc = 0;
    int baud = 57600;
    QStringList watch;
    QString log;
    bool test = false;
    bool serialRequired = false;

    // False with a one-sentence reason in `error`.
    bool read(const QString& path, QString* error);
    // Replaces the file only once the whole recipe is written.
    bool write(const QString& path, QString* error) const;

    bool operator==(const Recipe& other) const;
    bool operator!=(const Recipe& other) const { return !(*this == other); }

    // "0x1A2B", as the panel link shows a program's CRC.
    static QString crcText(quint16 crc);
};
