// document_shots: grabs PNG screenshots of a new document of each panel model
// in a window of its own, for review: as it opens, with an LED frame on the
// board picture (a few LEDs lit, the frames before and after it hinted) fitted
// into the view, and with the LED table opened on a few frames.
//
// Usage:
//   document_shots [output folder]        (default: the current folder)
//
// Needs the board pictures beside this program (the build draws them there)
// and a display: run it under `xvfb-run -a` or with -platform offscreen.
// Writes document_<model>_open.png, document_<model>_board.png and
// document_<model>_table.png.

#include "HighDpi.h"
#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "ShotFiles.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelTableView.h"
#include "views/LedPanelView.h"
#include "views/WidgetStack.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QItemSelection>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <initializer_list>
#include <memory>

namespace {

using namespace ShotFiles;

struct Model
{
    const char* label;
    KamdelDocument* (*create)();
};

const Model Models[] = {
    { "zq-ring-a", &KamdelPanel1::newDocument },
    { "zq-ring-b", &KamdelPanel2::newDocument },
};

ProgramItem* programOf(KamdelDocument& document)
{
    return qobject_cast<ProgramItem*>(document.deviceItem()->child(0));
}

LedStatesCommand* frameAt(KamdelDocument& document, int row)
{
    return qobject_cast<LedStatesCommand*>(programOf(document)->child(row));
}

// Right click on the program, "Append" > "LedStates", answer `count`.
void appendFrames(KamdelDocument& document, int count)
{
    CommandTreeView* tree = document.commandTreeView();
    tree->setCurrentIndex(document.treeModel()->indexOf(programOf(document)));
    Questions::Scope answers;
    answers.count = [count](QWidget*, const Questions::Count&, bool* ok) {
        *ok = true;
        return count;
    };
    tree->appendLedStates();
}

// Lights the LEDs through the document's edit path, as clicks on the board do.
void light(KamdelDocument& document, LedStatesCommand* frame, std::initializer_list<int> leds)
{
    QVector<DocumentEdits::CellChange> changes;
    for (int k : leds)
        changes.append({ frame->leds().at(k), 1 });
    document.edits()->setLedValues(changes);
}

void clickRow(KamdelDocument& document, int row)
{
    document.commandTreeView()->selectionModel()->setCurrentIndex(
        document.treeModel()->indexOf(frameAt(document, row)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Click on the first frame, shift-click on the last.
void selectRows(KamdelDocument& document, int first, int last)
{
    CommandTreeView* tree = document.commandTreeView();
    const QModelIndex from = document.treeModel()->indexOf(frameAt(document, first));
    const QModelIndex to = document.treeModel()->indexOf(frameAt(document, last));
    tree->selectionModel()->setCurrentIndex(to, QItemSelectionModel::NoUpdate);
    tree->selectionModel()->select(
        QItemSelection(from, to), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

int main(int argc, char* argv[])
{
    HighDpi::enable();
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    bool ok = true;
    for (const Model& model : Models) {
        std::unique_ptr<KamdelDocument> document(model.create());
        document->resize(1000, 700);
        document->show();
        settle();
        const QString name = QStringLiteral("document_%1_").arg(QLatin1String(model.label));

        // Five frames: a light running round ring 1, a spoke and the start
        // of every ring in the middle one.
        appendFrames(*document, 5);
        light(*document, frameAt(*document, 0), { 48 + 0, 48 + 1, 6 });
        light(*document, frameAt(*document, 1), { 48 + 2, 48 + 3, 48 + 4, 48 + 5, 6, 7 });
        light(*document, frameAt(*document, 2),
            { 0, 1, 2, 3, 4, 5, 6, 7, 48, 49, 96, 97, 144, 145, 12, 60, 108, 156, 36, 84, 132, 180 });
        light(*document, frameAt(*document, 3), { 48 + 5, 48 + 6, 48 + 7, 48 + 8, 8, 9, 5 });
        light(*document, frameAt(*document, 4), { 48 + 9, 48 + 10, 10, 11 });
        document->commandTreeView()->expandAll();

        // The middle frame as the document first shows it, then fitted.
        clickRow(*document, 2);
        settle();
        ok = save(document.get(), out, name + "open.png") && ok;
        document->ledPanelView()->zoomFit();
        settle();
        ok = save(document.get(), out, name + "board.png") && ok;

        // "TableEdit" on frames 2 to 4.
        selectRows(*document, 1, 3);
        document->commandTreeView()->tableEdit();
        settle();
        ok = save(document.get(), out, name + "table.png") && ok;
    }
    return ok ? 0 : 1;
}
