#pragma once

#include <QCoreApplication>
#include <QString>

#include <memory>

class QMessageBox;
class QWidget;
class Recipe;

// How the station program comes to a recipe it may start with: the one named
// on the command line, or one the operator opens or makes; a recipe the
// checks refuse is shown with why, to be edited or replaced.
class StationStart
{
    Q_DECLARE_TR_FUNCTIONS(StationStart)

public:
    // The path of a recipe that may start, read into `recipe`; empty when
    // the operator gave up.
    static QString chooseRecipe(const QString& path, Recipe* recipe);
    // The operator's name; false when the operator cancels.
    static bool askOperator(QString* name);
    // Says that the recipe at `path` cannot start, and why: Yes edits it,
    // Open opens another, Close quits.
    static std::unique_ptr<QMessageBox> refusal(
        const QString& path, const QString& problem, QWidget* parent = nullptr);

private:
    static QString askFirstRecipe();
    static QString afterRefusal(const QString& path, const Recipe& recipe, const QString& problem);
    static QString openRecipe();
    static QString editRecipe(const Recipe& recipe, const QString& path);
};
