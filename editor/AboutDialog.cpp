#include "AboutDialog.h"
#include "ui_AboutDialog.h"

#include "KamdelDocument.h"

#include <QCoreApplication>
#include <QGraphicsEllipseItem>
#include <QGraphicsScene>
#include <QtMath>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui_AboutDialog>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(tr("Segmented LED Panel Editor"));

    ui->label_version->setText(tr("Version \n")
        + tr("  KamdelEditor: %1\n").arg(QCoreApplication::applicationVersion())
        + tr("  KamdelDocument: %1\n").arg(KamdelDocument::version()));

    connect(ui->pushButton_Close, &QPushButton::clicked, this, &QDialog::close);
    drawPanel();
}

void AboutDialog::drawPanel()
{
    // A small ring panel in the picture frame, so the box shows what the
    // program is for rather than an empty square.
    auto* scene = new QGraphicsScene(-48, -48, 96, 96, this);
    scene->setBackgroundBrush(palette().window());
    scene->addEllipse(-46, -46, 92, 92, QPen(QColor(0x0E, 0x4D, 0x2C), 1), QColor(0x1E, 0x6E, 0x3C));
    scene->addEllipse(-17, -17, 34, 34, QPen(QColor(0x0E, 0x4D, 0x2C), 1), palette().window());
    for (int ring = 0; ring < 4; ++ring) {
        const double radius = 22 + ring * 6.5;
        for (int led = 0; led < 48; ++led) {
            const double angle = qDegreesToRadians(-90.0 - 7.5 * led);
            const bool lit = led < 6 + 4 * ring;
            const QPointF at(radius * qCos(angle), radius * qSin(angle));
            scene->addEllipse(at.x() - 1.6, at.y() - 1.6, 3.2, 3.2, Qt::NoPen,
                              lit ? QColor(Qt::yellow) : QColor(0x3C, 0x3C, 0x3C));
        }
    }
    ui->graphicsView->setRenderHint(QPainter::Antialiasing);
    ui->graphicsView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->graphicsView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->graphicsView->setFrameShape(QFrame::NoFrame);
    ui->graphicsView->setMinimumSize(100, 100);
    ui->graphicsView->setScene(scene);
}

AboutDialog::~AboutDialog() = default;
