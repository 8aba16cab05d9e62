#include "LanesDock.h"

#include "KamdelDocument.h"
#include "edits/DocumentEdits.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelScene_Ring.h"
#include "views/RingLanesView.h"

#include <QAction>

LanesDock::LanesDock(QWidget* parent)
    : QDockWidget(tr("Ring lanes"), parent)
    , lanes(new RingLanesView(this))
{
    setObjectName(QStringLiteral("dock_RingLanes"));
    toggleViewAction()->setObjectName(QStringLiteral("action_RingLanes"));
    toggleViewAction()->setStatusTip(tr("Show or hide every frame of the current list, ring by ring"));
    setWidget(lanes);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            refresh();
    });
}

LanesDock::~LanesDock() = default;

void LanesDock::setDocument(KamdelDocument* document)
{
    while (!connections.isEmpty())
        disconnect(connections.takeFirst());
    this->document = document;
    lanes->setEdits(document ? document->edits() : nullptr);
    lanes->setBoard(document ? document->ledPanelView() : nullptr);
    if (document) {
        CommandTreeView* tree = document->commandTreeView();
        connections << connect(tree, &CommandTreeView::currentItemChanged, this,
            [this](AbstractTreeItem* item) { follow(item, false); });
        connections << connect(document->edits(), &DocumentEdits::edited, this, &LanesDock::refresh);
        connections << connect(lanes, &RingLanesView::itemChosen, tree, &CommandTreeView::setCurrentItem);
        if (AbstractLedPanelScene* scene = document->panelScene()) {
            lanes->setSide(scene->side());
            connections << connect(
                scene, &AbstractLedPanelScene::sideChanged, lanes, &RingLanesView::setSide);
        }
    }
    refresh();
}

void LanesDock::refresh()
{
    follow(document ? document->commandTreeView()->currentItem() : nullptr, true);
}

void LanesDock::follow(AbstractTreeItem* item, bool reread)
{
    if (!isVisible())
        return;
    AbstractTreeItem* list = item ? item->commandList() : nullptr;
    if (reread || list != shownList) {
        shownList = list;
        lanes->setList(list);
    }
    lanes->setCurrentItem(item);
}
