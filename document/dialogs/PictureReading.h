#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

class AnimationImport;
class QObject;
class QWidget;

// Reads the pictures of an import on a worker thread, so that a slow
// picture never freezes the window: a progress dialog with Cancel shows
// meanwhile. The worker owns the import it fills; after a Cancel it ends
// on its own and its result is dropped.
class PictureReading
{
    Q_DECLARE_TR_FUNCTIONS(PictureReading)

public:
    PictureReading() = delete;

    // The pictures read, keeping previews `previewSize` pixels wide; null
    // when the user cancels or `target` goes meanwhile, or when they are
    // refused, with `error` set.
    static std::shared_ptr<const AnimationImport> read(
        const QStringList& files, int previewSize, QObject* target, QWidget* parent, QString* error);
};
