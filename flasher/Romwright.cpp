#include "Romwright.h"
#include "RomwrightPrivate.h"
#include "SerialPort/SerialPortDialog.h"
#include "ui_Romwright.h"

#include <QCloseEvent>

Romwright::Romwright(const QString& mpu, const QByteArray& flashCommand, QWidget* parent)
    : QMainWindow(parent)
    , d_ptr(std::make_unique<RomwrightPrivate>(this, mpu, flashCommand))
    , ui(std::make_unique<Ui_Romwright>())
{
    Q_D(Romwright);
    ui->setupUi(this);
    setWindowFlags(
        (windowFlags() | Qt::Window | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Romwright"));

    connect(ui->selectPort, &QPushButton::clicked, d, &RomwrightPrivate::portSetupDialog);
    connect(ui->selectFile, &QPushButton::clicked, d, &RomwrightPrivate::selectFile);
    connect(ui->flash, &QPushButton::clicked, d, &RomwrightPrivate::flashDevice);
    connect(ui->cancel, &QPushButton::clicked, d, &RomwrightPrivate::cancel);

    // No image is assumed: the user picks the file for the board at hand.
    ui->imagePath->setText(QString());
    d->updateActions();
}

Romwright::~Romwright() = default;

QString Romwright::version()
{
    return QStringLiteral("1.0.0");
}

void Romwright::setImagePath(const QString& path)
{
    Q_D(Romwright);
    ui->imagePath->setText(path);
    d->updateActions();
}

void Romwright::setPortName(const QString& port, bool editable)
{
    Q_D(Romwright);
    d->m_pSerialPort->setPortName(port);
    d->m_pSerialPortDialog->setPortNameEditable(editable);
    d->updateActions();
}

void Romwright::setBaudRate(int baudrate, bool editable)
{
    Q_D(Romwright);
    d->m_pSerialPort->setBaudRate(baudrate);
    d->m_pSerialPortDialog->setBaudRateEditable(editable);
    d->updateActions();
}

void Romwright::setDataBits(QSerialPort::DataBits dataBits, bool editable)
{
    Q_D(Romwright);
    d->m_pSerialPort->setDataBits(dataBits);
    d->m_pSerialPortDialog->setDataBitsEditable(editable);
}

void Romwright::setStopBits(QSerialPort::StopBits stopBits, bool editable)
{
    Q_D(Romwright);
    d->m_pSerialPort->setStopBits(stopBits);
    d->m_pSerialPortDialog->setStopBitsEditable(editable);
}

void Romwright::setParity(QSerialPort::Parity parity, bool editable)
{
    Q_D(Romwright);
    d->m_pSerialPort->setParity(parity);
    d->m_pSerialPortDialog->setParityEditable(editable);
}

void Romwright::setSettings(QSettings* settings)
{
    Q_D(Romwright);
    d->setSettings(settings);
}

void Romwright::closeEvent(QCloseEvent* event)
{
    Q_D(Romwright);
    if (d->deferClose()) {
        event->ignore();
        return;
    }
    emit finished();
    QMainWindow::closeEvent(event);
}
