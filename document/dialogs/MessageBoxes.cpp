#include "MessageBoxes.h"

#include "DialogParent.h"
#include "Questions.h"

QMessageBox::StandardButton MessageBoxes::warning(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QWidget* owner = DialogParent::of(parent);
    if (const auto answer = Questions::answers().message)
        return answer(
            owner, Questions::Message { QMessageBox::Warning, title, text, buttons, defaultButton });
    return QMessageBox::warning(owner, title, text, buttons, defaultButton);
}
