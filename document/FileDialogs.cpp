#include "FileDialogs.h"

#include <QFileDialog>

#include <utility>

namespace {
FileDialogs::Handler& currentHandler()
{
    static FileDialogs::Handler handler;
    return handler;
}
} // namespace

QString FileDialogs::getOpenFileName(QWidget* parent, const QString& caption, const QString& start,
                                     const QString& filter)
{
    if (const Handler& handler = currentHandler())
        return handler(Request { Open, caption, start, filter });
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

QString FileDialogs::getSaveFileName(QWidget* parent, const QString& caption, const QString& start,
                                     const QString& filter)
{
    if (const Handler& handler = currentHandler())
        return handler(Request { Save, caption, start, filter });
    return QFileDialog::getSaveFileName(parent, caption, start, filter);
}

FileDialogs::Handler FileDialogs::setHandler(Handler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
