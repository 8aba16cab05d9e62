#include "FrameNumberDelegate.h"

#include "model/CommandTreeModel.h"

FrameNumberDelegate::FrameNumberDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

FrameNumberDelegate::~FrameNumberDelegate() = default;

void FrameNumberDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant number = index.data(CommandTreeModel::FrameNumberRole);
    if (number.isValid())
        option->text = tr("#%1 %2").arg(number.toInt()).arg(option->text);
}
