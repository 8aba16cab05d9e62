#pragma once

#include "kamdeldocument_export.h"

#include <QString>

#include <functional>

class QWidget;

// The file dialogs of the document library; a test answers them through
// Questions.
class KAMDELDOCUMENT_EXPORT FileDialogs
{
public:
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
};
