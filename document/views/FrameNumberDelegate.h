#pragma once

#include "kamdeldocument_export.h"

#include <QStyledItemDelegate>

// Shows a frame's number before its name, leaving the name itself as it is.
class KAMDELDOCUMENT_EXPORT FrameNumberDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit FrameNumberDelegate(QObject* parent = nullptr);
    ~FrameNumberDelegate() override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
