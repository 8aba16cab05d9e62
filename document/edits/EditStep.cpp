#include "EditStep.h"

EditStep::EditStep(const QString& text, EditStep* parent)
    : m_text(text)
{
    if (parent)
        parent->m_children.emplace_back(this);
}

EditStep::~EditStep() = default;

bool EditStep::mergeWith(const EditStep*)
{
    return false;
}

void EditStep::redo()
{
    for (const auto& child : m_children)
        child->redo();
}

void EditStep::undo()
{
    for (auto child = m_children.rbegin(); child != m_children.rend(); ++child)
        (*child)->undo();
}
