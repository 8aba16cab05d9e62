#pragma once

#include "kamdeldocument_export.h"

#include <QWidget>

#include <memory>

class ProgramItem;
class Ui_ProgramWidget;

// The page shown for a program: what it does on the panel, its frames, how
// long they take at the playback speed and its size in the panel's memory.
class KAMDELDOCUMENT_EXPORT ProgramWidget : public QWidget
{
    Q_OBJECT

public:
    // Until the editor says otherwise: the pace of the panel's Animate.
    static constexpr int DefaultFramesPerSecond = 100;

    explicit ProgramWidget(QWidget* parent = nullptr);
    ~ProgramWidget() override;

    // Reads the program once; the page keeps no pointer to it.
    void setItem(ProgramItem* item);
    void setFramesPerSecond(int framesPerSecond);

private:
    void showLength();

    std::unique_ptr<Ui_ProgramWidget> ui;
    int frames = 0;
    int framesPerSecond = DefaultFramesPerSecond;
};
