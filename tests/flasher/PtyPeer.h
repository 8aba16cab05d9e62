#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <memory>

// The far end of a pseudo-terminal, driven from the test's own thread: it
// records every byte the flasher sends and answers each complete request
// packet with the next scripted answer. It runs while the flasher's waits
// let events through, as a real device would answer while the flasher polls.
class PtyPeer : public QObject
{
    Q_OBJECT

public:
    explicit PtyPeer(QObject* parent = nullptr)
        : QObject(parent)
    {
        char name[256] = {};
        if (openpty(&m_Master, &m_Slave, name, nullptr, nullptr) != 0)
            return;
        termios tio {};
        tcgetattr(m_Slave, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_Slave, TCSANOW, &tio);
        fcntl(m_Master, F_SETFL, fcntl(m_Master, F_GETFL) | O_NONBLOCK);
        m_SlaveName = QString::fromLocal8Bit(name);
        m_pNotifier = std::make_unique<QSocketNotifier>(m_Master, QSocketNotifier::Read);
        connect(m_pNotifier.get(), &QSocketNotifier::activated, this, &PtyPeer::readRequests);
    }

    ~PtyPeer() override
    {
        m_pNotifier.reset();
        if (m_Master >= 0)
            ::close(m_Master);
        if (m_Slave >= 0)
            ::close(m_Slave);
    }

    bool isValid() const { return m_Master >= 0; }
    QString slaveName() const { return m_SlaveName; }

    // Answers for the next complete packets, in order; no answer once used up.
    void queueAnswer(const QByteArray& answer) { m_Answers.append(answer); }

    // Bytes put on the line outside any exchange.
    void inject(const QByteArray& bytes) { writeAll(bytes); }

    QByteArray received()
    {
        readRequests();
        return m_Received;
    }
    int packets() const { return m_Packets; }

private:
    void readRequests()
    {
        char buffer[512];
        ssize_t count;
        while ((count = ::read(m_Master, buffer, sizeof buffer)) > 0)
            m_Received.append(buffer, static_cast<int>(count));
        // Answer every packet that is complete: 0x80, length N, N payload bytes, two checksum bytes.
        while (m_Parsed + 2 <= m_Received.size()) {
            const int length = static_cast<uint8_t>(m_Received.at(m_Parsed + 1));
            if (m_Parsed + length + 4 > m_Received.size())
                break;
            m_Parsed += length + 4;
            ++m_Packets;
            if (!m_Answers.isEmpty())
                writeAll(m_Answers.takeFirst());
        }
    }

    void writeAll(const QByteArray& bytes)
    {
        if (bytes.isEmpty())
            return;
        [[maybe_unused]] const ssize_t written = ::write(m_Master, bytes.constData(), bytes.size());
    }

    int m_Master = -1;
    int m_Slave = -1;
    QString m_SlaveName;
    std::unique_ptr<QSocketNotifier> m_pNotifier;
    QByteArray m_Received;
    int m_Parsed = 0;
    int m_Packets = 0;
    QList<QByteArray> m_Answers;
};
