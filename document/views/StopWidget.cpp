#include "StopWidget.h"

#include "ItemSummary.h"
#include "model/StopCommand.h"
#include "ui_StopWidget.h"

StopWidget::StopWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_StopWidget>())
{
    ui->setupUi(this);
}

StopWidget::~StopWidget() = default;

void StopWidget::setItem(StopCommand* item)
{
    ui->label->setText(ItemSummary::of(item));
}
