#include "LedPanelTableView.h"

#include "AbstractLedPanelScene.h"
#include "LedPanelTableModel.h"
#include "SpinBoxDelegate.h"
#include "dialogs/MessageBoxes.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QHeaderView>
#include <QItemSelection>
#include <QMenu>
#include <QStatusTipEvent>

#include <algorithm>

namespace {
constexpr int ColumnWidth = 20;

bool allEqual(const QHash<int, int>& counts)
{
    const auto first = counts.cbegin();
    return std::all_of(first, counts.cend(), [&first](int count) { return count == first.value(); });
}
} // namespace

LedPanelTableView::LedPanelTableView(QWidget* parent)
    : QTableView(parent)
    , m_model(std::make_unique<LedPanelTableModel>())
    , m_menu(new QMenu(this))
    , m_cutAction(new QAction(QObject::tr("Cut"), this))
    , m_copyAction(new QAction(QObject::tr("Copy"), this))
    , m_pasteAction(new QAction(QObject::tr("Paste"), this))
    , m_deleteAction(new QAction(QObject::tr("Delete"), this))
    , m_delegate(new SpinBoxDelegate(this))
{
    m_menu->addAction(m_cutAction);
    m_menu->addAction(m_copyAction);
    m_menu->addAction(m_pasteAction);
    m_menu->addAction(m_deleteAction);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &LedPanelTableView::customMenuRequested);
    connect(m_cutAction, &QAction::triggered, this, &LedPanelTableView::cutData);
    connect(m_copyAction, &QAction::triggered, this, &LedPanelTableView::copyData);
    connect(m_pasteAction, &QAction::triggered, this, &LedPanelTableView::pasteData);
    connect(m_deleteAction, &QAction::triggered, this, &LedPanelTableView::deleteData);

    setModel(m_model.get());
    setItemDelegate(m_delegate);
    // Large fonts raise the header's minimum above the narrow LED columns.
    horizontalHeader()->setMinimumSectionSize(ColumnWidth);
    // A reset forgets the column widths; frames come and go by resets.
    connect(m_model.get(), &QAbstractItemModel::modelReset, this, &LedPanelTableView::applyColumnWidths);
    connect(this, &QAbstractItemView::clicked, this, &LedPanelTableView::showCellPlace);
    connect(verticalHeader(), &QHeaderView::sectionClicked, this, &LedPanelTableView::showRowRing);
}

LedPanelTableView::~LedPanelTableView() = default;

void LedPanelTableView::setFrames(const QList<LedStatesCommand*>& frames)
{
    m_model->setFrames(frames);
}

void LedPanelTableView::clearFrames()
{
    m_model->clearFrames();
}

void LedPanelTableView::setFrameLayout(int rowsPerFrame, int ledsPerRow)
{
    m_model->setFrameLayout(rowsPerFrame, ledsPerRow);
}

LedPanelTableModel* LedPanelTableView::tableModel() const
{
    return m_model.get();
}

void LedPanelTableView::setEdits(DocumentEdits* edits)
{
    m_model->setEdits(edits);
}

bool LedPanelTableView::isUniformSelection(const QModelIndexList& indexes)
{
    QHash<int, int> perRow;
    QHash<int, int> perColumn;
    for (const QModelIndex& index : indexes) {
        ++perRow[index.row()];
        ++perColumn[index.column()];
    }
    return allEqual(perRow) && allEqual(perColumn);
}

void LedPanelTableView::customMenuRequested(QPoint pos)
{
    m_menu->popup(viewport()->mapToGlobal(pos));
}

void LedPanelTableView::cutData()
{
    if (!acceptSelection(sortedSelection(), tr("Cut cannot used this kind of multiple selection.")))
        return;
    copyData();
    deleteData();
}

void LedPanelTableView::copyData()
{
    const QModelIndexList selected = sortedSelection();
    if (selected.isEmpty())
        return;
    if (!acceptSelection(selected, tr("Copy cannot used this kind of multiple selection.")))
        return;

    QString text = selected.first().data(Qt::DisplayRole).toString();
    for (int i = 1; i < selected.count(); ++i) {
        text += selected.at(i).row() == selected.at(i - 1).row() ? QLatin1Char('\t') : QLatin1Char('\n');
        text += selected.at(i).data(Qt::DisplayRole).toString();
    }
    text += QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void LedPanelTableView::pasteData()
{
    QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (text.isEmpty())
        return;
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);

    const QModelIndexList selected = sortedSelection();
    if (selected.isEmpty())
        return;
    if (!acceptSelection(selected, tr("Paste cannot used this kind of multiple selection.")))
        return;

    text.remove(QLatin1Char('\r'));
    Block block;
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    block.reserve(lines.count());
    for (const QString& line : lines)
        block.append(line.split(QLatin1Char('\t'), Qt::KeepEmptyParts));
    foldFrames(block);

    if (selected.count() == 1)
        pasteBlockAt(selected.first(), block);
    else
        fillSelection(selected, block);
}

void LedPanelTableView::deleteData()
{
    if (!selectionModel())
        return;
    const QModelIndexList selected = selectedIndexes();
    if (selected.isEmpty())
        return;
    m_model->setValues(selected, QVector<QVariant>(selected.count(), QVariant(QString())));
}

void LedPanelTableView::foldFrames(Block& block) const
{
    // Lines of a whole frame each (as the ring lanes copy them) fill the
    // frame's rows, one ring after the other.
    const int rows = m_model->rowsPerFrame();
    const int columns = m_model->ledsPerRow();
    const bool wholeFrames = rows > 1
        && std::all_of(block.cbegin(), block.cend(),
            [rows, columns](const QStringList& line) { return line.size() == rows * columns; });
    if (!wholeFrames)
        return;
    Block folded;
    for (const QStringList& line : qAsConst(block)) {
        for (int row = 0; row < rows; ++row)
            folded.append(line.mid(row * columns, columns));
    }
    block = folded;
}

QModelIndexList LedPanelTableView::sortedSelection() const
{
    if (!selectionModel())
        return {};
    QModelIndexList selected = selectedIndexes();
    std::sort(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    return selected;
}

bool LedPanelTableView::acceptSelection(const QModelIndexList& sorted, const QString& refusal) const
{
    if (isUniformSelection(sorted))
        return true;
    MessageBoxes::warning(window(), tr("Error"), refusal, QMessageBox::Ok);
    return false;
}

void LedPanelTableView::pasteBlockAt(const QModelIndex& topLeft, const Block& block)
{
    QModelIndexList targets;
    QVector<QVariant> values;
    QItemSelection pasted;
    for (int r = 0; r < block.count(); ++r) {
        const QStringList& cells = block.at(r);
        QModelIndex first;
        QModelIndex last;
        for (int c = 0; c < cells.count(); ++c) {
            const QModelIndex index = m_model->index(topLeft.row() + r, topLeft.column() + c);
            if (!index.isValid())
                continue;
            targets.append(index);
            values.append(cells.at(c));
            if (!first.isValid())
                first = index;
            last = index;
        }
        // The cells of one line that land in the table are contiguous.
        if (first.isValid())
            pasted.select(first, last);
    }
    m_model->setValues(targets, values);
    selectionModel()->select(pasted, QItemSelectionModel::Select);
}

void LedPanelTableView::fillSelection(const QModelIndexList& sorted, const Block& block)
{
    // The block repeats along each selected row and down the rows, so one
    // copied value fills the whole selection.
    QVector<QVariant> values;
    values.reserve(sorted.count());
    int r = 0;
    int c = 0;
    for (int i = 0; i < sorted.count(); ++i) {
        if (i > 0 && sorted.at(i).row() != sorted.at(i - 1).row()) {
            r = (r + 1) % block.count();
            c = 0;
        }
        const QStringList& line = block.at(r);
        values.append(line.at(c));
        c = (c + 1) % line.count();
    }
    m_model->setValues(sorted, values);
}

void LedPanelTableView::applyColumnWidths()
{
    const int columns = std::min(m_model->ledsPerRow(), m_model->columnCount());
    for (int column = 0; column < columns; ++column)
        setColumnWidth(column, ColumnWidth);
}

void LedPanelTableView::showCellPlace(const QModelIndex& index)
{
    const int rows = m_model->rowsPerFrame();
    if (index.isValid() && rows > 0)
        showStatusTip(AbstractLedPanelScene::placeLabel(index.row() % rows, index.column()));
}

void LedPanelTableView::showRowRing(int row)
{
    const int rows = m_model->rowsPerFrame();
    if (row >= 0 && rows > 0)
        showStatusTip(AbstractLedPanelScene::ringLabel(row % rows));
}

void LedPanelTableView::showStatusTip(const QString& text)
{
    // The window's status bar shows it, as it does the board's.
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(this, &tip);
}
