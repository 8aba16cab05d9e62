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
    void windowStartsOnFirstListedPort();
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
    QTest::addColumn<QStringList>("detected");
    QTest::addColumn<QString>("expected");
    QTest::addRow("port for this run wins")
        << "/tmp/kamdel-virtual-panel"
        << "ttyUSB1" << QStringList { "ttyS0" } << "/tmp/kamdel-virtual-panel";
    QTest::addRow("stored choice") << ""
                                   << "ttyUSB1" << QStringList { "ttyACM0" } << "ttyUSB1";
    QTest::addRow("stored choice, unplugged") << ""
                                              << "ttyUSB9" << QStringList { "ttyACM0" } << "ttyUSB9";
    QTest::addRow("first detected, by name")
        << ""
        << "" << QStringList { "ttyUSB0", "ttyS4", "ttyACM3" } << "ttyACM3";
    QTest::addRow("first detected, by number") << ""
                                               << "" << QStringList { "ttyUSB10", "ttyUSB2" } << "ttyUSB2";
    QTest::addRow("nothing detected") << ""
                                      << "" << QStringList {} << "";
    QTest::addRow("blank names count as none") << "  "
                                               << " " << QStringList { "ttyS0" } << "ttyS0";
#ifndef Q_OS_WIN
    // Earlier versions stored their fixed default on every close.
    QTest::addRow("old fixed default") << ""
                                       << "COM1" << QStringList { "ttyUSB0" } << "ttyUSB0";
    QTest::addRow("old fixed default, nothing detected") << ""
                                                         << "COM1" << QStringList {} << "";
#endif
}

void tst_PanelPort::startName()
{
    QFETCH(QString, forThisRun);
    QFETCH(QString, stored);
    QFETCH(QStringList, detected);
    QFETCH(QString, expected);
    QCOMPARE(PanelPortChoice::startName(forThisRun, stored, detected), expected);
}

void tst_PanelPort::windowStartsOnFirstListedPort()
{
    // Whatever this machine has: the first entry of the port dialog, or none.
    QVERIFY(openWindow(false));
    const QString start = m_window->panelPort()->portName();
    QVERIFY(start != QLatin1String("COM1") || PanelPortChoice::detectedNames().contains(start));
    m_window->findChild<QAction*>(QStringLiteral("action_SerialPortSetup"))->trigger();
    SerialPortDialog* dialog = shownPortDialog();
    QVERIFY(dialog);
    const auto* box = dialog->findChild<QComboBox*>(QStringLiteral("comboBox_Port"));
    QCOMPARE(start, box->count() > 0 ? box->itemText(0) : QString());
    QCOMPARE(box->currentText(), start);
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
    // The first port found is a guess for this start, not a choice.
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
