#pragma once

#include "kamdeldocument_export.h"

#include <QPointer>
#include <QStyledItemDelegate>

class QSpinBox;

// Edits one LED cell with a spin box that offers only 0 and 1.
class KAMDELDOCUMENT_EXPORT SpinBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit SpinBoxDelegate(QObject* parent = nullptr);
    ~SpinBoxDelegate() override;

    QWidget* createEditor(
        QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(
        QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The spin box created last; null once the view has released it.
    QSpinBox* currentEditor() const;

private:
    mutable QPointer<QSpinBox> m_editor;
};
