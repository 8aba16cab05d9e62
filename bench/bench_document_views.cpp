// Times a new document of each panel model and the work a user does in it on
// large programs, through the real widgets: the document with both board
// pictures, TableEdit on 1,000 frames, pasting a 4 x 48 block onto 100
// frames (19,200 cells), removing 1,000 selected frames through the tree.
// Prints the memory a new document of each model takes, each measured in a
// fresh process of its own so that one model's peak does not hide the other's.
//
// Run it from the build's bin folder (it loads the board pictures from beside
// itself); it uses the offscreen platform unless another one is set.
//   bench_document_views                  all figures
//   bench_document_views --memory 1|2     the memory of one model (used by the above)

#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "Stopwatch.h"
#include "dialogs/Questions.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelTableView.h"
#include "views/LedPanelView.h"
#include "views/WidgetStack.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QItemSelection>
#include <QProcess>
#include <QStackedWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Sample = Stopwatch::Sample;

Sample take(const Stopwatch& timer)
{
    return timer.take();
}

constexpr int FrameCount = 1000;
constexpr int PastedFrames = 100;
constexpr int Runs = 5;
const QSize WindowSize(1000, 700);

QString figure(const Sample& sample)
{
    return QStringLiteral("%1 ms (%2 ms CPU)").arg(sample.wall, 0, 'f', 1).arg(sample.cpu, 0, 'f', 1);
}

QString verdict(const Sample& sample, double targetMs)
{
    return sample.wall < targetMs ? QStringLiteral("met") : QStringLiteral("MISSED");
}

void print(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// A figure of /proc/self/status in MB: "VmRSS" now, "VmHWM" the peak so far.
double statusMB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// Counts the paints of a widget, so that a timing covers what the user sees.
class PaintCounter : public QObject
{
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

bool waitForPaint(const PaintCounter& counter, int before)
{
    for (int i = 0; i < 200 && counter.paints == before; ++i)
        QCoreApplication::processEvents();
    return counter.paints > before;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

using Factory = KamdelDocument* (*)();

struct Model
{
    const char* label;
    Factory create;
};

const Model Models[] = {
    { "ZQ-RING-A (KamdelPanel1, 3503 px pictures)", &KamdelPanel1::newDocument },
    { "ZQ-RING-B (KamdelPanel2, 2370 px pictures)", &KamdelPanel2::newDocument },
};

const Model& modelOf(int number)
{
    return Models[number == 2 ? 1 : 0];
}

ProgramItem* programOf(KamdelDocument& document)
{
    return qobject_cast<ProgramItem*>(document.deviceItem()->child(0));
}

WidgetStack* stackOf(KamdelDocument& document)
{
    return document.findChild<WidgetStack*>(QStringLiteral("widgetStack"));
}

QModelIndex indexOf(KamdelDocument& document, AbstractTreeItem* item)
{
    return document.treeModel()->indexOf(item);
}

// Right click on the program, "Append" > "LedStates", answer `count`.
void appendFrames(KamdelDocument& document, int count)
{
    CommandTreeView* tree = document.commandTreeView();
    tree->setCurrentIndex(indexOf(document, programOf(document)));
    Questions::Scope answers;
    answers.count = [count](QWidget*, const Questions::Count&, bool* ok) {
        *ok = true;
        return count;
    };
    tree->appendLedStates();
}

// Click on the first frame, shift-click on the last: whole rows selected,
// the last one current.
void selectFrames(KamdelDocument& document, int first, int last)
{
    CommandTreeView* tree = document.commandTreeView();
    ProgramItem* program = programOf(document);
    const QModelIndex from = indexOf(document, program->child(first));
    const QModelIndex to = indexOf(document, program->child(last));
    tree->selectionModel()->setCurrentIndex(to, QItemSelectionModel::NoUpdate);
    tree->selectionModel()->select(
        QItemSelection(from, to), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Click on the program: the table page leaves and forgets its frames.
void clickProgram(KamdelDocument& document)
{
    CommandTreeView* tree = document.commandTreeView();
    tree->selectionModel()->setCurrentIndex(indexOf(document, programOf(document)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    settle();
}

QString copiedBlock()
{
    QString text;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 48; ++column) {
            if (column > 0)
                text += QLatin1Char('\t');
            text += (row + column) % 3 ? QLatin1Char('0') : QLatin1Char('1');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

bool pastedRight(ProgramItem* program, int run)
{
    // Every frame of the selection holds the block; the frame after it keeps
    // what the run before wrote.
    for (int f = 0; f < PastedFrames; ++f) {
        const auto* frame = qobject_cast<LedStatesCommand*>(program->child(f));
        for (int k = 0; k < LedStatesCommand::LedCount; ++k) {
            const int expected = (k / 48 + k % 48) % 3 ? 0 : 1;
            if (frame->leds().at(k)->value() != expected)
                return false;
        }
    }
    const auto* after = qobject_cast<LedStatesCommand*>(program->child(PastedFrames));
    return after->leds().at(1)->value() == run % 2;
}

void fillFrames(ProgramItem* program, int frames, int value)
{
    for (int f = 0; f < frames; ++f) {
        for (LedCell* cell : qobject_cast<LedStatesCommand*>(program->child(f))->leds())
            cell->setValue(value);
    }
}

bool benchNewDocument(const Model& model)
{
    // The first call of a run pays for the image plugin and the like; later
    // calls are what a user sees on File > New.
    Stopwatch timer;
    std::unique_ptr<KamdelDocument> first(model.create());
    const Sample firstCall = take(timer);
    const bool pictures = first->panelScene() && first->panelScene()->sceneRect().topLeft() == QPointF(0, 0)
        && first->panelScene()->sceneRect().width() > 2000;

    // Later calls, with the previous document still open (the editor builds
    // the new one before it lets go of the old one), then closed.
    std::vector<Sample> later;
    for (int run = 0; run < Runs; ++run) {
        timer.restart();
        std::unique_ptr<KamdelDocument> next(model.create());
        later.push_back(take(timer));
        first = std::move(next);
    }
    first.reset();
    std::vector<Sample> alone;
    for (int run = 0; run < Runs; ++run) {
        timer.restart();
        std::unique_ptr<KamdelDocument> next(model.create());
        alone.push_back(take(timer));
    }

    // What the user waits for: the document built and painted in its window.
    std::vector<Sample> shown;
    std::vector<Sample> fitted;
    std::vector<Sample> repainted;
    for (int run = 0; run < Runs; ++run) {
        timer.restart();
        std::unique_ptr<KamdelDocument> document(model.create());
        PaintCounter counter;
        document->resize(WindowSize);
        document->show();
        document->ledPanelView()->viewport()->installEventFilter(&counter);
        CommandTreeView* tree = document->commandTreeView();
        tree->setCurrentIndex(indexOf(*document, programOf(*document)));
        tree->appendLedState();
        waitForPaint(counter, 0);
        shown.push_back(take(timer));

        // "Fin in view": the whole board, drawn from a reduced copy of the
        // picture that the first such paint builds.
        QWidget* viewport = document->ledPanelView()->viewport();
        int before = counter.paints;
        timer.restart();
        document->ledPanelView()->zoomFit();
        viewport->update();
        waitForPaint(counter, before);
        fitted.push_back(take(timer));
        before = counter.paints;
        timer.restart();
        viewport->update();
        waitForPaint(counter, before);
        repainted.push_back(take(timer));
    }

    const Sample laterCall = Stopwatch::median(later);
    const Sample aloneCall = Stopwatch::median(alone);
    const Sample slower = laterCall.wall > aloneCall.wall ? laterCall : aloneCall;
    print(QStringLiteral("  newDocument(): first call %1; later calls, median of %2: %3 with a document "
                         "open, %4 alone; target < 500 ms: %5")
              .arg(figure(firstCall))
              .arg(Runs)
              .arg(figure(laterCall), figure(aloneCall), verdict(slower, 500)));
    print(QStringLiteral(
        "  newDocument() shown in a %1 x %2 window with a frame on the board, median of %3: %4")
              .arg(WindowSize.width())
              .arg(WindowSize.height())
              .arg(Runs)
              .arg(figure(Stopwatch::median(shown))));
    print(QStringLiteral(
        "  then \"Fin in view\" and its paint, median of %1: %2; a repaint of the whole board: %3")
              .arg(Runs)
              .arg(figure(Stopwatch::median(fitted)), figure(Stopwatch::median(repainted))));
    if (!pictures)
        print(QStringLiteral("  WRONG RESULT: the board pictures did not load"));
    return pictures;
}

bool benchLargeProgram(const Model& model)
{
    std::unique_ptr<KamdelDocument> document(model.create());
    document->resize(WindowSize);
    document->show();
    settle();
    WidgetStack* stack = stackOf(*document);
    LedPanelTableView* table = stack->tableView();
    PaintCounter counter;
    table->viewport()->installEventFilter(&counter);
    ProgramItem* program = programOf(*document);
    CommandTreeView* tree = document->commandTreeView();
    bool right = true;

    Stopwatch timer;
    appendFrames(*document, FrameCount);
    settle();
    const Sample appended = take(timer);
    right &= program->childCount() == FrameCount;

    // TableEdit on all frames, from the board page each time.
    std::vector<Sample> opens;
    Sample firstOpen;
    for (int run = 0; run <= Runs; ++run) {
        clickProgram(*document);
        selectFrames(*document, 0, FrameCount - 1);
        settle();
        const int before = counter.paints;
        timer.restart();
        tree->tableEdit();
        right &= waitForPaint(counter, before);
        const Sample sample = take(timer);
        if (run == 0)
            firstOpen = sample;
        else
            opens.push_back(sample);
        right &= stack->currentWidget() == table && table->model()->rowCount() == FrameCount * 4;
    }

    // Select the first 100 frames' rows in the table and paste the block.
    const QAbstractItemModel* cells = table->model();
    const QItemSelection target(cells->index(0, 0), cells->index(PastedFrames * 4 - 1, 47));
    std::vector<Sample> pastes;
    for (int run = 0; run < Runs; ++run) {
        fillFrames(program, PastedFrames + 1, run % 2);
        QGuiApplication::clipboard()->setText(copiedBlock());
        table->setFocus();
        table->selectionModel()->setCurrentIndex(cells->index(0, 0), QItemSelectionModel::NoUpdate);
        table->selectionModel()->select(target, QItemSelectionModel::ClearAndSelect);
        settle();
        const int before = counter.paints;
        timer.restart();
        table->pasteData();
        right &= waitForPaint(counter, before);
        pastes.push_back(take(timer));
        right &= pastedRight(program, run);
    }
    right &= document->isModified();

    // Remove all frames through the tree: select them, "Remove Item".
    std::vector<Sample> removals;
    PaintCounter treePaints;
    tree->viewport()->installEventFilter(&treePaints);
    for (int run = 0; run < Runs; ++run) {
        if (program->childCount() == 0)
            appendFrames(*document, FrameCount);
        clickProgram(*document);
        tree->tableEdit(); // nothing selected but the program: no table
        selectFrames(*document, 0, FrameCount - 1);
        tree->tableEdit(); // the table shows the frames about to go
        settle();
        const int before = treePaints.paints;
        timer.restart();
        tree->removeItem();
        right &= waitForPaint(treePaints, before);
        removals.push_back(take(timer));
        right &= program->childCount() == 0 && table->model()->rowCount() == 0;
    }

    const Sample open = Stopwatch::median(opens);
    const Sample paste = Stopwatch::median(pastes);
    const Sample removal = Stopwatch::median(removals);
    print(QStringLiteral("  append %1 frames (\"Append\" > \"LedStates\"): %2")
              .arg(FrameCount)
              .arg(figure(appended)));
    print(QStringLiteral("  TableEdit on %1 frames: first %2, median of %3 %4; target < 300 ms: %5")
              .arg(FrameCount)
              .arg(figure(firstOpen))
              .arg(Runs)
              .arg(figure(open), verdict(open, 300)));
    print(QStringLiteral(
        "  paste 4 x 48 block onto %1 frames (%2 cells): median of %3 %4; target < 1000 ms: %5")
              .arg(PastedFrames)
              .arg(PastedFrames * LedStatesCommand::LedCount)
              .arg(Runs)
              .arg(figure(paste), verdict(paste, 1000)));
    print(QStringLiteral("  remove %1 selected frames: median of %2 %3; target < 500 ms: %4")
              .arg(FrameCount)
              .arg(Runs)
              .arg(figure(removal), verdict(removal, 500)));
    if (!right)
        print(QStringLiteral("  WRONG RESULT: a step did not do what the user asked"));
    return right;
}

// Run in a process of its own: the memory one model's new documents take.
int measureMemory(int number)
{
    const Model& model = modelOf(number);
    // What any window costs (fonts, style, the platform) is not the document's.
    {
        QWidget warmUp;
        warmUp.resize(WindowSize);
        warmUp.show();
        settle();
    }
    settle();
    const double base = statusMB("VmRSS");

    std::unique_ptr<KamdelDocument> first(model.create());
    const double built = statusMB("VmRSS");
    first->resize(WindowSize);
    first->show();
    CommandTreeView* tree = first->commandTreeView();
    tree->setCurrentIndex(indexOf(*first, programOf(*first)));
    tree->appendLedState();
    settle();
    const double shown = statusMB("VmRSS");
    const double peak = statusMB("VmHWM");

    std::unique_ptr<KamdelDocument> second(model.create());
    settle();
    const double both = statusMB("VmRSS");
    second.reset();
    first.reset();
    settle();
    const double closed = statusMB("VmRSS");

    print(QStringLiteral(
        "  %1: RSS +%2 MB after newDocument(), +%3 MB shown with a frame; peak (VmHWM) +%4 MB; "
        "a second document of the model +%5 MB; %6 MB left after closing both")
              .arg(QLatin1String(model.label))
              .arg(built - base, 0, 'f', 1)
              .arg(shown - base, 0, 'f', 1)
              .arg(peak - base, 0, 'f', 1)
              .arg(both - shown, 0, 'f', 1)
              .arg(closed - base, 0, 'f', 1));
    return 0;
}

bool memoryOfEachModel(const QString& program)
{
    bool ok = true;
    for (int number : { 1, 2 }) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(program, { QStringLiteral("--memory"), QString::number(number) });
        ok &= child.waitForFinished(120000) && child.exitStatus() == QProcess::NormalExit
            && child.exitCode() == 0;
    }
    return ok;
}

QtMessageHandler defaultHandler = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("propagateSizeHints"))
        && !message.startsWith(QLatin1String("QStandardPaths:")))
        defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform notes every window it cannot hint; noise here.
    defaultHandler = qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--memory"))
        return measureMemory(arguments.at(2).toInt());

    for (const char* picture : { "PCBA01_top", "PCBA01_bot", "PCBA02_top", "PCBA02_bot" }) {
        const QString path
            = QStringLiteral("%1/%2.png").arg(QCoreApplication::applicationDirPath(), QLatin1String(picture));
        if (!QFileInfo::exists(path)) {
            print(QStringLiteral("missing board picture %1: build the BoardPictures target").arg(path));
            return 1;
        }
    }

    print(QStringLiteral("Document views, wall clock (CPU time of the GUI thread), platform %1")
              .arg(QGuiApplication::platformName()));
    bool ok = true;
    for (const Model& model : Models) {
        print(QString::fromLatin1(model.label));
        ok &= benchNewDocument(model);
    }
    print(QStringLiteral("Large program (%1 frames), %2 document in a %3 x %4 window")
              .arg(FrameCount)
              .arg(QLatin1String(Models[0].label))
              .arg(WindowSize.width())
              .arg(WindowSize.height()));
    ok &= benchLargeProgram(Models[0]);
    print(QStringLiteral(
        "Memory of a new document, each model in a fresh process (RSS above an empty window)"));
    ok &= memoryOfEachModel(QCoreApplication::applicationFilePath());
    return ok ? 0 : 1;
}
