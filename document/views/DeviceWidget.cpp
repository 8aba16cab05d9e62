#include "DeviceWidget.h"

#include "model/DeviceItem.h"
#include "ui_DeviceWidget.h"

DeviceWidget::DeviceWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_DeviceWidget>())
{
    ui->setupUi(this);
}

DeviceWidget::~DeviceWidget() = default;

void DeviceWidget::setItem(DeviceItem* item)
{
    ui->lineEdit_Name->setText(item ? item->deviceName() : QString());
    ui->lineEdit_Description->setText(item ? item->description() : QString());
}
