#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class AbstractTreeItem;
class CommandTreeView;
class LedStatesCommand;

// The tree's frames to and from the outside: the clipboard (copy, cut,
// paste) and sequence files (import, export). It acts on the view's current
// item and selection, changes the tree through the view's edit path and
// reports in the view's status messages.
class FrameTransfers : public QObject
{
    Q_OBJECT

public:
    explicit FrameTransfers(CommandTreeView* view);
    ~FrameTransfers() override;

    void copyFrames();
    void cutFrames();
    void pasteFrames();
    void importSequence();
    void exportSequence();

private:
    // The selected frames in the order the tree shows them.
    QList<LedStatesCommand*> selectedFrames() const;
    // Whether the item is alive and still one of the tree's rows.
    bool holds(const QPointer<AbstractTreeItem>& container) const;
    void tell(const QString& text) const;

    CommandTreeView* m_view;
};
