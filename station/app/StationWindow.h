#pragma once

#include "ShiftTotals.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

class QGridLayout;
class QLabel;
class QLineEdit;
class Recipe;
class StationBanner;
class UnitTile;
struct UnitRecord;
struct UnitState;

// The production station's window: the recipe and the shift's totals on top,
// a tile per port below, one field the scanner types serial numbers into, and
// the P and F keys for the operator's verdict. It runs nothing itself: what
// runs the units shows them through the slots and learns from the signals
// what the operator did.
class StationWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StationWindow(QWidget* parent = nullptr);

    // The shift so far; endShift() is emitted before it starts again, so a
    // receiver connected directly reads the ending shift here.
    const ShiftTotals& totals() const { return m_Totals; }
    // Shows why a serial number was not taken, below the scan field.
    void refuseSerial(const QString& port, const QString& problem);

public slots:
    void showUnit(const UnitState& state);
    void addRecord(const UnitRecord& record);
    void showMessage(const QString& text);
    void setRecipe(const Recipe& recipe, const QString& recipePath);
    // How many units are being worked on; the window closes at 0 once the
    // operator chose to close.
    void setRunning(int units);
    // The oldest question of "Every LED lit?" answered.
    void answerVerdict(bool pass);
    void askEndShift();
    // Totals start again from zero, counting from `start`.
    void beginShift(const QDateTime& start);

signals:
    void serialEntered(const QString& port, const QString& serial);
    void verdict(const QString& port, bool pass);
    void endShift();
    void finishThenClose();
    void cancelThenClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenu();
    QWidget* createScanRow();
    UnitTile* tileFor(const QString& port, const QString& label);
    void placeTiles();
    void enterSerial();
    void giveVerdict(const QString& port, bool pass);
    void showTotals();
    void tick();
    // What the operator chose when closing while units run.
    void askClose();

    StationBanner* m_Banner;
    QWidget* m_Board;
    QGridLayout* m_Grid;
    // Says what to do while no unit has come yet.
    QLabel* m_NoUnits;
    QLineEdit* m_Scan = nullptr;
    QLabel* m_ScanNote = nullptr;
    // In port order, as placed in the grid.
    QList<UnitTile*> m_Tiles;
    // Ports asking for a verdict, the one asking longest first.
    QStringList m_VerdictQueue;
    // Scanned while no unit waited: for the next unit that asks.
    QString m_PendingSerial;
    ShiftTotals m_Totals;
    int m_Running = 0;
    bool m_CloseWhenIdle = false;
    QTimer m_Clock;
};
