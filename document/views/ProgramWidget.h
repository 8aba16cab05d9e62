#pragma once

#include "kamdeldocument_export.h"

#include <QWidget>

#include <memory>

class ProgramItem;
class Ui_ProgramWidget;

// The page shown for a program; it has nothing to edit yet.
class KAMDELDOCUMENT_EXPORT ProgramWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ProgramWidget(QWidget* parent = nullptr);
    ~ProgramWidget() override;

    void setItem(ProgramItem* item);

private:
    std::unique_ptr<Ui_ProgramWidget> ui;
};
