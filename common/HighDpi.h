#pragma once

#include <QCoreApplication>

// Sharp on high-density screens: sizes in device-independent pixels, and
// pictures and icons at the screen's own density. Must come before the
// application object.
class HighDpi
{
public:
    static void enable()
    {
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    }
};
