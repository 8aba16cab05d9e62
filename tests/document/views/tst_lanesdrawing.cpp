#include "document/TreeOutline.h"
#include "model/PanelDocument.h"
#include "views/AbstractLedPanelScene.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelTableView.h"
#include "views/LedPanelView.h"
#include "views/RingLanesView.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

// A program on a real document, shown in the lanes from the bottom side, so
// that a column is the LED's position on its ring.
struct Lanes
{
    Lanes()
    {
        board.setScene(scene.get());
        view.setBoard(&board);
        view.setEdits(document.edits());
        view.setList(outline.program);
        view.resize(900, 600);
        view.show();
    }

    QByteArray saved()
    {
        const QString file = dir.filePath(QStringLiteral("lanes.xml"));
        return document.save(file) ? readAll(file) : QByteArray();
    }
    static QByteArray readAll(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QPoint pointOf(const QString& spot) const
    {
        const QStringList n = spot.split(',');
        const QRect cell = view.lanes().spotRect({ n.at(0).toInt(), n.at(1).toInt(), n.at(2).toInt() });
        return cell.center() - view.scroll();
    }

    void mouse(QEvent::Type type, const QString& spot, Qt::KeyboardModifiers modifiers)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pointOf(spot), button, Qt::LeftButton, modifiers);
        QApplication::sendEvent(view.viewport(), &event);
    }

    // "drag MODS FROM TO" presses at FROM and moves to TO in one event, as a
    // fast hand does; "key SEQUENCE" types a key; "symmetry N" sets the
    // board's. Places are frame,lane,column.
    void run(const QString& steps)
    {
        for (const QString& step : steps.split(';')) {
            const QStringList words = step.trimmed().split(' ');
            if (words.at(0) == QLatin1String("key")) {
                QTest::keySequence(&view, QKeySequence(words.at(1)));
                continue;
            }
            if (words.at(0) == QLatin1String("symmetry")) {
                scene->setSymmetry(words.at(1).toInt(), false);
                continue;
            }
            const Qt::KeyboardModifiers modifiers(
                words.at(1) == "-" ? 0 : int(QKeySequence(words.at(1) + "+A")[0] & Qt::KeyboardModifierMask));
            mouse(QEvent::MouseButtonPress, words.at(2), modifiers);
            mouse(QEvent::MouseMove, words.value(3, words.at(2)), modifiers);
            mouse(QEvent::MouseButtonRelease, words.value(3, words.at(2)), modifiers);
        }
    }

    QTemporaryDir dir;
    PanelDocument document { PanelDocument::Panel::RingA };
    TreeOutline outline { "Program: frame 0, frame 49:7, reset, frame 2+97, frame 3", document.edits() };
    std::unique_ptr<AbstractLedPanelScene> scene { AbstractLedPanelScene::create(Ring, outline.device) };
    LedPanelView board;
    RingLanesView view;
};

} // namespace

class tst_LanesDrawing : public QObject
{
    Q_OBJECT

private slots:
    void undoRestoresTheFile_data();
    void undoRestoresTheFile();
    void blockPastesIntoTheTable();
    void cursorIsSpoken();
    void foreignBlocksAreRefused_data();
    void foreignBlocksAreRefused();
};

// The cell under the keyboard's mark is named as on the board.
void tst_LanesDrawing::cursorIsSpoken()
{
    Lanes lanes;
    lanes.run("drag Ctrl 1,1,0; key Right");
    QCOMPARE(lanes.view.accessibleName(), QString("Ring 2, position 2, frame 2, on"));
}

void tst_LanesDrawing::foreignBlocksAreRefused_data()
{
    // Fields from 0: version, first frame, frames, first lane, lanes, first
    // column, columns, side, count of values.
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("cut");
    QTest::addRow("whole") << 0 << 1 << 0;
    QTest::addRow("cut short") << 0 << 1 << 4;
    QTest::addRow("lanes past the rings") << 3 << 3 << 0;
    QTest::addRow("column past the ring") << 5 << 48 << 0;
    QTest::addRow("huge count") << 8 << -1 << 0;
}

// The clipboard may hold the block's type from anywhere: only a whole
// block is read.
void tst_LanesDrawing::foreignBlocksAreRefused()
{
    QFETCH(int, field);
    QFETCH(int, value);
    QFETCH(int, cut);
    LaneBlock block(LaneRange::between({ 0, 0, 0 }, { 2, 1, 5 }), Bottom);
    QByteArray bytes = block.toMimeData()->data(LaneBlock::MimeType);
    qToBigEndian<qint32>(value, bytes.data() + 4 * field);
    QMimeData data;
    data.setData(LaneBlock::MimeType, bytes.left(bytes.size() - cut));
    QCOMPARE(LaneBlock::fromMimeData(&data).isEmpty(), QTest::currentDataTag() != QLatin1String("whole"));
}

void tst_LanesDrawing::undoRestoresTheFile_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("after");
    const QString head = "Program: frame 0, frame 49:7, reset, ";
    QTest::addRow("stroke") << "drag - 0,0,5 0,0,12"
                            << "Program: frame 0+5+6+7+8+9+10+11+12, frame 49:7, reset, frame 2+97, frame 3";
    QTest::addRow("stroke with symmetry")
        << "symmetry 4; drag - 0,1,2"
        << "Program: frame 0+50+62+74+86, frame 49:7, reset, frame 2+97, frame 3";
    QTest::addRow("keys") << "drag Ctrl 0,0,3; key Escape; key Right; key Down; key Space"
                          << "Program: frame 0, frame 4+49:7, reset, frame 2+97, frame 3";
    QTest::addRow("keys select") << "drag Ctrl 2,0,2; key Shift+Right; key Shift+Down; key Delete"
                                 << head + "frame 97, frame";
    QTest::addRow("erase stroke") << "drag - 1,1,1 1,1,4"
                                  << "Program: frame 0, frame, reset, frame 2+97, frame 3";
    QTest::addRow("line short") << "drag Shift 0,2,0 3,2,45"
                                << "Program: frame 0+96, frame 49:7+143, reset, frame 2+97+142, frame 3+141";
    QTest::addRow("line long way")
        << "drag Shift+Alt 0,2,0 3,2,3"
        << "Program: frame 0+96, frame 49:7+129, reset, frame 2+97+114, frame 3+99";
    QTest::addRow("line across lanes") << "drag Shift 0,1,10 1,3,12"
                                       << "Program: frame 0+58+106+154, frame 49:7+60+108+156, reset, frame "
                                          "2+97, frame 3";
    QTest::addRow("below the last frame")
        << "drag - 6,0,7" << head + "frame 2+97, frame 3, frame, frame, frame 7";
    QTest::addRow("block down") << "drag Ctrl 2,0,2 3,0,3; key Alt+Down"
                                << head + "frame 97, frame 2, frame 3";
    QTest::addRow("block round the ring") << "drag Ctrl 0,0,0 1,1,1; key Alt+Left"
                                          << "Program: frame 47, frame 48:7, reset, frame 2+97, frame 3";
    QTest::addRow("paste wrapping") << "drag Ctrl 1,1,0 1,1,2; key Ctrl+C; drag Ctrl 3,3,47; key Ctrl+V"
                                    << head + "frame 2+97, frame 3+144:7";
}

// Each stroke, line, move and paste is one step: undoing it gives back the
// file as it was saved before.
void tst_LanesDrawing::undoRestoresTheFile()
{
    QFETCH(QString, steps);
    QFETCH(QString, after);
    Lanes lanes;
    const QByteArray before = lanes.saved();
    QVERIFY(!before.isEmpty());
    lanes.run(steps);
    QCOMPARE(lanes.outline.outline(lanes.outline.program), after);
    lanes.document.edits()->history()->undo();
    QCOMPARE(lanes.saved(), before);
}

// A block copied across two lanes pastes into the frame table, a row per
// ring, and into the tree as whole frames, with the values it had and
// nothing outside it.
void tst_LanesDrawing::blockPastesIntoTheTable()
{
    Lanes lanes;
    lanes.run("drag Ctrl 0,0,0 1,1,2; key Ctrl+C");
    TreeOutline targets("Collection: a=frame 5+100, b=frame");
    LedPanelTableView table;
    table.setFrames({ targets.frame("a"), targets.frame("b") });
    table.setFrameLayout(RingGeometry::Rings, RingGeometry::PositionsPerRing);
    table.setCurrentIndex(table.model()->index(0, 0));
    table.pasteData();
    QCOMPARE(targets.outline(targets["a"]), QString("a=frame 0"));
    QCOMPARE(targets.outline(targets["b"]), QString("b=frame 49:7"));
    CommandTreeView tree;
    tree.setModel(lanes.document.treeModel());
    tree.setEdits(lanes.document.edits());
    tree.setCurrentItem(lanes.outline.program);
    tree.pasteFrames();
    QVERIFY(lanes.outline.outline(lanes.outline.program).endsWith("frame 3, frame 0, frame 49:7"));
}

QTEST_MAIN(tst_LanesDrawing)
#include "tst_lanesdrawing.moc"
