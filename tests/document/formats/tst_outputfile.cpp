#include "SmallDisk.h"
#include "formats/OutputFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat statOf(const QString& path)
{
    struct stat info
    {
    };
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_OutputFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameFile_data();
    void sameFile();
    void writes_data();
    void writes();
    void fullDiskKeepsTheOldFile();
    void deviceIsWrittenNotReplaced();
    void replacedFileKeepsItsOwner();

private:
    QTemporaryDir m_dir;
};

void tst_OutputFile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(writeFile(m_dir.filePath("a.xml"), "a"));
    QVERIFY(writeFile(m_dir.filePath("b.xml"), "a"));
    QVERIFY(QFile::link(m_dir.filePath("a.xml"), m_dir.filePath("link.xml")));
    QCOMPARE(::link(QFile::encodeName(m_dir.filePath("a.xml")).constData(),
                 QFile::encodeName(m_dir.filePath("hard.xml")).constData()),
        0);
    QVERIFY(QDir(m_dir.path()).mkdir("sub"));
}

void tst_OutputFile::sameFile_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");
    QTest::addRow("same name") << "a.xml"
                               << "a.xml" << true;
    QTest::addRow("roundabout name") << "a.xml"
                                     << "sub/../a.xml" << true;
    QTest::addRow("symbolic link") << "link.xml"
                                   << "a.xml" << true;
    QTest::addRow("hard link") << "a.xml"
                               << "hard.xml" << true;
    QTest::addRow("equal contents") << "a.xml"
                                    << "b.xml" << false;
    QTest::addRow("not there yet") << "a.xml"
                                   << "new.xml" << false;
    QTest::addRow("both not there") << "new.xml"
                                    << "new.xml" << false;
    QTest::addRow("standard output") << "-"
                                     << "-" << false;
}

void tst_OutputFile::sameFile()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    const auto path = [this](const QString& name) { return name == "-" ? name : m_dir.filePath(name); };
    QCOMPARE(OutputFile::sameFile(path(first), path(second)), same);
    QCOMPARE(OutputFile::sameFile(path(second), path(first)), same);
}

void tst_OutputFile::writes_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("committed"); // false: canceled
    QTest::addRow("new file") << "w-new.bin" << true;
    QTest::addRow("existing file") << "w-old.bin" << true;
    QTest::addRow("through a symbolic link") << "w-link.bin" << true;
    QTest::addRow("existing file, canceled") << "w-old.bin" << false;
    QTest::addRow("new file, canceled") << "w-new.bin" << false;
}

// A regular file is replaced whole, by a new file renamed over it; a link
// stays a link; nothing is left behind.
void tst_OutputFile::writes()
{
    QFETCH(QString, target);
    QFETCH(bool, committed);
    QTemporaryDir dir;
    const QString old = dir.filePath("w-old.bin");
    QVERIFY(writeFile(old, "old contents"));
    QVERIFY(QFile::link(old, dir.filePath("w-link.bin")));
    const QString path = dir.filePath(target);
    const bool existed = QFileInfo::exists(path);
    const ino_t before = statOf(old).st_ino;
    const QStringList entries = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);

    {
        OutputFile out(path);
        QVERIFY2(out.open(), qPrintable(out.errorString()));
        QCOMPARE(out.write(QByteArray("new contents").repeated(1000)), qint64(12000));
        if (committed)
            QVERIFY2(out.commit(), qPrintable(out.errorString()));
    }
    const QByteArray expected = committed ? QByteArray("new contents").repeated(1000)
        : existed                         ? QByteArray("old contents")
                                          : QByteArray();
    QCOMPARE(contents(path), expected);
    QCOMPARE(QFileInfo::exists(path), committed || existed);
    QCOMPARE(QFileInfo(dir.filePath("w-link.bin")).isSymLink(), true);
    if (committed && target != QLatin1String("w-new.bin"))
        QVERIFY(statOf(old).st_ino != before);
    QStringList after = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    after.removeAll(target);
    QStringList without = entries;
    without.removeAll(target);
    QCOMPARE(after, without);
}

// The fault once met on a full disk: a good file replaced by a cut-off one,
// with "Unknown error" for a reason.
void tst_OutputFile::fullDiskKeepsTheOldFile()
{
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP("making a small file system takes the super-user");
    const QString path = disk.filePath("frames.csv");
    const QByteArray good = QByteArray("0,1,2,3\r\n").repeated(1000);
    QVERIFY(writeFile(path, good));
    OutputFile out(path);
    QVERIFY(out.open());
    qint64 written = 0;
    for (int i = 0; i < 100 && written >= 0; ++i)
        written = out.write(QByteArray(1000, 'x'));
    QCOMPARE(written, qint64(-1));
    QVERIFY(!out.commit());
    QCOMPARE(out.errorString(), QString::fromLocal8Bit(std::strerror(ENOSPC)));
    QVERIFY(out.failure().contains(path));
    QCOMPARE(contents(path), good);
    QCOMPARE(disk.entries(), QStringList { "frames.csv" });
}

void tst_OutputFile::deviceIsWrittenNotReplaced()
{
    for (const QString& device : { QStringLiteral("/dev/null"), QStringLiteral("/dev/full") }) {
        if (!S_ISCHR(statOf(device).st_mode))
            QSKIP("no such device here");
        OutputFile out(device);
        QVERIFY2(out.open(), qPrintable(out.errorString()));
        const bool full = device.endsWith("full");
        QCOMPARE(out.write("bytes"), qint64(5));
        QCOMPARE(out.commit(), !full);
        if (full)
            QCOMPARE(out.errorString(), QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QVERIFY(S_ISCHR(statOf(device).st_mode));
    }
}

QTEST_GUILESS_MAIN(tst_OutputFile)
// Root rewriting a user's file through a link leaves it that user's.
void tst_OutputFile::replacedFileKeepsItsOwner()
{
    if (::geteuid() != 0)
        QSKIP("giving a file to another user takes the super-user");
    const QString path = m_dir.filePath("owned.xml");
    QVERIFY(writeFile(path, "old"));
    QCOMPARE(::chown(QFile::encodeName(path).constData(), 4321, 4322), 0);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    QVERIFY(QFile::link(path, m_dir.filePath("owned-link.xml")));
    OutputFile out(m_dir.filePath("owned-link.xml"));
    QVERIFY(out.open() && out.write("new") == 3 && out.commit());
    const struct stat info = statOf(path);
    QCOMPARE(contents(path), QByteArray("new"));
    QCOMPARE(int(info.st_uid), 4321);
    QCOMPARE(int(info.st_gid), 4322);
    QCOMPARE(int(info.st_mode & 07777), 0640);
}

#include "tst_outputfile.moc"
