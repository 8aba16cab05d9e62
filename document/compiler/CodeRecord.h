#pragma once

#include "model/AbstractTreeItem.h"

#include <QByteArray>
#include <QPointer>

// One emitted command: where it starts, its bytes and the item it came from.
// The item pointer is guarded, so a record never dangles after an edit.
struct CodeRecord
{
    qint32 address = 0;
    QByteArray code;
    QPointer<AbstractTreeItem> item;
};
