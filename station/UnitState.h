#pragma once

#include <QDateTime>
#include <QString>

// Where one unit on one port of the station stands, as its tile shows it.
struct UnitState
{
    enum class Step
    {
        Waiting, // no unit on the port, or a unit waiting for its serial number
        Firmware,
        Test, // the test program is written and shown; the verdict is asked
        Program,
        Passed,
        Failed,
    };

    QString port;
    // The port's short name, "ttyUSB0".
    QString label;
    // The unit's serial number as entered or scanned; empty when none.
    QString serial;
    Step step = Step::Waiting;
    // Within Firmware, Program and the test program's write; -1 when unknown.
    int percent = -1;
    // Failed only: "Unplugged during firmware (63 %)", "No answer during program".
    QString reason;
    // When the current step began.
    QDateTime since;
    // The unit waits for its serial number before it starts.
    bool serialWanted = false;
    // The test pattern is shown and the operator's verdict is asked.
    bool verdictWanted = false;
};
