#include "SerialPort/SerialPortDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QtTest>

#include <pty.h>
#include <unistd.h>

namespace {

// The dialog with a port list chosen by the test instead of the system's.
class ListedPortsDialog : public SerialPortDialog
{
public:
    using SerialPortDialog::PortDetails;
    using SerialPortDialog::SerialPortDialog;
    QStringList ports;
    QMap<QString, PortDetails> details;

protected:
    QStringList availablePortNames() const override { return ports; }
    QMap<QString, PortDetails> portDetails() const override { return details; }
};

// The texts of the drop-down list, as the user reads them.
QStringList listTexts(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->model()->index(i, box->modelColumn()).data(Qt::DisplayRole).toString();
    return texts;
}

QStringList entries(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// A pseudo-terminal whose slave end a QSerialPort can open.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0)
            m_path = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal()
    {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    // The name under which the serial port reports it ("pts/3").
    QString portName() const { return m_path.mid(QStringLiteral("/dev/").size()); }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

struct PortSettings
{
    QString name;
    int baudRate;
    QSerialPort::DataBits dataBits;
    QSerialPort::StopBits stopBits;
    QSerialPort::Parity parity;
};

void apply(QSerialPort& port, const PortSettings& s)
{
    port.setPortName(s.name);
    port.setBaudRate(s.baudRate);
    port.setDataBits(s.dataBits);
    port.setStopBits(s.stopBits);
    port.setParity(s.parity);
}

PortSettings settingsOf(const QSerialPort& port)
{
    return { port.portName(), port.baudRate(), port.dataBits(), port.stopBits(), port.parity() };
}

} // namespace

Q_DECLARE_METATYPE(QSerialPort::DataBits)
Q_DECLARE_METATYPE(QSerialPort::StopBits)
Q_DECLARE_METATYPE(QSerialPort::Parity)

class tst_SerialPortDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void naturalOrder_data();
    void naturalOrder();
    void refreshKeepsSelection_data();
    void refreshKeepsSelection();
    void refreshButtonRereadsPorts();
    void refreshKeepsUndetectedPortInUse();
    void showLoadsPortSettings_data();
    void showLoadsPortSettings();
    void speedNotInListKeepsPreviousSelection();
    void okWritesSelection();
    void typedPortNameIsWritten_data();
    void typedPortNameIsWritten();
    void okWithoutChosenPortKeepsName_data();
    void okWithoutChosenPortKeepsName();
    void lockedSelectorShowsAndKeepsValue_data();
    void lockedSelectorShowsAndKeepsValue();
    void lockedSettingSurvivesMismatch_data();
    void lockedSettingSurvivesMismatch();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void okReopensAnOpenPort();
    void listShowsDescriptionAndSerial_data();
    void listShowsDescriptionAndSerial();
    void systemPortsShowTheirDetails();
};

void tst_SerialPortDialog::cleanup()
{
    // No dialog may be left open for the next case.
    for (const QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void tst_SerialPortDialog::naturalOrder_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("number, not text")
        << QStringList { "COM10", "COM2", "COM1" } << QStringList { "COM1", "COM2", "COM10" };
    QTest::addRow("prefix first") << QStringList { "LPT1", "COM10", "COM2" }
                                  << QStringList { "COM2", "COM10", "LPT1" };
    QTest::addRow("unix names") << QStringList { "ttyUSB10", "ttyS0", "ttyUSB2", "ttyACM1" }
                                << QStringList { "ttyACM1", "ttyS0", "ttyUSB2", "ttyUSB10" };
    QTest::addRow("prefix by code value") << QStringList { "com1", "COM2" } << QStringList { "COM2", "com1" };
    QTest::addRow("no number counts as zero")
        << QStringList { "COM1", "COM" } << QStringList { "COM", "COM1" };
    QTest::addRow("digits inside the prefix") << QStringList { "tty2USB10", "tty2USB9", "tty10USB1" }
                                              << QStringList { "tty10USB1", "tty2USB9", "tty2USB10" };
    QTest::addRow("number too long for an integer") << QStringList { "tty123456789012345678901234567890",
        "tty100" } << QStringList { "tty100", "tty123456789012345678901234567890" };
}

void tst_SerialPortDialog::naturalOrder()
{
    QFETCH(QStringList, present);
    QFETCH(QStringList, expected);
    QSerialPort port;
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = present;
    dialog.refresh();
    QCOMPARE(entries(dialog.findChild<QComboBox*>("comboBox_Port")), expected);
}

void tst_SerialPortDialog::refreshKeepsSelection_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("expected");
    QTest::addRow("still present") << QStringList { "COM1", "COM3", "COM7" } << "COM3"
                                   << QStringList { "COM7", "COM3", "COM4" } << "COM3";
    QTest::addRow("gone: first of new list")
        << QStringList { "COM1", "COM3" } << "COM3" << QStringList { "COM9", "COM2" } << "COM2";
    QTest::addRow("match is case-sensitive")
        << QStringList { "COM1", "COM3" } << "COM1" << QStringList { "com1", "ACM0" } << "ACM0";
    QTest::addRow("no ports left") << QStringList { "COM1" } << "COM1" << QStringList {} << "";
    QTest::addRow("typed path stays") << QStringList { "COM1" } << "/dev/serial/by-id/usb-panel"
                                      << QStringList { "COM2" } << "/dev/serial/by-id/usb-panel";
    QTest::addRow("typed path stays with no ports")
        << QStringList {} << "/tmp/ttyBSL" << QStringList {} << "/tmp/ttyBSL";
}

void tst_SerialPortDialog::refreshKeepsSelection()
{
    QFETCH(QStringList, before);
    QFETCH(QString, selected);
    QFETCH(QStringList, after);
    QFETCH(QString, expected);

    QSerialPort port;
    ListedPortsDialog dialog(&port, nullptr);
    auto* box = dialog.findChild<QComboBox*>("comboBox_Port");
    dialog.ports = before;
    dialog.refresh();
    box->setCurrentText(selected);
    QCOMPARE(box->currentText(), selected);

    dialog.ports = after;
    dialog.refresh();
    QCOMPARE(box->currentText(), expected);
    QCOMPARE(box->currentIndex() < 0, expected.isEmpty());
    // A second refresh must not lose it either.
    dialog.refresh();
    QCOMPARE(box->currentText(), expected);
}

void tst_SerialPortDialog::refreshButtonRereadsPorts()
{
    QSerialPort port;
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { "COM1" };
    dialog.show();
    dialog.ports = QStringList { "COM12", "COM3" };
    // The buttons act on press, before any release.
    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_Refresh"), Qt::LeftButton);
    QCOMPARE(entries(dialog.findChild<QComboBox*>("comboBox_Port")), (QStringList { "COM3", "COM12" }));
    dialog.reject();
}

void tst_SerialPortDialog::refreshKeepsUndetectedPortInUse()
{
    QSerialPort port(QStringLiteral("/tmp/ttyBSL"));
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { "COM1" };
    dialog.show();
    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_Refresh"), Qt::LeftButton);
    auto* box = dialog.findChild<QComboBox*>("comboBox_Port");
    QCOMPARE(entries(box), (QStringList { "/tmp/ttyBSL", "COM1" }));
    QCOMPARE(box->currentText(), QStringLiteral("/tmp/ttyBSL"));

    // A path typed and canceled is gone at the next opening.
    box->setEditText(QStringLiteral("/dev/ttyUSB7"));
    dialog.reject();
    dialog.show();
    QCOMPARE(entries(box), (QStringList { "/tmp/ttyBSL", "COM1" }));
    QCOMPARE(box->currentText(), QStringLiteral("/tmp/ttyBSL"));
    dialog.reject();
}

void tst_SerialPortDialog::showLoadsPortSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("baudRate");
    QTest::addColumn<QSerialPort::DataBits>("dataBits");
    QTest::addColumn<QSerialPort::StopBits>("stopBits");
    QTest::addColumn<QSerialPort::Parity>("parity");
    QTest::addColumn<QStringList>("shown");

    QTest::addRow("editor framing") << "COM2" << 57600 << QSerialPort::Data8 << QSerialPort::OneStop
                                    << QSerialPort::NoParity
                                    << QStringList { "COM2", "57600", "8", "1", "None" };
    QTest::addRow("slow, seven bits, even")
        << "COM10" << 9600 << QSerialPort::Data7 << QSerialPort::TwoStop << QSerialPort::EvenParity
        << QStringList { "COM10", "9600", "7", "2", "Even" };
    QTest::addRow("fast, five bits, mark")
        << "COM1" << 115200 << QSerialPort::Data5 << QSerialPort::OneAndHalfStop << QSerialPort::MarkParity
        << QStringList { "COM1", "115200", "5", "1.5", "Mark" };
    QTest::addRow("six bits, odd") << "COM1" << 300 << QSerialPort::Data6 << QSerialPort::OneStop
                                   << QSerialPort::OddParity
                                   << QStringList { "COM1", "300", "6", "1", "Odd" };
    QTest::addRow("space parity") << "COM1" << 128000 << QSerialPort::Data8 << QSerialPort::OneStop
                                  << QSerialPort::SpaceParity
                                  << QStringList { "COM1", "128000", "8", "1", "Space" };
    // A port reached by a path or not detected is still the one in use.
    QTest::addRow("port not present: still shown")
        << "COM5" << 57600 << QSerialPort::Data8 << QSerialPort::OneStop << QSerialPort::NoParity
        << QStringList { "COM5", "57600", "8", "1", "None" };
}

void tst_SerialPortDialog::showLoadsPortSettings()
{
    QFETCH(QString, name);
    QFETCH(int, baudRate);
    QFETCH(QSerialPort::DataBits, dataBits);
    QFETCH(QSerialPort::StopBits, stopBits);
    QFETCH(QSerialPort::Parity, parity);
    QFETCH(QStringList, shown);

    QSerialPort port;
    apply(port, { name, baudRate, dataBits, stopBits, parity });
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { "COM10", "COM2", "COM1" };
    dialog.show();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.isModal());

    QStringList texts;
    for (const char* box :
        { "comboBox_Port", "comboBox_Baudrate", "comboBox_DataBits", "comboBox_StopBits", "comboBox_Parity" })
        texts << dialog.findChild<QComboBox*>(box)->currentText();
    QCOMPARE(texts, shown);
    dialog.reject();
}

void tst_SerialPortDialog::speedNotInListKeepsPreviousSelection()
{
    QSerialPort port;
    port.setBaudRate(19200);
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { "COM1" };
    dialog.show();
    dialog.reject();

    port.setBaudRate(250000);
    dialog.show();
    auto* speed = dialog.findChild<QComboBox*>("comboBox_Baudrate");
    QCOMPARE(speed->currentText(), QString("19200"));

    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(port.baudRate(), 19200);
}

void tst_SerialPortDialog::okWritesSelection()
{
    QSerialPort port;
    apply(port, { "COM1", 57600, QSerialPort::Data8, QSerialPort::OneStop, QSerialPort::NoParity });
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { "COM1", "COM4" };
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QVERIFY(accepted.isValid());
    dialog.show();

    dialog.findChild<QComboBox*>("comboBox_Port")->setCurrentText("COM4");
    dialog.findChild<QComboBox*>("comboBox_Baudrate")->setCurrentText("2400");
    dialog.findChild<QComboBox*>("comboBox_DataBits")->setCurrentText("7");
    dialog.findChild<QComboBox*>("comboBox_StopBits")->setCurrentText("1.5");
    dialog.findChild<QComboBox*>("comboBox_Parity")->setCurrentText("Odd");
    QCOMPARE(port.portName(), QString("COM1")); // nothing before OK

    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(port.portName(), QString("COM4"));
    QCOMPARE(port.baudRate(QSerialPort::Input), 2400);
    QCOMPARE(port.baudRate(QSerialPort::Output), 2400);
    QCOMPARE(port.dataBits(), QSerialPort::Data7);
    QCOMPARE(port.stopBits(), QSerialPort::OneAndHalfStop);
    QCOMPARE(port.parity(), QSerialPort::OddParity);
    QVERIFY(!port.isOpen()); // never opens a closed port
}

void tst_SerialPortDialog::typedPortNameIsWritten_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addRow("stable by-id link") << "/dev/serial/by-id/usb-TI_MSP430-if00"
                                       << "/dev/serial/by-id/usb-TI_MSP430-if00";
    QTest::addRow("virtual boot loader") << "/tmp/kamdel-bsl"
                                         << "/tmp/kamdel-bsl";
    QTest::addRow("surrounding blanks dropped") << "  ttyUSB3 "
                                                << "ttyUSB3";
    QTest::addRow("cleared: name kept") << ""
                                        << "COM1";
}

void tst_SerialPortDialog::typedPortNameIsWritten()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QSerialPort port;
    port.setPortName("COM1");
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { "COM1", "COM4" };
    dialog.show();
    auto* box = dialog.findChild<QComboBox*>("comboBox_Port");
    QVERIFY(box->isEditable());
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), typed);
    if (typed.isEmpty())
        box->lineEdit()->clear();
    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(port.portName(), QSerialPort(written).portName());
    // Typing is not adding: the list still shows what is present and the port in use.
    QCOMPARE(entries(box), (QStringList { "COM1", "COM4" }));
}

void tst_SerialPortDialog::okWithoutChosenPortKeepsName_data()
{
    QTest::addColumn<QStringList>("ports");
    QTest::addRow("no ports listed") << QStringList();
    QTest::addRow("own port not listed") << QStringList { "ttyS0", "ttyS1" };
}

void tst_SerialPortDialog::okWithoutChosenPortKeepsName()
{
    // A port reached by a path (a virtual panel's link) is never listed; OK
    // must not wipe it.
    QFETCH(QStringList, ports);
    QSerialPort port;
    port.setPortName("/tmp/kamdel-virtual-panel");
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = ports;
    dialog.show();
    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(port.portName(), QString("/tmp/kamdel-virtual-panel"));
}

void tst_SerialPortDialog::lockedSelectorShowsAndKeepsValue_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("shown");
    QTest::addRow("port name") << "comboBox_Port"
                               << "COM2";
    QTest::addRow("speed") << "comboBox_Baudrate"
                           << "38400";
    QTest::addRow("data bits") << "comboBox_DataBits"
                               << "6";
    QTest::addRow("stop bits") << "comboBox_StopBits"
                               << "2";
    QTest::addRow("parity") << "comboBox_Parity"
                            << "Even";
}

void tst_SerialPortDialog::lockedSelectorShowsAndKeepsValue()
{
    QFETCH(QString, selector);
    QFETCH(QString, shown);

    QSerialPort port;
    const PortSettings before { "COM2", 38400, QSerialPort::Data6, QSerialPort::TwoStop,
        QSerialPort::EvenParity };
    apply(port, before);
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { "COM1", "COM2" };
    const QMap<QString, void (SerialPortDialog::*)(bool)> lockers {
        { "comboBox_Port", &SerialPortDialog::setPortNameEditable },
        { "comboBox_Baudrate", &SerialPortDialog::setBaudRateEditable },
        { "comboBox_DataBits", &SerialPortDialog::setDataBitsEditable },
        { "comboBox_StopBits", &SerialPortDialog::setStopBitsEditable },
        { "comboBox_Parity", &SerialPortDialog::setParityEditable },
    };
    (dialog.*lockers.value(selector))(false);
    dialog.show();

    for (auto it = lockers.cbegin(); it != lockers.cend(); ++it)
        QCOMPARE(dialog.findChild<QComboBox*>(it.key())->isEnabled(), it.key() != selector);
    QVERIFY(dialog.findChild<QPushButton*>("pushButton_Refresh")->isEnabled());
    QCOMPARE(dialog.findChild<QComboBox*>(selector)->currentText(), shown);

    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_OK"), Qt::LeftButton);
    const PortSettings after = settingsOf(port);
    QCOMPARE(after.name, before.name);
    QCOMPARE(after.baudRate, before.baudRate);
    QCOMPARE(after.dataBits, before.dataBits);
    QCOMPARE(after.stopBits, before.stopBits);
    QCOMPARE(after.parity, before.parity);

    // Unlocking gives the selector back.
    (dialog.*lockers.value(selector))(true);
    QVERIFY(dialog.findChild<QComboBox*>(selector)->isEnabled());
}

void tst_SerialPortDialog::lockedSettingSurvivesMismatch_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("baudRate");
    QTest::addRow("locked: absent port and odd speed kept") << true << "COM9" << 250000;
    QTest::addRow("editable: shown selection written") << false << "COM1" << 57600;
}

// A port whose name or speed is not among the entries shows another
// selection; a locked selector must still not change the port on OK.
void tst_SerialPortDialog::lockedSettingSurvivesMismatch()
{
    QFETCH(bool, locked);
    QFETCH(QString, name);
    QFETCH(int, baudRate);

    QSerialPort port;
    apply(port, { "COM9", 250000, QSerialPort::Data8, QSerialPort::OneStop, QSerialPort::NoParity });
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { "COM1", "COM2" };
    dialog.setPortNameEditable(!locked);
    dialog.setBaudRateEditable(!locked);
    dialog.show();
    // Nothing matches the absent port; pick one as a user would.
    dialog.findChild<QComboBox*>("comboBox_Port")->setCurrentText("COM1");

    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(port.portName(), name);
    QCOMPARE(port.baudRate(), baudRate);
}

void tst_SerialPortDialog::cancelWritesNothing_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("closeButton");
    QTest::addRow("closed port, Cancel") << false << false;
    QTest::addRow("open port, Cancel") << true << false;
    QTest::addRow("closed port, window closed") << false << true;
    QTest::addRow("open port, window closed") << true << true;
}

void tst_SerialPortDialog::cancelWritesNothing()
{
    QFETCH(bool, open);
    QFETCH(bool, closeButton);

    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QSerialPort port;
    apply(port, { pty.path(), 57600, QSerialPort::Data8, QSerialPort::OneStop, QSerialPort::NoParity });
    if (open)
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    const PortSettings before = settingsOf(port);

    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { pty.portName(), "COM7" };
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.show();
    dialog.findChild<QComboBox*>("comboBox_Port")->setCurrentText("COM7");
    dialog.findChild<QComboBox*>("comboBox_Baudrate")->setCurrentText("1200");
    dialog.findChild<QComboBox*>("comboBox_Parity")->setCurrentText("Space");

    if (closeButton)
        dialog.close();
    else
        QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_Cancel"), Qt::LeftButton);

    QCOMPARE(accepted.count(), 0);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(port.isOpen(), open);
    const PortSettings after = settingsOf(port);
    QCOMPARE(after.name, before.name);
    QCOMPARE(after.baudRate, before.baudRate);
    QCOMPARE(after.parity, before.parity);

    // The next show starts again from the port, not from the cancelled edit.
    dialog.show();
    QCOMPARE(dialog.findChild<QComboBox*>("comboBox_Port")->currentText(), pty.portName());
    QCOMPARE(dialog.findChild<QComboBox*>("comboBox_Baudrate")->currentText(), QString("57600"));
    QCOMPARE(dialog.findChild<QComboBox*>("comboBox_Parity")->currentText(), QString("None"));
    dialog.reject();
}

void tst_SerialPortDialog::okReopensAnOpenPort()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QSerialPort port;
    apply(port, { pty.path(), 57600, QSerialPort::Data8, QSerialPort::OneStop, QSerialPort::NoParity });
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));

    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { pty.portName() };
    dialog.show();
    dialog.findChild<QComboBox*>("comboBox_Baudrate")->setCurrentText("115200");
    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_OK"), Qt::LeftButton);

    QVERIFY(port.isOpen());
    QCOMPARE(port.openMode(), QIODevice::ReadWrite);
    QCOMPARE(port.baudRate(), 115200);
}

void tst_SerialPortDialog::listShowsDescriptionAndSerial_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("serialNumber");
    QTest::addColumn<QString>("shown");
    QTest::addRow("description and serial") << "FT232R USB UART"
                                            << "A50285BI"
                                            << "ttyUSB0  (FT232R USB UART, serial A50285BI)";
    QTest::addRow("description only") << "MSP430 boot loader"
                                      << ""
                                      << "ttyUSB0  (MSP430 boot loader)";
    QTest::addRow("serial only") << ""
                                 << "0001"
                                 << "ttyUSB0  (serial 0001)";
    QTest::addRow("blanks trimmed") << " CP2102 "
                                    << " 77 "
                                    << "ttyUSB0  (CP2102, serial 77)";
    QTest::addRow("blanks only") << "  "
                                 << " "
                                 << "ttyUSB0";
}

void tst_SerialPortDialog::listShowsDescriptionAndSerial()
{
    QFETCH(QString, description);
    QFETCH(QString, serialNumber);
    QFETCH(QString, shown);
    QSerialPort port;
    port.setPortName(QStringLiteral("ttyUSB0"));
    ListedPortsDialog dialog(&port, nullptr);
    dialog.ports = QStringList { "ttyUSB0", "ttyS0" };
    dialog.details.insert(QStringLiteral("ttyUSB0"), { description, serialNumber });
    dialog.show();
    auto* box = dialog.findChild<QComboBox*>("comboBox_Port");
    QCOMPARE(listTexts(box), (QStringList { "ttyS0", shown }));
    // The field, the list's own entries and OK keep to the bare name.
    QCOMPARE(box->currentText(), QStringLiteral("ttyUSB0"));
    QCOMPARE(entries(box), (QStringList { "ttyS0", "ttyUSB0" }));
    box->setCurrentIndex(0);
    QCOMPARE(box->currentText(), QStringLiteral("ttyS0"));
    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_Refresh"), Qt::LeftButton);
    QCOMPARE(box->currentText(), QStringLiteral("ttyS0"));
    box->setCurrentIndex(1);
    QTest::mousePress(dialog.findChild<QPushButton*>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(port.portName(), QStringLiteral("ttyUSB0"));
}

void tst_SerialPortDialog::systemPortsShowTheirDetails()
{
    QSerialPortInfo described;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!info.description().trimmed().isEmpty() || !info.serialNumber().trimmed().isEmpty())
            described = info;
    }
    if (described.isNull())
        QSKIP("no port on this machine reports a description or a serial number");
    QSerialPort port;
    SerialPortDialog dialog(&port, nullptr);
    dialog.show();
    auto* box = dialog.findChild<QComboBox*>("comboBox_Port");
    const int row = box->findData(described.portName(), Qt::EditRole);
    QVERIFY(row >= 0);
    const QString text = listTexts(box).at(row);
    QVERIFY(text.startsWith(described.portName()));
    QVERIFY(text.contains(described.description().trimmed()));
    QVERIFY(text.contains(described.serialNumber().trimmed()));
    dialog.reject();
}

QTEST_MAIN(tst_SerialPortDialog)
#include "tst_serialportdialog.moc"
