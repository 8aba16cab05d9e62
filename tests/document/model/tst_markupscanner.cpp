#include "MarkupScanner.h"

#include <QBuffer>
#include <QtTest>

class tst_MarkupScanner : public QObject
{
    Q_OBJECT

private slots:
    void bounds_data();
    void bounds();
    void positionIsKept();
};

void tst_MarkupScanner::bounds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("headOnly");
    QTest::addColumn<bool>("within");
    const auto element = [](int attributes) {
        QByteArray text = "<e";
        for (int i = 0; i < attributes; ++i)
            text += " a" + QByteArray::number(i) + "='" + QByteArray::number(i) + "'";
        return text + "/>";
    };
    QTest::addRow("32 attributes") << element(32) << false << true;
    QTest::addRow("33 attributes") << element(33) << false << false;
    QTest::addRow("equals signs inside values") << QByteArray("<e a=\"x=y=z\" b='=='/>") << false << true;
    QTest::addRow("64 open elements") << QByteArray("<e>").repeated(64) << false << true;
    QTest::addRow("65 open elements") << QByteArray("<e>").repeated(65) << false << false;
    QTest::addRow("closed siblings do not add up")
        << QByteArray("<r>") + QByteArray("<e></e><e/><e />").repeated(100) + "</r>" << false << true;
    QTest::addRow("markup in comments and sections is not counted")
        << "<r><!-- " + element(40) + " --><![CDATA[" + QByteArray("<e>").repeated(70) + "]]><?p " + element(40)
            + "?></r>"
        << false << true;
    QTest::addRow("declaration with an internal subset")
        << "<!DOCTYPE r [<!ENTITY x '" + element(40) + "'>]><r/>" << false << true;
    QTest::addRow("head only stops after the first start tag") << "<r>" + element(40) << true << true;
    QTest::addRow("head only still checks the first start tag") << element(33) << true << false;
    QTest::addRow("UTF-16 text") << QByteArray("<\0e\0 \0a\0=\0'\0x\0'\0/\0>\0", 20).repeated(70) << false << true;
}

// Fed whole and one byte at a time: the file is read in chunks, and a tag
// split between two must count the same.
void tst_MarkupScanner::bounds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, headOnly);
    QFETCH(bool, within);
    MarkupScanner whole(headOnly);
    QCOMPARE(whole.feed(bytes.constData(), bytes.size()), within);
    MarkupScanner pieces(headOnly);
    for (char c : bytes)
        pieces.feed(&c, 1);
    QCOMPARE(!pieces.exceeded(), within);
}

void tst_MarkupScanner::positionIsKept()
{
    QByteArray bytes = "<x/>" + QByteArray("<e>").repeated(100);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QVERIFY(buffer.seek(2));
    QVERIFY(!MarkupScanner::withinLimits(&buffer));
    QCOMPARE(buffer.pos(), qint64(2));
    QVERIFY(MarkupScanner::withinLimits(&buffer, true));
}

QTEST_GUILESS_MAIN(tst_MarkupScanner)
#include "tst_markupscanner.moc"
