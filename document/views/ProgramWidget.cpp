#include "ProgramWidget.h"

#include "ItemSummary.h"
#include "RingLanesView.h"
#include "compiler/Compiller.h"
#include "edits/DocumentEdits.h"
#include "model/ProgramItem.h"
#include "player/PanelCommand.h"
#include "ui_ProgramWidget.h"

#include <QToolButton>

ProgramWidget::ProgramWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_ProgramWidget>())
    , lanes(new RingLanesView(this))
{
    ui->setupUi(this);
    ui->verticalLayout->addWidget(lanes, 1);
    for (QAction* tool : { lanes->lineTool(), lanes->selectTool() }) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(tool);
        ui->headerLayout->addWidget(button);
    }
}

ProgramWidget::~ProgramWidget() = default;

void ProgramWidget::setEdits(DocumentEdits* edits)
{
    lanes->setEdits(edits);
    disconnect(editsConnection);
    if (!edits)
        return;
    // The lanes read their list again themselves.
    editsConnection = connect(edits, &DocumentEdits::edited, this, [this] {
        if (isVisible() && program)
            showSummary(program);
    });
}

void ProgramWidget::setItem(ProgramItem* item)
{
    program = item;
    showSummary(item);
    lanes->setList(item);
}

void ProgramWidget::showSummary(ProgramItem* item)
{
    frames = ItemSummary::frameCount(item);
    ui->label->setText(ItemSummary::of(item));
    ui->label_Frames->setText(QString::number(frames));
    ui->label_Bytes->setText(tr("%1 of %2")
                                 .arg(ItemSummary::bytes(Compiller::codeSize(item)),
                                     QString::number(PanelCommand::ProgramMemory)));
    showLength();
}

void ProgramWidget::setFramesPerSecond(int framesPerSecond)
{
    this->framesPerSecond = qMax(1, framesPerSecond);
    showLength();
}

void ProgramWidget::showLength()
{
    const double seconds = double(frames) / framesPerSecond;
    ui->label_Length->setText(
        tr("%1 s at %2 fps").arg(QString::number(seconds, 'f', 2), QString::number(framesPerSecond)));
}
