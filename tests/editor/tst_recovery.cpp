#include "DocumentFiles.h"
#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "RecoveryStore.h"
#include "SettingsStore.h"
#include "TestWindow.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "edits/EditHistory.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "model/ResetCommand.h"

#include <QBuffer>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const char EditAndWait[] = "--edit-and-wait";

// The window with the restore question answered from a field.
class RecoveryWindow : public TestWindow
{
public:
    RecoveryWindow()
    {
        offers.message = [this](QWidget* window, const Questions::Message& message) {
            static const QRegularExpression offer(
                QStringLiteral("while (.+) had unsaved changes\\.\\nRestore the copy kept at (.*)\\?"));
            const QRegularExpressionMatch match = offer.match(message.text);
            if (!match.hasMatch())
                return offers.older().message(window, message);
            asked << match.captured(1);
            // A copy without a time is never restored unasked.
            return match.captured(2).isEmpty() ? QMessageBox::Cancel : answer;
        };
    }

    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QStringList asked;

private:
    Questions::Scope offers;
};

// How many copies a new window offers, each answered with `answer`.
int offeredCopies(QMessageBox::StandardButton answer = QMessageBox::Cancel)
{
    RecoveryWindow window;
    window.answer = answer;
    window.offerRecovery();
    return window.asked.size();
}

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

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    window.recoveryStore()->setDelays(50, 50);
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
    void copyIsWrittenSoonAfterEdits_data();
    void copyIsWrittenSoonAfterEdits();
    void copyHoldsWhatTheDocumentWrites_data();
    void copyHoldsWhatTheDocumentWrites();
    void restoredDocumentKeepsItsPath_data();
    void restoredDocumentKeepsItsPath();
    void copyLastsUntilSavedOrDiscarded_data();
    void copyLastsUntilSavedOrDiscarded();
    void unreadableCopyIsKept_data();
    void unreadableCopyIsKept();
    void linksAndForeignFilesSurvive_data();
    void linksAndForeignFilesSurvive();
    void claimedCopyIsOfferedOnce();
    void brokenLockIsADeadRun_data();
    void brokenLockIsADeadRun();

private:
    // A copy as a run that died leaves it: a folder with no live lock,
    // holding `contents` (an edited document when null) made from the file
    // `filePath`.
    QString leaveCopy(const QString& name, const QString& filePath = QString(),
        const QByteArray& contents = QByteArray(), const QString& folderName = QString());

    QTemporaryDir m_dir;
    int m_copies = 0;
    std::unique_ptr<Questions::Scope> m_answers;
};

void tst_Recovery::initTestCase()
{
    QVERIFY(m_dir.isValid());
    SettingsStore::setFileName(m_dir.filePath(QStringLiteral("KamdelEditor.ini")));
    // Closing a document with changes discards them.
    m_answers = std::make_unique<Questions::Scope>();
    m_answers->message = [](QWidget*, const Questions::Message&) { return QMessageBox::Discard; };
}

void tst_Recovery::cleanup()
{
    QDir(RecoveryStore::rootFolder()).removeRecursively();
}

QString tst_Recovery::leaveCopy(
    const QString& name, const QString& filePath, const QByteArray& contents, const QString& folderName)
{
    const QString folder
        = QDir(RecoveryStore::rootFolder())
              .filePath(folderName.isEmpty() ? QStringLiteral("1-%1").arg(++m_copies) : folderName);
    QDir().mkpath(folder);
    std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
    edit(document.get());
    const auto write = [&folder](const QString& file, const QByteArray& bytes) {
        return DocumentFiles::write(QDir(folder).filePath(file), QString::fromUtf8(bytes));
    };
    QFile copy(QDir(folder).filePath(QStringLiteral("document.xml")));
    const bool written = contents.isNull() ? copy.open(QIODevice::WriteOnly) && document->writeXML(&copy)
                                           : copy.open(QIODevice::WriteOnly) && copy.write(contents) >= 0;
    return written && write(QStringLiteral("name"), name.toUtf8())
            && write(QStringLiteral("path"), filePath.toUtf8())
        ? folder
        : QString();
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
    // The restored work is kept by this run from now on too.
    window.recoveryStore()->waitForWrites();
    QCOMPARE(readAll(window.recoveryStore()->copyPath()), expected);
    QVERIFY(window.recoveryStore()->claimLeftovers().isEmpty());
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
    store->setDelays(20, 20);
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
    store->waitForWrites();
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
    QCOMPARE(offeredCopies(), offeredAgain ? 1 : 0);
}

void tst_Recovery::runningEditorsCopyIsNotOffered()
{
    RecoveryWindow running;
    running.recoveryStore()->setDelays(1, 1);
    running.newDocument_KamdelPanel1();
    edit(qobject_cast<KamdelDocument*>(running.document()));
    QTRY_VERIFY(QFileInfo::exists(running.recoveryStore()->copyPath()));

    QCOMPARE(offeredCopies(), 0);
    running.setCurrentDocument(nullptr);
}

void tst_Recovery::copyIsWrittenSoonAfterEdits_data()
{
    QTest::addColumn<int>("quietMs");
    QTest::addColumn<int>("longestMs");
    const int never = 3600 * 1000;
    QTest::addRow("once edits pause") << 20 << never;
    QTest::addRow("while edits go on") << never << 20;
}

void tst_Recovery::copyIsWrittenSoonAfterEdits()
{
    QFETCH(int, quietMs);
    QFETCH(int, longestMs);
    RecoveryWindow window;
    window.recoveryStore()->setDelays(quietMs, longestMs);
    window.newDocument_KamdelPanel1();
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    const QString copy = window.recoveryStore()->copyPath();
    for (int round = 0; round < 2; ++round) {
        edit(document);
        QTRY_COMPARE(readAll(copy), documentXml(document));
    }
}

void tst_Recovery::copyHoldsWhatTheDocumentWrites_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 4; ++seed)
        QTest::addRow("random tree %d", seed) << (seed % 2 ? "1.0" : "2.0") << seed;
}

void tst_Recovery::copyHoldsWhatTheDocumentWrites()
{
    QFETCH(QString, version);
    QFETCH(int, seed);
    QRandomGenerator random { quint32(seed) };
    QStringList parts[2];
    for (QStringList& commands : parts) {
        for (int i = random.bounded(1, 30); i > 0; --i) {
            const int kind = random.bounded(4);
            QVector<int> on;
            for (int led = random.bounded(8); led > 0; --led)
                on << random.bounded(192);
            commands << (kind == 0 ? DocumentFiles::reset()
                    : kind == 1    ? DocumentFiles::stop()
                    : kind == 2    ? QStringLiteral("<Call/>")
                                   : DocumentFiles::frame(on));
        }
    }
    QString xml = DocumentFiles::document(version, parts[0]);
    xml.replace(QStringLiteral("</Program>"),
        QStringLiteral("</Program><Function>%1<Return/></Function>").arg(parts[1].join(QString())));
    const QString path = m_dir.filePath(QStringLiteral("random-%1.xml").arg(seed));
    QVERIFY(DocumentFiles::write(path, xml));
    RecoveryWindow window;
    window.openDocument(path);
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    QVERIFY(document);
    edit(document);
    QVERIFY(documentXml(document).contains("<Function>"));
    window.recoveryStore()->writeNow();
    window.recoveryStore()->waitForWrites();
    QCOMPARE(readAll(window.recoveryStore()->copyPath()), documentXml(document));
}

void tst_Recovery::restoredDocumentKeepsItsPath_data()
{
    QTest::addColumn<QString>("original");
    QTest::addColumn<bool>("exists");
    QTest::addRow("saved before") << "board.xml" << true;
    QTest::addRow("never saved") << "" << false;
    QTest::addRow("deleted since") << "gone.xml" << false;
}

void tst_Recovery::restoredDocumentKeepsItsPath()
{
    QFETCH(QString, original);
    QFETCH(bool, exists);
    const QString path = original.isEmpty() ? QString() : m_dir.filePath(original);
    QVERIFY(!exists || DocumentFiles::write(path, DocumentFiles::document("1.0", {})));
    QVERIFY(!leaveCopy(QStringLiteral("board.xml"), path).isEmpty());
    RecoveryWindow window;
    window.offerRecovery();
    AbstractDocument* document = window.document();
    QVERIFY(document);
    QCOMPARE(document->filePath(), exists ? QFileInfo(path).canonicalFilePath() : QString());
    QCOMPARE(document->fileName(), QStringLiteral("board.xml"));
    QVERIFY(document->isModified());
    QVERIFY(window.windowTitle().contains(QStringLiteral("board.xml[*] (recovered)")));
    window.setCurrentDocument(nullptr);
    if (exists)
        QFile::remove(path);
}

void tst_Recovery::copyLastsUntilSavedOrDiscarded_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("kept");
    QTest::addRow("saved") << "save" << false;
    QTest::addRow("closed, changes discarded") << "discard" << false;
    QTest::addRow("window gone unsaved") << "none" << true;
    QTest::addRow("edited and undone") << "undo" << true;
}

void tst_Recovery::copyLastsUntilSavedOrDiscarded()
{
    QFETCH(QString, ending);
    QFETCH(bool, kept);
    const QString original = m_dir.filePath(QStringLiteral("kept.xml"));
    QVERIFY(DocumentFiles::write(original, DocumentFiles::document("1.0", {})));
    const QString folder = leaveCopy(QStringLiteral("kept.xml"), original);
    const QString copy = QDir(folder).filePath(QStringLiteral("document.xml"));
    auto window = std::make_unique<RecoveryWindow>();
    window->offerRecovery();
    auto* document = qobject_cast<KamdelDocument*>(window->document());
    QVERIFY(document);
    QVERIFY(QFileInfo::exists(copy));
    if (ending == "save") {
        QVERIFY(window->saveDocument());
        QCOMPARE(readAll(original), documentXml(document));
        QVERIFY(!window->windowTitle().contains(QStringLiteral("recovered")));
    } else if (ending == "discard") {
        window->closeDocument();
        QVERIFY(!window->document());
    } else if (ending == "undo") {
        edit(document);
        while (document->edits()->history()->canUndo())
            document->edits()->history()->undo();
        QVERIFY(document->isModified());
    }
    window.reset();
    QCOMPARE(QFileInfo::exists(copy), kept);
    QCOMPARE(offeredCopies(), kept ? 1 : 0);
}

void tst_Recovery::unreadableCopyIsKept_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("framesShown");
    QStringList frames;
    for (int i = 0; i < 320; ++i)
        frames << DocumentFiles::frame({ i % 192 });
    QByteArray damaged = DocumentFiles::document("1.0", frames).toUtf8();
    // One byte breaks the third frame's start tag.
    damaged[damaged.indexOf(
                "<LedStates>", damaged.indexOf("<LedStates>", damaged.indexOf("<LedStates>") + 1) + 1)
        + 1]
        = '!';
    QTest::addRow("one bad byte") << damaged << 2;
    QTest::addRow("not a document") << QByteArray("\x01garbage") << -1;
    QTest::addRow("empty") << QByteArray("") << -1;
}

void tst_Recovery::unreadableCopyIsKept()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, framesShown);
    const QString folder = leaveCopy(QStringLiteral("board.xml"), m_dir.filePath("board.xml"), contents);
    const QString copy = QDir(folder).filePath(QStringLiteral("document.xml"));
    {
        RecoveryWindow window;
        window.offerRecovery();
        QCOMPARE(window.warnings.size(), 1);
        QVERIFY2(window.warnings.first().contains(QDir::toNativeSeparators(copy)),
            qPrintable(window.warnings.first()));
        auto* document = qobject_cast<KamdelDocument*>(window.document());
        QCOMPARE(document ? document->deviceItem()->program(0)->childCount() : -1, framesShown);
        if (document) {
            // What was read must not replace the user's file unasked.
            QVERIFY(document->filePath().isEmpty());
            QVERIFY(document->save(m_dir.filePath(QStringLiteral("part.xml"))));
        }
    }
    QCOMPARE(readAll(copy), contents);
    QCOMPARE(offeredCopies(), 1);
}

void tst_Recovery::linksAndForeignFilesSurvive_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("isLink");
    QTest::addColumn<bool>("withCopy");
    QTest::addRow("a link as a run's folder") << "9-9" << true << false;
    QTest::addRow("a link beside a copy") << "9-9/extra" << true << true;
    QTest::addRow("a link named as the copy") << "9-9/document.xml" << true << false;
    QTest::addRow("a link named as the lock") << "9-9/lock" << true << true;
    QTest::addRow("a link named as a half-written copy") << "9-9/document.xml.AbCdEf" << true << true;
    QTest::addRow("someone else's file") << "9-9/notes.txt" << false << true;
}

void tst_Recovery::linksAndForeignFilesSurvive()
{
    QFETCH(QString, entry);
    QFETCH(bool, isLink);
    QFETCH(bool, withCopy);
    const QDir root(RecoveryStore::rootFolder());
    if (withCopy)
        QVERIFY(!leaveCopy(QStringLiteral("board.xml"), QString(), QByteArray(), QStringLiteral("9-9"))
                     .isEmpty());
    else
        QVERIFY(root.mkpath(entry == "9-9" ? QStringLiteral(".") : QStringLiteral("9-9")));
    const QString victim = m_dir.filePath(QStringLiteral("victim/document.xml"));
    QVERIFY(QDir().mkpath(QFileInfo(victim).path()));
    QVERIFY(DocumentFiles::write(victim, QStringLiteral("keep")));
    const QString target = entry.endsWith("lock") ? victim : QFileInfo(victim).path();
    QVERIFY(isLink ? QFile::link(target, root.filePath(entry))
                   : DocumentFiles::write(root.filePath(entry), "mine"));
    QCOMPARE(offeredCopies(QMessageBox::Discard), withCopy ? 1 : 0);
    QCOMPARE(readAll(victim), QByteArray("keep"));
    if (!isLink)
        QCOMPARE(readAll(root.filePath(entry)), QByteArray("mine"));
    if (entry != "9-9")
        QVERIFY(!QFileInfo::exists(root.filePath("9-9/document.xml")));
}

void tst_Recovery::claimedCopyIsOfferedOnce()
{
    QVERIFY(!leaveCopy(QStringLiteral("board.xml")).isEmpty());
    auto first = std::make_unique<RecoveryStore>();
    QCOMPARE(first->claimLeftovers().size(), 1);
    RecoveryStore second;
    QVERIFY(second.claimLeftovers().isEmpty());
    // Neither restored nor discarded: free for the next start.
    first.reset();
    RecoveryStore third;
    QCOMPARE(third.claimLeftovers().size(), 1);
}

void tst_Recovery::brokenLockIsADeadRun_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<bool>("heldOpen");
    QTest::addColumn<bool>("offered");
    QTest::addRow("empty") << QByteArray() << false << true;
    QTest::addRow("garbage") << QByteArray("not a lock\n") << false << true;
    QTest::addRow("binary") << QByteArray("\xff\xfe\x00\x01", 4) << false << true;
    QTest::addRow("oversized") << QByteArray(64 * 1024, '7') << false << true;
    QTest::addRow("empty while a live run writes it") << QByteArray() << true << false;
}

void tst_Recovery::brokenLockIsADeadRun()
{
    QFETCH(QByteArray, lock);
    QFETCH(bool, heldOpen);
    QFETCH(bool, offered);
    const QString folder = leaveCopy(QStringLiteral("board.xml"));
    const QString lockPath = QDir(folder).filePath(QStringLiteral("lock"));
    QVERIFY(DocumentFiles::write(lockPath, QString::fromLatin1(lock)));
    QFile writing(lockPath);
    // A live lock is held under a file lock from the moment it exists.
    if (heldOpen)
        QVERIFY(writing.open(QIODevice::ReadWrite) && ::flock(writing.handle(), LOCK_EX | LOCK_NB) == 0);
    RecoveryStore store;
    QCOMPARE(store.claimLeftovers().size(), offered ? 1 : 0);
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
