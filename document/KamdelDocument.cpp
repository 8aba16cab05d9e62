#include "KamdelDocument.h"

#include "dialogs/FileDialogs.h"
#include "dialogs/MessageBoxes.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "views/CommandTreeMenu.h"
#include "views/CommandTreeView.h"
#include "views/FrameEditor.h"
#include "views/LedPanelContextMenu.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelTableView.h"
#include "views/LedPanelView.h"
#include "views/WidgetStack.h"

#include "edits/EditHistory.h"
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenu>
#include <QMetaObject>
#include <QSplitter>
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
    : KamdelDocument(PanelDocument::Panel::None, parent)
{
}

KamdelDocument::KamdelDocument(PanelDocument::Panel panel, QWidget* parent)
    : AbstractDocument(parent)
    , m_core(new PanelDocument(panel, this))
    , device(m_core->deviceItem())
    , model(m_core->treeModel())
    , compiler(m_core->programCompiler())
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
    ui.commandTreeView->setEdits(edits());
    ui.widgetStack->setEdits(edits());
    m_frameEditor = new FrameEditor(edits(), ui.commandTreeView, this);
    m_frameEditor->setCompiler(compiler);
    // Only a panel model's document takes Reset commands.
    ui.commandTreeView->menu()->setResetAllowed(panel != PanelDocument::Panel::None);

    connect(ui.commandTreeView, &CommandTreeView::currentItemChanged, ui.widgetStack,
        &WidgetStack::setCurrentItem);
    connect(
        ui.commandTreeView, &CommandTreeView::setLedPanelTable, ui.widgetStack, &WidgetStack::setTableEditor);
    connect(ui.widgetStack, &WidgetStack::itemChosen, ui.commandTreeView, &CommandTreeView::setCurrentItem);
    connect(edits(), &DocumentEdits::edited, this, &KamdelDocument::markEdited);
    connect(edits()->history(), &EditHistory::cleanChanged, this, &KamdelDocument::markEdited);
    // Told once the refused action has returned: a message box's event loop
    // inside an edit could see the document change under it.
    connect(edits(), &DocumentEdits::framesRefused, this, &KamdelDocument::tellRefusal, Qt::QueuedConnection);
    // The tree's frame pictures follow the LEDs.
    connect(edits(), &DocumentEdits::ledValuesChanged, ui.commandTreeView->viewport(),
        QOverload<>::of(&QWidget::update));
}

KamdelDocument::~KamdelDocument()
{
    // The history goes with the edit path after this body, and a closing
    // stack still reports its clean state: not to a half-destroyed document.
    disconnect(edits()->history(), nullptr, this, nullptr);
    disconnect(edits(), nullptr, this, nullptr);
    // The views hold pointers into the scene and the tree: take them down
    // first, while both still exist.
    delete ui.splitter;
    ui = Ui();
    delete scene;
}

QString KamdelDocument::version()
{
    return QStringLiteral("0.1.1");
}

void KamdelDocument::compile()
{
    m_core->compile();
}

QByteArray KamdelDocument::createBinnary()
{
    return m_core->createBinnary();
}

DocumentEdits* KamdelDocument::edits() const
{
    return m_core->edits();
}

void KamdelDocument::setPlaybackSpeed(int framesPerSecond)
{
    ui.widgetStack->setFramesPerSecond(framesPerSecond);
}

QString KamdelDocument::openSaveFileDialogFilter() const
{
    return tr("Panel documents (*.xml);;All files (*)");
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

bool KamdelDocument::load(const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    bool loaded = false;
    {
        WaitCursor wait;
        loaded = m_core->load(fileName);
    }
    ui.commandTreeView->expandAll();
    if (loaded) {
        setFilePath(fileName);
        setModified(false);
        return true;
    }
    warn();
    if (!m_core->partlyRead())
        return false;
    // What was read stays, but the document is not tied to the broken file:
    // a later Save must ask for a name instead of overwriting it. No step of
    // the history leads back to an unmodified state.
    edits()->history()->resetClean();
    setModified(true);
    return true;
}

bool KamdelDocument::save(const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    bool saved = false;
    {
        WaitCursor wait;
        saved = m_core->save(fileName);
    }
    if (!saved) {
        warn();
        return false;
    }
    setModified(false);
    setFilePath(fileName);
    return true;
}

bool KamdelDocument::readXML(QIODevice* ioDevice)
{
    const bool read = m_core->readXML(ioDevice);
    ui.commandTreeView->expandAll();
    return read;
}

bool KamdelDocument::writeXML(QIODevice* ioDevice)
{
    return m_core->writeXML(ioDevice);
}

bool KamdelDocument::readXML(QXmlStreamReader& reader)
{
    return m_core->readXML(reader);
}

void KamdelDocument::writeXML(QXmlStreamWriter& writer)
{
    m_core->writeXML(writer);
}

void KamdelDocument::warn()
{
    MessageBoxes::warning(this, QCoreApplication::applicationName(), m_core->errorString());
}

void KamdelDocument::tellRefusal(const QString& reason)
{
    MessageBoxes::warning(this, QCoreApplication::applicationName(), reason);
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
    setModified(!edits()->history()->isClean());
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
    ring->setEdits(edits());
    // The tree's frame pictures are seen from the side the board shows.
    model->setPictureSide(ring->side());
    connect(ring, &AbstractLedPanelScene::sideChanged, model, &CommandTreeModel::setPictureSide);
    ui.widgetStack->setBoardSide(ring->side());
    connect(ring, &AbstractLedPanelScene::sideChanged, ui.widgetStack, &WidgetStack::setBoardSide);
    scene = ring;
    ledPanelView()->setScene(scene);
    m_frameEditor->setScene(scene);
    QMenu* frameMenu = ledPanelView()->contextMenu()->addMenu(tr("Frame"));
    frameMenu->setObjectName(QStringLiteral("menu_BoardFrame"));
    frameMenu->addActions(m_frameEditor->createActions(frameMenu, false));
}
