#include "Recipe.h"
#include "RecipeCheck.h"
#include "edits/DocumentEdits.h"
#include "model/DeviceItem.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"

#include <QTemporaryDir>
#include <QtTest>

using Breaker = std::function<void(Recipe*)>;
Q_DECLARE_METATYPE(Breaker)

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size());
}

void saveProgram(const QString& path, PanelDocument::Panel panel, int frames)
{
    PanelDocument document(panel);
    for (int i = 0; i < frames; ++i)
        document.edits()->insertFrames(document.deviceItem()->program(0), -1, { { i } }, "Add");
    QVERIFY2(document.save(path), qPrintable(document.errorString()));
}

constexpr auto RingA = PanelDocument::Panel::RingA;
constexpr auto RingB = PanelDocument::Panel::RingB;

} // namespace

class tst_Recipe : public QObject
{
    Q_OBJECT

private slots:
    void startsOnlyWithTheFilesItWasMadeFrom_data();
    void startsOnlyWithTheFilesItWasMadeFrom();
};

void tst_Recipe::startsOnlyWithTheFilesItWasMadeFrom_data()
{
    QTest::addColumn<Breaker>("breakIt");
    QTest::addColumn<QString>("reason");
    QTest::addRow("good") << Breaker([](Recipe*) {}) << QString();
    QTest::addRow("firmware changed by one byte")
        << Breaker([](Recipe* r) { writeFile(r->firmware, "@6000\n01 02 03 05\nq\n"); })
        << "changed: the recipe expects digest ";
    QTest::addRow("no firmware") << Breaker([](Recipe* r) { QFile::remove(r->firmware); })
                                 << "fw.txt is missing";
    QTest::addRow("firmware too large for the model") << Breaker([](Recipe* r) {
        writeFile(r->firmware, "@6000\n01\n@30000\n02\nq\n");
        QString error;
        QVERIFY(RecipeCheck::stamp(r, &error));
    }) << "fw.txt does not fit Kamdel: it writes 0x30000";
    QTest::addRow("program changed") << Breaker([](Recipe* r) { saveProgram(r->program, RingA, 3); })
                                     << "show.xml changed: the recipe expects CRC 0x";
    QTest::addRow("other model's program") << Breaker([](Recipe* r) { saveProgram(r->program, RingB, 2); })
                                           << "show.xml is for ZQ-RING-B, not ZQ-RING-A";
    QTest::addRow("log a folder") << Breaker([](Recipe* r) { r->log = QFileInfo(r->log).path(); })
                                  << "cannot be appended to";
    QTest::addRow("log is the firmware")
        << Breaker([](Recipe* r) { r->log = r->firmware; }) << "is the recipe's own file";
    QTest::addRow("log of the older columns") << Breaker([](Recipe* r) {
        writeFile(r->log, "time,tool,port,serial,model,file,crc,result,seconds,bytes\r\n");
    }) << "units.csv has the columns of an older version";
    QTest::addRow("unknown model") << Breaker([](Recipe* r) { r->model = "ZQ-RING-C"; })
                                   << "unknown model ZQ-RING-C";
    QTest::addRow("no watch glob") << Breaker([](Recipe* r) { r->watch.clear(); }) << "no port to watch";
}

void tst_Recipe::startsOnlyWithTheFilesItWasMadeFrom()
{
    QFETCH(Breaker, breakIt);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    writeFile(dir.filePath("fw.txt"), "@6000\n01 02 03 04\nq\n");
    saveProgram(dir.filePath("show.xml"), RingA, 2);
    Recipe made;
    made.model = QStringLiteral("ZQ-RING-A");
    made.firmware = dir.filePath("fw.txt");
    made.program = dir.filePath("show.xml");
    made.log = dir.filePath("units.csv");
    made.watch = QStringList { "/dev/ttyUSB*", "/dev/ttyACM*" };
    made.test = made.serialRequired = true;
    QString error;
    QVERIFY2(RecipeCheck::stamp(&made, &error), qPrintable(error));
    QVERIFY2(made.write(dir.filePath("bench/line.ini"), &error), qPrintable(error));
    Recipe read;
    QVERIFY2(read.read(dir.filePath("bench/line.ini"), &error), qPrintable(error));
    QCOMPARE(read, made);
    breakIt(&read);
    const QString problem = RecipeCheck::problem(read);
    QVERIFY2(reason.isEmpty() ? problem.isEmpty() : problem.contains(reason), qPrintable(problem));
}

QTEST_GUILESS_MAIN(tst_Recipe)
#include "tst_recipe.moc"
