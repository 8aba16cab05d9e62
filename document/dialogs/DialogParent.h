#pragma once

#include "kamdeldocument_export.h"

class QWidget;

// The window a dialog is centred on. A document being loaded is not yet part
// of a window, and a box with an unshown parent lands in a corner of the
// screen; such boxes go to the program's window instead.
class KAMDELDOCUMENT_EXPORT DialogParent
{
public:
    DialogParent() = delete;

    // `widget`'s window when it is shown, otherwise the active window or the
    // one shown main window; null when there is none.
    static QWidget* of(QWidget* widget);
};
