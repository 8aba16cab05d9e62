#include "KamdelPanel1.h"
#include "edits/DocumentEdits.h"
#include "formats/SequenceFile.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/StopCommand.h"
#include "views/CommandTreeMenu.h"
#include "views/CommandTreeView.h"

#include "edits/EditHistory.h"
#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// A panel document whose program holds frame A (LEDs 0 and 5 on), frame B
// (LEDs 47 and 191 on) and a Stop, and a collection with one dark frame.
struct Document
{
    std::unique_ptr<KamdelDocument> document { KamdelPanel1::newDocument() };
    CommandTreeView* tree = document->commandTreeView();
    AbstractTreeItem* program = document->deviceItem()->child(0);
    AbstractTreeItem* function = new FunctionItem;

    Document()
    {
        DocumentEdits* edits = document->edits();
        for (const QVector<int>& on : { QVector<int> { 0, 5 }, QVector<int> { 47, 191 } }) {
            auto* frame = new LedStatesCommand;
            for (int led : on)
                frame->leds().at(led)->setValue(1);
            edits->appendItem(frame, program);
        }
        edits->appendItem(new StopCommand, program);
        edits->appendItem(function, document->deviceItem());
        edits->appendItem(new LedStatesCommand, function);
        edits->history()->clear();
        tree->expandAll();
    }

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

    // The children of a container: a frame as its lit LEDs joined by "+",
    // anything else by its type.
    static QStringList contents(const AbstractTreeItem* container)
    {
        QStringList texts;
        for (const AbstractTreeItem* child : container->children()) {
            auto* frame = qobject_cast<const LedStatesCommand*>(child);
            if (!frame) {
                texts << QStringLiteral("type%1").arg(child->type());
                continue;
            }
            QStringList on;
            for (int k = 0; k < frame->leds().size(); ++k) {
                if (frame->leds().at(k)->value())
                    on << QString::number(k);
            }
            texts << on.join(QLatin1Char('+'));
        }
        return texts;
    }

    AbstractTreeItem* item(const QString& path) const
    {
        // "program", "function" or a container and a row: "program/1".
        AbstractTreeItem* container = path.startsWith(QLatin1String("program")) ? program : function;
        return path.contains(QLatin1Char('/')) ? container->child(path.section(QLatin1Char('/'), 1).toInt())
                                               : container;
    }

    void select(const QStringList& paths, const QString& current) const
    {
        tree->selectionModel()->setCurrentIndex(tree->treeModel()->indexOf(item(current)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        for (const QString& path : paths)
            tree->selectionModel()->select(tree->treeModel()->indexOf(item(path)),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

const QString A = QStringLiteral("0+5");
const QString B = QStringLiteral("47+191");
const QString Stop = QStringLiteral("type%1").arg(AbstractTreeItem::Stop);

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
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("pasted");

    // Selected in reverse: the clipboard keeps the tree's order.
    QTest::addRow("after a frame") << QStringList { "program/1", "program/0" } << "program/0" << false
                                   << "program" << QStringList { A, A, B, B, Stop };
    QTest::addRow("after the last command") << QStringList { "program/0", "program/1" } << "program/2"
                                            << false << "program" << QStringList { A, B, Stop, A, B };
    QTest::addRow("program appends") << QStringList { "program/1" } << "program" << false << "program"
                                     << QStringList { A, B, Stop, B };
    QTest::addRow("into a collection") << QStringList { "program/0", "program/1" } << "function" << false
                                       << "function" << QStringList { "", A, B };
    QTest::addRow("back from a spreadsheet") << QStringList { "program/0", "program/1" } << "function/0"
                                             << true << "function" << QStringList { "", A, B };
}

void tst_FrameClipboard::copyPaste()
{
    QFETCH(QStringList, copied);
    QFETCH(QString, target);
    QFETCH(bool, spreadsheet);
    QFETCH(QString, container);
    QFETCH(QStringList, pasted);

    Document doc;
    const QByteArray before = doc.xml();
    doc.select(copied, copied.first());
    doc.tree->menu()->copyFramesAction()->trigger();
    QCOMPARE(doc.xml(), before);
    QCOMPARE(doc.document->edits()->history()->count(), 0);
    if (spreadsheet) {
        QString text = QGuiApplication::clipboard()->text();
        QGuiApplication::clipboard()->setText(text.replace(QLatin1Char(','), QLatin1Char('\t')));
    }

    doc.select({}, target);
    doc.tree->menu()->pasteFramesAction()->trigger();

    QCOMPARE(Document::contents(doc.item(container)), pasted);
    QVERIFY(doc.oneStepBackTo(before));
}

void tst_FrameClipboard::cut_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("pastedBack");

    QTest::addRow("one frame") << QStringList { "program/1" } << QStringList { A, Stop }
                               << QStringList { A, Stop, B };
    // Only frames go: the Stop stays.
    QTest::addRow("frames and a command") << QStringList { "program/2", "program/0", "program/1" }
                                          << QStringList { Stop } << QStringList { Stop, A, B };
}

void tst_FrameClipboard::cut()
{
    QFETCH(QStringList, selected);
    QFETCH(QStringList, left);
    QFETCH(QStringList, pastedBack);

    Document doc;
    const QByteArray before = doc.xml();
    doc.select(selected, selected.first());
    doc.tree->menu()->cutFramesAction()->trigger();

    QCOMPARE(Document::contents(doc.program), left);
    QVERIFY(doc.oneStepBackTo(before));

    doc.select({}, QStringLiteral("program"));
    doc.tree->menu()->pasteFramesAction()->trigger();
    QCOMPARE(Document::contents(doc.program), pastedBack);
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
    QSignalSpy messages(doc.tree, &CommandTreeView::showMessage);
    doc.select({}, QStringLiteral("program/0"));
    doc.tree->menu()->pasteFramesAction()->trigger();

    QCOMPARE(doc.xml(), before);
    QCOMPARE(doc.document->edits()->history()->count(), 0);
    QCOMPARE(messages.count(), 1);
}

QTEST_MAIN(tst_FrameClipboard)
#include "tst_frameclipboard.moc"
