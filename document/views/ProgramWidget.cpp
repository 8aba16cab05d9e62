#include "ProgramWidget.h"

#include "ItemSummary.h"
#include "RingLanesView.h"
#include "compiler/Compiller.h"
#include "model/ProgramItem.h"
#include "player/PanelCommand.h"
#include "ui_ProgramWidget.h"

ProgramWidget::ProgramWidget(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_ProgramWidget>())
    , lanes(new RingLanesView(this))
{
    ui->setupUi(this);
    ui->verticalLayout->addWidget(lanes, 1);
}

ProgramWidget::~ProgramWidget() = default;

void ProgramWidget::setItem(ProgramItem* item)
{
    frames = ItemSummary::frameCount(item);
    ui->label->setText(ItemSummary::of(item));
    ui->label_Frames->setText(QString::number(frames));
    ui->label_Bytes->setText(tr("%1 of %2")
                                 .arg(ItemSummary::bytes(Compiller::codeSize(item)),
                                     QString::number(PanelCommand::ProgramMemory)));
    lanes->setList(item);
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
