#include "ReturnWidget.h"

#include "ItemSummary.h"
#include "model/ReturnCommand.h"
#include "ui_ReturnWidget.h"

ReturnWidget::ReturnWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_ReturnWidget>())
{
    ui->setupUi(this);
}

ReturnWidget::~ReturnWidget() = default;

void ReturnWidget::setItem(ReturnCommand* item)
{
    ui->label->setText(ItemSummary::of(item));
}
