#include "GenerateDialog.h"

#include "MessageBoxes.h"
#include "Questions.h"
#include "model/Counts.h"
#include "model/EffectSettings.h"
#include "model/Effects.h"
#include "model/GeneratePresets.h"
#include "model/RingGeometry.h"
#include "player/PanelCommand.h"
#include "player/RingFrameImage.h"

#include "ui_GenerateDialog.h"

#include <QInputDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <vector>

namespace {

constexpr int PreviewSize = 240;
// The panel's usual pace; the preview shows the effect as it will run.
constexpr int PreviewInterval = 100;

RingFrameImage::Leds ledsOf(const QVector<int>& frame)
{
    RingFrameImage::Leds leds;
    for (int k = 0; k < frame.size() && k < RingFrameImage::LedCount; ++k)
        leds.set(k, frame.at(k) != 0);
    return leds;
}

} // namespace

GenerateDialog::GenerateDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui_GenerateDialog>())
    , m_timer(new QTimer(this))
{
    ui->setupUi(this);
    for (int k = 0; k < EffectRequest::KindCount; ++k) {
        m_requests[k].kind = EffectRequest::Kind(k);
        ui->kindComboBox->setItemText(k, Effects::kindText(EffectRequest::Kind(k)));
    }
    setSide(Bottom);
    writePage(m_requests[m_kind]);
    ui->kindComboBox->setCurrentIndex(m_kind);
    ui->pageStack->setCurrentIndex(m_kind);
    ui->presetRow->setVisible(false);

    connect(
        ui->presetComboBox, QOverload<int>::of(&QComboBox::activated), this, &GenerateDialog::applyPreset);
    connect(ui->savePresetButton, &QPushButton::clicked, this, &GenerateDialog::savePreset);
    connect(ui->deletePresetButton, &QPushButton::clicked, this, &GenerateDialog::deletePreset);
    connect(ui->kindComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &GenerateDialog::kindChanged);
    // Any parameter changed: new frames, new preview.
    for (QSpinBox* box : findChildren<QSpinBox*>())
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, &GenerateDialog::regenerate);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &GenerateDialog::regenerate);
    for (QComboBox* box : { ui->chaseHeadsComboBox, ui->rippleDirectionComboBox, ui->spinEaseComboBox,
             ui->chaseEaseComboBox, ui->combineComboBox })
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &GenerateDialog::regenerate);
    for (QRadioButton* button : { ui->insertRadioButton, ui->overRadioButton, ui->endRadioButton })
        connect(button, &QRadioButton::toggled, this, &GenerateDialog::regenerate);
    m_listName = tr("Program");
    connect(m_timer, &QTimer::timeout, this, &GenerateDialog::showNextFrame);
    m_timer->start(PreviewInterval);
    regenerate();
}

GenerateDialog::~GenerateDialog() = default;

void GenerateDialog::setSide(eLedPanelSide side)
{
    // The requests keep their senses as numbers; what "clockwise" shows
    // follows the side.
    const EffectRequest current = request();
    m_side = side;
    m_painter = std::make_unique<RingFrameImage>(PreviewSize, side);
    writePage(current);
    regenerate();
}

int GenerateDialog::clockwiseSign() const
{
    // Positions run counter-clockwise seen from the top.
    return m_side == Bottom ? 1 : -1;
}

void GenerateDialog::setRequest(const EffectRequest& request)
{
    if (request.kind < 0 || request.kind >= EffectRequest::KindCount)
        return;
    m_requests[request.kind] = request;
    if (request.kind == m_kind) {
        writePage(request);
        regenerate();
    }
}

void GenerateDialog::setKind(EffectRequest::Kind kind)
{
    ui->kindComboBox->setCurrentIndex(kind);
}

EffectRequest GenerateDialog::request() const
{
    EffectRequest request = m_requests[m_kind];
    readPage(m_kind, &request);
    readPlacement(&request);
    return request;
}

void GenerateDialog::kindChanged(int index)
{
    if (index < 0 || index >= EffectRequest::KindCount)
        return;
    readPage(m_kind, &m_requests[m_kind]);
    m_kind = EffectRequest::Kind(index);
    ui->pageStack->setCurrentIndex(index);
    writePage(m_requests[m_kind]);
    listPresets();
    regenerate();
}

void GenerateDialog::setPresets(GeneratePresets* presets)
{
    m_presets = presets;
    ui->presetRow->setVisible(presets != nullptr);
    listPresets();
}

void GenerateDialog::listPresets(const QString& chosen)
{
    const QSignalBlocker blocker(ui->presetComboBox);
    ui->presetComboBox->clear();
    if (m_presets) {
        for (const GeneratePresets::Preset& preset : m_presets->presets(m_kind))
            ui->presetComboBox->addItem(preset.name, preset.shipped);
    }
    ui->presetComboBox->setCurrentIndex(ui->presetComboBox->findText(chosen));
    // Shipped presets are built in: only the user's own can go.
    const QVariant shipped = ui->presetComboBox->currentData();
    ui->deletePresetButton->setEnabled(shipped.isValid() && !shipped.toBool());
}

void GenerateDialog::applyPreset(int index)
{
    GeneratePresets::Preset preset;
    const QString name = ui->presetComboBox->itemText(index);
    if (m_presets && m_presets->find(m_kind, name, &preset))
        setRequest(EffectSettings::seenFrom(preset.request, m_side));
    listPresets(name);
}

void GenerateDialog::savePreset()
{
    if (!m_presets)
        return;
    QInputDialog input(this);
    input.setWindowTitle(tr("Save preset"));
    input.setLabelText(tr("Name of the %1 preset:").arg(Effects::kindText(m_kind)));
    input.setTextValue(ui->presetComboBox->currentText());
    const QString name
        = Questions::exec(input) == QDialog::Accepted ? input.textValue().simplified() : QString();
    if (name.isEmpty())
        return;
    GeneratePresets::Preset existing;
    if (m_presets->find(m_kind, name, &existing)) {
        if (existing.shipped) {
            MessageBoxes::warning(this, tr("Save preset"),
                tr("%1 is a shipped preset and stays as it is; choose another name.").arg(name));
            return;
        }
        const Questions::Message replace { QMessageBox::Question, tr("Save preset"),
            tr("A preset named %1 exists. Replace it?").arg(name), QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No };
        if (Questions::ask(this, replace) != QMessageBox::Yes)
            return;
    }
    m_presets->save(name, EffectSettings::seenFrom(request(), m_side));
    listPresets(name);
}

void GenerateDialog::deletePreset()
{
    if (m_presets && m_presets->remove(m_kind, ui->presetComboBox->currentText()))
        listPresets();
}

void GenerateDialog::readPage(EffectRequest::Kind kind, EffectRequest* request) const
{
    const QCheckBox* rings[] = { ui->ring0CheckBox, ui->ring1CheckBox, ui->ring2CheckBox, ui->ring3CheckBox };
    request->kind = kind;
    request->ringMask = 0;
    for (int r = 0; r < 4; ++r) {
        if (rings[r]->isChecked())
            request->ringMask |= 1 << r;
    }
    const int sense = clockwiseSign();
    switch (kind) {
    case EffectRequest::Spin:
        request->step
            = ui->spinStepSpinBox->value() * (ui->spinClockwiseCheckBox->isChecked() ? sense : -sense);
        request->ease = EffectRequest::Ease(ui->spinEaseComboBox->currentIndex());
        break;
    case EffectRequest::Chase:
        request->length = ui->chaseLengthSpinBox->value();
        request->heads = ui->chaseHeadsComboBox->currentText().toInt();
        request->step
            = ui->chaseStepSpinBox->value() * (ui->chaseClockwiseCheckBox->isChecked() ? sense : -sense);
        request->count = ui->chaseCountSpinBox->value();
        request->ease = EffectRequest::Ease(ui->chaseEaseComboBox->currentIndex());
        break;
    case EffectRequest::Fill:
        // The board counts positions from 1, the effect from 0.
        request->start = ui->fillStartSpinBox->value() - 1;
        request->perFrame = ui->fillPerFrameSpinBox->value();
        request->direction = ui->fillClockwiseCheckBox->isChecked() ? sense : -sense;
        request->thenEmpty = ui->fillThenEmptyCheckBox->isChecked();
        break;
    case EffectRequest::Ripple:
        request->outward = ui->rippleDirectionComboBox->currentIndex() == 0;
        request->width = ui->rippleWidthSpinBox->value();
        request->bounce = ui->rippleBounceCheckBox->isChecked();
        break;
    case EffectRequest::Blink:
        request->times = ui->blinkTimesSpinBox->value();
        request->invert = ui->blinkInvertCheckBox->isChecked();
        break;
    case EffectRequest::Dissolve:
        request->count = ui->dissolveCountSpinBox->value();
        request->seed = quint32(ui->dissolveSeedSpinBox->value());
        break;
    case EffectRequest::Twinkle:
        request->density = ui->twinkleDensitySpinBox->value();
        request->count = ui->twinkleCountSpinBox->value();
        request->seed = quint32(ui->twinkleSeedSpinBox->value());
        request->densityEnd = ui->twinkleDensityEndSpinBox->value();
        break;
    }
}

void GenerateDialog::readPlacement(EffectRequest* request) const
{
    request->over = ui->overRadioButton->isChecked();
    request->combine = EffectRequest::Combine(ui->combineComboBox->currentIndex());
    request->keepOtherRings = ui->keepCheckBox->isChecked();
}

void GenerateDialog::writePage(const EffectRequest& request)
{
    // One regeneration for the whole page, not one per field.
    const QList<QWidget*> fields = findChildren<QWidget*>();
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(fields.size());
    for (QWidget* field : fields)
        blockers.emplace_back(field);

    QCheckBox* rings[] = { ui->ring0CheckBox, ui->ring1CheckBox, ui->ring2CheckBox, ui->ring3CheckBox };
    const bool usesRings = request.kind == EffectRequest::Spin || request.kind == EffectRequest::Chase
        || request.kind == EffectRequest::Fill || request.kind == EffectRequest::Twinkle;
    for (int r = 0; r < 4; ++r) {
        rings[r]->setChecked(request.ringMask & (1 << r));
        rings[r]->setEnabled(usesRings);
    }
    const bool clockwise = (request.step >= 0) == (clockwiseSign() > 0);
    switch (request.kind) {
    case EffectRequest::Spin:
        ui->spinStepSpinBox->setValue(qAbs(request.step));
        ui->spinClockwiseCheckBox->setChecked(clockwise);
        ui->spinEaseComboBox->setCurrentIndex(request.ease);
        break;
    case EffectRequest::Chase: {
        const int heads = ui->chaseHeadsComboBox->findText(QString::number(request.heads));
        ui->chaseHeadsComboBox->setCurrentIndex(qMax(0, heads));
        ui->chaseLengthSpinBox->setMaximum(
            RingGeometry::PositionsPerRing / ui->chaseHeadsComboBox->currentText().toInt());
        ui->chaseLengthSpinBox->setValue(request.length);
        ui->chaseStepSpinBox->setValue(qAbs(request.step) % RingGeometry::PositionsPerRing);
        ui->chaseClockwiseCheckBox->setChecked(clockwise);
        ui->chaseCountSpinBox->setValue(request.count);
        ui->chaseEaseComboBox->setCurrentIndex(request.ease);
        break;
    }
    case EffectRequest::Fill:
        ui->fillStartSpinBox->setValue(
            ((request.start % RingGeometry::PositionsPerRing) + RingGeometry::PositionsPerRing)
                % RingGeometry::PositionsPerRing
            + 1);
        ui->fillPerFrameSpinBox->setValue(request.perFrame);
        ui->fillClockwiseCheckBox->setChecked((request.direction >= 0) == (clockwiseSign() > 0));
        ui->fillThenEmptyCheckBox->setChecked(request.thenEmpty);
        break;
    case EffectRequest::Ripple:
        ui->rippleDirectionComboBox->setCurrentIndex(request.outward ? 0 : 1);
        ui->rippleWidthSpinBox->setValue(request.width);
        ui->rippleBounceCheckBox->setChecked(request.bounce);
        break;
    case EffectRequest::Blink:
        ui->blinkTimesSpinBox->setValue(request.times);
        ui->blinkInvertCheckBox->setChecked(request.invert);
        break;
    case EffectRequest::Dissolve:
        ui->dissolveCountSpinBox->setValue(request.count);
        ui->dissolveSeedSpinBox->setValue(int(request.seed & 0x7fffffff));
        break;
    case EffectRequest::Twinkle:
        ui->twinkleDensitySpinBox->setValue(request.density);
        ui->twinkleCountSpinBox->setValue(request.count);
        ui->twinkleSeedSpinBox->setValue(int(request.seed & 0x7fffffff));
        ui->twinkleDensityEndSpinBox->setValue(request.densityEnd);
        break;
    }
}

void GenerateDialog::setFrames(const QList<QVector<int>>& frames, int shownNumber)
{
    m_list = frames;
    m_shownNumber = shownNumber >= 1 && shownNumber <= frames.size() ? shownNumber : 0;
    const QSignalBlocker blocker(ui->dissolveToSpinBox);
    ui->dissolveToSpinBox->setRange(1, qMax(1, frames.size()));
    // The next frame, or the first after the last: playback goes round.
    ui->dissolveToSpinBox->setValue(m_shownNumber % qMax(1, frames.size()) + 1);
    regenerate();
}

int GenerateDialog::toFrame() const
{
    return ui->dissolveToSpinBox->value();
}

void GenerateDialog::setListName(const QString& name)
{
    m_listName = name;
    regenerate();
}

bool GenerateDialog::isAtEnd() const
{
    return ui->endRadioButton->isChecked();
}

int GenerateDialog::placeNumber() const
{
    return isAtEnd() ? m_list.size() : m_shownNumber;
}

void GenerateDialog::describePlacement()
{
    // Without a shown frame the frames can only go at the end.
    const bool shown = m_shownNumber > 0;
    ui->insertRadioButton->setEnabled(shown);
    ui->overRadioButton->setEnabled(shown);
    if (!shown && !isAtEnd()) {
        const QSignalBlocker blocker(ui->endRadioButton);
        ui->endRadioButton->setChecked(true);
    }
    const QString shownText = QString::number(m_shownNumber);
    ui->insertRadioButton->setText(
        shown ? tr("Insert after #%1").arg(shownText) : tr("Insert after the shown frame"));
    ui->overRadioButton->setText(
        shown ? tr("Over the frames from #%1").arg(shownText) : tr("Over the shown frame"));
    ui->endRadioButton->setText(tr("At the end of the %1").arg(m_listName));
    const int n = placeNumber();
    ui->keepCheckBox->setText(n > 0 ? tr("Keep the other rings of #%1").arg(n) : tr("Keep the other rings"));
    ui->keepCheckBox->setEnabled(n > 0);

    const int count = m_frames.size();
    QString where;
    if (count == 0)
        where = QString();
    else if (ui->overRadioButton->isChecked() && shown) {
        const int last = qMin(m_shownNumber + count - 1, m_list.size());
        const int extra = m_shownNumber + count - 1 - last;
        where = extra > 0 ? tr("The frames go over frames #%1 to #%2, and %3 more at the end.")
                                .arg(m_shownNumber)
                                .arg(last)
                                .arg(Counts::frames(extra))
                          : tr("The frames go over frames #%1 to #%2.").arg(m_shownNumber).arg(last);
    } else if (isAtEnd())
        where = n > 0 ? tr("The frames go at the end, after frame #%1.").arg(n)
                      : tr("The frames go at the end.");
    else
        where = tr("The frames go after frame #%1.").arg(m_shownNumber);
    ui->whereLabel->setText(where);
}

void GenerateDialog::setImageBytes(int bytes, int bytesPerFrame)
{
    m_bytes = bytes;
    m_bytesPerFrame = bytesPerFrame;
    regenerate();
}

int GenerateDialog::addedFrames() const
{
    // Frames laid over others add only those that run past the last.
    if (ui->overRadioButton->isChecked() && m_shownNumber > 0)
        return qMax(0, m_shownNumber + m_frames.size() - 1 - m_list.size());
    return m_frames.size();
}

int GenerateDialog::weighedBytes() const
{
    return m_bytes + addedFrames() * m_bytesPerFrame;
}

bool GenerateDialog::isOverCapacity() const
{
    return weighedBytes() > PanelCommand::ProgramMemory;
}

QString GenerateDialog::problem() const
{
    const QVector<int> shown = m_shownNumber > 0 ? m_list.at(m_shownNumber - 1) : QVector<int>();
    const QVector<int> to = m_list.value(toFrame() - 1);
    return Effects::problem(request(), shown, to);
}

void GenerateDialog::regenerate()
{
    if (m_kind == EffectRequest::Chase) {
        const QSignalBlocker blocker(ui->chaseLengthSpinBox);
        ui->chaseLengthSpinBox->setMaximum(
            RingGeometry::PositionsPerRing / qMax(1, ui->chaseHeadsComboBox->currentText().toInt()));
    }
    const QString reason = problem();
    if (reason.isEmpty()) {
        const QVector<int> shown = m_shownNumber > 0 ? m_list.at(m_shownNumber - 1) : QVector<int>();
        const EffectRequest effect = request();
        m_frames = Effects::placed(
            effect, Effects::generate(effect, shown, m_list.value(toFrame() - 1)), m_list, placeNumber());
    } else {
        m_frames.clear();
    }
    describePlacement();
    ui->problemLabel->setText(reason);
    ui->problemLabel->setVisible(!reason.isEmpty());
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_frames.isEmpty());

    const int bytes = weighedBytes();
    ui->weightLabel->setText(tr("With %1 more the document takes %2 of %3 bytes.")
                                 .arg(Counts::frames(addedFrames()), QString::number(bytes),
                                     QString::number(PanelCommand::ProgramMemory)));
    if (isOverCapacity()) {
        ui->weightLabel->setStyleSheet(QStringLiteral("color: #c00000;"));
        ui->weightLabel->setToolTip(tr("%1 bytes more than the panel's program memory: the program cannot be "
                                       "written until it is smaller.")
                                        .arg(bytes - PanelCommand::ProgramMemory));
    } else {
        ui->weightLabel->setStyleSheet(QString());
        ui->weightLabel->setToolTip(QString());
    }
    showFrame(0);
}

void GenerateDialog::showNextFrame()
{
    showFrame(m_frames.isEmpty() ? 0 : (m_previewFrame + 1) % m_frames.size());
}

void GenerateDialog::showFrame(int index)
{
    m_previewFrame = index;
    if (!m_painter)
        return;
    const QVector<int> frame = m_frames.value(index, QVector<int>(RingFrameImage::LedCount, 0));
    ui->previewLabel->setPixmap(QPixmap::fromImage(m_painter->image(ledsOf(frame))));
    ui->frameCountLabel->setText(
        m_frames.isEmpty() ? tr("No frames") : tr("Frame %1 of %2").arg(index + 1).arg(m_frames.size()));
}
