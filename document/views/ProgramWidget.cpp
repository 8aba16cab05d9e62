#include "ProgramWidget.h"

#include "ui_ProgramWidget.h"

ProgramWidget::ProgramWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_ProgramWidget>())
{
    ui->setupUi(this);
}

ProgramWidget::~ProgramWidget() = default;

void ProgramWidget::setItem(ProgramItem*) { }
