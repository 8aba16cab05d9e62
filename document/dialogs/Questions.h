#pragma once

#include "kamdeldocument_export.h"
#include "model/EffectRequest.h"

#include <QMessageBox>
#include <QStringList>

#include <functional>

class ImportAnimationDialog;
class QDialog;
class QWidget;

// Every question the program puts to its user goes through here: message
// boxes, file names, the number of frames to add, an effect's parameters,
// the pictures to import and how. Each has its dialog; a test puts answers in
// place with a Scope, so that nothing waits for a person.
class KAMDELDOCUMENT_EXPORT Questions
{
public:
    struct Message
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };
    enum FileMode
    {
        Open,
        Save
    };
    struct FileName
    {
        FileMode mode;
        QString caption;
        QString start;
        QString filter;
    };
    struct Count
    {
        QString title;
        QString label;
        int value;
        int minimum;
        int maximum;
        int step;
    };
    struct Generate
    {
        EffectRequest effect;
        // Where Dissolve ends: a 1-based frame number in the shown frame's
        // list, as the tree numbers them.
        int toFrame;
        // The frames go after the shown frame's list's last frame.
        bool atEnd = false;
    };

    // An empty answer leaves its question to the dialog. A parent is the
    // window the dialog would be centred on.
    struct Answers
    {
        std::function<QMessageBox::StandardButton(QWidget* parent, const Message& message)> message;
        // The chosen path, empty when cancelled.
        std::function<QString(const FileName& request)> fileName;
        std::function<int(QWidget* parent, const Count& request, bool* ok)> count;
        std::function<bool(QWidget* parent, Generate* request)> generate;
        std::function<QStringList(QWidget* parent)> pictures;
        // Gets the dialog ready to run; returns whether it was accepted.
        std::function<bool(ImportAnimationDialog& dialog)> importOptions;
        // Runs any other modal dialog (the About box, the export's options)
        // in place of its exec(): the result code.
        std::function<int(QDialog& dialog)> dialog;
    };

    // The answers in force: for each question, that of the newest live
    // Scope that answers it; an empty one leaves it to its dialog.
    static Answers answers();

    // A message box centred on `parent`: the button answered or clicked.
    static QMessageBox::StandardButton ask(QWidget* parent, const Message& message);
    // Runs `dialog` modally: its result code.
    static int exec(QDialog& dialog);
    // A whole number within the request's bounds; false when cancelled.
    static bool askCount(QWidget* parent, const Count& request, int* answer);

    // Answers in force while it lives, over those of older scopes; the
    // questions it leaves empty go on to them. Scopes may end in any order.
    class KAMDELDOCUMENT_EXPORT Scope : public Answers
    {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

        // The answers of the scopes older than this one, as they are now:
        // for an answer that handles some questions and passes on the rest.
        Answers older() const;
    };

    Questions() = delete;
};
