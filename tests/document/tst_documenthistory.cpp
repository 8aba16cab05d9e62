#include "KamdelPanel1.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/StopCommand.h"

#include "edits/EditHistory.h"
#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QByteArray xmlOf(KamdelDocument& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    document.writeXML(&buffer);
    return buffer.data();
}

// Every item below the device, in tree order.
QList<AbstractTreeItem*> itemsOf(AbstractTreeItem* item)
{
    QList<AbstractTreeItem*> items;
    for (AbstractTreeItem* child : item->children())
        items << child << itemsOf(child);
    return items;
}

QList<LedStatesCommand*> framesOf(AbstractTreeItem* device)
{
    QList<LedStatesCommand*> frames;
    for (AbstractTreeItem* item : itemsOf(device)) {
        if (auto* frame = qobject_cast<LedStatesCommand*>(item))
            frames << frame;
    }
    return frames;
}

// One random edit through the edit path, the kinds a user makes.
void randomEdit(KamdelDocument& document, QRandomGenerator& random)
{
    DocumentEdits* edits = document.edits();
    AbstractTreeItem* device = document.deviceItem();
    const QList<AbstractTreeItem*> items = itemsOf(device);
    const QList<LedStatesCommand*> frames = framesOf(device);
    AbstractTreeItem* any = items.at(random.bounded(items.size()));
    const auto containerOf = [](AbstractTreeItem* item) {
        return item->type() == AbstractTreeItem::Program || item->type() == AbstractTreeItem::Function
            ? item
            : item->parentItem();
    };
    switch (random.bounded(7)) {
    case 0: // a click
        if (!frames.isEmpty()) {
            LedCell* cell = frames.at(random.bounded(frames.size()))->leds().at(random.bounded(192));
            edits->setLedValue(cell, 1 - cell->value());
        }
        break;
    case 1: { // a stroke in several parts
        if (frames.isEmpty())
            break;
        const int stroke = edits->newStroke();
        LedStatesCommand* frame = frames.at(random.bounded(frames.size()));
        for (int i = 0; i < 5; ++i)
            edits->setLedValues(
                { { frame->leds().at(random.bounded(192)), 1 } }, QStringLiteral("Paint"), stroke);
        break;
    }
    case 2: { // a table edit over frames
        QVector<DocumentEdits::CellChange> changes;
        for (int i = 0; i < 20 && !frames.isEmpty(); ++i)
            changes.append({ frames.at(random.bounded(frames.size()))->leds().at(random.bounded(192)),
                int(random.bounded(2)) });
        edits->setLedValues(changes);
        break;
    }
    case 3: { // frames added as one step
        edits->beginStep(QStringLiteral("Add frames"));
        AbstractTreeItem* container = containerOf(any);
        if (container && container != device) {
            for (int i = 0; i < 3; ++i)
                edits->insertItem(
                    int(random.bounded(container->childCount() + 1)), new LedStatesCommand, container);
        }
        edits->endStep();
        break;
    }
    case 4: // a collection
        edits->appendItem(new FunctionItem, device);
        break;
    case 5: { // a removal of several items
        QList<AbstractTreeItem*> doomed;
        // The program stays, as the tree's menu keeps it.
        for (int i = 0; i < 3; ++i)
            doomed << items.at(random.bounded(items.size()));
        doomed.removeAll(device->child(0));
        edits->removeItems(doomed);
        break;
    }
    case 6: { // a stop beside an item
        AbstractTreeItem* container = containerOf(any);
        if (container && container != device)
            edits->insertItem(any->parentItem() == container ? any->row() : 0, new StopCommand, container);
        break;
    }
    }
}

} // namespace

class tst_DocumentHistory : public QObject
{
    Q_OBJECT

private slots:
    void randomEditsUndoExactly_data();
    void randomEditsUndoExactly();
    void unchangedEditsRecordNothing();
};

void tst_DocumentHistory::randomEditsUndoExactly_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("savedAt");
    for (quint32 seed : { 1u, 7u, 42u, 1234u, 99991u })
        QTest::addRow("seed %u", seed) << seed << int(seed % 30);
}

void tst_DocumentHistory::randomEditsUndoExactly()
{
    QFETCH(quint32, seed);
    QFETCH(int, savedAt);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    KamdelPanel1 document;
    EditHistory* stack = document.edits()->history();
    QRandomGenerator random(seed);
    QList<QByteArray> states { xmlOf(document) };
    int savedIndex = 0; // a new document is unmodified
    for (int i = 0; i < 60; ++i) {
        if (i == savedAt) {
            QVERIFY(document.save(dir.filePath(QStringLiteral("saved.xml"))));
            savedIndex = stack->index();
        }
        randomEdit(document, random);
        // A step is recorded exactly when the document changed.
        const QByteArray now = xmlOf(document);
        QCOMPARE(stack->index() != states.size() - 1, now != states.last());
        if (stack->index() == states.size())
            states << now;
        QCOMPARE(document.isModified(), stack->index() != savedIndex);
    }

    // Back to the start, step by step, and forward again: each state exactly.
    for (int index = stack->index(); index > 0; --index) {
        stack->undo();
        QCOMPARE(xmlOf(document), states.at(index - 1));
        QCOMPARE(document.isModified(), stack->index() != savedIndex);
    }
    for (int index = 1; index < states.size(); ++index) {
        stack->redo();
        QCOMPARE(xmlOf(document), states.at(index));
        QCOMPARE(document.isModified(), stack->index() != savedIndex);
    }
}

void tst_DocumentHistory::unchangedEditsRecordNothing()
{
    KamdelPanel1 document;
    EditHistory* stack = document.edits()->history();
    auto* frame = new LedStatesCommand;
    document.edits()->appendItem(frame, document.deviceItem()->child(0));
    QCOMPARE(stack->count(), 1);

    document.edits()->setLedValue(frame->leds().at(0), 0);
    document.edits()->setLedValues({ { frame->leds().at(1), 1 }, { frame->leds().at(1), 0 } });
    document.edits()->beginStep(QStringLiteral("Nothing"));
    document.edits()->removeItems({ document.deviceItem() });
    document.edits()->endStep();
    QCOMPARE(stack->count(), 1);
    QVERIFY(document.isModified());
    stack->undo();
    QVERIFY(!document.isModified());
}

QTEST_MAIN(tst_DocumentHistory)
#include "tst_documenthistory.moc"
