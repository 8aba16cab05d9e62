#include "KamdelPanel1.h"
#include "document/TreeOutline.h"
#include "formats/SequenceFile.h"
#include "views/CommandTreeMenu.h"
#include "views/CommandTreeView.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Frames A (LEDs 0 and 5) and B (LEDs 47 and 191) and a Stop in the program.
const QString Start = QStringLiteral("Program: frame 0+5, frame 47+191, stop; function=Collection: frame");

// A panel document with the tree above, shown in its view.
struct Document
{
    std::unique_ptr<KamdelDocument> document { KamdelPanel1::newDocument() };
    CommandTreeView* view = document->commandTreeView();
    TreeOutline tree { Start, document->edits() };

    Document() { view->expandAll(); }

    QByteArray xml() const
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        document->writeXML(&buffer);
        return buffer.data();
    }

    // Whether the history holds one step, whose undo writes `before` again
    // and whose redo the edited document.
    bool oneStepBackTo(const QByteArray& before) const
    {
        EditHistory* history = document->edits()->history();
        const QByteArray after = xml();
        if (history->count() != 1)
            return false;
        history->undo();
        const bool undone = xml() == before;
        history->redo();
        return undone && xml() == after;
    }

    AbstractTreeItem* item(const QString& path) const
    {
        // "program", "function" or a container and a row: "program/1".
        AbstractTreeItem* container
            = path.startsWith(QLatin1String("program")) ? tree.program : tree["function"];
        return path.contains(QLatin1Char('/')) ? container->child(path.section(QLatin1Char('/'), 1).toInt())
                                               : container;
    }

    void select(const QStringList& paths, const QString& current) const
    {
        view->selectionModel()->setCurrentIndex(tree.model->indexOf(item(current)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        for (const QString& path : paths)
            view->selectionModel()->select(
                tree.model->indexOf(item(path)), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

} // namespace

class tst_FrameClipboard : public QObject
{
    Q_OBJECT

private slots:
    void copyPaste_data();
    void copyPaste();
    void cut_data();
    void cut();
    void badTextRefused_data();
    void badTextRefused();
};

void tst_FrameClipboard::copyPaste_data()
{
    QTest::addColumn<QStringList>("copied");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("spreadsheet");
    QTest::addColumn<QString>("pasted");

    // The program with the given commands, the collection as it was.
    const auto program = [](const char* commands) {
        return "Program: " + QString(commands) + "; function=Collection: frame";
    };
    // Selected in reverse: the clipboard keeps the tree's order.
    QTest::addRow("after a frame") << QStringList { "program/1", "program/0" } << "program/0" << false
                                   << program("frame 0+5, frame 0+5, frame 47+191, frame 47+191, stop");
    QTest::addRow("after the last command")
        << QStringList { "program/0", "program/1" } << "program/2" << false
        << program("frame 0+5, frame 47+191, stop, frame 0+5, frame 47+191");
    QTest::addRow("program appends") << QStringList { "program/1" } << "program" << false
                                     << program("frame 0+5, frame 47+191, stop, frame 47+191");
    const QString intoCollection = Start + ", frame 0+5, frame 47+191";
    QTest::addRow("into a collection")
        << QStringList { "program/0", "program/1" } << "function" << false << intoCollection;
    QTest::addRow("back from a spreadsheet")
        << QStringList { "program/0", "program/1" } << "function/0" << true << intoCollection;
}

void tst_FrameClipboard::copyPaste()
{
    QFETCH(QStringList, copied);
    QFETCH(QString, target);
    QFETCH(bool, spreadsheet);
    QFETCH(QString, pasted);

    Document doc;
    const QByteArray before = doc.xml();
    doc.select(copied, copied.first());
    doc.view->menu()->copyFramesAction()->trigger();
    QCOMPARE(doc.xml(), before);
    QCOMPARE(doc.document->edits()->history()->count(), 0);
    if (spreadsheet) {
        QString text = QGuiApplication::clipboard()->text();
        QGuiApplication::clipboard()->setText(text.replace(QLatin1Char(','), QLatin1Char('\t')));
    }

    doc.select({}, target);
    doc.view->menu()->pasteFramesAction()->trigger();

    QCOMPARE(doc.tree.outline(), pasted);
    QVERIFY(doc.oneStepBackTo(before));
}

void tst_FrameClipboard::cut_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("pastedBack");

    QTest::addRow("one frame") << QStringList { "program/1" } << "Program: frame 0+5, stop"
                               << "Program: frame 0+5, stop, frame 47+191";
    // Only frames go: the Stop stays.
    QTest::addRow("frames and a command")
        << QStringList { "program/2", "program/0", "program/1" } << "Program: stop"
        << "Program: stop, frame 0+5, frame 47+191";
}

void tst_FrameClipboard::cut()
{
    QFETCH(QStringList, selected);
    QFETCH(QString, left);
    QFETCH(QString, pastedBack);

    Document doc;
    const QByteArray before = doc.xml();
    doc.select(selected, selected.first());
    doc.view->menu()->cutFramesAction()->trigger();

    QCOMPARE(doc.tree.outline(doc.tree.program), left);
    QVERIFY(doc.oneStepBackTo(before));

    doc.select({}, QStringLiteral("program"));
    doc.view->menu()->pasteFramesAction()->trigger();
    QCOMPARE(doc.tree.outline(doc.tree.program), pastedBack);
}

void tst_FrameClipboard::badTextRefused_data()
{
    QTest::addColumn<QString>("text");

    QTest::addRow("empty") << QString();
    QTest::addRow("prose") << QStringLiteral("Dear panel,\nplease light up, 3 times.\n");
    QTest::addRow("header only") << QStringLiteral("0,1,2\n");
    QTest::addRow("a word among the values") << QStringLiteral("0,1,2\n1,on,0\n");
    QTest::addRow("another table's header") << QStringLiteral("Name,Age\n1,42\n");
    QTest::addRow("too wide") << QStringLiteral("0\n") + QStringLiteral("1,").repeated(400)
            + QStringLiteral("1\n");
}

void tst_FrameClipboard::badTextRefused()
{
    QFETCH(QString, text);

    Document doc;
    const QByteArray before = doc.xml();
    QGuiApplication::clipboard()->setText(text);
    QSignalSpy messages(doc.view, &CommandTreeView::showMessage);
    doc.select({}, QStringLiteral("program/0"));
    doc.view->menu()->pasteFramesAction()->trigger();

    QCOMPARE(doc.xml(), before);
    QCOMPARE(doc.document->edits()->history()->count(), 0);
    QCOMPARE(messages.count(), 1);
}

QTEST_MAIN(tst_FrameClipboard)
#include "tst_frameclipboard.moc"
