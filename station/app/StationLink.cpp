#include "StationLink.h"

#include "StationRun.h"
#include "StationWindow.h"

void StationLink::connect(StationWindow& window, StationRun& run)
{
    const auto showRunning = [&window, &run] { window.setRunning(run.running()); };
    QObject::connect(&run, &StationRun::unitChanged, &window, [&window, showRunning](const UnitState& state) {
        window.showUnit(state);
        showRunning();
    });
    QObject::connect(&run, &StationRun::unitFinished, &window, &StationWindow::addRecord);
    QObject::connect(&run, &StationRun::unitFinished, &window, showRunning);
    QObject::connect(&run, &StationRun::message, &window, &StationWindow::showMessage);
    QObject::connect(&run, &StationRun::idle, &window, showRunning);
    QObject::connect(&window, &StationWindow::serialEntered, &run,
        [&window, &run](const QString& port, const QString& serial) {
            QString problem;
            if (!run.setSerial(port, serial, &problem))
                window.refuseSerial(port, problem);
        });
    QObject::connect(&window, &StationWindow::verdict, &run, &StationRun::setVerdict);
    QObject::connect(&window, &StationWindow::finishThenClose, &run, &StationRun::stopWatching);
    QObject::connect(&window, &StationWindow::cancelThenClose, &run, &StationRun::cancelAll);
}
