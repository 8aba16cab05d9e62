#include "EditorTestCase.h"
#include "PanelPortChoice.h"
#include "SerialPort/SerialPortDialog.h"

#include <QComboBox>
#include <QSettings>
#include <QtTest>

// Which port the panel link starts on, what is stored of it, and the panel
// commands without a port.
class tst_PanelPort : public EditorTestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startName_data();
    void startName();
    void windowStartsOnDetectedAdapter();
    void windowStartsOnStoredPort();
    void noPortAsksForOne_data();
    void noPortAsksForOne();
    void portForThisRunNeverStored_data();
    void portForThisRunNeverStored();

private:
    QString iniPath() const { return m_dir.filePath(QStringLiteral("KamdelEditor.ini")); }
    QVariant storedPort() const
    {
        return QSettings(iniPath(), QSettings::IniFormat).value(QStringLiteral("SerialPort/Name"));
    }
    SerialPortDialog* shownPortDialog() const
    {
        for (SerialPortDialog* dialog : m_window->findChildren<SerialPortDialog*>()) {
            if (dialog->isVisible())
                return dialog;
        }
        return nullptr;
    }
};

void tst_PanelPort::init()
{
    m_messages.clear();
    SettingsStore::close();
    QFile::remove(iniPath());
}

void tst_PanelPort::cleanup()
{
    if (m_window) {
        for (SerialPortDialog* dialog : m_window->findChildren<SerialPortDialog*>())
            dialog->reject();
    }
    closeWindow();
    // None of these asks or warns through a message box.
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(QLatin1Char('\n'))));
}

void tst_PanelPort::startName_data()
{
    QTest::addColumn<QString>("forThisRun");
    QTest::addColumn<QString>("stored");
    // A port with a USB vendor identifier is written "usb:name".
    QTest::addColumn<QStringList>("detected");
    QTest::addColumn<QString>("expected");
    const QString link = QStringLiteral("/tmp/kamdel-virtual-panel");
    const QString none;
    QTest::addRow("port for this run wins") << link << "ttyUSB1" << QStringList { "ttyS0" } << link;
    QTest::addRow("no ports") << none << none << QStringList {} << none;
    // The computer's own line is never a default: a write there is lost.
    QTest::addRow("only ttyS0") << none << none << QStringList { "ttyS0" } << none;
    QTest::addRow("one USB") << none << none << QStringList { "usb:ttyUSB0" } << "ttyUSB0";
    QTest::addRow("two USB") << none << none << QStringList { "usb:ttyUSB0", "usb:ttyACM0" } << none;
    QTest::addRow("USB and ttyS0") << none << none << QStringList { "ttyS0", "usb:ttyUSB3" } << "ttyUSB3";
    QTest::addRow("stored choice kept") << none << "ttyUSB9" << QStringList { "usb:ttyUSB0" } << "ttyUSB9";
    QTest::addRow("blank names count as none") << "  "
                                               << " " << QStringList { "usb:ttyUSB0" } << "ttyUSB0";
#ifndef Q_OS_WIN
    // Earlier versions stored their fixed default on every close.
    QTest::addRow("leftover default")
        << none << "COM1" << QStringList { "ttyS0", "usb:ttyUSB0" } << "ttyUSB0";
#endif
}

void tst_PanelPort::startName()
{
    QFETCH(QString, forThisRun);
    QFETCH(QString, stored);
    QFETCH(QStringList, detected);
    QFETCH(QString, expected);
    QVector<PanelPortChoice::Detected> ports;
    for (const QString& port : qAsConst(detected))
        ports.append(
            { QString(port).remove(QStringLiteral("usb:")), port.startsWith(QLatin1String("usb:")) });
    QCOMPARE(PanelPortChoice::startName(forThisRun, stored, ports), expected);
}

void tst_PanelPort::windowStartsOnDetectedAdapter()
{
    // Whatever this machine has: its one USB adapter, or none; the port
    // dialog opens on it.
    QVERIFY(openWindow(false));
    const QString start = m_window->panelPort()->portName();
    QCOMPARE(start, PanelPortChoice::startName(QString(), QString(), PanelPortChoice::detectedPorts()));
    m_window->findChild<QAction*>(QStringLiteral("action_SerialPortSetup"))->trigger();
    SerialPortDialog* dialog = shownPortDialog();
    QVERIFY(dialog);
    if (!start.isEmpty())
        QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("comboBox_Port"))->currentText(), start);
    dialog->reject();
}

void tst_PanelPort::windowStartsOnStoredPort()
{
    const QString chosen = m_dir.filePath(QStringLiteral("chosen-port"));
    QSettings(iniPath(), QSettings::IniFormat).setValue(QStringLiteral("SerialPort/Name"), chosen);
    QVERIFY(openWindow(false));
    QCOMPARE(m_window->panelPort()->portName(), chosen);
}

void tst_PanelPort::noPortAsksForOne_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addRow("Reset") << "action_Reset";
    QTest::addRow("Next") << "action_Next";
    QTest::addRow("Animate") << "action_Animate";
    QTest::addRow("Compile and Write") << "action_CompileAndWrite";
}

void tst_PanelPort::noPortAsksForOne()
{
    QFETCH(QString, actionName);
    QVERIFY(openWindow(false));
    m_window->panelPort()->setPortName(QString());
    m_window->openDocument(documentFile(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }) }));
    QVERIFY(m_window->document());

    m_window->findChild<QAction*>(actionName)->trigger();

    QCOMPARE(m_window->warnings,
        QStringList { QStringLiteral("No panel port is set: choose one in Tools > Serial port setup.") });
    SerialPortDialog* dialog = shownPortDialog();
    QVERIFY(dialog);
    QVERIFY(!m_window->panelPort()->isOpen());
    QVERIFY(!m_window->isAnimating());
    QVERIFY(!m_window->isWriting());
    QVERIFY(reportText().isEmpty());

    // The port chosen there is the one the next command uses.
    auto* box = dialog->findChild<QComboBox*>(QStringLiteral("comboBox_Port"));
    const QString absent = m_dir.filePath(QStringLiteral("no-panel-here"));
    box->setEditText(absent);
    dialog->accept();
    QCOMPARE(m_window->panelPort()->portName(), absent);
}

void tst_PanelPort::portForThisRunNeverStored_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("forThisRun");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QVariant>("expected");
    const QString link = QStringLiteral("/tmp/kamdel-virtual-panel");
    QTest::addRow("nothing stored") << QVariant() << link << "" << QVariant();
    QTest::addRow("stored choice kept") << QVariant("ttyUSB7") << link << "" << QVariant("ttyUSB7");
    QTest::addRow("user picks another") << QVariant("ttyUSB7") << link << "ttyUSB3" << QVariant("ttyUSB3");
    QTest::addRow("user picks another, nothing stored")
        << QVariant() << link << "ttyACM0" << QVariant("ttyACM0");
    // The adapter found is a guess for this start, not a choice.
    QTest::addRow("detected port not stored") << QVariant() << ""
                                              << "" << QVariant();
}

void tst_PanelPort::portForThisRunNeverStored()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, forThisRun);
    QFETCH(QString, chosen);
    QFETCH(QVariant, expected);
    if (stored.isValid())
        QSettings(iniPath(), QSettings::IniFormat).setValue(QStringLiteral("SerialPort/Name"), stored);

    QVERIFY(openWindow(false));
    if (!forThisRun.isEmpty()) {
        m_window->setPortForThisRun(forThisRun);
        QCOMPARE(m_window->panelPort()->portName(), forThisRun);
    }
    if (!chosen.isEmpty())
        m_window->panelPort()->setPortName(chosen);
    QVERIFY(m_window->close());
    closeWindow();
    QCOMPARE(storedPort(), expected);
}

QTEST_MAIN(tst_PanelPort)
#include "tst_panelport.moc"
