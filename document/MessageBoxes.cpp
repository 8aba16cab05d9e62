#include "MessageBoxes.h"

namespace {
MessageBoxes::Handler& currentHandler()
{
    static MessageBoxes::Handler handler;
    return handler;
}
} // namespace

QMessageBox::StandardButton MessageBoxes::warning(QWidget* parent, const QString& title, const QString& text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    if (const Handler& handler = currentHandler())
        return handler(parent, Request { QMessageBox::Warning, title, text, buttons, defaultButton });
    return QMessageBox::warning(parent, title, text, buttons, defaultButton);
}

MessageBoxes::Handler MessageBoxes::setHandler(Handler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
