#include "BslTargetRunner.h"
#include "FlasherImage.h"
#include "MspFlasher/MspFlasher.h"
#include "MspFlasher/MspFlasher_large.h"
#include "MspFlasher/MspFlasher_small.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTextStream>
#include <QtTest>

#include <memory>

namespace {

struct RunResult
{
    int failedStep = -1; // 0 verify, 1 erase, 2 flash; -1 none
    QStringList messages;
    QList<int> progress;
};

std::unique_ptr<MspFlasher> loadFlasher(const QString& model, QSerialPort* port, const QList<sMemory>& image)
{
    std::unique_ptr<MspFlasher> flasher(MspFlasher::crate(model, port));
    if (!flasher)
        return nullptr;
    QString text = toTiTxt(image);
    QTextStream stream(&text, QIODevice::ReadOnly);
    if (!flasher->readMemoryFile(stream))
        return nullptr;
    return flasher;
}

// The device steps of a flashing run, stopping at the first failure.
RunResult runSteps(MspFlasher* flasher)
{
    RunResult result;
    QObject context;
    QObject::connect(
        flasher, &MspFlasher::message, &context, [&](const QString& text) { result.messages << text; });
    QObject::connect(flasher, &MspFlasher::progress, &context, [&](int value) { result.progress << value; });
    flasher->init();
    if (!flasher->verifyDevice())
        result.failedStep = 0;
    else if (!flasher->eraseDevice())
        result.failedStep = 1;
    else if (!flasher->flashDevice())
        result.failedStep = 2;
    else
        flasher->jumpToApplication();
    return result;
}

bool openPort(QSerialPort& port, const QString& link)
{
    port.setPortName(link);
    port.setBaudRate(57600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    return port.open(QIODevice::ReadWrite);
}

// Spread over both ranges, with gaps, odd sizes, the last byte of each range,
// an overlap that the later segment must win, and for the large models bytes
// above 64 KiB.
QList<sMemory> fullImage(const ModelRow& row)
{
    QList<sMemory> image;
    image.append({ row.start, patterned(700, 1) });
    image.append({ row.start + 0x1000, patterned(37, 2) });
    image.append({ row.end - 4, patterned(5, 3) });
    image.append({ row.start + 0x10, patterned(8, 4) });
    if (row.large) {
        image.append({ row.start2, patterned(300, 5) });
        image.append({ row.end2 - 9, patterned(10, 6) });
        image.append({ row.start2 + 0x8000, patterned(1, 7) });
    }
    if (row.crcAddr + 0x100 < row.start)
        image.append({ row.crcAddr + 0x100, patterned(20, 8) });
    return image;
}

ModelRow kamdel()
{
    return modelTable().first();
}

} // namespace

class tst_MspFlasherVariants : public QObject
{
    Q_OBJECT

private slots:
    void factory_data();
    void factory();
    void unknownModel_data();
    void unknownModel();
    void checksum_data();
    void checksum();
    void flashEveryModel_data();
    void flashEveryModel();
    void faultScripts_data();
    void faultScripts();
    void progressValues_data();
    void progressValues();
    void cancelDuringThirdBlock();
    void canceledOperationsSendNothing_data();
    void canceledOperationsSendNothing();
    void unconfiguredFlasherRefuses();
};

void tst_MspFlasherVariants::factory_data()
{
    QTest::addColumn<ModelRow>("row");
    for (const ModelRow& row : modelTable())
        QTest::addRow("%s", qPrintable(row.name)) << row;
}

void tst_MspFlasherVariants::factory()
{
    QFETCH(ModelRow, row);
    QSerialPort port;
    std::unique_ptr<MspFlasher> flasher(MspFlasher::crate(row.name, &port));
    QVERIFY(flasher);
    if (row.large) {
        auto* large = qobject_cast<MspFlasher_large*>(flasher.get());
        QVERIFY(large);
        QCOMPARE(large->crc_Addr, row.crcAddr);
        QCOMPARE(large->app_StartAddress, row.start);
        QCOMPARE(large->app_EndAddress, row.end);
        QCOMPARE(large->app_StartAddress2, row.start2);
        QCOMPARE(large->app_EndAddress2, row.end2);
    } else {
        auto* small = qobject_cast<MspFlasher_small*>(flasher.get());
        QVERIFY(small);
        QCOMPARE(small->crc_Addr, row.crcAddr);
        QCOMPARE(small->app_StartAddress, row.start);
        QCOMPARE(small->app_EndAddress, row.end);
    }
}

void tst_MspFlasherVariants::unknownModel_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("lower case") << "kamdel";
    QTest::addRow("lower-case chip") << "msp430fr5994";
    QTest::addRow("trailing space") << "MSP430FR5994 ";
    QTest::addRow("empty") << "";
    QTest::addRow("other chip") << "MSP430F5529";
}

void tst_MspFlasherVariants::unknownModel()
{
    QFETCH(QString, name);
    QSerialPort port;
    std::unique_ptr<MspFlasher> flasher(MspFlasher::crate(name, &port));
    QVERIFY(!flasher);
}

void tst_MspFlasherVariants::checksum_data()
{
    QTest::addColumn<ModelRow>("row");
    QTest::addColumn<QList<sMemory>>("image");

    const QList<ModelRow> rows = modelTable();
    for (const ModelRow& row : rows) {
        QTest::addRow("%s empty", qPrintable(row.name)) << row << QList<sMemory>();
        QTest::addRow("%s full", qPrintable(row.name)) << row << fullImage(row);
    }
    const ModelRow small = rows.at(1);
    QTest::addRow("bytes outside the ranges are not covered")
        << small
        << QList<sMemory> { { 0xE300, QByteArray(3, '\x11') }, { 0xF800, QByteArray(0x800, '\x22') },
               { 0xE303, QByteArray(1, '\x33') } };
    QTest::addRow("segment straddling the start") << small << QList<sMemory> { { 0xE2F0, patterned(64, 9) } };
    QTest::addRow("later overlapping segment wins")
        << small << QList<sMemory> { { 0xE400, QByteArray(32, '\x01') }, { 0xE410, QByteArray(4, '\x02') } };
    QTest::addRow("second range only") << rows.at(4) << QList<sMemory> { { 0x43FF0, patterned(8, 10) } };
}

void tst_MspFlasherVariants::checksum()
{
    QFETCH(ModelRow, row);
    QFETCH(QList<sMemory>, image);

    QSerialPort port;
    std::unique_ptr<MspFlasher> flasher = loadFlasher(row.name, &port, image);
    QVERIFY(flasher);
    const uint16_t crc = row.large ? qobject_cast<MspFlasher_large*>(flasher.get())->crc_ccitt()
                                   : qobject_cast<MspFlasher_small*>(flasher.get())->crc_ccitt();
    QCOMPARE(crc, expectedChecksum(row, image));
}

void tst_MspFlasherVariants::flashEveryModel_data()
{
    QTest::addColumn<ModelRow>("row");
    QTest::addColumn<QList<sMemory>>("image");
    for (const ModelRow& row : modelTable()) {
        QTest::addRow("%s", qPrintable(row.name)) << row << fullImage(row);
        QTest::addRow("%s without segments", qPrintable(row.name)) << row << QList<sMemory>();
        QTest::addRow("%s with interrupt vectors", qPrintable(row.name)) << row << imageWithVectors(row);
    }
}

void tst_MspFlasherVariants::flashEveryModel()
{
    QFETCH(ModelRow, row);
    QFETCH(QList<sMemory>, image);

    BslTargetRunner target({ QStringLiteral("--model"), row.name, QStringLiteral("--exit-after-jump") });
    QVERIFY(target.isReady());
    QSerialPort port;
    QVERIFY(openPort(port, target.link()));
    std::unique_ptr<MspFlasher> flasher = loadFlasher(row.name, &port, image);
    QVERIFY(flasher);

    const RunResult result = runSteps(flasher.get());
    QCOMPARE(result.failedStep, -1);
    QCOMPARE(result.messages, QStringList());
    QVERIFY(target.waitForExit());
    target.finish();
    QVERIFY(target.cleanExit());

    QVERIFY2(target.applicationValid(), qPrintable(target.verdict()));
    QCOMPARE(target.digest(), expectedDigest(row, image));
    // Written, but outside the checksum the target verified.
    QCOMPARE(target.vectorDigest(), expectedVectorDigest(image));
    QCOMPARE(target.requestsMatching(QStringLiteral(" jump app=valid ")).size(), 1);
    // Nothing the flasher sent was refused or garbled.
    QCOMPARE(target.requestsMatching(QStringLiteral("answer=(?!00|a1|55)")), QStringList());
    // The checksum goes out last, after every block.
    const QStringList writes = target.requestsMatching(QStringLiteral(" write "));
    QVERIFY(
        writes.last().contains(QStringLiteral("addr=%1 len=2 ").arg(row.crcAddr, 6, 16, QLatin1Char('0'))));
}

void tst_MspFlasherVariants::faultScripts_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<sMemory>>("image");
    QTest::addColumn<int>("failedStep");
    QTest::addColumn<QStringList>("messages");

    // Requests: 1 version, 2 erase, 3..5 blocks, 6 checksum, 7 jump.
    const QList<sMemory> image { { 0x6000, patterned(40, 11) } };
    QTest::addRow("no answer to the version request")
        << QStringList { "--fault", "silent@1" } << image << 0 << QStringList { "Error: (-1) Timeout" };
    QTest::addRow("device never answers")
        << QStringList { "--fault", "silent@1+" } << image << 0 << QStringList { "Error: (-1) Timeout" };
    QTest::addRow("version a3 passes")
        << QStringList { "--version-answer", "a3" } << image << -1 << QStringList();
    QTest::addRow("version b3") << QStringList { "--version-answer", "b3" } << image << 0
                                << QStringList { "Error: (-4d) Invalid version" };
    QTest::addRow("corrupted version answer") << QStringList { "--fault", "corrupt@1" } << image << 0
                                              << QStringList { "Error: (-5) Invalid version" };
    QTest::addRow("erase refused") << QStringList { "--fault", "answer=52@2" } << image << 1
                                   << QStringList { "Error: (52) Packet checksum error" };
    QTest::addRow("no answer to erase")
        << QStringList { "--fault", "silent@2" } << image << 1 << QStringList { "Error: (-1) Timeout" };
    QTest::addRow("block refused") << QStringList { "--fault", "answer=54@4" } << image << 2
                                   << QStringList { "Error: (54) Packet size is invalid" };
    QTest::addRow("corrupted block answer")
        << QStringList { "--fault", "corrupt@4" } << image << 2 << QStringList { "Error: (5a) unknown" };
    QTest::addRow("checksum write refused") << QStringList { "--fault", "answer=51@6" } << image << 2
                                            << QStringList { "Error: (51) Incorrect header" };
    QTest::addRow("line closed during the write") << QStringList { "--close-after", "4" } << image << 2
                                                  << QStringList { "unplugged during write (N %)" };
    QTest::addRow("vectors refused by a boot loader that guards them")
        << QStringList { "--guard-vectors" }
        << QList<sMemory> { { 0x6000, patterned(40, 12) }, { 0xFFFE, QByteArray("\x00\x60", 2) } } << 2
        << QStringList { "Error: (-3b) unknown" };
}

void tst_MspFlasherVariants::faultScripts()
{
    QFETCH(QStringList, options);
    QFETCH(QList<sMemory>, image);
    QFETCH(int, failedStep);
    QFETCH(QStringList, messages);

    BslTargetRunner target(options);
    QVERIFY(target.isReady());
    QSerialPort port;
    QVERIFY(openPort(port, target.link()));
    std::unique_ptr<MspFlasher> flasher = loadFlasher(QStringLiteral("Kamdel"), &port, image);
    QVERIFY(flasher);

    const RunResult result = runSteps(flasher.get());
    QCOMPARE(result.failedStep, failedStep);
    // How much went through depends on whether the last answer was read before the line went.
    QCOMPARE(
        QStringList(result.messages).replaceInStrings(QRegularExpression("\\(\\d+ %\\)"), "(N %)"), messages);
    target.finish();
    QVERIFY(target.cleanExit());
    // Only a run that went through leaves an application the device accepts.
    QCOMPARE(target.applicationValid(), failedStep < 0);
    if (failedStep < 0)
        QCOMPARE(target.digest(), expectedDigest(kamdel(), image));
}

void tst_MspFlasherVariants::progressValues_data()
{
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<int>>("progress");

    QTest::addRow("100 bytes") << QList<int> { 100 } << QList<int> { 0, 16, 33, 50, 66, 83, 100, 116 };
    QTest::addRow("32 bytes") << QList<int> { 32 } << QList<int> { 0, 50, 100 };
    QTest::addRow("15 bytes") << QList<int> { 15 } << QList<int> { 0, 100 };
    QTest::addRow("fewer than 15 bytes") << QList<int> { 14 } << QList<int> { 0, 0 };
    QTest::addRow("partial blocks pass 100") << QList<int> { 20, 20 } << QList<int> { 0, 50, 100, 150, 200 };
    QTest::addRow("no segments") << QList<int>() << QList<int> { 0 };
}

void tst_MspFlasherVariants::progressValues()
{
    QFETCH(QList<int>, sizes);
    QFETCH(QList<int>, progress);

    QList<sMemory> image;
    quint32 address = 0x6000;
    for (int size : sizes) {
        image.append({ address, patterned(size, size) });
        address += 0x100;
    }
    BslTargetRunner target({ QStringLiteral("--exit-after-jump") });
    QVERIFY(target.isReady());
    QSerialPort port;
    QVERIFY(openPort(port, target.link()));
    std::unique_ptr<MspFlasher> flasher = loadFlasher(QStringLiteral("Kamdel"), &port, image);
    QVERIFY(flasher);

    const RunResult result = runSteps(flasher.get());
    QCOMPARE(result.failedStep, -1);
    QCOMPARE(result.progress, progress);
    QVERIFY(target.waitForExit());
    target.finish();
    // Every block and the checksum, nothing more.
    QCOMPARE(target.requestsMatching(QStringLiteral(" write ")).size(), progress.size());
    QVERIFY2(target.applicationValid(), qPrintable(target.verdict()));
}

void tst_MspFlasherVariants::cancelDuringThirdBlock()
{
    BslTargetRunner target({});
    QVERIFY(target.isReady());
    QSerialPort port;
    QVERIFY(openPort(port, target.link()));
    std::unique_ptr<MspFlasher> flasher
        = loadFlasher(QStringLiteral("Kamdel"), &port, { { 0x6000, patterned(100, 13) } });
    QVERIFY(flasher);

    // Queued after the second block: the click is delivered while the third
    // block is on its way, as from the window's Cancel button.
    MspFlasher* engine = flasher.get();
    QObject context;
    int blocks = 0;
    connect(engine, &MspFlasher::progress, &context, [&](int) {
        if (++blocks == 3)
            QMetaObject::invokeMethod(
                &context, [engine] { engine->cancel(); }, Qt::QueuedConnection);
    });
    QSignalSpy messages(engine, &MspFlasher::message);

    engine->init();
    QVERIFY(engine->verifyDevice());
    QVERIFY(engine->eraseDevice());
    QVERIFY(!engine->flashDevice());
    QVERIFY(engine->canceled());
    QCOMPARE(messages.size(), 0);
    target.finish();
    const QStringList writes = target.requestsMatching(QStringLiteral(" write "));
    QCOMPARE(writes.size(), 3);
    QVERIFY(writes.last().contains(QStringLiteral("addr=006020 len=16")));
    QVERIFY(!target.applicationValid());
}

void tst_MspFlasherVariants::canceledOperationsSendNothing_data()
{
    QTest::addColumn<bool>("bySignal");
    QTest::addRow("cancel()") << false;
    // Set by a signal handler: it outlives init(), as the signal does.
    QTest::addRow("flag of a signal handler") << true;
}

void tst_MspFlasherVariants::canceledOperationsSendNothing()
{
    QFETCH(bool, bySignal);
    BslTargetRunner target({});
    QVERIFY(target.isReady());
    QSerialPort port;
    QVERIFY(openPort(port, target.link()));
    std::unique_ptr<MspFlasher> flasher
        = loadFlasher(QStringLiteral("MSP430FR2512"), &port, { { 0xE400, patterned(4, 14) } });
    QVERIFY(flasher);
    QSignalSpy messages(flasher.get(), &MspFlasher::message);

    volatile std::sig_atomic_t signalFlag = 0;
    flasher->watchCancelFlag(&signalFlag);
    flasher->init();
    if (bySignal)
        signalFlag = 1;
    else
        flasher->cancel();
    QVERIFY(!flasher->verifyDevice());
    QVERIFY(!flasher->eraseDevice());
    QVERIFY(!flasher->flashDevice());
    QVERIFY(!flasher->jumpToApplication());
    QCOMPARE(messages.size(), 0);

    // A new run starts with the window's cancel cleared, not the signal's.
    flasher->init();
    QCOMPARE(flasher->canceled(), bool(bySignal));
    QCOMPARE(flasher->verifyDevice(), !bySignal);
    QCOMPARE(messages.size(), 0);
    target.finish();
    QCOMPARE(target.requests().size(), bySignal ? 0 : 1);
}

void tst_MspFlasherVariants::unconfiguredFlasherRefuses()
{
    BslTargetRunner target({});
    QVERIFY(target.isReady());
    QSerialPort port;
    QVERIFY(openPort(port, target.link()));
    MspFlasher_small small(QStringLiteral("MSP430FR2512"), &port);
    MspFlasher_large large(QStringLiteral("Kamdel"), &port);
    large.crc_Addr = 0x4000;
    large.app_StartAddress = 0x6000;
    large.app_EndAddress = 0xF7FF;
    QSignalSpy smallMessages(&small, &MspFlasher::message);
    QSignalSpy largeMessages(&large, &MspFlasher::message);

    QVERIFY(!small.flashDevice());
    QVERIFY(!large.flashDevice());
    QCOMPARE(smallMessages.size() + largeMessages.size(), 0);
    target.finish();
    QCOMPARE(target.requests(), QStringList());
}

QTEST_GUILESS_MAIN(tst_MspFlasherVariants)
#include "tst_mspflasher_variants.moc"
