#include "ShowLength.h"

#include "model/Counts.h"

ShowLength::ShowLength(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("showLength"));
    setToolTip(tr("The Program's frames and how long they play at the playback speed"));
    showText();
}

ShowLength::~ShowLength() = default;

void ShowLength::setFrames(int frames)
{
    m_frames = frames;
    showText();
}

void ShowLength::setFramesPerSecond(int framesPerSecond)
{
    m_framesPerSecond = qMax(framesPerSecond, 1);
    showText();
}

void ShowLength::showText()
{
    setVisible(m_frames >= 0);
    const double seconds = double(qMax(m_frames, 0)) / m_framesPerSecond;
    setText(tr("%1, %2 s at %3 per second")
                .arg(Counts::frames(m_frames), QString::number(seconds, 'f', 1),
                    QString::number(m_framesPerSecond)));
}
