#pragma once

#include "kamdeldocument_export.h"

#include <QMessageBox>

#include <functional>
#include <utility>

// Every message box of the document library goes through here, so that a
// test can answer it instead of a person and nothing blocks. The box is
// centred on the program's window (see DialogParent), and a handler gets
// that window as the parent.
class KAMDELDOCUMENT_EXPORT MessageBoxes
{
public:
    struct Request
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };
    using Handler = std::function<QMessageBox::StandardButton(QWidget* parent, const Request& request)>;

    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Replaces the dialogs; an empty handler restores them. Returns the
    // previous handler.
    static Handler setHandler(Handler handler);
};
