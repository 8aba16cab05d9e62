#pragma once

#include "UnitState.h"

#include <QFrame>

class QLabel;
class QPushButton;

// One port of the station as the operator sees it from a metre away: port,
// unit serial, the step in large letters with the time it has taken, and the
// question the unit asks, if any. The background tells the outcome: green
// passed, red failed, grey waiting, blue while the unit is being worked on.
class UnitTile : public QFrame
{
    Q_OBJECT

public:
    explicit UnitTile(QWidget* parent = nullptr);

    using QWidget::show;
    void show(const UnitState& state);
    const UnitState& state() const { return m_State; }
    // Moves the step's clock on.
    void tick(const QDateTime& now);

    // "Firmware 63 %", "PASS", "FAIL: Unplugged during firmware (63 %)"
    static QString stepText(const UnitState& state);
    static QColor background(UnitState::Step step);

signals:
    void verdict(const QString& port, bool pass);

private:
    QLabel* addLabel(const QString& name, const QString& accessibleName, qreal scale);
    void paintStep();

    UnitState m_State;
    QLabel* m_Port;
    QLabel* m_Time;
    QLabel* m_Serial;
    QLabel* m_Step;
    QLabel* m_Prompt;
    QWidget* m_Buttons;
};
