#include "dialogs/Questions.h"
#include "document/TreeOutline.h"
#include "views/LedPanelTableModel.h"
#include "views/LedPanelTableView.h"
#include "views/SpinBoxDelegate.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QtTest>

#include <memory>

// Cells are written QPoint(column, row), the way the table draws them.
using Cells = QVector<QPoint>;

namespace {

// A program of dark frames.
struct Tree : TreeOutline
{
    explicit Tree(int frameCount)
        : TreeOutline("Program:" + QString(" frame,").repeated(frameCount))
    {
        for (AbstractTreeItem* frame : program->children())
            frames << qobject_cast<LedStatesCommand*>(frame);
    }
    QList<LedStatesCommand*> frames;
};

Cells sorted(Cells cells)
{
    std::sort(cells.begin(), cells.end(),
        [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return cells;
}

std::unique_ptr<LedPanelTableModel> tableOver(const QList<LedStatesCommand*>& frames)
{
    auto table = std::make_unique<LedPanelTableModel>();
    table->setFrameLayout(4, 48);
    table->setFrames(frames);
    return table;
}

// A table over a tree the way the document sets it up.
struct Table
{
    explicit Table(int frameCount, int shownCount = -1)
        : tree(frameCount)
    {
        view.setFrameLayout(4, 48);
        view.setEdits(tree.edits);
        view.setFrames(tree.frames.mid(0, shownCount));
        view.setFrameLayout(4, 48);
        view.resize(800, 400);
    }

    LedCell* cell(int row, int column) const { return view.tableModel()->cellAt(row, column); }
    int value(int row, int column) const { return cell(row, column)->value(); }

    void fill(int value)
    {
        for (LedStatesCommand* frame : qAsConst(tree.frames)) {
            for (LedCell* cell : frame->leds())
                cell->setValue(value);
        }
    }

    void select(const Cells& cells)
    {
        QItemSelection selection;
        for (const QPoint& cell : cells) {
            const QModelIndex index = view.model()->index(cell.y(), cell.x());
            selection.select(index, index);
        }
        view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    Cells selected() const
    {
        Cells cells;
        for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
            cells << QPoint(index.column(), index.row());
        return sorted(cells);
    }

    Tree tree;
    LedPanelTableView view { nullptr };
};

Cells block(int top, int left, int rows, int columns)
{
    Cells cells;
    for (int row = top; row < top + rows; ++row) {
        for (int column = left; column < left + columns; ++column)
            cells << QPoint(column, row);
    }
    return cells;
}

const QString Sentinel = QStringLiteral("untouched");

// Return in the editor commits through a queued call.
void commit(QWidget* editor)
{
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

} // namespace

class tst_LedPanelTable : public QObject
{
    Q_OBJECT

private slots:
    void framesAreSeparated();
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void dimensions_data();
    void dimensions();
    void cellMapping_data();
    void cellMapping();
    void headers_data();
    void headers();
    void roles_data();
    void roles();
    void setDataConverts_data();
    void setDataConverts();
    void refreshesOnDocumentEdit();
    void frameDeletedWithoutDocument();
    void selectionTest_data();
    void selectionTest();
    void copy_data();
    void copy();
    void refusedSelection_data();
    void refusedSelection();
    void paste_data();
    void paste();
    void deleteZeroesWithoutTest_data();
    void deleteZeroesWithoutTest();
    void editsPath_data();
    void editsPath();
    void columnWidths();
    void editorTyping_data();
    void editorTyping();
    void editorPalette_data();
    void editorPalette();
    void removedFramesAreDropped_data();
    void removedFramesAreDropped();
    void clickNamesThePlace();

private:
    QList<Questions::Message> m_warnings;
    std::unique_ptr<Questions::Scope> m_answers;
};

void tst_LedPanelTable::initTestCase()
{
    m_answers = std::make_unique<Questions::Scope>();
    m_answers->message = [this](QWidget*, const Questions::Message& request) {
        m_warnings << request;
        return QMessageBox::Ok;
    };
}

void tst_LedPanelTable::cleanupTestCase()
{
    m_answers.reset();
}

void tst_LedPanelTable::init()
{
    m_warnings.clear();
    QGuiApplication::clipboard()->setText(Sentinel);
}

void tst_LedPanelTable::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_LedPanelTable::dimensions_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("rowsPerFrame");
    QTest::addColumn<int>("ledsPerRow");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");

    QTest::addRow("no frames") << 0 << 4 << 48 << 0 << 0;
    QTest::addRow("one frame") << 1 << 4 << 48 << 4 << 48;
    QTest::addRow("two frames") << 2 << 4 << 48 << 8 << 48;
    QTest::addRow("many frames") << 250 << 4 << 48 << 1000 << 48;
    QTest::addRow("no layout yet") << 3 << 0 << 0 << 0 << 0;
}

void tst_LedPanelTable::dimensions()
{
    QFETCH(int, frames);
    QFETCH(int, rowsPerFrame);
    QFETCH(int, ledsPerRow);

    Tree tree(frames);
    LedPanelTableModel table;
    QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    table.setFrames(tree.frames);
    table.setFrameLayout(rowsPerFrame, ledsPerRow);

    QTEST(table.rowCount(), "rows");
    QTEST(table.columnCount(), "columns");

    table.clearFrames();
    QCOMPARE(table.rowCount(), 0);
    QCOMPARE(table.columnCount(), 0);
}

void tst_LedPanelTable::cellMapping_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("led");

    QTest::addRow("first cell") << 0 << 0 << 0 << 0;
    QTest::addRow("inner ring end") << 0 << 47 << 0 << 47;
    QTest::addRow("second ring start") << 1 << 0 << 0 << 48;
    QTest::addRow("last led of first frame") << 3 << 47 << 0 << 191;
    QTest::addRow("second frame start") << 4 << 0 << 1 << 0;
    QTest::addRow("headed 2-2 and 4") << 5 << 3 << 1 << 51;
    QTest::addRow("last cell") << 7 << 47 << 1 << 191;
}

void tst_LedPanelTable::cellMapping()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, frame);
    QFETCH(int, led);

    Tree tree(2);
    auto table = tableOver(tree.frames);
    LedCell* cell = tree.frames.at(frame)->leds().at(led);
    QCOMPARE(table->cellAt(row, column), cell);

    cell->setValue(7);
    QCOMPARE(table->data(table->index(row, column)).toInt(), 7);

    QVERIFY(table->setData(table->index(row, column), 0));
    QCOMPARE(cell->value(), 0);
}

void tst_LedPanelTable::headers_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QString>("text");

    QTest::addRow("first row") << 0 << Qt::Vertical << "1-1";
    QTest::addRow("last ring of first frame") << 3 << Qt::Vertical << "1-4";
    QTest::addRow("second frame first ring") << 4 << Qt::Vertical << "2-1";
    QTest::addRow("second frame second ring") << 5 << Qt::Vertical << "2-2";
    QTest::addRow("last row") << 7 << Qt::Vertical << "2-4";
    QTest::addRow("first column") << 0 << Qt::Horizontal << "1";
    QTest::addRow("fourth column") << 3 << Qt::Horizontal << "4";
    QTest::addRow("last column") << 47 << Qt::Horizontal << "48";
}

void tst_LedPanelTable::headers()
{
    QFETCH(int, section);
    QFETCH(Qt::Orientation, orientation);

    Tree tree(2);
    auto table = tableOver(tree.frames);
    QTEST(table->headerData(section, orientation, Qt::DisplayRole).toString(), "text");
    QVERIFY(!table->headerData(section, orientation, Qt::ToolTipRole).isValid());
}

void tst_LedPanelTable::roles_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QVariant>("background");

    QTest::addRow("off") << 0 << QVariant();
    QTest::addRow("on") << 1 << QVariant(QColor(Qt::yellow));
    QTest::addRow("above one shows lit") << 7 << QVariant(QColor(Qt::yellow));
    QTest::addRow("negative shows dark") << -2 << QVariant();
}

void tst_LedPanelTable::roles()
{
    QFETCH(int, value);

    Tree tree(1);
    auto table = tableOver(tree.frames);
    tree.frames.first()->leds().at(50)->setValue(value);
    const QModelIndex index = table->index(1, 2);

    QCOMPARE(index.data(Qt::DisplayRole), QVariant(value));
    QCOMPARE(index.data(Qt::EditRole), QVariant(value));
    QTEST(index.data(Qt::BackgroundRole), "background");
    QCOMPARE(index.data(Qt::TextAlignmentRole), QVariant(132));
    QVERIFY(!index.data(Qt::ToolTipRole).isValid());
    QVERIFY(table->flags(index).testFlag(Qt::ItemIsEditable));
    QVERIFY(table->flags(index).testFlag(Qt::ItemIsSelectable));
}

void tst_LedPanelTable::setDataConverts_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("stored");

    QTest::addRow("one as text") << QVariant(QStringLiteral("1")) << 1;
    QTest::addRow("zero as text") << QVariant(QStringLiteral("0")) << 0;
    QTest::addRow("letter") << QVariant(QStringLiteral("x")) << 0;
    QTest::addRow("empty text") << QVariant(QString()) << 0;
    QTest::addRow("out of range kept") << QVariant(QStringLiteral("7")) << 7;
    QTest::addRow("integer") << QVariant(1) << 1;
}

void tst_LedPanelTable::setDataConverts()
{
    QFETCH(QVariant, value);

    Tree tree(1);
    auto table = tableOver(tree.frames);
    LedCell* cell = tree.frames.first()->leds().at(0);
    cell->setValue(5);
    QSignalSpy changed(table.get(), &QAbstractItemModel::dataChanged);
    QVERIFY(changed.isValid());

    const QModelIndex index = table->index(0, 0);
    QVERIFY(!table->setData(index, value, Qt::DisplayRole));
    QCOMPARE(cell->value(), 5);
    QVERIFY(table->setData(index, value, Qt::EditRole));
    QTEST(cell->value(), "stored");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), index);
    QCOMPARE(changed.first().at(1).toModelIndex(), index);
}

void tst_LedPanelTable::refreshesOnDocumentEdit()
{
    Tree tree(2);
    auto table = tableOver(tree.frames);
    table->setEdits(tree.edits);
    QSignalSpy changed(table.get(), &QAbstractItemModel::dataChanged);

    // A click on the board changes a cell the table shows.
    tree.edits->setLedValue(tree.frames.at(1)->leds().at(100), 1);

    QCOMPARE(changed.count(), 1);
    const QModelIndex shown = table->index(6, 4);
    const QModelIndex topLeft = changed.first().at(0).toModelIndex();
    const QModelIndex bottomRight = changed.first().at(1).toModelIndex();
    QVERIFY(topLeft.row() <= shown.row() && shown.row() <= bottomRight.row());
    QVERIFY(topLeft.column() <= shown.column() && shown.column() <= bottomRight.column());
    QCOMPARE(shown.data().toInt(), 1);
}

void tst_LedPanelTable::frameDeletedWithoutDocument()
{
    Tree tree(2);
    auto table = tableOver(tree.frames);
    tree.frames.first()->leds().at(0)->setValue(1);

    tree.program->removeChild(tree.frames.first());
    delete tree.frames.first();

    QCOMPARE(table->frames(), QList<LedStatesCommand*> { tree.frames.at(1) });
    QVERIFY(!table->index(0, 0).data().isValid());
    QVERIFY(!table->index(0, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!table->setData(table->index(0, 0), 1));
    QVERIFY(table->setValues({ table->index(0, 0), table->index(4, 0) }, { 1, 1 }));
    QCOMPARE(tree.frames.at(1)->leds().at(0)->value(), 1);
}

void tst_LedPanelTable::selectionTest_data()
{
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<bool>("uniform");

    QTest::addRow("empty") << Cells {} << true;
    QTest::addRow("one cell") << Cells { { 3, 2 } } << true;
    QTest::addRow("rectangle") << block(1, 2, 2, 3) << true;
    QTest::addRow("diagonal") << Cells { { 0, 0 }, { 1, 1 } } << true;
    QTest::addRow("columns 1 and 5 of rows 2 and 7")
        << Cells { { 1, 2 }, { 5, 2 }, { 1, 7 }, { 5, 7 } } << true;
    QTest::addRow("two per row and column, staggered")
        << Cells { { 0, 0 }, { 1, 0 }, { 1, 1 }, { 2, 1 }, { 0, 2 }, { 2, 2 } } << true;
    QTest::addRow("L-shape") << Cells { { 0, 0 }, { 0, 1 }, { 1, 1 } } << false;
    QTest::addRow("rows of different length") << (block(0, 0, 1, 3) + block(1, 0, 1, 2)) << false;
    QTest::addRow("same rows, columns of different height")
        << Cells { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 2, 1 } } << false;
}

void tst_LedPanelTable::selectionTest()
{
    QFETCH(Cells, cells);

    Table table(2);
    table.select(cells);
    QTEST(LedPanelTableView::isUniformSelection(table.view.selectionModel()->selectedIndexes()), "uniform");
}

void tst_LedPanelTable::copy_data()
{
    QTest::addColumn<Cells>("lit");
    QTest::addColumn<Cells>("selection");
    QTest::addColumn<QString>("clipboard");

    QTest::addRow("one cell") << Cells { { 4, 1 } } << Cells { { 4, 1 } } << "1\n";
    QTest::addRow("two by three") << Cells { { 0, 0 }, { 2, 0 }, { 2, 1 } } << block(0, 0, 2, 3)
                                  << "1\t0\t1\n0\t0\t1\n";
    QTest::addRow("diagonal") << Cells { { 0, 0 } } << Cells { { 0, 0 }, { 1, 1 } } << "1\n0\n";
    QTest::addRow("across two frames")
        << Cells { { 47, 3 }, { 47, 4 } } << block(3, 46, 2, 2) << "0\t1\n0\t1\n";
    QTest::addRow("spread columns") << Cells { { 5, 7 } } << Cells { { 1, 2 }, { 5, 2 }, { 1, 7 }, { 5, 7 } }
                                    << "0\t0\n0\t1\n";
    QTest::addRow("nothing selected") << Cells { { 0, 0 } } << Cells {} << Sentinel;
}

void tst_LedPanelTable::copy()
{
    QFETCH(Cells, lit);
    QFETCH(Cells, selection);

    Table table(2);
    for (const QPoint& cell : lit)
        table.cell(cell.y(), cell.x())->setValue(1);
    table.select(selection);
    table.view.copyData();

    QTEST(QGuiApplication::clipboard()->text(), "clipboard");
    QVERIFY(m_warnings.isEmpty());
}

void tst_LedPanelTable::refusedSelection_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");

    QTest::addRow("copy") << "copy"
                          << "Copy cannot used this kind of multiple selection.";
    QTest::addRow("cut") << "cut"
                         << "Cut cannot used this kind of multiple selection.";
    QTest::addRow("paste") << "paste"
                           << "Paste cannot used this kind of multiple selection.";
}

void tst_LedPanelTable::refusedSelection()
{
    QFETCH(QString, action);

    Table table(1);
    table.fill(1);
    QSignalSpy edited(table.tree.edits, &DocumentEdits::edited);
    const QString clipboard = action == QLatin1String("paste") ? QStringLiteral("0\n") : Sentinel;
    QGuiApplication::clipboard()->setText(clipboard);
    table.select({ { 0, 0 }, { 0, 1 }, { 1, 1 } });

    if (action == QLatin1String("copy"))
        table.view.copyData();
    else if (action == QLatin1String("cut"))
        table.view.cutData();
    else
        table.view.pasteData();

    QCOMPARE(m_warnings.count(), 1);
    QCOMPARE(m_warnings.first().icon, QMessageBox::Warning);
    QCOMPARE(m_warnings.first().title, QStringLiteral("Error"));
    QTEST(m_warnings.first().text, "message");
    QCOMPARE(m_warnings.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QCOMPARE(edited.count(), 0);
    for (const LedCell* cell : table.tree.frames.first()->leds())
        QCOMPARE(cell->value(), 1);
}

namespace {
void addPaste(const char* name, int initial, const QString& clipboard, const Cells& selection,
    const Cells& written, const QVector<int>& values)
{
    QTest::addRow("%s", name) << initial << clipboard << selection << written << values;
}
} // namespace

void tst_LedPanelTable::paste_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<Cells>("selection");
    QTest::addColumn<Cells>("written");
    QTest::addColumn<QVector<int>>("values");

    // One selected cell: the block lands with its corner there.
    addPaste("row ended by CR LF", 0, "1\t1\r\n", { { 3, 2 } }, { { 3, 2 }, { 4, 2 } }, { 1, 1 });
    addPaste("row at the last column", 0, "1\t1\r\n", { { 47, 0 } }, { { 47, 0 } }, { 1 });
    addPaste(
        "block below the last row", 0, "1\t0\n1\t1\n", { { 7, 11 } }, { { 7, 11 }, { 8, 11 } }, { 1, 0 });
    addPaste("block into the next frame", 0, "1\n1\n", { { 0, 3 } }, { { 0, 3 }, { 0, 4 } }, { 1, 1 });
    addPaste("letter stores zero", 1, "a", { { 0, 0 } }, { { 0, 0 } }, { 0 });
    addPaste("seven is kept", 0, "7", { { 0, 0 } }, { { 0, 0 } }, { 7 });

    // Several: the block repeats over the selection.
    const Cells twenty = block(0, 0, 4, 5);
    const Cells twoByFour = block(1, 2, 2, 4);
    const Cells column = block(0, 0, 3, 1);
    const Cells diagonal { { 0, 0 }, { 1, 1 } };
    addPaste("single value onto twenty cells", 0, "1\n", twenty, twenty, QVector<int>(20, 1));
    addPaste("row repeats on two by four", 0, "1\t0\n", twoByFour, twoByFour, { 1, 0, 1, 0, 1, 0, 1, 0 });
    addPaste("lines repeat down the rows", 0, "1\n0\n", column, column, { 1, 0, 1 });
    addPaste("block larger than the selection", 0, "1\t1\t0\n0\t1\t1\n", block(0, 0, 2, 2), block(0, 0, 2, 2),
        { 1, 1, 0, 1 });
    addPaste("short line restarts on its own length", 0, "1\t0\t1\n1\n", block(0, 0, 2, 3), block(0, 0, 2, 3),
        { 1, 0, 1, 1, 1, 1 });
    addPaste("empty line is one empty cell", 1, "1\n\n1", column, column, { 1, 0, 1 });
    addPaste("trailing tab is an empty cell", 1, "0\t", block(0, 0, 1, 3), block(0, 0, 1, 3), { 0, 0, 0 });
    addPaste("only one line feed dropped", 1, "0\n\n", block(0, 0, 2, 1), block(0, 0, 2, 1), { 0, 0 });
    addPaste("diagonal", 0, "1\t0\n", diagonal, diagonal, { 1, 1 });

    // Nothing to paste: no change and no warning, whatever the selection.
    addPaste("empty clipboard", 1, QString(), { { 0, 0 } }, {}, {});
    addPaste("empty clipboard, L-shape", 1, QString(), { { 0, 0 }, { 0, 1 }, { 1, 1 } }, {}, {});
    addPaste("nothing selected", 0, "1\n", {}, {}, {});
}

void tst_LedPanelTable::paste()
{
    QFETCH(int, initial);
    QFETCH(QString, clipboard);
    QFETCH(Cells, selection);
    QFETCH(Cells, written);
    QFETCH(QVector<int>, values);

    Table table(3);
    table.fill(initial);
    QSignalSpy edited(table.tree.edits, &DocumentEdits::edited);
    QGuiApplication::clipboard()->setText(clipboard);
    table.select(selection);

    table.view.pasteData();

    QVERIFY(m_warnings.isEmpty());
    for (int row = 0; row < table.view.model()->rowCount(); ++row) {
        for (int column = 0; column < 48; ++column) {
            const int i = written.indexOf(QPoint(column, row));
            const int expected = i < 0 ? initial : values.at(i);
            if (table.value(row, column) != expected)
                QFAIL(qPrintable(QStringLiteral("cell (%1,%2) holds %3, expected %4")
                                     .arg(row)
                                     .arg(column)
                                     .arg(table.value(row, column))
                                     .arg(expected)));
        }
    }
    // Pasted cells join the selection.
    QCOMPARE(table.selected(), sorted(selection + written));
    QCOMPARE(edited.count(), values.count(initial) == values.count() ? 0 : 1);
}

void tst_LedPanelTable::deleteZeroesWithoutTest_data()
{
    QTest::addColumn<Cells>("selection");

    QTest::addRow("nothing selected") << Cells {};
    QTest::addRow("rectangle") << block(2, 10, 3, 4);
    QTest::addRow("L-shape") << Cells { { 0, 0 }, { 0, 1 }, { 1, 1 } };
}

void tst_LedPanelTable::deleteZeroesWithoutTest()
{
    QFETCH(Cells, selection);

    Table table(2);
    table.fill(1);
    QSignalSpy edited(table.tree.edits, &DocumentEdits::edited);
    table.select(selection);
    table.view.deleteData();

    QVERIFY(m_warnings.isEmpty());
    int zeroes = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 48; ++column) {
            const bool selected = selection.contains(QPoint(column, row));
            QCOMPARE(table.value(row, column), selected ? 0 : 1);
            zeroes += selected;
        }
    }
    QCOMPARE(zeroes, selection.count());
    QCOMPARE(edited.count(), selection.isEmpty() ? 0 : 1);
}

void tst_LedPanelTable::editsPath_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("edited");

    QTest::addRow("copy") << "copy" << 0;
    QTest::addRow("cut") << "cut" << 1;
    QTest::addRow("paste onto one cell") << "pasteOne" << 1;
    QTest::addRow("paste onto two frames") << "pasteMany" << 1;
    QTest::addRow("delete") << "delete" << 1;
    QTest::addRow("typed in a cell") << "type" << 1;
}

void tst_LedPanelTable::editsPath()
{
    QFETCH(QString, action);

    Table table(2);
    table.fill(1);
    QSignalSpy edited(table.tree.edits, &DocumentEdits::edited);
    QSignalSpy changed(table.tree.edits, &DocumentEdits::ledValuesChanged);
    QSignalSpy tableChanged(table.view.model(), &QAbstractItemModel::dataChanged);
    QGuiApplication::clipboard()->setText(QStringLiteral("0\t0\n0\t0\n"));

    if (action == QLatin1String("copy")) {
        table.select(block(0, 0, 8, 48));
        table.view.copyData();
    } else if (action == QLatin1String("cut")) {
        table.cell(1, 1)->setValue(0);
        table.select(block(0, 0, 2, 2));
        table.view.cutData();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t1\n1\t0\n"));
        QCOMPARE(table.value(0, 0), 0);
        QCOMPARE(table.value(2, 2), 1);
    } else if (action == QLatin1String("pasteOne")) {
        table.select({ { 5, 2 } });
        table.view.pasteData();
    } else if (action == QLatin1String("pasteMany")) {
        table.select(block(0, 0, 8, 48));
        table.view.pasteData();
    } else if (action == QLatin1String("delete")) {
        table.select(block(0, 0, 8, 48));
        table.view.deleteData();
    } else {
        table.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table.view));
        const QModelIndex index = table.view.model()->index(5, 5);
        table.view.setCurrentIndex(index);
        table.view.edit(index);
        auto* spinBox = qobject_cast<SpinBoxDelegate*>(table.view.itemDelegate())->currentEditor();
        QVERIFY(spinBox);
        spinBox->selectAll();
        QTest::keyClicks(spinBox, QStringLiteral("0"));
        commit(spinBox);
        QCOMPARE(table.value(5, 5), 0);
    }
    QVERIFY(m_warnings.isEmpty());
    QTEST(edited.count(), "edited");
    QTEST(changed.count(), "edited");
    // The document's echo of the table's own edit is not announced again.
    QTEST(tableChanged.count(), "edited");
}

void tst_LedPanelTable::columnWidths()
{
    Table table(2);
    for (int column = 0; column < 48; ++column)
        QCOMPARE(table.view.columnWidth(column), 20);

    // Frames come and go while the layout stays.
    table.view.clearFrames();
    table.view.setFrames(table.tree.frames);
    QCOMPARE(table.view.horizontalHeader()->count(), 48);
    for (int column = 0; column < 48; ++column)
        QCOMPARE(table.view.columnWidth(column), 20);
}

void tst_LedPanelTable::editorTyping_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");

    QTest::addRow("one") << 0 << "1" << 1;
    QTest::addRow("zero") << 1 << "0" << 0;
    QTest::addRow("seven refused") << 0 << "7" << 0;
    QTest::addRow("seven refused on a lit cell") << 1 << "7" << 1;
    QTest::addRow("ten stops at one") << 0 << "10" << 1;
    QTest::addRow("letter refused") << 1 << "x" << 1;
}

void tst_LedPanelTable::editorTyping()
{
    QFETCH(int, initial);
    QFETCH(QString, typed);

    Table table(1);
    table.fill(initial);
    table.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    const QModelIndex index = table.view.model()->index(2, 9);
    table.view.setCurrentIndex(index);
    table.view.edit(index);
    QSpinBox* spinBox = qobject_cast<SpinBoxDelegate*>(table.view.itemDelegate())->currentEditor();
    QVERIFY(spinBox);
    QCOMPARE(spinBox->minimum(), 0);
    QCOMPARE(spinBox->maximum(), 1);
    QCOMPARE(spinBox->value(), initial);

    spinBox->selectAll();
    QTest::keyClicks(spinBox, typed);
    commit(spinBox);

    QTEST(table.value(2, 9), "stored");
    QTEST(table.view.model()->index(2, 9).data().toInt(), "stored");
}

void tst_LedPanelTable::editorPalette_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("lit");
    QTest::addColumn<QColor>("base");

    QTest::addRow("even row") << 0 << false << QColor(Qt::darkCyan);
    QTest::addRow("odd row") << 1 << false << QColor(Qt::darkMagenta);
    QTest::addRow("lit cell on an odd row") << 3 << true << QColor(Qt::darkMagenta);
}

void tst_LedPanelTable::editorPalette()
{
    QFETCH(int, row);
    QFETCH(bool, lit);

    Table table(1);
    table.cell(row, 0)->setValue(lit ? 1 : 0);
    SpinBoxDelegate delegate;
    QWidget parent;
    QStyleOptionViewItem option;
    option.palette.setColor(QPalette::Base, Qt::darkMagenta);
    option.palette.setColor(QPalette::AlternateBase, Qt::darkCyan);
    QScopedPointer<QWidget> editor(delegate.createEditor(&parent, option, table.view.model()->index(row, 0)));

    const QPalette palette = editor->palette();
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        QTEST(palette.color(group, QPalette::Base), "base");
    if (lit)
        QCOMPARE(palette.color(editor->backgroundRole()), QColor(Qt::yellow));
    else
        QVERIFY(palette.color(editor->backgroundRole()) != QColor(Qt::yellow));
}

void tst_LedPanelTable::removedFramesAreDropped_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QList<int>>("remaining");
    QTest::addColumn<int>("resets");

    QTest::addRow("frame being edited") << "1" << QList<int> { 0, 2 } << 1;
    QTest::addRow("first and last") << "0,2" << QList<int> { 1 } << 1;
    QTest::addRow("the program above them") << "program" << QList<int> {} << 1;
    QTest::addRow("frame with its program") << "1,program" << QList<int> {} << 1;
    QTest::addRow("frame not shown") << "3" << QList<int> { 0, 1, 2 } << 0;
}

void tst_LedPanelTable::removedFramesAreDropped()
{
    QFETCH(QString, removed);
    QFETCH(QList<int>, remaining);

    Table table(4, 3);
    QAbstractItemModelTester tester(
        table.view.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(table.view.model(), &QAbstractItemModel::modelReset);
    table.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    // An editor open on the second frame, and a selection over all three.
    const QModelIndex editing = table.view.model()->index(5, 1);
    table.view.setCurrentIndex(editing);
    table.view.edit(editing);
    auto* delegate = qobject_cast<SpinBoxDelegate*>(table.view.itemDelegate());
    QVERIFY(delegate->currentEditor());
    table.select(block(0, 0, 12, 48));

    QList<AbstractTreeItem*> items;
    for (const QString& part : removed.split(QLatin1Char(','))) {
        if (part == QLatin1String("program"))
            items << table.tree.program;
        else
            items << table.tree.frames.at(part.toInt());
    }
    QList<LedStatesCommand*> expected;
    for (int i : remaining)
        expected << table.tree.frames.at(i);
    table.tree.edits->removeItems(items); // frees them
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QTEST(int(resets.count()), "resets");
    QCOMPARE(table.view.tableModel()->frames(), expected);
    QCOMPARE(table.view.model()->rowCount(), expected.count() * 4);
    if (!resets.isEmpty())
        QVERIFY(!delegate->currentEditor());
    table.view.viewport()->repaint();
    QVERIFY(!table.view.grab().isNull());

    // Pastes and typed edits after the removal land only in live frames.
    QSignalSpy edited(table.tree.edits, &DocumentEdits::edited);
    QGuiApplication::clipboard()->setText(QStringLiteral("1\n"));
    table.select(block(0, 0, 12, 48));
    table.view.pasteData();
    const QModelIndex last = table.view.model()->index(table.view.model()->rowCount() - 1, 47);
    if (last.isValid()) {
        table.view.setCurrentIndex(last);
        table.view.edit(last);
        QSpinBox* spinBox = delegate->currentEditor();
        QVERIFY(spinBox);
        spinBox->selectAll();
        QTest::keyClicks(spinBox, QStringLiteral("0"));
        commit(spinBox);
        QCOMPARE(expected.last()->leds().at(191)->value(), 0);
    }
    QCOMPARE(edited.count(), expected.isEmpty() ? 0 : 2);
    for (const LedStatesCommand* frame : qAsConst(expected))
        QCOMPARE(frame->leds().at(0)->value(), 1);
}

void tst_LedPanelTable::framesAreSeparated()
{
    Table table(2);
    table.fill(0);
    table.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    const QImage shot = table.view.viewport()->grab().toImage();
    const auto lineUnder = [&](int row) {
        const QRect rect = table.view.visualRect(table.view.model()->index(row, 1));
        return shot.pixelColor(rect.center().x(), rect.bottom()).lightness();
    };
    // The line under a frame's last row is darker than the grid between its
    // own rows.
    QVERIFY2(lineUnder(3) + 60 < lineUnder(2),
        qPrintable(QStringLiteral("%1 %2").arg(lineUnder(3)).arg(lineUnder(2))));

    // The cell editor leaves the whole cell to the digit.
    const QModelIndex index = table.view.model()->index(1, 1);
    table.view.setCurrentIndex(index);
    table.view.edit(index);
    QSpinBox* editor = qobject_cast<SpinBoxDelegate*>(table.view.itemDelegate())->currentEditor();
    QVERIFY(editor);
    QCOMPARE(editor->buttonSymbols(), QAbstractSpinBox::NoButtons);
}

namespace {
// Keeps the last status tip a widget sends towards the window's status bar.
struct TipCatcher : QObject
{
    QString tip;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::StatusTip)
            tip = static_cast<QStatusTipEvent*>(event)->tip();
        return false;
    }
};
} // namespace

void tst_LedPanelTable::clickNamesThePlace()
{
    Table table(2);
    TipCatcher catcher;
    table.view.installEventFilter(&catcher);
    table.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    QTest::mouseClick(table.view.viewport(), Qt::LeftButton, {},
        table.view.visualRect(table.view.model()->index(5, 2)).center());
    QCOMPARE(catcher.tip, QStringLiteral("Ring 2, position 3"));
    QHeaderView* header = table.view.verticalHeader();
    QTest::mouseClick(
        header->viewport(), Qt::LeftButton, {}, QPoint(5, header->sectionViewportPosition(7) + 5));
    QCOMPARE(catcher.tip, QStringLiteral("Ring 4"));
}

QTEST_MAIN(tst_LedPanelTable)
#include "tst_ledpaneltable.moc"
