#pragma once

#include "kamdeldocument_export.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVector>

class AbstractTreeItem;
class DocumentEdits;
class QIODevice;
class LedStatesCommand;

// Runs of LED frames as CSV: a header line of LED numbers, then one line per
// frame with one value per LED.
class KAMDELDOCUMENT_EXPORT SequenceFile
{
    Q_DECLARE_TR_FUNCTIONS(SequenceFile)

public:
    static QString fileDialogFilter();

    // The LED frames among the container's children, in order.
    static QList<LedStatesCommand*> frames(const AbstractTreeItem* container);

    // Writes the frames; `ledCount` gives the columns when there is no frame.
    // Returns false with `error` set when the file cannot be written.
    // `source`, the file the frames come from, is never written over.
    static bool exportFrames(const QList<LedStatesCommand*>& frames, int ledCount, const QString& fileName,
        QString* error = nullptr, const QString& source = QString());

    // The frames as a sequence file holds them, for the clipboard.
    static QString framesText(const QList<LedStatesCommand*>& frames, int ledCount);
    // The LED values of every frame in clipboard text: a sequence file's
    // text, or the same table copied from a spreadsheet (tab separated).
    // False, leaving `frames` alone, unless the text holds at least one frame
    // and every LED number of the header and every LED value is a whole
    // number or empty.
    static bool readFramesText(const QString& text, int ledCount, QVector<QVector<int>>* frames);

    // Overwrites the container's frames in order with the file's rows and
    // appends a frame at the container's end for every further row. Returns
    // the number of rows taken, or -1 with `error` set when the file is
    // refused (unreadable, binary, no number among its LED values, or more
    // frames than a document may hold, no frame at all); nothing changes
    // unless the file yields rows. Only a regular file is opened.
    static int importFrames(AbstractTreeItem* container, int ledCount, const QString& fileName,
        DocumentEdits* edits, QString* error = nullptr);
    // The same from an open device (a pipe, standard input), read up to the
    // size bound; `fileName` names it in messages.
    static int importFrames(AbstractTreeItem* container, int ledCount, QIODevice* device,
        const QString& fileName, DocumentEdits* edits, QString* error = nullptr);
    // Why `fileName` is not opened for an import (not a regular file, too
    // large), or nothing.
    static QString unreadableReason(const QString& fileName);
};
