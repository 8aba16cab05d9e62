#include "FrameTransfers.h"

#include "AbstractDocument.h"
#include "CommandTreeView.h"
#include "LaneBlock.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/MessageBoxes.h"
#include "edits/DocumentEdits.h"
#include "formats/SequenceFile.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMimeData>

#include <algorithm>
#include <memory>

namespace {

const QString SequenceFiles = QStringLiteral("Sequences");

// The columns of a sequence without frames: one per LED of the panel.
int ledCountFor(const AbstractTreeItem* item)
{
    const DeviceItem* device = item ? item->deviceItem() : nullptr;
    return device && device->ledCount() > 0 ? device->ledCount() : LedStatesCommand::LedCount;
}

// The file of the document showing `widget`: an export must not write over it.
QString documentFileOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const auto* document = qobject_cast<const AbstractDocument*>(widget))
            return document->filePath();
    }
    return QString();
}

} // namespace

FrameTransfers::FrameTransfers(CommandTreeView* view)
    : QObject(view)
    , m_view(view)
{
}

FrameTransfers::~FrameTransfers() = default;

void FrameTransfers::tell(const QString& text) const
{
    emit m_view->showMessage(text, 5000);
}

bool FrameTransfers::holds(const QPointer<AbstractTreeItem>& container) const
{
    return container && m_view->treeModel() && m_view->treeModel()->contains(container.data());
}

QList<LedStatesCommand*> FrameTransfers::selectedFrames() const
{
    // The rows from the top down to each frame give the order the tree
    // shows them in; the selection keeps the order of the clicks.
    QList<QPair<QVector<int>, LedStatesCommand*>> frames;
    const QModelIndexList rows = m_view->selectionModel()->selectedRows(0);
    for (const QModelIndex& index : rows) {
        auto* frame = qobject_cast<LedStatesCommand*>(m_view->itemAt(index));
        if (!frame)
            continue;
        QVector<int> path;
        for (const AbstractTreeItem* item = frame; item->parentItem(); item = item->parentItem())
            path.prepend(item->row());
        frames.append({ path, frame });
    }
    std::sort(frames.begin(), frames.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<LedStatesCommand*> result;
    for (const auto& frame : qAsConst(frames))
        result.append(frame.second);
    return result;
}

void FrameTransfers::copyFrames()
{
    const QList<LedStatesCommand*> frames = selectedFrames();
    if (frames.isEmpty()) {
        tell(tr("Select the LED frames to copy."));
        return;
    }
    auto data = std::make_unique<QMimeData>();
    const QString text = SequenceFile::framesText(frames, ledCountFor(frames.first()));
    data->setText(text);
    data->setData(QStringLiteral("text/csv"), text.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data.release());
    tell(tr("Copied %1 LED frames.").arg(frames.size()));
}

void FrameTransfers::cutFrames()
{
    if (!m_view->edits() || !m_view->treeModel())
        return;
    const QList<LedStatesCommand*> frames = selectedFrames();
    copyFrames();
    if (!frames.isEmpty())
        m_view->removeItems({ frames.begin(), frames.end() }, tr("Cut %1 Frames").arg(frames.size()));
}

void FrameTransfers::pasteFrames()
{
    AbstractTreeItem* current = m_view->currentItem();
    AbstractTreeItem* container = current ? current->commandList() : nullptr;
    if (!container || !m_view->edits())
        return;
    // A block from the ring lanes comes as whole frames: its text has no
    // header line of LED numbers for the sequence reader to skip.
    const LaneBlock block = LaneBlock::fromMimeData(QGuiApplication::clipboard()->mimeData());
    QVector<QVector<int>> values = block.frameValues();
    if (block.isEmpty()
        && !SequenceFile::readFramesText(
            QGuiApplication::clipboard()->text(), ledCountFor(container), &values)) {
        tell(tr("The clipboard holds no LED frames."));
        return;
    }
    const int row = current->isCommand() ? current->row() + 1 : container->childCount();
    const QList<LedStatesCommand*> pasted = m_view->edits()->insertFrames(
        container, row, values.toList(), tr("Paste %1 Frames").arg(values.size()));
    if (pasted.isEmpty())
        return;
    m_view->expand(m_view->treeModel()->indexOf(container));
    m_view->setCurrentItem(pasted.last());
    tell(tr("Pasted %1 LED frames.").arg(pasted.size()));
}

void FrameTransfers::importSequence()
{
    AbstractTreeItem* current = m_view->currentItem();
    QPointer<AbstractTreeItem> container = current ? current->frameList() : nullptr;
    if (!holds(container) || !m_view->edits())
        return;
    const QString fileName = FileDialogs::getOpenFileName(
        m_view, tr("Import sequence"), SequenceFiles, SequenceFile::fileDialogFilter(), QString());
    // The dialog ran an event loop: the list may have gone meanwhile.
    if (fileName.isEmpty() || !holds(container) || !m_view->edits())
        return;

    QString error;
    const int rows
        = SequenceFile::importFrames(container, ledCountFor(container), fileName, m_view->edits(), &error);
    const QString shownName = QDir::toNativeSeparators(fileName);
    if (rows < 0) {
        MessageBoxes::warning(m_view, QCoreApplication::applicationName(), error);
        return;
    }
    if (rows == 0) {
        tell(tr("No LED frames found in %1.").arg(shownName));
        return;
    }
    if (container && m_view->treeModel())
        m_view->expand(m_view->treeModel()->indexOf(container));
    tell(tr("Imported %1 LED frames from %2.").arg(rows).arg(shownName));
}

void FrameTransfers::exportSequence()
{
    AbstractTreeItem* current = m_view->currentItem();
    QPointer<AbstractTreeItem> container = current ? current->frameList() : nullptr;
    if (!holds(container))
        return;
    const QString fileName = FileDialogs::getSaveFileName(
        m_view, tr("Export sequence"), SequenceFiles, SequenceFile::fileDialogFilter(), QString());
    if (fileName.isEmpty() || !holds(container))
        return;

    const QList<LedStatesCommand*> frames = SequenceFile::frames(container);
    QString error;
    if (!SequenceFile::exportFrames(
            frames, ledCountFor(container), fileName, &error, documentFileOf(m_view))) {
        MessageBoxes::warning(m_view, QCoreApplication::applicationName(), error);
        return;
    }
    tell(tr("Exported %1 LED frames to %2.").arg(frames.size()).arg(QDir::toNativeSeparators(fileName)));
}
