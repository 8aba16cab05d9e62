#pragma once

#include "LedPanelTypes.h"
#include "kamdeldocument_export.h"

#include <QAbstractItemModel>
#include <QImage>

class AbstractTreeItem;
class DeviceItem;
class LedStatesCommand;

// Presents the command tree to the views; every structural edit goes through
// it so that the views learn of inserted and removed rows.
class KAMDELDOCUMENT_EXPORT CommandTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    // A frame's 1-based number among the frames of its list. The views show
    // it beside the name (the display text stays the item's name).
    static constexpr int FrameNumberRole = Qt::UserRole + 1;

    explicit CommandTreeModel(DeviceItem* device, QObject* parent = nullptr);
    ~CommandTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    AbstractTreeItem* root() const { return rootItem; }
    AbstractTreeItem* itemFromIndex(const QModelIndex& index) const;
    QModelIndex indexOf(AbstractTreeItem* item) const;

    static int frameNumber(const AbstractTreeItem* frame);
    static constexpr int FramePictureSize = 24;
    // The side the frame pictures are seen from, that of the board shown.
    eLedPanelSide pictureSide() const { return m_pictureSide; }
    void setPictureSide(eLedPanelSide side);

    // True when `item` lies in this model's tree (the root included).
    bool contains(const AbstractTreeItem* item) const;
    // True when `item` may be placed under `parent` (the root when null):
    // the parent is in this tree and the item is neither the root nor one of
    // the parent's ancestors. appendItem and insertItem ignore anything else.
    bool canInsert(const AbstractTreeItem* item, const AbstractTreeItem* parent) const;

    // An item that already stands elsewhere is moved: removed with the views
    // told, then inserted.
    void appendItem(AbstractTreeItem* item, AbstractTreeItem* parent);
    void insertItem(int row, AbstractTreeItem* item, AbstractTreeItem* parent);
    void removeItem(AbstractTreeItem* item);

private:
    void picturesChanged(const QModelIndex& parent);
    QImage framePicture(const LedStatesCommand* frame) const;

    AbstractTreeItem* rootItem;
    eLedPanelSide m_pictureSide = Top;
};
