#include "MessageBoxes.h"

#include "DialogParent.h"

namespace {
MessageBoxes::Handler& currentHandler()
{
    static MessageBoxes::Handler handler;
    return handler;
}
} // namespace

QMessageBox::StandardButton MessageBoxes::warning(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QWidget* owner = DialogParent::of(parent);
    if (const Handler& handler = currentHandler())
        return handler(owner, Request { QMessageBox::Warning, title, text, buttons, defaultButton });
    return QMessageBox::warning(owner, title, text, buttons, defaultButton);
}

MessageBoxes::Handler MessageBoxes::setHandler(Handler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}
