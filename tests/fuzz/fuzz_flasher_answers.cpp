// The flasher's handling of the boot loader's answers: a whole flashing
// sequence over a real pseudo-terminal, where every request gets the next
// answer cut from the input, and the line closes once the answers run out.
#include "FuzzSupport.h"
#include "MspFlasher/MspFlasher.h"

#include <QSerialPort>
#include <QSocketNotifier>
#include <QTextStream>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

class Line
{
public:
    Line()
    {
        char name[256] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            return;
        termios tio {};
        tcgetattr(m_slave, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_slave, TCSANOW, &tio);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        port.setPortName(QString::fromLocal8Bit(name));
        notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { answer(); });
    }

    // Each answer is a length byte (0 to 3, 0 for silence) and that many bytes.
    void script(const QByteArray& answers)
    {
        m_answers = answers;
        m_at = 0;
    }

    QSerialPort port;
    std::unique_ptr<QSocketNotifier> notifier;

private:
    void answer()
    {
        char request[512];
        while (::read(m_master, request, sizeof request) > 0) { }
        QByteArray reply;
        if (m_at < m_answers.size()) {
            const int length = qMin(int(quint8(m_answers.at(m_at)) % 4), m_answers.size() - m_at - 1);
            reply = m_answers.mid(m_at + 1, length);
            m_at += 1 + length;
        }
        // Silence ends in the flasher's timeout; a closed line gives it the
        // same answer at once.
        if (reply.isEmpty() || ::write(m_master, reply.constData(), size_t(reply.size())) < 0)
            port.close();
    }

    int m_master = -1;
    int m_slave = -1;
    QByteArray m_answers;
    int m_at = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const char* const Models[] = { "Kamdel", "MSP430FR2512" };
    if (size == 0)
        return 0;
    FuzzSupport::ensureApplication();
    static Line line;
    line.script(FuzzSupport::bytes(data + 1, size - 1));
    if (!line.port.isOpen() && !line.port.open(QIODevice::ReadWrite))
        return 0;
    std::unique_ptr<MspFlasher> flasher(
        MspFlasher::crate(QString::fromLatin1(Models[data[0] % 2]), &line.port));
    QString image = QStringLiteral("@4400\n01 02 03 04\n@E300\n05 06\nq\n");
    QTextStream stream(&image);
    flasher->readMemoryFile(stream);
    if (flasher->verifyDevice() && flasher->eraseDevice() && flasher->flashDevice())
        flasher->jumpToApplication();
    line.port.close();
    return 0;
}
