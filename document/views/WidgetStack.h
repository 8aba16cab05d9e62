#pragma once

#include "edits/DocumentEdits.h"
#include "kamdeldocument_export.h"
#include "model/AbstractTreeItem.h"
#include "model/LedStatesCommand.h"

#include <QList>
#include <QPointer>
#include <QStackedWidget>

class CallWidget;
class DeviceWidget;
class FunctionWidget;
class LedPanelTableView;
class LedPanelView;
class ProgramWidget;
class ResetWidget;
class ReturnWidget;
class StopWidget;

// The pane beside the command tree: the board with the frame in effect for
// the current item, the device summary, a placeholder for the other kinds of
// item, or the LED table chosen with "Edit as table".
class KAMDELDOCUMENT_EXPORT WidgetStack : public QStackedWidget
{
    Q_OBJECT

public:
    enum Page
    {
        EmptyPage,
        DevicePage,
        ProgramPage,
        FunctionPage,
        CallPage,
        ReturnPage,
        ResetPage,
        StopPage,
        LedPanelPage,
        TablePage,
    };

    explicit WidgetStack(QWidget* parent = nullptr);
    ~WidgetStack() override;

    // The document's edit path: the table page edits through it, and the
    // stack hears of removed items there and lets go of them before they are
    // freed.
    void setEdits(DocumentEdits* edits);

    Q_INVOKABLE LedPanelView* ledPanelView() const { return m_ledPanelView; }
    LedPanelTableView* tableView() const { return m_tableView; }
    DeviceWidget* deviceWidget() const { return m_deviceWidget; }

    // The frame last handed to the board, while it is in the tree.
    LedStatesCommand* shownFrame() const;

    // The LED frame whose state holds at `item`: the item itself when it is a
    // frame; for a Return, Reset or Stop the nearest frame before it in the
    // same list; otherwise none.
    static LedStatesCommand* frameInEffect(const AbstractTreeItem* item);

    // The playback speed the program page gives the program's length at.
    void setFramesPerSecond(int framesPerSecond);

public slots:
    void setCurrentItem(AbstractTreeItem* item);
    void setTableEditor(QList<LedStatesCommand*> items);
    // The side the board is seen from, which orders the lanes' columns.
    void setBoardSide(eLedPanelSide side);

signals:
    // A row of the ring lanes was clicked: the tree makes its item current.
    void itemChosen(AbstractTreeItem* item);

private:
    void showFrame(LedStatesCommand* frame);
    void forgetBoard();
    void itemsAboutToBeRemoved(const QList<AbstractTreeItem*>& items);
    void edited();

    DeviceWidget* m_deviceWidget;
    ProgramWidget* m_programWidget;
    FunctionWidget* m_functionWidget;
    CallWidget* m_callWidget;
    ReturnWidget* m_returnWidget;
    ResetWidget* m_resetWidget;
    StopWidget* m_stopWidget;
    LedPanelView* m_ledPanelView;
    LedPanelTableView* m_tableView;

    QPointer<DocumentEdits> m_edits;
    QPointer<AbstractTreeItem> m_currentItem;
    QList<QPointer<LedStatesCommand>> m_tableFrames;
    QPointer<LedStatesCommand> m_boardFrame;
    // The board lets go of its frame whenever it is not shown, so that its
    // LEDs never hold cells of a frame that may be freed meanwhile.
    bool m_boardBlank = true;
    bool m_removalPending = false;
    bool m_structurePending = false;
};
