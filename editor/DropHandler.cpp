#include "DropHandler.h"

#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "MainWindow.h"
#include "dialogs/MessageBoxes.h"
#include "edits/DocumentEdits.h"
#include "formats/SequenceFile.h"
#include "model/LedStatesCommand.h"
#include "views/FrameEditor.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QStatusBar>
#include <QTextCodec>
#include <QUrl>

#include <memory>

namespace {
// The window only reads what is dropped: a file manager told of a move
// would delete the user's file once the drop is done.
void acceptAsCopy(QDropEvent* event)
{
    if (event->possibleActions() & Qt::CopyAction) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

bool hasWideByteOrderMark(const QByteArray& head)
{
    return head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF");
}
} // namespace

DropHandler::DropHandler(MainWindow* window, QWidget* reportPane)
    : QObject(window)
    , window(window)
    , reportPane(reportPane)
{
    window->setAcceptDrops(true);
    // The pane would otherwise take dropped text into the report.
    if (reportPane)
        reportPane->setAcceptDrops(false);
    window->installEventFilter(this);
}

DropHandler::~DropHandler() = default;

DropHandler::Kind DropHandler::kindOf(const QMimeData* data, QString* path)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return Kind::Other;
    const QString fileName = data->urls().first().toLocalFile();
    if (path)
        *path = fileName;
    if (!QFileInfo(fileName).isFile())
        return Kind::Other;
    if (QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return Kind::Sequence;
    if (KamdelPanel1::isValid_XML(fileName) || KamdelPanel2::isValid_XML(fileName))
        return Kind::Document;
    return Kind::Other;
}

bool DropHandler::overReportPane(const QPoint& windowPosition) const
{
    if (!reportPane || !reportPane->isVisible())
        return false;
    QWidget* target = window->childAt(windowPosition);
    return target && (target == reportPane || reportPane->isAncestorOf(target));
}

QString DropHandler::announcement(Kind kind, const QString& path) const
{
    const QString name = QFileInfo(path).fileName();
    switch (kind) {
    case Kind::Document:
        return tr("Drop to open %1.").arg(name);
    case Kind::Sequence:
        return qobject_cast<KamdelDocument*>(window->document())
            ? tr("Drop to add the frames of %1 after the current frame.").arg(name)
            : tr("Open or create a document first to add the frames of %1.").arg(name);
    case Kind::Other:
        break;
    }
    return tr("The window takes a panel document (.xml) to open, or a sequence file (.csv) whose frames "
              "go after the current frame.");
}

bool DropHandler::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (overReportPane(enter->pos())) {
            enter->ignore();
            return true;
        }
        pendingPath.clear();
        pendingKind = kindOf(enter->mimeData(), &pendingPath);
        window->statusBar()->showMessage(announcement(pendingKind, pendingPath));
        acceptAsCopy(enter);
        return true;
    }
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(event);
        if (overReportPane(move->pos()))
            move->ignore();
        else
            acceptAsCopy(move);
        return true;
    }
    case QEvent::DragLeave:
        window->statusBar()->clearMessage();
        return true;
    case QEvent::Drop: {
        auto* dropped = static_cast<QDropEvent*>(event);
        window->statusBar()->clearMessage();
        if (overReportPane(dropped->pos())) {
            dropped->ignore();
            return true;
        }
        QString path;
        const Kind kind = kindOf(dropped->mimeData(), &path);
        acceptAsCopy(dropped);
        if (dropped->isAccepted())
            drop(kind, path);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void DropHandler::drop(Kind kind, const QString& path)
{
    switch (kind) {
    case Kind::Document:
        window->openDocument(path);
        return;
    case Kind::Sequence: {
        auto* document = qobject_cast<KamdelDocument*>(window->document());
        if (!document) {
            MessageBoxes::warning(window, QCoreApplication::applicationName(), announcement(kind, path));
            return;
        }
        QString error;
        const int added = insertSequence(document, path, &error);
        if (added < 0) {
            MessageBoxes::warning(window, QCoreApplication::applicationName(), error);
            return;
        }
        window->statusBar()->showMessage(
            tr("Added %1 LED frames from %2.").arg(QString::number(added), QDir::toNativeSeparators(path)), 5000);
        return;
    }
    case Kind::Other:
        break;
    }
    const QString what = path.isEmpty()
        ? tr("This cannot be dropped here.")
        : tr("%1 cannot be dropped here.").arg(QDir::toNativeSeparators(path));
    MessageBoxes::warning(window, QCoreApplication::applicationName(),
        what + QLatin1Char('\n') + announcement(Kind::Other, QString()));
}

int DropHandler::insertSequence(KamdelDocument* document, const QString& fileName, QString* error)
{
    const QString shownName = QDir::toNativeSeparators(fileName);
    const auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return -1;
    };
    // The bounds of Import sequence: a pipe or a device is never opened.
    const QString reason = SequenceFile::unreadableReason(fileName);
    if (!reason.isEmpty())
        return fail(reason);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(tr("Cannot read file %1:\n%2.").arg(shownName, file.errorString()));
    const QByteArray bytes = file.readAll();
    // A NUL byte never stands in a text table unless the text is UTF-16,
    // which starts with its byte order mark.
    if (!hasWideByteOrderMark(bytes) && bytes.contains('\0'))
        return fail(tr("%1 is not a sequence file.").arg(shownName));
    const QString text
        = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForName("UTF-8"))->toUnicode(bytes);
    QVector<QVector<int>> frames;
    if (!SequenceFile::readFramesText(text, LedStatesCommand::LedCount, &frames))
        return fail(tr("%1 is not a sequence file.").arg(shownName));

    FrameEditor* editor = document->frameEditor();
    if (!editor)
        return fail(tr("The document takes no frames."));
    const QString tooMany = document->edits()->frameLimitRefusal(frames.size());
    if (!tooMany.isEmpty())
        return fail(tooMany);
    // Where Generate and Import animation put their frames, as one step.
    const int added
        = editor->insertFrames(QList<QVector<int>>(frames.cbegin(), frames.cend()), tr("Import Sequence"));
    if (added == 0 && !frames.isEmpty())
        return fail(tr("The document has no program to take the frames."));
    return added;
}
