#include "FlasherImage.h"
#include "Helper/FirmwareFile.h"
#include "Helper/FirmwareImage.h"
#include "Helper/IntelHexReader.h"
#include "MspFlasher/MspFlasher.h"

#include <QBuffer>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <sys/stat.h>

namespace {

std::unique_ptr<MspFlasher> flasherFor(const QString& model, QSerialPort* port)
{
    return std::unique_ptr<MspFlasher>(MspFlasher::crate(model, port));
}

QList<sMemory> byAddress(QList<sMemory> segments)
{
    std::sort(segments.begin(), segments.end(),
        [](const sMemory& a, const sMemory& b) { return a.address < b.address; });
    return segments;
}

bool sameSegments(const QList<sMemory>& a, const QList<sMemory>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).address != b.at(i).address || a.at(i).data != b.at(i).data)
            return false;
    }
    return true;
}

} // namespace

class tst_ImageReader : public QObject
{
    Q_OBJECT

private slots:
    void refusalNamesLineAndReason_data();
    void refusalNamesLineAndReason();
    void intelHexMatchesTiTxt_data();
    void intelHexMatchesTiTxt();
    void recognisedByContent_data();
    void recognisedByContent();
    void fitsMemory_data();
    void fitsMemory();
    void firmwareFileRefused_data();
    void firmwareFileRefused();
    void readerFromADeviceIsBounded();
};

void tst_ImageReader::refusalNamesLineAndReason_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");

    QTest::addRow("TI-TXT value above a byte")
        << QByteArray("@6000\n01 02\n03 1FF\nq\n") << "line 3: value 1FF is not a byte";
    QTest::addRow("TI-TXT not a number")
        << QByteArray("@6000\r\n01 ZZ\r\nq\r\n") << "line 2: ZZ is not a hexadecimal number";
    QTest::addRow("TI-TXT bad address")
        << QByteArray("@60G0\n01\nq\n") << "line 1: address 60G0 is not a hexadecimal number";
    QTest::addRow("TI-TXT address beyond 24 bits") << QByteArray(
        "01\n@1000000\n01\nq\n") << "line 2: address 1000000 is beyond the 24-bit address space";
    QTest::addRow("TI-TXT tab between values")
        << QByteArray("@6000\n01\t02\nq\n") << "line 2: 01\t02 is not a hexadecimal number";
    QTest::addRow("HEX checksum") << QByteArray(":0260000001029B\n:0260020001029A\n:00000001FF\n")
                                  << "line 2: checksum 9A should be 99";
    QTest::addRow("HEX odd digits") << QByteArray(":0260000001029B0\n:00000001FF\n")
                                    << "line 1: record is too short or has an odd number of digits";
    QTest::addRow("HEX length mismatch")
        << QByteArray(":0360000001029A\n:00000001FF\n") << "line 1: length 3 does not match the record";
    QTest::addRow("HEX no record mark")
        << QByteArray(":0260000001029B\n\n0260000001029B\n") << "line 3: record does not start with ':'";
    QTest::addRow("HEX not hex") << QByteArray(":02600000010G9B\n")
                                 << "line 1: 'G' is not a hexadecimal digit";
    QTest::addRow("HEX record cut short") << QByteArray(":0260000001029B\n:02600200\n")
                                          << "line 2: record is too short or has an odd number of digits";
    QTest::addRow("HEX no end record") << QByteArray(":0260000001029B\n") << "line 2: no end-of-file record";
    QTest::addRow("HEX data after end")
        << QByteArray(":00000001FF\n:0260000001029B\n") << "line 2: record after the end-of-file record";
    QTest::addRow("HEX unknown type")
        << QByteArray(":00000006FA\n:00000001FF\n") << "line 1: unknown record type 06";
    const QByteArray token(100000, '7');
    QTest::addRow("TI-TXT endless token quoted in part")
        << QByteArray("@6000\n") + token + "G\n"
        << "line 2: " + QString(40, '7') + "... is not a hexadecimal number";
    QTest::addRow("TI-TXT endless address quoted in part")
        << QByteArray("@") + token + "\n"
        << "line 1: address " + QString(40, '7') + "... is not a hexadecimal number";
    QTest::addRow("TI-TXT 40 characters quoted whole")
        << QByteArray("@6000\n") + QByteArray(39, '0') + "G\n"
        << "line 2: " + QString(39, '0') + "G is not a hexadecimal number";
    QTest::addRow("TI-TXT more data than any device holds")
        << QByteArray("@10000\n") + QByteArray("00 ").repeated(FirmwareImage::MaxBytes) + "01\n"
        << "line 2: more data than any device holds (over 2.25 MiB)";
    QTest::addRow("HEX endless record") << QByteArray(":") + QByteArray(100000, '0') + "\n"
                                        << "line 1: record is longer than 255 data bytes allow";
    // The same 255 bytes again and again: overlapping data counts too.
    const QByteArray record = ":FF000000" + QByteArray(510, '0') + "01\n";
    QTest::addRow("HEX more data than any device holds")
        << record.repeated(FirmwareImage::MaxBytes / 255 + 1) + ":00000001FF\n"
        << QString("line %1: more data than any device holds (over 2.25 MiB)")
               .arg(FirmwareImage::MaxBytes / 255 + 1);
    QTest::addRow("HEX beyond 24 bits") << QByteArray(":020000040100F9\n:0100000001FE\n:00000001FF\n")
                                        << "line 2: address 1000000 is beyond the 24-bit address space";
}

void tst_ImageReader::refusalNamesLineAndReason()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QSerialPort port;
    const auto flasher = flasherFor("Kamdel", &port);
    QVERIFY(!flasher->readImage(text));
    QCOMPARE(flasher->readError(), error);
    QVERIFY(flasher->memoryData().isEmpty());
}

void tst_ImageReader::intelHexMatchesTiTxt_data()
{
    QTest::addColumn<QList<sMemory>>("segments");
    QTest::addColumn<QStringList>("hexOptions");

    const QList<sMemory> mixed { { 0x6000, patterned(300, 1) }, { 0x4800, patterned(17, 2) },
        { 0xFFF0, patterned(16, 3) }, { 0x10000 + 0x40, patterned(77, 4) }, { 0x43FF0, patterned(8, 5) } };
    QTest::addRow("linear address records") << mixed << QStringList { "-Intel" };
    QTest::addRow("segment address records") << mixed << QStringList { "-Intel", "-address-length=3" };
    QTest::addRow("16-bit, wide records")
        << QList<sMemory> { { 0xE300, patterned(1, 6) }, { 0xE400, patterned(1000, 7) } }
        << QStringList { "-Intel", "-address-length=2", "-Output_Block_Size=32" };
    // A run across a 64 KiB boundary continues after a new address record.
    QTest::addRow("across 64 KiB") << QList<sMemory> { { 0xFFE0, patterned(64, 8) } }
                                   << QStringList { "-Intel" };
}

void tst_ImageReader::intelHexMatchesTiTxt()
{
    QFETCH(QList<sMemory>, segments);
    QFETCH(QStringList, hexOptions);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile tiTxt(dir.filePath("app.txt"));
    QVERIFY(tiTxt.open(QIODevice::WriteOnly));
    tiTxt.write(toTiTxt(segments).toLatin1());
    tiTxt.close();

    QProcess srecCat;
    srecCat.start(
        "srec_cat", QStringList { tiTxt.fileName(), "-Texas_Instruments_TeXT", "-o", "-" } + hexOptions);
    if (!srecCat.waitForStarted())
        QSKIP("srec_cat is not installed (tools/install-deps.sh installs it)");
    QVERIFY(srecCat.waitForFinished());
    QCOMPARE(srecCat.exitCode(), 0);
    const QByteArray hex = srecCat.readAllStandardOutput();
    QVERIFY(IntelHexReader::recognise(hex));

    QSerialPort port;
    const auto fromHex = flasherFor("MSP430FR5994", &port);
    const auto fromTiTxt = flasherFor("MSP430FR5994", &port);
    QVERIFY2(fromHex->readImage(hex), qPrintable(fromHex->readError()));
    QVERIFY(tiTxt.open(QIODevice::ReadOnly));
    QVERIFY(fromTiTxt->readImage(tiTxt.readAll()));
    QVERIFY(sameSegments(fromTiTxt->memoryData(), segments));
    // srec_cat writes the runs in address order.
    QVERIFY(sameSegments(fromHex->memoryData(), byAddress(segments)));
    QCOMPARE(fromHex->applicationChecksum(), fromTiTxt->applicationChecksum());
}

void tst_ImageReader::recognisedByContent_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("intelHex");
    QTest::addRow("record mark") << QByteArray(":00000001FF\n") << true;
    QTest::addRow("blank lines first") << QByteArray("\r\n \n:00000001FF\n") << true;
    QTest::addRow("TI-TXT") << QByteArray("@E000\n31 40\nq\n") << false;
    QTest::addRow("data before any address") << QByteArray("01 02 :\n") << false;
    QTest::addRow("empty") << QByteArray() << false;
}

void tst_ImageReader::recognisedByContent()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, intelHex);
    QCOMPARE(IntelHexReader::recognise(text), intelHex);
}

void tst_ImageReader::fitsMemory_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<sMemory>>("segments");
    QTest::addColumn<qint64>("offending"); // -1: fits
    QTest::addColumn<QString>("vectors"); // "count first last" of the vector area written

    const QByteArray one(1, '\x01');
    QTest::addRow("Kamdel below the checked range")
        << "Kamdel" << QList<sMemory> { { 0x4000, one } } << -1LL << "0 0 0";
    QTest::addRow("TI-TXT at 0x0200") << "Kamdel" << QList<sMemory> { { 0x0200, one } } << 0x200LL << "0 0 0";
    QTest::addRow("runs from the application into the vector area")
        << "Kamdel" << QList<sMemory> { { 0x6000, one }, { 0xF7F8, patterned(100, 1) } } << -1LL
        << "92 f800 f85b";
    QTest::addRow("first offender in file order")
        << "Kamdel" << QList<sMemory> { { 0x24000, one }, { 0x0200, one } } << 0x24000LL << "0 0 0";
    QTest::addRow("both ranges up to their last bytes")
        << "MSP430FR5994" << QList<sMemory> { { 0xF7FF, one }, { 0x43FF7, one } } << -1LL << "0 0 0";
    QTest::addRow("past the end of the second range")
        << "MSP430FR5992" << QList<sMemory> { { 0x23FF0, patterned(9, 2) } } << 0x23FF8LL << "0 0 0";
    QTest::addRow("small model has no second range")
        << "MSP430FR2512" << QList<sMemory> { { 0x10000, one } } << 0x10000LL << "0 0 0";
    QTest::addRow("small model, checksum word")
        << "MSP430FR5729" << QList<sMemory> { { 0xC200, one } } << -1LL << "0 0 0";
    QTest::addRow("small model, just below")
        << "MSP430FR5729" << QList<sMemory> { { 0xC1FF, one } } << 0xC1FFLL << "0 0 0";
    QTest::addRow("reset vector alone")
        << "MSP430FR2512" << QList<sMemory> { { 0xFFFE, one } } << -1LL << "1 fffe fffe";
    QTest::addRow("small model, past the vector area")
        << "MSP430FR2512" << QList<sMemory> { { 0xFFF8, patterned(16, 3) } } << 0x10000LL << "8 fff8 ffff";
    QTest::addRow("large model, from the vector area into the second range")
        << "MSP430FR5992" << QList<sMemory> { { 0xFFF8, patterned(16, 3) } } << -1LL << "8 fff8 ffff";
    QTest::addRow("overlapping vectors counted once")
        << "Kamdel" << QList<sMemory> { { 0xFFE0, patterned(32, 4) }, { 0xFFF0, patterned(16, 5) } } << -1LL
        << "32 ffe0 ffff";
    for (const ModelRow& row : modelTable())
        QTest::addRow("%s with vectors", qPrintable(row.name))
            << row.name << imageWithVectors(row) << -1LL << "32 ffe0 ffff";
}

void tst_ImageReader::fitsMemory()
{
    QFETCH(QString, model);
    QFETCH(QList<sMemory>, segments);
    QFETCH(qint64, offending);
    QFETCH(QString, vectors);
    QSerialPort port;
    const auto flasher = flasherFor(model, &port);
    QVERIFY(flasher->readImage(toTiTxt(segments).toLatin1()));
    uint32_t first = 0;
    QCOMPARE(flasher->fitsMemory(&first), offending < 0);
    if (offending >= 0)
        QCOMPARE(qint64(first), offending);
    const MspFlasher::VectorAreaUse use = flasher->vectorAreaUse();
    QCOMPARE(QString("%1 %2 %3").arg(use.count).arg(use.first, 0, 16).arg(use.last, 0, 16), vectors);
}

void tst_ImageReader::firmwareFileRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString notRegular
        = "The firmware file is not a regular file (it is a folder, a device or a pipe).";
    const QString tooLarge = "The firmware file is larger than 16 MiB, more than any device holds.";
    QTest::addRow("missing") << "missing"
                             << "The firmware file does not exist.";
    QTest::addRow("no path") << ""
                             << "The firmware file does not exist.";
    QTest::addRow("folder") << "folder" << notRegular;
    QTest::addRow("endless device") << "/dev/zero" << notRegular;
    QTest::addRow("pipe without a writer") << "fifo" << notRegular;
    QTest::addRow("link to a pipe") << "link to fifo" << notRegular;
    QTest::addRow("one byte over 16 MiB") << "large" << tooLarge;
    QTest::addRow("16 MiB exactly") << "largest" << QString();
}

// Each case is refused at once: a blocking open or an unbounded read would
// hang or exhaust the test.
void tst_ImageReader::firmwareFileRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = kind.startsWith('/') || kind.isEmpty() ? kind : dir.filePath(kind);
    if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    if (kind.contains("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    if (kind == "link to fifo")
        QVERIFY(QFile::link(dir.filePath("fifo"), path));
    if (kind.startsWith("large")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(FirmwareFile::MaxSize + (kind == "large" ? 1 : 0)));
    }
    QByteArray content("left from before");
    QString error;
    QCOMPARE(FirmwareFile::read(path, &content, &error), reason.isEmpty());
    QCOMPARE(error, reason);
    QCOMPARE(content.size(), reason.isEmpty() ? int(FirmwareFile::MaxSize) : 0);
}

void tst_ImageReader::readerFromADeviceIsBounded()
{
    IntelHexReader reader;
    QFile endless("/dev/zero");
    QVERIFY(endless.open(QIODevice::ReadOnly));
    QVERIFY(!reader.read(&endless));
    QCOMPARE(reader.errorReason(), QString("more than 16 MiB of text"));

    QBuffer buffer;
    buffer.setData(":0260000001029B\n:00000001FF\n");
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QVERIFY(reader.read(&buffer));
    QCOMPARE(reader.segments().size(), 1);
}

QTEST_GUILESS_MAIN(tst_ImageReader)
#include "tst_imagereader.moc"
