#pragma once

#include "Fleet/PortWatch.h"
#include "Helper/UnitRecord.h"
#include "Recipe.h"
#include "UnitSequence.h"
#include "UnitState.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QTemporaryDir>

#include <map>
#include <memory>

class UnitLog;

// A production station at work on one recipe: watches its ports, runs a
// unit on each port that appears and logs every unit. The window and the
// command line both drive it; it asks nothing itself.
class StationRun : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString operatorName;
        bool noTest = false;
        // The first unit is the last.
        bool once = false;
    };

    StationRun(const Recipe& recipe, const Options& options, QObject* parent = nullptr);
    ~StationRun() override;

    // Checks the recipe, takes private copies of its files (one edited
    // mid-shift changes nothing) and starts watching; false with the reason.
    bool start(QString* error);
    // Why the serial number may not go on the port's unit; empty when it may.
    QString serialProblem(const QString& port, const QString& serial) const;
    bool setSerial(const QString& port, const QString& serial, QString* problem);
    void setVerdict(const QString& port, bool pass);
    // No new units; the running ones finish.
    void stopWatching();
    // The running units are canceled, each still logged.
    void cancelAll();
    int running() const { return int(m_Units.size()); }
    // One per port seen, in port order (ttyUSB2 before ttyUSB10).
    QList<UnitState> units() const;
    const Recipe& recipe() const { return m_Recipe; }

    // Where the station finds romwright and kamdel: beside itself, else on the PATH.
    static QString sibling(const QString& name);

signals:
    void unitChanged(const UnitState& state);
    void unitFinished(const UnitRecord& record);
    void message(const QString& text);
    void idle();

private:
    bool copyFiles(QString* error);
    bool readFirmware(QString* error);
    void fillSetup();
    void portAppeared(const QString& port);
    void unitEnded(const UnitRecord& record);
    void checkIdle();

    Recipe m_Recipe;
    Options m_Options;
    std::unique_ptr<QTemporaryDir> m_pFiles;
    std::unique_ptr<UnitLog> m_pLog;
    UnitSequence::Setup m_Setup;
    PortWatch m_Watch;
    std::map<QString, std::unique_ptr<UnitSequence>> m_Units;
    QMap<QString, UnitState> m_States;
    bool m_Stopping = false;
    bool m_Idle = false;
};
