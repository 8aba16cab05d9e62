#pragma once

#include "kamdeldocument_export.h"

#include <QWidget>

#include <memory>

class ReturnCommand;
class Ui_ReturnWidget;

// The page shown for a return command: what it does on the panel and its size.
class KAMDELDOCUMENT_EXPORT ReturnWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ReturnWidget(QWidget* parent = nullptr);
    ~ReturnWidget() override;

    void setItem(ReturnCommand* item);

private:
    std::unique_ptr<Ui_ReturnWidget> ui;
};
