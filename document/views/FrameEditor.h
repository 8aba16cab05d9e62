#pragma once

#include "dialogs/Questions.h"
#include "kamdeldocument_export.h"
#include "model/EffectRequest.h"
#include "model/FrameRuns.h"
#include "model/GeneratePresets.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <array>
#include <functional>

class AbstractLedPanelScene;
class AbstractTreeItem;
class CommandTreeView;
class Compiller;
class DocumentEdits;
class LedStatesCommand;
class QAction;
class QSettings;
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

    FrameEditor(DocumentEdits* edits, CommandTreeView* tree, QObject* parent = nullptr);
    ~FrameEditor() override;

    // The board whose side sets the sense of rotation and whose frame is
    // the one shown.
    void setScene(AbstractLedPanelScene* scene);
    // Sizes the document for the Generate dialog.
    void setCompiler(Compiller* compiler);
    // Where each effect's last parameters and the user's presets are kept;
    // none: for this session.
    void setSettings(QSettings* settings);

    // A menu of the tools, owned by `parent`, each action bound to this.
    QList<QAction*> createActions(QObject* parent, bool withShortcuts);

    QList<LedStatesCommand*> targetFrames() const;
    // The frames of one list from the first to the last of targetFrames(),
    // unselected ones between them included.
    QList<LedStatesCommand*> selectedRun() const;

    // Puts new frames after the current frame (the one the board shows, or
    // else the tree's current command), or at the end of the Program, as one
    // step of the history named `text`, and makes the last of them current.
    // Returns how many the tree took.
    // With `atEnd` they go after the last frame of the shown frame's list,
    // or of the Program.
    int insertFrames(const QList<QVector<int>>& frames, const QString& text, bool atEnd = false);
    // Where insertFrames() would put frames: "after frame #12", "at the
    // start of the Program", "at the end, after frame #40".
    QString insertionText(bool atEnd) const;

    // The parameters Generate offers first for `kind`: the last ones used.
    EffectRequest lastRequest(EffectRequest::Kind kind) const;

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
    void generate();
    // Copies of the current frame after it.
    void holdFrame();
    // The selected run again after it.
    void repeatFrames();
    void reverseFrames();
    // The selected run backwards after it.
    void pingPongFrames();

private:
    void transform(const QString& text, const std::function<QVector<int>(const QVector<int>&)>& tool);
    void rotate(const QString& text, int clockwise);
    LedStatesCommand* shownFrame() const;
    // Where insertFrames() puts its frames.
    AbstractTreeItem* insertionParent(int* row, bool atEnd = false) const;
    bool askGenerate(QWidget* parent, LedStatesCommand* shown, Questions::Generate* request);
    // Puts an effect's frames where `request` says, `shown` the number of
    // the shown frame in `list` (0: none).
    void place(Questions::Generate request, const QList<QVector<int>>& effect,
        const QList<LedStatesCommand*>& list, int shown);
    void remember(const EffectRequest& request);
    int imageBytes() const;
    bool askRunCount(const QString& title, const QString& label, int value, int most, int* count);
    void rearrange(FrameRuns::Kind kind, const QList<LedStatesCommand*>& run, int count, const QString& text);
    // Makes the last new frame current with the first one in view.
    void showNewFrames(const QList<LedStatesCommand*>& frames);

    QPointer<DocumentEdits> m_edits;
    QPointer<CommandTreeView> m_tree;
    QPointer<AbstractLedPanelScene> m_scene;
    QPointer<QSettings> m_settings;
    Compiller* m_compiler = nullptr;
    // Not a QVector: GCC 12 misjudges its copy of this struct as an overflow.
    std::array<EffectRequest, EffectRequest::KindCount> m_lastRequests;
    GeneratePresets m_presets;
    EffectRequest::Kind m_lastKind = EffectRequest::Chase;
};
