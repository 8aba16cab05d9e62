#include <QtTest>

#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

namespace {

const QString PanelProgram = QStringLiteral(KAMDEL_TOOLS_DIR "/KamdelVirtualPanel");
constexpr int Timeout = 10000;
const QStringList Steps { QStringLiteral("FRAME"), QStringLiteral("HOLD") };

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray word(int code, int last = 0)
{
    return bytes({ code, 0, 0, last });
}

QByteArray blocks(const QByteArray& image, int firstNumber = 0)
{
    QByteArray out;
    for (int n = 0; n * 32 < image.size(); ++n) {
        QByteArray data = image.mid(n * 32, 32);
        data.append(QByteArray(32 - data.size(), '\0'));
        out += word(0x03, (firstNumber + n) % 256) + data;
    }
    return out;
}

QByteArray padded(const QByteArray& image)
{
    return image + QByteArray((32 - image.size() % 32) % 32, '\0');
}

// An LED frame command with the given LEDs on, in the bit order of the variant.
QByteArray frame(const QVector<int>& on, bool msbFirst = false)
{
    QByteArray bytes(25, '\0');
    bytes[0] = 0x03;
    for (int led : on)
        bytes[1 + led / 8] = char(bytes.at(1 + led / 8) | (msbFirst ? 0x80 >> (led % 8) : 1 << (led % 8)));
    return bytes;
}

QString ledHex(const QVector<int>& on)
{
    QString bits(192, QLatin1Char('0'));
    for (int led : on)
        bits[led] = QLatin1Char('1');
    QString hex;
    for (int d = 0; d < 48; ++d)
        hex += QString::number(bits.mid(4 * d, 4).toInt(nullptr, 2), 16);
    return hex;
}

// One virtual panel process and a serial port on its link, as the editor has.
class Panel
{
public:
    ~Panel()
    {
        m_port.close();
        m_process.terminate();
        if (!m_process.waitForFinished(Timeout))
            m_process.kill();
    }

    bool start(const QStringList& arguments = {})
    {
        if (!m_dir.isValid())
            return false;
        m_link = m_dir.filePath(QStringLiteral("panel"));
        m_process.setProgram(PanelProgram);
        m_process.setArguments(QStringList { QStringLiteral("--headless"), QStringLiteral("--link"), m_link,
                                   QStringLiteral("--exit-after-silence"), QStringLiteral("60"),
                                   // Generous, so that a busy machine does not split a block.
                                   QStringLiteral("--gap"), QStringLiteral("300") }
            + arguments);
        m_process.start();
        return m_process.waitForStarted(Timeout) && !readUntil({ QStringLiteral("READY") }, 1).isEmpty();
    }

    bool openPort()
    {
        m_port.setPortName(m_link);
        m_port.setBaudRate(57600);
        return m_port.open(QIODevice::ReadWrite);
    }

    void send(const QByteArray& data)
    {
        m_port.write(data);
        m_port.waitForBytesWritten(Timeout);
    }

    // Lines read since the last call, once `count` of them start with one of
    // `prefixes`; empty on time-out.
    QStringList readUntil(const QStringList& prefixes, int count)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            while (m_process.canReadLine())
                m_pending << QString::fromLocal8Bit(m_process.readLine()).trimmed();
            int seen = 0;
            for (const QString& line : qAsConst(m_pending))
                seen += std::any_of(prefixes.begin(), prefixes.end(),
                    [&line](const QString& prefix) { return line.startsWith(prefix); });
            if (seen >= count)
                return std::exchange(m_pending, {});
            if (clock.hasExpired(Timeout) || m_process.state() == QProcess::NotRunning)
                return {};
            m_process.waitForReadyRead(100);
        }
    }

    // Lines that arrive within a short quiet time; to prove nothing else came.
    QStringList straggling()
    {
        m_process.waitForReadyRead(200);
        while (m_process.canReadLine())
            m_pending << QString::fromLocal8Bit(m_process.readLine()).trimmed();
        return std::exchange(m_pending, {});
    }

    QProcess& process() { return m_process; }
    QSerialPort& port() { return m_port; }
    QString link() const { return m_link; }
    QTemporaryDir& dir() { return m_dir; }

private:
    QTemporaryDir m_dir;
    QString m_link;
    QProcess m_process;
    QSerialPort m_port;
    QStringList m_pending;
};

QStringList withoutReceived(const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines)
        if (!line.startsWith(QLatin1String("RX ")))
            out << line;
    return out;
}

} // namespace

class tst_VirtualPanel : public QObject
{
    Q_OBJECT

private slots:
    void imageReassembly_data();
    void imageReassembly();
    void framesInBothBitOrders_data();
    void framesInBothBitOrders();
    void running_data();
    void running();
    void garbageIsReportedAndSkipped_data();
    void garbageIsReportedAndSkipped();
    void survivesPortReopening();
    void replacesStaleLinkAndRemovesItOnTerminate();
    void refusesToReplaceAFile();
    void exitsAfterSilence();
};

void tst_VirtualPanel::imageReassembly_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("paced");
    QTest::addColumn<int>("variant");

    const QByteArray v1 = frame({ 0, 9, 191 }) + bytes({ 0x00 });
    QTest::addRow("one block") << v1 << false << 1;
    QTest::addRow("100 bytes in four blocks") << QByteArray(100, '\x03') << false << 1;
    QTest::addRow("paced like the editor") << QByteArray(70, '\x01') << true << 1;
    QTest::addRow("variant 2 prefix")
        << bytes({ 0, 0, 0, 0 }) + frame({ 0, 9, 191 }, true) + bytes({ 0 }) << false << 2;
    QTest::addRow("full program memory") << QByteArray(8000, '\x05') << false << 1;
}

void tst_VirtualPanel::imageReassembly()
{
    QFETCH(QByteArray, image);
    QFETCH(bool, paced);
    QFETCH(int, variant);

    Panel panel;
    QVERIFY(panel.start());
    QVERIFY(panel.openPort());
    const QByteArray wire = blocks(image);
    const int blockCount = wire.size() / 36;
    if (paced) {
        for (int n = 0; n < blockCount; ++n) {
            panel.send(wire.mid(n * 36, 36));
            QTest::qWait(100);
        }
    } else {
        panel.send(wire);
    }
    panel.send(word(0x01));

    QStringList expected;
    for (int n = 0; n < blockCount; ++n)
        expected << QStringLiteral("RX BLOCK %1 32").arg(n);
    expected << QStringLiteral("RX RESET")
             << QStringLiteral("IMAGE %1 bytes variant %2 %3")
                    .arg(blockCount * 32)
                    .arg(variant)
                    .arg(QString::fromLatin1(padded(image).toHex()))
             << QStringLiteral("START at %1 variant %2").arg(variant == 2 ? 4 : 0).arg(variant);
    QCOMPARE(panel.readUntil({ QStringLiteral("START") }, 1), expected);
    QCOMPARE(panel.straggling(), QStringList());
}

void tst_VirtualPanel::framesInBothBitOrders_data()
{
    QTest::addColumn<QString>("variantOption");
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("expected");

    const QString hex = ledHex({ 0, 9, 191 });
    QTest::addRow("variant 1 found, LSB first")
        << "auto" << bytes({ 0x03, 0x01, 0x02 }) + QByteArray(21, '\0') + bytes({ 0x80, 0x00 })
        << QStringList { "START at 0 variant 1", "FRAME 1 " + hex + " at 0" };
    QTest::addRow("variant 2 found, MSB first")
        << "auto" << bytes({ 0, 0, 0, 0, 0x03, 0x80, 0x40 }) + QByteArray(21, '\0') + bytes({ 0x01, 0x00 })
        << QStringList { "START at 4 variant 2", "FRAME 1 " + hex + " at 4" };
    QTest::addRow("LED 8 in variant 1")
        << "auto" << frame({ 8 })
        << QStringList { "START at 0 variant 1", "FRAME 1 " + ledHex({ 8 }) + " at 0" };
    QTest::addRow("LED 8 in variant 2")
        << "auto" << bytes({ 0, 0, 0, 0 }) + frame({ 8 }, true)
        << QStringList { "START at 4 variant 2", "FRAME 1 " + ledHex({ 8 }) + " at 4" };
    QTest::addRow("variant 1 forced on a zero prefix")
        << "1" << bytes({ 0, 0, 0, 0 }) + frame({ 8 }, true)
        << QStringList { "START at 0 variant 1", "HOLD STOP at 0" };
    QTest::addRow("variant 2 forced reads MSB first")
        << "2" << bytes({ 0, 0, 0, 0, 0x03, 0x01 })
        << QStringList { "START at 4 variant 2", "FRAME 1 " + ledHex({ 7 }) + " at 4" };
}

void tst_VirtualPanel::framesInBothBitOrders()
{
    QFETCH(QString, variantOption);
    QFETCH(QByteArray, image);
    QFETCH(QStringList, expected);

    Panel panel;
    QVERIFY(panel.start({ QStringLiteral("--variant"), variantOption }));
    QVERIFY(panel.openPort());
    panel.send(blocks(image) + word(0x01) + word(0x02));
    const QStringList lines = panel.readUntil(Steps, 1);
    QStringList results = withoutReceived(lines + panel.straggling());
    QVERIFY(!results.isEmpty() && results.takeFirst().startsWith(QLatin1String("IMAGE ")));
    QCOMPARE(results, expected);
}

void tst_VirtualPanel::running_data()
{
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("expected");

    const QByteArray a = frame({ 0, 1, 2 });
    const QByteArray b = frame({ 100, 191 });
    const QString ha = ledHex({ 0, 1, 2 });
    const QString hb = ledHex({ 100, 191 });
    const QByteArray stop = bytes({ 0x00 });

    QTest::addRow("frames in order, then Stop holds")
        << a + b + stop << "NNNN"
        << QStringList { "FRAME 1 " + ha + " at 0", "FRAME 2 " + hb + " at 25", "HOLD STOP at 50",
               "HOLD STOP at 50" };
    QTest::addRow("Reset word goes back to the start")
        << a + b + stop << "NNRN"
        << QStringList { "FRAME 1 " + ha + " at 0", "FRAME 2 " + hb + " at 25", "START at 0 variant 1",
               "FRAME 1 " + ha + " at 0" };
    QTest::addRow("Reset command restarts the program")
        << a + bytes({ 0x01 }) << "NNN"
        << QStringList { "FRAME 1 " + ha + " at 0", "RESTART at 25", "FRAME 2 " + ha + " at 0",
               "RESTART at 25", "FRAME 3 " + ha + " at 0" };
    QTest::addRow("Return with no call holds")
        << a + bytes({ 0x04 }) + b << "NN" << QStringList { "FRAME 1 " + ha + " at 0", "HOLD RETURN at 25" };
    QTest::addRow("Call to address 0 is passed over") << bytes({ 0x05, 0x00, 0x00 }) + a
            + stop << "N" << QStringList { "SKIP CALL 0 at 0", "FRAME 1 " + ha + " at 3" };
    // Call at 0, frame a at 3, Stop at 28, collection: frame b at 29 (address 31), Return at 54.
    QTest::addRow("Call and Return") << bytes({ 0x05, 31, 0x00 }) + a + stop + b + bytes({ 0x04 }) << "NNN"
                                     << QStringList { "FRAME 1 " + hb + " at 29", "FRAME 2 " + ha + " at 3",
                                            "HOLD STOP at 28" };
    QTest::addRow("endless recursion holds")
        << bytes({ 0x05, 0x05, 0x00, 0x05, 0x05, 0x00 }) << "N" << QStringList { "HOLD STACK at 3" };
    QTest::addRow("unknown opcode holds")
        << a + bytes({ 0x02 }) << "NN"
        << QStringList { "FRAME 1 " + ha + " at 0", "BADOP 02 at 25", "HOLD BADOP at 25" };
    QTest::addRow("Reset loop without a frame holds")
        << bytes({ 0x01 }) << "N" << QStringList { "RESTART at 0", "HOLD LOOP at 0" };
    QTest::addRow("no program yet") << QByteArray() << "N" << QStringList { "HOLD STOP at 0" };
}

void tst_VirtualPanel::running()
{
    QFETCH(QByteArray, program);
    QFETCH(QString, script);
    QFETCH(QStringList, expected);

    Panel panel;
    QVERIFY(panel.start({ QStringLiteral("--variant"), QStringLiteral("1") }));
    QVERIFY(panel.openPort());
    QByteArray wire = blocks(program);
    if (!wire.isEmpty())
        wire += word(0x01);
    for (QChar c : script)
        wire += word(c == QLatin1Char('N') ? 0x02 : 0x01);
    panel.send(wire);

    // Each Next ends in a FRAME or HOLD line, each Reset in a START line.
    const int ends = script.size() + (program.isEmpty() ? 0 : 1);
    QStringList results
        = withoutReceived(panel.readUntil(Steps + QStringList { QStringLiteral("START") }, ends));
    results += withoutReceived(panel.straggling());
    if (!program.isEmpty()) {
        QVERIFY(!results.isEmpty() && results.takeFirst().startsWith(QLatin1String("IMAGE ")));
        QVERIFY(!results.isEmpty() && results.takeFirst() == QLatin1String("START at 0 variant 1"));
    }
    QCOMPARE(results, expected);
}

void tst_VirtualPanel::garbageIsReportedAndSkipped_data()
{
    QTest::addColumn<QByteArray>("garbage");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("unknown word") << bytes({ 0x04, 0, 0, 0 }) << QStringList { "RX UNKNOWN 04000000" };
    QTest::addRow("Next word with a wrong tail")
        << bytes({ 0x02, 0, 0, 0x01 }) << QStringList { "RX UNKNOWN 02000001" };
    QTest::addRow("stray byte before a word") << bytes(
        { 0xff, 0x01, 0, 0, 0 }) << QStringList { "RX UNKNOWN ff", "RX RESET", "START at 0 variant 1" };
    QTest::addRow("lone block header") << bytes({ 0x03, 0, 0 }) << QStringList { "RX UNKNOWN 030000" };
    QTest::addRow("short block") << word(0x03, 5) + QByteArray(10, '\x11') << QStringList { "RX SHORT 5 10" };
    QTest::addRow("long run of noise") << QByteArray(140, '\xaa')
                                       << QStringList { "RX UNKNOWN " + QString(128, QLatin1Char('a')),
                                              "RX UNKNOWN " + QString(128, QLatin1Char('a')),
                                              "RX UNKNOWN " + QString(24, QLatin1Char('a')) };
    QTest::addRow("block beyond program memory") << blocks(
        QByteArray(32, '\x03'), 250) << QStringList { "RX BLOCK 250 32", "ERROR BLOCK 250 BEYOND 8000" };
    QTest::addRow("first block of a write not 0")
        << blocks(QByteArray(32, '\x03'), 1) << QStringList { "RX BLOCK 1 32", "WARN BLOCK 1 EXPECTED 0" };
}

void tst_VirtualPanel::garbageIsReportedAndSkipped()
{
    QFETCH(QByteArray, garbage);
    QFETCH(QStringList, expected);

    Panel panel;
    QVERIFY(panel.start());
    QVERIFY(panel.openPort());
    panel.send(garbage);
    QCOMPARE(panel.readUntil({ QString() }, expected.size()), expected);
    QCOMPARE(panel.straggling(), QStringList());

    // The line is usable again afterwards.
    panel.send(blocks(frame({ 3 }) + bytes({ 0 })) + word(0x01) + word(0x02));
    const QStringList lines = panel.readUntil(Steps, 1);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.last(), "FRAME 1 " + ledHex({ 3 }) + " at 0");
}

void tst_VirtualPanel::survivesPortReopening()
{
    // The editor opens and closes its port for every single word.
    Panel panel;
    QVERIFY(panel.start());
    for (int i = 0; i < 3; ++i) {
        QVERIFY(panel.openPort());
        panel.send(word(0x02));
        panel.port().close();
        QCOMPARE(panel.readUntil(Steps, 1), (QStringList { "RX NEXT", "HOLD STOP at 0" }));
    }
}

void tst_VirtualPanel::replacesStaleLinkAndRemovesItOnTerminate()
{
    Panel panel;
    const QString link = panel.dir().filePath(QStringLiteral("panel"));
    QVERIFY(QFile::link(QStringLiteral("/nonexistent/old-pty"), link));
    QVERIFY(panel.start());
    QVERIFY(QFileInfo(link).symLinkTarget().startsWith(QLatin1String("/dev/")));
    QVERIFY(panel.openPort());
    panel.send(blocks(frame({ 5 })) + word(0x01) + word(0x02));
    QVERIFY(!panel.readUntil(Steps, 1).isEmpty());
    panel.port().close();

    // A clean exit also lets a sanitizer build check the panel for leaks.
    panel.process().terminate();
    QVERIFY(panel.process().waitForFinished(Timeout));
    QCOMPARE(panel.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(panel.process().exitCode(), 0);
    QCOMPARE(panel.process().readAllStandardError(), QByteArray());
    QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
}

void tst_VirtualPanel::refusesToReplaceAFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("panel"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();

    QProcess process;
    process.start(PanelProgram, { QStringLiteral("--headless"), QStringLiteral("--link"), path });
    QVERIFY(process.waitForFinished(Timeout));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().contains("not a symbolic link"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
}

void tst_VirtualPanel::exitsAfterSilence()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("panel"));
    QProcess process;
    process.start(PanelProgram,
        { QStringLiteral("--headless"), QStringLiteral("--link"), link,
            QStringLiteral("--exit-after-silence"), QStringLiteral("1") });
    QVERIFY(process.waitForFinished(Timeout));
    QCOMPARE(process.exitCode(), 0);
    const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
    QVERIFY(lines.first().startsWith("READY "));
    QCOMPARE(lines.last(), QByteArray("EXIT silence"));
    QVERIFY(!QFileInfo(link).isSymLink());
}

QTEST_GUILESS_MAIN(tst_VirtualPanel)
#include "tst_virtualpanel.moc"
