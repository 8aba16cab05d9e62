// The document history keeps QUndoStack's rules: random runs of the same
// calls on both give the same places, texts and clean states.
#include "edits/EditHistory.h"
#include "edits/EditStep.h"

#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

namespace {

// Adds to a counter; steps of the same stroke merge, as LED strokes do.
template <typename Base> class Add : public Base
{
public:
    Add(int* value, int amount, int stroke)
        : Base(QStringLiteral("Add %1").arg(amount))
        , m_value(value)
        , m_amount(amount)
        , m_stroke(stroke)
    {
    }
    int id() const override { return m_stroke > 0 ? 1 : -1; }
    bool mergeWith(const Base* other) override
    {
        const auto* next = static_cast<const Add*>(other);
        if (next->m_stroke != m_stroke)
            return false;
        m_amount += next->m_amount;
        return true;
    }
    void redo() override { *m_value += m_amount; }
    void undo() override { *m_value -= m_amount; }

private:
    int* m_value;
    int m_amount;
    int m_stroke;
};

} // namespace

class tst_EditHistory : public QObject
{
    Q_OBJECT

private slots:
    void behavesAsQUndoStack();
};

void tst_EditHistory::behavesAsQUndoStack()
{
    for (int seed = 1; seed <= 50; ++seed) {
        QRandomGenerator random(seed);
        EditHistory history;
        QUndoStack stack;
        QSignalSpy historyClean(&history, &EditHistory::cleanChanged);
        QSignalSpy stackClean(&stack, &QUndoStack::cleanChanged);
        int ours = 0;
        int theirs = 0;
        for (int call = 0; call < 200; ++call) {
            const int amount = random.bounded(1, 10);
            const int stroke = random.bounded(3);
            switch (random.bounded(7)) {
            case 0:
            case 1:
                history.push(new Add<EditStep>(&ours, amount, stroke));
                stack.push(new Add<QUndoCommand>(&theirs, amount, stroke));
                break;
            case 2:
                history.undo();
                stack.undo();
                break;
            case 3:
                history.redo();
                stack.redo();
                break;
            case 4:
                history.setClean();
                stack.setClean();
                break;
            case 5:
                history.resetClean();
                stack.resetClean();
                break;
            default:
                if (random.bounded(10) == 0) {
                    history.clear();
                    stack.clear();
                }
            }
            const QString where = QStringLiteral("seed %1, call %2").arg(seed).arg(call);
            QVERIFY2(ours == theirs && history.count() == stack.count() && history.index() == stack.index(),
                qPrintable(where));
            QVERIFY2(history.isClean() == stack.isClean() && history.undoText() == stack.undoText()
                    && history.redoText() == stack.redoText() && historyClean == stackClean,
                qPrintable(where));
        }
    }
}

QTEST_MAIN(tst_EditHistory)
#include "tst_edithistory.moc"
