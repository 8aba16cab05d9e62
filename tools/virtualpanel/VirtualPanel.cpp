#include "VirtualPanel.h"

#include "BoardLine.h"

VirtualPanel::VirtualPanel(PanelProgram::Variant variant, QObject* parent)
    : QObject(parent)
    , m_program(variant)
{
    m_gapTimer.setSingleShot(true);
    connect(&m_gapTimer, &QTimer::timeout, this, [this] { deliver(m_reader.flush()); });
    m_silenceTimer.setSingleShot(true);
    connect(&m_silenceTimer, &QTimer::timeout, this, [this] {
        report(QStringLiteral("EXIT silence"));
        emit silenceTimedOut();
    });
}

VirtualPanel::~VirtualPanel() = default;

bool VirtualPanel::open(const QString& linkPath, int gapMs, QString* error)
{
    m_link = new BoardLine(this);
    if (!m_link->open(linkPath, error))
        return false;
    connect(m_link, &BoardLine::bytesArrived, this, &VirtualPanel::receive);
    report(
        QStringLiteral("READY %1 %2").arg(devicePath(), linkPath.isEmpty() ? QStringLiteral("-") : linkPath));
    powerUp(gapMs);
    return true;
}

void VirtualPanel::powerUp(int gapMs)
{
    m_gapTimer.setInterval(gapMs);
    m_program.restart();
}

void VirtualPanel::receive(const QByteArray& data)
{
    if (m_silenceTimer.interval() > 0)
        m_silenceTimer.start();
    deliver(m_reader.feed(data));
    if (m_reader.hasPending())
        m_gapTimer.start();
    else
        m_gapTimer.stop();
}

void VirtualPanel::deliver(const QVector<WordReader::Event>& events)
{
    for (const WordReader::Event& event : events) {
        handle(event);
        emit wordHandled();
    }
}

void VirtualPanel::exitAfterSilence(int seconds)
{
    m_silenceTimer.setInterval(seconds * 1000);
    if (seconds > 0)
        m_silenceTimer.start();
    else
        m_silenceTimer.stop();
}

QString VirtualPanel::devicePath() const
{
    return m_link ? m_link->devicePath() : QString();
}

QString VirtualPanel::linkPath() const
{
    return m_link ? m_link->linkPath() : QString();
}

void VirtualPanel::report(const QString& line)
{
    if (m_output) {
        std::fputs(line.toLocal8Bit().constData(), m_output);
        std::fputc('\n', m_output);
        std::fflush(m_output);
    }
    emit lineReported(line);
}

void VirtualPanel::handle(const WordReader::Event& event)
{
    switch (event.kind) {
    case WordReader::Event::Reset:
        report(QStringLiteral("RX RESET"));
        if (m_program.writing())
            takeOverImageIfWritten();
        else
            start();
        break;
    case WordReader::Event::Next:
        report(QStringLiteral("RX NEXT"));
        takeOverImageIfWritten();
        step();
        break;
    case WordReader::Event::Block: {
        report(QStringLiteral("RX BLOCK %1 %2").arg(event.number).arg(event.bytes.size()));
        const int expected = m_program.writing() ? m_program.expectedBlock() : 0;
        switch (m_program.storeBlock(event.number, event.bytes)) {
        case PanelProgram::StoreResult::Stored:
            break;
        case PanelProgram::StoreResult::OutOfOrder:
            report(QStringLiteral("WARN BLOCK %1 EXPECTED %2").arg(event.number).arg(expected));
            break;
        case PanelProgram::StoreResult::BeyondMemory:
            report(
                QStringLiteral("ERROR BLOCK %1 BEYOND %2").arg(event.number).arg(PanelProgram::MemorySize));
            break;
        }
        break;
    }
    case WordReader::Event::Unknown:
        report(QStringLiteral("RX UNKNOWN %1").arg(QString::fromLatin1(event.bytes.toHex())));
        break;
    case WordReader::Event::ShortBlock:
        report(QStringLiteral("RX SHORT %1 %2").arg(event.number).arg(event.bytes.size()));
        break;
    }
}

void VirtualPanel::takeOverImageIfWritten()
{
    if (!m_program.writing())
        return;
    const QByteArray image = m_program.takeOverImage();
    report(QStringLiteral("IMAGE %1 bytes variant %2 %3")
               .arg(image.size())
               .arg(m_program.variantNumber())
               .arg(QString::fromLatin1(image.toHex())));
    start();
}

void VirtualPanel::start()
{
    m_program.restart();
    report(
        QStringLiteral("START at %1 variant %2").arg(m_program.startOffset()).arg(m_program.variantNumber()));
    emit programStarted(m_program.startOffset(), m_program.variantNumber(), m_program.imageSize());
}

void VirtualPanel::step()
{
    const PanelProgram::Step step = m_program.next();
    for (const QString& note : step.notes)
        report(note);
    if (step.kind == PanelProgram::Step::Frame) {
        report(QStringLiteral("FRAME %1 %2 at %3")
                   .arg(step.frameNumber)
                   .arg(PanelProgram::ledsToHex(m_program.leds()))
                   .arg(step.offset));
        emit frameShown(step.frameNumber, step.offset, m_program.leds());
    } else {
        report(QStringLiteral("HOLD %1 at %2").arg(step.holdReason).arg(step.offset));
        emit programHeld(step.holdReason, step.offset);
    }
}
