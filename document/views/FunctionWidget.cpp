#include "FunctionWidget.h"

#include "ItemSummary.h"
#include "model/FunctionItem.h"
#include "ui_FunctionWidget.h"

FunctionWidget::FunctionWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_FunctionWidget>())
{
    ui->setupUi(this);
}

FunctionWidget::~FunctionWidget() = default;

void FunctionWidget::setItem(FunctionItem* item)
{
    ui->label->setText(ItemSummary::of(item));
}
