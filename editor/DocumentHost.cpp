#include "DocumentHost.h"

#include "AbstractDocument.h"
#include "EditorDialogs.h"
#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "SettingsStore.h"
#include "SplitterMemory.h"
#include "edits/DocumentEdits.h"
#include "edits/EditHistory.h"
#include "model/CommandTreeModel.h"
#include "views/CommandTreeView.h"
#include "views/FrameEditor.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSplitter>
#include <QStackedWidget>

#include <memory>

namespace {
const QString BoardSideKey = QStringLiteral("Board/%1/Side");
const QString DocumentSplitterKey = QStringLiteral("Document/Splitter");
} // namespace

DocumentHost::DocumentHost(QWidget* window, QStackedWidget* stack, EditorDialogs& dialogs)
    : QObject(window)
    , window(window)
    , stack(stack)
    , dialogs(dialogs)
    , recovery(new RecoveryStore(this))
{
}

DocumentHost::~DocumentHost() = default;

void DocumentHost::setCurrentDocument(AbstractDocument* document)
{
    // Hosting the hosted document again must not delete it.
    if (document && document == currentDocument)
        return;

    if (currentDocument) {
        AbstractDocument* previous = currentDocument;
        stack->removeWidget(previous);
        if (document)
            stack->addWidget(document);
        connectDocument(document);
        delete previous;
    } else if (!document) {
        connectDocument(nullptr);
    } else {
        stack->addWidget(document);
        connectDocument(document);
    }
}

void DocumentHost::connectDocument(AbstractDocument* document)
{
    if (document && document == currentDocument)
        return;

    while (!documentConnections.isEmpty())
        QObject::disconnect(documentConnections.takeFirst());

    currentDocument = document;
    if (document) {
        documentConnections << connect(
            document, &AbstractDocument::fileNameChanged, this, &DocumentHost::fileNameChanged);
        documentConnections << connect(
            document, &AbstractDocument::modifiedChanged, this, &DocumentHost::modifiedChanged);
        documentConnections << connect(document, &AbstractDocument::log, this, &DocumentHost::log);
    }
    if (auto* kamdelDocument = qobject_cast<KamdelDocument*>(document)) {
        connectProgram(kamdelDocument);
        if (kamdelDocument->panelScene())
            followBoardSide(kamdelDocument);
        // Generate offers the parameters last used for each effect.
        kamdelDocument->frameEditor()->setSettings(SettingsStore::settings());
        arrangePanes(kamdelDocument);
        // Counts of imported and exported frames, and the tree's other notes.
        documentConnections << connect(
            kamdelDocument->commandTreeView(), &CommandTreeView::showMessage, this, &DocumentHost::message);
    }
    recovery->setDocument(document);
    emit documentChanged(document);
}

void DocumentHost::connectProgram(KamdelDocument* document)
{
    // Only commands added or removed change the size; one compile of a
    // full program takes well under a millisecond.
    CommandTreeModel* model = document->treeModel();
    documentConnections << connect(
        document->edits(), &DocumentEdits::edited, this, &DocumentHost::programEdited);
    documentConnections << connect(
        model, &QAbstractItemModel::rowsInserted, this, &DocumentHost::programEdited);
    documentConnections << connect(
        model, &QAbstractItemModel::rowsRemoved, this, &DocumentHost::programEdited);
    documentConnections << connect(
        model, &QAbstractItemModel::layoutChanged, this, &DocumentHost::programEdited);
    documentConnections << connect(
        model, &QAbstractItemModel::modelReset, this, &DocumentHost::programEdited);
}

void DocumentHost::followBoardSide(KamdelDocument* document)
{
    // Designers keep looking at the side they soldered or probe on, so each
    // panel model shows the side last chosen for it.
    LedPanelScene_Ring* scene = document->panelScene();
    const QString key = BoardSideKey.arg(document->panelModel());
    bool ok = false;
    const int stored = SettingsStore::value(key).toInt(&ok);
    if (ok && (stored == Top || stored == Bottom))
        scene->setSide(eLedPanelSide(stored));
    documentConnections << connect(scene, &AbstractLedPanelScene::sideChanged, this,
        [key](eLedPanelSide side) { SettingsStore::setValue(key, int(side)); });
}

void DocumentHost::arrangePanes(KamdelDocument* document)
{
    CommandTreeView* tree = document->commandTreeView();
    auto* splitter = document->findChild<QSplitter*>(QStringLiteral("splitter"));
    if (!tree || !splitter)
        return;
    const int treeWidth = tree->frameLabelWidth();
    tree->setMinimumWidth(treeWidth);
    tree->setMaximumWidth(QWIDGETSIZE_MAX);
    // Extra room goes to the board.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    SplitterMemory::attach(
        splitter, DocumentSplitterKey, { treeWidth, qMax(window->width() - treeWidth, treeWidth) });
}

void DocumentHost::hostNewDocument(KamdelDocument* document)
{
    document->frameEditor()->insertFrame(false);
    // Making the document is no edit of the user's.
    document->edits()->history()->clear();
    document->setModified(false);
    setCurrentDocument(document);
    showFirstFrame();
}

void DocumentHost::showFirstFrame()
{
    auto* document = qobject_cast<KamdelDocument*>(currentDocument);
    if (!document || !document->commandTreeView()->selectFirstFrame())
        return;
    if (LedPanelView* board = document->ledPanelView())
        board->setFocus();
}

void DocumentHost::offerRecovery()
{
    for (const RecoveryStore::Leftover& leftover : recovery->claimLeftovers()) {
        const QMessageBox::StandardButton answer = dialogs.askRecovery(leftover.name, leftover.time);
        if (answer == QMessageBox::Discard)
            recovery->discard(leftover);
        else if (answer == QMessageBox::Yes && (!currentDocument || currentDocument->maybeSave()))
            restoreRecoveryCopy(leftover);
    }
}

void DocumentHost::restoreRecoveryCopy(const RecoveryStore::Leftover& leftover)
{
    // The copy stays until the work is saved or discarded, and always when
    // it could not be read in full.
    bool complete = false;
    std::unique_ptr<KamdelDocument> document = recovery->read(leftover, complete);
    const QString where = QDir::toNativeSeparators(leftover.copyPath);
    if (!document) {
        dialogs.showWarning(
            tr("The recovery copy of %1 cannot be read. It is kept at %2.").arg(leftover.name, where));
        return;
    }
    if (!complete)
        dialogs.showWarning(tr("The recovery copy of %1 could be read only in part; what was read is shown. "
                               "The copy is kept at %2.")
                                .arg(leftover.name, where));
    AbstractDocument* restored = document.release();
    setCurrentDocument(restored);
    recovery->adopt(leftover, restored, !complete);
}

void DocumentHost::newDocument_KamdelPanel1()
{
    if (!currentDocument || currentDocument->maybeSave())
        hostNewDocument(KamdelPanel1::newDocument());
}

void DocumentHost::newDocument_KamdelPanel2()
{
    if (!currentDocument || currentDocument->maybeSave())
        hostNewDocument(KamdelPanel2::newDocument());
}

void DocumentHost::openFiles(const QStringList& paths)
{
    // A relative name would leave a recent-files entry that only works from
    // this folder.
    for (const QString& path : paths)
        openDocument(QFileInfo(path).absoluteFilePath());
}

void DocumentHost::openDocument(const QString& path)
{
    if (currentDocument && !currentDocument->maybeSave())
        return;

    QString fileName = path;
    if (fileName.isEmpty()) {
        fileName = dialogs.askOpenFileName();
        if (fileName.isEmpty())
            return;
    }

    std::unique_ptr<KamdelDocument> document = readDocument(fileName);
    if (!document)
        return;
    KamdelDocument* loaded = document.release();
    setCurrentDocument(loaded);
    showFirstFrame();
    emit fileUsed(loaded->filePath());
    emit message(tr("Document loaded"), 2000);
}

void DocumentHost::openExample(const QString& path, const QString& name)
{
    if (currentDocument && !currentDocument->maybeSave())
        return;
    std::unique_ptr<KamdelDocument> document = readDocument(path);
    if (!document)
        return;
    // Untitled, as a new document: nothing ties it to the program's copy.
    document->setFilePath(QString());
    document->setFileName(name + QStringLiteral(".xml"));
    setCurrentDocument(document.release());
    showFirstFrame();
    emit message(tr("Example opened"), 2000);
}

std::unique_ptr<KamdelDocument> DocumentHost::readDocument(const QString& fileName)
{
    // A FIFO or a device named on the command line or in the recent files
    // would block the window or feed it for ever.
    const QString unreadable = KamdelDocument::unreadableReason(fileName);
    if (!unreadable.isEmpty()) {
        dialogs.showWarning(unreadable);
        return nullptr;
    }
    std::unique_ptr<KamdelDocument> document;
    if (KamdelPanel1::isValid_XML(fileName)) {
        document.reset(KamdelPanel1::newDocument());
    } else if (KamdelPanel2::isValid_XML(fileName)) {
        document.reset(KamdelPanel2::newDocument());
    } else {
        dialogs.showWarning(tr("Unknown file %1!").arg(fileName));
        return nullptr;
    }
    if (!document->load(fileName)) {
        // The library has told the user why; the old document stays.
        document->close();
        return nullptr;
    }
    return document;
}

bool DocumentHost::saveDocument()
{
    if (!currentDocument)
        return false;
    if (!QFileInfo::exists(currentDocument->filePath()))
        return saveAsDocument();
    return reportSave(currentDocument->save(currentDocument->filePath()));
}

bool DocumentHost::saveAsDocument()
{
    if (!currentDocument)
        return false;
    return reportSave(currentDocument->saveAs(QString()));
}

bool DocumentHost::reportSave(bool saved)
{
    if (saved) {
        emit fileUsed(currentDocument->filePath());
        emit message(tr("Document saved"), 2000);
    }
    return saved;
}

void DocumentHost::closeDocument(AbstractDocument* document)
{
    if (!document)
        document = currentDocument;
    // Only the hosted document can be closed here; any other would make
    // this delete the hosted one in its place.
    if (!document || document != currentDocument)
        return;
    if (document->maybeSave())
        setCurrentDocument(nullptr);
}
