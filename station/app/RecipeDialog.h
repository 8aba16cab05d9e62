#pragma once

#include "Recipe.h"

#include <QDialog>

#include <memory>

class QLineEdit;

namespace Ui {
class RecipeDialog;
}

// Makes or changes a station recipe. OK takes the digests of the files as
// they are now and checks the recipe as a station would: a problem is shown
// in the dialog, which stays open; a good recipe is written to its file
// (chosen on OK for a new one).
class RecipeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RecipeDialog(QWidget* parent = nullptr);
    ~RecipeDialog() override;

    // An empty path makes a new recipe.
    void setRecipe(const Recipe& recipe, const QString& path);
    // The recipe as the fields give it, without digests.
    Recipe recipe() const;
    // The file the recipe was written to.
    QString path() const { return m_Path; }

    void accept() override;

private:
    void browse(QLineEdit* edit, const QString& caption, const QString& filter, bool save);
    void showProblem(const QString& problem);

    std::unique_ptr<Ui::RecipeDialog> ui;
    // What the fields do not show, such as the controller.
    Recipe m_Recipe;
    QString m_Path;
};
