#include "AbstractDocument.h"

#include <QCloseEvent>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers every dialog from fields and records what was asked.
class ScriptedDocument : public AbstractDocument
{
public:
    using AbstractDocument::setModified;

    QString openAnswer;
    QString saveAnswer;
    QMessageBox::StandardButton promptAnswer = QMessageBox::Cancel;
    bool saveResult = true;
    int prompts = 0;
    QStringList loaded;
    QStringList saved;

    QString askOpenFileName() override { return openAnswer; }
    bool load(const QString& path) override
    {
        loaded << path;
        return true;
    }
    bool save(const QString& path) override
    {
        saved << path;
        if (saveResult)
            setModified(false);
        return saveResult;
    }

protected:
    QString askSaveFileName() override { return saveAnswer; }
    QMessageBox::StandardButton askSaveChanges() override
    {
        ++prompts;
        return promptAnswer;
    }
};

QString touch(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class tst_AbstractDocument : public QObject
{
    Q_OBJECT

private slots:
    void setFilePath();
    void setFilePathOfMissingFile();
    void setFileNameMovesWithinDirectory();
    void setFileNameEqualEmitsNothing();
    void setModifiedEmitsOnChange_data();
    void setModifiedEmitsOnChange();
    void openAndSaveAs_data();
    void openAndSaveAs();
    void maybeSave_data();
    void maybeSave();
    void closeEvent_data();
    void closeEvent();
    void defaults();

private:
    QTemporaryDir m_dir;
};

void tst_AbstractDocument::setFilePath()
{
    const QString path = touch(m_dir.filePath("a.xml"));
    ScriptedDocument doc;
    QSignalSpy spy(&doc, &AbstractDocument::fileNameChanged);
    QVERIFY(spy.isValid());

    doc.setFilePath(m_dir.path() + "/./a.xml");
    QCOMPARE(doc.filePath(), path);
    QCOMPARE(doc.fileName(), QStringLiteral("a.xml"));
    QCOMPARE(doc.windowTitle(), QStringLiteral("a.xml[*]"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("a.xml"));

    doc.setFilePath(path);
    QCOMPARE(spy.count(), 1);
}

void tst_AbstractDocument::setFilePathOfMissingFile()
{
    ScriptedDocument doc;
    doc.setFileName("Kamdel_1.xml");
    doc.setFilePath(m_dir.filePath("missing.xml"));
    QCOMPARE(doc.filePath(), QString());
    QCOMPARE(doc.fileName(), QString());
}

void tst_AbstractDocument::setFileNameMovesWithinDirectory()
{
    const QString path = touch(m_dir.filePath("b.xml"));
    ScriptedDocument doc;
    doc.setFilePath(path);
    QSignalSpy spy(&doc, &AbstractDocument::fileNameChanged);

    doc.setFileName("c.xml");
    QCOMPARE(doc.filePath(), QFileInfo(path).path() + "/c.xml");
    QCOMPARE(doc.fileName(), QStringLiteral("c.xml"));
    QCOMPARE(doc.windowTitle(), QStringLiteral("c.xml[*]"));
    QCOMPARE(spy.count(), 1);
    QVERIFY(QFile::exists(path));
    QVERIFY(!QFile::exists(doc.filePath()));
}

void tst_AbstractDocument::setFileNameEqualEmitsNothing()
{
    ScriptedDocument doc;
    QSignalSpy spy(&doc, &AbstractDocument::fileNameChanged);
    doc.setFileName("Kamdel_1.xml");
    doc.setFileName("Kamdel_1.xml");
    QCOMPARE(spy.count(), 1);
    QCOMPARE(doc.filePath(), QString());
}

void tst_AbstractDocument::setModifiedEmitsOnChange_data()
{
    QTest::addColumn<QList<bool>>("sequence");
    QTest::addColumn<QList<bool>>("emitted");
    QTest::addRow("false on a clean document") << QList<bool> { false } << QList<bool> {};
    QTest::addRow("true twice") << QList<bool> { true, true } << QList<bool> { true };
    QTest::addRow("true false true") << QList<bool> { true, false, true } << QList<bool> { true, false, true };
    QTest::addRow("true false false") << QList<bool> { true, false, false } << QList<bool> { true, false };
}

void tst_AbstractDocument::setModifiedEmitsOnChange()
{
    QFETCH(QList<bool>, sequence);
    QFETCH(QList<bool>, emitted);
    ScriptedDocument doc;
    QSignalSpy spy(&doc, &AbstractDocument::modifiedChanged);
    QVERIFY(spy.isValid());
    for (bool modified : sequence)
        doc.setModified(modified);
    QList<bool> actual;
    for (const auto& args : qAsConst(spy))
        actual << args.at(0).toBool();
    QCOMPARE(actual, emitted);
    QCOMPARE(doc.isModified(), sequence.last());
    QCOMPARE(doc.isWindowModified(), sequence.last());
}

void tst_AbstractDocument::openAndSaveAs_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("used");
    QTest::addRow("open given path") << false << "/x/given.xml" << "/x/asked.xml" << true << "/x/given.xml";
    QTest::addRow("open asks") << false << "" << "/x/asked.xml" << true << "/x/asked.xml";
    QTest::addRow("open cancelled") << false << "" << "" << false << "";
    QTest::addRow("save given path") << true << "/x/given.xml" << "/x/asked.xml" << true << "/x/given.xml";
    QTest::addRow("save asks") << true << "" << "/x/asked.xml" << true << "/x/asked.xml";
    QTest::addRow("save cancelled") << true << "" << "" << false << "";
}

void tst_AbstractDocument::openAndSaveAs()
{
    QFETCH(bool, saving);
    QFETCH(QString, path);
    QFETCH(QString, answer);
    QFETCH(bool, result);
    QFETCH(QString, used);
    ScriptedDocument doc;
    doc.openAnswer = answer;
    doc.saveAnswer = answer;
    QCOMPARE(saving ? doc.saveAs(path) : doc.open(path), result);
    const QStringList expected = used.isEmpty() ? QStringList() : QStringList { used };
    QCOMPARE(saving ? doc.saved : doc.loaded, expected);
    QVERIFY((saving ? doc.loaded : doc.saved).isEmpty());
}

void tst_AbstractDocument::maybeSave_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveResult");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<int>("saves");
    QTest::addRow("clean asks nothing") << false << int(QMessageBox::Save) << true << true << 0 << 0;
    QTest::addRow("save succeeds") << true << int(QMessageBox::Save) << true << true << 1 << 1;
    QTest::addRow("save fails keeps document") << true << int(QMessageBox::Save) << false << false << 1 << 1;
    QTest::addRow("discard") << true << int(QMessageBox::Discard) << true << true << 1 << 0;
    QTest::addRow("cancel") << true << int(QMessageBox::Cancel) << true << false << 1 << 0;
}

void tst_AbstractDocument::maybeSave()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, saveResult);
    QFETCH(bool, result);
    QFETCH(int, prompts);
    QFETCH(int, saves);
    const QString path = touch(m_dir.filePath("stored.xml"));
    ScriptedDocument doc;
    doc.setFilePath(path);
    doc.setModified(modified);
    doc.promptAnswer = QMessageBox::StandardButton(answer);
    doc.saveResult = saveResult;
    doc.saveAnswer = "/never/asked.xml";

    QCOMPARE(doc.maybeSave(), result);
    QCOMPARE(doc.prompts, prompts);
    QCOMPARE(doc.saved.size(), saves);
    if (saves)
        QCOMPARE(doc.saved.first(), path); // a stored path is written without asking
}

void tst_AbstractDocument::closeEvent_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::addRow("discard closes") << int(QMessageBox::Discard) << true;
    QTest::addRow("cancel keeps") << int(QMessageBox::Cancel) << false;
}

void tst_AbstractDocument::closeEvent()
{
    QFETCH(int, answer);
    QFETCH(bool, accepted);
    ScriptedDocument doc;
    doc.setModified(true);
    doc.promptAnswer = QMessageBox::StandardButton(answer);
    QSignalSpy spy(&doc, &AbstractDocument::aboutToClose);
    QVERIFY(spy.isValid());
    doc.show();
    QCOMPARE(doc.close(), accepted);
    QCOMPARE(spy.count(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(spy.at(0).at(0).value<AbstractDocument*>(), static_cast<AbstractDocument*>(&doc));
}

void tst_AbstractDocument::defaults()
{
    ScriptedDocument doc;
    QCOMPARE(doc.openSaveFileDialogFilter(), QStringLiteral("All files (*)"));
    QVERIFY(doc.fileDir().isEmpty()); // the file dialog then starts in the current directory
}

QTEST_MAIN(tst_AbstractDocument)
#include "tst_abstractdocument.moc"
