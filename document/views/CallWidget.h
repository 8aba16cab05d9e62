#pragma once

#include "kamdeldocument_export.h"

#include <QWidget>

#include <memory>

class CallCommand;
class Ui_CallWidget;

// The page shown for a call command: what it does on the panel and its size.
class KAMDELDOCUMENT_EXPORT CallWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CallWidget(QWidget* parent = nullptr);
    ~CallWidget() override;

    void setItem(CallCommand* item);

private:
    std::unique_ptr<Ui_CallWidget> ui;
};
