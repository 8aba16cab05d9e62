#include "FunctionWidget.h"

#include "ItemSummary.h"
#include "RingLanesView.h"
#include "model/FunctionItem.h"
#include "ui_FunctionWidget.h"

FunctionWidget::FunctionWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_FunctionWidget>())
    , lanes(new RingLanesView(this))
{
    ui->setupUi(this);
    ui->gridLayout->addWidget(lanes, 1, 0);
    ui->gridLayout->setRowStretch(1, 1);
}

FunctionWidget::~FunctionWidget() = default;

void FunctionWidget::setItem(FunctionItem* item)
{
    ui->label->setText(ItemSummary::of(item));
    lanes->setList(item);
}
