#include "HelpMenu.h"

#include "BoardLegend.h"
#include "HelpWindow.h"
#include "ShortcutsDialog.h"

#include <QAction>
#include <QKeySequence>

namespace {
template <typename Window> void bringForward(Window* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

HelpMenu::HelpMenu(QWidget* window, QWidget* parent)
    : QMenu(tr("&Help"), parent)
    , mainWindow(window)
{
    setObjectName(QStringLiteral("menu_Help"));
    // Window-wide, so that F1 works wherever the focus is.
    QObject* owner = window ? static_cast<QObject*>(window) : this;
    auto* guideAction = new QAction(tr("User guide"), owner);
    guideAction->setObjectName(QStringLiteral("action_UserGuide"));
    guideAction->setStatusTip(tr("How to draw frames, play them and write them to a panel"));
    guideAction->setShortcut(QKeySequence(Qt::Key_F1));
    auto* shortcutsAction = new QAction(tr("Keyboard shortcuts"), owner);
    shortcutsAction->setObjectName(QStringLiteral("action_KeyboardShortcuts"));
    shortcutsAction->setStatusTip(tr("List the keys of every command"));
    auto* legendAction = new QAction(tr("Board legend"), owner);
    legendAction->setObjectName(QStringLiteral("action_BoardLegend"));
    legendAction->setStatusTip(tr("What the marks and colours on the board mean"));
    addAction(guideAction);
    addAction(shortcutsAction);
    addAction(legendAction);
    connect(guideAction, &QAction::triggered, this, &HelpMenu::showGuide);
    connect(shortcutsAction, &QAction::triggered, this, &HelpMenu::showShortcuts);
    connect(legendAction, &QAction::triggered, this, &HelpMenu::showLegend);
}

HelpMenu::~HelpMenu() = default;

void HelpMenu::showGuide()
{
    if (!guide)
        guide = new HelpWindow(mainWindow);
    bringForward(guide.data());
}

void HelpMenu::showShortcuts()
{
    if (!shortcuts)
        shortcuts = new ShortcutsDialog(mainWindow);
    // Actions come and go with the hosted document: read them afresh.
    shortcuts->refresh();
    bringForward(shortcuts.data());
}

void HelpMenu::showLegend()
{
    if (!legend)
        legend = new BoardLegend(mainWindow);
    bringForward(legend.data());
}
