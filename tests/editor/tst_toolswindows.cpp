#include "Romwright.h"
#include "SerialPort/SerialPortDialog.h"
#include "SettingsStore.h"
#include "TestWindow.h"

#include <QComboBox>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QMap<QString, bool> editableSelectors(const QWidget* dialog)
{
    QMap<QString, bool> result;
    for (const char* name : { "comboBox_Port", "comboBox_Baudrate", "comboBox_DataBits", "comboBox_StopBits",
             "comboBox_Parity" }) {
        const auto* box = dialog->findChild<QComboBox*>(QLatin1String(name));
        result.insert(QLatin1String(name), box && box->isEnabledTo(const_cast<QWidget*>(dialog)));
    }
    return result;
}

const QMap<QString, bool> onlyPortEditable { { "comboBox_Port", true }, { "comboBox_Baudrate", false },
    { "comboBox_DataBits", false }, { "comboBox_StopBits", false }, { "comboBox_Parity", false } };

} // namespace

class tst_ToolsWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void serialPortSetupLocksFraming();
    void firmwareWindowsAreIndependent();

private:
    QTemporaryDir m_dir;
};

void tst_ToolsWindows::initTestCase()
{
    QVERIFY(m_dir.isValid());
    SettingsStore::setFileName(m_dir.filePath("KamdelEditor.ini"));
}

void tst_ToolsWindows::cleanup()
{
    SettingsStore::close();
}

void tst_ToolsWindows::serialPortSetupLocksFraming()
{
    TestWindow window;
    window.panelPort()->setPortName("/tmp/kamdel-test-port");
    QVERIFY(QMetaObject::invokeMethod(&window, "setupSerialPort"));

    auto* dialog = window.findChild<SerialPortDialog*>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isModal());
    QCOMPARE(editableSelectors(dialog), onlyPortEditable);

    // OK with no port chosen keeps the editor's port as it was; the dialog
    // deletes itself once closed.
    dialog->accept();
    QTRY_VERIFY(!window.findChild<SerialPortDialog*>());
    QCOMPARE(window.panelPort()->portName(), QStringLiteral("/tmp/kamdel-test-port"));
    QCOMPARE(window.panelPort()->baudRate(), 57600);
}

void tst_ToolsWindows::firmwareWindowsAreIndependent()
{
    TestWindow window;
    window.panelPort()->setPortName("/tmp/kamdel-test-port");
    QVERIFY(QMetaObject::invokeMethod(&window, "updateFirmware"));
    QVERIFY(QMetaObject::invokeMethod(&window, "updateFirmware"));

    const QList<Romwright*> flashers = window.findChildren<Romwright*>();
    QCOMPARE(flashers.size(), 2);
    for (Romwright* flasher : flashers) {
        QVERIFY(flasher->isVisible());
        QVERIFY(!flasher->isModal());
        auto* portDialog = flasher->findChild<SerialPortDialog*>();
        QVERIFY(portDialog);
        QCOMPARE(editableSelectors(portDialog), onlyPortEditable);
    }

    QPointer<Romwright> first = flashers.at(0);
    QPointer<Romwright> second = flashers.at(1);
    first->close();
    QTRY_VERIFY(first.isNull());
    QVERIFY(!second.isNull());
    QVERIFY(second->isVisible());
    second->close();
    QTRY_VERIFY(second.isNull());
    QVERIFY(!window.panelPort()->isOpen());
    QCOMPARE(window.panelPort()->portName(), QStringLiteral("/tmp/kamdel-test-port"));
}

QTEST_MAIN(tst_ToolsWindows)
#include "tst_toolswindows.moc"
