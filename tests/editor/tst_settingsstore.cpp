#include "MainWindow.h"
#include "SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Where the editor keeps its settings: a portable copy beside the program
// only where it can stay, otherwise the user's configuration folder.
class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fileNameFor_data();
    void fileNameFor();
    void unwritableFileReported_data();
    void unwritableFileReported();
    void savedWhole();

private:
    QTemporaryDir m_dir;
};

void tst_SettingsStore::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
}

void tst_SettingsStore::cleanup()
{
    SettingsStore::close();
    SettingsStore::setFileName(QString());
}

void tst_SettingsStore::fileNameFor_data()
{
    QTest::addColumn<QString>("programDir"); // below the test folder
    QTest::addColumn<QString>("besideProgram"); // "file", "folder" or nothing
    QTest::addColumn<bool>("portable");

    QTest::addRow("portable copy") << "portable"
                                   << "file" << true;
    QTest::addRow("installed program") << "installed"
                                       << "" << false;
    QTest::addRow("program folder gone") << "gone"
                                         << "none" << false;
    QTest::addRow("folder of that name") << "odd"
                                         << "folder" << false;
}

void tst_SettingsStore::fileNameFor()
{
    QFETCH(QString, programDir);
    QFETCH(QString, besideProgram);
    QFETCH(bool, portable);

    const QString program = m_dir.filePath(programDir);
    const QString config = m_dir.filePath(QStringLiteral("config/Organization/Tollmark"));
    if (besideProgram != QLatin1String("none"))
        QVERIFY(QDir().mkpath(program));
    if (besideProgram == QLatin1String("file")) {
        QFile ini(program + QStringLiteral("/KamdelEditor.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
    } else if (besideProgram == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(program + QStringLiteral("/KamdelEditor.ini")));
    }

    QCOMPARE(SettingsStore::fileNameFor(program, config),
        (portable ? program : config) + QStringLiteral("/KamdelEditor.ini"));
}

void tst_SettingsStore::unwritableFileReported_data()
{
    QTest::addColumn<QString>("fileName"); // below the test folder
    QTest::addColumn<bool>("reported");

    QTest::addRow("new file in new folders") << "a/b/KamdelEditor.ini" << false;
    // A regular file where a folder should be cannot hold settings, even
    // for the super-user.
    QTest::addRow("folder is a file") << "plain/KamdelEditor.ini" << true;
}

void tst_SettingsStore::unwritableFileReported()
{
    QFETCH(QString, fileName);
    QFETCH(bool, reported);
    QFile plain(m_dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString path = m_dir.filePath(fileName);
    SettingsStore::setFileName(path);

    MainWindow window;
    QCOMPARE(SettingsStore::isWritable(), !reported);
    QCOMPARE(window.statusBar()->currentMessage(),
        reported ? QStringLiteral("The settings cannot be saved: %1 is not writable.").arg(path) : QString());
    if (!reported) {
        // Created as needed, folders and all.
        QVERIFY(window.close());
        QVERIFY(QFileInfo(path).isFile());
    } else {
        // The failed save at the end is said, not passed over.
        QTest::ignoreMessage(
            QtWarningMsg, qPrintable(QStringLiteral("The settings could not be saved to %1.").arg(path)));
        QVERIFY(window.close());
    }
}

// A save replaces the file whole (a new file renamed over the old one), so
// a full disk or a crash half-way cannot leave a cut-off settings file.
void tst_SettingsStore::savedWhole()
{
    const QString path = m_dir.filePath(QStringLiteral("whole/KamdelEditor.ini"));
    SettingsStore::setFileName(path);
    SettingsStore::open();
    SettingsStore::setValue(QStringLiteral("first"), 1);
    QVERIFY(SettingsStore::sync());
    const auto inode = [&path] {
        struct stat info
        {
        };
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : ino_t(0);
    };
    const ino_t before = inode();
    QVERIFY(before != 0);
    SettingsStore::setValue(QStringLiteral("second"), 2);
    QVERIFY(SettingsStore::sync());
    QVERIFY(inode() != before);
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("second")).toInt(), 2);
}

QTEST_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
