#include "ProbeFlasher.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

// "ADDR:BYTES" per segment, in list order.
QStringList describe(const QList<sMemory>& segments)
{
    QStringList result;
    for (const sMemory& segment : segments)
        result << QStringLiteral("%1:%2")
                      .arg(segment.address, 0, 16)
                      .arg(QString::fromLatin1(segment.data.toHex()));
    return result;
}

// Address -> byte, the way the device memory sees the segments.
QMap<quint32, quint8> flatten(const QList<sMemory>& segments)
{
    QMap<quint32, quint8> bytes;
    for (const sMemory& segment : segments) {
        for (int i = 0; i < segment.data.size(); ++i)
            bytes.insert(segment.address + quint32(i), quint8(segment.data.at(i)));
    }
    return bytes;
}

} // namespace

class tst_TiTxt : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void refusedFileLeavesNoImage();
    void readsFileOpenedAsTheWindowDoes();
    void srecCatRoundTrip_data();
    void srecCatRoundTrip();
};

void tst_TiTxt::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("segments");

    QTest::addRow("one segment") << "@E000\n31 40 00 24\nq\n" << true << QStringList { "e000:31400024" };
    QTest::addRow("several lines form one segment") << "@E000\n01 02\n03\n04 05 06\nq\n"
                                                    << true << QStringList { "e000:010203040506" };
    QTest::addRow("segments keep file order") << "@F000\n01 02\n@E000\n03\nq\n"
                                              << true << QStringList { "f000:0102", "e000:03" };
    QTest::addRow("address without data is replaced") << "@1000\n@2000\nAA\nq\n"
                                                      << true << QStringList { "2000:aa" };
    QTest::addRow("overlapping segments are not merged") << "@E000\n01 02 03\n@E001\n09\n"
                                                         << true << QStringList { "e000:010203", "e001:09" };
    QTest::addRow("data before any address is at 0") << "10 20\n@E000\n30\n"
                                                     << true << QStringList { "0:1020", "e000:30" };
    QTest::addRow("no end mark reads to the end") << "@E000\nAB\n" << true << QStringList { "e000:ab" };
    QTest::addRow("lines after q are never read") << "@E000\nAB\nq\nnot hex at all\n@ZZ\n"
                                                  << true << QStringList { "e000:ab" };
    QTest::addRow("empty file") << "" << true << QStringList {};
    QTest::addRow("only q") << "q\n" << true << QStringList {};
    QTest::addRow("empty lines add nothing") << "@E000\n\n01\n\n02\n" << true << QStringList { "e000:0102" };
    QTest::addRow("runs of spaces") << "@E000\n  01   02  \n" << true << QStringList { "e000:0102" };
    QTest::addRow("lower-case hex") << "@e0a0\nab cd\n" << true << QStringList { "e0a0:abcd" };
    QTest::addRow("crlf line ends") << "@E000\r\n31 40\r\nq\r\n" << true << QStringList { "e000:3140" };
    QTest::addRow("address above 64 KiB") << "@10000\nFF 00\n" << true << QStringList { "10000:ff00" };
    QTest::addRow("last byte of the 24-bit space") << "@FFFFFF\n5A\n" << true << QStringList { "ffffff:5a" };
    QTest::addRow("block ending at the 24-bit limit")
        << "@FFFFF0\n00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\n"
        << true << QStringList { "fffff0:000102030405060708090a0b0c0d0e0f" };

    QTest::addRow("upper-case Q is not an end mark") << "@E000\n01\nQ\n" << false << QStringList {};
    QTest::addRow("tab between values") << "@E000\n01\t02\n" << false << QStringList {};
    QTest::addRow("value above a byte") << "@E000\n1FF\n" << false << QStringList {};
    QTest::addRow("value 100") << "@E000\n01 100\n" << false << QStringList {};
    QTest::addRow("not a number") << "@E000\n0G\n" << false << QStringList {};
    QTest::addRow("negative value") << "@E000\n-1\n" << false << QStringList {};
    QTest::addRow("bare @") << "@\n01\n" << false << QStringList {};
    QTest::addRow("address not a number") << "@E00X\n01\n" << false << QStringList {};
    QTest::addRow("address beyond 24 bits") << "@1000000\n01\n" << false << QStringList {};
    QTest::addRow("address beyond 32 bits") << "@100000000\n01\n" << false << QStringList {};
    QTest::addRow("data running past 24 bits") << "@FFFFFF\n01 02\n" << false << QStringList {};
    QTest::addRow("one endless token") << "@E000\n01 " + QString(1 << 20, 'A') + "\n"
                                       << false << QStringList {};
    QTest::addRow("one endless address") << "@" + QString(1 << 20, '1') + "\n01\n" << false << QStringList {};
    QTest::addRow("three bytes from FFFFFE")
        << QStringLiteral("@FFFFFE\n01 02 03\nq\n") << false << QStringList {};
}

void tst_TiTxt::read()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QStringList, segments);

    QSerialPort port;
    ProbeFlasher flasher(&port);
    QTextStream stream(&text, QIODevice::ReadOnly);
    QCOMPARE(flasher.readMemoryFile(stream), ok);
    QCOMPARE(describe(flasher.memoryData()), segments);
    // A file read to its end without "q" may have been cut off: it is said.
    if (ok)
        QCOMPARE(flasher.readWarnings().isEmpty(),
            text.contains(QRegularExpression("^q", QRegularExpression::MultilineOption)));
}

void tst_TiTxt::refusedFileLeavesNoImage()
{
    QSerialPort port;
    ProbeFlasher flasher(&port);
    QString good = QStringLiteral("@E000\n01 02\n");
    QTextStream goodStream(&good, QIODevice::ReadOnly);
    QVERIFY(flasher.readMemoryFile(goodStream));
    QCOMPARE(flasher.memoryData().size(), 1);

    // The first segment is complete before the bad value: nothing of it may
    // survive to be written by a later flash.
    QString bad = QStringLiteral("@E000\n01 02\n@F000\n03 1FF\n");
    QTextStream badStream(&bad, QIODevice::ReadOnly);
    QVERIFY(!flasher.readMemoryFile(badStream));
    QVERIFY(flasher.memoryData().isEmpty());
}

void tst_TiTxt::readsFileOpenedAsTheWindowDoes()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("app.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@E000\r\n31 40 00 24\r\n@10000\r\nFF\r\nq\r\n");
    file.close();

    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream stream(&file);
    QSerialPort port;
    ProbeFlasher flasher(&port);
    QVERIFY(flasher.readMemoryFile(stream));
    QCOMPARE(describe(flasher.memoryData()), (QStringList { "e000:31400024", "10000:ff" }));
}

void tst_TiTxt::srecCatRoundTrip_data()
{
    QTest::addColumn<QList<quint32>>("addresses");
    QTest::addColumn<QList<int>>("sizes");

    QTest::addRow("one short block") << QList<quint32> { 0xE000 } << QList<int> { 40 };
    QTest::addRow("odd sizes and gaps")
        << QList<quint32> { 0x4400, 0x4500, 0xF7F0 } << QList<int> { 1, 17, 16 };
    QTest::addRow("second range") << QList<quint32> { 0x6000, 0x10000, 0x23F00 }
                                  << QList<int> { 300, 1000, 0xF8 };
    QTest::addRow("touching blocks") << QList<quint32> { 0x8000, 0x8010 } << QList<int> { 16, 5 };
    QTest::addRow("64 KiB") << QList<quint32> { 0x10000 } << QList<int> { 0x10000 };
    QTest::addRow("top of the 24-bit space") << QList<quint32> { 0xFFFF00 } << QList<int> { 256 };
}

void tst_TiTxt::srecCatRoundTrip()
{
    QFETCH(QList<quint32>, addresses);
    QFETCH(QList<int>, sizes);

    const QString srecCat = QStandardPaths::findExecutable(QStringLiteral("srec_cat"));
    if (srecCat.isEmpty())
        QSKIP("srec_cat (Debian package srecord) is not installed");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QRandomGenerator random(0x5EED + quint32(addresses.size()));
    QMap<quint32, quint8> expected;
    QStringList arguments;
    for (int i = 0; i < addresses.size(); ++i) {
        QByteArray bytes(sizes.at(i), Qt::Uninitialized);
        for (char& c : bytes)
            c = static_cast<char>(random.bounded(256));
        for (int k = 0; k < bytes.size(); ++k)
            expected.insert(addresses.at(i) + quint32(k), quint8(bytes.at(k)));
        const QString path = dir.filePath(QStringLiteral("block%1.bin").arg(i));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        arguments << path << QStringLiteral("-binary") << QStringLiteral("-offset")
                  << QStringLiteral("0x%1").arg(addresses.at(i), 0, 16);
    }
    const QString output = dir.filePath(QStringLiteral("app.txt"));
    arguments << QStringLiteral("-o") << output << QStringLiteral("-Texas_Instruments_TeXT");

    QProcess process;
    process.start(srecCat, arguments);
    QVERIFY(process.waitForFinished(30000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream stream(&file);
    QSerialPort port;
    ProbeFlasher flasher(&port);
    QVERIFY(flasher.readMemoryFile(stream));
    QCOMPARE(flatten(flasher.memoryData()), expected);
}

QTEST_GUILESS_MAIN(tst_TiTxt)
#include "tst_titxt.moc"
