#pragma once

#include "kamdeldocument_export.h"

#include <QMenu>

class AbstractTreeItem;
class CommandTreeView;
class QAction;

// The command tree's context menu. Its entries depend on the kind of item
// under the cursor; every entry calls the slot of the same name on the view.
class KAMDELDOCUMENT_EXPORT CommandTreeMenu : public QMenu
{
    Q_OBJECT

public:
    // The commands that stand once under "Append" and once under "Insert".
    enum Command { Collection, LedState, LedStates, Call, Return, Reset, Stop, CommandCount };

    explicit CommandTreeMenu(CommandTreeView* view);
    ~CommandTreeMenu() override;

    CommandTreeView* view() const { return m_view; }

    QMenu* appendMenu() const { return m_appendMenu; }
    QMenu* insertMenu() const { return m_insertMenu; }
    QAction* appendAction(Command command) const;
    QAction* insertAction(Command command) const;
    QAction* tableEditAction() const { return m_tableEditAction; }
    QAction* removeAction() const { return m_removeAction; }
    QAction* cutFramesAction() const { return m_cutFramesAction; }
    QAction* copyFramesAction() const { return m_copyFramesAction; }
    QAction* pasteFramesAction() const { return m_pasteFramesAction; }
    QAction* importSequenceAction() const { return m_importSequenceAction; }
    QAction* exportSequenceAction() const { return m_exportSequenceAction; }
    // Shown with the sequence entries; the window that hosts the document
    // binds it to its animation import.
    QAction* importAnimationAction() const { return m_importAnimationAction; }

    // Whether "Reset" is offered under "Append"; the panel types allow it.
    bool resetAllowed() const { return m_resetAllowed; }
    void setResetAllowed(bool allowed) { m_resetAllowed = allowed; }

    // Shows and hides the entries for a right click on `item`.
    void prepare(const AbstractTreeItem* item);

private:
    void addCommands(QMenu* menu, QAction** actions, const QList<void (CommandTreeView::*)()>& targets);
    void showCommands(QAction* const* actions, bool ledStates, bool reset);

    CommandTreeView* m_view;
    QMenu* m_appendMenu;
    QMenu* m_insertMenu;
    QAction* m_appendActions[CommandCount] = {};
    QAction* m_insertActions[CommandCount] = {};
    QAction* m_tableEditAction = nullptr;
    QAction* m_removeAction = nullptr;
    QAction* m_cutFramesAction = nullptr;
    QAction* m_copyFramesAction = nullptr;
    QAction* m_pasteFramesAction = nullptr;
    QAction* m_sequenceSeparator = nullptr;
    QAction* m_importSequenceAction = nullptr;
    QAction* m_exportSequenceAction = nullptr;
    QAction* m_importAnimationAction = nullptr;
    bool m_resetAllowed = false;
};
