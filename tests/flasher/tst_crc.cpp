#include "Helper/CRC.h"

#include <QtTest>

class tst_CRC : public QObject
{
    Q_OBJECT

private slots:
    void ccitt_data();
    void ccitt();
    void ccittResets();
    void sum_data();
    void sum();
    void nonPositiveSizeAddsNothing_data();
    void nonPositiveSizeAddsNothing();
    void tableMatchesPolynomial();
};

void tst_CRC::ccitt_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("expected");
    QTest::addRow("nothing") << QByteArray() << 0xFFFF;
    QTest::addRow("check value") << QByteArray("123456789") << 0x29B1;
    QTest::addRow("abc") << QByteArray("abc") << 0x514A;
    QTest::addRow("one zero byte") << QByteArray(1, '\0') << 0xE1F0;
    QTest::addRow("A") << QByteArray("A") << 0xB915;
}

void tst_CRC::ccitt()
{
    QFETCH(QByteArray, input);
    QFETCH(int, expected);

    CRC_CCITT whole;
    whole.add(reinterpret_cast<const uint8_t*>(input.constData()), input.size());
    QCOMPARE(int(whole.crc()), expected);

    CRC_CCITT bytewise;
    for (char c : qAsConst(input))
        bytewise.add(static_cast<uint8_t>(c));
    QCOMPARE(int(bytewise.crc()), expected);
}

void tst_CRC::ccittResets()
{
    CRC_CCITT crc;
    crc.add(reinterpret_cast<const uint8_t*>("123456789"), 9);
    crc.reset();
    QCOMPARE(int(crc.crc()), 0xFFFF);
}

void tst_CRC::sum_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("expected");
    QTest::addRow("nothing") << QByteArray() << 0;
    QTest::addRow("300 x 0xFF wraps") << QByteArray(300, '\xFF') << 0x2AD4;
    QTest::addRow("bytes are unsigned") << QByteArray("\x80\x01", 2) << 0x81;
}

void tst_CRC::sum()
{
    QFETCH(QByteArray, input);
    QFETCH(int, expected);
    CRC_SUM sum;
    sum.add(reinterpret_cast<const uint8_t*>(input.constData()), input.size());
    QCOMPARE(int(sum.crc()), expected);
    sum.reset();
    QCOMPARE(int(sum.crc()), 0);
}

void tst_CRC::nonPositiveSizeAddsNothing_data()
{
    QTest::addColumn<int>("size");
    QTest::addRow("zero") << 0;
    QTest::addRow("negative") << -5;
}

void tst_CRC::nonPositiveSizeAddsNothing()
{
    QFETCH(int, size);
    const uint8_t data[] = { 1, 2, 3 };
    CRC_CCITT ccitt;
    ccitt.add(data, size);
    QCOMPARE(int(ccitt.crc()), 0xFFFF);
    CRC_SUM sum;
    sum.add(data, size);
    QCOMPARE(int(sum.crc()), 0);
}

void tst_CRC::tableMatchesPolynomial()
{
    // Feeding byte i into a zero register yields table entry i; the first
    // entries are fixed by the polynomial 0x1021.
    const int expected[] = { 0x0000, 0x1021, 0x2042, 0x3063, 0x4084, 0x50A5, 0x60C6, 0x70E7 };
    for (int i = 0; i < 8; ++i) {
        CRC_CCITT crc;
        // Two bytes of 0xFF clear the initial 0xFFFF register.
        crc.add(0xFF);
        crc.add(0xFF);
        QCOMPARE(int(crc.crc()), 0x0000);
        crc.add(static_cast<uint8_t>(i));
        QCOMPARE(int(crc.crc()), expected[i]);
    }
}

QTEST_APPLESS_MAIN(tst_CRC)
#include "tst_crc.moc"
