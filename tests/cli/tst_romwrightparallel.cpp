#include "BslTargetRunner.h"
#include "FlasherImage.h"
#include "LowLatencyGuard.h"

#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return file.fileName();
}

} // namespace

class tst_RomwrightParallel : public QObject
{
    Q_OBJECT

private slots:
    void lowLatencyIsSilentOnPseudoTerminals();
};

// A pseudo-terminal offers no low-latency mode: the guard leaves it alone,
// the port still carries a whole run and the device takes the image.
void tst_RomwrightParallel::lowLatencyIsSilentOnPseudoTerminals()
{
    QTemporaryDir dir;
    const QString firmware = writeFile(dir, "app.txt", toTiTxt({ { 0x6000, patterned(64, 1) } }).toLatin1());
    BslTargetRunner target({ "--model", "Kamdel", "--exit-after-jump" });
    QVERIFY(target.isReady());
    QSerialPort port(target.link());
    QVERIFY(port.open(QIODevice::ReadWrite));
    {
        const LowLatencyGuard guard(&port);
        QVERIFY(!guard.isActive());
    }
    const LowLatencyGuard closedPort(nullptr);
    QVERIFY(!closedPort.isActive());
    port.close();

    QProcess romwright;
    romwright.start(QStringLiteral(KAMDEL_TOOLS_DIR "/romwright"), { "--port", target.link(), firmware });
    QVERIFY(romwright.waitForFinished(30000));
    QCOMPARE(romwright.exitCode(), 0);
    target.finish();
    QVERIFY2(target.applicationValid(), qPrintable(target.verdict()));
}

QTEST_GUILESS_MAIN(tst_RomwrightParallel)
#include "tst_romwrightparallel.moc"
