#include "PanelWindow.h"

#include "RingPanelWidget.h"
#include "VirtualPanel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

PanelWindow::PanelWindow(VirtualPanel* panel, eLedPanelSide side, QWidget* parent)
    : QWidget(parent)
    , m_rings(new RingPanelWidget(this))
    , m_status(new QLabel(this))
    , m_log(new QPlainTextEdit(this))
    , m_top(new QRadioButton(tr("Top"), this))
    , m_bottom(new QRadioButton(tr("Bottom"), this))
    , m_where(panel->linkPath().isEmpty() ? panel->devicePath() : panel->linkPath())
{
    m_top->setObjectName(QStringLiteral("radioButton_Top"));
    m_bottom->setObjectName(QStringLiteral("radioButton_Bottom"));
    auto* sides = new QButtonGroup(this);
    sides->addButton(m_top);
    sides->addButton(m_bottom);
    setSide(side);
    connect(m_top, &QRadioButton::toggled, this, [this] { setSide(m_top->isChecked() ? Top : Bottom); });
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(500);
    m_log->setFont(QFont(QStringLiteral("monospace")));
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setMaximumHeight(140);

    auto* sideRow = new QHBoxLayout;
    sideRow->addWidget(new QLabel(tr("Seen from the side:"), this));
    sideRow->addWidget(m_top);
    sideRow->addWidget(m_bottom);
    sideRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sideRow);
    layout->addWidget(m_rings, 1);
    layout->addWidget(m_status);
    layout->addWidget(m_log);

    m_imageText = tr("no program written yet");
    setStatus(tr("Waiting on %1 (%2)").arg(m_where, panel->devicePath()));

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

eLedPanelSide PanelWindow::side() const
{
    return m_rings->side();
}

void PanelWindow::setSide(eLedPanelSide side)
{
    m_rings->setSide(side);
    m_top->setChecked(side == Top);
    m_bottom->setChecked(side == Bottom);
    updateTitle();
}

void PanelWindow::updateTitle()
{
    setWindowTitle(side() == Top ? tr("Virtual panel - %1 - top side").arg(m_where)
                                 : tr("Virtual panel - %1 - bottom side").arg(m_where));
}

void PanelWindow::setStatus(const QString& text)
{
    m_status->setText(QStringLiteral("%1  |  %2").arg(text, m_imageText));
}
