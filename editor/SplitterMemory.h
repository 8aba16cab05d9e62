#pragma once

#include <QList>
#include <QString>

class QSplitter;

// Keeps where the user put a splitter's handle in the settings, so that the
// panes come back as they were left.
class SplitterMemory
{
public:
    // Restores the position stored under `key`, or gives the panes
    // `firstSizes` when there is none, and stores every later move.
    static void attach(QSplitter* splitter, const QString& key, const QList<int>& firstSizes);
};
