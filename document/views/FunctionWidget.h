#pragma once

#include "kamdeldocument_export.h"

#include <QWidget>

#include <memory>

class FunctionItem;
class RingLanesView;
class Ui_FunctionWidget;

// The page shown for a collection: what it does on the panel and its size,
// over its ring lanes.
class KAMDELDOCUMENT_EXPORT FunctionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FunctionWidget(QWidget* parent = nullptr);
    ~FunctionWidget() override;

    void setItem(FunctionItem* item);
    RingLanesView* lanesView() const { return lanes; }

private:
    std::unique_ptr<Ui_FunctionWidget> ui;
    RingLanesView* lanes;
};
