#include "GenerateSpinDialog.h"

#include "ui_GenerateSpinDialog.h"

GenerateSpinDialog::GenerateSpinDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui_GenerateSpinDialog>())
{
    ui->setupUi(this);
}

GenerateSpinDialog::~GenerateSpinDialog() = default;

int GenerateSpinDialog::step() const
{
    return ui->stepSpinBox->value();
}

void GenerateSpinDialog::setStep(int step)
{
    ui->stepSpinBox->setValue(step);
}

int GenerateSpinDialog::ringMask() const
{
    const QCheckBox* rings[] = { ui->ring0CheckBox, ui->ring1CheckBox, ui->ring2CheckBox, ui->ring3CheckBox };
    int mask = 0;
    for (int r = 0; r < 4; ++r) {
        if (rings[r]->isChecked())
            mask |= 1 << r;
    }
    return mask;
}

void GenerateSpinDialog::setRingMask(int mask)
{
    QCheckBox* rings[] = { ui->ring0CheckBox, ui->ring1CheckBox, ui->ring2CheckBox, ui->ring3CheckBox };
    for (int r = 0; r < 4; ++r)
        rings[r]->setChecked(mask & (1 << r));
}
