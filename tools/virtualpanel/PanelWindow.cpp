#include "PanelWindow.h"

#include "RingPanelWidget.h"
#include "VirtualPanel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

PanelWindow::PanelWindow(VirtualPanel* panel, bool mirrored, QWidget* parent)
    : QWidget(parent)
    , m_rings(new RingPanelWidget(this))
    , m_status(new QLabel(this))
    , m_log(new QPlainTextEdit(this))
{
    const QString where = panel->linkPath().isEmpty() ? panel->devicePath() : panel->linkPath();
    setWindowTitle(tr("Virtual panel - %1").arg(where));
    m_rings->setMirrored(mirrored);
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(500);
    m_log->setFont(QFont(QStringLiteral("monospace")));
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setMaximumHeight(140);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_rings, 1);
    layout->addWidget(m_status);
    layout->addWidget(m_log);

    m_imageText = tr("no program written yet");
    setStatus(tr("Waiting on %1 (%2)").arg(where, panel->devicePath()));

    connect(panel, &VirtualPanel::lineReported, m_log, [this](const QString& line) {
        // Images and frames make long lines; the log keeps their heads.
        m_log->appendPlainText(line.length() > 120 ? line.left(117) + QStringLiteral("...") : line);
    });
    connect(panel, &VirtualPanel::programStarted, this, [this](int offset, int variant, int imageSize) {
        m_rings->setLeds({});
        if (imageSize > 0)
            m_imageText = tr("program of %1 bytes, variant %2").arg(imageSize).arg(variant);
        setStatus(tr("Started at offset %1").arg(offset));
    });
    connect(panel, &VirtualPanel::frameShown, this,
        [this](int number, int offset, const std::bitset<PanelProgram::LedCount>& leds) {
            m_rings->setLeds(leds);
            setStatus(tr("Frame %1 (offset %2), %3 LEDs on").arg(number).arg(offset).arg(leds.count()));
        });
    connect(panel, &VirtualPanel::programHeld, this, [this](const QString& reason, int offset) {
        setStatus(tr("Holding: %1 at offset %2").arg(reason, QString::number(offset)));
    });
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::setStatus(const QString& text)
{
    m_status->setText(QStringLiteral("%1  |  %2").arg(text, m_imageText));
}
