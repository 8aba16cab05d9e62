#include "UnitTile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Step = UnitState::Step;

// How far the unit has come in a step that writes, "Program 40 %".
QString withPercent(const QString& step, int percent)
{
    return percent < 0 ? step : UnitTile::tr("%1 %2\u00a0%").arg(step).arg(percent);
}

QPushButton* bigButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    QFont font = button->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.6);
    button->setFont(font);
    button->setMinimumHeight(56);
    // The keys answer the oldest question; a click answers this tile's.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

UnitTile::UnitTile(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setMinimumSize(280, 250);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top);
    m_Port = addLabel(QStringLiteral("port"), tr("Port"), 1.5);
    m_Time = addLabel(QStringLiteral("time"), tr("Time in this step"), 1.5);
    top->addWidget(m_Port, 1);
    top->addWidget(m_Time);
    m_Serial = addLabel(QStringLiteral("serial"), tr("Unit serial number"), 1.4);
    m_Step = addLabel(QStringLiteral("step"), tr("Step"), 2.2);
    m_Prompt = addLabel(QStringLiteral("prompt"), tr("Question to the operator"), 1.6);
    layout->addWidget(m_Serial);
    layout->addStretch();
    layout->addWidget(m_Step);
    layout->addStretch();
    layout->addWidget(m_Prompt);
    m_Buttons = new QWidget(this);
    auto* buttons = new QHBoxLayout(m_Buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    QPushButton* pass = bigButton(QStringLiteral("pass"), tr("Pass"), m_Buttons);
    QPushButton* fail = bigButton(QStringLiteral("fail"), tr("Fail"), m_Buttons);
    buttons->addWidget(pass);
    buttons->addWidget(fail);
    layout->addWidget(m_Buttons);
    connect(pass, &QPushButton::clicked, this, [this] { emit verdict(m_State.port, true); });
    connect(fail, &QPushButton::clicked, this, [this] { emit verdict(m_State.port, false); });
    show(UnitState());
}

QLabel* UnitTile::addLabel(const QString& name, const QString& accessibleName, qreal scale)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

QString UnitTile::stepText(const UnitState& state)
{
    switch (state.step) {
    case Step::Waiting:
        return tr("Waiting");
    case Step::Firmware:
        return withPercent(tr("Firmware"), state.percent);
    case Step::Test:
        return state.verdictWanted || state.percent < 0 ? tr("Test: look at the panel")
                                                        : withPercent(tr("Test pattern"), state.percent);
    case Step::Program:
        return withPercent(tr("Program"), state.percent);
    case Step::Passed:
        return tr("PASS");
    case Step::Failed:
        // "63 %" stays on one line.
        return state.reason.isEmpty() ? tr("FAIL")
                                      : tr("FAIL: %1").arg(QString(state.reason).replace(" %", "\u00a0%"));
    }
    return QString();
}

QColor UnitTile::background(UnitState::Step step)
{
    switch (step) {
    case Step::Waiting:
        return QColor(0xd6, 0xd6, 0xd6);
    case Step::Passed:
        return QColor(0x2e, 0x9d, 0x48);
    case Step::Failed:
        return QColor(0xc8, 0x2a, 0x2a);
    default:
        return QColor(0xc4, 0xdc, 0xf4);
    }
}

void UnitTile::show(const UnitState& state)
{
    m_State = state;
    m_Port->setText(state.label.isEmpty() ? state.port : state.label);
    m_Serial->setText(state.serial.isEmpty() ? QString() : tr("Serial %1").arg(state.serial));
    m_Step->setText(stepText(state));
    m_Step->setAccessibleDescription(m_Step->text());
    if (state.verdictWanted)
        m_Prompt->setText(tr("Every LED lit? Pass\u00a0(P) / Fail\u00a0(F)"));
    else if (state.serialWanted)
        m_Prompt->setText(tr("Scan or type the serial number"));
    else
        m_Prompt->clear();
    m_Prompt->setVisible(!m_Prompt->text().isEmpty());
    m_Buttons->setVisible(state.verdictWanted);
    paintStep();
    tick(QDateTime::currentDateTime());
}

void UnitTile::paintStep()
{
    const bool done = m_State.step == Step::Passed || m_State.step == Step::Failed;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background(m_State.step));
    colours.setColor(QPalette::WindowText, done ? Qt::white : QColor(0x1a, 0x1a, 0x1a));
    setPalette(colours);
}

void UnitTile::tick(const QDateTime& now)
{
    // A finished unit's clock would only count how long it has lain there.
    const bool timed = m_State.since.isValid() && m_State.step != Step::Passed && m_State.step != Step::Failed
        && (m_State.step != Step::Waiting || m_State.serialWanted);
    const qint64 seconds = timed ? qMax<qint64>(0, m_State.since.secsTo(now)) : 0;
    m_Time->setText(timed ? QStringLiteral("%1:%2")
                                .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                                .arg(seconds % 60, 2, 10, QLatin1Char('0'))
                          : QString());
}
