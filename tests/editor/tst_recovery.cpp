#include "DeviceItem.h"
#include "DocumentEdits.h"
#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "LedStatesCommand.h"
#include "ProgramItem.h"
#include "RecoveryStore.h"
#include "ResetCommand.h"
#include "SettingsStore.h"
#include "TestWindow.h"

#include <QBuffer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const char EditAndWait[] = "--edit-and-wait";

// The window with the restore question answered from a field.
class RecoveryWindow : public TestWindow
{
public:
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QStringList asked;

protected:
    QMessageBox::StandardButton askRecovery(const QString& name, const QDateTime& time) override
    {
        asked << name;
        return time.isValid() ? answer : QMessageBox::Cancel;
    }
};

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tollmark"));
    QCoreApplication::setOrganizationName(QStringLiteral("Organization"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.1"));
}

// Edits through the document's own edit path: a frame with two LEDs on and
// a Reset, appended to the program.
void edit(KamdelDocument* document)
{
    ProgramItem* program = document->deviceItem()->program(0);
    auto* frame = new LedStatesCommand;
    document->edits()->appendItem(frame, program);
    document->edits()->appendItem(new ResetCommand, program);
    document->edits()->setLedValues({ { frame->leds()[5], 1 }, { frame->leds()[190], 1 } });
}

QByteArray documentXml(KamdelDocument* document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    document->writeXML(&buffer);
    return buffer.data();
}

// The editor as it starts in real use, edited and then left running until
// the test kills it. It writes what the document holds to `expectedPath`
// and says "ready" once its recovery copy is on disk.
int runEditorToBeKilled(int argc, char** argv, const QString& expectedPath, const QString& iniPath)
{
    QApplication app(argc, argv);
    setIdentity();
    SettingsStore::setFileName(iniPath);
    MainWindow window;
    window.show();
    window.recoveryStore()->setInterval(50);
    window.newDocument_KamdelPanel2();
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    edit(document);
    QFile expected(expectedPath);
    if (!expected.open(QIODevice::WriteOnly) || expected.write(documentXml(document)) < 0)
        return 2;
    expected.close();
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(window.recoveryStore()->copyPath())) {
        if (waited.elapsed() > 20000)
            return 3;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return app.exec();
}

} // namespace

class tst_Recovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void killedEditorIsRestored();
    void copyFollowsTheDocument_data();
    void copyFollowsTheDocument();
    void answers_data();
    void answers();
    void runningEditorsCopyIsNotOffered();

private:
    // A copy as a run that died leaves it: a folder with no live lock.
    QString leaveCopy(const QString& name);

    QTemporaryDir m_dir;
};

void tst_Recovery::initTestCase()
{
    QVERIFY(m_dir.isValid());
    SettingsStore::setFileName(m_dir.filePath(QStringLiteral("KamdelEditor.ini")));
}

void tst_Recovery::cleanup()
{
    QDir(RecoveryStore::rootFolder()).removeRecursively();
}

QString tst_Recovery::leaveCopy(const QString& name)
{
    const QString folder = QDir(RecoveryStore::rootFolder()).filePath(QStringLiteral("dead-%1").arg(name));
    QDir().mkpath(folder);
    std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
    edit(document.get());
    QFile copy(QDir(folder).filePath(QStringLiteral("document.xml")));
    QFile nameFile(QDir(folder).filePath(QStringLiteral("name")));
    if (!copy.open(QIODevice::WriteOnly) || !nameFile.open(QIODevice::WriteOnly))
        return QString();
    copy.write(documentXml(document.get()));
    nameFile.write(name.toUtf8());
    return folder;
}

void tst_Recovery::killedEditorIsRestored()
{
    const QString expectedPath = m_dir.filePath(QStringLiteral("expected.xml"));
    QProcess editor;
    editor.start(QCoreApplication::applicationFilePath(),
        { EditAndWait, expectedPath, m_dir.filePath(QStringLiteral("child.ini")) });
    QVERIFY(editor.waitForStarted());
    const auto stop = qScopeGuard([&editor] {
        editor.kill();
        editor.waitForFinished();
    });
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += editor.readAllStandardOutput()).contains("ready"), 30000);
    ::kill(pid_t(editor.processId()), SIGKILL);
    QVERIFY(editor.waitForFinished());
    QCOMPARE(editor.exitStatus(), QProcess::CrashExit);

    QFile expectedFile(expectedPath);
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    const QByteArray expected = expectedFile.readAll();

    RecoveryWindow window;
    window.offerRecovery();
    QCOMPARE(window.asked, QStringList { "Kamdel_1.xml" });
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    QVERIFY(document);
    QCOMPARE(documentXml(document), expected);
    // The new document's empty frame, and the frame and Reset added.
    QCOMPARE(document->deviceItem()->program(0)->childCount(), 3);
    // Not tied to a path, so Save asks where; modified until then.
    QVERIFY(document->filePath().isEmpty());
    QCOMPARE(document->fileName(), QStringLiteral("Kamdel_1.xml"));
    QVERIFY(document->isModified());
    QVERIFY(window.isWindowModified());
    // The restored work is kept by this run from now on, and only here.
    QVERIFY(QFileInfo::exists(window.recoveryStore()->copyPath()));
    QVERIFY(window.recoveryStore()->leftovers().isEmpty());
}

void tst_Recovery::copyFollowsTheDocument_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addRow("saved") << "saved";
    QTest::addRow("closed after saving") << "closed";
    QTest::addRow("discarded") << "discarded";
    QTest::addRow("replaced by a new document") << "replaced";
}

void tst_Recovery::copyFollowsTheDocument()
{
    QFETCH(QString, ending);
    RecoveryWindow window;
    RecoveryStore* store = window.recoveryStore();
    store->setInterval(20);
    window.newDocument_KamdelPanel1();
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    QVERIFY(!QFileInfo::exists(store->copyPath()));
    edit(document);
    QTRY_VERIFY(QFileInfo::exists(store->copyPath()));

    if (ending == "saved" || ending == "closed") {
        QVERIFY(document->save(m_dir.filePath(QStringLiteral("saved.xml"))));
        if (ending == "closed")
            window.closeDocument();
    } else if (ending == "discarded") {
        window.setCurrentDocument(nullptr);
    } else {
        window.setCurrentDocument(KamdelPanel2::newDocument());
    }
    QVERIFY(!QFileInfo::exists(store->copyPath()));
    QTest::qWait(60);
    QVERIFY(!QFileInfo::exists(store->copyPath()));
}

void tst_Recovery::answers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("restored");
    QTest::addColumn<bool>("offeredAgain");
    QTest::addRow("restore") << int(QMessageBox::Yes) << true << false;
    QTest::addRow("discard") << int(QMessageBox::Discard) << false << false;
    QTest::addRow("later") << int(QMessageBox::Cancel) << false << true;
}

void tst_Recovery::answers()
{
    QFETCH(int, answer);
    QFETCH(bool, restored);
    QFETCH(bool, offeredAgain);
    QVERIFY(!leaveCopy(QStringLiteral("board.xml")).isEmpty());
    {
        RecoveryWindow window;
        window.answer = QMessageBox::StandardButton(answer);
        window.offerRecovery();
        QCOMPARE(window.asked, QStringList { "board.xml" });
        QCOMPARE(window.document() != nullptr, restored);
        if (restored)
            QCOMPARE(window.document()->fileName(), QStringLiteral("board.xml"));
        window.setCurrentDocument(nullptr);
    }
    RecoveryWindow next;
    next.offerRecovery();
    QCOMPARE(next.asked.size(), offeredAgain ? 1 : 0);
}

void tst_Recovery::runningEditorsCopyIsNotOffered()
{
    RecoveryWindow running;
    running.recoveryStore()->setInterval(1);
    running.newDocument_KamdelPanel1();
    edit(qobject_cast<KamdelDocument*>(running.document()));
    QTRY_VERIFY(QFileInfo::exists(running.recoveryStore()->copyPath()));

    RecoveryWindow second;
    second.offerRecovery();
    QVERIFY(second.asked.isEmpty());
    running.setCurrentDocument(nullptr);
}

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], EditAndWait) == 0)
        return runEditorToBeKilled(
            argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    // The child and this test share one data folder of their own.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QApplication app(argc, argv);
    setIdentity();
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_Recovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
