#include "ResetWidget.h"

#include "ItemSummary.h"
#include "model/ResetCommand.h"
#include "ui_ResetWidget.h"

ResetWidget::ResetWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_ResetWidget>())
{
    ui->setupUi(this);
}

ResetWidget::~ResetWidget() = default;

void ResetWidget::setItem(ResetCommand* item)
{
    ui->label->setText(ItemSummary::of(item));
}
