#pragma once

#include "formats/AnimationExport.h"

#include <QMessageBox>
#include <QString>

class QDateTime;

// The questions and warnings the window's parts put to the user. The window
// answers them with its dialogs; a test answers them without a modal loop.
class EditorDialogs
{
public:
    virtual ~EditorDialogs() = default;

    virtual QString askOpenFileName() = 0;
    // A warning titled "Application" with a single Close button.
    virtual void showWarning(const QString& text) = 0;
    // Yes restores the copy, Discard drops it, anything else keeps it for
    // the next start.
    virtual QMessageBox::StandardButton askRecovery(const QString& name, const QDateTime& time) = 0;
    // The export's options; false when the user cancels.
    virtual bool askAnimationOptions(AnimationExport::Options& options) = 0;
    virtual QString askExportFileName(
        const QString& caption, const QString& suggestion, const QString& filter)
        = 0;
};
