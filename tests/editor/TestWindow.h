#pragma once

#include "AboutDialog.h"
#include "MainWindow.h"

#include <QStringList>

#include <functional>

// The real main window with its dialogs answered from fields, so that no
// test ever waits for a person.
class TestWindow : public MainWindow
{
public:
    explicit TestWindow(QWidget* parent = nullptr)
        : MainWindow(parent)
    {
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

protected:
    QString askOpenFileName() override
    {
        ++openQuestions;
        return documentOpenDialog ? MainWindow::askOpenFileName() : openAnswer;
    }
    void showWarning(const QString& text) override { warnings << text; }
    int execAboutDialog(AboutDialog& dialog) override
    {
        ++aboutShown;
        return aboutHandler ? aboutHandler(dialog) : 0;
    }
    bool askStopWriting() override
    {
        ++stopWritingQuestions;
        return stopWritingAnswer;
    }
    bool askAnimationOptions(AnimationExport::Options& options) override
    {
        options = animationOptions;
        return animationOptionsAnswer;
    }
    QString askExportFileName(const QString&, const QString&, const QString&) override
    {
        return exportAnswer;
    }
};
