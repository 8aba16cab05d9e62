#include "Questions.h"

#include <QDialog>
#include <QInputDialog>

#include <algorithm>
#include <vector>

namespace {

std::vector<const Questions::Scope*>& liveScopes()
{
    static std::vector<const Questions::Scope*> scopes;
    return scopes;
}

// For each question, the answer of the newest of `scopes` that has one.
template <typename Iterator> Questions::Answers merged(Iterator newest, Iterator end)
{
    Questions::Answers answers;
    for (; newest != end; ++newest) {
        const Questions::Answers& scope = **newest;
        auto take = [](auto& to, const auto& from) {
            if (!to)
                to = from;
        };
        take(answers.message, scope.message);
        take(answers.fileName, scope.fileName);
        take(answers.count, scope.count);
        take(answers.generate, scope.generate);
        take(answers.pictures, scope.pictures);
        take(answers.importOptions, scope.importOptions);
        take(answers.dialog, scope.dialog);
    }
    return answers;
}

} // namespace

Questions::Answers Questions::answers()
{
    const auto& scopes = liveScopes();
    return merged(scopes.rbegin(), scopes.rend());
}

Questions::Scope::Scope()
{
    liveScopes().push_back(this);
}

Questions::Scope::~Scope()
{
    auto& scopes = liveScopes();
    scopes.erase(std::remove(scopes.begin(), scopes.end(), this), scopes.end());
}

Questions::Answers Questions::Scope::older() const
{
    const auto& scopes = liveScopes();
    const auto self = std::find(scopes.rbegin(), scopes.rend(), this);
    return self == scopes.rend() ? Answers() : merged(std::next(self), scopes.rend());
}

QMessageBox::StandardButton Questions::ask(QWidget* parent, const Message& message)
{
    if (const auto answer = answers().message)
        return answer(parent, message);
    QMessageBox box(message.icon, message.title, message.text, message.buttons, parent);
    box.setDefaultButton(message.defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

int Questions::exec(QDialog& dialog)
{
    if (const auto answer = answers().dialog)
        return answer(dialog);
    return dialog.exec();
}

bool Questions::askCount(QWidget* parent, const Count& request, int* answer)
{
    bool ok = false;
    int value = 0;
    if (const auto question = answers().count)
        value = question(parent, request, &ok);
    else
        value = QInputDialog::getInt(parent, request.title, request.label, request.value, request.minimum,
            request.maximum, request.step, &ok);
    if (!ok || value < request.minimum || value > request.maximum)
        return false;
    *answer = value;
    return true;
}
