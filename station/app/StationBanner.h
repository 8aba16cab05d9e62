#pragma once

#include <QFrame>

class QLabel;
class Recipe;

// The head of the station window: which recipe runs (model, firmware and
// program with short digests, the ports watched, the log) and the shift's
// totals, so that a supervisor passing by sees what the bench makes.
class StationBanner : public QFrame
{
    Q_OBJECT

public:
    explicit StationBanner(QWidget* parent = nullptr);

    void setRecipe(const Recipe& recipe, const QString& recipePath);
    void setTotals(const QString& summary);

private:
    QLabel* addLabel(const QString& name, qreal scale);

    QLabel* m_Title;
    QLabel* m_Files;
    QLabel* m_Ports;
    QLabel* m_Totals;
};
