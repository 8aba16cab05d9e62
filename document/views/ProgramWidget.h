#pragma once

#include "kamdeldocument_export.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class DocumentEdits;
class ProgramItem;
class RingLanesView;
class Ui_ProgramWidget;

// The page shown for a program: a line with its frames, how long they take
// at the playback speed and its size in the panel's memory, over its ring
// lanes, which the document's edits draw on; the page follows every edit.
class KAMDELDOCUMENT_EXPORT ProgramWidget : public QWidget
{
    Q_OBJECT

public:
    // Until the editor says otherwise: the pace of the panel's Animate.
    static constexpr int DefaultFramesPerSecond = 100;

    explicit ProgramWidget(QWidget* parent = nullptr);
    ~ProgramWidget() override;

    void setItem(ProgramItem* item);
    void setEdits(DocumentEdits* edits);
    void setFramesPerSecond(int framesPerSecond);
    RingLanesView* lanesView() const { return lanes; }

private:
    void showSummary(ProgramItem* item);
    void showLength();

    std::unique_ptr<Ui_ProgramWidget> ui;
    RingLanesView* lanes;
    QPointer<ProgramItem> program;
    QMetaObject::Connection editsConnection;
    int frames = 0;
    int framesPerSecond = DefaultFramesPerSecond;
};
