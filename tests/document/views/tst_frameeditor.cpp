#include "AbstractLedPanelScene.h"
#include "CommandTreeModel.h"
#include "CommandTreeView.h"
#include "DeviceItem.h"
#include "DocumentEdits.h"
#include "FrameEditor.h"
#include "KamdelPanel1.h"
#include "LedCell.h"
#include "LedPanelScene_Ring.h"
#include "LedStatesCommand.h"

#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace {

using Lit = QList<QVector<int>>;

// A document whose program holds three frames with the given LEDs lit.
struct Document
{
    std::unique_ptr<KamdelDocument> owner { KamdelPanel1::newDocument() };
    KamdelDocument& document = *owner;
    AbstractTreeItem* program = document.deviceItem()->child(0);

    explicit Document(const Lit& frames)
    {
        for (const QVector<int>& leds : frames) {
            auto* frame = new LedStatesCommand;
            for (int led : leds)
                frame->leds().at(led)->setValue(1);
            document.edits()->appendItem(frame, program);
        }
        document.edits()->undoStack()->clear();
    }

    LedStatesCommand* frame(int i) const { return qobject_cast<LedStatesCommand*>(program->child(i)); }
    QUndoStack* stack() const { return document.edits()->undoStack(); }

    void select(const QVector<int>& rows)
    {
        QItemSelectionModel* selection = document.commandTreeView()->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(document.treeModel()->indexOf(frame(row)),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    Lit lit() const
    {
        Lit frames;
        for (AbstractTreeItem* item : program->children()) {
            QVector<int> on;
            const auto& cells = static_cast<LedStatesCommand*>(item)->leds();
            for (int k = 0; k < cells.size(); ++k) {
                if (cells.at(k)->value())
                    on << k;
            }
            frames << on;
        }
        return frames;
    }
};

} // namespace

class tst_FrameEditor : public QObject
{
    Q_OBJECT

private slots:
    void tools_data();
    void tools();
    void duplicate();
    void generateSpin_data();
    void generateSpin();
    void cleanup();
};

void tst_FrameEditor::tools_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("side");
    QTest::addColumn<QVector<int>>("selected");
    QTest::addColumn<int>("shown");
    QTest::addColumn<Lit>("expected");

    const Lit start { { 0, 50 }, { 5 }, {} };
    QTest::addRow("clockwise on the top side")
        << "rotateClockwise" << int(Top) << QVector<int> { 0 } << -1 << Lit { { 47, 49 }, { 5 }, {} };
    QTest::addRow("clockwise on the bottom side")
        << "rotateClockwise" << int(Bottom) << QVector<int> { 0 } << -1 << Lit { { 1, 51 }, { 5 }, {} };
    QTest::addRow("counter-clockwise on the bottom side")
        << "rotateCounterClockwise" << int(Bottom) << QVector<int> { 0, 1 } << -1 << Lit { { 47, 49 }, { 4 }, {} };
    QTest::addRow("shown frame when none is selected")
        << "clearFrames" << int(Top) << QVector<int> {} << 1 << Lit { { 0, 50 }, {}, {} };
    QTest::addRow("selection wins over the shown frame")
        << "mirrorLeftRight" << int(Top) << QVector<int> { 1 } << 0 << Lit { { 0, 50 }, { 43 }, {} };
    QTest::addRow("mirror top-bottom")
        << "mirrorTopBottom" << int(Top) << QVector<int> { 0 } << -1 << Lit { { 24, 70 }, { 5 }, {} };
    QTest::addRow("rings outward")
        << "ringsOutward" << int(Top) << QVector<int> { 0, 1 } << -1 << Lit { { 48, 98 }, { 53 }, {} };
    QTest::addRow("rings inward") << "ringsInward" << int(Top) << QVector<int> { 0 } << -1 << Lit { { 2 }, { 5 }, {} };
    QTest::addRow("fill") << "fillFrames" << int(Top) << QVector<int> { 2 } << -1 << [] {
        QVector<int> all;
        for (int k = 0; k < 192; ++k)
            all << k;
        return Lit { { 0, 50 }, { 5 }, all };
    }();
    QTest::addRow("clearing an empty frame changes nothing")
        << "clearFrames" << int(Top) << QVector<int> { 2 } << -1 << start;
    QTest::addRow("nothing selected or shown") << "invertFrames" << int(Top) << QVector<int> {} << -1 << start;
}

void tst_FrameEditor::tools()
{
    QFETCH(QString, tool);
    QFETCH(int, side);
    QFETCH(QVector<int>, selected);
    QFETCH(int, shown);
    QFETCH(Lit, expected);

    Document doc({ { 0, 50 }, { 5 }, {} });
    const Lit before = doc.lit();
    doc.document.panelScene()->setSide(eLedPanelSide(side));
    if (shown >= 0)
        doc.document.panelScene()->ledFrame(doc.frame(shown));
    doc.select(selected);

    QVERIFY(QMetaObject::invokeMethod(doc.document.frameEditor(), qPrintable(tool)));
    QCOMPARE(doc.lit(), expected);
    // One step for all the frames it changed, none when nothing changed.
    QCOMPARE(doc.stack()->count(), expected == before ? 0 : 1);
    QCOMPARE(doc.document.isModified(), expected != before);
    doc.stack()->undo();
    QCOMPARE(doc.lit(), before);
}

void tst_FrameEditor::duplicate()
{
    Document doc({ { 1 }, { 2 }, { 3 } });
    doc.select({ 0, 2 });
    doc.document.frameEditor()->duplicateFrames();
    QCOMPARE(doc.lit(), (Lit { { 1 }, { 1 }, { 2 }, { 3 }, { 3 } }));
    QCOMPARE(doc.stack()->count(), 1);
    QCOMPARE(doc.stack()->undoText(), QStringLiteral("Duplicate"));
    doc.stack()->undo();
    QCOMPARE(doc.lit(), (Lit { { 1 }, { 2 }, { 3 } }));
}

void tst_FrameEditor::generateSpin_data()
{
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("rings");
    QTest::addColumn<Lit>("expected");

    QTest::addRow("quarter turns after the shown frame")
        << true << 12 << 0xF << Lit { { 0 }, { 1, 48 }, { 13, 60 }, { 25, 72 }, { 37, 84 }, { 2 } };
    QTest::addRow("only the second ring turns")
        << true << 24 << 0x2 << Lit { { 0 }, { 1, 48 }, { 1, 72 }, { 2 } };
    QTest::addRow("cancelled") << false << 1 << 0xF << Lit { { 0 }, { 1, 48 }, { 2 } };
}

void tst_FrameEditor::generateSpin()
{
    QFETCH(bool, answered);
    QFETCH(int, step);
    QFETCH(int, rings);
    QFETCH(Lit, expected);

    FrameEditor::setSpinQuestion([&](QWidget*, FrameEditor::SpinRequest* request) {
        *request = { step, rings };
        return answered;
    });
    Document doc({ { 0 }, { 1, 48 }, { 2 } });
    doc.document.panelScene()->ledFrame(doc.frame(1));
    doc.select({ 1 });
    doc.document.frameEditor()->generateSpin();
    QCOMPARE(doc.lit(), expected);
    QCOMPARE(doc.stack()->count(), answered ? 1 : 0);
}

void tst_FrameEditor::cleanup()
{
    FrameEditor::setSpinQuestion({});
}

QTEST_MAIN(tst_FrameEditor)
#include "tst_frameeditor.moc"
