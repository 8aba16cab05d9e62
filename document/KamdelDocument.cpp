#include "KamdelDocument.h"

#include "CommandTreeMenu.h"
#include "CommandTreeModel.h"
#include "CommandTreeView.h"
#include "Compiller.h"
#include "DeviceItem.h"
#include "DocumentEdits.h"
#include "FileDialogs.h"
#include "FrameEditor.h"
#include "LedPanelContextMenu.h"
#include "LedPanelScene_Ring.h"
#include "LedPanelTableView.h"
#include "LedPanelView.h"
#include "MarkupScanner.h"
#include "MessageBoxes.h"
#include "OutputFile.h"
#include "ProgramItem.h"
#include "WidgetStack.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenu>
#include <QMetaObject>
#include <QSplitter>
#include <QUndoStack>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// Restores the cursor however the load or save ends.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

const QString DocumentFiles = QStringLiteral("Documents");

// The folder holding the board picture `name`: beside the program first (a
// build or a portable copy), then the installed data folder.
QString boardPictureFolder(const QString& name)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString installed = QDir::cleanPath(programDir.filePath(QStringLiteral(KAMDEL_DATA_FROM_BIN)));
    for (const QString& folder : { programDir.path(), installed }) {
        if (QFileInfo::exists(QStringLiteral("%1/%2_top.png").arg(folder, name)))
            return folder;
    }
    return programDir.path();
}

} // namespace

KamdelDocument::KamdelDocument(QWidget* parent)
    : AbstractDocument(parent)
    , device(new DeviceItem)
    , model(new CommandTreeModel(device, this))
    , m_edits(new DocumentEdits(model, this))
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("KamdelDocument"));
    resize(400, 300);
    ui.gridLayout = new QGridLayout(this);
    ui.gridLayout->setObjectName(QStringLiteral("gridLayout"));
    ui.splitter = new QSplitter(this);
    ui.splitter->setObjectName(QStringLiteral("splitter"));
    ui.splitter->setOrientation(Qt::Horizontal);
    ui.commandTreeView = new CommandTreeView(ui.splitter);
    ui.commandTreeView->setObjectName(QStringLiteral("commandTreeView"));
    ui.commandTreeView->setMaximumSize(250, 16777215);
    ui.splitter->addWidget(ui.commandTreeView);
    ui.widgetStack = new WidgetStack(ui.splitter);
    ui.widgetStack->setObjectName(QStringLiteral("widgetStack"));
    ui.splitter->addWidget(ui.widgetStack);
    ui.gridLayout->addWidget(ui.splitter, 0, 0, 1, 1);
    setWindowTitle(tr("Form"));
    ui.widgetStack->setCurrentIndex(-1);
    QMetaObject::connectSlotsByName(this);

    ui.commandTreeView->setModel(model);
    ui.commandTreeView->setEdits(m_edits);
    ui.widgetStack->setEdits(m_edits);
    m_frameEditor = new FrameEditor(m_edits, ui.commandTreeView, this);

    // The document's only program; built before anyone watches the model.
    new ProgramItem(device);

    connect(ui.commandTreeView, &CommandTreeView::currentItemChanged, ui.widgetStack,
        &WidgetStack::setCurrentItem);
    connect(
        ui.commandTreeView, &CommandTreeView::setLedPanelTable, ui.widgetStack, &WidgetStack::setTableEditor);
    connect(m_edits, &DocumentEdits::edited, this, &KamdelDocument::markEdited);
    connect(m_edits->undoStack(), &QUndoStack::cleanChanged, this, &KamdelDocument::markEdited);
    // The tree's frame pictures follow the LEDs.
    connect(m_edits, &DocumentEdits::ledValuesChanged, ui.commandTreeView->viewport(),
        QOverload<>::of(&QWidget::update));
}

KamdelDocument::~KamdelDocument()
{
    // The history goes with the edit path after this body, and a closing
    // stack still reports its clean state: not to a half-destroyed document.
    disconnect(m_edits->undoStack(), nullptr, this, nullptr);
    disconnect(m_edits, nullptr, this, nullptr);
    // The views hold pointers into the scene and the tree: take them down
    // first, while both still exist.
    delete ui.splitter;
    ui = Ui();
    delete scene;
    delete compiler;
}

QString KamdelDocument::version()
{
    return QStringLiteral("0.1.1");
}

void KamdelDocument::compile()
{
    if (compiler)
        compiler->compile();
}

QByteArray KamdelDocument::createBinnary()
{
    return compiler ? compiler->createBinnary() : QByteArray();
}

QString KamdelDocument::openSaveFileDialogFilter() const
{
    return tr("Board (*.xml);;All files (*)");
}

QString KamdelDocument::askOpenFileName()
{
    return FileDialogs::getOpenFileName(
        this, tr("Open"), DocumentFiles, openSaveFileDialogFilter(), QString());
}

QString KamdelDocument::askSaveFileName()
{
    // A saved document starts beside itself (an absolute name stays as it
    // is), a new one where documents went last.
    return FileDialogs::getSaveFileName(this, tr("Save as"), DocumentFiles, openSaveFileDialogFilter(),
        filePath().isEmpty() ? fileName() : filePath());
}

QMessageBox::StandardButton KamdelDocument::askSaveChanges()
{
    return MessageBoxes::warning(this, QCoreApplication::applicationName(),
        tr("%1 has been modified.\nDo you want to save changes?").arg(fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::NoButton);
}

QString KamdelDocument::unreadableReason(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString shown = QDir::toNativeSeparators(fileName);
    if (!info.exists())
        return QString(); // opening it tells why
    if (!info.isFile())
        return tr("%1 is not a regular file.").arg(shown);
    if (info.size() > MaxFileSize)
        return tr("%1 is larger than any document (%2 MiB).").arg(shown).arg(MaxFileSize >> 20);
    return QString();
}

bool KamdelDocument::load(const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    const QString unreadable = unreadableReason(fileName);
    if (!unreadable.isEmpty()) {
        MessageBoxes::warning(this, QCoreApplication::applicationName(), unreadable);
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        MessageBoxes::warning(this, QCoreApplication::applicationName(),
            tr("Cannot read file %1:\n%2.").arg(fileName, file.errorString()));
        return false;
    }

    bool read = false;
    {
        WaitCursor wait;
        read = readXML(&file);
    }
    file.close();
    if (!read) {
        QString text
            = tr("Error occur while reading xml data of %1.").arg(QDir::toNativeSeparators(fileName));
        // A file refused at a bound says which: the user can do something
        // about that, unlike about a syntax error.
        if (!m_readProblem.isEmpty())
            text += QLatin1Char('\n') + m_readProblem;
        MessageBoxes::warning(this, QCoreApplication::applicationName(), text);
        // What was read stays, but the document is not tied to the broken
        // file: a later Save must ask for a name instead of overwriting it.
        // No step of the history leads back to an unmodified state.
        m_edits->undoStack()->clear();
        m_edits->undoStack()->resetClean();
        setModified(true);
        return true;
    }
    setFilePath(fileName);
    // The history of the document before the file was read does not apply
    // to what the file holds.
    m_edits->undoStack()->clear();
    setModified(false);
    return true;
}

bool KamdelDocument::save(const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    QString error;
    {
        WaitCursor wait;
        OutputFile file(fileName);
        if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
            writeXML(&file);
            if (!file.commit())
                error = tr("Cannot write file %1:\n%2.")
                            .arg(QDir::toNativeSeparators(fileName), file.errorString());
        } else {
            error = tr("Cannot open file %1 for writing:\n%2.")
                        .arg(QDir::toNativeSeparators(fileName), file.errorString());
        }
    }
    if (!error.isEmpty()) {
        MessageBoxes::warning(this, QCoreApplication::applicationName(), error);
        return false;
    }
    m_edits->undoStack()->setClean();
    setModified(false);
    setFilePath(fileName);
    return true;
}

bool KamdelDocument::readXML(QIODevice* ioDevice)
{
    if (!ioDevice)
        return false;
    // The markup is checked before the reader sees it; a stream that cannot
    // go back is read into memory first.
    QByteArray whole;
    QBuffer buffer(&whole);
    if (ioDevice->isSequential()) {
        whole = ioDevice->readAll();
        buffer.open(QIODevice::ReadOnly);
        ioDevice = &buffer;
    }
    m_readProblem.clear();
    if (!MarkupScanner::withinLimits(ioDevice, false, &m_readProblem))
        return false;
    QXmlStreamReader reader(ioDevice);
    // Items are added straight into the tree, outside the model; the views
    // hear of it as one layout change, also when the file broke half-way.
    emit model->layoutAboutToBeChanged();
    const bool valid = readXML(reader);
    emit model->layoutChanged();
    if (valid)
        ui.commandTreeView->expandAll();
    else
        reader.raiseError(QObject::tr("Invalid XML root element or version."));
    // The only other errors raised while reading are those of the read budget.
    if (valid && reader.error() == QXmlStreamReader::CustomError)
        m_readProblem = reader.errorString();
    // Whatever follows the root element must still be well-formed: a second
    // root or stray text is as broken as a missing end tag.
    while (!reader.atEnd() && !reader.hasError())
        reader.readNext();
    return !reader.hasError();
}

bool KamdelDocument::writeXML(QIODevice* ioDevice)
{
    QXmlStreamWriter writer(ioDevice);
    writer.setAutoFormatting(true);
    writeXML(writer);
    return !writer.hasError();
}

bool KamdelDocument::readXML(QXmlStreamReader&)
{
    return false;
}

void KamdelDocument::writeXML(QXmlStreamWriter&) { }

bool KamdelDocument::readDocumentXML(QXmlStreamReader& reader, const QString& version)
{
    if (!reader.readNextStartElement())
        return false;
    if (reader.name() != QLatin1String("LedPanelDocument")
        || reader.attributes().value(QLatin1String("version")) != version)
        return false;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Commands"))
            device->readXML(reader);
        else
            reader.skipCurrentElement(); // "Title", "Description" and anything unknown
    }
    return true;
}

void KamdelDocument::writeDocumentXML(QXmlStreamWriter& writer, const QString& version)
{
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("LedPanelDocument"));
    writer.writeAttribute(QStringLiteral("version"), version);
    writer.writeAttribute(QStringLiteral("panel"), QStringLiteral("ZQ-RINGx"));
    device->writeXML(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
}

bool KamdelDocument::isValidDocumentFile(const QString& fileName, const QString& version)
{
    if (fileName.isEmpty() || !unreadableReason(fileName).isEmpty())
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    if (!MarkupScanner::withinLimits(&file, true))
        return false;
    QXmlStreamReader reader(&file);
    if (!reader.readNextStartElement())
        return false;
    return reader.name() == QLatin1String("LedPanelDocument")
        && reader.attributes().value(QLatin1String("version")) == version;
}

LedPanelView* KamdelDocument::ledPanelView() const
{
    return ui.widgetStack ? ui.widgetStack->ledPanelView() : nullptr;
}

CommandTreeView* KamdelDocument::commandTreeView() const
{
    return ui.commandTreeView;
}

void KamdelDocument::cutData()
{
    if (LedPanelTableView* table = focusedTable())
        table->cutData();
    else if (ui.commandTreeView && ui.commandTreeView->hasFocus())
        ui.commandTreeView->cutFrames();
}

void KamdelDocument::copyData()
{
    if (LedPanelTableView* table = focusedTable())
        table->copyData();
    else if (ui.commandTreeView && ui.commandTreeView->hasFocus())
        ui.commandTreeView->copyFrames();
}

void KamdelDocument::pasteData()
{
    if (LedPanelTableView* table = focusedTable())
        table->pasteData();
    else if (ui.commandTreeView && ui.commandTreeView->hasFocus())
        ui.commandTreeView->pasteFrames();
}

void KamdelDocument::deleteData()
{
    if (LedPanelTableView* table = focusedTable())
        table->deleteData();
    else if (ui.commandTreeView && ui.commandTreeView->hasFocus())
        ui.commandTreeView->removeItem();
}

LedPanelTableView* KamdelDocument::focusedTable() const
{
    auto* table
        = ui.widgetStack ? qobject_cast<LedPanelTableView*>(ui.widgetStack->currentWidget()) : nullptr;
    return table && table->hasFocus() ? table : nullptr;
}

void KamdelDocument::markEdited()
{
    // Modified exactly when the history stands away from the saved state.
    setModified(!m_edits->undoStack()->isClean());
}

void KamdelDocument::setUpPanel(const QString& modelLabel, Compiller* panelCompiler)
{
    device->setDeviceName(modelLabel);
    m_panelModel = modelLabel;
    device->setDescription(QStringLiteral("Segmented ring LED panel"));
    compiler = panelCompiler;
    m_frameEditor->setCompiler(panelCompiler);
    ui.commandTreeView->menu()->setResetAllowed(true);
}

void KamdelDocument::installRingScene(const RingLayout& layout)
{
    const QString dir = boardPictureFolder(layout.picture);
    auto* ring = new LedPanelScene_Ring(device);
    ring->CenterX = layout.centerX;
    ring->CenterY = layout.centerY;
    ring->OuterDiameter = layout.outerDiameter;
    ring->RadialStart = layout.radialStart;
    ring->RadialStep = layout.radialStep;
    ring->AngularStart = -90.0;
    ring->AngularStep = -7.5;
    ring->InnerDiameter = layout.innerDiameter;
    ring->TopImagePath = QStringLiteral("%1/%2_top.png").arg(dir, layout.picture);
    ring->BottomImagePath = QStringLiteral("%1/%2_bot.png").arg(dir, layout.picture);
    ring->LedSize = layout.ledSize;
    ring->createLayout();
    ring->setPanel(Bottom, Image);
    ring->setEdits(m_edits);
    // The tree's frame pictures are seen from the side the board shows.
    model->setPictureSide(ring->side());
    connect(ring, &AbstractLedPanelScene::sideChanged, model, &CommandTreeModel::setPictureSide);
    scene = ring;
    ledPanelView()->setScene(scene);
    m_frameEditor->setScene(scene);
    QMenu* frameMenu = ledPanelView()->contextMenu()->addMenu(tr("Frame"));
    frameMenu->setObjectName(QStringLiteral("menu_BoardFrame"));
    frameMenu->addActions(m_frameEditor->createActions(frameMenu, false));
}
