#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "ResourceGuard.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "formats/SequenceFile.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "model/StopCommand.h"
#include "views/CommandTreeView.h"

#include <QClipboard>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

namespace {

// Answers every message box of the library and keeps what it was asked.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        m_answers.message = [this](QWidget*, const Questions::Message& request) {
            titles << request.title;
            texts << request.text;
            return answer;
        };
    }

    QStringList titles;
    QStringList texts;
    QMessageBox::StandardButton answer = QMessageBox::Ok;

private:
    Questions::Scope m_answers;
};

std::unique_ptr<KamdelDocument> newDocument(int panel)
{
    return std::unique_ptr<KamdelDocument>(
        panel == 1 ? KamdelPanel1::newDocument() : KamdelPanel2::newDocument());
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return path;
}

// `count` distinct attributes, each as a document writes them.
QByteArray attributes(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "a" + QByteArray::number(i) + "=\"" + QByteArray::number(i) + "\" ";
    return text;
}

QByteArray document(const QByteArray& programBody)
{
    return "<?xml version=\"1.0\"?>\n<LedPanelDocument version=\"1.0\"><Commands><Program>" + programBody
        + "</Program></Commands></LedPanelDocument>\n";
}

QStringList childNames(const AbstractTreeItem* item)
{
    QStringList names;
    for (const AbstractTreeItem* child : item->children())
        names << child->name();
    return names;
}

} // namespace

class tst_KamdelDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void newDocumentNamesCountPerType();
    void newDocumentTree_data();
    void newDocumentTree();
    void saveWritesTheFileLayout();
    void roundTripKeepsProgramAndCollections_data();
    void roundTripKeepsProgramAndCollections();
    void typesRejectEachOther_data();
    void typesRejectEachOther();
    void loadFailures_data();
    void loadFailures();
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();
    void oversizedMarkupIsRefusedQuickly_data();
    void oversizedMarkupIsRefusedQuickly();
    void brokenFileIsNotOverwritten();
    void saveFailureKeepsOldFile();
    void editsMarkModified();
    void imageBeforeAndAfterCompile_data();
    void imageBeforeAndAfterCompile();
    void clipboardFollowsFocus_data();
    void clipboardFollowsFocus();

private:
    QTemporaryDir m_dir;
};

void tst_KamdelDocument::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tollmark"));
    QVERIFY(m_dir.isValid());
}

void tst_KamdelDocument::newDocumentNamesCountPerType()
{
    // Must run first: the counters belong to the process.
    auto a1 = newDocument(1);
    auto a2 = newDocument(1);
    auto b1 = newDocument(2);
    QCOMPARE(a1->fileName(), QStringLiteral("Kamdel_1.xml"));
    QCOMPARE(a2->fileName(), QStringLiteral("Kamdel_2.xml"));
    QCOMPARE(b1->fileName(), QStringLiteral("Kamdel_1.xml"));
    QVERIFY(a1->filePath().isEmpty());
    QVERIFY(!a1->isModified());
    QCOMPARE(KamdelDocument::version(), QStringLiteral("0.1.1"));
}

void tst_KamdelDocument::newDocumentTree_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("label");
    QTest::addRow("ZQ-RING-A") << 1 << "ZQ-RING-A";
    QTest::addRow("ZQ-RING-B") << 2 << "ZQ-RING-B";
}

void tst_KamdelDocument::newDocumentTree()
{
    QFETCH(int, panel);
    QFETCH(QString, label);
    auto document = newDocument(panel);
    DeviceItem* device = document->deviceItem();
    QCOMPARE(device->deviceName(), label);
    QCOMPARE(device->description(), QStringLiteral("Segmented ring LED panel"));
    QCOMPARE(childNames(device), QStringList { "Program" });
    QCOMPARE(document->treeModel()->rowCount(), 1);
    QVERIFY(document->ledPanelView());
    QCOMPARE(document->openSaveFileDialogFilter(), QStringLiteral("Panel documents (*.xml);;All files (*)"));
}

void tst_KamdelDocument::saveWritesTheFileLayout()
{
    auto document = newDocument(1);
    auto* frame = new LedStatesCommand;
    document->edits()->appendItem(frame, document->deviceItem()->program(0));
    frame->leds()[1]->setValue(1);
    const QString path = m_dir.filePath("layout.xml");
    QVERIFY(document->save(path));

    QString expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<LedPanelDocument version=\"1.0\" panel=\"ZQ-RINGx\">\n"
                       "    <Commands>\n"
                       "        <Program index=\"0\">\n"
                       "            <LedStates>\n";
    for (int i = 0; i < 192; ++i) {
        expected += QStringLiteral("                <Led index=\"%1\">\n"
                                   "                    <state>%2</state>\n"
                                   "                </Led>\n")
                        .arg(i)
                        .arg(i == 1 ? 1 : 0);
    }
    expected += "            </LedStates>\n"
                "        </Program>\n"
                "    </Commands>\n"
                "</LedPanelDocument>\n";
    QCOMPARE(QString::fromUtf8(readAll(path)), expected);
    QCOMPARE(document->filePath(), QFileInfo(path).canonicalFilePath());
    QCOMPARE(document->fileName(), QStringLiteral("layout.xml"));
}

void tst_KamdelDocument::roundTripKeepsProgramAndCollections_data()
{
    QTest::addColumn<int>("panel");
    QTest::addRow("ZQ-RING-A") << 1;
    QTest::addRow("ZQ-RING-B") << 2;
}

void tst_KamdelDocument::roundTripKeepsProgramAndCollections()
{
    QFETCH(int, panel);
    auto document = newDocument(panel);
    DocumentEdits* edits = document->edits();
    ProgramItem* program = document->deviceItem()->program(0);
    auto* frame = new LedStatesCommand;
    edits->appendItem(frame, program);
    edits->setLedValue(frame->leds()[100], 1);
    edits->appendItem(new StopCommand, program);
    auto* collection = new FunctionItem;
    edits->appendItem(collection, document->deviceItem());
    auto* inner = new LedStatesCommand;
    edits->appendItem(inner, collection);
    edits->setLedValue(inner->leds()[5], 1);

    const QString path = m_dir.filePath(QStringLiteral("round%1.xml").arg(panel));
    QVERIFY(document->save(path));
    QVERIFY(!document->isModified());

    auto loaded = newDocument(panel);
    MessageRecorder messages;
    QVERIFY(loaded->load(path));
    QVERIFY(messages.texts.isEmpty());
    QVERIFY(!loaded->isModified());
    QCOMPARE(loaded->filePath(), QFileInfo(path).canonicalFilePath());
    DeviceItem* device = loaded->deviceItem();
    QCOMPARE(childNames(device), (QStringList { "Program", "Function" }));
    QCOMPARE(childNames(device->child(0)), (QStringList { "Leds", "Stop" }));
    QCOMPARE(childNames(device->child(1)), QStringList { "Leds" });
    QCOMPARE(static_cast<LedStatesCommand*>(device->child(0)->child(0))->leds()[100]->value(), 1);
    QCOMPARE(static_cast<LedStatesCommand*>(device->child(1)->child(0))->leds()[5]->value(), 1);
    QCOMPARE(loaded->treeModel()->rowCount(loaded->treeModel()->indexOf(device)), 2);

    // Saving the loaded document reproduces the file byte for byte.
    const QString again = m_dir.filePath(QStringLiteral("again%1.xml").arg(panel));
    QVERIFY(loaded->save(again));
    QCOMPARE(readAll(again), readAll(path));
}

void tst_KamdelDocument::typesRejectEachOther_data()
{
    QTest::addColumn<QByteArray>("root");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::addRow("version 1.0") << QByteArray("<LedPanelDocument version=\"1.0\" panel=\"ZQ-RINGx\"/>")
                                 << true << false;
    QTest::addRow("version 2.0") << QByteArray("<LedPanelDocument version=\"2.0\"/>") << false << true;
    QTest::addRow("trailing zero") << QByteArray("<LedPanelDocument version=\"1.00\"/>") << false << false;
    QTest::addRow("leading blank") << QByteArray("<LedPanelDocument version=\" 2.0\"/>") << false << false;
    QTest::addRow("other panel mark")
        << QByteArray("<LedPanelDocument version=\"2.0\" panel=\"x\"/>") << false << true;
    QTest::addRow("no version") << QByteArray("<LedPanelDocument/>") << false << false;
    QTest::addRow("other root") << QByteArray("<Board version=\"1.0\"/>") << false << false;
    QTest::addRow("not XML") << QByteArray("just text") << false << false;
    QTest::addRow("empty") << QByteArray() << false << false;
    // Markup around the root that looks like attributes is not counted.
    const QByteArray equals = QByteArray("a=\"1\" ").repeated(40);
    QTest::addRow("comment, declaration and instruction before the root") << "<!DOCTYPE x [<!ENTITY e '"
            + equals + "'>]><!-- " + equals + " --><?pi " + equals
            + "?><LedPanelDocument version=\"1.0\"/>" << true << false;
    QTest::addRow("32 attributes") << "<LedPanelDocument version=\"1.0\" " + attributes(31) + "/>" << true
                                   << false;
    QTest::addRow("33 attributes") << "<LedPanelDocument version=\"1.0\" " + attributes(32) + "/>" << false
                                   << false;
}

void tst_KamdelDocument::typesRejectEachOther()
{
    QFETCH(QByteArray, root);
    QFETCH(bool, first);
    QFETCH(bool, second);
    const QString path = writeFile(m_dir.filePath("type.xml"), "<?xml version=\"1.0\"?>\n" + root);
    QCOMPARE(KamdelPanel1::isValid_XML(path), first);
    QCOMPARE(KamdelPanel2::isValid_XML(path), second);
    QVERIFY(!KamdelPanel1::isValid_XML(QString()));
    QVERIFY(!KamdelPanel1::isValid_XML(m_dir.filePath("missing.xml")));
}

void tst_KamdelDocument::loadFailures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("programCommands");
    // The bound that refused the file, said to the user; a syntax error is not.
    QTest::addColumn<QString>("reason");
    QTest::addRow("other panel type") << QByteArray("<LedPanelDocument version=\"2.0\"><Commands><Program>"
                                                    "<Stop/></Program></Commands></LedPanelDocument>")
                                      << QStringList() << QString();
    QTest::addRow("breaks half-way") << QByteArray("<LedPanelDocument version=\"1.0\"><Commands><Program>"
                                                   "<Stop/><Reset/><LedStates><Led index=\"3\"><sta")
                                     << QStringList { "Stop", "Reset", "Leds" } << QString();
    QTest::addRow("not XML") << QByteArray("\x01\x02 binary") << QStringList() << QString();
    QTest::addRow("text after the root")
        << document("<Stop/>") + "garbage" << QStringList { "Stop" } << QString();
    QTest::addRow("second root") << document("<Stop/>") + "<LedPanelDocument version=\"1.0\"/>"
                                 << QStringList { "Stop" } << QString();
    // Refused before the reader starts, so nothing is read.
    QTest::addRow("element with 33 attributes")
        << document("<Stop/><Stop " + attributes(33) + "/>") << QStringList() << "more attributes";
    QTest::addRow("elements 65 deep")
        << document("<Stop/>" + QByteArray("<x>").repeated(62) + QByteArray("</x>").repeated(62))
        << QStringList() << "deeper";
    const QByteArray led = "<LedStates><Led index=\"1\"><state>";
    QTest::addRow("state of 65 characters")
        << document("<Stop/>" + led + QByteArray(65, '1') + "</state></Led></LedStates>") << QStringList()
        << "LED state of more than 64 characters";
    QTest::addRow("state of 65 references")
        << document("<Stop/>" + led + QByteArray("&#49;").repeated(65) + "</state></Led></LedStates>")
        << QStringList() << "LED state of more than 64 characters";
    QTest::addRow("title of 64 KiB and one byte") << QByteArray(
        "<LedPanelDocument version=\"1.0\"><Title>" + QByteArray(65537, 'x') + "</Title></LedPanelDocument>")
                                                  << QStringList() << "more than 64 KiB";
    QStringList frames;
    for (int i = 0; i < 20000; ++i)
        frames << QStringLiteral("Leds");
    QTest::addRow("20,001 frames") << document(QByteArray("<LedStates/>").repeated(20001)) << frames
                                   << "more than 20000 frames";
}

void tst_KamdelDocument::loadFailures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, programCommands);
    QFETCH(QString, reason);
    const QString path = writeFile(m_dir.filePath("broken.xml"), bytes);
    auto document = newDocument(1);
    MessageRecorder messages;
    QVERIFY(document->load(path));
    QCOMPARE(messages.titles, QStringList { "Tollmark" });
    const QString shown
        = QStringLiteral("Error occur while reading xml data of %1.").arg(QDir::toNativeSeparators(path));
    QCOMPARE(messages.texts.size(), 1);
    if (reason.isEmpty()) {
        QCOMPARE(messages.texts.first(), shown);
    } else {
        QVERIFY2(messages.texts.first().startsWith(shown + '\n'), qPrintable(messages.texts.first()));
        QVERIFY2(messages.texts.first().contains(reason), qPrintable(messages.texts.first()));
    }
    QCOMPARE(childNames(document->deviceItem()->program(0)), programCommands);
    // What was read stays, but the document is not tied to the broken file.
    QVERIFY(document->filePath().isEmpty());
    QVERIFY(document->isModified());
}

void tst_KamdelDocument::onlyRegularFilesAreOpened_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const QString fifo = m_dir.filePath("document.fifo");
    QFile::remove(fifo);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QTest::addRow("FIFO without a writer") << fifo << "not a regular file";
    QTest::addRow("endless device") << QStringLiteral("/dev/zero") << "not a regular file";
    QTest::addRow("folder") << m_dir.path() << "not a regular file";
    const QString sparse = m_dir.filePath("huge.xml");
    QFile huge(sparse);
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(KamdelDocument::MaxFileSize + 1));
    QTest::addRow("larger than any document") << sparse << "larger than any document";
}

// Neither the type check nor the load opens these: a FIFO would block, a
// device would feed the reader for ever.
void tst_KamdelDocument::onlyRegularFilesAreOpened()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    QVERIFY(KamdelDocument::unreadableReason(path).contains(reason));
    QVERIFY(!KamdelPanel1::isValid_XML(path));
    QVERIFY(!KamdelPanel2::isValid_XML(path));
    auto document = newDocument(1);
    MessageRecorder messages;
    QVERIFY(!document->load(path));
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.first().contains(reason), qPrintable(messages.texts.first()));
}

void tst_KamdelDocument::oversizedMarkupIsRefusedQuickly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("validHead");
    // The reader checks attributes for duplicates in quadratic time: these
    // once froze Open for 14 and 86 seconds.
    QTest::addRow("root with 50,000 attributes") << "<LedPanelDocument version=\"1.0\" " + attributes(50000)
            + "><Commands/></LedPanelDocument>" << false;
    QTest::addRow("root with 200,000 attributes")
        << "<LedPanelDocument version=\"1.0\" " + attributes(200000) + "/>" << false;
    QTest::addRow("frame with 50,000 attributes")
        << document("<LedStates><Led index=\"0\" " + attributes(50000) + "/></LedStates>") << true;
    // The reader keeps a run of text whole, several times over: 100 MB once
    // took 741 MB.
    QTest::addRow("50 MB text") << document("<Stop>" + QByteArray(50 << 20, 'x') + "</Stop>") << true;
    QTest::addRow("50 MB character section")
        << document("<Stop><![CDATA[" + QByteArray(50 << 20, 'x') + "]]></Stop>") << true;
    QTest::addRow("50 MB before the root") << QByteArray(50 << 20, ' ') + document("<Stop/>") << false;
    QTest::addRow("elements 200,000 deep") << document(
        QByteArray("<p:x xmlns:p=\"u\">").repeated(200000) + QByteArray("</p:x>").repeated(200000))
                                           << true;
}

void tst_KamdelDocument::oversizedMarkupIsRefusedQuickly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, validHead);
    const QString path = writeFile(m_dir.filePath("oversized.xml"), bytes);
    bytes.clear();
    auto document = newDocument(1);
    MessageRecorder messages;
    const ResourceGuard guard;
    // As the editor opens a file: both types asked, then the load.
    QCOMPARE(KamdelPanel1::isValid_XML(path), validHead);
    QVERIFY(!KamdelPanel2::isValid_XML(path));
    if (validHead) {
        QVERIFY(document->load(path));
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(
            messages.texts.first().startsWith(QStringLiteral("Error occur while reading xml data of %1.\n")
                                                  .arg(QDir::toNativeSeparators(path))));
    }
    QVERIFY2(guard.elapsedMs() < ReaderTimeGuardMs, qPrintable(QString::number(guard.elapsedMs())));
    QVERIFY2(guard.peakGrowthMb() < ReaderMemoryGuardMb, qPrintable(QString::number(guard.peakGrowthMb())));
}

void tst_KamdelDocument::brokenFileIsNotOverwritten()
{
    const QByteArray broken("<LedPanelDocument version=\"1.0\"><Commands><Program><Stop/>");
    const QString path = writeFile(m_dir.filePath("keep.xml"), broken);
    auto document = newDocument(1);
    MessageRecorder messages;
    QVERIFY(document->load(path));

    // Closing asks to save; "Save" must ask for a name rather than write
    // over the broken file. The name dialog is cancelled here.
    QList<Questions::FileName> asked;
    {
        Questions::Scope answers;
        answers.fileName = [&asked](const Questions::FileName& request) {
            asked << request;
            return QString();
        };
        messages.answer = QMessageBox::Save;
        QVERIFY(!document->maybeSave());
    }
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().mode, Questions::Save);
    // The proposal is a fresh name where documents went last, never the
    // broken file.
    QCOMPARE(QFileInfo(asked.first().start).fileName(), document->fileName());
    QVERIFY(QFileInfo(asked.first().start).absoluteFilePath() != QFileInfo(path).absoluteFilePath());
    QCOMPARE(messages.texts.last(),
        QStringLiteral("%1 has been modified.\nDo you want to save changes?").arg(document->fileName()));
    QCOMPARE(readAll(path), broken);
}

void tst_KamdelDocument::saveFailureKeepsOldFile()
{
    auto document = newDocument(1);
    MessageRecorder messages;
    const QString missingDir = m_dir.filePath("no/such/dir/x.xml");
    QSignalSpy names(document.get(), &AbstractDocument::fileNameChanged);
    document->edits()->appendItem(new StopCommand, document->deviceItem()->program(0));
    QVERIFY(!document->save(missingDir));
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts.first().startsWith(
        QStringLiteral("Cannot open file %1 for writing: ").arg(QDir::toNativeSeparators(missingDir))));
    QVERIFY(document->isModified());
    QCOMPARE(
        document->fileName(), QStringLiteral("Kamdel_%1.xml").arg(document->fileName().mid(7).chopped(4)));
    QCOMPARE(names.count(), 0);

    QVERIFY(!document->load(m_dir.filePath("missing.xml")));
    QCOMPARE(messages.texts.size(), 2);
    QVERIFY(messages.texts.last().startsWith(
        QStringLiteral("Cannot read file %1:\n").arg(m_dir.filePath("missing.xml"))));
    QVERIFY(!document->save(QString()));
    QVERIFY(!document->load(QString()));
}

void tst_KamdelDocument::editsMarkModified()
{
    auto document = newDocument(2);
    QSignalSpy modified(document.get(), &AbstractDocument::modifiedChanged);
    DocumentEdits* edits = document->edits();
    auto* frame = new LedStatesCommand;
    edits->appendItem(frame, document->deviceItem()->program(0));
    QCOMPARE(modified.count(), 1);
    QVERIFY(document->isModified());
    QVERIFY(document->save(m_dir.filePath("modified.xml")));
    QVERIFY(!document->isModified());
    edits->setLedValue(frame->leds()[0], 1);
    QVERIFY(document->isModified());
    QVERIFY(document->save(m_dir.filePath("modified.xml")));
    edits->removeItems({ frame });
    QVERIFY(document->isModified());
    QCOMPARE(modified.count(), 5);
}

void tst_KamdelDocument::imageBeforeAndAfterCompile_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray frame = QByteArray(1, '\x03') + QByteArray(24, '\0');
    QTest::addRow("ZQ-RING-A") << 1 << QByteArray() << frame + QByteArray(1, '\0');
    QTest::addRow("ZQ-RING-B") << 2 << QByteArray(4, '\0')
                               << QByteArray(4, '\0') + frame + QByteArray(1, '\0');
}

void tst_KamdelDocument::imageBeforeAndAfterCompile()
{
    QFETCH(int, panel);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    auto document = newDocument(panel);
    ProgramItem* program = document->deviceItem()->program(0);
    document->edits()->appendItem(new LedStatesCommand, program);
    document->edits()->appendItem(new StopCommand, program);
    QCOMPARE(document->createBinnary(), before);
    document->compile();
    QCOMPARE(document->createBinnary(), after);
}

void tst_KamdelDocument::clipboardFollowsFocus_data()
{
    QTest::addColumn<bool>("treeFocused");
    QTest::addRow("tree: its frames") << true;
    QTest::addRow("no view focused: nothing") << false;
}

void tst_KamdelDocument::clipboardFollowsFocus()
{
    QFETCH(bool, treeFocused);
    auto document = newDocument(1);
    ProgramItem* program = document->deviceItem()->program(0);
    auto* frame = new LedStatesCommand;
    document->edits()->appendItem(frame, program);
    frame->leds()[0]->setValue(1);
    const QString frameText = SequenceFile::framesText({ frame }, LedStatesCommand::LedCount);
    CommandTreeView* tree = document->commandTreeView();
    tree->expandAll();
    tree->selectionModel()->setCurrentIndex(
        tree->treeModel()->indexOf(frame), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    document->show();
    QVERIFY(QTest::qWaitForWindowActive(document.get()));
    if (treeFocused)
        tree->setFocus();
    else
        document->setFocus();
    const QString before = QStringLiteral("untouched");
    QGuiApplication::clipboard()->setText(before);

    document->copyData();
    QCOMPARE(QGuiApplication::clipboard()->text(), treeFocused ? frameText : before);
    document->cutData();
    QCOMPARE(program->childCount(), treeFocused ? 0 : 1);
    document->pasteData();
    document->pasteData();
    QCOMPARE(program->childCount(), treeFocused ? 2 : 1);
}

QTEST_MAIN(tst_KamdelDocument)
#include "tst_kamdeldocument.moc"
