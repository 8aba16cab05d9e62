#pragma once

#include "model/AbstractTreeItem.h"

#include <QDockWidget>
#include <QList>
#include <QMetaObject>
#include <QPointer>

class KamdelDocument;
class RingLanesView;

// The ring lanes beside the board: those of the Program or Collection that
// holds the tree's current item, with that item's row marked, so the mark
// follows the tree and playback. A click on a frame number selects it.
class LanesDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit LanesDock(QWidget* parent = nullptr);
    ~LanesDock() override;

    void setDocument(KamdelDocument* document);
    RingLanesView* view() const { return lanes; }

private:
    // Reads the current list again when shown: edits change its rows.
    void refresh();
    // Marks the item's row; reads the rows again when asked or when the
    // item stands in another list.
    void follow(AbstractTreeItem* item, bool reread);

    RingLanesView* lanes;
    QPointer<KamdelDocument> document;
    QPointer<AbstractTreeItem> shownList;
    QList<QMetaObject::Connection> connections;
};
