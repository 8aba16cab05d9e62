#pragma once

#include "Helper/UnitRecord.h"
#include "StationRun.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QSocketNotifier>

#include <memory>

class QEventLoop;

// romwright station --recipe: a station run on the terminal. Serial numbers
// and test verdicts are asked one at a time and read as lines from standard
// input, so that a script may pipe the answers in.
class RecipeStation : public QObject
{
    Q_OBJECT

public:
    explicit RecipeStation(QObject* parent = nullptr);
    ~RecipeStation() override;

    // Exit status: 0 every unit passed, 1 any failed, else 4 any canceled;
    // 3 when the recipe does not let the station start.
    int run(const QString& recipePath, StationRun::Options options);
    // The first stops new units, the second cancels the running ones.
    void interrupt();

private:
    struct Question
    {
        QString port;
        bool verdict = false;
    };

    bool askOperator(QString* name);
    bool takeLine(QString* line);
    void readInput();
    void unitChanged(const UnitState& state);
    void unitFinished(const UnitRecord& record);
    bool stillWanted(const Question& question) const;
    void ask();
    void answer(const QString& line);
    void finishIfDone();

    std::unique_ptr<StationRun> m_pRun;
    QSocketNotifier m_Input;
    QByteArray m_Pending;
    bool m_InputEnded = false;
    QList<Question> m_Questions;
    bool m_Asked = false;
    QMap<QString, UnitState> m_States;
    QList<UnitRecord> m_Records;
    QEventLoop* m_pLoop = nullptr;
    bool m_Idle = false;
    int m_Interrupts = 0;
};
