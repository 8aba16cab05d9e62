#include "FrameEditor.h"

#include "AbstractLedPanelScene.h"
#include "CommandTreeModel.h"
#include "CommandTreeView.h"
#include "DocumentEdits.h"
#include "FrameTools.h"
#include "GenerateSpinDialog.h"
#include "LedCell.h"
#include "LedStatesCommand.h"

#include <QAction>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QSet>

namespace {

FrameEditor::SpinQuestion& spinQuestion()
{
    static FrameEditor::SpinQuestion question;
    return question;
}

QVector<int> valuesOf(const LedStatesCommand* frame)
{
    QVector<int> values;
    values.reserve(frame->leds().size());
    for (const LedCell* cell : frame->leds())
        values.append(cell->value());
    return values;
}

// A frame outside the tree with the given values, for the history to place.
LedStatesCommand* newFrame(const QVector<int>& values, const QString& name)
{
    auto* frame = new LedStatesCommand;
    if (!name.isEmpty())
        frame->setName(name);
    const QVector<LedCell*>& cells = frame->leds();
    for (int k = 0; k < cells.size() && k < values.size(); ++k)
        cells.at(k)->setValue(values.at(k));
    return frame;
}

void collectFrames(const AbstractTreeItem* item, const QSet<const AbstractTreeItem*>& selected,
    QList<LedStatesCommand*>* frames)
{
    for (AbstractTreeItem* child : item->children()) {
        if (child->type() == AbstractTreeItem::LedStates && selected.contains(child))
            frames->append(static_cast<LedStatesCommand*>(child));
        collectFrames(child, selected, frames);
    }
}

} // namespace

const QVector<FrameEditor::Tool>& FrameEditor::tools()
{
    static const QVector<Tool> list {
        { "action_FrameAdd", QT_TR_NOOP("Add frame"), QKeySequence(Qt::Key_Insert), &FrameEditor::addFrame },
        { nullptr, nullptr, QKeySequence(), nullptr },
        { "action_FrameClear", QT_TR_NOOP("Clear"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
            &FrameEditor::clearFrames },
        { "action_FrameFill", QT_TR_NOOP("Fill"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
            &FrameEditor::fillFrames },
        { "action_FrameInvert", QT_TR_NOOP("Invert"), QKeySequence(Qt::CTRL | Qt::Key_I),
            &FrameEditor::invertFrames },
        { nullptr, nullptr, QKeySequence(), nullptr },
        { "action_FrameRotateClockwise", QT_TR_NOOP("Rotate clockwise"),
            QKeySequence(Qt::CTRL | Qt::Key_BracketRight), &FrameEditor::rotateClockwise },
        { "action_FrameRotateCounterClockwise", QT_TR_NOOP("Rotate counter-clockwise"),
            QKeySequence(Qt::CTRL | Qt::Key_BracketLeft), &FrameEditor::rotateCounterClockwise },
        { "action_FrameMirrorLeftRight", QT_TR_NOOP("Mirror left-right"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H), &FrameEditor::mirrorLeftRight },
        { "action_FrameMirrorTopBottom", QT_TR_NOOP("Mirror top-bottom"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J), &FrameEditor::mirrorTopBottom },
        { "action_FrameRingsOutward", QT_TR_NOOP("Rings outward"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up), &FrameEditor::ringsOutward },
        { "action_FrameRingsInward", QT_TR_NOOP("Rings inward"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down), &FrameEditor::ringsInward },
        { nullptr, nullptr, QKeySequence(), nullptr },
        { "action_FrameDuplicate", QT_TR_NOOP("Duplicate"), QKeySequence(Qt::CTRL | Qt::Key_D),
            &FrameEditor::duplicateFrames },
        { "action_FrameGenerateSpin", QT_TR_NOOP("Generate spin..."),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), &FrameEditor::generateSpin },
    };
    return list;
}

FrameEditor::SpinQuestion FrameEditor::setSpinQuestion(SpinQuestion question)
{
    return std::exchange(spinQuestion(), std::move(question));
}

FrameEditor::FrameEditor(DocumentEdits* edits, CommandTreeView* tree, QObject* parent)
    : QObject(parent)
    , m_edits(edits)
    , m_tree(tree)
{
}

FrameEditor::~FrameEditor() = default;

void FrameEditor::setScene(AbstractLedPanelScene* scene)
{
    m_scene = scene;
}

QList<QAction*> FrameEditor::createActions(QObject* parent, bool withShortcuts)
{
    QList<QAction*> actions;
    for (const Tool& tool : tools()) {
        auto* action = new QAction(parent);
        if (!tool.slot) {
            action->setSeparator(true);
        } else {
            action->setText(tr(tool.text));
            action->setObjectName(QLatin1String(tool.objectName));
            if (withShortcuts)
                action->setShortcut(tool.shortcut);
            connect(action, &QAction::triggered, this, tool.slot);
        }
        actions.append(action);
    }
    return actions;
}

LedStatesCommand* FrameEditor::shownFrame() const
{
    return m_scene ? m_scene->shownFrame() : nullptr;
}

QList<LedStatesCommand*> FrameEditor::targetFrames() const
{
    QList<LedStatesCommand*> frames;
    if (m_tree && m_tree->selectionModel() && m_edits) {
        QSet<const AbstractTreeItem*> selected;
        for (const QModelIndex& index : m_tree->selectionModel()->selectedRows(0))
            selected.insert(m_tree->itemAt(index));
        // Tree order, whatever order the rows were picked in.
        if (!selected.isEmpty())
            collectFrames(m_edits->model()->root(), selected, &frames);
    }
    if (frames.isEmpty()) {
        if (LedStatesCommand* shown = shownFrame())
            frames.append(shown);
    }
    return frames;
}

void FrameEditor::transform(const QString& text, const std::function<QVector<int>(const QVector<int>&)>& tool)
{
    if (!m_edits)
        return;
    QVector<DocumentEdits::CellChange> changes;
    for (LedStatesCommand* frame : targetFrames()) {
        const QVector<int> values = tool(valuesOf(frame));
        const QVector<LedCell*>& cells = frame->leds();
        for (int k = 0; k < cells.size() && k < values.size(); ++k)
            changes.append({ cells.at(k), values.at(k) });
    }
    m_edits->setLedValues(changes, text);
}

void FrameEditor::addFrame()
{
    insertFrame(QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
}

void FrameEditor::insertFrame(bool copyOfCurrent)
{
    if (!m_edits)
        return;
    // After the current command; into a program or collection that is
    // current; else after the frame shown, else at the end of the program.
    AbstractTreeItem* current = m_tree ? m_tree->currentItem() : nullptr;
    LedStatesCommand* shown = shownFrame();
    AbstractTreeItem* parent = nullptr;
    int row = 0;
    if (current
        && (current->type() == AbstractTreeItem::Program || current->type() == AbstractTreeItem::Function)) {
        parent = current;
        row = current->childCount();
    } else if (current && current->parentItem() && current->type() != AbstractTreeItem::Device) {
        parent = current->parentItem();
        row = current->row() + 1;
    } else if (shown) {
        parent = shown->parentItem();
        row = shown->row() + 1;
    } else if (AbstractTreeItem* device = m_edits->model()->root()->child(0)) {
        parent = device->child(0);
        row = parent ? parent->childCount() : 0;
    }
    if (!parent)
        return;
    const QVector<int> values = copyOfCurrent && shown ? valuesOf(shown) : QVector<int>();
    LedStatesCommand* frame = newFrame(values, copyOfCurrent && shown ? shown->name() : QString());
    m_edits->beginStep(copyOfCurrent ? tr("Duplicate") : tr("Add frame"));
    m_edits->insertItem(row, frame, parent);
    m_edits->endStep();
    if (!m_edits->model()->contains(frame)) {
        delete frame; // refused: the tree did not take it
        return;
    }
    if (m_tree)
        m_tree->setCurrentItem(frame);
}

void FrameEditor::clearFrames()
{
    transform(tr("Clear"), [](const QVector<int>& leds) { return QVector<int>(leds.size(), 0); });
}

void FrameEditor::fillFrames()
{
    transform(tr("Fill"), [](const QVector<int>& leds) { return QVector<int>(leds.size(), 1); });
}

void FrameEditor::invertFrames()
{
    transform(tr("Invert"), &FrameTools::inverted);
}

void FrameEditor::rotate(const QString& text, int clockwise)
{
    // Positions run counter-clockwise on the top side and clockwise on the
    // bottom side, which the board shows mirrored.
    const bool bottom = m_scene && m_scene->side() == Bottom;
    const int steps = bottom ? clockwise : -clockwise;
    transform(text, [steps](const QVector<int>& leds) { return FrameTools::rotated(leds, steps); });
}

void FrameEditor::rotateClockwise()
{
    rotate(tr("Rotate"), 1);
}

void FrameEditor::rotateCounterClockwise()
{
    rotate(tr("Rotate"), -1);
}

void FrameEditor::mirrorLeftRight()
{
    transform(
        tr("Mirror"), [](const QVector<int>& leds) { return FrameTools::mirrored(leds, Qt::Vertical); });
}

void FrameEditor::mirrorTopBottom()
{
    transform(
        tr("Mirror"), [](const QVector<int>& leds) { return FrameTools::mirrored(leds, Qt::Horizontal); });
}

void FrameEditor::ringsOutward()
{
    transform(
        tr("Rings Outward"), [](const QVector<int>& leds) { return FrameTools::shiftedRings(leds, 1); });
}

void FrameEditor::ringsInward()
{
    transform(
        tr("Rings Inward"), [](const QVector<int>& leds) { return FrameTools::shiftedRings(leds, -1); });
}

void FrameEditor::duplicateFrames()
{
    const QList<LedStatesCommand*> frames = targetFrames();
    if (!m_edits || frames.isEmpty())
        return;
    m_edits->beginStep(tr("Duplicate"));
    for (LedStatesCommand* frame : frames)
        m_edits->insertItem(frame->row() + 1, newFrame(valuesOf(frame), frame->name()), frame->parentItem());
    m_edits->endStep();
}

void FrameEditor::generateSpin()
{
    const QList<LedStatesCommand*> frames = targetFrames();
    LedStatesCommand* shown = shownFrame();
    QPointer<LedStatesCommand> frame = shown ? shown : (frames.isEmpty() ? nullptr : frames.first());
    if (!m_edits || !frame)
        return;
    SpinRequest request = m_lastSpin;
    bool ok = false;
    QWidget* parentWidget = m_tree ? m_tree->window() : nullptr;
    if (const SpinQuestion& question = spinQuestion()) {
        ok = question(parentWidget, &request);
    } else {
        GenerateSpinDialog dialog(parentWidget);
        dialog.setStep(request.step);
        dialog.setRingMask(request.ringMask);
        ok = dialog.exec() == QDialog::Accepted;
        request = { dialog.step(), dialog.ringMask() };
    }
    // The dialog ran an event loop: the frame may have gone meanwhile.
    if (!ok || !frame || !m_edits || !m_edits->model()->contains(frame))
        return;
    m_lastSpin = request;

    const QList<QVector<int>> spin = FrameTools::spin(valuesOf(frame), request.step, request.ringMask);
    m_edits->beginStep(tr("Generate Spin"));
    int row = frame->row();
    for (const QVector<int>& values : spin)
        m_edits->insertItem(++row, newFrame(values, frame->name()), frame->parentItem());
    m_edits->endStep();
}
