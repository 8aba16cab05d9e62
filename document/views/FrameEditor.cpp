#include "FrameEditor.h"

#include "AbstractLedPanelScene.h"
#include "CommandTreeView.h"
#include "compiler/Compiller.h"
#include "dialogs/GenerateDialog.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/EffectSettings.h"
#include "model/Effects.h"
#include "model/FrameTools.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"

#include <QAction>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QSet>
#include <QSettings>

#include <memory>

namespace {

const QString GenerateGroup = QStringLiteral("Generate");

AbstractTreeItem* firstProgram(AbstractTreeItem* item)
{
    if (item->type() == AbstractTreeItem::Program)
        return item;
    for (AbstractTreeItem* child : item->children()) {
        if (AbstractTreeItem* program = firstProgram(child))
            return program;
    }
    return nullptr;
}

QList<LedStatesCommand*> framesOf(const AbstractTreeItem* list)
{
    QList<LedStatesCommand*> frames;
    for (AbstractTreeItem* child : list->children()) {
        if (child->type() == AbstractTreeItem::LedStates)
            frames.append(static_cast<LedStatesCommand*>(child));
    }
    return frames;
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
        { "action_FrameGenerate", QT_TR_NOOP("Generate..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G),
            &FrameEditor::generate },
        { nullptr, nullptr, QKeySequence(), nullptr },
        { "action_FrameHold", QT_TR_NOOP("Hold..."), QKeySequence(), &FrameEditor::holdFrame },
        { "action_FrameRepeat", QT_TR_NOOP("Repeat..."), QKeySequence(), &FrameEditor::repeatFrames },
        { "action_FrameReverse", QT_TR_NOOP("Reverse"), QKeySequence(), &FrameEditor::reverseFrames },
        { "action_FramePingPong", QT_TR_NOOP("Ping-pong"), QKeySequence(), &FrameEditor::pingPongFrames },
    };
    return list;
}

FrameEditor::FrameEditor(DocumentEdits* edits, CommandTreeView* tree, QObject* parent)
    : QObject(parent)
    , m_edits(edits)
    , m_tree(tree)
{
    // Sensible first parameters: one head a quarter turn long, fill one LED
    // at a time from the top, sparkle lightly.
    for (int k = 0; k < EffectRequest::KindCount; ++k) {
        EffectRequest& request = m_lastRequests[k];
        request.kind = EffectRequest::Kind(k);
        request.step = 1;
        request.direction = 1;
        if (k == EffectRequest::Dissolve)
            request.count = 12;
        if (k == EffectRequest::Twinkle)
            request.count = 24;
    }
}

FrameEditor::~FrameEditor() = default;

void FrameEditor::setScene(AbstractLedPanelScene* scene)
{
    m_scene = scene;
}

void FrameEditor::setCompiler(Compiller* compiler)
{
    m_compiler = compiler;
}

void FrameEditor::setSettings(QSettings* settings)
{
    m_settings = settings;
    m_presets.setSettings(settings);
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
        const QVector<int> values = tool(frame->values());
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
    if (current && current->holdsCommands()) {
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
    const QVector<int> values = copyOfCurrent && shown ? shown->values() : QVector<int>();
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

QList<LedStatesCommand*> FrameEditor::selectedRun() const
{
    const QList<LedStatesCommand*> targets = targetFrames();
    if (targets.isEmpty() || !targets.first()->parentItem())
        return {};
    // Tree order: the last target in the first one's list has the highest row.
    const AbstractTreeItem* list = targets.first()->parentItem();
    LedStatesCommand* last = targets.first();
    for (LedStatesCommand* frame : targets) {
        if (frame->parentItem() == list)
            last = frame;
    }
    const QList<LedStatesCommand*> frames = framesOf(list);
    const int from = frames.indexOf(targets.first());
    return frames.mid(from, frames.indexOf(last, from) - from + 1);
}

bool FrameEditor::askRunCount(const QString& title, const QString& label, int value, int most, int* count)
{
    QWidget* parent = m_tree ? m_tree->window() : nullptr;
    return Questions::askCount(parent, { title, label, value, 1, most, 1 }, count);
}

void FrameEditor::rearrange(
    FrameRuns::Kind kind, const QList<LedStatesCommand*>& run, int count, const QString& text)
{
    if (!m_edits || run.isEmpty())
        return;
    showNewFrames(m_edits->rearrangeFrames(run, FrameRuns::order(kind, run.size(), count), text));
}

void FrameEditor::holdFrame()
{
    int count = 0;
    if (!askRunCount(tr("Hold"), tr("Copies of the current frame:"), 10, 1000, &count) || !m_edits)
        return;
    // The question ran an event loop: the frames are looked up afterwards.
    QList<LedStatesCommand*> run = selectedRun();
    LedStatesCommand* shown = shownFrame();
    if (shown && m_edits->model()->contains(shown))
        run = { shown };
    rearrange(FrameRuns::Hold, run, count, tr("Hold"));
}

void FrameEditor::repeatFrames()
{
    int count = 0;
    if (askRunCount(tr("Repeat"), tr("Times to repeat the selected frames:"), 1, 100, &count))
        rearrange(FrameRuns::Repeat, selectedRun(), count, tr("Repeat"));
}

void FrameEditor::reverseFrames()
{
    rearrange(FrameRuns::Reverse, selectedRun(), 0, tr("Reverse"));
}

void FrameEditor::pingPongFrames()
{
    rearrange(FrameRuns::PingPong, selectedRun(), 0, tr("Ping-pong"));
}

void FrameEditor::duplicateFrames()
{
    const QList<LedStatesCommand*> frames = targetFrames();
    if (!m_edits || frames.isEmpty() || !m_edits->admitsFrames(frames.size()))
        return;
    m_edits->beginStep(tr("Duplicate"));
    for (LedStatesCommand* frame : frames)
        m_edits->insertItem(frame->row() + 1, newFrame(frame->values(), frame->name()), frame->parentItem());
    m_edits->endStep();
}

AbstractTreeItem* FrameEditor::insertionParent(int* row, bool atEnd) const
{
    if (!m_edits)
        return nullptr;
    CommandTreeModel* model = m_edits->model();
    LedStatesCommand* shown = shownFrame();
    if (atEnd) {
        AbstractTreeItem* list
            = shown && model->contains(shown) ? shown->parentItem() : firstProgram(model->root());
        if (!list)
            return nullptr;
        // Behind the last frame, so that a Stop after it keeps its place.
        const QList<LedStatesCommand*> frames = framesOf(list);
        *row = frames.isEmpty() ? list->childCount() : frames.last()->row() + 1;
        return list;
    }
    AbstractTreeItem* current = m_tree ? m_tree->currentItem() : nullptr;
    AbstractTreeItem* after = shown && model->contains(shown) ? shown : nullptr;
    if (!after && current && model->contains(current) && current->isCommand())
        after = current;
    if (after && after->parentItem()) {
        *row = after->row() + 1;
        return after->parentItem();
    }
    AbstractTreeItem* list = nullptr;
    if (current && model->contains(current) && current->holdsCommands())
        list = current;
    if (!list)
        list = firstProgram(model->root());
    if (list)
        *row = list->childCount();
    return list;
}

QString FrameEditor::insertionText(bool atEnd) const
{
    int row = 0;
    const AbstractTreeItem* parent = insertionParent(&row, atEnd);
    if (!parent)
        return tr("nowhere: the document has no Program");
    int before = 0;
    for (int k = 0; k < row && k < parent->childCount(); ++k)
        before += parent->child(k)->type() == AbstractTreeItem::LedStates;
    if (before == 0)
        return tr("at the start of %1").arg(parent->name());
    return atEnd ? tr("at the end, after frame #%1").arg(before) : tr("after frame #%1").arg(before);
}

int FrameEditor::insertFrames(const QList<QVector<int>>& frames, const QString& text, bool atEnd)
{
    int row = 0;
    AbstractTreeItem* parent = insertionParent(&row, atEnd);
    if (!parent || frames.isEmpty())
        return 0;
    const QList<LedStatesCommand*> placed = m_edits->insertFrames(parent, row, frames, text);
    showNewFrames(placed);
    return placed.size();
}

void FrameEditor::showNewFrames(const QList<LedStatesCommand*>& frames)
{
    if (frames.isEmpty() || !m_tree)
        return;
    // The run's end is current, ready to go on from; its start stays in view.
    m_tree->setCurrentItem(frames.last());
    m_tree->scrollTo(m_edits->model()->indexOf(frames.first()));
}

EffectRequest FrameEditor::lastRequest(EffectRequest::Kind kind) const
{
    EffectRequest seen
        = kind >= 0 && kind < EffectRequest::KindCount ? m_lastRequests[kind] : EffectRequest();
    seen.kind = kind;
    if (m_settings) {
        m_settings->beginGroup(GenerateGroup + QLatin1Char('/') + Effects::kindKey(kind));
        EffectSettings::read(*m_settings, &seen);
        m_settings->endGroup();
    }
    return EffectSettings::seenFrom(seen, m_scene ? m_scene->side() : Bottom);
}

void FrameEditor::remember(const EffectRequest& request)
{
    const EffectRequest seen = EffectSettings::seenFrom(request, m_scene ? m_scene->side() : Bottom);
    m_lastRequests[request.kind] = seen;
    m_lastKind = request.kind;
    if (m_settings) {
        m_settings->beginGroup(GenerateGroup + QLatin1Char('/') + Effects::kindKey(request.kind));
        EffectSettings::write(*m_settings, seen);
        m_settings->endGroup();
        m_settings->setValue(GenerateGroup + QStringLiteral("/Kind"), Effects::kindKey(request.kind));
    }
}

int FrameEditor::imageBytes() const
{
    if (!m_compiler)
        return 0;
    m_compiler->compile();
    return m_compiler->createBinnary().size();
}

bool FrameEditor::askGenerate(QWidget* parent, LedStatesCommand* shown, Questions::Generate* request)
{
    if (const auto question = Questions::answers().generate)
        return question(parent, request);
    GenerateDialog dialog(parent);
    dialog.setSide(m_scene ? m_scene->side() : Bottom);
    dialog.setPresets(&m_presets);
    for (int k = 0; k < EffectRequest::KindCount; ++k)
        dialog.setRequest(lastRequest(EffectRequest::Kind(k)));
    QList<QVector<int>> list;
    int shownNumber = 0;
    if (shown && shown->parentItem()) {
        for (LedStatesCommand* frame : framesOf(shown->parentItem())) {
            list.append(frame->values());
            if (frame == shown)
                shownNumber = list.size();
        }
    }
    dialog.setFrames(list, shownNumber);
    if (shown && shown->parentItem() && shown->parentItem()->type() != AbstractTreeItem::Program)
        dialog.setListName(shown->parentItem()->name());
    AbstractTreeItem* program = m_edits ? firstProgram(m_edits->model()->root()) : nullptr;
    const auto* device = program ? qobject_cast<const DeviceItem*>(program->parentItem()) : nullptr;
    const int ledCount = device ? device->ledCount() : int(LedStatesCommand::LedCount);
    dialog.setImageBytes(imageBytes(), Compiller::frameCodeSize(ledCount));
    dialog.setKind(request->effect.kind);
    const bool ok = dialog.exec() == QDialog::Accepted;
    request->effect = dialog.request();
    request->toFrame = dialog.toFrame();
    request->atEnd = dialog.isAtEnd();
    return ok;
}

void FrameEditor::generate()
{
    if (!m_edits)
        return;
    QPointer<LedStatesCommand> shown = shownFrame();
    if (shown && !m_edits->model()->contains(shown))
        shown = nullptr;
    Questions::Generate request { lastRequest(m_lastKind), 0 };
    if (m_settings) {
        EffectRequest::Kind kind = m_lastKind;
        if (Effects::kindFromKey(
                m_settings->value(GenerateGroup + QStringLiteral("/Kind")).toString(), &kind))
            request.effect = lastRequest(kind);
    }
    QWidget* parentWidget = m_tree ? m_tree->window() : nullptr;
    const bool ok = askGenerate(parentWidget, shown, &request);
    // The dialog ran an event loop: the document may have changed meanwhile.
    if (!ok || !m_edits || (shown && !m_edits->model()->contains(shown)))
        return;
    remember(request.effect);

    QVector<int> from;
    QVector<int> to;
    QList<LedStatesCommand*> list;
    if (shown) {
        from = shown->values();
        list = framesOf(shown->parentItem());
        if (request.toFrame >= 1 && request.toFrame <= list.size())
            to = list.at(request.toFrame - 1)->values();
    }
    place(request, Effects::generate(request.effect, from, to), list, list.indexOf(shown) + 1);
}

void FrameEditor::place(Questions::Generate request, const QList<QVector<int>>& effect,
    const QList<LedStatesCommand*>& list, int shown)
{
    const QString text = tr("Generate %1").arg(Effects::kindText(request.effect.kind));
    if (shown < 1) {
        request.effect.over = false;
        insertFrames(Effects::placed(request.effect, effect, {}, 0), text);
        return;
    }
    const int n = request.atEnd ? list.size() : shown;
    const bool over = request.effect.over && !request.atEnd;
    request.effect.over = over;
    const QList<QVector<int>> values = Effects::placedOn(request.effect, effect, list, n);
    LedStatesCommand* after = list.at(n - 1);
    showNewFrames(over ? m_edits->layFrames(list, n - 1, values, text)
                       : m_edits->insertFrames(after->parentItem(), after->row() + 1, values, text));
}
