#include "CommandTreeMenu.h"

#include "CommandTreeView.h"
#include "model/AbstractTreeItem.h"

#include <QAction>

namespace {
const char* const commandTexts[CommandTreeMenu::CommandCount] = {
    QT_TRANSLATE_NOOP("CommandTreeMenu", "Collection"),
    QT_TRANSLATE_NOOP("CommandTreeMenu", "LedState"),
    QT_TRANSLATE_NOOP("CommandTreeMenu", "LedStates"),
    QT_TRANSLATE_NOOP("CommandTreeMenu", "Call"),
    QT_TRANSLATE_NOOP("CommandTreeMenu", "Return"),
    QT_TRANSLATE_NOOP("CommandTreeMenu", "Reset"),
    QT_TRANSLATE_NOOP("CommandTreeMenu", "Stop"),
};
} // namespace

CommandTreeMenu::CommandTreeMenu(CommandTreeView* view)
    : QMenu(view)
    , m_view(view)
    , m_appendMenu(addMenu(tr("Append")))
    , m_insertMenu(addMenu(tr("Insert")))
{
    addCommands(m_appendMenu, m_appendActions,
        { &CommandTreeView::appendCollection, &CommandTreeView::appendLedState,
            &CommandTreeView::appendLedStates, &CommandTreeView::appendCall, &CommandTreeView::appendReturn,
            &CommandTreeView::appendReset, &CommandTreeView::appendStop });
    addCommands(m_insertMenu, m_insertActions,
        { &CommandTreeView::insertCollection, &CommandTreeView::insertLedState,
            &CommandTreeView::insertLedStates, &CommandTreeView::insertCall, &CommandTreeView::insertReturn,
            &CommandTreeView::insertReset, &CommandTreeView::insertStop });

    m_removeAction = addAction(tr("Remove Item"));
    connect(m_removeAction, &QAction::triggered, m_view, &CommandTreeView::removeItem);
    m_tableEditAction = addAction(tr("Edit as table"));
    connect(m_tableEditAction, &QAction::triggered, m_view, &CommandTreeView::tableEdit);
    m_cutFramesAction = addAction(tr("Cut Frames"));
    connect(m_cutFramesAction, &QAction::triggered, m_view, &CommandTreeView::cutFrames);
    m_copyFramesAction = addAction(tr("Copy Frames"));
    connect(m_copyFramesAction, &QAction::triggered, m_view, &CommandTreeView::copyFrames);
    m_pasteFramesAction = addAction(tr("Paste Frames"));
    connect(m_pasteFramesAction, &QAction::triggered, m_view, &CommandTreeView::pasteFrames);

    m_sequenceSeparator = addSeparator();
    m_importSequenceAction = addAction(tr("Import sequence..."));
    connect(m_importSequenceAction, &QAction::triggered, m_view, &CommandTreeView::importSequence);
    m_importAnimationAction = addAction(tr("Import animation..."));
    m_importAnimationAction->setObjectName(QStringLiteral("action_TreeImportAnimation"));
    m_exportSequenceAction = addAction(tr("Export sequence..."));
    connect(m_exportSequenceAction, &QAction::triggered, m_view, &CommandTreeView::exportSequence);
}

CommandTreeMenu::~CommandTreeMenu() = default;

void CommandTreeMenu::addCommands(
    QMenu* menu, QAction** actions, const QList<void (CommandTreeView::*)()>& targets)
{
    for (int command = 0; command < CommandCount; ++command) {
        actions[command] = menu->addAction(tr(commandTexts[command]));
        connect(actions[command], &QAction::triggered, m_view, targets.at(command));
    }
}

QAction* CommandTreeMenu::appendAction(Command command) const
{
    return command >= 0 && command < CommandCount ? m_appendActions[command] : nullptr;
}

QAction* CommandTreeMenu::insertAction(Command command) const
{
    return command >= 0 && command < CommandCount ? m_insertActions[command] : nullptr;
}

void CommandTreeMenu::showCommands(QAction* const* actions, bool ledStates, bool reset)
{
    // Collections, calls, returns and stops exist in the file format but are
    // not offered here.
    for (int command = 0; command < CommandCount; ++command)
        actions[command]->setVisible(false);
    actions[LedState]->setVisible(ledStates);
    actions[LedStates]->setVisible(ledStates);
    actions[Reset]->setVisible(reset);
}

void CommandTreeMenu::prepare(const AbstractTreeItem* item)
{
    const int type = item ? item->type() : AbstractTreeItem::Undefined;

    const bool command = item && item->isCommand();
    const bool collection = type == AbstractTreeItem::Function;
    // Commands go into a program or a collection, or beside a command; the
    // device takes none.
    const bool appendShown = command || collection || type == AbstractTreeItem::Program;
    const bool insertShown = command || collection;
    const bool frames = type == AbstractTreeItem::Program || type == AbstractTreeItem::LedStates
        || type == AbstractTreeItem::Reset;
    const bool removable = command || collection;
    // Sequence files act on the LED frames of a program or collection; a
    // frame stands for the list it belongs to.
    const bool sequences = (item && item->holdsCommands()) || type == AbstractTreeItem::LedStates;

    m_appendMenu->menuAction()->setVisible(appendShown);
    m_insertMenu->menuAction()->setVisible(insertShown);
    showCommands(m_appendActions, frames, frames && m_resetAllowed);
    showCommands(m_insertActions, frames && type != AbstractTreeItem::Program, false);
    m_removeAction->setVisible(removable);
    m_tableEditAction->setVisible(true);
    m_cutFramesAction->setVisible(type == AbstractTreeItem::LedStates);
    m_copyFramesAction->setVisible(type == AbstractTreeItem::LedStates);
    // Frames paste wherever commands can be appended.
    m_pasteFramesAction->setVisible(appendShown);
    m_sequenceSeparator->setVisible(sequences);
    m_importSequenceAction->setVisible(sequences);
    m_importAnimationAction->setVisible(sequences);
    m_exportSequenceAction->setVisible(sequences);
}
