#pragma once

#include "AbstractDocument.h"

#include <QFile>
#include <QStringList>

// A document that is not one of the library's: its file is a plain text
// file, and its dialogs are answered from fields.
class FakeDocument : public AbstractDocument
{
public:
    explicit FakeDocument(QWidget* parent = nullptr)
        : AbstractDocument(parent)
    {
    }

    using AbstractDocument::setModified;

    QString saveAnswer;
    QMessageBox::StandardButton promptAnswer = QMessageBox::Cancel;
    int prompts = 0;
    QStringList loaded;
    QStringList saved;

    bool load(const QString& path) override
    {
        loaded << path;
        if (!QFile::exists(path))
            return false;
        setFilePath(path);
        setModified(false);
        return true;
    }
    bool save(const QString& path) override
    {
        saved << path;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("fake\n");
        file.close();
        setFilePath(path);
        setModified(false);
        return true;
    }

protected:
    QString askSaveFileName() override { return saveAnswer; }
    QMessageBox::StandardButton askSaveChanges() override
    {
        ++prompts;
        return promptAnswer;
    }
};
