#pragma once

#include <QLabel>

// The status bar's length of the show: "300 frames, 30.0 s at 10 per
// second", the Program's frames at the playback speed.
class ShowLength : public QLabel
{
    Q_OBJECT

public:
    explicit ShowLength(QWidget* parent = nullptr);
    ~ShowLength() override;

public slots:
    // -1: no document, nothing shown.
    void setFrames(int frames);
    void setFramesPerSecond(int framesPerSecond);

private:
    void showText();

    int m_frames = -1;
    int m_framesPerSecond = 1;
};
