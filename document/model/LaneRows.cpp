#include "LaneRows.h"

#include "LedStatesCommand.h"

LaneRows::LaneRows(const AbstractTreeItem* list)
{
    if (!list)
        return;
    m_rows.reserve(list->childCount());
    for (AbstractTreeItem* item : list->children()) {
        Row row;
        row.item = item;
        row.framesBefore = m_frameRows.size();
        if (auto* frame = qobject_cast<LedStatesCommand*>(item)) {
            row.frame = m_frameRows.size();
            for (int led = 0; led < RingGeometry::LedCount; ++led)
                row.lit[led] = frame->value(led) != 0;
            m_frameRows.append(m_rows.size());
        } else {
            row.label = bandLabel(item->type());
            if (row.label.isEmpty())
                continue;
        }
        m_rowOfItem.insert(item, m_rows.size());
        m_rows.append(row);
    }
}

// The items' names as the tree shows them, in every language; the stroke
// lettering that draws them has Latin capitals only.
QString LaneRows::bandLabel(int type)
{
    switch (type) {
    case AbstractTreeItem::Reset:
        return QStringLiteral("Reset");
    case AbstractTreeItem::Call:
        return QStringLiteral("Call");
    case AbstractTreeItem::Return:
        return QStringLiteral("Return");
    case AbstractTreeItem::Stop:
        return QStringLiteral("Stop");
    default:
        return QString();
    }
}
