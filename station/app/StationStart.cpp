#include "StationStart.h"

#include "Recipe.h"
#include "RecipeCheck.h"
#include "RecipeDialog.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/Questions.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

std::unique_ptr<QMessageBox> question(const QString& title, const QString& text, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, title, text,
        QMessageBox::Yes | QMessageBox::Open | QMessageBox::Close, parent);
    box->button(QMessageBox::Close)->setText(StationStart::tr("Quit"));
    return box;
}

} // namespace

QString StationStart::chooseRecipe(const QString& path, Recipe* recipe)
{
    QString next = path.isEmpty() ? askFirstRecipe() : path;
    while (!next.isEmpty()) {
        Recipe read;
        QString problem;
        if (read.read(next, &problem))
            problem = RecipeCheck::problem(read);
        if (problem.isEmpty()) {
            *recipe = read;
            return next;
        }
        next = afterRefusal(next, read, problem);
    }
    return QString();
}

QString StationStart::askFirstRecipe()
{
    const auto box = question(tr("Panel Production Station"),
        tr("Open the recipe this station makes its units by, or make a new one."), nullptr);
    box->button(QMessageBox::Open)->setText(tr("Open recipe..."));
    box->button(QMessageBox::Yes)->setText(tr("New recipe..."));
    box->setDefaultButton(QMessageBox::Open);
    const int answer = Questions::exec(*box);
    if (answer == QMessageBox::Open)
        return openRecipe();
    return answer == QMessageBox::Yes ? editRecipe(Recipe(), QString()) : QString();
}

std::unique_ptr<QMessageBox> StationStart::refusal(
    const QString& path, const QString& problem, QWidget* parent)
{
    auto box
        = question(tr("Recipe refused"), tr("The recipe %1 cannot start the station.").arg(path), parent);
    box->setIcon(QMessageBox::Warning);
    box->setInformativeText(problem.left(1).toUpper() + problem.mid(1) + QLatin1Char('.'));
    box->button(QMessageBox::Yes)->setText(tr("Edit recipe..."));
    box->button(QMessageBox::Open)->setText(tr("Open another..."));
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

// The next recipe to try: the same one edited, another, or none to quit. A
// canceled edit or choice shows the refusal again.
QString StationStart::afterRefusal(const QString& path, const Recipe& recipe, const QString& problem)
{
    const int answer = Questions::exec(*refusal(path, problem));
    QString next;
    if (answer == QMessageBox::Yes)
        next = editRecipe(recipe, path);
    else if (answer == QMessageBox::Open)
        next = openRecipe();
    else
        return QString();
    return next.isEmpty() ? path : next;
}

QString StationStart::openRecipe()
{
    return FileDialogs::getOpenFileName(nullptr, tr("Open recipe"), QStringLiteral("Recipes"),
        tr("Station recipes (*.ini);;All files (*)"), QString());
}

QString StationStart::editRecipe(const Recipe& recipe, const QString& path)
{
    RecipeDialog dialog;
    dialog.setRecipe(recipe, path);
    return Questions::exec(dialog) == QDialog::Accepted ? dialog.path() : QString();
}

bool StationStart::askOperator(QString* name)
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        nullptr, tr("Operator"), tr("Your name, for the unit log:"), QLineEdit::Normal, QString(), &ok);
    *name = text.trimmed();
    return ok;
}
