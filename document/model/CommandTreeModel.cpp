#include "CommandTreeModel.h"

#include "DeviceItem.h"
#include "FramePicture.h"
#include "LedStatesCommand.h"

#include <QGuiApplication>

CommandTreeModel::CommandTreeModel(DeviceItem* device, QObject* parent)
    : QAbstractItemModel(parent)
    // The root dies with the document, not with the model; a model without a
    // parent keeps it itself so that the tree is never leaked.
    , rootItem(new AbstractTreeItem(parent ? parent : this))
{
    appendItem(device, rootItem);
}

CommandTreeModel::~CommandTreeModel() = default;

AbstractTreeItem* CommandTreeModel::itemFromIndex(const QModelIndex& index) const
{
    if (!index.isValid())
        return rootItem;
    return static_cast<AbstractTreeItem*>(index.internalPointer());
}

QModelIndex CommandTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    AbstractTreeItem* child = itemFromIndex(parent)->child(row);
    return child ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex CommandTreeModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return QModelIndex();
    AbstractTreeItem* parent = itemFromIndex(index)->parentItem();
    if (!parent || parent == rootItem)
        return QModelIndex();
    return createIndex(parent->row(), 0, parent);
}

int CommandTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return itemFromIndex(parent)->childCount();
}

int CommandTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QImage CommandTreeModel::framePicture(const LedStatesCommand* frame) const
{
    // At the screen's density, so that the dots stay round at 200 %.
    // Programs without a display run on a plain QCoreApplication.
    const auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const qreal density = gui ? gui->devicePixelRatio() : 1.0;
    QImage picture = FramePicture::render(frame, qRound(FramePictureSize * density), m_pictureSide);
    picture.setDevicePixelRatio(density);
    return picture;
}

QVariant CommandTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    AbstractTreeItem* item = itemFromIndex(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return item->data(index.column());
    case FrameNumberRole:
        if (item->type() == AbstractTreeItem::LedStates)
            return frameNumber(item);
        return QVariant();
    case Qt::DecorationRole:
        if (item->type() == AbstractTreeItem::LedStates)
            return framePicture(static_cast<LedStatesCommand*>(item));
        return QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

bool CommandTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    return itemFromIndex(index)->setData(index.column(), value);
}

Qt::ItemFlags CommandTreeModel::flags(const QModelIndex& index) const
{
    return QAbstractItemModel::flags(index);
}

void CommandTreeModel::setPictureSide(eLedPanelSide side)
{
    if (side == m_pictureSide)
        return;
    m_pictureSide = side;
    picturesChanged(QModelIndex());
}

void CommandTreeModel::picturesChanged(const QModelIndex& parent)
{
    const int rows = rowCount(parent);
    if (rows == 0)
        return;
    emit dataChanged(index(0, 0, parent), index(rows - 1, 0, parent), { Qt::DecorationRole });
    for (int row = 0; row < rows; ++row)
        picturesChanged(index(row, 0, parent));
}

int CommandTreeModel::frameNumber(const AbstractTreeItem* frame)
{
    int number = 0;
    for (const AbstractTreeItem* sibling : frame->parentItem()->children()) {
        if (sibling->type() == AbstractTreeItem::LedStates)
            ++number;
        if (sibling == frame)
            break;
    }
    return number;
}

QModelIndex CommandTreeModel::indexOf(AbstractTreeItem* item) const
{
    if (!item || item == rootItem)
        return QModelIndex();
    return createIndex(item->row(), 0, item);
}

bool CommandTreeModel::contains(const AbstractTreeItem* item) const
{
    for (; item; item = item->parentItem()) {
        if (item == rootItem)
            return true;
    }
    return false;
}

bool CommandTreeModel::canInsert(const AbstractTreeItem* item, const AbstractTreeItem* parent) const
{
    if (!parent)
        parent = rootItem;
    return item && item != rootItem && contains(parent) && parent->canAdopt(item);
}

void CommandTreeModel::appendItem(AbstractTreeItem* item, AbstractTreeItem* parent)
{
    if (!parent)
        parent = rootItem;
    if (!canInsert(item, parent))
        return;
    // An item that still stands somewhere else leaves that place first, with
    // the views told; the row is taken afterwards.
    removeItem(item);
    const int row = parent->childCount();
    beginInsertRows(indexOf(parent), row, row);
    parent->appendChild(item);
    endInsertRows();
}

void CommandTreeModel::insertItem(int row, AbstractTreeItem* item, AbstractTreeItem* parent)
{
    if (!parent)
        parent = rootItem;
    if (!canInsert(item, parent))
        return;
    removeItem(item);
    row = qBound(0, row, parent->childCount());
    beginInsertRows(indexOf(parent), row, row);
    parent->insertChild(row, item);
    endInsertRows();
}

void CommandTreeModel::removeItem(AbstractTreeItem* item)
{
    AbstractTreeItem* parent = item ? item->parentItem() : nullptr;
    if (!parent)
        return;
    if (!contains(parent)) {
        // Not one of our rows: nothing for the views to hear about.
        parent->removeChild(item);
        return;
    }
    const int row = item->row();
    beginRemoveRows(indexOf(parent), row, row);
    parent->removeChild(item);
    endRemoveRows();
}
