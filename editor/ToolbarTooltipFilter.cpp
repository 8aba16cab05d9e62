#include "ToolbarTooltipFilter.h"

#include <QEvent>
#include <QToolButton>

ToolbarTooltipFilter::ToolbarTooltipFilter(QWidget* parent)
    : QToolBar(parent)
{
}

ToolbarTooltipFilter::~ToolbarTooltipFilter() = default;

bool ToolbarTooltipFilter::eventFilter(QObject* watched, QEvent* event)
{
    return event->type() == QEvent::ToolTip && qobject_cast<QToolButton*>(watched) != nullptr;
}
