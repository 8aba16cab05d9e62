#include "EditorDialogs.h"

#include "AboutDialog.h"
#include "ExportAnimationDialog.h"
#include "KamdelDocument.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/Questions.h"

#include <QDateTime>
#include <QLocale>

EditorDialogs::EditorDialogs(QWidget* window)
    : m_window(window)
{
}

QString EditorDialogs::askOpenFileName() const
{
    // A throw-away document runs the dialog, with the document type's filter.
    KamdelDocument chooser(nullptr);
    return chooser.askOpenFileName();
}

void EditorDialogs::showWarning(const QString& text) const
{
    Questions::ask(m_window,
        { QMessageBox::Warning, tr("Application"), text, QMessageBox::Close, QMessageBox::NoButton });
}

QMessageBox::StandardButton EditorDialogs::askRecovery(const QString& name, const QDateTime& time) const
{
    return Questions::ask(m_window,
        { QMessageBox::Question, QCoreApplication::applicationName(),
            tr("The editor did not end normally while %1 had unsaved changes.\n"
               "Restore the copy kept at %2?\n\nCancel keeps the copy for the next start.")
                .arg(name, QLocale().toString(time, QLocale::ShortFormat)),
            QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Yes });
}

bool EditorDialogs::askStopWriting() const
{
    return Questions::ask(m_window,
               { QMessageBox::Question, tr("Application"),
                   tr("A program is being written to the panel.\nStop writing and close? The panel then "
                      "holds an incomplete program."),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No })
        == QMessageBox::Yes;
}

bool EditorDialogs::askAnimationOptions(AnimationExport::Options& options) const
{
    ExportAnimationDialog dialog(m_window);
    dialog.setOptions(options);
    if (Questions::exec(dialog) != QDialog::Accepted)
        return false;
    options = dialog.options();
    return true;
}

QString EditorDialogs::askExportFileName(
    const QString& caption, const QString& suggestion, const QString& filter) const
{
    return FileDialogs::getSaveFileName(m_window, caption, suggestion, filter);
}

void EditorDialogs::showAbout(AboutDialog& dialog) const
{
    Questions::exec(dialog);
}
