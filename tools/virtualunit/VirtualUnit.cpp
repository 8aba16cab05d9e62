#include "VirtualUnit.h"

#include "BoardLine.h"
#include "VirtualPanel.h"

namespace {

// The same silence as the virtual panel's default ends an incomplete word.
constexpr int GapMs = 50;

} // namespace

VirtualUnit::VirtualUnit(std::unique_ptr<BslTarget> bootLoader, int baud, const LineLog& log, QObject* parent)
    : QObject(parent)
    , m_bootLoader(std::move(bootLoader))
    , m_paced(m_bootLoader.get(), baud, log)
    , m_log(log)
    , m_line(new BoardLine(this))
    , m_panel(new VirtualPanel(PanelProgram::Variant::Auto, this))
{
    m_panel->setOutput(log.stream());
    connect(m_line, &BoardLine::bytesArrived, this, &VirtualUnit::receive);
    connect(m_panel, &VirtualPanel::wordHandled, this, &VirtualUnit::countWord);
}

VirtualUnit::~VirtualUnit() = default;

bool VirtualUnit::open(const QString& linkPath, QString* error)
{
    if (!m_line->open(linkPath, error))
        return false;
    m_log.line(QStringLiteral("ready %1").arg(linkPath));
    return true;
}

void VirtualUnit::receive(const QByteArray& data)
{
    if (m_dead)
        return;
    const int64_t arrival = LinePacer::nowNs();
    // Byte by byte: the board may change from boot loader to application, or
    // vanish, in the middle of what arrived at once.
    for (int i = 0; i < data.size() && !m_gone; ++i) {
        if (m_application)
            m_panel->receive(data.mid(i, 1));
        else
            toBootLoader(static_cast<uint8_t>(data.at(i)), arrival);
    }
}

void VirtualUnit::toBootLoader(uint8_t byte, int64_t arrivalNs)
{
    BslTarget::Reply reply;
    if (!m_paced.take(byte, arrivalNs, m_line->descriptor(), &reply))
        return;
    uint16_t computed = 0;
    uint16_t stored = 0;
    if (reply.closeLine) {
        unplug();
    } else if (reply.jumped && m_bootLoader->applicationValid(&computed, &stored)) {
        m_application = true;
        m_panel->powerUp(GapMs);
    }
}

void VirtualUnit::countWord()
{
    if (++m_words == m_unplugWord)
        unplug();
}

void VirtualUnit::unplug()
{
    m_gone = true;
    m_line->unplug();
    m_log.line(QStringLiteral("unplugged"));
    emit unplugged();
}
