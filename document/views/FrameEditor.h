#pragma once

#include "kamdeldocument_export.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class AbstractLedPanelScene;
class CommandTreeView;
class DocumentEdits;
class LedStatesCommand;
class QAction;
class QWidget;

// The frame and ring tools of a document. They act on the frames selected
// in the tree, or else on the frame the board shows, each as one step of
// the history.
class KAMDELDOCUMENT_EXPORT FrameEditor : public QObject
{
    Q_OBJECT

public:
    using Slot = void (FrameEditor::*)();
    struct Tool
    {
        const char* objectName;
        const char* text;
        QKeySequence shortcut;
        Slot slot;
    };
    // Every tool in menu order; a null slot stands for a separator.
    static const QVector<Tool>& tools();

    struct SpinRequest
    {
        int step;
        int ringMask;
    };
    // The question "Generate spin..." asks; the default shows
    // GenerateSpinDialog, a test answers it. Returns the previous one.
    using SpinQuestion = std::function<bool(QWidget* parent, SpinRequest* request)>;
    static SpinQuestion setSpinQuestion(SpinQuestion question);

    FrameEditor(DocumentEdits* edits, CommandTreeView* tree, QObject* parent = nullptr);
    ~FrameEditor() override;

    // The board whose side sets the sense of rotation and whose frame is
    // the one shown.
    void setScene(AbstractLedPanelScene* scene);

    // A menu of the tools, owned by `parent`, each action bound to this.
    QList<QAction*> createActions(QObject* parent, bool withShortcuts);

    QList<LedStatesCommand*> targetFrames() const;

public slots:
    // Puts an empty frame after the current one (with Shift held, a copy of
    // it) and makes the new frame current; one step of the history.
    void addFrame();
    void insertFrame(bool copyOfCurrent);
    void clearFrames();
    void fillFrames();
    void invertFrames();
    void rotateClockwise();
    void rotateCounterClockwise();
    void mirrorLeftRight();
    void mirrorTopBottom();
    void ringsOutward();
    void ringsInward();
    void duplicateFrames();
    void generateSpin();

private:
    void transform(const QString& text, const std::function<QVector<int>(const QVector<int>&)>& tool);
    void rotate(const QString& text, int clockwise);
    LedStatesCommand* shownFrame() const;

    QPointer<DocumentEdits> m_edits;
    QPointer<CommandTreeView> m_tree;
    QPointer<AbstractLedPanelScene> m_scene;
    SpinRequest m_lastSpin { 1, 0xF };
};
