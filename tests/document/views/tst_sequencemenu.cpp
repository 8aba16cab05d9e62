#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "model/ResetCommand.h"
#include "views/CommandTreeMenu.h"
#include "views/CommandTreeView.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelTableView.h"
#include "views/WidgetStack.h"

#include <QAction>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString Filter = QStringLiteral("LED panel Sequence (*.csv);;All files (*)");

// A new ZQ-RING-A document, shown as in the editor:
//   Program: frame0, reset, frame1
//   Collection "function": frame2
//   Collection "empty"
struct Document
{
    Document()
        : document(KamdelPanel1::newDocument())
    {
        document->resize(900, 600);
        document->show();
        tree = document->commandTreeView();
        model = document->treeModel();
        edits = document->edits();
        stack = document->findChild<WidgetStack*>();
        program = document->deviceItem()->program(0);
        items["program"] = program;
        add("frame0", new LedStatesCommand, program);
        add("reset", new ResetCommand, program);
        add("frame1", new LedStatesCommand, program);
        add("function", new FunctionItem, document->deviceItem());
        add("frame2", new LedStatesCommand, items["function"]);
        add("empty", new FunctionItem, document->deviceItem());
        // Frame n has LED n on, so that every line of a file tells its frame.
        for (int n = 0; n < 3; ++n)
            frame(QStringLiteral("frame%1").arg(n))->leds().at(n)->setValue(1);
        tree->expandAll();
        QMetaObject::invokeMethod(document.get(), "setModified", Q_ARG(bool, false));
    }

    void add(const QString& name, AbstractTreeItem* item, AbstractTreeItem* parent)
    {
        item->setName(name);
        edits->appendItem(item, parent);
        items[name] = item;
    }

    LedStatesCommand* frame(const QString& name) const
    {
        return qobject_cast<LedStatesCommand*>(items.value(name));
    }

    void setCurrent(const QString& name) const
    {
        tree->selectionModel()->setCurrentIndex(model->indexOf(items.value(name)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    std::unique_ptr<KamdelDocument> document;
    CommandTreeView* tree;
    CommandTreeModel* model;
    DocumentEdits* edits;
    WidgetStack* stack;
    ProgramItem* program;
    QHash<QString, AbstractTreeItem*> items;
};

// Answers the file dialogs and message boxes in place of a person and
// records what they were asked.
struct Dialogs
{
    explicit Dialogs(QString answer = QString())
        : answer(std::move(answer))
    {
        answers.fileName = [this](const Questions::FileName& request) {
            files << request;
            return this->answer;
        };
        answers.message = [this](QWidget*, const Questions::Message& request) {
            warnings << request;
            return QMessageBox::Ok;
        };
    }

    QString answer;
    QList<Questions::FileName> files;
    QList<Questions::Message> warnings;
    Questions::Scope answers;
};

QVector<int> values(const LedStatesCommand* frame)
{
    QVector<int> result;
    for (const LedCell* cell : frame->leds())
        result << cell->value();
    return result;
}

// A frame with the given LEDs on.
QVector<int> lit(std::initializer_list<int> on)
{
    QVector<int> result(LedStatesCommand::LedCount, 0);
    for (int k : on)
        result[k] = 1;
    return result;
}

QByteArray header()
{
    QByteArrayList numbers;
    for (int k = 0; k < LedStatesCommand::LedCount; ++k)
        numbers << QByteArray::number(k);
    return numbers.join(',');
}

QByteArray line(const QVector<int>& frame)
{
    QByteArrayList numbers;
    for (int value : frame)
        numbers << QByteArray::number(value);
    return numbers.join(',');
}

// A sequence file as we write it: header, then the frames.
QByteArray sequence(const QList<QVector<int>>& frames)
{
    QByteArray bytes = header() + '\n';
    for (const QVector<int>& frame : frames)
        bytes += line(frame) + "\r\n";
    return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return file.fileName();
}

// Children as names; frames the import added show as "new".
QStringList childNames(const AbstractTreeItem* item)
{
    QStringList names;
    for (const AbstractTreeItem* child : item->children())
        names << (child->name().at(0).isLower() ? child->name() : QStringLiteral("new"));
    return names;
}

} // namespace

class tst_SequenceMenu : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void menuReachesSlots_data();
    void menuReachesSlots();
    void dialogsStartInLastFolder();
    void exportThroughView_data();
    void exportThroughView();
    void exportFailureWarns();
    void importThroughView_data();
    void importThroughView();
    void importShowsOnBoardAndTable();
    void importBadInput_data();
    void importBadInput();
    void notOfferedElsewhere_data();
    void notOfferedElsewhere();

private:
    QTemporaryDir m_dir;
};

void tst_SequenceMenu::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QApplication::activePopupWidget());
}

// Import and export share the folder last chosen for a sequence, kept in the
// store that the program gives.
void tst_SequenceMenu::dialogsStartInLastFolder()
{
    QHash<QString, QString> kept;
    FileDialogs::setFolderStore({ [&kept](const QString& kind) { return kept.value(kind); },
        [&kept](const QString& kind, const QString& folder) { kept.insert(kind, folder); } });
    QTemporaryDir other;
    Document doc;
    Dialogs dialogs(writeFile(other, "chosen.csv", sequence({ lit({ 1 }) })));
    doc.setCurrent("program");
    doc.tree->importSequence();
    dialogs.answer.clear();
    doc.tree->exportSequence();
    FileDialogs::setFolderStore({});

    QCOMPARE(dialogs.files.size(), 2);
    QCOMPARE(dialogs.files.at(1).start, QFileInfo(other.path()).absoluteFilePath());
    QCOMPARE(kept.keys(), QStringList { "Sequences" });
}

void tst_SequenceMenu::menuReachesSlots_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("import");

    for (const char* item : { "program", "frame0", "function", "frame2", "empty" }) {
        QTest::addRow("import on %s", item) << item << true;
        QTest::addRow("export on %s", item) << item << false;
    }
}

// Each entry asks for its file with the right dialog; cancelling it changes
// nothing and writes nothing.
void tst_SequenceMenu::menuReachesSlots()
{
    QFETCH(QString, item);
    QFETCH(bool, import);

    FileDialogs::setFolderStore({});
    Document doc;
    Dialogs dialogs;
    QSignalSpy messages(doc.tree, &CommandTreeView::showMessage);
    QVERIFY(messages.isValid());
    const int children = doc.items[item]->childCount();
    doc.setCurrent(item);
    CommandTreeMenu* menu = doc.tree->menu();
    menu->prepare(doc.items[item]);
    QAction* action = import ? menu->importSequenceAction() : menu->exportSequenceAction();
    QVERIFY(action->isVisible());
    action->trigger();

    QCOMPARE(dialogs.files.size(), 1);
    const Questions::FileName& request = dialogs.files.first();
    QCOMPARE(request.mode, import ? Questions::Open : Questions::Save);
    QCOMPARE(request.caption, import ? QStringLiteral("Import sequence") : QStringLiteral("Export sequence"));
    // Never the program's folder: installed, it is a system folder.
    QCOMPARE(request.start, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QCOMPARE(request.filter, Filter);
    QVERIFY(!doc.document->isModified());
    QCOMPARE(doc.items[item]->childCount(), children);
    QCOMPARE(messages.count(), 0);
    QVERIFY(dialogs.warnings.isEmpty());
}

void tst_SequenceMenu::exportThroughView_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<QVector<int>>>("frames");

    const QList<QVector<int>> program { lit({ 0 }), lit({ 1 }) };
    QTest::addRow("program, the reset skipped") << "program" << program;
    QTest::addRow("frame stands for its program") << "frame1" << program;
    QTest::addRow("collection") << "function" << QList<QVector<int>> { lit({ 2 }) };
    QTest::addRow("frame stands for its collection") << "frame2" << QList<QVector<int>> { lit({ 2 }) };
    QTest::addRow("collection without frames: header alone") << "empty" << QList<QVector<int>>();
}

void tst_SequenceMenu::exportThroughView()
{
    QFETCH(QString, item);
    QFETCH(QList<QVector<int>>, frames);

    Document doc;
    const QString path = m_dir.filePath(QStringLiteral("export-%1.csv").arg(QTest::currentDataTag()));
    Dialogs dialogs(path);
    QSignalSpy messages(doc.tree, &CommandTreeView::showMessage);
    doc.setCurrent(item);
    doc.tree->exportSequence();

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), sequence(frames));
    QVERIFY(!doc.document->isModified());
    QVERIFY(dialogs.warnings.isEmpty());
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.first().first().toString().contains(QDir::toNativeSeparators(path)));
}

void tst_SequenceMenu::exportFailureWarns()
{
    Document doc;
    Dialogs dialogs(m_dir.filePath("missing/folder/out.csv"));
    QSignalSpy messages(doc.tree, &CommandTreeView::showMessage);
    doc.setCurrent("program");
    doc.tree->exportSequence();

    QCOMPARE(dialogs.warnings.size(), 1);
    QCOMPARE(dialogs.warnings.first().icon, QMessageBox::Warning);
    QCOMPARE(dialogs.warnings.first().title, QCoreApplication::applicationName());
    QVERIFY(dialogs.warnings.first().text.startsWith("Cannot write file"));
    QCOMPARE(messages.count(), 0);
    QVERIFY(!doc.document->isModified());
}

void tst_SequenceMenu::importThroughView_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("children");
    QTest::addColumn<QStringList>("frames"); // the container's frames after the import, in order

    QTest::addRow("program: two overwritten, one appended after the reset")
        << "program"
        << "program" << QStringList { "frame0", "reset", "frame1", "new" }
        << QStringList { "frame0", "frame1", "new" };
    QTest::addRow("frame stands for its program")
        << "frame1"
        << "program" << QStringList { "frame0", "reset", "frame1", "new" }
        << QStringList { "frame0", "frame1", "new" };
    QTest::addRow("collection: one overwritten, two appended")
        << "function"
        << "function" << QStringList { "frame2", "new", "new" } << QStringList { "frame2", "new", "new" };
    QTest::addRow("frame stands for its collection")
        << "frame2"
        << "function" << QStringList { "frame2", "new", "new" } << QStringList { "frame2", "new", "new" };
    QTest::addRow("collection without frames")
        << "empty"
        << "empty" << QStringList { "new", "new", "new" } << QStringList { "new", "new", "new" };
}

void tst_SequenceMenu::importThroughView()
{
    QFETCH(QString, item);
    QFETCH(QString, container);
    QFETCH(QStringList, children);
    QFETCH(QStringList, frames);

    Document doc;
    const QList<QVector<int>> rows { lit({ 10, 20 }), lit({ 30 }), lit({ 191 }) };
    Dialogs dialogs(writeFile(m_dir, "import.csv", sequence(rows)));
    QSignalSpy messages(doc.tree, &CommandTreeView::showMessage);
    doc.setCurrent(item);
    doc.tree->importSequence();

    AbstractTreeItem* list = doc.items[container];
    QCOMPARE(childNames(list), children);
    // The tree shows the frames the import added.
    QCOMPARE(doc.model->rowCount(doc.model->indexOf(list)), children.size());
    QVERIFY(doc.tree->isExpanded(doc.model->indexOf(list)));
    int row = 0;
    for (AbstractTreeItem* child : list->children()) {
        if (auto* frame = qobject_cast<LedStatesCommand*>(child)) {
            QCOMPARE(child->name().at(0).isLower() ? child->name() : QStringLiteral("new"), frames.at(row));
            QCOMPARE(values(frame), rows.at(row));
            ++row;
        }
    }
    QCOMPARE(row, rows.size());
    QVERIFY(doc.document->isModified());
    QVERIFY(dialogs.warnings.isEmpty());
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.first().first().toString().contains("3"));
    // Lists the import was not asked about stay as they were.
    if (container != "program")
        QCOMPARE(values(doc.frame("frame0")), lit({ 0 }));
    if (container != "function")
        QCOMPARE(values(doc.frame("frame2")), lit({ 2 }));
}

// The board and the LED table show the imported values at once.
void tst_SequenceMenu::importShowsOnBoardAndTable()
{
    Document doc;
    AbstractLedPanelScene* scene = doc.document->panelScene();
    QVERIFY(scene);
    doc.setCurrent("frame1");
    QCOMPARE(scene->shownFrame(), doc.frame("frame1"));
    QVERIFY(QTest::qWaitForWindowExposed(doc.document.get()));
    QCoreApplication::processEvents();

    QSignalSpy repainted(scene, &QGraphicsScene::changed);
    QVERIFY(repainted.isValid());
    Dialogs dialogs(writeFile(m_dir, "board.csv", sequence({ lit({ 5 }), lit({ 7, 100 }) })));
    doc.tree->importSequence();

    QCOMPARE(scene->shownFrame(), doc.frame("frame1"));
    QVector<int> shown;
    for (const LedItem* led : scene->ledItems())
        shown << (led->current() ? led->current()->value() : -1);
    QCOMPARE(shown, lit({ 7, 100 }));
    QTRY_VERIFY(repainted.count() > 0);

    // The table on both frames of the program.
    doc.setCurrent("frame0");
    doc.tree->selectionModel()->select(
        doc.model->indexOf(doc.frame("frame1")), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    doc.tree->tableEdit();
    QCOMPARE(doc.stack->currentIndex(), int(WidgetStack::TablePage));
    QAbstractItemModel* table = doc.stack->tableView()->model();
    QCOMPARE(table->data(table->index(0, 5)).toInt(), 1);
    QSignalSpy refreshed(table, &QAbstractItemModel::dataChanged);

    dialogs.answer = writeFile(m_dir, "table.csv", sequence({ lit({ 6 }), lit({ 48 + 3 }) }));
    doc.tree->importSequence();

    QVERIFY(refreshed.count() > 0);
    QCOMPARE(doc.stack->currentIndex(), int(WidgetStack::TablePage));
    QCOMPARE(table->data(table->index(0, 5)).toInt(), 0);
    QCOMPARE(table->data(table->index(0, 6)).toInt(), 1);
    // Frame 1 starts at table row 4; LED 51 is its row 1, column 3.
    QCOMPARE(table->data(table->index(5, 3)).toInt(), 1);
    QCOMPARE(table->data(table->index(4, 7)).toInt(), 0);
}

void tst_SequenceMenu::importBadInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<bool>("changed");

    QTest::addRow("empty file") << QByteArray() << true << false;
    QTest::addRow("blank lines") << QByteArray("\r\n\n   \n") << true << false;
    QTest::addRow("header alone") << header() + '\n' << true << false;
    QTest::addRow("prose on one line") << QByteArray("Dear reader, this is no table.") << true << false;
    QTest::addRow("prose on several lines")
        << QByteArray("Minutes of the meeting\nNothing was decided, as usual.\nNext meeting: soon.\n") << true
        << false;
    QByteArray binary(8192, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 131 + 7) & 0xFF);
    QTest::addRow("binary") << binary << true << false;
    QTest::addRow("missing file") << QByteArray("<missing>") << true << false;

    QByteArray wideHeader;
    QByteArray wideRow;
    for (int k = 0; k < 100000; ++k) {
        wideHeader += QByteArray::number(k) + ',';
        wideRow += k == 40 ? "1," : "0,";
    }
    // Far wider than a sequence: refused at its first line.
    QTest::addRow("lines of 100,000 fields") << wideHeader + '\n' + wideRow + '\n' + wideRow + '\n'
                                             << true << false;
}

// No crash and no loss: nothing changes unless the file yields LED values.
void tst_SequenceMenu::importBadInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, warned);
    QFETCH(bool, changed);

    Document doc;
    const QString path = bytes == "<missing>" ? m_dir.filePath("not-there.csv")
                                              : writeFile(m_dir, QStringLiteral("bad.csv"), bytes);
    Dialogs dialogs(path);
    doc.setCurrent("program");
    doc.tree->importSequence();

    QCOMPARE(dialogs.warnings.size(), warned ? 1 : 0);
    if (warned)
        QVERIFY(dialogs.warnings.first().text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(doc.document->isModified(), changed);
    QCOMPARE(childNames(doc.program), (QStringList { "frame0", "reset", "frame1" }));
    QCOMPARE(values(doc.frame("frame0")), changed ? lit({ 40 }) : lit({ 0 }));
    QCOMPARE(values(doc.frame("frame1")), changed ? lit({ 40 }) : lit({ 1 }));
}

void tst_SequenceMenu::notOfferedElsewhere_data()
{
    QTest::addColumn<QString>("item");
    for (const char* item : { "device", "reset" })
        QTest::addRow("%s", item) << item;
}

// Items that stand for no list of frames offer no sequence entries, and the
// slots do nothing for them.
void tst_SequenceMenu::notOfferedElsewhere()
{
    QFETCH(QString, item);
    Document doc;
    doc.items["device"] = doc.document->deviceItem();
    Dialogs dialogs(writeFile(m_dir, "any.csv", sequence({ lit({ 9 }) })));
    CommandTreeMenu* menu = doc.tree->menu();
    menu->prepare(doc.items[item]);
    QVERIFY(!menu->importSequenceAction()->isVisible());
    QVERIFY(!menu->exportSequenceAction()->isVisible());

    doc.setCurrent(item);
    doc.tree->importSequence();
    doc.tree->exportSequence();
    QVERIFY(dialogs.files.isEmpty());
    QVERIFY(!doc.document->isModified());
    QCOMPARE(values(doc.frame("frame0")), lit({ 0 }));
}

QTEST_MAIN(tst_SequenceMenu)
#include "tst_sequencemenu.moc"
