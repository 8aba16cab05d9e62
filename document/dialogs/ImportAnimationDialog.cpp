#include "ImportAnimationDialog.h"
#include "Questions.h"

#include "FileDialogs.h"
#include "KamdelDocument.h"
#include "PictureReading.h"
#include "edits/DocumentEdits.h"
#include "model/Counts.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "player/RingFrameImage.h"
#include "ui_ImportAnimationDialog.h"
#include "views/FrameEditor.h"
#include "views/LedPanelScene_Ring.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>

namespace {

constexpr int PreviewSize = 200;
const QString AnimationFiles = QStringLiteral("Animations");

QStringList askFiles(QWidget* parent)
{
    // A folder that does not exist would be proposed as the name of a file.
    QString start = FileDialogs::startFolder(AnimationFiles);
    if (!QFileInfo(start).isDir())
        start = QDir::homePath();
    const QStringList files = QFileDialog::getOpenFileNames(
        parent, ImportAnimationDialog::tr("Import animation"), start, AnimationImport::fileDialogFilter());
    if (!files.isEmpty())
        FileDialogs::rememberFolder(AnimationFiles, files.first());
    return files;
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
    ui->sourceLabel->setText(tr("%1: %2").arg(sourceName, Counts::frames(source.frameCount())));
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
    connect(ui->atEndBox, &QCheckBox::toggled, this, &ImportAnimationDialog::showPlace);
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

void ImportAnimationDialog::setPlaces(const QString& atCurrent, const QString& atEnd)
{
    m_places[0] = atCurrent;
    m_places[1] = atEnd;
    showPlace();
}

bool ImportAnimationDialog::isAtEnd() const
{
    return ui->atEndBox->isChecked();
}

void ImportAnimationDialog::showPlace()
{
    ui->whereLabel->setText(tr("The frames go %1.").arg(m_places[isAtEnd() ? 1 : 0]));
}

int ImportAnimationDialog::importInto(KamdelDocument* document, QWidget* parent, QString* message)
{
    QPointer<KamdelDocument> target = document;
    if (!target)
        return 0;
    const Questions::Answers asked = Questions::answers();
    const QStringList files = asked.pictures ? asked.pictures(parent) : askFiles(parent);
    if (files.isEmpty() || !target)
        return 0;

    QString error;
    const std::shared_ptr<const AnimationImport> read
        = PictureReading::read(files, PreviewSize, document, parent, &error);
    if (!read) {
        *message = error;
        return error.isEmpty() ? 0 : -1;
    }
    const AnimationImport& source = *read;
    const QStringList sorted = AnimationImport::seriesOrder(files);
    const QString name = sorted.size() == 1
        ? QFileInfo(sorted.first()).fileName()
        : tr("%1 to %2").arg(QFileInfo(sorted.first()).fileName(), QFileInfo(sorted.last()).fileName());
    ImportAnimationDialog dialog(source, name, parent);
    AnimationImport::Options defaults;
    if (target->panelScene())
        defaults.side = target->panelScene()->side();
    dialog.setOptions(defaults);
    if (FrameEditor* frames = target->frameEditor())
        dialog.setPlaces(frames->insertionText(false), frames->insertionText(true));
    const bool accepted
        = asked.importOptions ? asked.importOptions(dialog) : dialog.exec() == QDialog::Accepted;
    // The dialog ran an event loop: the document may have gone meanwhile.
    if (!accepted || !target || !target->edits())
        return 0;

    const QList<QVector<int>> chosen = source.frames(dialog.options());
    *message = target->edits()->frameLimitRefusal(chosen.size());
    if (!message->isEmpty())
        return -1;
    FrameEditor* frames = target->frameEditor();
    const int placed = frames ? frames->insertFrames(chosen, tr("Import Animation"), dialog.isAtEnd()) : 0;
    if (placed == 0) {
        *message = tr("The document takes no more frames.");
        return -1;
    }
    return placed;
}
