#pragma once

#include "kamdeldocument_export.h"
#include "model/EffectRequest.h"
#include "model/LedPanelTypes.h"

#include <QDialog>
#include <QList>
#include <QVector>

#include <array>
#include <memory>

class GeneratePresets;
class QTimer;
class RingFrameImage;
class Ui_GenerateDialog;

// Asks for an effect and its parameters while a preview plays its frames
// as the board shows them, and tells what the document will weigh with
// them. "Clockwise" is as seen from the side the board shows.
class KAMDELDOCUMENT_EXPORT GenerateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GenerateDialog(QWidget* parent = nullptr);
    ~GenerateDialog() override;

    void setSide(eLedPanelSide side);
    // The parameters a kind starts with; the kind shown stays.
    void setRequest(const EffectRequest& request);
    void setKind(EffectRequest::Kind kind);
    // Where the named parameters of each kind are kept; without any the
    // dialog offers none.
    void setPresets(GeneratePresets* presets);
    // The parameters of the kind shown.
    EffectRequest request() const;

    // The frames of the shown frame's list and the 1-based number of the
    // shown frame (0: none), for Spin, Blink and Dissolve. Dissolve goes to
    // the next frame unless another is picked.
    void setFrames(const QList<QVector<int>>& frames, int shownNumber);
    int toFrame() const;
    // What the list is called in "At the end of the Program".
    void setListName(const QString& name);
    // Whether the frames go after the list's last frame instead of at the
    // shown frame.
    bool isAtEnd() const;

    // The image's size now and what each new frame adds to it.
    void setImageBytes(int bytes, int bytesPerFrame);
    int weighedBytes() const;
    // How many frames OK adds to the document.
    int addedFrames() const;
    bool isOverCapacity() const;

    // The frames OK puts in place, combined with those they land on, and
    // why none when it is empty.
    const QList<QVector<int>>& frames() const { return m_frames; }
    QString problem() const;

    int previewFrame() const { return m_previewFrame; }
    // Draws the next frame of the preview; the timer calls it.
    void showNextFrame();

private:
    void kindChanged(int index);
    void readPage(EffectRequest::Kind kind, EffectRequest* request) const;
    void writePage(const EffectRequest& request);
    // New frames, weight and preview for the parameters shown.
    void regenerate();
    void showFrame(int index);
    // The frame number the frames are placed at, and what the where-line
    // and the choices say about it.
    int placeNumber() const;
    void readPlacement(EffectRequest* request) const;
    void describePlacement();
    // +1 when clockwise as seen is rising position numbers, -1 otherwise.
    int clockwiseSign() const;
    // The shown kind's presets in the box, the one named `chosen` current.
    void listPresets(const QString& chosen = QString());
    void applyPreset(int index);
    void savePreset();
    void deletePreset();

    std::unique_ptr<Ui_GenerateDialog> ui;
    std::unique_ptr<RingFrameImage> m_painter;
    QTimer* m_timer;
    GeneratePresets* m_presets = nullptr;
    eLedPanelSide m_side = Bottom;
    // Not a QVector: GCC 12 misjudges its copy of this struct as an overflow.
    std::array<EffectRequest, EffectRequest::KindCount> m_requests;
    EffectRequest::Kind m_kind = EffectRequest::Chase;
    QList<QVector<int>> m_list;
    int m_shownNumber = 0;
    QString m_listName;
    int m_bytes = 0;
    int m_bytesPerFrame = 0;
    QList<QVector<int>> m_frames;
    int m_previewFrame = 0;
};
