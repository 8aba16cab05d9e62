#pragma once

#include "kamdeldocument_export.h"

#include <QCoreApplication>
#include <QString>

class AbstractTreeItem;

// What an item of the tree does on the panel and what it costs in the
// panel's memory, in one sentence for its page beside the tree.
class KAMDELDOCUMENT_EXPORT ItemSummary
{
    Q_DECLARE_TR_FUNCTIONS(ItemSummary)

public:
    // Empty for the kinds that have pages of their own (frames, the device).
    static QString of(const AbstractTreeItem* item);
    // "1 byte", "3 bytes", or the chosen language's forms.
    static QString bytes(int count);
    // The frames a Program or Function shows, its own ones.
    static int frameCount(const AbstractTreeItem* item);
};
