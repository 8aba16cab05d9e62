#include "ExportAnimationDialog.h"
#include "ui_ExportAnimationDialog.h"

ExportAnimationDialog::ExportAnimationDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui_ExportAnimationDialog>())
{
    ui->setupUi(this);
}

ExportAnimationDialog::~ExportAnimationDialog() = default;

void ExportAnimationDialog::setOptions(const AnimationExport::Options& options)
{
    ui->spinBox_Frames->setValue(options.frames);
    ui->spinBox_Delay->setValue(options.delayMs);
    ui->spinBox_Size->setValue(options.size);
    ui->comboBox_Side->setCurrentIndex(options.side == Top ? 0 : 1);
}

AnimationExport::Options ExportAnimationDialog::options() const
{
    AnimationExport::Options options;
    options.frames = ui->spinBox_Frames->value();
    options.delayMs = ui->spinBox_Delay->value();
    options.size = ui->spinBox_Size->value();
    options.side = ui->comboBox_Side->currentIndex() == 0 ? Top : Bottom;
    return options;
}
