#include "model/MarkupScanner.h"

#include <QBuffer>
#include <QtTest>

class tst_MarkupScanner : public QObject
{
    Q_OBJECT

private slots:
    void bounds_data();
    void bounds();
    void positionIsKept();
    void chunksDoNotMatter();
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
    QTest::addRow("markup in comments and sections is not counted") << "<r><!-- " + element(40)
            + " --><![CDATA[" + QByteArray("<e>").repeated(70) + "]]><?p " + element(40)
            + "?></r>" << false << true;
    QTest::addRow("declaration with an internal subset")
        << "<!DOCTYPE r [<!ENTITY x '" + element(40) + "'>]><r/>" << false << true;
    QTest::addRow("head only stops after the first start tag") << "<r>" + element(40) << true << true;
    QTest::addRow("head only still checks the first start tag") << element(33) << true << false;
    const auto state = [](const QByteArray& text) { return "<Led><state>" + text + "</state></Led>"; };
    QTest::addRow("state of 64 characters") << state(QByteArray(64, '1')) << false << true;
    QTest::addRow("state of 65 characters") << state(QByteArray(65, '1')) << false << false;
    QTest::addRow("state of 64 references") << state(QByteArray("&#49;").repeated(64)) << false << true;
    QTest::addRow("state of 64 two-byte characters")
        << state(QByteArray("\xC3\xA9").repeated(64)) << false << true;
    QTest::addRow("state of 65 characters in a section")
        << state("<![CDATA[" + QByteArray(65, '1') + "]]>") << false << false;
    QTest::addRow("state text around a child")
        << state(QByteArray(33, '1') + "<b/>" + QByteArray(32, '1')) << false << false;
    QTest::addRow("other element named like state")
        << "<states>" + QByteArray(100, '1') + "</states>" << false << true;
    QTest::addRow("states one after the other") << state(QByteArray(60, '1')).repeated(10) << false << true;
    QTest::addRow("UTF-16 state of 64 characters") << QByteArray("<\0s\0t\0a\0t\0e\0>\0", 14)
            + QByteArray("1\0", 2).repeated(64)
            + QByteArray("<\0/\0", 4) << false << true;
    const int most = MarkupScanner::MaxTextBytes;
    QTest::addRow("text of 64 KiB") << "<r>" + QByteArray(most, 'x') + "</r>" << false << true;
    QTest::addRow("text of 64 KiB and one byte")
        << "<r>" + QByteArray(most + 1, 'x') + "</r>" << false << false;
    QTest::addRow("texts of 40 KiB between elements")
        << "<r>" + QByteArray(40000, 'x') + "<e/>" + QByteArray(40000, 'x') + "</r>" << false << true;
    QTest::addRow("texts of 40 KiB between comments")
        << "<r>" + QByteArray(40000, 'x') + "<!---->" + QByteArray(40000, 'x') + "</r>" << false << false;
    QTest::addRow("comment of 64 KiB and one byte")
        << "<!--" + QByteArray(most + 1, 'x') + "--><r/>" << false << false;
    QTest::addRow("attribute value of 64 KiB and one byte")
        << "<r a='" + QByteArray(most + 1, 'x') + "'/>" << false << false;
    QTest::addRow("head only: blanks before the root") << QByteArray(most + 1, ' ') + "<r/>" << true << false;
    QTest::addRow("text of 64 KiB and NULs")
        << "<r>" + QByteArray(most, 'x') + QByteArray(9, '\0') + "</r>" << false << true;
    QTest::addRow("attribute value of 64 KiB") << "<r a=\"" + QByteArray(most, '>') + "\"/>" << false << true;
    QTest::addRow("UTF-16 text") << QByteArray("<\0e\0 \0a\0=\0'\0x\0'\0/\0>\0", 20).repeated(70) << false
                                 << true;
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

// Random markup near the bounds, fed in random pieces: the runs of text and
// values counted at once must give what the whole feed gives.
void tst_MarkupScanner::chunksDoNotMatter()
{
    const QByteArray parts[] = { "<e>", "</e>", "<state>", "</state>", "<e a='", "\"", "'", "=", "/>", ">",
        "<!--", "-->", "<![CDATA[", "]]>", "&#49;", "1", QByteArray(1, '\0'), QByteArray(9000, ' ') };
    QRandomGenerator random(7);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        while (bytes.size() < 100000)
            bytes += parts[random.bounded(int(std::size(parts)))];
        MarkupScanner whole;
        whole.feed(bytes.constData(), bytes.size());
        MarkupScanner pieces;
        for (int at = 0, step = 0; at < bytes.size(); at += step) {
            step = qMin(1 + random.bounded(20000), bytes.size() - at);
            pieces.feed(bytes.constData() + at, step);
        }
        QCOMPARE(pieces.exceeded(), whole.exceeded());
        QCOMPARE(pieces.reason(), whole.reason());
    }
}

QTEST_GUILESS_MAIN(tst_MarkupScanner)
#include "tst_markupscanner.moc"
