#include "ImportAnimationDialog.h"

#include "CommandTreeModel.h"
#include "CommandTreeView.h"
#include "DeviceItem.h"
#include "DocumentEdits.h"
#include "FileDialogs.h"
#include "KamdelDocument.h"
#include "LedCell.h"
#include "LedPanelScene_Ring.h"
#include "LedStatesCommand.h"
#include "ProgramItem.h"
#include "RingFrameImage.h"
#include "SequenceFile.h"
#include "ui_ImportAnimationDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>

namespace {

constexpr int PreviewSize = 200;
const QString AnimationFiles = QStringLiteral("Animations");

ImportAnimationDialog::Questions& questions()
{
    static ImportAnimationDialog::Questions asked;
    return asked;
}

QStringList askFiles(QWidget* parent)
{
    const QStringList files
        = QFileDialog::getOpenFileNames(parent, ImportAnimationDialog::tr("Import animation"),
            FileDialogs::startFolder(AnimationFiles), AnimationImport::fileDialogFilter());
    if (!files.isEmpty())
        FileDialogs::rememberFolder(AnimationFiles, files.first());
    return files;
}

// After the last frame of a program or collection, so that a closing Stop
// or Reset stays last; at its end when it has no frame.
int afterLastFrame(const AbstractTreeItem* list)
{
    const QList<LedStatesCommand*> frames = SequenceFile::frames(list);
    return frames.isEmpty() ? list->childCount() : frames.last()->row() + 1;
}

// Where new frames go: after the tree's current frame, after the last frame
// of the current program or collection, or else after the Program's last
// frame. False when the document has no Program.
bool insertionPoint(const KamdelDocument* document, AbstractTreeItem** list, int* row)
{
    AbstractTreeItem* item
        = document->commandTreeView() ? document->commandTreeView()->currentItem() : nullptr;
    if (item && item->type() == AbstractTreeItem::LedStates) {
        *list = item->parentItem();
        *row = item->row() + 1;
    } else if (item
        && (item->type() == AbstractTreeItem::Program || item->type() == AbstractTreeItem::Function)) {
        *list = item;
        *row = afterLastFrame(item);
    } else if (ProgramItem* program = document->deviceItem() ? document->deviceItem()->program(0) : nullptr) {
        *list = program;
        *row = afterLastFrame(program);
    }
    return *list != nullptr;
}

} // namespace

ImportAnimationDialog::ImportAnimationDialog(
    const AnimationImport& source, const QString& sourceName, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui_ImportAnimationDialog>())
    , m_source(source)
{
    ui->setupUi(this);
    const int frames = qMax(1, source.frameCount());
    ui->sourceLabel->setText(tr("%1: %2 frames").arg(sourceName).arg(source.frameCount()));
    ui->firstBox->setRange(1, frames);
    ui->countBox->setRange(1, frames);
    ui->countBox->setValue(frames);
    ui->sourceView->setStyleSheet(QStringLiteral("background: black; color: white"));
    showOptions();

    connect(ui->thresholdBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
        &ImportAnimationDialog::updatePreview);
    connect(ui->invertBox, &QCheckBox::toggled, this, &ImportAnimationDialog::updatePreview);
    connect(ui->sideBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &ImportAnimationDialog::updatePreview);
    connect(
        ui->firstBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &ImportAnimationDialog::showOptions);
    connect(
        ui->countBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &ImportAnimationDialog::showOptions);
    connect(ui->previewSlider, &QSlider::valueChanged, this, &ImportAnimationDialog::updatePreview);
}

ImportAnimationDialog::~ImportAnimationDialog() = default;

AnimationImport::Options ImportAnimationDialog::options() const
{
    AnimationImport::Options options;
    options.threshold = ui->thresholdBox->value();
    options.invert = ui->invertBox->isChecked();
    options.side = ui->sideBox->currentIndex() == 0 ? Top : Bottom;
    options.first = ui->firstBox->value() - 1;
    options.count = ui->countBox->value();
    return options;
}

void ImportAnimationDialog::setOptions(const AnimationImport::Options& options)
{
    ui->thresholdBox->setValue(options.threshold);
    ui->invertBox->setChecked(options.invert);
    ui->sideBox->setCurrentIndex(options.side == Top ? 0 : 1);
    ui->firstBox->setValue(options.first + 1);
    ui->countBox->setMaximum(qMax(1, m_source.frameCount() - options.first));
    ui->countBox->setValue(options.count > 0 ? options.count : ui->countBox->maximum());
    showOptions();
}

// The frame count reaches to the last frame at most, and the preview runs
// over the frames taken.
void ImportAnimationDialog::showOptions()
{
    const int first = ui->firstBox->value() - 1;
    ui->countBox->setMaximum(qMax(1, m_source.frameCount() - first));
    const QSignalBlocker blocker(ui->previewSlider);
    ui->previewSlider->setRange(first, first + ui->countBox->value() - 1);
    updatePreview();
}

int ImportAnimationDialog::previewFrame() const
{
    return ui->previewSlider->value();
}

void ImportAnimationDialog::setPreviewFrame(int frame)
{
    ui->previewSlider->setValue(frame);
    updatePreview();
}

QImage ImportAnimationDialog::sourcePreview() const
{
    return m_sourcePreview;
}

QImage ImportAnimationDialog::resultPreview() const
{
    return m_resultPreview;
}

const RingFrameImage& ImportAnimationDialog::drawing(eLedPanelSide side)
{
    std::unique_ptr<RingFrameImage>& made = m_drawings[side == Top ? 0 : 1];
    if (!made)
        made = std::make_unique<RingFrameImage>(PreviewSize, side);
    return *made;
}

void ImportAnimationDialog::updatePreview()
{
    const int index = ui->previewSlider->value();
    const AnimationImport::Options chosen = options();
    const QVector<int> values = m_source.frame(index, chosen);
    RingFrameImage::Leds leds;
    for (int k = 0; k < values.size() && k < RingFrameImage::LedCount; ++k)
        leds[size_t(k)] = values.at(k) != 0;
    m_resultPreview = drawing(chosen.side).image(leds);
    ui->resultView->setPixmap(QPixmap::fromImage(m_resultPreview));
    ui->previewLabel->setText(tr("Frame %1 of %2").arg(index + 1).arg(m_source.frameCount()));

    // The picture fitted into the square the rings are drawn in, as the
    // import places it.
    const QImage picture = m_source.preview(index);
    if (picture.isNull()) {
        m_sourcePreview = QImage();
        ui->sourceView->setPixmap(QPixmap());
        ui->sourceView->setText(tr("No preview of this frame"));
        return;
    }
    m_sourcePreview = QImage(PreviewSize, PreviewSize, QImage::Format_RGB32);
    m_sourcePreview.fill(Qt::black);
    const QSize fitted = picture.size().scaled(PreviewSize, PreviewSize, Qt::KeepAspectRatio);
    QPainter painter(&m_sourcePreview);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(
        QRect(QPoint((PreviewSize - fitted.width()) / 2, (PreviewSize - fitted.height()) / 2), fitted),
        picture);
    painter.end();
    ui->sourceView->setPixmap(QPixmap::fromImage(m_sourcePreview));
}

ImportAnimationDialog::Questions ImportAnimationDialog::setQuestions(Questions asked)
{
    return std::exchange(questions(), std::move(asked));
}

QList<LedStatesCommand*> ImportAnimationDialog::insertFrames(DocumentEdits* edits, AbstractTreeItem* parent,
    int row, const QList<QVector<int>>& frames, const QString& text)
{
    QList<LedStatesCommand*> placed;
    if (!edits || !parent)
        return placed;
    edits->beginStep(text);
    for (const QVector<int>& values : frames) {
        auto frame = std::make_unique<LedStatesCommand>();
        const QVector<LedCell*>& cells = frame->leds();
        for (int k = 0; k < cells.size() && k < values.size(); ++k)
            cells.at(k)->setValue(values.at(k));
        edits->insertItem(row, frame.get(), parent);
        // A list that takes no more frames keeps those it had room for.
        if (frame->parentItem() != parent)
            break;
        placed.append(frame.release());
        ++row;
    }
    edits->endStep();
    return placed;
}

int ImportAnimationDialog::importInto(KamdelDocument* document, QWidget* parent, QString* message)
{
    QPointer<KamdelDocument> target = document;
    if (!target)
        return 0;
    const Questions& asked = questions();
    const QStringList files = asked.files ? asked.files(parent) : askFiles(parent);
    if (files.isEmpty() || !target)
        return 0;

    AnimationImport source;
    source.setPreviewSize(PreviewSize);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool read = source.read(files);
    QGuiApplication::restoreOverrideCursor();
    if (!read) {
        *message = source.errorString();
        return -1;
    }
    const QStringList sorted = AnimationImport::seriesOrder(files);
    const QString name = sorted.size() == 1
        ? QFileInfo(sorted.first()).fileName()
        : tr("%1 to %2").arg(QFileInfo(sorted.first()).fileName(), QFileInfo(sorted.last()).fileName());
    ImportAnimationDialog dialog(source, name, parent);
    AnimationImport::Options defaults;
    if (target->panelScene())
        defaults.side = target->panelScene()->side();
    dialog.setOptions(defaults);
    const bool accepted = asked.options ? asked.options(dialog) : dialog.exec() == QDialog::Accepted;
    // The dialog ran an event loop: the document may have gone meanwhile.
    if (!accepted || !target || !target->edits())
        return 0;

    AbstractTreeItem* list = nullptr;
    int row = 0;
    if (!insertionPoint(target, &list, &row)) {
        *message = tr("The document has no Program to import into.");
        return -1;
    }
    const QList<LedStatesCommand*> placed
        = insertFrames(target->edits(), list, row, source.frames(dialog.options()), tr("Import Animation"));
    if (placed.isEmpty()) {
        *message = tr("The document takes no more frames.");
        return -1;
    }
    if (CommandTreeView* tree = target->commandTreeView()) {
        const QModelIndex index = target->treeModel()->indexOf(placed.first());
        tree->expand(index.parent());
        tree->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        tree->scrollTo(index);
    }
    return placed.size();
}
