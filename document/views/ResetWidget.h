#pragma once

#include "kamdeldocument_export.h"

#include <QWidget>

#include <memory>

class ResetCommand;
class Ui_ResetWidget;

// The page shown for a reset command: what it does on the panel and its size.
class KAMDELDOCUMENT_EXPORT ResetWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ResetWidget(QWidget* parent = nullptr);
    ~ResetWidget() override;

    void setItem(ResetCommand* item);

private:
    std::unique_ptr<Ui_ResetWidget> ui;
};
