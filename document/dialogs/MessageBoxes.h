#pragma once

#include "kamdeldocument_export.h"

#include <QMessageBox>

// The message boxes of the document library, centred on the program's window
// (see DialogParent); a test answers them through Questions.
class KAMDELDOCUMENT_EXPORT MessageBoxes
{
public:
    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
};
