#include "PlaybackController.h"

#include "KamdelDocument.h"
#include "compiler/Compiller.h"
#include "edits/DocumentEdits.h"
#include "formats/AnimationExport.h"
#include "model/CommandTreeModel.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelScene_Ring.h"

PlaybackController::PlaybackController(QObject* parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000 / m_framesPerSecond);
    connect(&m_timer, &QTimer::timeout, this, &PlaybackController::advance);
}

PlaybackController::~PlaybackController() = default;

QList<int> PlaybackController::speeds()
{
    // 100 is the panel's own Animate pace: one Next every 10 ms.
    return { 1, 2, 5, 10, 25, 50, 100 };
}

std::bitset<PanelProgram::LedCount> PlaybackController::leds() const
{
    return m_program ? m_program->leds() : std::bitset<PanelProgram::LedCount>();
}

void PlaybackController::setDocument(KamdelDocument* document)
{
    if (document == m_document)
        return;
    stop();
    while (!m_documentConnections.isEmpty())
        disconnect(m_documentConnections.takeFirst());
    m_document = document;
    if (document)
        document->setPlaybackSpeed(m_framesPerSecond);
    if (document && document->edits())
        m_documentConnections << connect(
            document->edits(), &DocumentEdits::edited, this, &PlaybackController::recompile);
}

void PlaybackController::setFramesPerSecond(int framesPerSecond)
{
    const int bounded = qBound(1, framesPerSecond, 1000);
    if (bounded == m_framesPerSecond)
        return;
    m_framesPerSecond = bounded;
    m_timer.setInterval(1000 / m_framesPerSecond);
    if (m_document)
        m_document->setPlaybackSpeed(m_framesPerSecond);
    emit framesPerSecondChanged(m_framesPerSecond);
}

bool PlaybackController::prepare(AbstractTreeItem* startAfter)
{
    if (!m_document) {
        emit message(tr("No document is open: there is nothing to play."), 5000);
        return false;
    }
    m_framesShown = 0;
    // The image then goes on after this item, as after an edit.
    m_shownItem = startAfter;
    m_heldAfter = nullptr;
    m_program = std::make_unique<PanelProgram>(AnimationExport::variantOf(m_document->core()));
    recompileImage();
    m_running = true;
    showHints(false);
    return true;
}

void PlaybackController::recompileImage()
{
    m_document->compile();
    m_program->load(m_document->createBinnary());
    m_itemAt.clear();
    int continueAt = -1;
    for (const CodeRecord& record : m_document->programCompiler()->codeRecords()) {
        const int offset = m_program->addressToOffset(record.address);
        m_itemAt.insert(offset, record.item);
        if (record.item && record.item == m_shownItem)
            continueAt = offset + record.code.size();
    }
    if (continueAt >= 0)
        m_program->continueAt(continueAt);
}

void PlaybackController::recompile()
{
    // Past a hold or before the start there is no place to go on from.
    if (m_running && m_document)
        recompileImage();
}

void PlaybackController::play(bool playing)
{
    if (!playing) {
        if (m_timer.isActive()) {
            m_timer.stop();
            emit playingChanged(false);
        }
        return;
    }
    if (m_timer.isActive())
        return;
    if (!m_running && !prepare()) {
        emit playingChanged(false);
        return;
    }
    m_timer.start();
    emit playingChanged(true);
    emit message(tr("Playing at %1 frames per second").arg(m_framesPerSecond), 0);
}

void PlaybackController::step()
{
    play(false);
    if (!m_running) {
        // The board shows the current frame already: the step shows the
        // one after it.
        AbstractTreeItem* current = m_document ? m_document->commandTreeView()->currentItem() : nullptr;
        if (!current || current->type() != AbstractTreeItem::LedStates || current == m_heldAfter)
            current = nullptr;
        if (!prepare(current))
            return;
    }
    advance();
}

void PlaybackController::advance()
{
    const PanelProgram::Step step = m_program->next();
    if (step.kind == PanelProgram::Step::Hold) {
        const QString text = holdText(step);
        QPointer<AbstractTreeItem> heldAfter = m_shownItem;
        leave();
        m_heldAfter = heldAfter;
        emit message(text, 0);
        return;
    }
    ++m_framesShown;
    m_shownItem = m_itemAt.value(step.offset);
    if (m_shownItem && m_document) {
        CommandTreeView* tree = m_document->commandTreeView();
        tree->setCurrentIndex(m_document->treeModel()->indexOf(m_shownItem));
    }
    emit frameShown(m_framesShown);
}

void PlaybackController::stop()
{
    if (!m_running && !m_timer.isActive())
        return;
    leave();
    emit message(tr("Playback stopped."), 3000);
}

void PlaybackController::leave()
{
    const bool wasPlaying = m_timer.isActive();
    m_timer.stop();
    if (m_running)
        showHints(true);
    m_running = false;
    if (wasPlaying)
        emit playingChanged(false);
}

void PlaybackController::showHints(bool shown)
{
    // The neighbours' hints would make a played frame look like three.
    LedPanelScene_Ring* scene = m_document ? m_document->panelScene() : nullptr;
    if (!scene)
        return;
    if (!shown)
        m_hintsWereShown = scene->adjacentShown();
    scene->showAdjacent(shown && m_hintsWereShown);
}

QString PlaybackController::holdText(const PanelProgram::Step& step) const
{
    const QString& reason = step.holdReason;
    // The compiler ends every program as a Stop would; only a Stop the user
    // placed is called one.
    const AbstractTreeItem* at = m_itemAt.value(step.offset);
    if (reason == QLatin1String("STOP") && (!at || at->type() != AbstractTreeItem::Stop))
        return m_framesShown == 1
            ? tr("Playback reached the end of the program after 1 frame.")
            : tr("Playback reached the end of the program after %1 frames.").arg(m_framesShown);
    QString why;
    if (reason == QLatin1String("STOP"))
        why = tr("the program reached a Stop");
    else if (reason == QLatin1String("RETURN"))
        why = tr("a Return without a Call");
    else if (reason == QLatin1String("END"))
        why = tr("the program ran past the end of the panel's memory");
    else if (reason == QLatin1String("LOOP"))
        why = tr("the program loops without showing a frame");
    else if (reason == QLatin1String("STACK"))
        why = tr("calls nested too deep");
    else
        why = tr("an unknown command");
    return tr("Playback held after %1 frames: %2 (%3).").arg(QString::number(m_framesShown), why, reason);
}
