#include "DocumentFiles.h"
#include "ExamplesMenu.h"
#include "FakeDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "MemoryGauge.h"
#include "RecentFiles.h"
#include "SettingsStore.h"
#include "TestWindow.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "player/PanelCommand.h"
#include "views/FrameEditor.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <sys/stat.h>

class tst_DocumentCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void newDocument_data();
    void newDocument();
    void newDocumentAsksToSave_data();
    void newDocumentAsksToSave();

    void openDocument_data();
    void openDocument();
    void openUnknownFile_data();
    void openUnknownFile();
    void openCancelled();
    void openDialogOfTheDocumentType();
    void openFromRecentFiles();
    void openVanishedRecentFile();
    void openFilesFromCommandLine_data();
    void openFilesFromCommandLine();
    void openOnlyRegularFiles_data();
    void openOnlyRegularFiles();
    void brokenFileBoxOnWindow();
    void dialogsStartInLastFolder_data();
    void dialogsStartInLastFolder();

    void saveDocument();
    void saveGoesThroughSaveAs_data();
    void saveGoesThroughSaveAs();
    void saveAsDocument_data();
    void saveAsDocument();
    void saveAsLibraryDocument_data();
    void saveAsLibraryDocument();
    void libraryDocumentMarksWindow();
    void historyFollowsDocument();
    void drawingToolsFollowDocument();
    void boardSideRemembered_data();
    void boardSideRemembered();
    void generateFromFrameMenu();
    void openExample_data();
    void openExample();

    void closeDocument_data();
    void closeDocument();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    static QString canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

    QTemporaryDir m_dir;
    QStringList m_libraryMessages;
    QList<QWidget*> m_libraryMessageParents;
    QList<Questions::FileName> m_fileDialogs;
    QString m_fileDialogAnswer;
    std::unique_ptr<Questions::Scope> m_answers;
};

void tst_DocumentCommands::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Tollmark"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.1"));
    SettingsStore::setFileName(file(QStringLiteral("KamdelEditor.ini")));
    m_answers = std::make_unique<Questions::Scope>();
    m_answers->message = [this](QWidget* parent, const Questions::Message& request) {
        m_libraryMessages << request.text;
        m_libraryMessageParents << parent;
        return QMessageBox::Ok;
    };
    m_answers->fileName = [this](const Questions::FileName& request) {
        m_fileDialogs << request;
        return m_fileDialogAnswer;
    };
}

void tst_DocumentCommands::cleanupTestCase()
{
    m_answers.reset();
    SettingsStore::close();
}

void tst_DocumentCommands::init()
{
    // Closing first, or the old store would write itself back.
    SettingsStore::close();
    QFile::remove(file(QStringLiteral("KamdelEditor.ini")));
    m_libraryMessages.clear();
    m_libraryMessageParents.clear();
    m_fileDialogs.clear();
    m_fileDialogAnswer.clear();
}

void tst_DocumentCommands::newDocument_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("className");
    QTest::addRow("ZQ-RING-A") << "action_NewPanel1"
                               << "KamdelPanel1";
    QTest::addRow("ZQ-RING-B") << "action_NewPanel2"
                               << "KamdelPanel2";
}

void tst_DocumentCommands::newDocument()
{
    QFETCH(QString, actionName);
    QFETCH(QString, className);

    TestWindow window;
    QPointer<FakeDocument> previous = new FakeDocument;
    window.setCurrentDocument(previous);

    window.findChild<QAction*>(actionName)->trigger();

    QVERIFY(previous.isNull());
    AbstractDocument* document = window.document();
    QVERIFY(document);
    QCOMPARE(document->metaObject()->className(), qPrintable(className));
    QVERIFY(QRegularExpression(QStringLiteral("^Kamdel_[1-9][0-9]*\\.xml$"))
                .match(document->fileName())
                .hasMatch());
    QVERIFY(document->filePath().isEmpty());
    QVERIFY(!document->isModified());
    QCOMPARE(window.windowTitle(),
        QStringLiteral("Segmented LED Panel Editor  -  %1[*]").arg(document->fileName()));
    QCOMPARE(window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentWidget(), document);

    // The next new document of the same model counts on.
    const int number = document->fileName().mid(7).section(QLatin1Char('.'), 0, 0).toInt();
    window.findChild<QAction*>(actionName)->trigger();
    QCOMPARE(window.document()->fileName(), QStringLiteral("Kamdel_%1.xml").arg(number + 1));
}

void tst_DocumentCommands::newDocumentAsksToSave_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::addRow("cancel keeps the old document") << int(QMessageBox::Cancel) << false;
    QTest::addRow("discard replaces it") << int(QMessageBox::Discard) << true;
}

void tst_DocumentCommands::newDocumentAsksToSave()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);

    TestWindow window;
    QPointer<FakeDocument> old = new FakeDocument;
    old->setModified(true);
    old->promptAnswer = QMessageBox::StandardButton(answer);
    window.setCurrentDocument(old);

    window.newDocument_KamdelPanel2();
    QCOMPARE(old.isNull(), replaced);
    QCOMPARE(qobject_cast<KamdelPanel2*>(window.document()) != nullptr, replaced);
    if (!replaced)
        QCOMPARE(old->prompts, 1);
}

void tst_DocumentCommands::openDocument_data()
{
    QTest::addColumn<QString>("contents");
    QTest::addColumn<QString>("className");
    QTest::addRow("version 1.0") << DocumentFiles::document("1.0", { DocumentFiles::frame({ 1 }) })
                                 << "KamdelPanel1";
    QTest::addRow("version 2.0") << DocumentFiles::document("2.0", { DocumentFiles::stop() })
                                 << "KamdelPanel2";
    QTest::addRow("without panel attribute") << QStringLiteral(
        "<?xml version=\"1.0\"?><LedPanelDocument version=\"2.0\"><Commands/></LedPanelDocument>")
                                             << "KamdelPanel2";
}

void tst_DocumentCommands::openDocument()
{
    QFETCH(QString, contents);
    QFETCH(QString, className);

    const QString path = file(QStringLiteral("open-%1.xml").arg(QTest::currentDataTag()).replace(' ', '_'));
    QVERIFY(DocumentFiles::write(path, contents));

    TestWindow window;
    window.recentFiles()->addRecentFile(QStringLiteral("/older/file.xml"));
    QPointer<FakeDocument> previous = new FakeDocument;
    window.setCurrentDocument(previous);

    window.openDocument(path);

    QVERIFY(previous.isNull());
    AbstractDocument* document = window.document();
    QVERIFY(document);
    QCOMPARE(document->metaObject()->className(), qPrintable(className));
    QCOMPARE(document->filePath(), canonical(path));
    QVERIFY(!document->isModified());
    QCOMPARE(window.recentFiles()->files(), QStringList({ canonical(path), "/older/file.xml" }));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Document loaded"));
    QCOMPARE(window.windowTitle(),
        QStringLiteral("Segmented LED Panel Editor  -  %1[*]  (%2)")
            .arg(QFileInfo(path).fileName(), canonical(path)));
    QVERIFY(window.warnings.isEmpty());
    QVERIFY(m_libraryMessages.isEmpty());
    QCOMPARE(window.openQuestions, 0);
}

void tst_DocumentCommands::openUnknownFile_data()
{
    QTest::addColumn<QString>("contents");
    QTest::addRow("plain text") << "not a document\n";
    QTest::addRow("empty file") << "";
    QTest::addRow("other root element") << "<?xml version=\"1.0\"?><Board version=\"1.0\"/>";
    QTest::addRow("version with a trailing zero") << DocumentFiles::document("1.00", {});
    QTest::addRow("version with a leading blank") << DocumentFiles::document(" 2.0", {});
    QTest::addRow("no version") << "<?xml version=\"1.0\"?><LedPanelDocument/>";
}

void tst_DocumentCommands::openUnknownFile()
{
    QFETCH(QString, contents);

    const QString path = file(QStringLiteral("unknown.xml"));
    QVERIFY(DocumentFiles::write(path, contents));

    TestWindow window;
    QPointer<FakeDocument> current = new FakeDocument;
    current->setFileName(QStringLiteral("kept.xml"));
    window.setCurrentDocument(current);

    window.openDocument(path);

    QCOMPARE(window.warnings, QStringList { QStringLiteral("Unknown file %1!").arg(path) });
    QVERIFY(!current.isNull());
    QCOMPARE(window.document(), current.data());
    QVERIFY(window.recentFiles()->files().isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Segmented LED Panel Editor  -  kept.xml[*]"));
}

void tst_DocumentCommands::openCancelled()
{
    TestWindow window;
    QPointer<FakeDocument> current = new FakeDocument;
    current->setModified(true);
    current->promptAnswer = QMessageBox::Discard;
    window.setCurrentDocument(current);
    window.openAnswer.clear();

    window.findChild<QAction*>(QStringLiteral("action_Open"))->trigger();

    // Asked to save first, then the dialog was cancelled: the document stays.
    QCOMPARE(current->prompts, 1);
    QCOMPARE(window.openQuestions, 1);
    QCOMPARE(window.document(), current.data());
    QVERIFY(window.warnings.isEmpty());

    const QString path = file(QStringLiteral("picked.xml"));
    QVERIFY(DocumentFiles::write(path, DocumentFiles::document("1.0", {})));
    window.openAnswer = path;
    window.findChild<QAction*>(QStringLiteral("action_Open"))->trigger();
    QVERIFY(current.isNull());
    QCOMPARE(window.document()->filePath(), canonical(path));
}

void tst_DocumentCommands::openDialogOfTheDocumentType()
{
    const QString path = file(QStringLiteral("dialog.xml"));
    QVERIFY(DocumentFiles::write(path, DocumentFiles::document("2.0", {})));

    TestWindow window;
    window.documentOpenDialog = true;
    m_fileDialogAnswer = path;
    window.findChild<QAction*>(QStringLiteral("action_Open"))->trigger();

    QCOMPARE(m_fileDialogs.size(), 1);
    QCOMPARE(m_fileDialogs.first().mode, Questions::Open);
    QCOMPARE(m_fileDialogs.first().caption, QStringLiteral("Open"));
    QCOMPARE(m_fileDialogs.first().filter, QStringLiteral("Panel documents (*.xml);;All files (*)"));
    QVERIFY(qobject_cast<KamdelPanel2*>(window.document()));
    QCOMPARE(window.document()->filePath(), canonical(path));
}

void tst_DocumentCommands::openFromRecentFiles()
{
    const QString first = file(QStringLiteral("recent-first.xml"));
    const QString second = file(QStringLiteral("recent-second.xml"));
    QVERIFY(DocumentFiles::write(first, DocumentFiles::document("1.0", {})));
    QVERIFY(DocumentFiles::write(second, DocumentFiles::document("2.0", {})));

    TestWindow window;
    window.openDocument(first);
    window.openDocument(second);
    QCOMPARE(window.recentFiles()->files(), QStringList({ canonical(second), canonical(first) }));

    // Entry 2 is the first file; opening it moves it to the front.
    window.recentFiles()->entryAction(1)->trigger();
    QCOMPARE(qobject_cast<KamdelPanel1*>(window.document())->filePath(), canonical(first));
    QCOMPARE(window.recentFiles()->files(), QStringList({ canonical(first), canonical(second) }));
    QCOMPARE(window.recentFiles()->entryAction(0)->text(), QStringLiteral("&1  |  recent-first.xml"));
}

void tst_DocumentCommands::openVanishedRecentFile()
{
    const QString kept = file(QStringLiteral("vanish-kept.xml"));
    const QString gone = file(QStringLiteral("vanish-gone.xml"));
    QVERIFY(DocumentFiles::write(kept, DocumentFiles::document("1.0", {})));
    QVERIFY(DocumentFiles::write(gone, DocumentFiles::document("1.0", {})));

    TestWindow window;
    window.openDocument(kept);
    window.openDocument(gone);
    QPointer<AbstractDocument> hosted = window.document();
    QVERIFY(QFile::remove(gone));

    window.recentFiles()->entryAction(0)->trigger();
    QCOMPARE(window.document(), hosted.data());
    QCOMPARE(window.recentFiles()->files(), QStringList { canonical(kept) });
    QVERIFY(window.warnings.isEmpty());
    QCOMPARE(window.statusBar()->currentMessage(),
        QStringLiteral("%1/vanish-gone.xml no longer exists; it was removed from the recent files.")
            .arg(QFileInfo(kept).canonicalPath()));
}

void tst_DocumentCommands::openFilesFromCommandLine_data()
{
    QTest::addColumn<QStringList>("names"); // relative to the test folder
    QTest::addColumn<QString>("hosted");
    QTest::addColumn<QStringList>("warnings");
    const QString good = QStringLiteral("cli-good.xml");
    const QString bad = QStringLiteral("cli-bad.xml");
    QTest::addRow("relative name") << QStringList { good } << good << QStringList();
    QTest::addRow("bad file") << QStringList { bad } << QString() << QStringList { bad };
    QTest::addRow("missing file") << QStringList { "cli-none.xml" } << QString()
                                  << QStringList { "cli-none.xml" };
    QTest::addRow("good after bad") << QStringList { bad, good } << good << QStringList { bad };
}

void tst_DocumentCommands::openFilesFromCommandLine()
{
    QFETCH(QStringList, names);
    QFETCH(QString, hosted);
    QFETCH(QStringList, warnings);
    QVERIFY(DocumentFiles::write(file(QStringLiteral("cli-good.xml")), DocumentFiles::document("2.0", {})));
    QVERIFY(DocumentFiles::write(file(QStringLiteral("cli-bad.xml")), QStringLiteral("not a document")));

    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    TestWindow window;
    window.openFiles(names);
    QVERIFY(QDir::setCurrent(before));

    QStringList expectedWarnings;
    for (const QString& name : warnings)
        expectedWarnings << QStringLiteral("Unknown file %1!").arg(QDir(m_dir.path()).absoluteFilePath(name));
    QCOMPARE(window.warnings, expectedWarnings);
    if (hosted.isEmpty()) {
        QVERIFY(!window.document());
        QVERIFY(window.recentFiles()->files().isEmpty());
    } else {
        // Stored absolute, so that the entry works from any folder.
        QCOMPARE(window.document()->filePath(), canonical(file(hosted)));
        QCOMPARE(window.recentFiles()->files(), QStringList { canonical(file(hosted)) });
    }
}

void tst_DocumentCommands::openOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("path");
    const QString fifo = file(QStringLiteral("cli.fifo"));
    QFile::remove(fifo);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Both once hung the editor at its start, one blocked, one at full CPU.
    QTest::addRow("FIFO") << fifo;
    QTest::addRow("endless device") << QStringLiteral("/dev/zero");
}

void tst_DocumentCommands::openOnlyRegularFiles()
{
    QFETCH(QString, path);
    TestWindow window;
    window.openFiles({ path });
    QCOMPARE(window.warnings, QStringList { QStringLiteral("%1 is not a regular file.").arg(path) });
    QVERIFY(!window.document());
    QVERIFY(window.recentFiles()->files().isEmpty());
}

void tst_DocumentCommands::brokenFileBoxOnWindow()
{
    const QString path = file(QStringLiteral("broken.xml"));
    QVERIFY(DocumentFiles::write(path,
        QStringLiteral(
            "<?xml version=\"1.0\"?><LedPanelDocument version=\"2.0\"><Commands><Program index=\"0\">")));

    TestWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.openFiles({ path });

    // The document is not in the window yet when it complains; the box still
    // belongs to the window, not to a corner of the screen.
    QCOMPARE(m_libraryMessages.size(), 1);
    QVERIFY(m_libraryMessages.first().startsWith(QStringLiteral("Error occur while reading xml data")));
    QCOMPARE(m_libraryMessageParents.first(), &window);
}

void tst_DocumentCommands::dialogsStartInLastFolder_data()
{
    QTest::addColumn<bool>("save");
    QTest::addRow("open") << false;
    QTest::addRow("save as") << true;
}

void tst_DocumentCommands::dialogsStartInLastFolder()
{
    QFETCH(bool, save);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir(m_dir.path()).mkpath(QStringLiteral("chosen"));
    const QString chosenFolder = QFileInfo(file(QStringLiteral("chosen"))).absoluteFilePath();
    const QString chosen = chosenFolder + QStringLiteral("/last-folder.xml");
    QVERIFY(DocumentFiles::write(chosen, DocumentFiles::document("1.0", {})));

    const auto ask = [save](TestWindow& window) {
        if (save) {
            window.newDocument_KamdelPanel1();
            window.saveAsDocument();
        } else {
            window.findChild<QAction*>(QStringLiteral("action_Open"))->trigger();
        }
    };
    // Save as proposes a file name in the folder, Open only the folder.
    const auto startFolder = [this, save] {
        const QString start = m_fileDialogs.takeLast().start;
        return save ? QFileInfo(start).path() : start;
    };
    {
        TestWindow window;
        window.documentOpenDialog = true;
        m_fileDialogAnswer = chosen;
        ask(window);
        // Never the program's folder: installed, it is a system folder.
        QCOMPARE(startFolder(), documents);
        ask(window);
        QCOMPARE(startFolder(), chosenFolder);
        window.close();
    }
    {
        // Kept across runs.
        TestWindow window;
        window.documentOpenDialog = true;
        m_fileDialogAnswer.clear();
        ask(window);
        QCOMPARE(startFolder(), chosenFolder);
        window.close();
    }
    QVERIFY(QDir(chosenFolder).removeRecursively());
    TestWindow window;
    window.documentOpenDialog = true;
    ask(window);
    QCOMPARE(startFolder(), documents);
    window.close();
}

void tst_DocumentCommands::saveDocument()
{
    const QString path = file(QStringLiteral("save.xml"));
    QVERIFY(DocumentFiles::write(path, DocumentFiles::document("2.0", { DocumentFiles::frame({ 0, 191 }) })));

    TestWindow window;
    window.openDocument(path);
    QVERIFY(QFile::resize(path, 0));
    window.recentFiles()->addRecentFile(QStringLiteral("/other.xml"));
    window.statusBar()->clearMessage();

    QVERIFY(window.saveDocument());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Document saved"));
    QCOMPARE(window.recentFiles()->files().first(), canonical(path));
    QVERIFY(QFileInfo(path).size() > 0);
    QVERIFY(KamdelPanel2::isValid_XML(path));

    // What was saved opens again as the same model.
    window.openDocument(path);
    QVERIFY(qobject_cast<KamdelPanel2*>(window.document()));
    QVERIFY(m_libraryMessages.isEmpty());
}

void tst_DocumentCommands::saveGoesThroughSaveAs_data()
{
    QTest::addColumn<bool>("everSaved");
    QTest::addColumn<bool>("answered");
    QTest::addRow("file deleted behind the editor's back") << true << true;
    QTest::addRow("never saved") << false << true;
    QTest::addRow("never saved, dialog cancelled") << false << false;
}

void tst_DocumentCommands::saveGoesThroughSaveAs()
{
    QFETCH(bool, everSaved);
    QFETCH(bool, answered);

    TestWindow window;
    auto* document = new FakeDocument;
    if (everSaved) {
        const QString original = file(QStringLiteral("deleted.txt"));
        QVERIFY(document->save(original));
        QVERIFY(QFile::remove(original));
    } else {
        document->setFileName(QStringLiteral("Kamdel_1.xml"));
    }
    const QString answer = file(QStringLiteral("chosen-%1.txt").arg(everSaved));
    document->saveAnswer = answered ? answer : QString();
    document->setModified(true);
    document->saved.clear();
    window.setCurrentDocument(document);
    window.statusBar()->clearMessage();

    QCOMPARE(window.saveDocument(), answered);
    if (answered) {
        QCOMPARE(document->saved, QStringList { answer });
        QCOMPARE(window.recentFiles()->files(), QStringList { canonical(answer) });
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Document saved"));
        QVERIFY(!window.isWindowModified());
    } else {
        QVERIFY(document->saved.isEmpty());
        QVERIFY(window.recentFiles()->files().isEmpty());
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        QVERIFY(window.isWindowModified());
    }
}

void tst_DocumentCommands::saveAsDocument_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addRow("saved") << true;
    QTest::addRow("folder missing") << false;
}

void tst_DocumentCommands::saveAsDocument()
{
    QFETCH(bool, writable);

    TestWindow window;
    auto* document = new FakeDocument;
    document->setFileName(QStringLiteral("Kamdel_4.xml"));
    document->saveAnswer
        = writable ? file(QStringLiteral("saved-as.txt")) : file(QStringLiteral("missing/x.txt"));
    window.setCurrentDocument(document);
    window.statusBar()->clearMessage();

    QCOMPARE(window.findChild<QAction*>(QStringLiteral("action_SaveAs"))->isEnabled(), true);
    QCOMPARE(window.saveAsDocument(), writable);
    QCOMPARE(window.statusBar()->currentMessage(), writable ? QStringLiteral("Document saved") : QString());
    QCOMPARE(window.recentFiles()->files(),
        writable ? QStringList { canonical(document->saveAnswer) } : QStringList());
    if (writable)
        QCOMPARE(window.windowTitle(),
            QStringLiteral("Segmented LED Panel Editor  -  saved-as.txt[*]  (%1)")
                .arg(canonical(document->saveAnswer)));
}

void tst_DocumentCommands::saveAsLibraryDocument_data()
{
    QTest::addColumn<bool>("answered");
    QTest::addRow("name given") << true;
    QTest::addRow("dialog cancelled") << false;
}

void tst_DocumentCommands::saveAsLibraryDocument()
{
    QFETCH(bool, answered);

    TestWindow window;
    window.newDocument_KamdelPanel1();
    const QString name = window.document()->fileName();
    const QString path = file(QStringLiteral("saved-a-%1.xml").arg(answered));
    m_fileDialogAnswer = answered ? path : QString();
    window.statusBar()->clearMessage();

    // Never saved, so Save goes through Save as, which asks for the name.
    QCOMPARE(window.saveDocument(), answered);
    QCOMPARE(m_fileDialogs.size(), 1);
    QCOMPARE(m_fileDialogs.first().mode, Questions::Save);
    QCOMPARE(m_fileDialogs.first().start,
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name));
    if (answered) {
        QVERIFY(KamdelPanel1::isValid_XML(path));
        QCOMPARE(window.document()->filePath(), canonical(path));
        QCOMPARE(window.recentFiles()->files(), QStringList { canonical(path) });
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Document saved"));
        QCOMPARE(window.windowTitle(),
            QStringLiteral("Segmented LED Panel Editor  -  %1[*]  (%2)")
                .arg(QFileInfo(path).fileName(), canonical(path)));
    } else {
        QVERIFY(!QFile::exists(path));
        QVERIFY(window.recentFiles()->files().isEmpty());
        QCOMPARE(window.windowTitle(), QStringLiteral("Segmented LED Panel Editor  -  %1[*]").arg(name));
    }
}

void tst_DocumentCommands::libraryDocumentMarksWindow()
{
    // The window listens to a document that the library's own copy of the
    // document base built.
    TestWindow window;
    window.newDocument_KamdelPanel2();
    AbstractDocument* document = window.document();
    document->setModified(true);
    QVERIFY(window.isWindowModified());
    document->setFileName(QStringLiteral("renamed.xml"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Segmented LED Panel Editor  -  renamed.xml[*]"));
    emit document->log(QStringLiteral("from the document"));
    QCOMPARE(window.findChild<QTextEdit*>(QStringLiteral("textEdit"))->toPlainText(),
        QStringLiteral("from the document"));

    // Modified now, so closing asks; Cancel keeps it.
    QPointer<AbstractDocument> guard = document;
    QVERIFY(m_libraryMessages.isEmpty());
    window.closeDocument();
    QCOMPARE(m_libraryMessages.size(), 1);
    QVERIFY(m_libraryMessages.first().startsWith(QStringLiteral("renamed.xml has been modified.")));
    QVERIFY(!guard.isNull());
}

void tst_DocumentCommands::historyFollowsDocument()
{
    TestWindow window;
    QAction* undo = window.findChild<QAction*>(QStringLiteral("action_Undo"));
    QAction* redo = window.findChild<QAction*>(QStringLiteral("action_Redo"));
    QAction* save = window.findChild<QAction*>(QStringLiteral("action_Save"));
    QVERIFY(!undo->isEnabled());
    window.newDocument_KamdelPanel1();
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    const QString path = file(QStringLiteral("history.xml"));
    QVERIFY(document->save(path));
    const int dialogs = m_fileDialogs.size();

    auto* frame = new LedStatesCommand;
    document->edits()->appendItem(frame, document->deviceItem()->child(0));
    document->edits()->setLedValue(frame->leds().at(3), 1);
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("Undo Set LED"));
    QVERIFY(window.isWindowModified());

    // Save writes to the document's own file without asking, and the
    // history's clean point moves there.
    save->trigger();
    QCOMPARE(m_fileDialogs.size(), dialogs);
    QVERIFY(!window.isWindowModified());
    undo->trigger();
    QVERIFY(window.isWindowModified());
    QCOMPARE(frame->leds().at(3)->value(), 0);
    QVERIFY(redo->isEnabled());
    QCOMPARE(redo->text(), QStringLiteral("Redo Set LED"));
    redo->trigger();
    QVERIFY(!window.isWindowModified());

    window.setCurrentDocument(nullptr);
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
}

void tst_DocumentCommands::drawingToolsFollowDocument()
{
    TestWindow window;
    auto* symmetry = window.findChild<QComboBox*>(QStringLiteral("comboBox_Symmetry"));
    QAction* mirror = window.findChild<QAction*>(QStringLiteral("action_Mirror"));
    QAction* fill = window.findChild<QAction*>(QStringLiteral("action_FrameFill"));
    QVERIFY(symmetry && mirror && fill);
    QVERIFY(!fill->isEnabled());

    window.newDocument_KamdelPanel1();
    symmetry->setCurrentText(QStringLiteral("6"));
    mirror->setChecked(true);
    QCOMPARE(qobject_cast<KamdelDocument*>(window.document())->panelScene()->symmetryOrder(), 6);

    // The next document draws with the same choice, and the Frame menu
    // reaches it, not the one before.
    window.newDocument_KamdelPanel2();
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    QCOMPARE(document->panelScene()->symmetryOrder(), 6);
    QVERIFY(document->panelScene()->symmetryMirror());
    // The frame a new document starts with, current and shown.
    auto* frame = qobject_cast<LedStatesCommand*>(document->deviceItem()->child(0)->child(0));
    QVERIFY(frame);
    QCOMPARE(document->panelScene()->shownFrame(), frame);
    QVERIFY(fill->isEnabled());
    fill->trigger();
    QCOMPARE(frame->leds().at(191)->value(), 1);
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("action_Undo"))->text(), QStringLiteral("Undo Fill"));
}

void tst_DocumentCommands::boardSideRemembered_data()
{
    QTest::addColumn<bool>("opened");
    QTest::addRow("new document") << false;
    QTest::addRow("opened document") << true;
}

void tst_DocumentCommands::boardSideRemembered()
{
    QFETCH(bool, opened);
    const QString path = file(QStringLiteral("side.xml"));
    QVERIFY(DocumentFiles::write(
        path, DocumentFiles::document(QStringLiteral("1.0"), { DocumentFiles::stop() })));
    const auto sideOf = [](const TestWindow& window) {
        return qobject_cast<KamdelDocument*>(window.document())->panelScene()->side();
    };
    {
        TestWindow first;
        first.newDocument_KamdelPanel1();
        QCOMPARE(sideOf(first), Bottom);
        qobject_cast<KamdelDocument*>(first.document())->ledPanelView()->setSide(Top);
        first.close();
    }
    TestWindow second;
    if (opened)
        second.openDocument(path);
    else
        second.newDocument_KamdelPanel1();
    QCOMPARE(sideOf(second), Top);
    // The other model keeps its own side.
    second.newDocument_KamdelPanel2();
    QCOMPARE(sideOf(second), Bottom);
}

void tst_DocumentCommands::generateFromFrameMenu()
{
    EffectRequest offered;
    Questions::Scope answers;
    answers.generate = [&](QWidget*, Questions::Generate* request) {
        offered = request->effect;
        request->effect.kind = EffectRequest::Chase;
        request->effect.count = 5;
        request->effect.heads = 4;
        return true;
    };
    {
        TestWindow window;
        window.newDocument_KamdelPanel1();
        QAction* generate = window.findChild<QAction*>(QStringLiteral("action_FrameGenerate"));
        QVERIFY(generate);
        QCOMPARE(generate->text(), QStringLiteral("Generate..."));
        generate->trigger();
        auto* document = qobject_cast<KamdelDocument*>(window.document());
        // The five new frames follow the one a new document starts with.
        QCOMPARE(document->deviceItem()->child(0)->childCount(), 6);
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("action_Undo"))->text(),
            QStringLiteral("Undo Generate Chase"));
        QVERIFY(window.isWindowModified());
        window.close();
    }
    // The next session offers the effect and the parameters last used.
    TestWindow window;
    window.newDocument_KamdelPanel1();
    window.findChild<QAction*>(QStringLiteral("action_FrameGenerate"))->trigger();
    QCOMPARE(offered.kind, EffectRequest::Chase);
    QCOMPARE(offered.count, 5);
    QCOMPARE(offered.heads, 4);
}

void tst_DocumentCommands::openExample_data()
{
    QTest::addColumn<int>("index");
    const QVector<ExamplesMenu::Example> examples = ExamplesMenu::examples();
    for (int i = 0; i < examples.size(); ++i)
        QTest::addRow("%s", qPrintable(examples.at(i).name)) << i;
}

// Each example opens from the menu, after the question about unsaved work,
// as a new document that fits the panel; Save asks where it goes.
void tst_DocumentCommands::openExample()
{
    QFETCH(int, index);
    const QString name = ExamplesMenu::examples().at(index).name;
    TestWindow window;
    QPointer<FakeDocument> old = new FakeDocument;
    old->setModified(true);
    old->promptAnswer = QMessageBox::Discard;
    window.setCurrentDocument(old);
    QAction* entry = window.findChild<QMenu*>(QStringLiteral("menu_Examples"))->actions().at(index);
    entry->trigger();

    QVERIFY(old.isNull());
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    QVERIFY(document && m_libraryMessages.isEmpty());
    QCOMPARE(entry->text(), QStringLiteral("%1 (%2)").arg(name, document->panelModel()));
    QVERIFY(document->deviceItem()->program(0)->childCount() > 2);
    QVERIFY(
        window.memoryGauge()->bytes() > 0 && window.memoryGauge()->bytes() <= PanelCommand::ProgramMemory);
    QVERIFY(document->filePath().isEmpty() && !document->isModified());

    m_fileDialogAnswer = file(QStringLiteral("example.xml"));
    QVERIFY(window.saveDocument());
    QVERIFY(m_fileDialogs.value(0).start.endsWith(name + QStringLiteral(".xml")));
    QCOMPARE(document->filePath(), canonical(m_fileDialogAnswer));
}

void tst_DocumentCommands::closeDocument_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addRow("unmodified closes without asking") << false << int(QMessageBox::Cancel) << true;
    QTest::addRow("modified, cancelled") << true << int(QMessageBox::Cancel) << false;
    QTest::addRow("modified, discarded") << true << int(QMessageBox::Discard) << true;
}

void tst_DocumentCommands::closeDocument()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closes);

    TestWindow window;
    window.newDocument_KamdelPanel1();
    QVERIFY(qobject_cast<KamdelPanel1*>(window.document()));
    QPointer<FakeDocument> document = new FakeDocument;
    document->setFileName(QStringLiteral("closing.xml"));
    document->setModified(modified);
    document->promptAnswer = QMessageBox::StandardButton(answer);
    window.setCurrentDocument(document);

    window.findChild<QAction*>(QStringLiteral("action_Close"))->trigger();

    QCOMPARE(document.isNull(), closes);
    QCOMPARE(window.document() == nullptr, closes);
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("action_Close"))->isEnabled(), !closes);
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("action_SaveAs"))->isEnabled(), !closes);
    QCOMPARE(window.windowTitle(),
        closes ? QStringLiteral("Segmented LED Panel Editor")
               : QStringLiteral("Segmented LED Panel Editor  -  closing.xml[*]"));
    QCOMPARE(window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->count(), closes ? 0 : 1);
}

QTEST_MAIN(tst_DocumentCommands)
#include "tst_documentcommands.moc"
