#include "MemoryGauge.h"

#include "player/PanelCommand.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

MemoryGauge::MemoryGauge(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("memoryGauge"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_bar->setRange(0, PanelCommand::ProgramMemory);
    m_bar->setTextVisible(false);
    m_bar->setFixedWidth(100);
    m_bar->setMaximumHeight(14);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    setBytes(-1);
}

MemoryGauge::~MemoryGauge() = default;

bool MemoryGauge::isOverCapacity() const
{
    return m_bytes > PanelCommand::ProgramMemory;
}

QString MemoryGauge::text() const
{
    return m_label->text();
}

void MemoryGauge::setBytes(int bytes)
{
    m_bytes = bytes;
    m_bar->setVisible(bytes >= 0);
    if (bytes < 0) {
        m_label->setText(tr("No document"));
        setToolTip(QString());
        return;
    }
    m_label->setText(tr("%1 of %2 bytes").arg(QString::number(bytes), QString::number(PanelCommand::ProgramMemory)));
    m_bar->setValue(qMin(bytes, int(PanelCommand::ProgramMemory)));
    if (isOverCapacity()) {
        m_label->setStyleSheet(QStringLiteral("color: #c00000;"));
        m_bar->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: #d01010; }"));
        setToolTip(tr("The program takes %1 bytes, %2 more than the panel's %3 bytes of program memory; "
                      "it cannot be written.")
                       .arg(QString::number(bytes), QString::number(bytes - PanelCommand::ProgramMemory),
                           QString::number(PanelCommand::ProgramMemory)));
    } else {
        m_label->setStyleSheet(QString());
        m_bar->setStyleSheet(QString());
        setToolTip(tr("Program memory of the panel in use"));
    }
}
