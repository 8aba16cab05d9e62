#include "EditHistory.h"

#include "EditStep.h"

EditHistory::EditHistory(QObject* parent)
    : QObject(parent)
{
}

EditHistory::~EditHistory() = default;

void EditHistory::push(EditStep* newStep)
{
    std::unique_ptr<EditStep> step(newStep);
    step->redo();
    m_steps.resize(m_index); // what was undone cannot be redone after a new step
    if (m_cleanIndex > m_index)
        m_cleanIndex = -1;
    EditStep* last = m_index > 0 ? m_steps.back().get() : nullptr;
    // The saved state stays reachable: nothing merges into it.
    const bool mayMerge = last && last->id() != -1 && last->id() == step->id() && m_index != m_cleanIndex;
    if (mayMerge && last->mergeWith(step.get())) {
        announce();
        return;
    }
    m_steps.push_back(std::move(step));
    setIndex(m_index + 1, false);
}

void EditHistory::clear()
{
    const bool wasClean = isClean();
    m_steps.clear();
    m_index = 0;
    m_cleanIndex = 0;
    announce();
    if (!wasClean)
        emit cleanChanged(true);
}

QString EditHistory::undoText() const
{
    return canUndo() ? m_steps.at(m_index - 1)->text() : QString();
}

QString EditHistory::redoText() const
{
    return canRedo() ? m_steps.at(m_index)->text() : QString();
}

void EditHistory::undo()
{
    if (!canUndo())
        return;
    m_steps.at(m_index - 1)->undo();
    setIndex(m_index - 1, false);
}

void EditHistory::redo()
{
    if (!canRedo())
        return;
    m_steps.at(m_index)->redo();
    setIndex(m_index + 1, false);
}

void EditHistory::setClean()
{
    setIndex(m_index, true);
}

void EditHistory::resetClean()
{
    const bool wasClean = isClean();
    m_cleanIndex = -1;
    if (wasClean)
        emit cleanChanged(false);
}

void EditHistory::setIndex(int index, bool clean)
{
    const bool wasClean = isClean();
    if (index != m_index) {
        m_index = index;
        announce();
    }
    if (clean)
        m_cleanIndex = m_index;
    if (isClean() != wasClean)
        emit cleanChanged(isClean());
}

void EditHistory::announce()
{
    emit indexChanged(m_index);
    emit canUndoChanged(canUndo());
    emit undoTextChanged(undoText());
    emit canRedoChanged(canRedo());
    emit redoTextChanged(redoText());
}
