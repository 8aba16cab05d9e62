#pragma once

#include "kamdeldocument_export.h"

#include <QString>

#include <functional>

class QWidget;

// Every file dialog of the document library goes through here, so that a
// test can give the answer instead of a person and nothing blocks.
class KAMDELDOCUMENT_EXPORT FileDialogs
{
public:
    enum Mode
    {
        Open,
        Save
    };
    struct Request
    {
        Mode mode;
        QString caption;
        QString start;
        QString filter;
    };
    // Returns the chosen path, empty when cancelled.
    using Handler = std::function<QString(const Request& request)>;

    static QString getOpenFileName(
        QWidget* parent, const QString& caption, const QString& start, const QString& filter);
    static QString getSaveFileName(
        QWidget* parent, const QString& caption, const QString& start, const QString& filter);

    // The dialogs for a kind of file ("Documents", "Sequences"): they start
    // in the folder last chosen for that kind (with `name` as the proposed
    // file), or in the user's documents folder, and remember the folder of
    // what the user chose.
    static QString getOpenFileName(QWidget* parent, const QString& caption, const QString& kind,
        const QString& filter, const QString& name);
    static QString getSaveFileName(QWidget* parent, const QString& caption, const QString& kind,
        const QString& filter, const QString& name);
    static QString startFolder(const QString& kind);
    static void rememberFolder(const QString& kind, const QString& chosenFile);

    // Where the last folders are kept; by default only for this run.
    struct FolderStore
    {
        std::function<QString(const QString& kind)> read;
        std::function<void(const QString& kind, const QString& folder)> write;
    };
    static void setFolderStore(FolderStore store);

    // Replaces the dialogs; an empty handler restores them. Returns the
    // previous handler.
    static Handler setHandler(Handler handler);
};
