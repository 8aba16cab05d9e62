#pragma once

#include "romwright_export.h"

#include <QObject>
#include <QString>

#include <cstdio>

class FlashRun;
class MspFlasher;
class QSerialPort;

// The side of a program that runs one port for a parent flashing several:
// report lines, progress and the reason of a failure go to standard output
// as tagged lines ("report Erase device.", "progress 42", "reason ...") for
// the parent to prefix with the port and sum up; at the end "bytes N", what
// the device took.
class ROMWRIGHT_EXPORT UnitReporter : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* Option = "unit-report";

    explicit UnitReporter(std::FILE* out, QObject* parent = nullptr);
    ~UnitReporter() override;

    // Follows a flashing run; its reason is known when the run has ended.
    void watch(FlashRun* run, MspFlasher* flasher, QSerialPort* port);
    // The outcome's reason line, when there is one to give.
    void finish(int outcome);

    void report(const QString& line);
    void progress(int percent);
    void reason(const QString& text);

    // Leaves the terminal's process group, so that Ctrl+C reaches the parent
    // alone and each unit is canceled once, through it; and ends with the
    // parent, so that no unit goes on writing to a port nobody watches.
    static void becomeUnit();

private:
    void tagged(const char* tag, const QString& text);

    qint64 bytesTaken() const;

    std::FILE* m_Out;
    QSerialPort* m_pSerialPort = nullptr;
    MspFlasher* m_pMspFlasher = nullptr;
    // Progress is told once as the write begins, then after every block the device took.
    int m_ProgressSignals = 0;
    QString m_LastLine;
    QString m_PreviousLine;
    QString m_BeforeClose;
    QString m_EngineError;
    QString m_FailedStep;
    bool m_StepFollows = false;
    int m_Percent = -1;
};
