#include "BslTargetRunner.h"
#include "TestCrc.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray packet(const QByteArray& payload)
{
    const uint16_t crc = testCrc16(payload);
    return QByteArray(1, '\x80') + char(payload.size()) + payload + char(crc & 0xFF) + char(crc >> 8);
}

QByteArray writePacket(quint32 address, const QByteArray& data)
{
    QByteArray payload(1, '\x10');
    payload += char(address & 0xFF);
    payload += char((address >> 8) & 0xFF);
    payload += char((address >> 16) & 0xFF);
    return packet(payload + data);
}

// Sends one chunk and collects the answer: waits for `expected` bytes (or a
// while when none are expected), then briefly for anything surplus.
QByteArray exchange(QSerialPort& port, const QByteArray& chunk, int expected)
{
    port.write(chunk);
    port.flush();
    QByteArray answer;
    QElapsedTimer timer;
    timer.start();
    const int limit = expected > 0 ? 5000 : 80;
    while (answer.size() < qMax(expected, 1) && timer.elapsed() < limit) {
        if (port.waitForReadyRead(10))
            answer += port.readAll();
    }
    if (port.waitForReadyRead(30))
        answer += port.readAll();
    return answer;
}

} // namespace

class tst_BslTarget : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void eraseAndRefusedWrite_data();
    void eraseAndRefusedWrite();
    void pacedLine();
};

void tst_BslTarget::answers_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<QString>("lastLine");

    const QByteArray version = packet(QByteArray(1, '\x19'));
    QByteArray badCrc = version;
    badCrc[badCrc.size() - 1] = char(badCrc.back() ^ 0x01);

    QTest::addRow("bad header at once") << QStringList() << QList<QByteArray> { "\x12" }
                                        << QList<QByteArray> { "\x51" } << "#1 bad-header byte=12 answer=51";
    QTest::addRow("zero length at once") << QStringList() << QList<QByteArray> { QByteArray("\x80\x00", 2) }
                                         << QList<QByteArray> { "\x53" } << "#1 bad-length len=0 answer=53";
    QTest::addRow("length above 20 at once")
        << QStringList() << QList<QByteArray> { "\x80\x15" } << QList<QByteArray> { "\x54" }
        << "#1 bad-length len=21 answer=54";
    QTest::addRow("checksum judged after the last byte")
        << QStringList() << QList<QByteArray> { badCrc.left(4), badCrc.mid(4) }
        << QList<QByteArray> { "", "\x52" } << "#1 bad-crc cmd=19 crc=63e8 expected=62e8 answer=52";
    QTest::addRow("new header after an error")
        << QStringList() << QList<QByteArray> { "\x12", version } << QList<QByteArray> { "\x51", "\xA1" }
        << "#2 version answer=a1";
    QList<QByteArray> single;
    QList<QByteArray> singleAnswers;
    for (char c : version) {
        single << QByteArray(1, c);
        singleAnswers << QByteArray();
    }
    singleAnswers.last() = "\xA1";
    QTest::addRow("byte by byte") << QStringList() << single << singleAnswers << "#1 version answer=a1";
    QTest::addRow("version configurable")
        << QStringList { "--version-answer", "a7" } << QList<QByteArray> { version }
        << QList<QByteArray> { "\xA7" } << "#1 version answer=a7";
    QTest::addRow("unknown command") << QStringList() << QList<QByteArray> { packet("\x22") }
                                     << QList<QByteArray> { "\xC6" } << "#1 unknown cmd=22 answer=c6";
    QTest::addRow("longest write") << QStringList()
                                   << QList<QByteArray> { writePacket(0x6000, QByteArray(16, 'x')) }
                                   << QList<QByteArray> { QByteArray(1, '\0') }
                                   << "#1 write addr=006000 len=16 answer=00";
    QTest::addRow("jump answers 0x55") << QStringList() << QList<QByteArray> { packet("\x1C") }
                                       << QList<QByteArray> { "\x55" } << "#1 jump app=invalid";
    QTest::addRow("lost request") << QStringList { "--fault", "silent@2" }
                                  << QList<QByteArray> { version, version, version }
                                  << QList<QByteArray> { "\xA1", "", "\xA1" } << "#3 version answer=a1";
    QTest::addRow("corrupted answer")
        << QStringList { "--fault", "corrupt@1" } << QList<QByteArray> { version }
        << QList<QByteArray> { "\xFB" } << "#1 version answer=fb fault=corrupt";
}

void tst_BslTarget::answers()
{
    QFETCH(QStringList, options);
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, answers);
    QFETCH(QString, lastLine);

    BslTargetRunner target(options);
    QVERIFY(target.isReady());
    QSerialPort port(target.link());
    QVERIFY(port.open(QIODevice::ReadWrite));
    for (int i = 0; i < chunks.size(); ++i)
        QCOMPARE(exchange(port, chunks.at(i), answers.at(i).size()).toHex(), answers.at(i).toHex());
    port.close();
    target.finish();
    QVERIFY(!target.requests().isEmpty());
    QVERIFY2(target.requests().last().startsWith(lastLine), qPrintable(target.requests().last()));
}

void tst_BslTarget::eraseAndRefusedWrite_data()
{
    QTest::addColumn<bool>("guardVectors");
    QTest::addRow("vector area written outside the check") << false;
    QTest::addRow("boot loader guarding its vectors") << true;
}

void tst_BslTarget::eraseAndRefusedWrite()
{
    QFETCH(bool, guardVectors);
    QTemporaryDir dir;
    const QString dumpPath = dir.filePath(QStringLiteral("memory.bin"));
    QStringList options { "--model", "MSP430FR2512", "--fill", "00", "--dump", dumpPath };
    if (guardVectors)
        options << "--guard-vectors";
    BslTargetRunner target(options);
    QVERIFY(target.isReady());
    QSerialPort port(target.link());
    QVERIFY(port.open(QIODevice::ReadWrite));

    QCOMPARE(exchange(port, packet("\x15"), 1).toHex(), QByteArray("00"));
    // 0xF7FE and 0xF7FF are the last bytes of the application; 0xF800 starts
    // the vector area.
    QCOMPARE(exchange(port, writePacket(0xF7FE, "\x01\x02\x03\x04"), 1).toHex(),
        QByteArray(guardVectors ? "c5" : "00"));
    // Nothing below the checksum address is writable.
    QCOMPARE(exchange(port, writePacket(0xE2FF, "\x05"), 1).toHex(), QByteArray("c5"));
    // The checksum of the application area as it stands now: the check
    // passes whatever the vector area holds.
    QByteArray expected(0xF7FF - 0xE300 + 1, '\xFF');
    expected[expected.size() - 2] = '\x01';
    expected[expected.size() - 1] = '\x02';
    const uint16_t crc = testCrc16(expected.mid(3));
    expected[0] = char(crc & 0xFF);
    expected[1] = char(crc >> 8);
    QCOMPARE(exchange(port, writePacket(0xE300, expected.left(2)), 1).toHex(), QByteArray("00"));
    port.close();
    target.finish();

    QFile dump(dumpPath);
    QVERIFY(dump.open(QIODevice::ReadOnly));
    QCOMPARE(dump.readAll(), expected);
    // The guarded area keeps its old content through the erase.
    QByteArray vectors(0x800, guardVectors ? '\0' : '\xFF');
    if (!guardVectors)
        vectors.replace(0, 2, "\x03\x04");
    QCOMPARE(target.vectorDigest(),
        QString::fromLatin1(QCryptographicHash::hash(vectors, QCryptographicHash::Sha256).toHex()));
    QCOMPARE(target.requests().at(1).contains(QStringLiteral("refused=00f800")), guardVectors);
    QVERIFY2(target.applicationValid(), qPrintable(target.verdict()));
}

void tst_BslTarget::pacedLine()
{
    // 9600 baud: five request bytes and one answer byte take 6.25 ms at least.
    BslTargetRunner target({ "--baud", "9600" });
    QVERIFY(target.isReady());
    QSerialPort port(target.link());
    QVERIFY(port.open(QIODevice::ReadWrite));
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        port.write(packet("\x19"));
        port.flush();
        while (port.bytesAvailable() == 0 && timer.elapsed() < 2000)
            port.waitForReadyRead(50);
        const qint64 elapsedUs = timer.nsecsElapsed() / 1000;
        QCOMPARE(port.readAll().toHex(), QByteArray("a1"));
        QVERIFY2(elapsedUs >= 6250, qPrintable(QString::number(elapsedUs)));
    }
}

QTEST_GUILESS_MAIN(tst_BslTarget)
#include "tst_bsltarget.moc"
