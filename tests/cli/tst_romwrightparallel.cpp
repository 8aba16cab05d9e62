#include "BslTargetRunner.h"
#include "FlasherImage.h"
#include "LowLatencyGuard.h"
#include "UnitLog.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return file.fileName();
}

// Splits CSV text into records of fields (RFC 4180 quoting).
QList<QStringList> parseCsv(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text.at(i + 1) == '"')
                field += text.at(++i);
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record << field;
            field.clear();
        } else if (c == '\n') {
            records << (record << field);
            record.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    return records;
}

UnitRecord recordOf(const QString& port, const QString& result, int n)
{
    UnitRecord record;
    record.time = QDateTime::currentDateTime();
    record.tool = QStringLiteral("romwright");
    record.port = port;
    record.model = QStringLiteral("Kamdel");
    record.file = QStringLiteral("/srv/fw/app,v2.txt");
    record.crc = QStringLiteral("0x1D0F");
    record.result = result;
    record.seconds = n / 10.0;
    record.bytes = n;
    return record;
}

// The other writer of the concurrency test: this program run again.
int appendMany(const QString& path, const QString& port, int count)
{
    UnitLog log(path);
    // Long lines: a writer that split them would show.
    const QString reason = QStringLiteral("failed: ") + QString(3000, QLatin1Char('x'));
    for (int n = 0; n < count; ++n) {
        if (!log.append(recordOf(port, reason, n)))
            return 1;
    }
    return 0;
}

} // namespace

class tst_RomwrightParallel : public QObject
{
    Q_OBJECT

private slots:
    void lowLatencyIsSilentOnPseudoTerminals();
    void logLinesAndHeader_data();
    void logLinesAndHeader();
    void logFieldsSurviveQuoting();
    void logAppendsFromTwoProcesses();
};

// A pseudo-terminal offers no low-latency mode: the guard leaves it alone,
// the port still carries a whole run and the device takes the image.
void tst_RomwrightParallel::lowLatencyIsSilentOnPseudoTerminals()
{
    QTemporaryDir dir;
    const QString firmware = writeFile(dir, "app.txt", toTiTxt({ { 0x6000, patterned(64, 1) } }).toLatin1());
    BslTargetRunner target({ "--model", "Kamdel", "--exit-after-jump" });
    QVERIFY(target.isReady());
    QSerialPort port(target.link());
    QVERIFY(port.open(QIODevice::ReadWrite));
    {
        const LowLatencyGuard guard(&port);
        QVERIFY(!guard.isActive());
    }
    const LowLatencyGuard closedPort(nullptr);
    QVERIFY(!closedPort.isActive());
    port.close();

    QProcess romwright;
    romwright.start(QStringLiteral(KAMDEL_TOOLS_DIR "/romwright"), { "--port", target.link(), firmware });
    QVERIFY(romwright.waitForFinished(30000));
    QCOMPARE(romwright.exitCode(), 0);
    target.finish();
    QVERIFY2(target.applicationValid(), qPrintable(target.verdict()));
}

void tst_RomwrightParallel::logLinesAndHeader_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("units");
    QTest::addRow("new file, one unit") << false << 1;
    QTest::addRow("new file, three units") << false << 3;
    QTest::addRow("existing file keeps its lines") << true << 2;
}

void tst_RomwrightParallel::logLinesAndHeader()
{
    QFETCH(bool, exists);
    QFETCH(int, units);
    QTemporaryDir dir;
    const QString path = dir.filePath("units.csv");
    const QByteArray before = "earlier line\n";
    if (exists)
        QVERIFY(!writeFile(dir, "units.csv", before).isEmpty());
    UnitLog log(path);
    for (int n = 0; n < units; ++n)
        QVERIFY2(
            log.append(recordOf(QString("/dev/ttyUSB%1").arg(n), "ok", n)), qPrintable(log.errorString()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    const QByteArray start = exists ? before : UnitLog::header();
    QVERIFY(content.startsWith(start));
    const QList<QStringList> records = parseCsv(content.mid(start.size()));
    QCOMPARE(records.size(), units);
    for (int n = 0; n < units; ++n) {
        const QStringList& fields = records.at(n);
        QCOMPARE(fields.size(), 10);
        QVERIFY2(QDateTime::fromString(fields.at(0), Qt::ISODate).isValid(), qPrintable(fields.at(0)));
        QVERIFY2(QRegularExpression("[+-]\\d\\d:\\d\\d$").match(fields.at(0)).hasMatch(),
            qPrintable(fields.at(0)));
        QCOMPARE(fields.mid(1),
            (QStringList { "romwright", QString("/dev/ttyUSB%1").arg(n), "", "Kamdel", "/srv/fw/app,v2.txt",
                "0x1D0F", "ok", QString::number(n / 10.0, 'f', 2), QString::number(n) }));
    }
}

// Any text in a field comes back from the file as it went in, line breaks
// turned to spaces so that a unit stays one line.
void tst_RomwrightParallel::logFieldsSurviveQuoting()
{
    QTemporaryDir dir;
    UnitLog log(dir.filePath("units.csv"));
    QRandomGenerator random(20);
    const QString alphabet = QStringLiteral("ab ,\"\n\r;'x\u00e9");
    QStringList written;
    for (int n = 0; n < 200; ++n) {
        QString text;
        for (int i = random.bounded(12); i > 0; --i)
            text += alphabet.at(random.bounded(alphabet.size()));
        written << text;
        QVERIFY(log.append(recordOf(text, text, n)));
    }
    QFile file(log.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> records = parseCsv(file.readAll());
    QCOMPARE(records.size(), 201);
    for (int n = 0; n < 200; ++n) {
        QString expected = written.at(n);
        expected.replace('\n', ' ').replace('\r', ' ');
        QCOMPARE(records.at(n + 1).value(2), expected);
        QCOMPARE(records.at(n + 1).value(7), expected);
    }
}

// Two programs start on a log that does not exist yet: one header, first,
// and every line whole.
void tst_RomwrightParallel::logAppendsFromTwoProcesses()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("units.csv");
    constexpr int Lines = 300;
    QProcess first;
    QProcess second;
    first.start(
        QCoreApplication::applicationFilePath(), { "--append-log", path, "portA", QString::number(Lines) });
    second.start(
        QCoreApplication::applicationFilePath(), { "--append-log", path, "portB", QString::number(Lines) });
    QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith(UnitLog::header()));
    const QList<QStringList> records = parseCsv(content);
    QCOMPARE(records.size(), 2 * Lines + 1);
    QMap<QString, int> next { { "portA", 0 }, { "portB", 0 } };
    for (const QStringList& fields : records.mid(1)) {
        QCOMPARE(fields.size(), 10);
        QVERIFY(next.contains(fields.at(2)));
        // Each writer's lines in its own order, none lost or doubled.
        QCOMPARE(fields.at(9), QString::number(next[fields.at(2)]++));
        QCOMPARE(fields.at(7).size(), 3008);
    }
}

int main(int argc, char* argv[])
{
    if (argc == 5 && qstrcmp(argv[1], "--append-log") == 0)
        return appendMany(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), atoi(argv[4]));
    QCoreApplication app(argc, argv);
    tst_RomwrightParallel test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_romwrightparallel.moc"
