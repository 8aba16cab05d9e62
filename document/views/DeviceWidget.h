#pragma once

#include "kamdeldocument_export.h"

#include <QWidget>

#include <memory>

class DeviceItem;
class Ui_DeviceWidget;

// The device page: the panel model's name and description, read-only.
class KAMDELDOCUMENT_EXPORT DeviceWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceWidget(QWidget* parent = nullptr);
    ~DeviceWidget() override;

    // Copies the texts; the page keeps no pointer to the device.
    void setItem(DeviceItem* item);

private:
    std::unique_ptr<Ui_DeviceWidget> ui;
};
