#include "LedPanelContextMenu.h"

#include "LedPanelView.h"

#include <QAction>
#include <QActionGroup>

namespace {

QAction* checkable(QAction* action, QActionGroup* group, bool checked)
{
    action->setCheckable(true);
    action->setChecked(checked);
    if (group)
        group->addAction(action);
    return action;
}

} // namespace

LedPanelContextMenu::LedPanelContextMenu(LedPanelView* parent)
    : QMenu(parent)
    , m_view(parent)
    , m_zoomIn(new QAction(QAction::tr("Zoom in"), parent))
    , m_zoomOut(new QAction(QAction::tr("Zoom out"), parent))
    , m_fit(new QAction(QAction::tr("Fit in view"), parent))
    , m_top(new QAction(QAction::tr("Top"), parent))
    , m_bottom(new QAction(QAction::tr("Bottom"), parent))
    , m_simple(new QAction(QAction::tr("Simple"), parent))
    , m_image(new QAction(QAction::tr("Image"), parent))
    , m_adjacent(new QAction(QAction::tr("Adjacent"), parent))
    , m_sideGroup(new QActionGroup(parent))
    , m_backgroundGroup(new QActionGroup(parent))
{
    // The marks start as a new document leaves its board: bottom side,
    // picture, hints shown.
    addAction(m_fit);
    QMenu* zoom = addMenu(QStringLiteral("Zoom"));
    zoom->addAction(m_zoomIn);
    zoom->addAction(m_zoomOut);
    addSeparator();
    QMenu* side = addMenu(QStringLiteral("Side"));
    side->addAction(checkable(m_top, m_sideGroup, false));
    side->addAction(checkable(m_bottom, m_sideGroup, true));
    QMenu* background = addMenu(QStringLiteral("Background"));
    background->addAction(checkable(m_image, m_backgroundGroup, true));
    background->addAction(checkable(m_simple, m_backgroundGroup, false));
    addAction(checkable(m_adjacent, nullptr, true));

    connect(m_fit, &QAction::triggered, parent, &LedPanelView::zoomFit);
    connect(m_zoomIn, &QAction::triggered, parent, &LedPanelView::zoomIn);
    connect(m_zoomOut, &QAction::triggered, parent, &LedPanelView::zoomOut);
    connect(m_top, &QAction::triggered, parent, [parent] { parent->setSide(Top); });
    connect(m_bottom, &QAction::triggered, parent, [parent] { parent->setSide(Bottom); });
    connect(m_image, &QAction::triggered, parent, [parent] { parent->setBackground(Image); });
    connect(m_simple, &QAction::triggered, parent, [parent] { parent->setBackground(Simple); });
    connect(m_adjacent, &QAction::triggered, parent, &LedPanelView::showAdjacent);
}

LedPanelContextMenu::~LedPanelContextMenu() = default;
