#pragma once

#include "edits/DocumentEdits.h"
#include "kamdeldocument_export.h"

#include <QList>
#include <QPointer>
#include <QTreeView>

#include <functional>
#include <memory>

class AbstractTreeItem;
class CommandTreeMenu;
class FrameTransfers;
class CommandTreeModel;
class LedStatesCommand;

// The document's command tree. Its context menu adds and removes commands;
// every change goes through the document's edit path (setEdits), so that the
// document is marked modified and the other views hear of removed items.
class KAMDELDOCUMENT_EXPORT CommandTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit CommandTreeView(QWidget* parent = nullptr);
    ~CommandTreeView() override;

    CommandTreeModel* treeModel() const;
    CommandTreeMenu* menu() const { return m_menu; }

    // Without an edit path the editing slots do nothing.
    void setEdits(DocumentEdits* edits);
    DocumentEdits* edits() const { return m_edits; }

    AbstractTreeItem* currentItem() const;
    AbstractTreeItem* itemAt(const QModelIndex& index) const;
    // Makes `item` the current and only selected row.
    void setCurrentItem(AbstractTreeItem* item);
    // Opens every branch and makes the first frame current, so that the
    // board shows it; false when the tree holds no frame.
    bool selectFirstFrame();
    // Takes the items out as one step named `text` (no step of its own when
    // empty), moving the current row to a survivor first.
    void removeItems(const QList<AbstractTreeItem*>& items, const QString& text);
    // Wide enough for a frame's picture and a label up to "#300 Leds" in a
    // program, without cutting it short.
    int frameLabelWidth() const;

signals:
    void showMessage(const QString& text, int timeout = 2000);
    void currentItemChanged(AbstractTreeItem* item);
    void setLedPanelTable(QList<LedStatesCommand*> items);

public slots:
    void customMenuRequested(QPoint pos);
    void appendCollection();
    void insertCollection();
    void appendLedState();
    void insertLedState();
    void appendLedStates();
    void insertLedStates();
    void appendCall();
    void insertCall();
    void appendReturn();
    void insertReturn();
    void appendReset();
    void insertReset();
    void appendStop();
    void insertStop();
    void removeItem();
    // Sequence files of the current program or collection; a frame stands
    // for the list it belongs to.
    void importSequence();
    void exportSequence();
    void tableEdit();
    // Whole frames through the clipboard, as sequence-file text. Paste puts
    // the frames after the current command, or at the end of the current
    // program or collection; each of Cut and Paste is one step of the history.
    void copyFrames();
    void cutFrames();
    void pasteFrames();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void appendCommand(int type);
    void insertCommand(int type);
    void addFrames(bool insert);
    bool askCount(const QString& title, int* count);
    // Hands the item to the tree at `row` of `parent` (at its end for -1);
    // null when the tree refuses it.
    AbstractTreeItem* place(std::unique_ptr<AbstractTreeItem> item, AbstractTreeItem* parent, int row = -1);
    void makeCurrent(AbstractTreeItem* item);

    CommandTreeMenu* m_menu;
    FrameTransfers* m_transfers;
    QPointer<DocumentEdits> m_edits;
};
