#include "model/CallCommand.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "model/ResetCommand.h"
#include "model/ReturnCommand.h"
#include "model/StopCommand.h"
#include "model/XmlHelpers.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// A fresh document's tree: the Device with its one empty Program.
std::unique_ptr<DeviceItem> newDevice()
{
    auto device = std::make_unique<DeviceItem>();
    new ProgramItem(device.get());
    return device;
}

// The document root around the Device's own element, as a panel type writes it.
QByteArray write(DeviceItem& device)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly | QIODevice::Text);
    QXmlStreamWriter writer(&buffer);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("LedPanelDocument"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    writer.writeAttribute(QStringLiteral("panel"), QStringLiteral("ZQ-RINGx"));
    device.writeXML(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    return writer.hasError() ? QByteArray() : bytes;
}

// Reads the root's "Commands" into `device`; true when the reader found no error.
bool read(QIODevice* input, DeviceItem& device)
{
    QXmlStreamReader reader(input);
    if (!reader.readNextStartElement())
        return false;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Commands"))
            device.readXML(reader);
        else
            reader.skipCurrentElement();
    }
    return !reader.hasError();
}

bool read(const QByteArray& bytes, DeviceItem& device)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer, device);
}

QByteArray wrap(const QByteArray& commands)
{
    return "<?xml version=\"1.0\"?><LedPanelDocument version=\"1.0\"><Commands>" + commands
        + "</Commands></LedPanelDocument>";
}

// "Program[Leds{0=1,9=1} Stop] Function[Return]": the tree in one line, with
// the cells that are not 0.
QString describe(const AbstractTreeItem* item)
{
    QString text = item->name();
    if (auto* frame = qobject_cast<const LedStatesCommand*>(item)) {
        QStringList cells;
        for (int i = 0; i < frame->leds().size(); ++i) {
            if (frame->leds()[i]->value() != 0)
                cells << QStringLiteral("%1=%2").arg(i).arg(frame->leds()[i]->value());
        }
        text += QLatin1Char('{') + cells.join(QLatin1Char(',')) + QLatin1Char('}');
    }
    if (item->childCount() > 0 || item->type() == AbstractTreeItem::Program
        || item->type() == AbstractTreeItem::Function) {
        QStringList children;
        for (const AbstractTreeItem* child : item->children())
            children << describe(child);
        text += QLatin1Char('[') + children.join(QLatin1Char(' ')) + QLatin1Char(']');
    }
    return text;
}

QString describeChildren(const DeviceItem& device)
{
    QStringList children;
    for (const AbstractTreeItem* child : device.children())
        children << describe(child);
    return children.join(QLatin1Char(' '));
}

// The expected text of a frame, written out by hand: every Led, in order.
QByteArray frameText(int indent, const QMap<int, int>& values)
{
    const QByteArray pad(indent, ' ');
    QByteArray text = pad + "<LedStates>\n";
    for (int i = 0; i < 192; ++i) {
        text += pad + "    <Led index=\"" + QByteArray::number(i) + "\">\n";
        text += pad + "        <state>" + QByteArray::number(values.value(i)) + "</state>\n";
        text += pad + "    </Led>\n";
    }
    return text + pad + "</LedStates>\n";
}

const QByteArray Header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<LedPanelDocument version=\"1.0\" panel=\"ZQ-RINGx\">\n";

using Generator = std::function<void(QIODevice*)>;

Generator bytes(const QByteArray& content)
{
    return [content](QIODevice* out) { out->write(content); };
}

// `depth` nested elements named `name` at the place `at` of a document,
// closed or left open.
Generator deep(
    const QByteArray& before, const QByteArray& name, int depth, bool closed, const QByteArray& after)
{
    return [=](QIODevice* out) {
        out->write(before);
        const QByteArray open = '<' + name + '>';
        const QByteArray close = "</" + name + '>';
        for (int i = 0; i < depth; ++i)
            out->write(open);
        if (closed) {
            for (int i = 0; i < depth; ++i)
                out->write(close);
            out->write(after);
        }
    };
}

// A document of at least `size` bytes whose Program holds copies of
// `frame`, written in large blocks to keep the generation quick.
Generator largeFile(qint64 size, const QByteArray& frame)
{
    return [=](QIODevice* out) {
        out->write(Header + "    <Commands>\n        <Program index=\"0\">\n");
        const QByteArray block = frame.repeated(qMax(1, (1 << 20) / frame.size()));
        for (qint64 written = 0; written < size; written += block.size())
            out->write(block);
        out->write("        </Program>\n    </Commands>\n</LedPanelDocument>\n");
    };
}

} // namespace

Q_DECLARE_METATYPE(Generator)

class tst_XmlItems : public QObject
{
    Q_OBJECT

private slots:
    void writerLayout();
    void writerLayoutOfAnEmptyProgram();
    void writerWritesEveryLed();
    void roundTrip();
    void collectionsAreRestored();
    void collectionsRoundTripUnchanged();
    void readerTolerance_data();
    void readerTolerance();
    void commandsAreAppendedAfterExistingOnes();
    void itemsReadAlone_data();
    void itemsReadAlone();
    void truncationAtEveryPoint();
    void robustness_data();
    void robustness();
};

void tst_XmlItems::writerLayout()
{
    auto device = newDevice();
    ProgramItem* program = device->program(0);
    auto* frame = new LedStatesCommand(program);
    frame->leds()[0]->setValue(1);
    frame->leds()[9]->setValue(1);
    frame->leds()[191]->setValue(-12);
    new CallCommand(program);
    new ReturnCommand(program);
    new ResetCommand(program);
    new StopCommand(program);
    auto* function = new FunctionItem(device.get());
    new ReturnCommand(function);
    new FunctionItem(device.get());

    const QByteArray expected = Header
        + "    <Commands>\n"
          "        <Program index=\"0\">\n"
        + frameText(12, { { 0, 1 }, { 9, 1 }, { 191, -12 } })
        + "            <Call/>\n"
          "            <Return/>\n"
          "            <Reset/>\n"
          "            <Stop/>\n"
          "        </Program>\n"
          "        <Function>\n"
          "            <Return/>\n"
          "        </Function>\n"
          "        <Function/>\n"
          "    </Commands>\n"
          "</LedPanelDocument>\n";

    QCOMPARE(write(*device), expected);
}

void tst_XmlItems::writerLayoutOfAnEmptyProgram()
{
    auto device = newDevice();
    QCOMPARE(write(*device),
        Header + "    <Commands>\n        <Program index=\"0\"/>\n    </Commands>\n</LedPanelDocument>\n");

    DeviceItem bare;
    QCOMPARE(write(bare), Header + "    <Commands/>\n</LedPanelDocument>\n");
}

void tst_XmlItems::writerWritesEveryLed()
{
    auto device = newDevice();
    new LedStatesCommand(device->program(0));
    new LedStatesCommand(device->program(0));
    const QByteArray text = write(*device);

    QCOMPARE(text.count("<Led index="), 2 * 192);
    QCOMPARE(text.count("<state>0</state>"), 2 * 192);
}

void tst_XmlItems::roundTrip()
{
    auto device = newDevice();
    ProgramItem* program = device->program(0);
    auto* frame = new LedStatesCommand(program);
    for (int i = 0; i < 192; i += 5)
        frame->leds()[i]->setValue(1);
    frame->leds()[1]->setValue(7);
    new CallCommand(program);
    new ReturnCommand(program);
    new LedStatesCommand(program);
    new ResetCommand(program);
    new StopCommand(program);
    const QByteArray text = write(*device);

    auto loaded = newDevice();
    QVERIFY(read(text, *loaded));

    QCOMPARE(describeChildren(*loaded), describeChildren(*device));
    QCOMPARE(write(*loaded), text);
}

void tst_XmlItems::collectionsAreRestored()
{
    auto device = newDevice();
    const QByteArray text
        = wrap("<Function><Call/><LedStates><Led index=\"4\"><state>1</state></Led></LedStates>"
               "</Function>"
               "<Program index=\"0\"><Stop/></Program>"
               "<Function/>"
               "<Function><Return/></Function>");

    QVERIFY(read(text, *device));

    // In file order, after the Program, whatever their place in the file.
    QCOMPARE(describeChildren(*device),
        QString("Program[Stop] Function[Call Leds{4=1}] Function[] Function[Return]"));
    QCOMPARE(device->program(0)->programIndex(), 0);
    QCOMPARE(device->child(1)->parentItem(), device.get());
    QCOMPARE(device->child(1)->QObject::parent(), device.get());
}

void tst_XmlItems::collectionsRoundTripUnchanged()
{
    const QByteArray text = Header
        + "    <Commands>\n"
          "        <Program index=\"0\">\n"
          "            <Call/>\n"
          "            <Stop/>\n"
          "        </Program>\n"
          "        <Function>\n"
        + frameText(12, { { 3, 1 }, { 100, 1 } })
        + "            <Return/>\n"
          "        </Function>\n"
          "        <Function/>\n"
          "        <Function>\n"
          "            <Reset/>\n"
          "        </Function>\n"
          "    </Commands>\n"
          "</LedPanelDocument>\n";

    auto device = newDevice();
    QVERIFY(read(text, *device));
    QCOMPARE(device->childCount(), 4);
    QCOMPARE(write(*device), text);
}

void tst_XmlItems::readerTolerance_data()
{
    QTest::addColumn<QByteArray>("commands");
    QTest::addColumn<QString>("expected");

    auto led = [](const QByteArray& attributes, const QByteArray& content) {
        return "<Program index=\"0\"><LedStates><Led" + attributes + '>' + content
            + "</Led></LedStates></Program>";
    };

    QTest::addRow("led without index") << led("", "<state>1</state>") << "Program[Leds{0=1}]";
    QTest::addRow("led index not a number")
        << led(" index=\"abc\"", "<state>1</state>") << "Program[Leds{0=1}]";
    QTest::addRow("led index with blanks")
        << led(" index=\" 7 \"", "<state>1</state>") << "Program[Leds{7=1}]";
    QTest::addRow("last led") << led(" index=\"191\"", "<state>1</state>") << "Program[Leds{191=1}]";
    QTest::addRow("led index 192 ignored") << led(" index=\"192\"", "<state>1</state>") << "Program[Leds{}]";
    QTest::addRow("led index -5 ignored") << led(" index=\"-5\"", "<state>1</state>") << "Program[Leds{}]";
    QTest::addRow("led index 99999999999 ignored")
        << led(" index=\"99999999999\"", "<state>1</state>") << "Program[Leds{}]";
    QTest::addRow("state abc") << led(" index=\"2\"", "<state>abc</state>") << "Program[Leds{}]";
    QTest::addRow("state 1e9") << led(" index=\"2\"", "<state>1e9</state>") << "Program[Leds{}]";
    QTest::addRow("state beyond int")
        << led(" index=\"2\"", "<state>2147483648</state>") << "Program[Leds{}]";
    QTest::addRow("state empty") << led(" index=\"2\"", "<state/>") << "Program[Leds{}]";
    QTest::addRow("state any integer") << led(" index=\"2\"", "<state>-40</state>") << "Program[Leds{2=-40}]";
    QTest::addRow("state with blanks")
        << led(" index=\"2\"", "<state>\n 1 \n</state>") << "Program[Leds{2=1}]";
    QTest::addRow("last state wins") << led(" index=\"2\"", "<state>3</state><state>4</state>")
                                     << "Program[Leds{2=4}]";
    QTest::addRow("state after an unknown child")
        << led(" index=\"2\"", "<colour><state>9</state></colour><state>1</state>") << "Program[Leds{2=1}]";
    QTest::addRow("state with a child element")
        << led(" index=\"2\"", "<state>1<b>5</b></state>") << "Program[Leds{2=1}]";
    QTest::addRow("empty frame") << QByteArray("<Program index=\"0\"><LedStates/></Program>")
                                 << "Program[Leds{}]";
    QTest::addRow("unknown element in a frame skipped whole")
        << QByteArray("<Program><LedStates><Group><Led index=\"3\"><state>1</state></Led></Group>"
                      "<Led index=\"4\"><state>1</state></Led></LedStates></Program>")
        << "Program[Leds{4=1}]";
    QTest::addRow("commands in file order")
        << QByteArray("<Program index=\"0\"><Stop/><Reset/><Call/><Return/><LedStates/></Program>")
        << "Program[Stop Reset Call Return Leds{}]";
    QTest::addRow("unknown command skipped whole")
        << QByteArray("<Program><Jump><Stop/></Jump><Call/></Program>") << "Program[Call]";
    QTest::addRow("children of a command skipped")
        << QByteArray("<Program><Call><Stop/><Reset/></Call></Program>") << "Program[Call]";
    QTest::addRow("program without index is the first")
        << QByteArray("<Program><Stop/></Program>") << "Program[Stop]";
    QTest::addRow("program index not a number")
        << QByteArray("<Program index=\"x\"><Stop/></Program>") << "Program[Stop]";
    QTest::addRow("program index 1 skipped, the rest read")
        << QByteArray("<Program index=\"1\"><Stop/></Program><Program index=\"0\"><Reset/></Program>")
        << "Program[Reset]";
    QTest::addRow("program index -5 skipped")
        << QByteArray("<Program index=\"-5\"><Stop/></Program>") << "Program[]";
    QTest::addRow("program index 99999999999 skipped")
        << QByteArray("<Program index=\"99999999999\"><Stop/></Program>") << "Program[]";
    QTest::addRow("second program element appends")
        << QByteArray("<Program><Stop/></Program><Program><Call/></Program>") << "Program[Stop Call]";
    QTest::addRow("unknown element under commands")
        << QByteArray("<Title>x</Title><Program><Stop/></Program>") << "Program[Stop]";
    QTest::addRow("nested program skipped")
        << QByteArray("<Program><Program><Stop/></Program><Call/></Program>") << "Program[Call]";
    QTest::addRow("nested function skipped")
        << QByteArray("<Function><Function><Stop/></Function><Call/></Function>")
        << "Program[] Function[Call]";
}

void tst_XmlItems::readerTolerance()
{
    QFETCH(QByteArray, commands);
    QFETCH(QString, expected);

    auto device = newDevice();
    QVERIFY(read(wrap(commands), *device));
    QCOMPARE(describeChildren(*device), expected);
    for (const AbstractTreeItem* container : device->children()) {
        for (const AbstractTreeItem* command : container->children()) {
            if (auto* frame = qobject_cast<const LedStatesCommand*>(command))
                QCOMPARE(frame->leds().size(), 192);
        }
    }
}

void tst_XmlItems::commandsAreAppendedAfterExistingOnes()
{
    auto device = newDevice();
    new ResetCommand(device->program(0));
    auto* frame = new LedStatesCommand(device->program(0));
    const QVector<LedCell*> cells = frame->leds();

    QVERIFY(read(wrap("<Program><Stop/></Program>"), *device));

    QCOMPARE(describeChildren(*device), QString("Program[Reset Leds{} Stop]"));
    QCOMPARE(frame->leds(), cells);
}

void tst_XmlItems::itemsReadAlone_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("next");

    // Each item reads its own element only and leaves the reader after it.
    QTest::addRow("frame") << QByteArray("<LedStates><Led index=\"1\"><state>1</state></Led></LedStates>")
                           << int(AbstractTreeItem::LedStates) << "Leds{1=1}"
                           << "After";
    QTest::addRow("frame given another element")
        << QByteArray("<Other><Led index=\"1\"><state>1</state></Led></Other>")
        << int(AbstractTreeItem::LedStates) << "Leds{}"
        << "Led";
    QTest::addRow("program") << QByteArray("<Program><Stop/></Program>") << int(AbstractTreeItem::Program)
                             << "Program[Stop]"
                             << "After";
    QTest::addRow("program given a function")
        << QByteArray("<Function><Stop/></Function>") << int(AbstractTreeItem::Program) << "Program[]"
        << "Stop";
    QTest::addRow("function") << QByteArray("<Function><Call/><Return/></Function>")
                              << int(AbstractTreeItem::Function) << "Function[Call Return]"
                              << "After";
    QTest::addRow("stop with children")
        << QByteArray("<Stop><x><y/></x></Stop>") << int(AbstractTreeItem::Stop) << "Stop"
        << "After";
    QTest::addRow("call given a stop")
        << QByteArray("<Stop><x/></Stop>") << int(AbstractTreeItem::Call) << "Call"
        << "x";
}

void tst_XmlItems::itemsReadAlone()
{
    QFETCH(QByteArray, element);
    QFETCH(int, type);
    QFETCH(QString, expected);
    QFETCH(QString, next);

    std::unique_ptr<AbstractTreeItem> item;
    switch (type) {
    case AbstractTreeItem::LedStates:
        item = std::make_unique<LedStatesCommand>();
        break;
    case AbstractTreeItem::Program:
        item = std::make_unique<ProgramItem>();
        break;
    case AbstractTreeItem::Function:
        item = std::make_unique<FunctionItem>();
        break;
    case AbstractTreeItem::Stop:
        item = std::make_unique<StopCommand>();
        break;
    default:
        item = std::make_unique<CallCommand>();
        break;
    }
    QXmlStreamReader reader("<r>" + element + "<After/></r>");
    QVERIFY(reader.readNextStartElement());
    QVERIFY(reader.readNextStartElement());

    item->readXML(reader);

    QCOMPARE(describe(item.get()), expected);
    QVERIFY(reader.readNextStartElement());
    QCOMPARE(reader.name().toString(), next);
}

void tst_XmlItems::truncationAtEveryPoint()
{
    auto device = newDevice();
    auto* frame = new LedStatesCommand(device->program(0));
    frame->leds()[0]->setValue(1);
    new StopCommand(device->program(0));
    auto* function = new FunctionItem(device.get());
    new CallCommand(function);
    new LedStatesCommand(function);
    const QByteArray text = write(*device);

    // Every cut within the first frame's opening and the closing tags, and a
    // sample in between.
    for (int length = 0; length < text.size();
         length += (length < 700 || length > text.size() - 300) ? 1 : 41) {
        auto loaded = newDevice();
        read(text.left(length), *loaded);
        // What was read before the break stays, in order, and nothing else.
        QVERIFY(loaded->childCount() <= 2);
        QCOMPARE(loaded->child(0), loaded->program(0));
        QVERIFY(loaded->program(0)->childCount() <= 2);
    }
}

void tst_XmlItems::robustness_data()
{
    QTest::addColumn<Generator>("generate");
    QTest::addColumn<bool>("wellFormed");
    QTest::addColumn<int>("frames"); // -1: as many as the file has

    const QByteArray open = "<LedPanelDocument version=\"1.0\"><Commands>";
    const QByteArray close = "</Commands></LedPanelDocument>";
    const QByteArray inProgram = open + "<Program>";
    const QByteArray programClose = "</Program>" + close;
    const QByteArray inFrame = inProgram + "<LedStates>";
    const QByteArray frameClose = "</LedStates>" + programClose;
    const int depth = 100000;

    QTest::addRow("empty file") << bytes("") << true << 0;
    QTest::addRow("plain text") << bytes("this is not a document\n") << false << 0;
    QTest::addRow("binary") << Generator([](QIODevice* out) {
        QByteArray noise;
        for (int i = 0; i < 70000; ++i)
            noise += char((i * 7919) % 256);
        out->write(noise);
    }) << false << 0;
    QTest::addRow("utf-16 garbage") << bytes(QByteArray("\xff\xfe<\0L\0e\0", 8)) << false << 0;
    QTest::addRow("only a declaration") << bytes("<?xml version=\"1.0\"?>") << false << 0;
    QTest::addRow("unclosed root") << bytes(open) << false << 0;
    QTest::addRow("truncated in a tag") << bytes(inFrame + "<Led ind") << false << 1;
    QTest::addRow("truncated in an attribute") << bytes(inFrame + "<Led index=\"1") << false << 1;
    QTest::addRow("truncated in a state") << bytes(inFrame + "<Led index=\"1\"><state>1") << false << 1;
    QTest::addRow("mismatched tags") << bytes(inFrame + "</Program>") << false << 1;
    QTest::addRow("bad entity") << bytes(inFrame + "<Led index=\"&nope;\"/>" + frameClose) << false << 1;
    QTest::addRow("entity expansion") << bytes(
        "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"1111111111\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
        "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
        "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">]>"
        + inFrame + "<Led index=\"1\"><state>&g;</state></Led>" + frameClose)
                                      << false << 1;
    QTest::addRow("index 99999999999")
        << bytes(inFrame + "<Led index=\"99999999999\"><state>1</state></Led>" + frameClose) << true << 1;
    QTest::addRow("index -5") << bytes(inFrame + "<Led index=\"-5\"><state>1</state></Led>" + frameClose)
                              << true << 1;
    QTest::addRow("index of a million digits") << bytes(
        inFrame + "<Led index=\"" + QByteArray(1000000, '9') + "\"><state>1</state></Led>" + frameClose)
                                               << true << 1;
    QTest::addRow("state abc") << bytes(inFrame + "<Led index=\"1\"><state>abc</state></Led>" + frameClose)
                               << true << 1;
    QTest::addRow("state 1e9") << bytes(inFrame + "<Led index=\"1\"><state>1e9</state></Led>" + frameClose)
                               << true << 1;
    QTest::addRow("deep unknown elements under commands")
        << deep(open, "x", depth, true, "<Program><LedStates/></Program>" + close) << true << 1;
    QTest::addRow("deep unknown elements in a program")
        << deep(inProgram, "x", depth, true, "<LedStates/>" + programClose) << true << 1;
    QTest::addRow("deep unknown elements in a frame")
        << deep(inFrame, "x", depth, true, frameClose) << true << 1;
    QTest::addRow("deep unknown elements in a led")
        << deep(inFrame + "<Led>", "x", depth, true, "</Led>" + frameClose) << true << 1;
    QTest::addRow("deep unknown elements in a command")
        << deep(inProgram + "<Stop>", "x", depth, true, "</Stop>" + programClose) << true << 0;
    QTest::addRow("deep programs") << deep(open, "Program", depth, true, close) << true << 0;
    QTest::addRow("deep functions") << deep(open, "Function", depth, true, close) << true << 0;
    QTest::addRow("deep frames") << deep(inProgram, "LedStates", depth, true, programClose) << true << 1;
    QTest::addRow("deep unclosed elements") << deep(inFrame, "x", depth, false, "") << false << 1;

    QByteArray frame = frameText(12, { { 0, 1 }, { 47, 1 }, { 100, 1 } });
    QTest::addRow("50 MB of frames") << largeFile(50 << 20, frame) << true << -1;
    QTest::addRow("50 MB of empty frames")
        << largeFile(50 << 20, QByteArray("<LedStates/>")) << false << XmlHelpers::ReadBudget::MaxFrames;
    QTest::addRow("50 MB of stops") << largeFile(50 << 20, QByteArray("<Stop/>")) << false << 0;
}

void tst_XmlItems::robustness()
{
    QFETCH(Generator, generate);
    QFETCH(bool, wellFormed);
    QFETCH(int, frames);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("document.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    generate(&file);
    const qint64 size = file.size();
    file.close();

    auto device = newDevice();
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const bool ok = read(&file, *device);
    if (size > 0)
        QCOMPARE(ok, wellFormed);

    int frameCount = 0;
    int commandCount = 0;
    for (const AbstractTreeItem* container : device->children()) {
        for (const AbstractTreeItem* command : container->children()) {
            ++commandCount;
            if (auto* frame = qobject_cast<const LedStatesCommand*>(command)) {
                ++frameCount;
                QCOMPARE(frame->leds().size(), 192);
            }
        }
    }
    QCOMPARE(device->child(0), device->program(0));
    QVERIFY(commandCount - frameCount <= XmlHelpers::ReadBudget::MaxOtherItems);
    if (frames >= 0) {
        QCOMPARE(frameCount, frames);
    } else {
        // Every frame of the large file arrives, with its values.
        QVERIFY(file.seek(0));
        QCOMPARE(frameCount, file.readAll().count("<LedStates>"));
        auto* last = qobject_cast<LedStatesCommand*>(device->program(0)->child(frameCount - 1));
        QCOMPARE(last->leds()[100]->value(), 1);
        QCOMPARE(last->leds()[101]->value(), 0);
    }
}

QTEST_GUILESS_MAIN(tst_XmlItems)
#include "tst_xmlitems.moc"
