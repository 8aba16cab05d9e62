#include "DialogParent.h"

#include <QApplication>
#include <QMainWindow>
#include <QWidget>

QWidget* DialogParent::of(QWidget* widget)
{
    if (widget && widget->window()->isVisible())
        return widget->window();
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->isVisible() && qobject_cast<QMainWindow*>(topLevel))
            return topLevel;
    }
    return widget;
}
