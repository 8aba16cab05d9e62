#include "player/PanelCommand.h"

#include <QtTest>

namespace {
QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray counting(int size)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = static_cast<char>(1 + i % 250);
    return image;
}
} // namespace

class tst_PanelCommand : public QObject
{
    Q_OBJECT

private slots:
    void blockHeader_data();
    void blockHeader();
    void blockData_data();
    void blockData();
};

void tst_PanelCommand::blockHeader_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("header");
    QTest::addRow("first") << 0 << bytes({ 0x03, 0, 0, 0 });
    QTest::addRow("third") << 2 << bytes({ 0x03, 0, 0, 2 });
    QTest::addRow("last of memory") << 249 << bytes({ 0x03, 0, 0, 249 });
    QTest::addRow("255") << 255 << bytes({ 0x03, 0, 0, 0xff });
    QTest::addRow("256 wraps to 0") << 256 << bytes({ 0x03, 0, 0, 0 });
    QTest::addRow("257 wraps to 1") << 257 << bytes({ 0x03, 0, 0, 1 });
}

void tst_PanelCommand::blockHeader()
{
    QFETCH(int, n);
    QFETCH(QByteArray, header);
    const QByteArray block = PanelCommand::block(counting((n + 1) * 32), n);
    QCOMPARE(block.size(), 36);
    QCOMPARE(block.left(4), header);
}

void tst_PanelCommand::blockData_data()
{
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("imageBytes");
    QTest::addRow("full first block") << 100 << 0 << 32;
    QTest::addRow("full middle block") << 100 << 2 << 32;
    QTest::addRow("last block of 100 bytes") << 100 << 3 << 4;
    QTest::addRow("single byte image") << 1 << 0 << 1;
    QTest::addRow("image ending on a block") << 64 << 1 << 32;
}

void tst_PanelCommand::blockData()
{
    QFETCH(int, imageSize);
    QFETCH(int, n);
    QFETCH(int, imageBytes);
    const QByteArray image = counting(imageSize);
    const QByteArray data = PanelCommand::block(image, n).mid(4);
    QCOMPARE(data.size(), 32);
    QCOMPARE(data.left(imageBytes), image.mid(n * 32, imageBytes));
    // Past the image's end the block is filled with Stop opcodes.
    QCOMPARE(data.mid(imageBytes), QByteArray(32 - imageBytes, '\0'));
}

QTEST_GUILESS_MAIN(tst_PanelCommand)
#include "tst_panelcommand.moc"
