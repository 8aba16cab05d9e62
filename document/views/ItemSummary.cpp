#include "ItemSummary.h"

#include "compiler/Compiller.h"
#include "model/AbstractTreeItem.h"
#include "model/EnglishPlurals.h"

#include <algorithm>

QString ItemSummary::of(const AbstractTreeItem* item)
{
    if (!item)
        return QString();
    const QString size = bytes(Compiller::codeSize(item));
    switch (item->type()) {
    case AbstractTreeItem::Program:
        // Its page shows the size beside the frames.
        return tr("The program is what the panel runs, command by command, when it starts and after a "
                  "Reset.");
    case AbstractTreeItem::Function:
        return tr("A function holds commands that Calls run, ending with a Return; its commands take %1.")
            .arg(size);
    case AbstractTreeItem::Call:
        return tr("A Call runs the commands of a function and comes back, though its target is not filled "
                  "in yet, so the panel passes over it; it takes %1.")
            .arg(size);
    case AbstractTreeItem::Return:
        return tr("A Return ends a function: the panel goes back to the command after the Call; it takes %1.")
            .arg(size);
    case AbstractTreeItem::Reset:
        return tr("A Reset starts the panel's program again from its first command; it takes %1.").arg(size);
    case AbstractTreeItem::Stop:
        return tr("A Stop makes the panel hold its last frame until it is told to go on; it takes %1.")
            .arg(size);
    default:
        return QString();
    }
}

QString ItemSummary::bytes(int count)
{
    return EnglishPlurals::forms(tr("%n byte(s)", nullptr, count), count);
}

int ItemSummary::frameCount(const AbstractTreeItem* item)
{
    if (!item)
        return 0;
    const QList<AbstractTreeItem*>& children = item->children();
    return int(std::count_if(children.cbegin(), children.cend(),
        [](const AbstractTreeItem* child) { return child->type() == AbstractTreeItem::LedStates; }));
}
