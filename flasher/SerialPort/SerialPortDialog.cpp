#include "SerialPortDialog.h"
#include "ui_SerialPortDialog.h"

#include "Helper/PortOrder.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QStandardItemModel>

#include <algorithm>

namespace {

constexpr int DetailsRole = Qt::UserRole + 1;

// The list shows each port with what the system tells of it, while the edit
// field, the completer and OK keep to the bare name (the edit role).
class PortListModel : public QStandardItemModel
{
public:
    using QStandardItemModel::QStandardItemModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const QVariant name = QStandardItemModel::data(index, role);
        if (role != Qt::DisplayRole)
            return name;
        const QString details = QStandardItemModel::data(index, DetailsRole).toString();
        return details.isEmpty() ? name : QVariant(QStringLiteral("%1  (%2)").arg(name.toString(), details));
    }
};

int findPort(const QComboBox* box, const QString& name)
{
    return box->findData(name, Qt::EditRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void addBaudRates(QComboBox* box)
{
    static const int rates[] = { 128000, 115200, 76800, 57600, 38400, 33600, 28800, 19200, 14400, 9600, 4800,
        3600, 2400, 1800, 1200, 900, 600, 300 };
    for (int rate : rates)
        box->addItem(QString::number(rate));
}

void selectData(QComboBox* box, int value)
{
    box->setCurrentIndex(box->findData(value));
}

} // namespace

SerialPortDialog::SerialPortDialog(QSerialPort* serialPort, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui_SerialPortDialog>())
    , m_pSerialPort(serialPort)
{
    Q_ASSERT(m_pSerialPort);

    ui->setupUi(this);
    ui->comboBox_Port->setModel(new PortListModel(ui->comboBox_Port));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    fillSelectors();

    connect(ui->pushButton_Refresh, &QPushButton::pressed, this, &SerialPortDialog::refresh);
    connect(ui->pushButton_OK, &QPushButton::pressed, this, &SerialPortDialog::accept);
    connect(ui->pushButton_Cancel, &QPushButton::pressed, this, &SerialPortDialog::reject);
}

SerialPortDialog::~SerialPortDialog() = default;

void SerialPortDialog::fillSelectors()
{
    addBaudRates(ui->comboBox_Baudrate);
    ui->comboBox_Baudrate->setCurrentText(QStringLiteral("57600"));

    ui->comboBox_DataBits->addItem(tr("8"), int(QSerialPort::Data8));
    ui->comboBox_DataBits->addItem(tr("7"), int(QSerialPort::Data7));
    ui->comboBox_DataBits->addItem(tr("6"), int(QSerialPort::Data6));
    ui->comboBox_DataBits->addItem(tr("5"), int(QSerialPort::Data5));

    ui->comboBox_StopBits->addItem(tr("1"), int(QSerialPort::OneStop));
    ui->comboBox_StopBits->addItem(tr("1.5"), int(QSerialPort::OneAndHalfStop));
    ui->comboBox_StopBits->addItem(tr("2"), int(QSerialPort::TwoStop));

    ui->comboBox_Parity->addItem(tr("None"), int(QSerialPort::NoParity));
    ui->comboBox_Parity->addItem(tr("Even"), int(QSerialPort::EvenParity));
    ui->comboBox_Parity->addItem(tr("Odd"), int(QSerialPort::OddParity));
    ui->comboBox_Parity->addItem(tr("Space"), int(QSerialPort::SpaceParity));
    ui->comboBox_Parity->addItem(tr("Mark"), int(QSerialPort::MarkParity));
}

void SerialPortDialog::setPortNameEditable(bool editable)
{
    ui->comboBox_Port->setEnabled(editable);
}

void SerialPortDialog::setBaudRateEditable(bool editable)
{
    ui->comboBox_Baudrate->setEnabled(editable);
}

void SerialPortDialog::setDataBitsEditable(bool editable)
{
    ui->comboBox_DataBits->setEnabled(editable);
}

void SerialPortDialog::setStopBitsEditable(bool editable)
{
    ui->comboBox_StopBits->setEnabled(editable);
}

void SerialPortDialog::setParityEditable(bool editable)
{
    ui->comboBox_Parity->setEnabled(editable);
}

QStringList SerialPortDialog::availablePortNames() const
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports)
        names << info.portName();
    return names;
}

QMap<QString, SerialPortDialog::PortDetails> SerialPortDialog::portDetails() const
{
    QMap<QString, PortDetails> details;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports)
        details.insert(info.portName(), { info.description(), info.serialNumber() });
    return details;
}

QStringList SerialPortDialog::sortedPortNames(QStringList names)
{
    std::sort(names.begin(), names.end(), PortOrder::less);
    return names;
}

void SerialPortDialog::refresh()
{
    const QStringList names = sortedPortNames(availablePortNames());
    const QMap<QString, PortDetails> details = portDetails();

    const QString selected = ui->comboBox_Port->currentText();
    // A detected port that went away gives way to the first one left; a typed
    // path or the port in use was never detected and stays chosen.
    const bool chosenByHand = !selected.trimmed().isEmpty() && !m_DetectedNames.contains(selected);
    m_DetectedNames = names;
    ui->comboBox_Port->clear();
    for (const QString& name : names) {
        const PortDetails found = details.value(name);
        QStringList parts;
        if (!found.description.trimmed().isEmpty())
            parts << found.description.trimmed();
        if (!found.serialNumber.trimmed().isEmpty())
            parts << tr("serial %1").arg(found.serialNumber.trimmed());
        ui->comboBox_Port->addItem(name);
        ui->comboBox_Port->setItemData(
            ui->comboBox_Port->count() - 1, parts.join(QStringLiteral(", ")), DetailsRole);
    }
    int index = findPort(ui->comboBox_Port, selected);
    if (index < 0 && chosenByHand) {
        ui->comboBox_Port->insertItem(0, selected);
        index = 0;
    }
    ui->comboBox_Port->setCurrentIndex(index >= 0 ? index : (names.isEmpty() ? -1 : 0));
}

void SerialPortDialog::show()
{
    // A path typed at an earlier opening and canceled is not offered again.
    ui->comboBox_Port->setCurrentIndex(-1);
    ui->comboBox_Port->clearEditText();
    refresh();

    // A port that is not detected (a symbolic link, a virtual boot loader)
    // is still the one in use: show it at the top rather than nothing.
    const QString current = m_pSerialPort->portName();
    int index = findPort(ui->comboBox_Port, current);
    if (index < 0 && !current.isEmpty()) {
        ui->comboBox_Port->insertItem(0, current);
        index = 0;
    }
    ui->comboBox_Port->setCurrentIndex(index);

    const int baudIndex = ui->comboBox_Baudrate->findText(
        QString::number(m_pSerialPort->baudRate()), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (baudIndex >= 0)
        ui->comboBox_Baudrate->setCurrentIndex(baudIndex);

    selectData(ui->comboBox_DataBits, int(m_pSerialPort->dataBits()));
    selectData(ui->comboBox_StopBits, int(m_pSerialPort->stopBits()));
    selectData(ui->comboBox_Parity, int(m_pSerialPort->parity()));

    QDialog::show();
}

void SerialPortDialog::accept()
{
    const bool wasOpen = m_pSerialPort->isOpen();
    if (wasOpen)
        m_pSerialPort->close();

    // A locked selector leaves its setting alone: the owner fixed it, even
    // when the port's value is not among the entries and the selector shows
    // something else. A selector without a match keeps the port's value
    // instead of writing an invalid one; so does the port name when it is
    // left empty. Any typed device path is taken as it stands.
    const QString portName = ui->comboBox_Port->currentText().trimmed();
    if (ui->comboBox_Port->isEnabledTo(this) && !portName.isEmpty())
        m_pSerialPort->setPortName(portName);

    bool ok = false;
    const int baudRate = ui->comboBox_Baudrate->currentText().toInt(&ok, 10);
    if (ok && ui->comboBox_Baudrate->isEnabledTo(this))
        m_pSerialPort->setBaudRate(baudRate);

    const QVariant dataBits = ui->comboBox_DataBits->currentData();
    if (dataBits.isValid() && ui->comboBox_DataBits->isEnabledTo(this))
        m_pSerialPort->setDataBits(static_cast<QSerialPort::DataBits>(dataBits.toInt()));
    const QVariant stopBits = ui->comboBox_StopBits->currentData();
    if (stopBits.isValid() && ui->comboBox_StopBits->isEnabledTo(this))
        m_pSerialPort->setStopBits(static_cast<QSerialPort::StopBits>(stopBits.toInt()));
    const QVariant parity = ui->comboBox_Parity->currentData();
    if (parity.isValid() && ui->comboBox_Parity->isEnabledTo(this))
        m_pSerialPort->setParity(static_cast<QSerialPort::Parity>(parity.toInt()));

    if (wasOpen)
        m_pSerialPort->open(QIODevice::ReadWrite);

    QDialog::accept();
}
