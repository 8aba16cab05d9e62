#include "SpinBoxDelegate.h"

#include "LedPanelTableModel.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QSpinBox>

namespace {
// A colour the model answers for a role, as a colour or as a brush.
bool roleColor(const QModelIndex& index, int role, QColor* color)
{
    const QVariant value = index.data(role);
    if (value.userType() == QMetaType::QColor)
        *color = value.value<QColor>();
    else if (value.userType() == QMetaType::QBrush)
        *color = value.value<QBrush>().color();
    else
        return false;
    return true;
}
} // namespace

SpinBoxDelegate::SpinBoxDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

SpinBoxDelegate::~SpinBoxDelegate() = default;

QWidget* SpinBoxDelegate::createEditor(
    QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    auto* spinBox = new QSpinBox(parent);
    m_editor = spinBox;
    spinBox->setFrame(false);
    // The cells are narrow: arrows would cover the digit being typed. The
    // arrow keys still step the value.
    spinBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spinBox->setMinimum(0);
    spinBox->setMaximum(1);

    // Blend into the row behind the editor.
    QPalette palette = spinBox->palette();
    const QPalette::ColorRole baseRole = index.row() % 2 ? QPalette::Base : QPalette::AlternateBase;
    palette.setBrush(
        QPalette::Base, QBrush(option.palette.color(option.palette.currentColorGroup(), baseRole)));

    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    if (alignment.isValid())
        spinBox->setAlignment(Qt::Alignment(alignment.toInt()));
    QColor color;
    if (roleColor(index, Qt::ForegroundRole, &color))
        palette.setBrush(spinBox->foregroundRole(), QBrush(color));
    // A lit cell stays yellow while it is edited.
    if (roleColor(index, Qt::BackgroundRole, &color))
        palette.setBrush(spinBox->backgroundRole(), QBrush(color));
    spinBox->setPalette(palette);
    return spinBox;
}

void SpinBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    // A stronger line where one frame's rows end and the next frame's begin.
    const auto* table = qobject_cast<const LedPanelTableModel*>(index.model());
    const int rows = table ? table->rowsPerFrame() : 0;
    if (rows <= 0 || (index.row() + 1) % rows != 0 || index.row() + 1 >= table->rowCount())
        return;
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::WindowText), 2));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}

void SpinBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The editor handed in rather than the one kept: the view may already
    // have released the kept one.
    if (auto* spinBox = qobject_cast<QSpinBox*>(editor))
        spinBox->setValue(index.data(Qt::EditRole).toInt());
}

void SpinBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* spinBox = qobject_cast<QSpinBox*>(editor);
    if (!spinBox || !model)
        return;
    spinBox->interpretText();
    model->setData(index, spinBox->value(), Qt::EditRole);
}

void SpinBoxDelegate::updateEditorGeometry(
    QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

QSpinBox* SpinBoxDelegate::currentEditor() const
{
    return m_editor.data();
}
