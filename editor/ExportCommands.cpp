#include "ExportCommands.h"

#include "DocumentHost.h"
#include "EditorDialogs.h"
#include "KamdelDocument.h"
#include "dialogs/ImportAnimationDialog.h"
#include "formats/AnimationExport.h"
#include "model/LedStatesCommand.h"
#include "views/LedPanelScene_Ring.h"

#include <QDir>
#include <QFileInfo>

ExportCommands::ExportCommands(QWidget* window, const DocumentHost& host, EditorDialogs& dialogs)
    : QObject(window)
    , window(window)
    , host(host)
    , dialogs(dialogs)
{
}

ExportCommands::~ExportCommands() = default;

void ExportCommands::importAnimation()
{
    auto* document = qobject_cast<KamdelDocument*>(host.document());
    if (!document) {
        emit message(tr("No document is open: there is nothing to import into."), 5000);
        return;
    }
    QString error;
    const int frames = ImportAnimationDialog::importInto(document, window, &error);
    if (frames < 0)
        dialogs.showWarning(error);
    else if (frames > 0)
        emit message(tr("%1 frames imported").arg(frames), 5000);
}

void ExportCommands::exportAnimation()
{
    auto* document = qobject_cast<KamdelDocument*>(host.document());
    if (!document) {
        emit message(tr("No document is open: there is nothing to export."), 5000);
        return;
    }
    AnimationExport::Options options;
    if (document->panelScene())
        options.side = document->panelScene()->side();
    if (!dialogs.askAnimationOptions(options))
        return;
    options.source = document->filePath();
    const QString base = QFileInfo(document->fileName()).completeBaseName();
    const QString fileName = dialogs.askExportFileName(tr("Export animation"),
        QFileInfo(QDir(document->fileDir()), base + QStringLiteral(".gif")).filePath(),
        tr("Animated GIF (*.gif)"));
    if (fileName.isEmpty())
        return;
    document->compile();
    QString error;
    int frames = 0;
    if (!AnimationExport::writeGif(document->createBinnary(), AnimationExport::variantOf(document->core()),
            options, fileName, &error, &frames)) {
        dialogs.showWarning(error);
        return;
    }
    emit message(tr("%1 frames exported to %2").arg(QString::number(frames), fileName), 5000);
}

void ExportCommands::exportFrame()
{
    auto* document = qobject_cast<KamdelDocument*>(host.document());
    LedStatesCommand* frame
        = document && document->panelScene() ? document->panelScene()->shownFrame() : nullptr;
    if (!frame) {
        emit message(document ? tr("No frame is shown: pick one in the tree.")
                              : tr("No document is open: there is nothing to export."),
            5000);
        return;
    }
    AnimationExport::Leds leds;
    for (int i = 0; i < qMin(frame->leds().size(), int(leds.size())); ++i)
        leds[size_t(i)] = frame->leds().at(i)->value() > 0;
    const QString fileName = dialogs.askExportFileName(tr("Export frame as PNG"),
        QFileInfo(QDir(document->fileDir()),
            QFileInfo(document->fileName()).completeBaseName() + QStringLiteral(".png"))
            .filePath(),
        tr("PNG picture (*.png)"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!AnimationExport::writePng(leds, AnimationExport::DefaultSize, document->panelScene()->side(),
            fileName, &error, document->filePath()))
        dialogs.showWarning(error);
    else
        emit message(tr("Frame exported to %1").arg(fileName), 5000);
}
