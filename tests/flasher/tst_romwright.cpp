#include "BslTargetRunner.h"
#include "FlasherImage.h"
#include "Fleet/FlashRun.h"
#include "Romwright.h"
#include "SerialPort/SerialPortDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace {

// Where a model keeps its writable area, as the virtual target dumps it:
// from the checksum address to the end of the first range, then the second.
struct MemoryMap
{
    uint32_t crcAddr;
    uint32_t end;
    uint32_t start2;
    uint32_t end2;

    int offsetOf(uint32_t address) const
    {
        if (address >= crcAddr && address <= end)
            return int(address - crcAddr);
        if (start2 && address >= start2 && address <= end2)
            return int(end - crcAddr + 1 + address - start2);
        return -1;
    }
    int size() const { return int(end - crcAddr + 1 + (start2 ? end2 - start2 + 1 : 0)); }
};

const QMap<QString, MemoryMap> memoryMaps {
    { "Kamdel", { 0x4000, 0xF7FF, 0x10000, 0x23FF7 } },
    { "MSP430FR2512", { 0xE300, 0xF7FF, 0, 0 } },
    { "MSP430FR5994", { 0x4000, 0xF7FF, 0x10000, 0x43FF7 } },
};

struct Segment
{
    uint32_t address;
    QByteArray data;
};

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed * 13 + (i >> 8)) & 0xFF);
    return bytes;
}

QString writeImage(const QString& path, const QList<Segment>& segments)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return QString();
    QTextStream out(&file);
    for (const Segment& segment : segments) {
        out << '@' << QString::number(segment.address, 16).toUpper() << '\n';
        for (int i = 0; i < segment.data.size(); ++i) {
            out << QString::asprintf("%02X", uint8_t(segment.data.at(i)));
            out << ((i % 16 == 15 || i + 1 == segment.data.size()) ? '\n' : ' ');
        }
    }
    out << "q\n";
    return path;
}

// The virtual boot loader on a pseudo-terminal, run as its own process.
class Target
{
public:
    explicit Target(const QString& dir)
        : m_Link(dir + "/bsl")
        , m_Dump(dir + "/memory.bin")
    {
    }
    ~Target()
    {
        if (m_Process.state() != QProcess::NotRunning) {
            m_Process.terminate();
            m_Process.waitForFinished(5000);
        }
    }

    bool start(const QStringList& options)
    {
        m_Process.setProgram(QStringLiteral(KAMDEL_TOOLS_DIR "/bsltarget"));
        m_Process.setArguments(options + QStringList { "--headless", "--dump", m_Dump, m_Link });
        m_Process.start();
        while (m_Process.waitForReadyRead(5000)) {
            m_Output += m_Process.readAllStandardOutput();
            if (m_Output.contains("ready "))
                return true;
        }
        return false;
    }

    // Ends the target and collects its log.
    QStringList stop()
    {
        if (m_Process.state() != QProcess::NotRunning) {
            m_Process.terminate();
            m_Process.waitForFinished(5000);
        }
        m_Output += m_Process.readAllStandardOutput();
        return QString::fromLatin1(m_Output).split('\n', Qt::SkipEmptyParts);
    }

    QByteArray memory() const
    {
        QFile file(m_Dump);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString link() const { return m_Link; }

private:
    QString m_Link;
    QString m_Dump;
    QProcess m_Process;
    QByteArray m_Output;
};

// A bare pseudo-terminal with nobody answering: shows what reached the line.
class SilentLine
{
public:
    SilentLine()
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0) {
            m_path = QString::fromLocal8Bit(name);
            ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        }
    }
    ~SilentLine()
    {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    SilentLine(const SilentLine&) = delete;
    SilentLine& operator=(const SilentLine&) = delete;

    QString path() const { return m_path; }
    QByteArray received() const
    {
        QByteArray bytes;
        char buffer[256];
        ssize_t n;
        while ((n = ::read(m_master, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, int(n));
        return bytes;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

QString portNameOf(const QString& location)
{
    QSerialPort port;
    port.setPortName(location);
    return port.portName();
}

// The window's controls, found by their object names.
struct Window
{
    explicit Window(const QString& mpu, const QByteArray& flashCommand = QByteArray())
        : window(std::make_unique<Romwright>(mpu, flashCommand, nullptr))
    {
        flash = window->findChild<QPushButton*>("flash");
        cancel = window->findChild<QPushButton*>("cancel");
        selectPort = window->findChild<QPushButton*>("selectPort");
        selectFile = window->findChild<QPushButton*>("selectFile");
        report = window->findChild<QPlainTextEdit*>("report");
        progress = window->findChild<QProgressBar*>("progress");
        status = window->findChild<QLabel*>("status");
        portName = window->findChild<QLabel*>("portName");
        imagePath = window->findChild<QLineEdit*>("imagePath");
        window->show();
    }

    // The editor's set-up: the port may be chosen, the framing is fixed.
    void configure(const QString& port, const QString& image)
    {
        window->setPortName(port, true);
        window->setBaudRate(57600, false);
        window->setDataBits(QSerialPort::Data8, false);
        window->setStopBits(QSerialPort::OneStop, false);
        window->setParity(QSerialPort::NoParity, false);
        window->setImagePath(image);
    }

    QStringList lines() const { return report->toPlainText().split('\n', Qt::SkipEmptyParts); }
    // Enabled state of Select port, Browse, Flash and Cancel.
    QString buttons() const
    {
        QString states;
        for (const QPushButton* button : { selectPort, selectFile, flash, cancel })
            states += button->isEnabled() ? '1' : '0';
        return states;
    }
    void pressFlash() { QTest::mouseClick(flash, Qt::LeftButton); }

    std::unique_ptr<Romwright> window;
    QPushButton* flash;
    QPushButton* cancel;
    QPushButton* selectPort;
    QPushButton* selectFile;
    QPlainTextEdit* report;
    QProgressBar* progress;
    QLabel* status;
    QLabel* portName;
    QLineEdit* imagePath;
};

const QString idle = QStringLiteral("1110");
// What the report adds once the device has been erased and the run did not complete.
const QStringList kNoApplication { QStringLiteral("The device holds no valid application now."),
    QStringLiteral("Its boot loader is still there: flash it again.") };
const QString busy = QStringLiteral("0001");

} // namespace

class tst_Romwright : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void portSummary_data();
    void portSummary();
    void closeEmitsFinishedOncePerClose();
    void unknownModel_data();
    void unknownModel();
    void portCannotBeOpened_data();
    void portCannotBeOpened();
    void imageRefusedBeforeTheDevice_data();
    void imageRefusedBeforeTheDevice();
    void successfulRun_data();
    void successfulRun();
    void cancelDuringWrite();
    void vectorAreaAsksFirst_data();
    void vectorAreaAsksFirst();
    void failingDevice_data();
    void failingDevice();
    void secondRunReportsEachMessageOnce();
    void closeDuringRunAsks_data();
    void closeDuringRunAsks();
    void browseSetsImagePath_data();
    void browseSetsImagePath();
    void remembersFileAndPortPerModel();
    void permissionHintNamesTheGroup();
    void portDialogKeepsFramingLocked_data();
    void portDialogKeepsFramingLocked();

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
};

void tst_Romwright::init()
{
    m_Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dir->isValid());
}

void tst_Romwright::cleanup()
{
    m_Dir.reset();
    for (const QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void tst_Romwright::portSummary_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("baudRate");
    QTest::addColumn<QString>("summary");
    QTest::addRow("no port") << "" << 57600 << "Select port!";
    QTest::addRow("editor port") << "COM3" << 57600 << "COM3 : 57600";
    QTest::addRow("other speed") << "ttyUSB12" << 9600 << "ttyUSB12 : 9600";
}

void tst_Romwright::portSummary()
{
    QFETCH(QString, port);
    QFETCH(int, baudRate);
    QFETCH(QString, summary);
    Window w("Kamdel");
    w.window->setPortName(port, true);
    w.window->setBaudRate(baudRate, false);
    QCOMPARE(w.portName->text(), summary);
    QCOMPARE(w.buttons(), idle);
    QCOMPARE(w.status->text(), QString());
    w.window->close();
}

void tst_Romwright::closeEmitsFinishedOncePerClose()
{
    Window w("Kamdel");
    QSignalSpy finished(w.window.get(), &Romwright::finished);
    QVERIFY(finished.isValid());
    w.window->close();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!w.window->isVisible());
    w.window->show();
    w.window->close();
    QCOMPARE(finished.count(), 2);

    // Wired as the editor does, the window goes away by itself.
    auto* owned = new Romwright("Kamdel", QByteArray(), nullptr);
    QPointer<Romwright> watch(owned);
    connect(owned, &Romwright::finished, owned, &QObject::deleteLater);
    owned->show();
    owned->close();
    QTRY_VERIFY(watch.isNull());
}

void tst_Romwright::unknownModel_data()
{
    QTest::addColumn<QString>("mpu");
    QTest::addRow("lower case") << "kamdel";
    QTest::addRow("not in the table") << "MSP430F149";
    QTest::addRow("trailing space") << "MSP430FR5994 ";
    QTest::addRow("empty") << "";
}

void tst_Romwright::unknownModel()
{
    QFETCH(QString, mpu);
    SilentLine line;
    Window w(mpu);
    w.configure(line.path(), writeImage(m_Dir->filePath("app.txt"), { { 0x6000, pattern(32, 1) } }));
    w.report->setPlainText("left from before");
    w.progress->setValue(40);

    w.pressFlash();
    QCOMPARE(w.lines(), QStringList { "Unknown MPU!" });
    QCOMPARE(w.progress->value(), 0);
    QCOMPARE(w.status->text(), QString());
    QCOMPARE(w.buttons(), idle);
    QCOMPARE(line.received(), QByteArray());
    w.window->close();
}

void tst_Romwright::portCannotBeOpened_data()
{
    QTest::addColumn<QString>("location");
    QTest::addRow("no such device") << "/dev/nonexistent-tty-h3";
    QTest::addRow("not a terminal") << "regular-file";
}

void tst_Romwright::portCannotBeOpened()
{
    QFETCH(QString, location);
    if (!location.startsWith('/')) {
        QFile file(m_Dir->filePath(location));
        QVERIFY(file.open(QIODevice::WriteOnly));
        location = file.fileName();
    }
    Window w("Kamdel");
    w.configure(location, writeImage(m_Dir->filePath("app.txt"), { { 0x6000, pattern(32, 1) } }));

    w.pressFlash();
    const QStringList lines = w.lines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QString("Open serial port %1 (57600).").arg(portNameOf(location)));
    QVERIFY2(lines.at(1).startsWith(QString("Cannot open serial port %1! Error: ").arg(portNameOf(location))),
        qPrintable(lines.at(1)));
    QCOMPARE(w.status->text(), QString("Error"));
    QCOMPARE(w.buttons(), idle);
    w.window->close();
}

void tst_Romwright::imageRefusedBeforeTheDevice_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QByteArray>("flashCommand");
    QTest::addColumn<QStringList>("reason");
    const QString invalid = QStringLiteral("Invalid device application code file!");
    const QString missing = QStringLiteral("The firmware file does not exist.");
    const QString notRegular
        = QStringLiteral("The firmware file is not a regular file (it is a folder, a device or a pipe).");
    QTest::addRow("missing file") << "missing.txt" << QByteArray() << QStringList { missing };
    QTest::addRow("missing file, flash command still sent")
        << "missing.txt" << QByteArray("BSL\r", 4) << QStringList { missing };
    QTest::addRow("no path") << "" << QByteArray() << QStringList { missing };
    QTest::addRow("a folder") << "folder" << QByteArray() << QStringList { notRegular };
    // Neither may block the window or fill its memory.
    QTest::addRow("an endless device") << "/dev/zero" << QByteArray() << QStringList { notRegular };
    QTest::addRow("a pipe without a writer") << "fifo" << QByteArray() << QStringList { notRegular };
    QTest::addRow("not TI-TXT") << "bad.txt" << QByteArray()
                                << QStringList { invalid, "line 2: ZZ is not a hexadecimal number" };
    QTest::addRow("value above a byte")
        << "wide.txt" << QByteArray() << QStringList { invalid, "line 2: value 1FF is not a byte" };
    QTest::addRow("Intel HEX checksum")
        << "bad.hex" << QByteArray() << QStringList { invalid, "line 1: checksum 00 should be 9B" };
    // Erasing the board for nothing and sealing the blank area would leave it
    // without firmware while reporting success.
    QTest::addRow("no bytes at all") << "empty.txt" << QByteArray()
                                     << QStringList { invalid, "The file holds no data." };
    const QString untouched = QStringLiteral("The device was not touched.");
    QTest::addRow("below the device memory")
        << "low.txt" << QByteArray()
        << QStringList { "Address 0x0200 lies outside the memory of the device (allowed: 0x4000-0xF7FF, "
                         "0x10000-0x23FF7).",
               untouched };
    QTest::addRow("runs past the second range")
        << "straddle.txt" << QByteArray()
        << QStringList { "Address 0x23FF8 lies outside the memory of the device (allowed: 0x4000-0xF7FF, "
                         "0x10000-0x23FF7).",
               untouched };
}

void tst_Romwright::imageRefusedBeforeTheDevice()
{
    QFETCH(QString, image);
    QFETCH(QByteArray, flashCommand);
    QFETCH(QStringList, reason);

    QVERIFY(QDir(m_Dir->path()).mkdir("folder"));
    const QMap<QString, QByteArray> contents {
        { "bad.txt", "@6000\n01 02 ZZ\nq\n" },
        { "wide.txt", "@6000\n01 1FF\nq\n" },
        { "bad.hex", ":02600000010200\n:00000001FF\n" },
        { "empty.txt", "q\n" },
        { "low.txt", "@0200\n01 02\nq\n" },
        { "straddle.txt", "@6000\n01\n@23FF0\n01 02 03 04 05 06 07 08 09 0A\nq\n" },
    };
    for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
        QFile file(m_Dir->filePath(it.key()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(it.value());
    }
    QCOMPARE(::mkfifo(QFile::encodeName(m_Dir->filePath("fifo")).constData(), 0600), 0);

    SilentLine line;
    Window w("Kamdel", flashCommand);
    w.configure(line.path(), image.isEmpty() || image.startsWith('/') ? image : m_Dir->filePath(image));
    w.pressFlash();

    QStringList expected { QString("Open serial port %1 (57600).").arg(portNameOf(line.path())) };
    if (!flashCommand.isEmpty())
        expected << "Enter MPU flasher.";
    expected << reason << "Close serial port."
             << "Finished with error!";
    QCOMPARE(w.lines(), expected);
    QCOMPARE(w.status->text(), QString("Error"));
    QCOMPARE(w.buttons(), idle);
    QCOMPARE(line.received(), flashCommand);
    w.window->close();
}

void tst_Romwright::successfulRun_data()
{
    QTest::addColumn<QString>("mpu");
    QTest::addColumn<QList<uint32_t>>("addresses");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addRow("Kamdel, both ranges and below the checked area")
        << "Kamdel" << QList<uint32_t> { 0x6000, 0x4800, 0x10000 } << QList<int> { 300, 20, 77 };
    QTest::addRow("small model") << "MSP430FR2512" << QList<uint32_t> { 0xE400, 0xF7F0 }
                                 << QList<int> { 250, 16 };
    QTest::addRow("top of the large range")
        << "MSP430FR5994" << QList<uint32_t> { 0x4400, 0x43FE0 } << QList<int> { 64, 24 };
}

void tst_Romwright::successfulRun()
{
    QFETCH(QString, mpu);
    QFETCH(QList<uint32_t>, addresses);
    QFETCH(QList<int>, sizes);

    QList<Segment> segments;
    for (int i = 0; i < addresses.size(); ++i)
        segments.append({ addresses.at(i), pattern(sizes.at(i), i + 1) });

    Target target(m_Dir->path());
    QVERIFY(target.start({ "--model", mpu, "--exit-after-jump" }));
    Window w(mpu);
    w.configure(target.link(), writeImage(m_Dir->filePath("app.txt"), segments));

    // What the window shows while the image goes out.
    QString statusDuringRun;
    QString buttonsDuringRun;
    QList<int> values;
    connect(w.progress, &QProgressBar::valueChanged, this, [&](int value) {
        values << value;
        if (value > 0 && statusDuringRun.isEmpty()) {
            statusDuringRun = w.status->text();
            buttonsDuringRun = w.buttons();
        }
    });

    w.pressFlash();
    const QStringList expected { QString("Open serial port %1 (57600).").arg(portNameOf(target.link())),
        "Verify device.", "Erase device.", "Write device application code.", "Jump to the application.",
        "Close serial port.", "Finished successfully!" };
    QCOMPARE(w.lines(), expected);
    QCOMPARE(w.status->text(), QString("Flashing succeeded"));
    QCOMPARE(w.buttons(), idle);
    QCOMPARE(statusDuringRun, QString("Flashing..."));
    QCOMPARE(buttonsDuringRun, busy);
    QCOMPARE(w.progress->value(), 100);
    QVERIFY(std::is_sorted(values.cbegin(), values.cend()));

    const QStringList log = target.stop();
    QVERIFY2(log.filter("verdict ").value(0).startsWith("verdict app=valid"), qPrintable(log.join('\n')));

    // The target now holds the image, erased memory elsewhere, and the
    // checksum word it has just accepted.
    const MemoryMap map = memoryMaps.value(mpu);
    QByteArray expectedMemory(map.size(), '\xFF');
    for (const Segment& segment : qAsConst(segments))
        for (int i = 0; i < segment.data.size(); ++i)
            expectedMemory[map.offsetOf(segment.address + uint32_t(i))] = segment.data.at(i);
    QByteArray memory = target.memory();
    QCOMPARE(memory.size(), map.size());
    QVERIFY(memory.left(2) != QByteArray(2, '\xFF'));
    memory.replace(0, 2, QByteArray(2, '\xFF'));
    QVERIFY(memory == expectedMemory);
    w.window->close();
}

void tst_Romwright::cancelDuringWrite()
{
    Target target(m_Dir->path());
    QVERIFY(target.start({ "--model", "Kamdel" }));
    Window w("Kamdel");
    w.configure(target.link(), writeImage(m_Dir->filePath("app.txt"), { { 0x6000, pattern(2048, 3) } }));

    // The click is queued, so it reaches the window only because the run
    // keeps the event loop turning.
    int pressedAt = -1;
    connect(w.progress, &QProgressBar::valueChanged, this, [&](int value) {
        if (value >= 25 && pressedAt < 0) {
            pressedAt = value;
            QMetaObject::invokeMethod(w.cancel, "click", Qt::QueuedConnection);
        }
    });

    w.pressFlash();
    QVERIFY(pressedAt >= 25);
    QVERIFY2(w.progress->value() < 100, qPrintable(QString::number(w.progress->value())));
    const QStringList lines = w.lines();
    QCOMPARE(lines.mid(lines.size() - 5),
        (QStringList { "Write device application code.", "Close serial port.", "Flashing canceled." }
            + kNoApplication));
    QCOMPARE(w.status->text(), QString("Canceled"));
    QCOMPARE(w.buttons(), idle);

    // The checksum never went out, so the half-written application is not
    // taken for a valid one.
    const QStringList log = target.stop();
    QVERIFY2(log.filter("verdict ").value(0).startsWith("verdict app=invalid"), qPrintable(log.join('\n')));
    QVERIFY(log.filter(" jump ").isEmpty());
    w.window->close();
}

void tst_Romwright::vectorAreaAsksFirst_data()
{
    QTest::addColumn<ModelRow>("row");
    QTest::addColumn<bool>("write");
    QTest::addColumn<QStringList>("targetOptions");
    QTest::addColumn<QStringList>("ending");
    QTest::addColumn<QString>("status");

    const QStringList written { "Jump to the application.", "Close serial port.", "Finished successfully!" };
    for (const ModelRow& row : modelTable()) {
        QTest::addRow("%s, Cancel", qPrintable(row.name))
            << row << false << QStringList()
            << QStringList { "Close serial port.", "Flashing canceled.", "The device was not changed." }
            << "Canceled";
        QTest::addRow("%s, written", qPrintable(row.name))
            << row << true << QStringList() << written << "Flashing succeeded";
    }
    // What the question warns of: the boot loader refuses once the old
    // application is gone.
    QTest::addRow("written, boot loader guards itself")
        << modelTable().first() << true << QStringList { "--guard-vectors" }
        << (QStringList {
                "Error: (-3b) unknown", "Cannot flash device!", "Close serial port.", "Finished with error!" }
               + kNoApplication)
        << "Error";
}

void tst_Romwright::vectorAreaAsksFirst()
{
    QFETCH(ModelRow, row);
    QFETCH(bool, write);
    QFETCH(QStringList, targetOptions);
    QFETCH(QStringList, ending);
    QFETCH(QString, status);

    BslTargetRunner target(QStringList { "--model", row.name } + targetOptions);
    QVERIFY(target.isReady());
    const QList<sMemory> image = imageWithVectors(row);
    QFile file(m_Dir->filePath("vectors.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(toTiTxt(image).toLatin1());
    file.close();
    Window w(row.name);
    w.configure(target.link(), file.fileName());

    QString question;
    QString defaultButton;
    int requestsWhenAsked = -1;
    QTimer answer;
    answer.setInterval(20);
    connect(&answer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != "vectorAreaQuestion")
            return;
        answer.stop();
        question = box->text();
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        requestsWhenAsked = w.lines().filter("Verify device.").size();
        box->button(write ? QMessageBox::Yes : QMessageBox::Cancel)->click();
    });
    answer.start();
    w.pressFlash();

    const QString reason
        = "The image writes 32 bytes at 0xFFE0-0xFFFF, above the application, where the boot "
          "loader keeps the interrupt vectors. A boot loader that guards itself refuses them "
          "and flashing fails after the erase; one that does not may be overwritten.";
    QCOMPARE(question, reason + " Write them anyway?");
    QCOMPARE(defaultButton, QString("Cancel"));
    QCOMPARE(requestsWhenAsked, 0);
    const QStringList lines = w.lines();
    QCOMPARE(lines.mid(lines.size() - ending.size()), ending);
    QCOMPARE(w.status->text(), status);
    QCOMPARE(lines.contains("Warning: " + reason), write);
    target.finish();
    if (!write) {
        QCOMPARE(target.requests(), QStringList());
    } else if (targetOptions.isEmpty()) {
        QVERIFY2(target.applicationValid(), qPrintable(target.verdict()));
        QCOMPARE(target.digest(), expectedDigest(row, image));
        QCOMPARE(target.vectorDigest(), expectedVectorDigest(image));
    }
    w.window->close();
}

void tst_Romwright::failingDevice_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<uint32_t>("address");
    QTest::addColumn<QStringList>("tail");

    QTest::addRow("no answer to the version request")
        << QStringList { "--fault", "silent@1" } << 0x6000u
        << QStringList { "Verify device.", "Error: (-1) Timeout", "Invalid device version!" };
    QTest::addRow("unsupported boot loader")
        << QStringList { "--version-answer", "b3" } << 0x6000u
        << QStringList { "Verify device.", "Error: (-4d) Invalid version", "Invalid device version!" };
    QTest::addRow("erase refused") << QStringList { "--fault", "answer=55@2" } << 0x6000u
                                   << QStringList { "Erase device.", "Error: (55) Error in protocol",
                                          "Cannot erase device!" };
    QTest::addRow("write with checksum error")
        << QStringList { "--fault", "answer=52@4" } << 0x6000u
        << QStringList { "Write device application code.", "Error: (52) Packet checksum error",
               "Cannot flash device!" };
    QTest::addRow("garbled write answer")
        << QStringList { "--fault", "corrupt@3" } << 0x6000u
        << QStringList { "Write device application code.", "Error: (5a) unknown", "Cannot flash device!" };
    QTest::addRow("line closed while writing")
        << QStringList { "--close-after", "5" } << 0x6000u
        << QStringList { "Write device application code.", "unplugged during write (N %)",
               "Cannot flash device!" };
}

void tst_Romwright::failingDevice()
{
    QFETCH(QStringList, options);
    QFETCH(uint32_t, address);
    QFETCH(QStringList, tail);

    Target target(m_Dir->path());
    QVERIFY(target.start(QStringList { "--model", "Kamdel" } + options));
    Window w("Kamdel");
    w.configure(target.link(), writeImage(m_Dir->filePath("app.txt"), { { address, pattern(100, 5) } }));

    w.pressFlash();
    QStringList lines = w.lines();
    lines.replaceInStrings(QRegularExpression("\\(\\d+ %\\)"), "(N %)");
    QCOMPARE(lines.first(), QString("Open serial port %1 (57600).").arg(portNameOf(target.link())));
    QStringList ending = tail + QStringList { "Close serial port.", "Finished with error!" };
    if (!tail.contains("Verify device."))
        ending << kNoApplication;
    QCOMPARE(lines.mid(lines.size() - ending.size()), ending);
    QCOMPARE(w.status->text(), QString("Error"));
    QCOMPARE(w.buttons(), idle);
    w.window->close();
}

void tst_Romwright::secondRunReportsEachMessageOnce()
{
    Target target(m_Dir->path());
    QVERIFY(target.start({ "--model", "Kamdel", "--version-answer", "b3" }));
    Window w("Kamdel");
    w.configure(target.link(), writeImage(m_Dir->filePath("app.txt"), { { 0x6000, pattern(16, 5) } }));

    w.pressFlash();
    const QStringList first = w.lines();
    w.pressFlash();
    QCOMPARE(w.lines(), first);
    QCOMPARE(w.lines().filter("Invalid version").size(), 1);
    QCOMPARE(w.status->text(), QString("Error"));
    w.window->close();
}

void tst_Romwright::closeDuringRunAsks_data()
{
    QTest::addColumn<bool>("stop");
    QTest::addRow("yes: stop and close") << true;
    QTest::addRow("no: finish and stay") << false;
}

void tst_Romwright::closeDuringRunAsks()
{
    QFETCH(bool, stop);
    Target target(m_Dir->path());
    QVERIFY(target.start({ "--model", "Kamdel" }));
    // Owned and wired as the editor does it.
    auto* window = new Romwright("Kamdel", QByteArray(), nullptr);
    QPointer<Romwright> watch(window);
    connect(window, &Romwright::finished, window, &QObject::deleteLater);
    QSignalSpy finished(window, &Romwright::finished);
    window->setPortName(target.link(), true);
    window->setBaudRate(57600, false);
    window->setImagePath(writeImage(m_Dir->filePath("app.txt"), { { 0x6000, pattern(2048, 4) } }));
    window->show();

    auto* progress = window->findChild<QProgressBar*>("progress");
    auto* report = window->findChild<QPlainTextEdit*>("report");
    QStringList lines;
    bool closed = false;
    connect(progress, &QProgressBar::valueChanged, this, [&](int value) {
        if (value >= 25 && !closed) {
            closed = true;
            QTimer::singleShot(0, window, [window] { window->close(); });
        }
    });
    // The last report line is written just before the window closes.
    connect(report, &QPlainTextEdit::textChanged, this, [&] { lines = report->toPlainText().split('\n'); });

    QString question;
    QTimer answer;
    answer.setInterval(20);
    connect(&answer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != "stopQuestion")
            return;
        question = box->text();
        box->button(stop ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    answer.start();

    QTest::mouseClick(window->findChild<QPushButton*>("flash"), Qt::LeftButton);
    answer.stop();
    QVERIFY(closed);
    QCOMPARE(question,
        QString("Flashing is in progress. Stop it and leave the device without a valid application?"));
    QVERIFY(!watch.isNull());
    const QStringList log = target.stop();
    if (stop) {
        QCOMPARE(finished.count(), 1);
        QVERIFY(!window->isVisible());
        QCOMPARE(lines.mid(lines.size() - 3), QStringList { "Flashing canceled." } + kNoApplication);
        QVERIFY(log.filter("verdict ").value(0).startsWith("verdict app=invalid"));
        QTRY_VERIFY(watch.isNull());
    } else {
        QCOMPARE(finished.count(), 0);
        QVERIFY(window->isVisible());
        QCOMPARE(lines.last(), QString("Finished successfully!"));
        QVERIFY(log.filter("verdict ").value(0).startsWith("verdict app=valid"));
        window->close();
        QCOMPARE(finished.count(), 1);
        QTRY_VERIFY(watch.isNull());
    }
}

void tst_Romwright::browseSetsImagePath_data()
{
    QTest::addColumn<bool>("choose");
    QTest::addColumn<bool>("lastFolderExists");
    QTest::addRow("file chosen") << true << true;
    QTest::addRow("dialog cancelled") << false << true;
    QTest::addRow("last folder gone: documents") << false << false;
}

void tst_Romwright::browseSetsImagePath()
{
    QFETCH(bool, choose);
    QFETCH(bool, lastFolderExists);
    const QString chosen = writeImage(m_Dir->filePath("firmware.txt"), { { 0x6000, pattern(16, 1) } });
    const QString last = lastFolderExists ? m_Dir->filePath("old.txt") : QString("/old/image.txt");
    Window w("Kamdel");
    w.window->setImagePath(last);
    w.progress->setValue(70);

    QString title;
    QString directory;
    QStringList filters;
    // The dialog runs its own event loop; answer it as soon as it is up, and
    // should it ignore the answer, close it rather than hang.
    QTimer answer;
    answer.setInterval(20);
    bool answered = false;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (answered) {
            answer.stop();
            dialog->reject();
            return;
        }
        answered = true;
        title = dialog->windowTitle();
        directory = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        if (choose) {
            // Typed as a user would: selectFile() leaves a focused name field alone.
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
            static_cast<QDialog*>(dialog)->accept();
        } else {
            dialog->reject();
        }
    });
    answer.start();
    QTest::mouseClick(w.selectFile, Qt::LeftButton);

    QCOMPARE(title, QString("Select file"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fallback = QDir(documents).exists() ? documents : QDir::homePath();
    QCOMPARE(directory, QDir(lastFolderExists ? m_Dir->path() : fallback).absolutePath());
    QCOMPARE(filters, (QStringList { "MSP430 app (*.txt)", "Intel HEX (*.hex *.ihex)", "All files (*)" }));
    QCOMPARE(w.imagePath->text(), choose ? chosen : last);
    QCOMPARE(w.progress->value(), choose ? 0 : 70);
    w.window->close();
}

void tst_Romwright::remembersFileAndPortPerModel()
{
    QSettings settings(m_Dir->filePath("KamdelEditor.ini"), QSettings::IniFormat);
    const QString image = m_Dir->filePath("kamdel.txt");
    {
        Window w("Kamdel");
        w.window->setSettings(&settings);
        w.configure("/dev/serial/by-id/usb-kamdel", image);
        w.pressFlash(); // the port cannot be opened: what was used is kept all the same
        w.window->close();
    }
    Window again("Kamdel");
    again.configure("ttyS0", QString());
    again.window->setSettings(&settings);
    QCOMPARE(again.imagePath->text(), image);
    QCOMPARE(again.portName->text(), QString("%1 : 57600").arg(portNameOf("/dev/serial/by-id/usb-kamdel")));
    again.window->close();

    Window other("MSP430FR2512");
    other.configure("ttyS0", QString());
    other.window->setSettings(&settings);
    QCOMPARE(other.imagePath->text(), QString());
    QCOMPARE(other.portName->text(), QString("ttyS0 : 57600"));
    other.window->close();
}

void tst_Romwright::permissionHintNamesTheGroup()
{
    QFile device(m_Dir->filePath("ttyFake"));
    QVERIFY(device.open(QIODevice::WriteOnly));
    const QString group = QFileInfo(device.fileName()).group();
    QCOMPARE(FlashRun::permissionHint(device.fileName()),
        QString(
            "You may need to be a member of the group \"%1\" that owns %2 (log in again after joining it).")
            .arg(group, device.fileName()));
    QCOMPARE(FlashRun::permissionHint(m_Dir->filePath("missing")), QString());
}

void tst_Romwright::portDialogKeepsFramingLocked_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addRow("OK") << true;
    QTest::addRow("Cancel") << false;
}

void tst_Romwright::portDialogKeepsFramingLocked()
{
    QFETCH(bool, accept);
    Window w("Kamdel");
    w.configure("COM3", QString());
    QCOMPARE(w.portName->text(), QString("COM3 : 57600"));

    QTest::mouseClick(w.selectPort, Qt::LeftButton);
    auto* dialog = w.window->findChild<SerialPortDialog*>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isModal());
    QVERIFY(dialog->findChild<QComboBox*>("comboBox_Port")->isEnabled());
    for (const char* name :
        { "comboBox_Baudrate", "comboBox_DataBits", "comboBox_StopBits", "comboBox_Parity" })
        QVERIFY2(!dialog->findChild<QComboBox*>(name)->isEnabled(), name);
    QCOMPARE(dialog->findChild<QComboBox*>("comboBox_Baudrate")->currentText(), QString("57600"));

    // "COM3" is not present here, so no port is chosen in the list and the
    // port keeps its name whichever button closes the dialog.
    QTest::mousePress(
        dialog->findChild<QPushButton*>(accept ? "pushButton_OK" : "pushButton_Cancel"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(w.portName->text(), QString("COM3 : 57600"));
    w.window->close();
}

QTEST_MAIN(tst_Romwright)
#include "tst_romwright.moc"
