#include "RecipeDialog.h"
#include "ui_RecipeDialog.h"

#include "RecipeCheck.h"
#include "dialogs/FileDialogs.h"
#include "model/PanelDocument.h"

#include <QFileInfo>
#include <QPushButton>

namespace {

const QString RecipeFiles = QStringLiteral("Recipes");

} // namespace

RecipeDialog::RecipeDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::RecipeDialog>())
{
    ui->setupUi(this);
    ui->problemLabel->hide();
    ui->modelBox->addItems({ PanelDocument::modelLabel(PanelDocument::Panel::RingA),
        PanelDocument::modelLabel(PanelDocument::Panel::RingB) });
    connect(ui->firmwareBrowse, &QPushButton::clicked, this, [this] {
        browse(ui->firmwareEdit, tr("Firmware"), tr("Firmware images (*.hex *.ihex *.txt);;All files (*)"),
            false);
    });
    connect(ui->programBrowse, &QPushButton::clicked, this, [this] {
        browse(ui->programEdit, tr("Light program"), tr("Panel documents (*.xml);;All files (*)"), false);
    });
    connect(ui->logBrowse, &QPushButton::clicked, this,
        [this] { browse(ui->logEdit, tr("Unit log"), tr("CSV files (*.csv);;All files (*)"), true); });
    setRecipe(Recipe(), QString());
}

RecipeDialog::~RecipeDialog() = default;

void RecipeDialog::setRecipe(const Recipe& recipe, const QString& path)
{
    m_Recipe = recipe;
    m_Path = path;
    setWindowTitle(path.isEmpty() ? tr("New recipe") : tr("Recipe %1").arg(QFileInfo(path).fileName()));
    if (ui->modelBox->findText(recipe.model) >= 0)
        ui->modelBox->setCurrentText(recipe.model);
    ui->stationEdit->setText(recipe.station);
    ui->firmwareEdit->setText(recipe.firmware);
    ui->vectorAreaBox->setChecked(recipe.writeVectorArea);
    ui->programEdit->setText(recipe.program);
    ui->baudBox->setValue(recipe.baud);
    ui->watchEdit->setPlainText(recipe.watch.join(QLatin1Char('\n')));
    ui->logEdit->setText(recipe.log);
    ui->testBox->setChecked(recipe.test);
    ui->serialBox->setChecked(recipe.serialRequired);
}

Recipe RecipeDialog::recipe() const
{
    Recipe recipe = m_Recipe;
    recipe.model = ui->modelBox->currentText();
    recipe.station = ui->stationEdit->text().trimmed();
    recipe.firmware = ui->firmwareEdit->text().trimmed();
    recipe.writeVectorArea = ui->vectorAreaBox->isChecked();
    recipe.program = ui->programEdit->text().trimmed();
    recipe.baud = ui->baudBox->value();
    recipe.watch.clear();
    for (const QString& line : ui->watchEdit->toPlainText().split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            recipe.watch.append(line.trimmed());
    recipe.log = ui->logEdit->text().trimmed();
    recipe.test = ui->testBox->isChecked();
    recipe.serialRequired = ui->serialBox->isChecked();
    return recipe;
}

void RecipeDialog::browse(QLineEdit* edit, const QString& caption, const QString& filter, bool save)
{
    const QString name = QFileInfo(edit->text()).fileName();
    const QString chosen = save ? FileDialogs::getSaveFileName(this, caption, RecipeFiles, filter, name)
                                : FileDialogs::getOpenFileName(this, caption, RecipeFiles, filter, name);
    if (!chosen.isEmpty())
        edit->setText(chosen);
}

void RecipeDialog::showProblem(const QString& problem)
{
    ui->problemLabel->setText(problem);
    ui->problemLabel->setVisible(!problem.isEmpty());
}

void RecipeDialog::accept()
{
    Recipe made = recipe();
    QString problem;
    if (RecipeCheck::stamp(&made, &problem))
        problem = RecipeCheck::problem(made);
    if (!problem.isEmpty())
        return showProblem(tr("This recipe cannot start a station: %1.").arg(problem));
    const QString path = m_Path.isEmpty() ? FileDialogs::getSaveFileName(this, tr("Save recipe"), RecipeFiles,
                             tr("Station recipes (*.ini);;All files (*)"), QStringLiteral("station.ini"))
                                          : m_Path;
    if (path.isEmpty())
        return;
    if (!made.write(path, &problem))
        return showProblem(problem);
    m_Recipe = made;
    m_Path = path;
    QDialog::accept();
}
