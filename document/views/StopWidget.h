#pragma once

#include "kamdeldocument_export.h"

#include <QWidget>

#include <memory>

class StopCommand;
class Ui_StopWidget;

// The page shown for a stop command: what it does on the panel and its size.
class KAMDELDOCUMENT_EXPORT StopWidget : public QWidget
{
    Q_OBJECT

public:
    explicit StopWidget(QWidget* parent = nullptr);
    ~StopWidget() override;

    void setItem(StopCommand* item);

private:
    std::unique_ptr<Ui_StopWidget> ui;
};
