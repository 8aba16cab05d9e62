#pragma once

#include "kamdeldocument_export.h"

#include <QDialog>

#include <memory>

class Ui_GenerateSpinDialog;

// Asks for the step of a spin and the rings it turns.
class KAMDELDOCUMENT_EXPORT GenerateSpinDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GenerateSpinDialog(QWidget* parent = nullptr);
    ~GenerateSpinDialog() override;

    int step() const;
    void setStep(int step);
    // Bit r stands for ring r.
    int ringMask() const;
    void setRingMask(int mask);

private:
    std::unique_ptr<Ui_GenerateSpinDialog> ui;
};
