#include "TestPattern.h"

#include "edits/DocumentEdits.h"
#include "model/DeviceItem.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"
#include "model/ResetCommand.h"
#include "model/RingGeometry.h"
#include "player/PanelCommand.h"

namespace {

constexpr int AllOnFrames = 1;
constexpr int RingFrames = RingGeometry::Rings;
constexpr int WalkFrames = RingGeometry::PositionsPerRing;

} // namespace

int TestPattern::frameCount()
{
    return AllOnFrames + RingFrames + WalkFrames;
}

int TestPattern::pauseMs(int frame)
{
    if (frame < AllOnFrames)
        return 2000;
    return frame < AllOnFrames + RingFrames ? 1000 : 150;
}

QVector<int> TestPattern::frame(int frame)
{
    QVector<int> values(RingGeometry::LedCount, 0);
    for (int led = 0; led < values.size(); ++led) {
        if (frame < AllOnFrames)
            values[led] = 1;
        else if (frame < AllOnFrames + RingFrames)
            values[led] = RingGeometry::ringOf(led) == frame - AllOnFrames;
        else
            values[led] = RingGeometry::positionOf(led) == frame - AllOnFrames - RingFrames;
    }
    return values;
}

bool TestPattern::save(const QString& path, const QString& model, QString* error)
{
    const PanelDocument::Panel panel = PanelDocument::panelOfModel(model);
    if (panel == PanelDocument::Panel::None) {
        *error = tr("no test pattern for the unknown model %1").arg(model);
        return false;
    }
    PanelDocument document(panel);
    QList<QVector<int>> frames;
    for (int n = 0; n < frameCount(); ++n)
        frames << frame(n);
    AbstractTreeItem* program = document.deviceItem()->program(0);
    document.edits()->insertFrames(program, -1, frames, tr("Test pattern"));
    // The panel starts again from the top and the operator watches as long as needed.
    document.edits()->appendItem(new ResetCommand, program);
    document.compile();
    const int bytes = document.createBinnary().size();
    if (bytes > PanelCommand::ProgramMemory) {
        *error = tr("the test pattern takes %1 bytes, more than the panel's %2")
                     .arg(QString::number(bytes), QString::number(PanelCommand::ProgramMemory));
        return false;
    }
    if (!document.save(path)) {
        *error = document.errorString();
        return false;
    }
    return true;
}
