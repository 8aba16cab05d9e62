#include "ResourceGuard.h"
#include "document/TreeOutline.h"
#include "formats/SequenceFile.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A document's tree as the tree view edits it.
struct Tree : TreeOutline
{
    Tree()
        : TreeOutline("Program: first=frame, reset, second=frame, stop")
    {
    }
    LedStatesCommand* first = frame("first");
    LedStatesCommand* second = frame("second");
};

QVector<int> values(const LedStatesCommand* frame)
{
    QVector<int> result;
    for (const LedCell* cell : frame->leds())
        result << cell->value();
    return result;
}

// The pattern the test data was written with.
QVector<int> expectedRow(int r)
{
    QVector<int> row;
    for (int k = 0; k < 192; ++k)
        row << ((r + k) % 3 == 0 ? 1 : 0);
    if (r == 1)
        row[5] = 7;
    return row;
}

QStringList childTypes(const AbstractTreeItem* item)
{
    QStringList names;
    for (const AbstractTreeItem* child : item->children())
        names << child->name();
    return names;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return file.fileName();
}

} // namespace

class tst_SequenceFile : public QObject
{
    Q_OBJECT

private slots:
    void exportWritesHeaderAndFrames();
    void exportWithoutFrames();
    void exportReadsBackWithPython();
    void importStandardFiles_data();
    void importStandardFiles();
    void importShortHeader();
    void importFewerRowsKeepsTheRest();
    void badInputChangesNothing_data();
    void badInputChangesNothing();
    void oversizedFilesAreRefusedQuickly_data();
    void oversizedFilesAreRefusedQuickly();
    void extraColumnsWithinTheBound();
    void importWideText_data();
    void importWideText();
    void importAtTheLimit();
    void importIntoDetachedList();

private:
    QTemporaryDir m_dir;
};

void tst_SequenceFile::exportWritesHeaderAndFrames()
{
    Tree tree;
    tree.first->leds()[0]->setValue(1);
    tree.second->leds()[191]->setValue(1);
    const QString path = m_dir.filePath("two.csv");
    QVERIFY(SequenceFile::exportFrames(SequenceFile::frames(tree.program), 192, path));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 4); // three lines and the empty rest after the last end
    QStringList header;
    for (int k = 0; k < 192; ++k)
        header << QString::number(k);
    QCOMPARE(QString::fromLatin1(lines[0]), header.join(','));
    QByteArray firstRow = "1" + QByteArray(",0").repeated(191) + "\r";
    QByteArray secondRow = QByteArray("0,").repeated(191) + "1\r";
    QCOMPARE(lines[1], firstRow);
    QCOMPARE(lines[2], secondRow);
    QVERIFY(lines[3].isEmpty());
}

void tst_SequenceFile::exportWithoutFrames()
{
    ProgramItem empty;
    const QString path = m_dir.filePath("empty.csv");
    QVERIFY(SequenceFile::exportFrames(SequenceFile::frames(&empty), 192, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("190,191\n"));
    QCOMPARE(bytes.count('\n'), 1);

    QString error;
    QVERIFY(!SequenceFile::exportFrames({}, 192, m_dir.filePath("no/dir/x.csv"), &error));
    QVERIFY(error.startsWith("Cannot write file"));
}

void tst_SequenceFile::exportReadsBackWithPython()
{
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    Tree tree;
    for (int k = 0; k < 192; ++k) {
        tree.first->leds()[k]->setValue(expectedRow(0)[k]);
        tree.second->leds()[k]->setValue(expectedRow(1)[k]);
    }
    const QString path = m_dir.filePath("python.csv");
    QVERIFY(SequenceFile::exportFrames(SequenceFile::frames(tree.program), 192, path));

    QProcess process;
    process.start(python,
        { "-c",
            "import csv,sys\n"
            "rows=list(csv.reader(open(sys.argv[1],newline='')))\n"
            "print(len(rows), len(rows[0]))\n"
            "for r in rows[1:]: print(''.join(str(int(v)) for v in r))\n",
            path });
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QStringList out = QString::fromLatin1(process.readAllStandardOutput()).split('\n');
    QCOMPARE(out.value(0), QStringLiteral("3 192"));
    for (int r = 0; r < 2; ++r) {
        QString digits;
        for (int v : expectedRow(r))
            digits += QString::number(v);
        QCOMPARE(out.value(1 + r), digits);
    }
}

void tst_SequenceFile::importStandardFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("python, minimal quoting, CRLF") << "python_minimal_crlf.csv";
    QTest::addRow("python, minimal quoting, LF") << "python_minimal_lf.csv";
    QTest::addRow("python, all quoted, CRLF") << "python_quoted_crlf.csv";
    QTest::addRow("python, all quoted, LF") << "python_quoted_lf.csv";
    QTest::addRow("python, non-numeric quoting") << "python_nonnumeric_lf.csv";
    QTest::addRow("spreadsheet, byte order mark, empty last line") << "spreadsheet_bom.csv";
}

void tst_SequenceFile::importStandardFiles()
{
    QFETCH(QString, file);
    Tree tree;
    QSignalSpy edited(tree.edits, &DocumentEdits::edited);
    QSignalSpy repaint(tree.edits, &DocumentEdits::ledValuesChanged);

    const int rows = SequenceFile::importFrames(
        tree.program, 192, QStringLiteral(KAMDEL_TEST_DATA_DIR "/") + file, tree.edits);
    QCOMPARE(rows, 3);
    // Two frames overwritten in place, one appended at the end; the Reset and
    // the Stop stay where they were.
    QCOMPARE(childTypes(tree.program), (QStringList { "Leds", "Reset", "Leds", "Stop", "Leds" }));
    const QList<LedStatesCommand*> frames = SequenceFile::frames(tree.program);
    QCOMPARE(frames.value(0), tree.first);
    QCOMPARE(frames.value(1), tree.second);
    for (int r = 0; r < 3; ++r)
        QCOMPARE(values(frames[r]), expectedRow(r));
    QVERIFY(edited.count() >= 1);
    QCOMPARE(repaint.count(), 1);
}

void tst_SequenceFile::importShortHeader()
{
    Tree tree;
    for (LedCell* cell : tree.first->leds())
        cell->setValue(1);
    const QString path = writeFile(m_dir, "short.csv", "0,1,2,3,4,5,6,7,8,9\n1,1,1,1,1,0,0,0,0,1,1,1\n");
    QCOMPARE(SequenceFile::importFrames(tree.program, 192, path, tree.edits), 1);
    QVector<int> expected(192, 0);
    for (int k : { 0, 1, 2, 3, 4, 9 })
        expected[k] = 1;
    QCOMPARE(values(tree.first), expected);
}

void tst_SequenceFile::importFewerRowsKeepsTheRest()
{
    Tree tree;
    tree.second->leds()[3]->setValue(1);
    const QString path = writeFile(m_dir, "one.csv", "0,1\n1,x\n");
    QCOMPARE(SequenceFile::importFrames(tree.program, 192, path, tree.edits), 1);
    QCOMPARE(tree.first->leds()[0]->value(), 1);
    QCOMPARE(tree.first->leds()[1]->value(), 0); // not a number reads as 0
    QCOMPARE(tree.second->leds()[3]->value(), 1);
    QCOMPARE(tree.program->childCount(), 4);
}

void tst_SequenceFile::badInputChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("empty file") << QByteArray();
    QTest::addRow("blank lines only") << QByteArray("\n\r\n  \n");
    QTest::addRow("header only") << QByteArray("0,1,2\n");
    QTest::addRow("byte order mark only") << QByteArray("\xEF\xBB\xBF");
    QTest::addRow("byte order mark and header") << QByteArray("\xEF\xBB\xBF"
                                                              "0,1\r\n");
    QTest::addRow("prose") << QByteArray("This is not a table at all.");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 37) & 0xFF));
    QTest::addRow("binary") << binary;
    QTest::addRow("missing file") << QByteArray("<missing>");
    // Opening a FIFO would block until a writer comes; a device never ends.
    QTest::addRow("FIFO") << QByteArray("<fifo>");
    QTest::addRow("endless device") << QByteArray("<device>");
    // Rows, but not a single number among them: taking them would only turn
    // LEDs off.
    QTest::addRow("prose over several lines") << QByteArray("Dear diary,\ntoday, nothing.\nThe end\n");
    QTest::addRow("empty cells only") << QByteArray("0,1,2\n,,\n , ,\n");
    // More frames than a document may hold: each costs kilobytes in memory.
    QTest::addRow("20,001 short lines") << QByteArray("0\n") + QByteArray("1\n").repeated(20001);
}

void tst_SequenceFile::badInputChangesNothing()
{
    QFETCH(QByteArray, bytes);
    Tree tree;
    tree.first->leds()[7]->setValue(1);
    QSignalSpy edited(tree.edits, &DocumentEdits::edited);
    QString path = bytes == "<missing>" ? m_dir.filePath("does-not-exist.csv")
                                        : writeFile(m_dir, QStringLiteral("bad.csv"), bytes);
    if (bytes == "<device>")
        path = QStringLiteral("/dev/zero");
    if (bytes == "<fifo>") {
        path = m_dir.filePath("sequence.fifo");
        QFile::remove(path);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    QString error;
    const int rows = SequenceFile::importFrames(tree.program, 192, path, tree.edits, &error);
    QCOMPARE(rows, -1);
    QVERIFY(!error.isEmpty());
    QCOMPARE(tree.program->childCount(), 4);
    QCOMPARE(tree.first->leds()[7]->value(), 1);
    QCOMPARE(edited.count(), 0);
}

void tst_SequenceFile::oversizedFilesAreRefusedQuickly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray header = QByteArray("0,").repeated(191) + "191\n";
    const QByteArray row = QByteArray("1,").repeated(191) + "1\n";
    // Padding every row to the header's width once took gigabytes.
    QTest::addRow("200,000-comma header, 20,000 lines")
        << QByteArray(200000, ',') + "\n" + QByteArray("1\n").repeated(20000) << "not a sequence";
    QTest::addRow("a million short lines")
        << QByteArray("0\n") + QByteArray("1\n").repeated(1000000) << "more than 20000";
    QTest::addRow("100,000-column header")
        << QByteArray("0,").repeated(100000) + "\n" + row << "not a sequence";
    QTest::addRow("one data row of 100,000 values") << header + row + QByteArray("1,").repeated(100000) + "\n"
                                                    << "not a sequence";
    QTest::addRow("larger than any sequence") << QByteArray(70 << 20, '\n') << "more than 20000";
}

void tst_SequenceFile::oversizedFilesAreRefusedQuickly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = writeFile(m_dir, QStringLiteral("oversized.csv"), bytes);
    bytes.clear();
    Tree tree;
    QString error;
    const ResourceGuard guard;
    QCOMPARE(SequenceFile::importFrames(tree.program, 192, path, tree.edits, &error), -1);
    QVERIFY2(guard.elapsedMs() < ReaderTimeGuardMs, qPrintable(QString::number(guard.elapsedMs())));
    QVERIFY2(guard.peakGrowthMb() < ReaderMemoryGuardMb, qPrintable(QString::number(guard.peakGrowthMb())));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(tree.program->childCount(), 4);
}

// A trailing comma or a label column stays within the bound; only the LED
// columns are taken.
void tst_SequenceFile::extraColumnsWithinTheBound()
{
    QByteArray row = QByteArray("1,0,").repeated(96);
    row += QByteArray("9,").repeated(63);
    const QString path = writeFile(m_dir, "extra.csv", QByteArray("x,").repeated(255) + "x\n" + row + "9\n");
    Tree tree;
    QCOMPARE(SequenceFile::importFrames(tree.program, 192, path, tree.edits), 1);
    QCOMPARE(tree.first->leds()[0]->value(), 1);
    QCOMPARE(tree.first->leds()[191]->value(), 0);
}

void tst_SequenceFile::importWideText_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addRow("UTF-16LE") << QByteArray("UTF-16LE");
    QTest::addRow("UTF-16BE") << QByteArray("UTF-16BE");
}

// A spreadsheet's "Unicode text" holds NUL bytes but is no binary file: its
// byte order mark tells the reader how to decode it.
void tst_SequenceFile::importWideText()
{
    QFETCH(QByteArray, codec);
    QFile source(QStringLiteral(KAMDEL_TEST_DATA_DIR "/python_minimal_crlf.csv"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(source.readAll());
    QTextCodec* wide = QTextCodec::codecForName(codec);
    QVERIFY(wide);
    const QByteArray mark = codec.endsWith("LE") ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    const QString path = writeFile(m_dir, QStringLiteral("wide.csv"), mark + wide->fromUnicode(text));
    QVERIFY(QFile(path).size() > 2 * text.size());

    Tree tree;
    QCOMPARE(SequenceFile::importFrames(tree.program, 192, path, tree.edits), 3);
    const QList<LedStatesCommand*> frames = SequenceFile::frames(tree.program);
    for (int r = 0; r < 3; ++r)
        QCOMPARE(values(frames[r]), expectedRow(r));
}

void tst_SequenceFile::importAtTheLimit()
{
    const QString path = writeFile(m_dir, "limit.csv", QByteArray("0\n") + QByteArray("1\n").repeated(20000));
    Tree tree;
    QCOMPARE(SequenceFile::importFrames(tree.program, 192, path, tree.edits), 20000);
    const QList<LedStatesCommand*> frames = SequenceFile::frames(tree.program);
    QCOMPARE(frames.size(), 20000);
    QCOMPARE(frames.last()->leds()[0]->value(), 1);
    QCOMPARE(frames.last()->leds()[1]->value(), 0);
}

// A list outside the document's tree takes no new frames; the rows it has no
// frame for are dropped, and the frames refused are not leaked.
void tst_SequenceFile::importIntoDetachedList()
{
    Tree tree;
    ProgramItem detached;
    auto* only = new LedStatesCommand(&detached);
    const QString path = writeFile(m_dir, "detached.csv", "0,1\n1,1\n0,1\n1,0\n");
    QCOMPARE(SequenceFile::importFrames(&detached, 192, path, tree.edits), 1);
    QCOMPARE(detached.childCount(), 1);
    QCOMPARE(only->leds()[0]->value(), 1);
    QCOMPARE(only->leds()[1]->value(), 1);
}

QTEST_GUILESS_MAIN(tst_SequenceFile)
#include "tst_sequencefile.moc"
