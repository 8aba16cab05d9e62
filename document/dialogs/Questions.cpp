#include "Questions.h"

namespace {
const Questions::Answers* current = nullptr;
} // namespace

const Questions::Answers& Questions::answers()
{
    static const Answers dialogs;
    return current ? *current : dialogs;
}

Questions::Scope::Scope()
    : Answers(Questions::answers())
    , m_outer(current)
{
    current = this;
}

Questions::Scope::~Scope()
{
    current = m_outer;
}
