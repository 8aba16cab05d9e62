#include "LedValuesEdit.h"

#include "model/LedCell.h"

#include <QHash>

LedValuesEdit::LedValuesEdit(
    DocumentEdits* edits, QVector<Change> changes, const QString& text, int stroke, EditStep* parent)
    : EditStep(text, parent)
    , m_edits(edits)
    , m_changes(std::move(changes))
    , m_stroke(stroke)
{
}

LedValuesEdit::~LedValuesEdit() = default;

int LedValuesEdit::id() const
{
    // Only the parts of one stroke merge.
    return m_stroke > 0 ? 1 : -1;
}

bool LedValuesEdit::mergeWith(const EditStep* other)
{
    const auto* next = dynamic_cast<const LedValuesEdit*>(other);
    if (!next || next->m_stroke != m_stroke)
        return false;
    QHash<LedCell*, int> at;
    for (int i = 0; i < m_changes.size(); ++i)
        at.insert(m_changes.at(i).cell, i);
    for (const Change& change : next->m_changes) {
        const auto found = at.constFind(change.cell);
        if (found != at.constEnd())
            m_changes[found.value()].after = change.after;
        else
            m_changes.append(change);
    }
    return true;
}

void LedValuesEdit::redo()
{
    if (!m_done)
        apply(true);
}

void LedValuesEdit::undo()
{
    if (m_done)
        apply(false);
}

void LedValuesEdit::apply(bool after)
{
    QVector<DocumentEdits::CellChange> changes;
    changes.reserve(m_changes.size());
    for (const Change& change : qAsConst(m_changes))
        changes.append({ change.cell, after ? change.after : change.before });
    m_edits->applyCells(changes);
    m_done = after;
}
