#pragma once

#include "formats/AnimationExport.h"

#include <QDialog>

#include <memory>

class Ui_ExportAnimationDialog;

// Asks how an animation is exported: frames, time per frame, size, side.
class ExportAnimationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportAnimationDialog(QWidget* parent = nullptr);
    ~ExportAnimationDialog() override;

    void setOptions(const AnimationExport::Options& options);
    AnimationExport::Options options() const;

private:
    std::unique_ptr<Ui_ExportAnimationDialog> ui;
};
