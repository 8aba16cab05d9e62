#include "AboutDialog.h"
#include "ui_AboutDialog.h"

#include "KamdelDocument.h"

#include <QCoreApplication>

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
}

AboutDialog::~AboutDialog() = default;
