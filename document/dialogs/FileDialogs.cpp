#include "FileDialogs.h"

#include "DialogParent.h"
#include "Questions.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <memory>
#include <utility>

namespace {
FileDialogs::FolderStore sessionStore()
{
    auto folders = std::make_shared<QHash<QString, QString>>();
    return { [folders](const QString& kind) { return folders->value(kind); },
        [folders](const QString& kind, const QString& folder) { folders->insert(kind, folder); } };
}

FileDialogs::FolderStore& folderStore()
{
    static FileDialogs::FolderStore store = sessionStore();
    return store;
}
} // namespace

QString FileDialogs::getOpenFileName(
    QWidget* parent, const QString& caption, const QString& start, const QString& filter)
{
    if (const auto answer = Questions::answers().fileName)
        return answer(Questions::FileName { Questions::Open, caption, start, filter });
    return QFileDialog::getOpenFileName(DialogParent::of(parent), caption, start, filter);
}

QString FileDialogs::getSaveFileName(
    QWidget* parent, const QString& caption, const QString& start, const QString& filter)
{
    if (const auto answer = Questions::answers().fileName)
        return answer(Questions::FileName { Questions::Save, caption, start, filter });
    return QFileDialog::getSaveFileName(DialogParent::of(parent), caption, start, filter);
}

QString FileDialogs::getOpenFileName(
    QWidget* parent, const QString& caption, const QString& kind, const QString& filter, const QString& name)
{
    const QString chosen = getOpenFileName(parent, caption, QDir(startFolder(kind)).filePath(name), filter);
    rememberFolder(kind, chosen);
    return chosen;
}

QString FileDialogs::getSaveFileName(
    QWidget* parent, const QString& caption, const QString& kind, const QString& filter, const QString& name)
{
    const QString chosen = getSaveFileName(parent, caption, QDir(startFolder(kind)).filePath(name), filter);
    rememberFolder(kind, chosen);
    return chosen;
}

QString FileDialogs::startFolder(const QString& kind)
{
    const QString last = folderStore().read(kind);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    // Never the program's folder: installed, it is a system folder.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void FileDialogs::rememberFolder(const QString& kind, const QString& chosenFile)
{
    if (!chosenFile.isEmpty())
        folderStore().write(kind, QFileInfo(chosenFile).absolutePath());
}

void FileDialogs::setFolderStore(FolderStore store)
{
    folderStore() = store.read && store.write ? std::move(store) : sessionStore();
}
