#pragma once

#include "CsvRecords.h"
#include "RomwrightRun.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <vector>

using Fields = QMap<QString, QString>;

namespace {

// One simulated board on a pseudo-terminal, its link where the station looks.
struct Board
{
    Board(const QString& link, const QStringList& options)
    {
        process.start(KAMDEL_TOOLS_DIR "/virtualunit", QStringList(options) << "--headless" << link);
        while (!output.contains("ready ") && process.waitForReadyRead(10000))
            output += process.readAllStandardOutput();
    }
    ~Board() { finish(); }
    // Ends the board; its log: boot-loader requests, then the panel's lines.
    QString finish()
    {
        process.terminate();
        process.waitForFinished(5000);
        return output += process.readAllStandardOutput();
    }
    QProcess process;
    QString output;
};

// A station's folder: firmware, a one-frame program, a recipe made by romwright.
struct Bench
{
    explicit Bench(const QStringList& recipeOptions)
    {
        writeFile(dir, "app.txt", "@6000\n01 02 03 04 05 06 07 08\nq\n");
        writeFile(dir, "show.xml",
            "<LedPanelDocument version=\"1.0\"><Commands><Program index=\"0\"><LedStates><Led index=\"3\">"
            "<state>1</state></Led></LedStates><Stop/></Program></Commands></LedPanelDocument>");
        QDir(dir.path()).mkdir("ports");
        const QStringList files { "--firmware", dir.filePath("app.txt"), "--program",
            dir.filePath("show.xml"), "--log", dir.filePath("units.csv"), "--watch",
            dir.filePath("ports/tty*"), "-o", dir.filePath("a.ini") };
        made = romwright(QStringList { "recipe", "--model", "ZQ-RING-A", "--station", "Bench 9" } + files
                   + recipeOptions)
                   .exitCode
            == 0;
    }
    Board* plug(const QString& name, const QStringList& options = {})
    {
        boards.push_back(std::make_unique<Board>(dir.filePath("ports/" + name), options));
        return boards.back().get();
    }
    // The log's lines as column name to field; "#extra" counts fields beyond the header's.
    QList<Fields> log() const
    {
        QFile file(dir.filePath("units.csv"));
        const QList<QStringList> records
            = file.open(QIODevice::ReadOnly) ? parseCsv(file.readAll()) : QList<QStringList>();
        QList<Fields> rows;
        for (const QStringList& record : records.mid(1)) {
            Fields row { { "#extra", QString::number(record.size() - records.first().size()) } };
            for (int i = 0; i < record.size(); ++i)
                row.insert(records.first().value(i), record.at(i));
            rows << row;
        }
        return rows;
    }
    RomwrightResult station(const QByteArray& answers, const QStringList& options,
        const std::function<void(QProcess&, const QString&)>& whileRunning = {})
    {
        return romwright(
            QStringList { "station", "--recipe", dir.filePath("a.ini"), "--operator", "Ann" } + options,
            whileRunning, 0, KAMDEL_TOOLS_DIR "/romwright", writeFile(dir, "answers", answers));
    }

    QTemporaryDir dir;
    bool made = false;
    std::vector<std::unique_ptr<Board>> boards;
};

} // namespace
