#pragma once

#include <QToolBar>

// Never shown: installed on the application, it swallows the tool tips of
// every tool button, so that hovering a tool bar shows its status tip only.
class ToolbarTooltipFilter : public QToolBar
{
    Q_OBJECT

public:
    explicit ToolbarTooltipFilter(QWidget* parent = nullptr);
    ~ToolbarTooltipFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
};
