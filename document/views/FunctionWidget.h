#pragma once

#include "kamdeldocument_export.h"

#include <QWidget>

#include <memory>

class FunctionItem;
class Ui_FunctionWidget;

// The page shown for a collection: what it does on the panel and its size.
class KAMDELDOCUMENT_EXPORT FunctionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FunctionWidget(QWidget* parent = nullptr);
    ~FunctionWidget() override;

    void setItem(FunctionItem* item);

private:
    std::unique_ptr<Ui_FunctionWidget> ui;
};
