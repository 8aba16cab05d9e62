#include "ProbeFlasher.h"
#include "PtyPeer.h"
#include "TestCrc.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QByteArray bareWire(uint8_t command)
{
    const QByteArray payload(1, static_cast<char>(command));
    const uint16_t crc = testCrc16(payload);
    return QByteArray("\x80\x01", 2) + payload + char(crc & 0xFF) + char(crc >> 8);
}

QByteArray writeWire(quint32 address, const QByteArray& data)
{
    QByteArray payload;
    payload += char(0x10);
    payload += char(address & 0xFF);
    payload += char((address >> 8) & 0xFF);
    payload += char((address >> 16) & 0xFF);
    payload += data;
    const uint16_t crc = testCrc16(payload);
    return QByteArray(1, char(0x80)) + char(payload.size()) + payload + char(crc & 0xFF) + char(crc >> 8);
}

QByteArray counting(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = static_cast<char>(i * 7 + 3);
    return data;
}

} // namespace

class tst_MspFlasher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void packetOnTheWire_data();
    void packetOnTheWire();
    void refusedWritesSendNothing_data();
    void refusedWritesSendNothing();
    void closedPortSendsNothing();
    void staleInputIsDiscarded_data();
    void staleInputIsDiscarded();
    void lastByteIsTheAnswer_data();
    void lastByteIsTheAnswer();
    void answerWaitLimits_data();
    void answerWaitLimits();
    void lateAnswerWithinTheLimitIsTaken();
    void answerWaitHoldsOnABusyMachine();
    void showError_data();
    void showError();

private:
    std::unique_ptr<PtyPeer> m_pPeer;
    std::unique_ptr<QSerialPort> m_pPort;
    std::unique_ptr<ProbeFlasher> m_pFlasher;
};

void tst_MspFlasher::init()
{
    m_pPeer = std::make_unique<PtyPeer>();
    QVERIFY(m_pPeer->isValid());
    m_pPort = std::make_unique<QSerialPort>(m_pPeer->slaveName());
    QVERIFY2(m_pPort->open(QIODevice::ReadWrite), qPrintable(m_pPort->errorString()));
    m_pFlasher = std::make_unique<ProbeFlasher>(m_pPort.get());
}

void tst_MspFlasher::cleanup()
{
    m_pFlasher.reset();
    m_pPort.reset();
    m_pPeer.reset();
}

void tst_MspFlasher::packetOnTheWire_data()
{
    QTest::addColumn<int>("command"); // -1 for a write
    QTest::addColumn<quint32>("address");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("version") << 0x19 << 0u << QByteArray() << bareWire(0x19);
    QTest::addRow("erase") << 0x15 << 0u << QByteArray() << bareWire(0x15);
    QTest::addRow("jump") << 0x1C << 0u << QByteArray() << bareWire(0x1C);
    QTest::addRow("version literally") << 0x19 << 0u << QByteArray() << QByteArray::fromHex("800119e862");
    QTest::addRow("16 bytes to 0x12345")
        << -1 << 0x12345u << counting(16) << writeWire(0x12345, counting(16));
    QTest::addRow("one byte to 0") << -1 << 0u << QByteArray(1, '\xA5')
                                   << writeWire(0, QByteArray(1, '\xA5'));
    QTest::addRow("checksum bytes") << -1 << 0x4000u << QByteArray::fromHex("3412")
                                    << QByteArray::fromHex("80061000400034122a81");
    QTest::addRow("largest packet") << -1 << 0x6000u << counting(251) << writeWire(0x6000, counting(251));
    QTest::addRow("last block of the 24-bit space")
        << -1 << 0xFFFFF0u << counting(16) << writeWire(0xFFFFF0, counting(16));
}

void tst_MspFlasher::packetOnTheWire()
{
    QFETCH(int, command);
    QFETCH(quint32, address);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expected);

    m_pPeer->queueAnswer(QByteArray(1, '\0'));
    const char answer = command < 0 ? m_pFlasher->sendDataArray(address,
                            reinterpret_cast<const uint8_t*>(data.constData()), uint32_t(data.size()))
                                    : m_pFlasher->sendCommand(uint8_t(command));
    QCOMPARE(int(answer), 0);
    QCOMPARE(m_pPeer->received().toHex(), expected.toHex());
}

void tst_MspFlasher::refusedWritesSendNothing_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("size");

    QTest::addRow("no data") << 0x6000u << 0;
    QTest::addRow("length byte would wrap") << 0x6000u << 252;
    QTest::addRow("address beyond 24 bits") << 0x1000000u << 1;
    QTest::addRow("block running past 24 bits") << 0xFFFFFFu << 2;
    QTest::addRow("top bits set") << 0x80006000u << 16;
}

void tst_MspFlasher::refusedWritesSendNothing()
{
    QFETCH(quint32, address);
    QFETCH(int, size);

    m_pPeer->queueAnswer(QByteArray(1, '\0'));
    const QByteArray data = counting(size);
    QElapsedTimer timer;
    timer.start();
    const char answer = m_pFlasher->sendDataArray(
        address, reinterpret_cast<const uint8_t*>(data.constData()), uint32_t(size));
    QCOMPARE(int(answer), -1);
    // Refused before anything goes out, so there is no answer to wait for.
    QVERIFY(timer.elapsed() < 500);
    QCOMPARE(m_pPeer->received(), QByteArray());
}

void tst_MspFlasher::closedPortSendsNothing()
{
    m_pPort->close();
    m_pPeer->queueAnswer(QByteArray(1, '\0'));
    const uint8_t data[] = { 1, 2, 3 };
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(int(m_pFlasher->sendCommand(0x19)), -1);
    QCOMPARE(int(m_pFlasher->sendDataArray(0x6000, data, 3)), -1);
    QCOMPARE(int(m_pFlasher->getResponse(1000)), -1);
    m_pFlasher->sendSingleByte('x');
    QVERIFY(timer.elapsed() < 500);
    QCOMPARE(m_pPeer->received(), QByteArray());
}

void tst_MspFlasher::staleInputIsDiscarded_data()
{
    QTest::addColumn<QByteArray>("stale");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("settleMs");

    for (const int settle : { 50, 0 }) {
        // With no time to settle the bytes are still in the driver, not yet in the port's buffer.
        const char* where = settle ? "buffered" : "in the driver";
        QTest::addRow("stale success before a version answer, %s", where)
            << QByteArray(1, '\0') << QByteArray("\xA1") << 0xA1 - 256 << settle;
        QTest::addRow("stale success and no answer, %s", where)
            << QByteArray(1, '\0') << QByteArray() << -1 << settle;
        QTest::addRow("stale version and no answer, %s", where)
            << QByteArray("\xA1\xA1") << QByteArray() << -1 << settle;
    }
}

void tst_MspFlasher::staleInputIsDiscarded()
{
    QFETCH(QByteArray, stale);
    QFETCH(QByteArray, answer);
    QFETCH(int, expected);
    QFETCH(int, settleMs);

    m_pPeer->inject(stale);
    if (settleMs)
        QTest::qWait(settleMs);
    if (!answer.isEmpty())
        m_pPeer->queueAnswer(answer);
    QCOMPARE(int(m_pFlasher->sendCommand(0x19)), expected);
}

void tst_MspFlasher::lastByteIsTheAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("expected");

    QTest::addRow("noise then success") << QByteArray("\x52\x00", 2) << 0;
    QTest::addRow("success then error") << QByteArray("\x00\x52", 2) << 0x52;
}

void tst_MspFlasher::lastByteIsTheAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, expected);
    m_pPeer->queueAnswer(answer);
    QCOMPARE(int(m_pFlasher->sendCommand(0x15)), expected);
}

void tst_MspFlasher::answerWaitLimits_data()
{
    QTest::addColumn<int>("command"); // -1 for a write
    QTest::addColumn<int>("atLeastMs");
    QTest::addColumn<int>("belowMs");

    // 100 polls of 10 ms, 2 polls for the jump; the upper bounds leave room
    // for a loaded machine and only catch a wait that runs away.
    QTest::addRow("version") << 0x19 << 1000 << 5000;
    QTest::addRow("erase") << 0x15 << 1000 << 5000;
    QTest::addRow("write") << -1 << 1000 << 5000;
    QTest::addRow("jump") << 0x1C << 20 << 800;
}

void tst_MspFlasher::answerWaitLimits()
{
    QFETCH(int, command);
    QFETCH(int, atLeastMs);
    QFETCH(int, belowMs);

    const uint8_t data[] = { 1 };
    QElapsedTimer timer;
    timer.start();
    const char answer = command < 0 ? m_pFlasher->sendDataArray(0x6000, data, 1)
                                    : m_pFlasher->sendCommand(uint8_t(command));
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(int(answer), -1);
    QVERIFY2(elapsed >= atLeastMs - 1, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < belowMs, qPrintable(QString::number(elapsed)));
    QCOMPARE(m_pPeer->packets(), 1);
}

void tst_MspFlasher::lateAnswerWithinTheLimitIsTaken()
{
    // The answer comes from a timer, so it also shows that the wait keeps
    // the event loop turning.
    PtyPeer* peer = m_pPeer.get();
    QTimer::singleShot(300, peer, [peer] { peer->inject(QByteArray("\xA2")); });
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(int(m_pFlasher->sendCommand(0x19)), 0xA2 - 256);
    QVERIFY(timer.elapsed() >= 290);
    QVERIFY(timer.elapsed() < 1000);

    QTimer::singleShot(1300, peer, [peer] { peer->inject(QByteArray("\xA2")); });
    QCOMPARE(int(m_pFlasher->sendCommand(0x19)), -1);
}

void tst_MspFlasher::answerWaitHoldsOnABusyMachine()
{
    // Every turn of the event loop costs 20 ms, twice the poll interval.
    QTimer busy;
    connect(&busy, &QTimer::timeout, this, [] { QThread::msleep(20); });
    busy.start(0);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(int(m_pFlasher->sendCommand(0x19)), -1);
    QVERIFY2(timer.elapsed() < 1300, qPrintable(QString::number(timer.elapsed())));
}

void tst_MspFlasher::showError_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::addRow("timeout") << -1 << "Error: (-1) Timeout";
    QTest::addRow("0xff from the device") << 0xFF << "Error: (-1) Timeout";
    QTest::addRow("header") << 0x51 << "Error: (51) Incorrect header";
    QTest::addRow("checksum") << 0x52 << "Error: (52) Packet checksum error";
    QTest::addRow("size zero") << 0x53 << "Error: (53) Packet size is zero";
    QTest::addRow("size invalid") << 0x54 << "Error: (54) Packet size is invalid";
    QTest::addRow("protocol") << 0x55 << "Error: (55) Error in protocol";
    QTest::addRow("0x85") << 0x85 << "Error: (-7b) unknown";
    QTest::addRow("0x20") << 0x20 << "Error: (20) unknown";
    QTest::addRow("zero") << 0x00 << "Error: (0) unknown";
    QTest::addRow("not writable") << 0xC5 << "Error: (-3b) unknown";
}

void tst_MspFlasher::showError()
{
    QFETCH(int, code);
    QFETCH(QString, text);

    QSignalSpy messages(m_pFlasher.get(), &MspFlasher::message);
    QVERIFY(messages.isValid());
    m_pFlasher->showError(static_cast<char>(code));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.at(0).at(0).toString(), text);
}

QTEST_GUILESS_MAIN(tst_MspFlasher)
#include "tst_mspflasher.moc"
