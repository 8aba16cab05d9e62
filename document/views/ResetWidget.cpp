#include "ResetWidget.h"

#include "ui_ResetWidget.h"

ResetWidget::ResetWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_ResetWidget>())
{
    ui->setupUi(this);
}

ResetWidget::~ResetWidget() = default;

void ResetWidget::setItem(ResetCommand*) { }
