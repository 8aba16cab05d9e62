#include "KamdelPanel1.h"
#include "dialogs/GenerateDialog.h"
#include "dialogs/Questions.h"
#include "document/TreeOutline.h"
#include "model/Effects.h"
#include "model/GeneratePresets.h"
#include "views/AbstractLedPanelScene.h"
#include "views/CommandTreeView.h"
#include "views/FrameEditor.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Ring.h"
#include "views/WidgetStack.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(EffectRequest)

namespace {

// A panel document holding the given tree; its outline is what the tests
// compare.
struct Document
{
    explicit Document(const QString& outline)
        : tree(outline, document.edits())
    {
    }

    std::unique_ptr<KamdelDocument> owner { KamdelPanel1::newDocument() };
    KamdelDocument& document = *owner;
    TreeOutline tree;

    LedStatesCommand* frame(int i) const { return qobject_cast<LedStatesCommand*>(tree.program->child(i)); }
    EditHistory* stack() const { return tree.edits->history(); }

    void select(const QVector<int>& rows)
    {
        QItemSelectionModel* selection = document.commandTreeView()->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(document.treeModel()->indexOf(frame(row)),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

// What the board draws of LED k, or what the tree holds for it: the value
// in the current frame and the marks of the frames before and after it.
QString ledSeen(const LedCell* cell, const LedCell* before, const LedCell* after)
{
    const auto value = [](const LedCell* c) { return c ? QString::number(c->value()) : QStringLiteral("-"); };
    return value(cell) + value(before) + value(after);
}

LedCell* cellOf(const AbstractTreeItem* item, int k)
{
    const auto* frame = qobject_cast<const LedStatesCommand*>(item);
    return frame ? frame->leds().at(k) : nullptr;
}

} // namespace

class tst_FrameEditor : public QObject
{
    Q_OBJECT

private slots:
    void tools_data();
    void tools();
    void duplicate();
    void runs_data();
    void runs();
    void generateSpin_data();
    void generateSpin();
    void insertFrames_data();
    void insertFrames();
    void newFramesStayInView();
    void generate_data();
    void generate();
    void generateRemembersParameters();
    void generateDialog_data();
    void generateDialog();
    void shippedPresets_data();
    void shippedPresets();
    void userPresets();
    void boardFollowsTree();
};

void tst_FrameEditor::tools_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("side");
    QTest::addColumn<QVector<int>>("selected");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("expected");

    const QString start = QStringLiteral("Program: frame 0+50, frame 5, frame");
    QTest::addRow("clockwise on the top side") << "rotateClockwise" << int(Top) << QVector<int> { 0 } << -1
                                               << "Program: frame 47+49, frame 5, frame";
    QTest::addRow("clockwise on the bottom side") << "rotateClockwise" << int(Bottom) << QVector<int> { 0 }
                                                  << -1 << "Program: frame 1+51, frame 5, frame";
    QTest::addRow("counter-clockwise on the bottom side")
        << "rotateCounterClockwise" << int(Bottom) << QVector<int> { 0, 1 } << -1
        << "Program: frame 47+49, frame 4, frame";
    QTest::addRow("shown frame when none is selected")
        << "clearFrames" << int(Top) << QVector<int> {} << 1 << "Program: frame 0+50, frame, frame";
    QTest::addRow("selection wins over the shown frame")
        << "mirrorLeftRight" << int(Top) << QVector<int> { 1 } << 0 << "Program: frame 0+50, frame 43, frame";
    QTest::addRow("mirror top-bottom") << "mirrorTopBottom" << int(Top) << QVector<int> { 0 } << -1
                                       << "Program: frame 24+70, frame 5, frame";
    QTest::addRow("rings outward") << "ringsOutward" << int(Top) << QVector<int> { 0, 1 } << -1
                                   << "Program: frame 48+98, frame 53, frame";
    QTest::addRow("rings inward") << "ringsInward" << int(Top) << QVector<int> { 0 } << -1
                                  << "Program: frame 2, frame 5, frame";
    QTest::addRow("fill") << "fillFrames" << int(Top) << QVector<int> { 2 } << -1 << [] {
        QStringList all;
        for (int k = 0; k < 192; ++k)
            all << QString::number(k);
        return "Program: frame 0+50, frame 5, frame " + all.join('+');
    }();
    QTest::addRow("clearing an empty frame changes nothing")
        << "clearFrames" << int(Top) << QVector<int> { 2 } << -1 << start;
    QTest::addRow("nothing selected or shown")
        << "invertFrames" << int(Top) << QVector<int> {} << -1 << start;
}

void tst_FrameEditor::tools()
{
    QFETCH(QString, tool);
    QFETCH(int, side);
    QFETCH(QVector<int>, selected);
    QFETCH(int, shown);
    QFETCH(QString, expected);

    Document doc("Program: frame 0+50, frame 5, frame");
    const QString before = doc.tree.outline();
    doc.document.panelScene()->setSide(eLedPanelSide(side));
    if (shown >= 0)
        doc.document.panelScene()->ledFrame(doc.frame(shown));
    doc.select(selected);

    QVERIFY(QMetaObject::invokeMethod(doc.document.frameEditor(), qPrintable(tool)));
    QCOMPARE(doc.tree.outline(), expected);
    // One step for all the frames it changed, none when nothing changed.
    QCOMPARE(doc.stack()->count(), expected == before ? 0 : 1);
    QCOMPARE(doc.document.isModified(), expected != before);
    doc.stack()->undo();
    QCOMPARE(doc.tree.outline(), before);
}

void tst_FrameEditor::duplicate()
{
    Document doc("Program: frame 1, frame 2, frame 3");
    doc.select({ 0, 2 });
    doc.document.frameEditor()->duplicateFrames();
    QCOMPARE(doc.tree.outline(), "Program: frame 1, frame 1, frame 2, frame 3, frame 3");
    QCOMPARE(doc.stack()->count(), 1);
    QCOMPARE(doc.stack()->undoText(), QStringLiteral("Duplicate"));
    doc.stack()->undo();
    QCOMPARE(doc.tree.outline(), "Program: frame 1, frame 2, frame 3");
}

void tst_FrameEditor::runs_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QVector<int>>("selected"); // rows; none: frame 1 is shown
    QTest::addColumn<int>("answer"); // 0 cancels
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("current"); // the row current afterwards

    QTest::addRow("hold the shown frame")
        << "holdFrame" << QVector<int>() << 2
        << "Program: frame 0, frame 1, frame 1, frame 1, reset, frame 2, stop" << 3;
    QTest::addRow("hold cancelled") << "holdFrame" << QVector<int>() << 0
                                    << "Program: frame 0, frame 1, reset, frame 2, stop" << 1;
    QTest::addRow("repeat the run between two picks")
        << "repeatFrames" << QVector<int> { 0, 3 } << 1
        << "Program: frame 0, frame 1, reset, frame 2, frame 0, frame 1, frame 2, stop" << 6;
    QTest::addRow("reverse around the reset") << "reverseFrames" << QVector<int> { 1, 3 } << 0
                                              << "Program: frame 0, frame 2, reset, frame 1, stop" << 3;
    QTest::addRow("ping-pong") << "pingPongFrames" << QVector<int> { 0, 3 } << 0
                               << "Program: frame 0, frame 1, reset, frame 2, frame 1, frame 0, stop" << 5;
}

// Each tool is one step that undo takes back whole; the last new frame is
// current.
void tst_FrameEditor::runs()
{
    QFETCH(QString, tool);
    QFETCH(QVector<int>, selected);
    QFETCH(int, answer);
    QFETCH(QString, expected);
    QFETCH(int, current);

    Questions::Scope answers;
    answers.count = [answer](QWidget*, const Questions::Count&, bool* ok) {
        *ok = answer > 0;
        return answer;
    };
    const QString before = "Program: frame 0, frame 1, reset, frame 2, stop";
    Document doc(before);
    doc.document.commandTreeView()->setCurrentItem(doc.frame(selected.isEmpty() ? 1 : selected.last()));
    doc.select(selected);
    QVERIFY(QMetaObject::invokeMethod(doc.document.frameEditor(), qPrintable(tool)));
    QCOMPARE(doc.tree.outline(), expected);
    QCOMPARE(doc.document.commandTreeView()->currentItem(), doc.tree.program->child(current));
    QCOMPARE(doc.stack()->count(), expected == before ? 0 : 1);
    doc.stack()->undo();
    QCOMPARE(doc.tree.outline(), before);
}

void tst_FrameEditor::generateSpin_data()
{
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("rings");
    QTest::addColumn<QString>("expected");

    QTest::addRow("quarter turns after the shown frame")
        << true << 12 << 0xF
        << "Program: frame 0, frame 1+48, frame 13+60, frame 25+72, frame 37+84, frame 2";
    QTest::addRow("only the second ring turns")
        << true << 24 << 0x2 << "Program: frame 0, frame 1+48, frame 1+72, frame 2";
    QTest::addRow("cancelled") << false << 1 << 0xF << "Program: frame 0, frame 1+48, frame 2";
}

void tst_FrameEditor::generateSpin()
{
    QFETCH(bool, answered);
    QFETCH(int, step);
    QFETCH(int, rings);
    QFETCH(QString, expected);

    Questions::Scope answers;
    answers.generate = [&](QWidget*, Questions::Generate* request) {
        request->effect.kind = EffectRequest::Spin;
        request->effect.step = step;
        request->effect.ringMask = rings;
        return answered;
    };
    Document doc("Program: frame 0, frame 1+48, frame 2");
    doc.document.panelScene()->ledFrame(doc.frame(1));
    doc.select({ 1 });
    doc.document.frameEditor()->generate();
    QCOMPARE(doc.tree.outline(), expected);
    QCOMPARE(doc.stack()->count(), answered ? 1 : 0);
}

void tst_FrameEditor::insertFrames_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("current"); // -1: none, -2: the Program itself
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("lastNew");

    QTest::addRow("after the shown frame")
        << 0 << -1 << "Program: frame 0, frame 7, frame 8, frame 1, frame 2" << 2;
    QTest::addRow("shown frame wins over the current row")
        << 2 << 0 << "Program: frame 0, frame 1, frame 2, frame 7, frame 8" << 4;
    QTest::addRow("after the current frame")
        << -1 << 1 << "Program: frame 0, frame 1, frame 7, frame 8, frame 2" << 3;
    QTest::addRow("at the end of the current Program")
        << -1 << -2 << "Program: frame 0, frame 1, frame 2, frame 7, frame 8" << 4;
    QTest::addRow("nothing shown: at the end of the Program")
        << -1 << -1 << "Program: frame 0, frame 1, frame 2, frame 7, frame 8" << 4;
}

void tst_FrameEditor::insertFrames()
{
    QFETCH(int, shown);
    QFETCH(int, current);
    QFETCH(QString, expected);
    QFETCH(int, lastNew);

    Document doc("Program: frame 0, frame 1, frame 2");
    CommandTreeView* tree = doc.document.commandTreeView();
    if (current >= 0)
        tree->setCurrentIndex(doc.document.treeModel()->indexOf(doc.frame(current)));
    else if (current == -2)
        tree->setCurrentIndex(doc.document.treeModel()->indexOf(doc.tree.program));
    // After the tree: picking a frame there shows it on the board.
    doc.document.panelScene()->ledFrame(shown >= 0 ? doc.frame(shown) : nullptr);
    QVector<int> seven(192, 0);
    QVector<int> eight(192, 0);
    seven[7] = 1;
    eight[8] = 1;

    QCOMPARE(doc.document.frameEditor()->insertFrames({ seven, eight }, QStringLiteral("Generate Chase")), 2);
    QCOMPARE(doc.tree.outline(), expected);
    QCOMPARE(doc.stack()->count(), 1);
    QCOMPARE(doc.stack()->undoText(), QStringLiteral("Generate Chase"));
    QCOMPARE(tree->currentItem(), doc.tree.program->child(lastNew));
    QCOMPARE(tree->selectionModel()->selectedRows().size(), 1);
    doc.stack()->undo();
    QCOMPARE(doc.tree.outline(), "Program: frame 0, frame 1, frame 2");
    doc.stack()->redo();
    QCOMPARE(doc.tree.outline(), expected);
}

// Many new frames: the last is current, the tree still shows the first.
void tst_FrameEditor::newFramesStayInView()
{
    Document doc("Program: frame 0, frame 1");
    CommandTreeView* tree = doc.document.commandTreeView();
    tree->window()->resize(500, 300);
    tree->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(tree->window()));
    tree->setCurrentItem(doc.frame(0));
    doc.document.frameEditor()->insertFrames(QVector<QVector<int>>(60).toList(), QStringLiteral("Add"));
    QCOMPARE(tree->currentItem(), doc.frame(60));
    QVERIFY(tree->viewport()->rect().intersects(
        tree->visualRect(doc.document.treeModel()->indexOf(doc.frame(1)))));
}

void tst_FrameEditor::generate_data()
{
    QTest::addColumn<EffectRequest>("effect");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("toFrame");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("undoText");

    const auto effect = [](EffectRequest::Kind kind, const std::function<void(EffectRequest&)>& set) {
        EffectRequest r;
        r.kind = kind;
        set(r);
        return r;
    };
    const EffectRequest chase = effect(EffectRequest::Chase, [](EffectRequest& r) {
        r.ringMask = 0x1;
        r.length = 2;
        r.step = 3;
        r.count = 2;
    });
    QTest::addRow("chase after the shown frame")
        << chase << int(Top) << 0 << "Program: frame 0, frame 1+48, frame 0+1, frame 3+4, frame 2"
        << "Generate Chase";
    QTest::addRow("blink repeats the shown frame")
        << effect(EffectRequest::Blink, [](EffectRequest& r) { r.times = 1; }) << int(Top) << 0
        << "Program: frame 0, frame 1+48, frame 1+48, frame, frame 2"
        << "Generate Blink";
    QTest::addRow("dissolve to the picked frame")
        << effect(EffectRequest::Dissolve, [](EffectRequest& r) { r.count = 1; }) << int(Bottom) << 1
        << "Program: frame 0, frame 1+48, frame 0, frame 2"
        << "Generate Dissolve";
    QTest::addRow("bad parameters add nothing")
        << effect(EffectRequest::Ripple, [](EffectRequest& r) { r.width = 5; }) << int(Top) << 0
        << "Program: frame 0, frame 1+48, frame 2" << QString();
}

void tst_FrameEditor::generate()
{
    QFETCH(EffectRequest, effect);
    QFETCH(int, side);
    QFETCH(int, toFrame);
    QFETCH(QString, expected);
    QFETCH(QString, undoText);

    Questions::Scope answers;
    answers.generate = [&](QWidget*, Questions::Generate* request) {
        request->effect = effect;
        request->toFrame = toFrame;
        return true;
    };
    Document doc("Program: frame 0, frame 1+48, frame 2");
    doc.document.panelScene()->setSide(eLedPanelSide(side));
    doc.document.panelScene()->ledFrame(doc.frame(1));
    doc.document.frameEditor()->generate();
    QCOMPARE(doc.tree.outline(), expected);
    QCOMPARE(doc.stack()->undoText(), undoText);
}

void tst_FrameEditor::generateRemembersParameters()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSettings settings(dir.filePath(QStringLiteral("editor.ini")), QSettings::IniFormat);
    EffectRequest asked;
    Questions::Scope answers;
    answers.generate = [&](QWidget*, Questions::Generate* request) {
        asked = request->effect;
        request->effect.kind = EffectRequest::Fill;
        request->effect.start = 5;
        request->effect.direction = 1;
        request->effect.perFrame = 24;
        return true;
    };
    {
        Document doc("Program: frame 0");
        doc.document.panelScene()->setSide(Top);
        doc.document.frameEditor()->setSettings(&settings);
        doc.document.frameEditor()->generate();
        QCOMPARE(doc.tree.program->childCount(), 3);
    }
    // Another document, the other side: same kind, same numbers, and the
    // fill keeps running the same way round as seen.
    Document doc("Program: frame 0");
    doc.document.panelScene()->setSide(Bottom);
    doc.document.frameEditor()->setSettings(&settings);
    doc.document.frameEditor()->generate();
    QCOMPARE(asked.kind, EffectRequest::Fill);
    QCOMPARE(asked.start, 5);
    QCOMPARE(asked.perFrame, 24);
    QCOMPARE(asked.direction, -1);
}

void tst_FrameEditor::generateDialog_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("clockwise");
    QTest::addColumn<int>("step");

    QTest::addRow("clockwise from the top") << int(Top) << true << -2;
    QTest::addRow("clockwise from the bottom") << int(Bottom) << true << 2;
    QTest::addRow("counter-clockwise from the top") << int(Top) << false << 2;
}

void tst_FrameEditor::generateDialog()
{
    QFETCH(int, side);
    QFETCH(bool, clockwise);
    QFETCH(int, step);

    GenerateDialog dialog;
    dialog.setSide(eLedPanelSide(side));
    dialog.setKind(EffectRequest::Chase);
    auto* clockwiseBox = dialog.findChild<QCheckBox*>(QStringLiteral("chaseClockwiseCheckBox"));
    auto* stepBox = dialog.findChild<QSpinBox*>(QStringLiteral("chaseStepSpinBox"));
    auto* countBox = dialog.findChild<QSpinBox*>(QStringLiteral("chaseCountSpinBox"));
    auto* ring1 = dialog.findChild<QCheckBox*>(QStringLiteral("ring1CheckBox"));
    QVERIFY(clockwiseBox && stepBox && countBox && ring1);
    QCOMPARE(ring1->text(), QStringLiteral("R2"));
    clockwiseBox->setChecked(clockwise);
    stepBox->setValue(2);
    countBox->setValue(10);
    ring1->setChecked(false);
    QCOMPARE(dialog.request().step, step);
    QCOMPARE(dialog.request().ringMask, 0xD);
    QCOMPARE(dialog.frames().size(), 10);
    QCOMPARE(dialog.frames(), Effects::chase(0xD, 4, 1, step, 10));

    // The weight follows the frames; past the panel's memory it turns red.
    dialog.setImageBytes(7700, 25);
    QCOMPARE(dialog.weighedBytes(), 7950);
    QVERIFY(!dialog.isOverCapacity());
    countBox->setValue(20);
    QCOMPARE(dialog.weighedBytes(), 8200);
    QVERIFY(dialog.isOverCapacity());
    auto* weight = dialog.findChild<QLabel*>(QStringLiteral("weightLabel"));
    QVERIFY(weight->styleSheet().contains(QStringLiteral("#c00000")));

    // The preview goes round the frames.
    for (int k = 1; k <= 20; ++k) {
        dialog.showNextFrame();
        QCOMPARE(dialog.previewFrame(), k % 20);
    }

    // Frames that need a shown frame say so until there is one.
    dialog.setKind(EffectRequest::Dissolve);
    QVERIFY(!dialog.problem().isEmpty());
    QVERIFY(dialog.frames().isEmpty());
    QVector<int> lit(192, 1);
    dialog.setFrames({ QVector<int>(192, 0), lit, QVector<int>(192, 0) }, 1);
    QCOMPARE(dialog.toFrame(), 2);
    QCOMPARE(dialog.problem(), QString());
    QCOMPARE(dialog.frames().last(), lit);
    dialog.setFrames({ QVector<int>(192, 0), lit }, 2);
    QCOMPARE(dialog.toFrame(), 1);

    // Fill's start counts from 1 as the board names LEDs; the effect from 0.
    dialog.setKind(EffectRequest::Fill);
    dialog.findChild<QSpinBox*>(QStringLiteral("fillStartSpinBox"))->setValue(1);
    QCOMPARE(dialog.request().start, 0);
    QCOMPARE(dialog.frames().first().indexOf(1), 0);
}

void tst_FrameEditor::shippedPresets_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("firstLit");
    QTest::addRow("comet") << int(EffectRequest::Chase) << "Comet" << 48 << 4 * 6;
    QTest::addRow("progress ring") << int(EffectRequest::Fill) << "Progress ring" << 48 << 4;
    QTest::addRow("pulse out") << int(EffectRequest::Ripple) << "Pulse out" << 6 << 48;
    QTest::addRow("heartbeat") << int(EffectRequest::Blink) << "Heartbeat" << 4 << 192;
    QTest::addRow("starfield") << int(EffectRequest::Twinkle) << "Starfield" << 40 << -1;
}

// Each kind lists only its own shipped preset, which fills the page and
// stays, whatever the settings hold.
void tst_FrameEditor::shippedPresets()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(int, frames);
    QFETCH(int, firstLit);
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("editor.ini")), QSettings::IniFormat);
    GeneratePresets presets(&settings);
    GenerateDialog dialog;
    dialog.setPresets(&presets);
    dialog.setFrames({ QVector<int>(192, 1) }, 1);
    dialog.setKind(EffectRequest::Kind(kind));
    auto* box = dialog.findChild<QComboBox*>(QStringLiteral("presetComboBox"));
    QCOMPARE(box->count(), 1);
    QCOMPARE(box->itemText(0), name);
    emit box->activated(0);
    QCOMPARE(dialog.frames().size(), frames);
    if (firstLit >= 0)
        QCOMPARE(dialog.frames().first().count(1), firstLit);
    QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("deletePresetButton"))->isEnabled());
    QVERIFY(settings.allKeys().isEmpty());
}

void tst_FrameEditor::userPresets()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("editor.ini")), QSettings::IniFormat);
    GeneratePresets presets(&settings);
    GenerateDialog dialog;
    dialog.setSide(Top);
    dialog.setPresets(&presets);
    dialog.setKind(EffectRequest::Chase);
    auto* box = dialog.findChild<QComboBox*>(QStringLiteral("presetComboBox"));
    auto* length = dialog.findChild<QSpinBox*>(QStringLiteral("chaseLengthSpinBox"));
    dialog.findChild<QCheckBox*>(QStringLiteral("chaseClockwiseCheckBox"))->setChecked(true);
    QStringList names { "Mine", "Mine", "Comet" };
    int asked = 0;
    Questions::Scope answers;
    answers.dialog = [&](QDialog& input) {
        qobject_cast<QInputDialog*>(&input)->setTextValue(names.takeFirst());
        return int(QDialog::Accepted);
    };
    answers.message = [&](QWidget*, const Questions::Message&) { return ++asked, QMessageBox::Yes; };
    for (int value : { 9, 10, 11 }) {
        length->setValue(value);
        dialog.findChild<QPushButton*>(QStringLiteral("savePresetButton"))->click();
    }
    // Replacing was asked; the shipped name was refused.
    QCOMPARE(asked, 2);
    QCOMPARE(box->count(), 2);
    // Kept as seen, clockwise positive, for the next run.
    GeneratePresets::Preset mine;
    QVERIFY(GeneratePresets(&settings).find(EffectRequest::Chase, QStringLiteral("Mine"), &mine));
    QCOMPARE(mine.request.length, 10);
    QCOMPARE(mine.request.step, 1);
    dialog.setKind(EffectRequest::Fill);
    QCOMPARE(box->findText(QStringLiteral("Mine")), -1);
    dialog.setKind(EffectRequest::Chase);
    emit box->activated(box->findText(QStringLiteral("Mine")));
    QCOMPARE(dialog.request().length, 10);
    QCOMPARE(dialog.request().step, -1);
    dialog.findChild<QPushButton*>(QStringLiteral("deletePresetButton"))->click();
    QVERIFY(!GeneratePresets(&settings).find(EffectRequest::Chase, QStringLiteral("Mine"), &mine));
}

// Whatever the edits, undos and redos, the board draws the frame the tree
// has current, with the marks of the frames beside it there.
void tst_FrameEditor::boardFollowsTree()
{
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    QStringList items;
    for (int i = 0; i < 30; ++i)
        items << (i % 10 == 9
                ? QStringLiteral("stop")
                : QStringLiteral("frame %1+%2").arg(random.bounded(192)).arg(random.bounded(192)));
    Document doc("Program: " + items.join(", "));
    CommandTreeView* tree = doc.document.commandTreeView();
    FrameEditor* editor = doc.document.frameEditor();
    tree->setCurrentItem(doc.frame(0));
    for (int step = 0; step < 400; ++step) {
        AbstractTreeItem* some = doc.tree.program->child(int(random.bounded(doc.tree.program->childCount())));
        switch (random.bounded(8)) {
        case 0:
            tree->setCurrentItem(some);
            break;
        case 1:
        case 2:
            editor->duplicateFrames();
            break;
        case 3:
            editor->insertFrame(random.bounded(2));
            break;
        case 4:
            if (doc.tree.program->childCount() > 3)
                tree->removeItem();
            break;
        case 5:
            doc.stack()->undo();
            break;
        case 6:
            doc.stack()->redo();
            break;
        default:
            if (auto* frame = qobject_cast<LedStatesCommand*>(some))
                doc.tree.edits->setLedValue(
                    frame->leds().at(int(random.bounded(192))), int(random.bounded(2)));
        }
        const LedStatesCommand* shown = WidgetStack::frameInEffect(tree->currentItem());
        const QList<LedItem*>& leds = doc.document.panelScene()->ledItems();
        for (int k = 0; k < leds.size(); ++k) {
            const QString expected
                = ledSeen(cellOf(shown, k), shown ? cellOf(shown->previousItem(), k) : nullptr,
                    shown ? cellOf(shown->nextItem(), k) : nullptr);
            const QString drawn = ledSeen(leds.at(k)->current(), leds.at(k)->previous(), leds.at(k)->next());
            QVERIFY2(drawn == expected,
                qPrintable(QStringLiteral("seed %1, step %2, LED %3: %4 drawn, %5 in the tree")
                               .arg(seed)
                               .arg(step)
                               .arg(k)
                               .arg(drawn, expected)));
        }
    }
}

QTEST_MAIN(tst_FrameEditor)
#include "tst_frameeditor.moc"
