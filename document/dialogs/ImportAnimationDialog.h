#pragma once

#include "formats/AnimationImport.h"
#include "kamdeldocument_export.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class AbstractTreeItem;
class DocumentEdits;
class KamdelDocument;
class LedStatesCommand;
class RingFrameImage;
class Ui_ImportAnimationDialog;

// The options of an animation import, with the frame read beside the LED
// frame it gives, for pictures already read.
class KAMDELDOCUMENT_EXPORT ImportAnimationDialog : public QDialog
{
    Q_OBJECT

public:
    ImportAnimationDialog(
        const AnimationImport& source, const QString& sourceName, QWidget* parent = nullptr);
    ~ImportAnimationDialog() override;

    AnimationImport::Options options() const;
    void setOptions(const AnimationImport::Options& options);
    // The source frame shown in the preview, from 0.
    int previewFrame() const;
    void setPreviewFrame(int frame);
    QImage sourcePreview() const;
    QImage resultPreview() const;
    // What the dialog says of where the frames go, at the current frame or
    // at the end of the Program, and which the user chose.
    void setPlaces(const QString& atCurrent, const QString& atEnd);
    bool isAtEnd() const;

    // Asks for pictures and options and puts the frames into the document
    // as the frame tools put new frames (FrameEditor::insertFrames): after
    // the current frame or at the end of the Program, as one step of the
    // history, the new frames becoming current.
    // Returns the number of frames added, 0 when the user cancels, and -1
    // with `message` set when the pictures are refused.
    static int importInto(KamdelDocument* document, QWidget* parent, QString* message);

private:
    void showOptions();
    void showPlace();
    void updatePreview();
    const RingFrameImage& drawing(eLedPanelSide side);

    std::unique_ptr<Ui_ImportAnimationDialog> ui;
    const AnimationImport& m_source;
    std::unique_ptr<RingFrameImage> m_drawings[2];
    QImage m_sourcePreview;
    QImage m_resultPreview;
    QString m_places[2];
};
