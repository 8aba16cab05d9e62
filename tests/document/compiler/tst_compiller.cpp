#include "compiler/Compiller_v1.h"
#include "compiler/Compiller_v2.h"
#include "document/TreeOutline.h"

#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<Compiller> makeCompiler(int variant, DeviceItem* device)
{
    if (variant == 1)
        return std::make_unique<Compiller_v1>(device);
    return std::make_unique<Compiller_v2>(device);
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

QByteArray zeros(int count)
{
    return QByteArray(count, '\0');
}

QList<qint32> addresses(const Compiller& compiler)
{
    QList<qint32> result;
    for (const CodeRecord& record : compiler.codeRecords())
        result << record.address;
    return result;
}

} // namespace

class tst_Compiller : public QObject
{
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void collectionExample();
    void emptyProgram_data();
    void emptyProgram();
    void commandEncoding_data();
    void commandEncoding();
    void ledBits_data();
    void ledBits();
    void cellValues_data();
    void cellValues();
    void addressesRun_data();
    void addressesRun();
    void bitmapFollowsDeviceSize_data();
    void bitmapFollowsDeviceSize();
    void onlyProgramsAndCollectionsAreWalked();
    void repeatedCallsAreStable_data();
    void repeatedCallsAreStable();
    void recordsGuardTheirItems();
    void editsAfterCompileDoNotChangeTheImage();
    void deviceGoneOrMissing_data();
    void deviceGoneOrMissing();
};

void tst_Compiller::workedExample_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("image");

    QTest::addRow("v1") << 1
                        << hex("03"
                               "0102")
            + zeros(21)
            + hex("80"
                  "00");
    QTest::addRow("v2") << 2
                        << zeros(4)
            + hex("03"
                  "8040")
            + zeros(21)
            + hex("01"
                  "00");
}

void tst_Compiller::workedExample()
{
    QFETCH(int, variant);
    QFETCH(QByteArray, image);

    TreeOutline tree("Program: frame 0+9+191, stop");
    auto compiler = makeCompiler(variant, tree.device);

    compiler->compile();

    QCOMPARE(compiler->createBinnary(), image);
    QCOMPARE(compiler->createBinnary().size(), variant == 1 ? 26 : 30);
    QCOMPARE(addresses(*compiler), QList<qint32>({ 2, 27 }));
    QCOMPARE(compiler->programAddressList(), QList<qint32>({ 2 }));
    QVERIFY(compiler->functions().isEmpty());
}

void tst_Compiller::collectionExample()
{
    TreeOutline tree("Program: call, stop; Collection: frame 2, return");
    Compiller_v1 compiler(tree.device);

    compiler.compile();

    // Program commands first, the Collection's after, with no separator.
    QCOMPARE(compiler.createBinnary(),
        hex("050000"
            "00"
            "03"
            "04")
            + zeros(23) + hex("04"));
    QCOMPARE(compiler.functions().size(), 1);
    QCOMPARE(compiler.functions().at(0).address, 6);
    QVERIFY(compiler.functions().at(0).name.isEmpty());
    QCOMPARE(compiler.programAddressList(), QList<qint32>({ 2 }));
    QCOMPARE(addresses(compiler), QList<qint32>({ 2, 5, 6, 31 }));
}

void tst_Compiller::emptyProgram_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("image");

    QTest::addRow("v1") << 1 << QByteArray();
    QTest::addRow("v2") << 2 << zeros(4);
}

void tst_Compiller::emptyProgram()
{
    QFETCH(int, variant);
    QFETCH(QByteArray, image);

    TreeOutline tree("Program:");
    auto compiler = makeCompiler(variant, tree.device);
    // Before any compile the image is the bare prefix.
    QCOMPARE(compiler->createBinnary(), image);

    compiler->compile();

    QCOMPARE(compiler->createBinnary(), image);
    QCOMPARE(compiler->programAddressList(), QList<qint32>({ 2 }));
    QVERIFY(compiler->codeRecords().isEmpty());
}

void tst_Compiller::commandEncoding_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("code");

    QTest::addRow("stop") << "stop" << hex("00");
    QTest::addRow("reset") << "reset" << hex("01");
    QTest::addRow("return") << "return" << hex("04");
    QTest::addRow("call") << "call" << hex("050000");
    QTest::addRow("dark frame") << "frame" << hex("03") + zeros(24);
}

void tst_Compiller::commandEncoding()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, code);

    for (int variant : { 1, 2 }) {
        TreeOutline tree("Program: item=" + command);
        AbstractTreeItem* item = tree["item"];
        auto compiler = makeCompiler(variant, tree.device);
        compiler->compile();

        QCOMPARE(compiler->codeRecords().size(), 1);
        const CodeRecord& record = compiler->codeRecords().at(0);
        QCOMPARE(record.code, code);
        QCOMPARE(record.address, 2);
        QCOMPARE(record.item.data(), item);
        QCOMPARE(compiler->createBinnary(), (variant == 2 ? zeros(4) : QByteArray()) + code);
    }
}

void tst_Compiller::ledBits_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("led");
    QTest::addColumn<int>("byte"); // counted from the opcode
    QTest::addColumn<int>("mask");

    QTest::addRow("v1 led 0") << 1 << 0 << 1 << 0x01;
    QTest::addRow("v1 led 7") << 1 << 7 << 1 << 0x80;
    QTest::addRow("v1 led 8") << 1 << 8 << 2 << 0x01;
    QTest::addRow("v1 led 47") << 1 << 47 << 6 << 0x80;
    QTest::addRow("v1 led 48") << 1 << 48 << 7 << 0x01;
    QTest::addRow("v1 led 190") << 1 << 190 << 24 << 0x40;
    QTest::addRow("v2 led 0") << 2 << 0 << 1 << 0x80;
    QTest::addRow("v2 led 7") << 2 << 7 << 1 << 0x01;
    QTest::addRow("v2 led 8") << 2 << 8 << 2 << 0x80;
    QTest::addRow("v2 led 47") << 2 << 47 << 6 << 0x01;
    QTest::addRow("v2 led 48") << 2 << 48 << 7 << 0x80;
    QTest::addRow("v2 led 190") << 2 << 190 << 24 << 0x02;
}

void tst_Compiller::ledBits()
{
    QFETCH(int, variant);
    QFETCH(int, led);
    QFETCH(int, byte);
    QFETCH(int, mask);

    TreeOutline tree(QStringLiteral("Program: frame %1").arg(led));
    auto compiler = makeCompiler(variant, tree.device);
    compiler->compile();

    QByteArray expected = hex("03") + zeros(24);
    expected[byte] = char(mask);
    QCOMPARE(compiler->codeRecords().at(0).code, expected);
}

void tst_Compiller::cellValues_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("on");

    QTest::addRow("1") << 1 << true;
    QTest::addRow("5") << 5 << true;
    QTest::addRow("largest") << std::numeric_limits<int>::max() << true;
    QTest::addRow("0") << 0 << false;
    QTest::addRow("-1") << -1 << false;
    QTest::addRow("smallest") << std::numeric_limits<int>::min() << false;
}

void tst_Compiller::cellValues()
{
    QFETCH(int, value);
    QFETCH(bool, on);

    TreeOutline tree(QStringLiteral("Program: frame 12:%1").arg(value));
    Compiller_v1 compiler(tree.device);
    compiler.compile();

    QCOMPARE(compiler.codeRecords().at(0).code.at(2), on ? char(0x10) : char(0));
}

void tst_Compiller::addressesRun_data()
{
    QTest::addColumn<int>("variant");

    QTest::addRow("v1") << 1;
    QTest::addRow("v2") << 2;
}

void tst_Compiller::addressesRun()
{
    QFETCH(int, variant);

    TreeOutline tree("Program: reset, frame 3, call, frame, stop; Collection:; Collection: return");
    auto compiler = makeCompiler(variant, tree.device);
    compiler->compile();

    const QList<qint32> expected { 2, 3, 28, 31, 56, 57 };
    QCOMPARE(addresses(*compiler), expected);
    QCOMPARE(compiler->functions().size(), 2);
    // An empty Collection takes the address of whatever follows it.
    QCOMPARE(compiler->functions().at(0).address, 57);
    QCOMPARE(compiler->functions().at(1).address, 57);

    // Address a is image offset a - 2 for v1 and a + 2 for v2.
    const QByteArray image = compiler->createBinnary();
    const int shift = variant == 1 ? -2 : 2;
    QCOMPARE(image.size(), 58 + shift);
    for (const CodeRecord& record : compiler->codeRecords())
        QCOMPARE(image.mid(record.address + shift, record.code.size()), record.code);
}

void tst_Compiller::bitmapFollowsDeviceSize_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("size");

    QTest::addRow("4 x 40") << 4 << 40 << 21;
    QTest::addRow("1 x 9") << 1 << 9 << 3;
    QTest::addRow("5 x 48, more than the cells") << 5 << 48 << 31;
    QTest::addRow("no leds") << 0 << 48 << 1;
    QTest::addRow("negative") << -1 << 48 << 1;
}

void tst_Compiller::bitmapFollowsDeviceSize()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, size);

    QStringList all;
    for (int i = 0; i < 192; ++i)
        all << QString::number(i);
    TreeOutline tree("Program: frame " + all.join('+'));
    tree.device->setSize(rows, columns);
    Compiller_v1 compiler(tree.device);
    compiler.compile();

    const QByteArray code = compiler.codeRecords().at(0).code;
    QCOMPARE(code.size(), size);
    // Only LEDs that the device has and the frame holds are lit.
    const int lit = qBound(0, rows * columns, 192);
    for (int i = 0; i < (size - 1) * 8; ++i)
        QCOMPARE(bool(code.at(1 + i / 8) & (1 << (i % 8))), i < lit);
}

void tst_Compiller::onlyProgramsAndCollectionsAreWalked()
{
    TreeOutline tree("Program:");
    // Items standing where the rules do not put them.
    auto* stray = new AbstractTreeItem(QStringLiteral("?"), tree.program);
    new StopCommand(stray);
    auto* nestedDevice = new DeviceItem(tree.program);
    auto* nestedProgram = new ProgramItem(nestedDevice);
    new ResetCommand(nestedProgram);
    new CallCommand(tree.device);
    new ReturnCommand(tree.program);
    Compiller_v1 compiler(tree.device);

    compiler.compile();

    // A command directly under the Device is still a command.
    QCOMPARE(compiler.createBinnary(),
        hex("04"
            "050000"));
    QCOMPARE(compiler.programAddressList(), QList<qint32>({ 2 }));
}

void tst_Compiller::repeatedCallsAreStable_data()
{
    QTest::addColumn<int>("variant");

    QTest::addRow("v1") << 1;
    QTest::addRow("v2") << 2;
}

void tst_Compiller::repeatedCallsAreStable()
{
    QFETCH(int, variant);

    TreeOutline tree("Program: frame 1, stop; Collection:");
    auto compiler = makeCompiler(variant, tree.device);

    compiler->compile();
    const QByteArray first = compiler->createBinnary();
    QCOMPARE(compiler->createBinnary(), first);
    compiler->compile();

    QCOMPARE(compiler->createBinnary(), first);
    QCOMPARE(compiler->codeRecords().size(), 2);
    QCOMPARE(compiler->programAddressList().size(), 1);
    QCOMPARE(compiler->functions().size(), 1);
}

void tst_Compiller::recordsGuardTheirItems()
{
    TreeOutline tree("Program: frame=frame 0, stop=stop; function=Collection: return=return");
    Compiller_v2 compiler(tree.device);
    compiler.compile();
    QCOMPARE(compiler.codeRecords().at(0).item.data(), tree["frame"]);
    QCOMPARE(compiler.codeRecords().at(2).item.data(), tree["return"]);

    delete tree["frame"];
    delete tree["function"];

    const QList<CodeRecord>& records = compiler.codeRecords();
    QVERIFY(records.at(0).item.isNull());
    QCOMPARE(records.at(1).item.data(), tree["stop"]);
    QVERIFY(records.at(2).item.isNull());
    // The image still reflects the last compile.
    QCOMPARE(compiler.createBinnary().size(), 4 + 25 + 1 + 1);
}

void tst_Compiller::editsAfterCompileDoNotChangeTheImage()
{
    TreeOutline tree("Program: first=frame 0");
    Compiller_v1 compiler(tree.device);
    compiler.compile();
    const QByteArray before = compiler.createBinnary();

    tree.frame("first")->leds()[0]->setValue(0);
    new StopCommand(tree.program);

    QCOMPARE(compiler.createBinnary(), before);
    compiler.compile();
    QCOMPARE(compiler.createBinnary(), hex("03") + zeros(24) + hex("00"));
}

void tst_Compiller::deviceGoneOrMissing_data()
{
    QTest::addColumn<int>("variant");

    QTest::addRow("v1") << 1;
    QTest::addRow("v2") << 2;
}

void tst_Compiller::deviceGoneOrMissing()
{
    QFETCH(int, variant);

    TreeOutline tree("Program: stop");
    auto compiler = makeCompiler(variant, tree.device);
    compiler->compile();
    QCOMPARE(compiler->codeRecords().size(), 1);

    delete tree.device;
    compiler->compile();
    QVERIFY(compiler->codeRecords().isEmpty());
    QVERIFY(compiler->programAddressList().isEmpty());
    QCOMPARE(compiler->createBinnary(), variant == 2 ? zeros(4) : QByteArray());

    auto orphan = makeCompiler(variant, nullptr);
    orphan->compile();
    QVERIFY(orphan->codeRecords().isEmpty());
}

QTEST_GUILESS_MAIN(tst_Compiller)
#include "tst_compiller.moc"
