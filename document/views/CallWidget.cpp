#include "CallWidget.h"

#include "ItemSummary.h"
#include "model/CallCommand.h"
#include "ui_CallWidget.h"

CallWidget::CallWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_CallWidget>())
{
    ui->setupUi(this);
}

CallWidget::~CallWidget() = default;

void CallWidget::setItem(CallCommand* item)
{
    ui->label->setText(ItemSummary::of(item));
}
