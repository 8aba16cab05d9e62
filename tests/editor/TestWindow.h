#pragma once

#include "AboutDialog.h"
#include "ExportAnimationDialog.h"
#include "MainWindow.h"
#include "dialogs/Questions.h"

#include <QStringList>

#include <functional>

// The real main window with its dialogs answered from fields, so that no
// test ever waits for a person. Questions it does not answer itself go on to
// the answers in force before it.
class TestWindow : public MainWindow
{
public:
    explicit TestWindow(QWidget* parent = nullptr)
        : MainWindow(parent)
    {
        answers.message = [this](QWidget* window, const Questions::Message& message) {
            return answerMessage(window, message);
        };
        answers.fileName = [this](const Questions::FileName& request) { return answerFileName(request); };
        answers.dialog = [this](QDialog& dialog) { return answerDialog(dialog); };
    }

    QStringList warnings;
    QString openAnswer;
    int openQuestions = 0;
    // Lets the document type's own Open dialog run (through the library's
    // dialog seam) instead of answering here.
    bool documentOpenDialog = false;
    std::function<int(AboutDialog&)> aboutHandler;
    int aboutShown = 0;
    bool stopWritingAnswer = false;
    int stopWritingQuestions = 0;
    bool animationOptionsAnswer = true;
    AnimationExport::Options animationOptions;
    QString exportAnswer;

private:
    static bool isWindowWarning(const Questions::Message& message)
    {
        return message.title == QLatin1String("Application") && message.buttons == QMessageBox::Close;
    }

    QMessageBox::StandardButton answerMessage(QWidget* window, const Questions::Message& message)
    {
        if (isWindowWarning(message)) {
            warnings << message.text;
            return QMessageBox::Close;
        }
        if (message.title == QLatin1String("Application") && message.text.contains("being written")) {
            ++stopWritingQuestions;
            return stopWritingAnswer ? QMessageBox::Yes : QMessageBox::No;
        }
        const auto older = answers.older().message;
        return older ? older(window, message) : QMessageBox::Cancel;
    }

    QString answerFileName(const Questions::FileName& request)
    {
        if (request.mode == Questions::Open && request.caption == QLatin1String("Open")) {
            ++openQuestions;
            if (!documentOpenDialog)
                return openAnswer;
        } else if (request.mode == Questions::Save && request.caption.startsWith(QLatin1String("Export"))) {
            return exportAnswer;
        }
        const auto older = answers.older().fileName;
        return older ? older(request) : QString();
    }

    int answerDialog(QDialog& dialog)
    {
        if (auto* about = qobject_cast<AboutDialog*>(&dialog)) {
            ++aboutShown;
            return aboutHandler ? aboutHandler(*about) : 0;
        }
        if (auto* options = qobject_cast<ExportAnimationDialog*>(&dialog)) {
            options->setOptions(animationOptions);
            return animationOptionsAnswer ? QDialog::Accepted : QDialog::Rejected;
        }
        const auto older = answers.older().dialog;
        return older ? older(dialog) : QDialog::Rejected;
    }

    Questions::Scope answers;
};
