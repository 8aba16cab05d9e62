#pragma once

#include "formats/AnimationExport.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

class AboutDialog;
class QDateTime;
class QWidget;

// The questions and warnings of the window and its parts. They go through
// Questions, as the document library's do, so that a test answers them.
class EditorDialogs
{
    Q_DECLARE_TR_FUNCTIONS(EditorDialogs)

public:
    explicit EditorDialogs(QWidget* window);

    // The document type's Open dialog.
    QString askOpenFileName() const;
    // A warning titled "Application" with a single Close button.
    void showWarning(const QString& text) const;
    // Yes restores the copy, Discard drops it, anything else keeps it for
    // the next start.
    QMessageBox::StandardButton askRecovery(const QString& name, const QDateTime& time) const;
    // Asked when the window is closed while a program is being written.
    bool askStopWriting() const;
    // The export's options; false when the user cancels.
    bool askAnimationOptions(AnimationExport::Options& options) const;
    QString askExportFileName(const QString& caption, const QString& suggestion, const QString& filter) const;
    void showAbout(AboutDialog& dialog) const;

private:
    QWidget* m_window;
};
