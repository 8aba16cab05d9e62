#include "ProgressBar.h"

#include <QByteArray>

#include <algorithm>

namespace {
constexpr int Width = 40;
}

ProgressBar::ProgressBar(FILE* out, QObject* parent)
    : QObject(parent)
    , m_Out(out)
{
}

ProgressBar::~ProgressBar() = default;

void ProgressBar::setValue(int percent)
{
    // The last blocks of an image with partial blocks report a little over 100.
    percent = std::clamp(percent, 0, 100);
    if (percent == m_Shown)
        return;
    m_Shown = percent;
    const int filled = percent * Width / 100;
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(Width - filled, '-');
    std::fprintf(m_Out, "\r[%s] %3d%%", bar.constData(), percent);
    std::fflush(m_Out);
}

void ProgressBar::finish()
{
    if (m_Shown < 0)
        return;
    std::fputc('\n', m_Out);
    std::fflush(m_Out);
    m_Shown = -1;
}
