#pragma once

#include "Helper/PortIdentity.h"
#include "Helper/UnitRecord.h"
#include "UnitState.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSerialPort>
#include <QTimer>

class PortUnit;

// One unit on one port of a station: the firmware, then, when asked for, the
// test pattern shown until the operator's verdict, then the light program;
// each write in a child process of its own. Ends in exactly one record.
class UnitSequence : public QObject
{
    Q_OBJECT

public:
    // What every unit of a station shares.
    struct Setup
    {
        // The files written: the station's private copies.
        QString firmware;
        QString program;
        // Empty when the panels are not tested.
        QString testDocument;
        QString controller;
        int baud = 57600;
        bool writeVectorArea = false;
        QString romwright;
        QString kamdel;
        // The fields every record carries.
        UnitRecord record;
        qint64 firmwareBytes = 0;
    };

    UnitSequence(
        const Setup& setup, const QString& port, const PortIdentity& identity, QObject* parent = nullptr);
    ~UnitSequence() override;

    // Waits for start() with the unit's serial number.
    void askSerial();
    void start(const QString& serial);
    void setVerdict(bool pass);
    // The running write is canceled; the unit still ends with its record.
    void cancel();
    const UnitState& state() const { return m_State; }
    // The serial number may still change while the unit waits for it or runs.
    void setSerial(const QString& serial);

signals:
    void changed(const UnitState& state);
    void finished(const UnitRecord& record);

private:
    void enter(UnitState::Step step);
    void runChild(const QString& program, const QStringList& arguments);
    void childEnded();
    void writeTestPattern();
    void showPattern();
    void nextFrame();
    void stopPattern();
    // A failure in English for the log and in the user's language for the tile.
    struct Failure
    {
        QString logged;
        QString shown;
    };
    // `pattern` (marked for translation) filled with the step's name and `more`.
    Failure failure(const char* pattern, const QStringList& more = {}) const;
    void fail(const Failure& reason, int outcome = 1);
    void finish(const QString& result, int outcome);
    QString stepName(bool translated = false) const;
    bool unplugged() const;
    Failure failureOf(const QString& reason, int percent) const;

    const Setup& m_Setup;
    PortIdentity m_Identity;
    UnitState m_State;
    QPointer<PortUnit> m_pChild;
    QSerialPort m_Panel;
    QTimer m_Frames;
    int m_Frame = 0;
    QElapsedTimer m_Clock;
    qint64 m_Bytes = 0;
    QString m_Test = QStringLiteral("skipped");
    bool m_Canceled = false;
    bool m_Ended = false;
};
