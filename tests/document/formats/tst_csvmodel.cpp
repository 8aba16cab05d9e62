#include "formats/CsvModel.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

class tst_CsvModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void splitLine_data();
    void splitLine();
    void quotedField_data();
    void quotedField();
    void readCsv_data();
    void readCsv();
    void readHeaderStopsAfterFirstLine();
    void readStopsAtTheBounds_data();
    void readStopsAtTheBounds();
    void writeCsvLineEnds();
    void roundTrip_data();
    void roundTrip();
    void rowsAndColumns();
    void outOfRangeAccess();
    void unopenableFile();
    void copyTakesEverything();
};

void tst_CsvModel::initTestCase()
{
    qRegisterMetaType<QList<QPersistentModelIndex>>();
    qRegisterMetaType<QAbstractItemModel::LayoutChangeHint>();
}

void tst_CsvModel::splitLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("fields");
    QTest::addRow("leading blank dropped, trailing kept")
        << "a, b ,c" << 10 << QStringList { "a", "b ", "c" };
    QTest::addRow("quoted separator") << "x,\"y,z\",w" << 2 << QStringList { "x", "y,z", "w" };
    QTest::addRow("no quoting splits inside quotes")
        << "x,\"y,z\",w" << 0 << QStringList { "x", "\"y", "z\"", "w" };
    QTest::addRow("doubled quote") << "\"a\"\"b\"" << 2 << QStringList { "a\"b" };
    QTest::addRow("trailing separator") << "a,b," << 2 << QStringList { "a", "b", "" };
    QTest::addRow("blanks only") << "   " << 2 << QStringList { "" };
    QTest::addRow("single quotes when asked") << "'a,b',c" << 1 << QStringList { "a,b", "c" };
    QTest::addRow("single quotes otherwise plain") << "'a,b',c" << 2 << QStringList { "'a", "b'", "c" };
    QTest::addRow("backslash escape") << "\"a\\\"b\\\\c\",d" << 6 << QStringList { "a\"b\\c", "d" };
    QTest::addRow("backslash plain without flag") << "\"a\\b\"" << 2 << QStringList { "a\\b" };
    QTest::addRow("unterminated quote ends at line end") << "\"abc,def" << 2 << QStringList { "abc,def" };
    QTest::addRow("text after quoted part appended") << "\"ab\"cd,e" << 2 << QStringList { "abcd", "e" };
    QTest::addRow("quote discards collected text") << "xy\"ab\",e" << 2 << QStringList { "ab", "e" };
    QTest::addRow("backslash at line end") << "\"ab\\" << 6 << QStringList { "ab" };
}

void tst_CsvModel::splitLine()
{
    QFETCH(QString, line);
    QFETCH(int, mode);
    QFETCH(QStringList, fields);
    QCOMPARE(CsvModel::splitLine(line, mode, QLatin1Char(',')), fields);
}

void tst_CsvModel::quotedField_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("written");
    QTest::addRow("mode 10 quotes everything") << 10 << "abc"
                                               << "\"abc\"";
    QTest::addRow("mode 10 doubles quotes") << 10 << "a\"b"
                                            << "\"a\"\"b\"";
    QTest::addRow("mode 14 escapes") << 14 << "a\\b\"c"
                                     << "\"a\\\\b\\\"c\"";
    QTest::addRow("mode 1 bare") << 1 << "abc"
                                 << "abc";
    QTest::addRow("mode 1 separator") << 1 << "a,b"
                                      << "'a,b'";
    QTest::addRow("mode 1 single quote doubled") << 1 << "it's"
                                                 << "'it''s'";
    QTest::addRow("mode 0 never quotes") << 0 << "a,\"b"
                                         << "a,\"b";
    QTest::addRow("mode 2 only when needed") << 2 << "abc"
                                             << "abc";
    QTest::addRow("mode 3 single quote uses single") << 3 << "it's"
                                                     << "'it''s'";
    QTest::addRow("mode 3 separator uses double") << 3 << "a,b"
                                                  << "\"a,b\"";
}

void tst_CsvModel::quotedField()
{
    QFETCH(int, mode);
    QFETCH(QString, field);
    QFETCH(QString, written);
    QCOMPARE(CsvModel::quotedField(mode, field, QLatin1Char(',')), written);
}

void tst_CsvModel::readCsv_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("withHeader");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addRow("header and rows, mixed line ends")
        << QByteArray("a,b\n1,2\r\n3,4\r\n") << true << QStringList { "a", "b" }
        << QList<QStringList> { { "1", "2" }, { "3", "4" } };
    QTest::addRow("empty lines skipped") << QByteArray("\n\na,b\n\n1,2\n\n") << true
                                         << QStringList { "a", "b" } << QList<QStringList> { { "1", "2" } };
    QTest::addRow("extra fields dropped, missing empty")
        << QByteArray("a,b\n1,2,3\n4\n") << true << QStringList { "a", "b" }
        << QList<QStringList> { { "1", "2" }, { "4", "" } };
    QTest::addRow("no header: first line is data")
        << QByteArray("1,2\n3,4\n") << false << QStringList { "", "" }
        << QList<QStringList> { { "1", "2" }, { "3", "4" } };
    QTest::addRow("byte order mark") << QByteArray("\xEF\xBB\xBFx,y\n1,2\n") << true
                                     << QStringList { "x", "y" } << QList<QStringList> { { "1", "2" } };
    QTest::addRow("empty file") << QByteArray() << true << QStringList() << QList<QStringList>();
}

void tst_CsvModel::readCsv()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, withHeader);
    QFETCH(QStringList, header);
    QFETCH(QList<QStringList>, rows);

    CsvModel model(2, withHeader, QLatin1Char(','), nullptr);
    model.resize(5, 7); // whatever was there goes
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QBuffer buffer(&bytes);
    QVERIFY(model.readCsv(&buffer));
    QVERIFY(!buffer.isOpen());
    QCOMPARE(layout.count(), 1);
    QCOMPARE(inserted.count(), 0);

    QCOMPARE(model.columnCount(), header.size());
    QStringList actualHeader;
    for (int c = 0; c < model.columnCount(); ++c)
        actualHeader << model.headerData(c, Qt::Horizontal).toString();
    QCOMPARE(actualHeader, header);
    QCOMPARE(model.rowCount(), rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < header.size(); ++c)
            QCOMPARE(model.text(r, c), rows.at(r).at(c));
    }
}

void tst_CsvModel::readHeaderStopsAfterFirstLine()
{
    QByteArray bytes("\n a;b;c\n1;2;3\n");
    QBuffer buffer(&bytes);
    CsvModel model;
    QVERIFY(model.readHeader(&buffer, QLatin1Char(';'), nullptr));
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.findColumn("B", Qt::CaseInsensitive), 1);
    QCOMPARE(model.findColumn("B", Qt::CaseSensitive), -1);
}

void tst_CsvModel::readStopsAtTheBounds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("withHeader");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("rows");
    // Bounds of 4 columns and 3 rows.
    QTest::addRow("at both bounds") << QByteArray("a,b,c,d\n1\n2\n3\n") << true << int(CsvModel::NoReadError)
                                    << 3;
    QTest::addRow("wide header") << QByteArray("a,b,c,d,e\n1\n") << true << int(CsvModel::TooManyColumns)
                                 << 0;
    QTest::addRow("separator at the end")
        << QByteArray("a,b,c,d,\n") << true << int(CsvModel::TooManyColumns) << 0;
    QTest::addRow("wide last row") << QByteArray("a\n1\n2\n1,2,3,4,5\n") << true
                                   << int(CsvModel::TooManyColumns) << 0;
    QTest::addRow("quoted separators count once")
        << QByteArray("\"a,b,c,d,e\"\n1\n") << true << int(CsvModel::NoReadError) << 1;
    QTest::addRow("fourth row") << QByteArray("a\n1\n2\n3\n4\n") << true << int(CsvModel::TooManyRows) << 0;
    QTest::addRow("fourth row without header")
        << QByteArray("1\n2\n3\n4\n") << false << int(CsvModel::TooManyRows) << 0;
    QTest::addRow("blank lines are no rows")
        << QByteArray("a\n\n1\n\n2\n\n\n3\n") << true << int(CsvModel::NoReadError) << 3;
}

void tst_CsvModel::readStopsAtTheBounds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, withHeader);
    QFETCH(int, error);
    QFETCH(int, rows);
    QBuffer buffer(&bytes);
    CsvModel model(CsvModel::QuoteDouble, withHeader, QLatin1Char(','), nullptr);
    model.setMaxColumns(4);
    model.setMaxRows(3);
    const CsvModel copy(model, nullptr);
    QSignalSpy layout(&model, &CsvModel::layoutChanged);
    QCOMPARE(model.readCsv(&buffer), error == CsvModel::NoReadError);
    QCOMPARE(int(model.readError()), error);
    QCOMPARE(model.rowCount(), rows);
    QCOMPARE(layout.count(), 1);
    if (error != CsvModel::NoReadError)
        QCOMPARE(model.columnCount(), 0);
    // The bounds travel with a copy.
    QCOMPARE(copy.maxColumns(), 4);
    QCOMPARE(copy.maxRows(), 3);
}

void tst_CsvModel::writeCsvLineEnds()
{
    CsvModel model(0, true, QLatin1Char(','), nullptr);
    model.resize(2, 2);
    model.setHeaderText(0, "a");
    model.setHeaderText(1, "b");
    model.setText(0, 0, "1");
    model.setText(0, 1, "2");
    model.setText(1, 0, "3");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QVERIFY(model.writeCsv(&buffer));
    QCOMPARE(bytes, QByteArray("a,b\n1,2\r\n3,\r\n"));
}

void tst_CsvModel::roundTrip_data()
{
    QTest::addColumn<int>("mode");
    QTest::addRow("double, always") << 10;
    QTest::addRow("double when needed") << 2;
    QTest::addRow("single") << 1;
    QTest::addRow("double with backslash") << 14;
    QTest::addRow("both kinds") << 3;
}

void tst_CsvModel::roundTrip()
{
    QFETCH(int, mode);
    const QList<QStringList> rows { { "plain", "with,comma", "quote\"d" }, { "it's", "back\\slash", "" },
        { "trailing ", "x", "\"\"" } };
    CsvModel model(mode, true, QLatin1Char(','), nullptr);
    model.resize(rows.size(), 3);
    for (int c = 0; c < 3; ++c)
        model.setHeaderText(c, QStringLiteral("h,%1").arg(c));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 3; ++c)
            model.setText(r, c, rows[r][c]);
    }
    QByteArray bytes;
    QBuffer out(&bytes);
    QVERIFY(model.writeCsv(&out));

    CsvModel back(mode, true, QLatin1Char(','), nullptr);
    QBuffer in(&bytes);
    QVERIFY(back.readCsv(&in));
    QCOMPARE(back.rowCount(), rows.size());
    QCOMPARE(back.headerData(2, Qt::Horizontal).toString(), QStringLiteral("h,2"));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 3; ++c) {
            const QString expected = rows[r][c];
            // Blanks before the first character vanish on reading; none here.
            QCOMPARE(back.text(r, c), expected);
        }
    }
}

void tst_CsvModel::rowsAndColumns()
{
    CsvModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QVERIFY(model.insertColumns(0, 2));
    QVERIFY(model.insertRows(0, 3));
    QVERIFY(model.setData(model.index(1, 1), QStringLiteral("x")));
    QVERIFY(model.insertColumns(1, 1));
    QCOMPARE(model.text(1, 2), QStringLiteral("x"));
    QCOMPARE(model.text(1, 1), QString());
    QVERIFY(model.removeRows(0, 1));
    QCOMPARE(model.text(0, 2), QStringLiteral("x"));
    QVERIFY(model.removeColumns(0, 2));
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(model.text(0, 0), QStringLiteral("x"));
    QVERIFY(!model.removeRows(0, 5));
    QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    QVERIFY(model.setHeaderData(0, Qt::Horizontal, QStringLiteral("h")));
    QVERIFY(!model.setHeaderData(0, Qt::Vertical, QStringLiteral("h")));
    model.clear();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
}

void tst_CsvModel::outOfRangeAccess()
{
    CsvModel model;
    model.resize(2, 2);
    QVERIFY(!model.setText(2, 0, "x"));
    QVERIFY(!model.setText(0, -1, "x"));
    QVERIFY(!model.setHeaderText(2, "x"));
    QVERIFY(!model.setData(model.index(5, 5), "x"));
    QVERIFY(!model.data(model.index(-1, 0)).isValid());
    QVERIFY(!model.headerData(9, Qt::Horizontal).isValid());
    QCOMPARE(model.text(9, 9), QString());
}

void tst_CsvModel::unopenableFile()
{
    QTemporaryDir dir;
    CsvModel model;
    model.resize(2, 2);
    model.readCsv(dir.filePath("missing.csv"));
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    QVERIFY(!model.writeCsv(dir.filePath("no/such/dir.csv")));
}

void tst_CsvModel::copyTakesEverything()
{
    QObject owner;
    CsvModel model(3, true, QLatin1Char(';'), nullptr, &owner);
    model.resize(1, 2);
    model.setText(0, 1, "v");
    model.setHeaderText(0, "h");
    CsvModel copy(model);
    QCOMPARE(copy.parent(), &owner);
    QCOMPARE(copy.quoteMode(), 3);
    QVERIFY(copy.withHeader());
    QCOMPARE(copy.separator(), QLatin1Char(';'));
    QCOMPARE(copy.text(0, 1), QStringLiteral("v"));
    QCOMPARE(copy.headerData(0, Qt::Horizontal).toString(), QStringLiteral("h"));
}

QTEST_GUILESS_MAIN(tst_CsvModel)
#include "tst_csvmodel.moc"
