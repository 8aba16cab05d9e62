#pragma once

#include <QObject>
#include <QString>

class DocumentHost;
class EditorDialogs;
class QWidget;

// The hosted document as pictures: the program as an animated GIF, the
// frame shown as a PNG, and frames imported from an animated GIF or from
// pictures.
class ExportCommands : public QObject
{
    Q_OBJECT

public:
    // `window` is the parent of the import dialog.
    ExportCommands(QWidget* window, const DocumentHost& host, EditorDialogs& dialogs);
    ~ExportCommands() override;

    // Frames from an animated GIF or pictures, after the current frame.
    void importAnimation();
    void exportAnimation();
    void exportFrame();

signals:
    // For the status bar.
    void message(const QString& text, int timeoutMs);

private:
    QWidget* window;
    const DocumentHost& host;
    EditorDialogs& dialogs;
};
