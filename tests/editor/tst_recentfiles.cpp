#include "RecentFiles.h"

#include <QAction>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class tst_RecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void addRecentFile_data();
    void addRecentFile();
    void entryTexts_data();
    void entryTexts();
    void pickEntry_data();
    void pickEntry();
    void clearDisables();
    void loadDropsVanishedFiles();
    void loadReadsTenEntriesAtMost();
    void saveAndLoadRoundTrip_data();
    void saveAndLoadRoundTrip();

private:
    QString existingFile(const QString& name);
    static QStringList visibleTexts(const RecentFiles& menu);

    QTemporaryDir m_dir;
};

void tst_RecentFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString tst_RecentFiles::existingFile(const QString& name)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    return path;
}

QStringList tst_RecentFiles::visibleTexts(const RecentFiles& menu)
{
    QStringList texts;
    for (int i = 0; i < RecentFiles::MaxEntries; ++i) {
        if (menu.entryAction(i)->isVisible())
            texts << menu.entryAction(i)->text();
    }
    return texts;
}

void tst_RecentFiles::addRecentFile_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");

    QStringList eleven;
    for (int i = 1; i <= 11; ++i)
        eleven << QStringLiteral("/docs/f%1.xml").arg(i);
    QStringList newestTen;
    for (int i = 11; i >= 2; --i)
        newestTen << QStringLiteral("/docs/f%1.xml").arg(i);

    QTest::addRow("eleventh file drops the oldest") << eleven << newestTen;
    QTest::addRow("reopened file moves to the front") << QStringList { "/docs/a.xml", "/docs/b.xml",
        "/docs/c.xml", "/docs/a.xml" } << QStringList { "/docs/a.xml", "/docs/c.xml", "/docs/b.xml" };
    QTest::addRow("letter case makes two entries")
        << QStringList { "/docs/a.xml", "/docs/A.xml" } << QStringList { "/docs/A.xml", "/docs/a.xml" };
    QTest::addRow("empty path ignored") << QStringList { "/docs/a.xml", "" } << QStringList { "/docs/a.xml" };
    QTest::addRow("same file twice in a row")
        << QStringList { "/docs/a.xml", "/docs/a.xml" } << QStringList { "/docs/a.xml" };
}

void tst_RecentFiles::addRecentFile()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);

    RecentFiles menu;
    for (const QString& path : qAsConst(added))
        menu.addRecentFile(path);

    QCOMPARE(menu.files(), expected);
    QCOMPARE(visibleTexts(menu).size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(menu.entryAction(i)->data().toString(), expected.at(i));
        QCOMPARE(menu.entryAction(i)->toolTip(), expected.at(i));
    }
    QVERIFY(menu.isEnabled());
}

void tst_RecentFiles::entryTexts_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("texts");

    QStringList ten;
    QStringList tenTexts;
    for (int i = 10; i >= 1; --i)
        ten << QStringLiteral("/docs/f%1.xml").arg(i);
    for (int i = 1; i <= 10; ++i)
        tenTexts << QStringLiteral("&%1  |  f%1.xml").arg(i);

    QTest::addRow("numbered 1 to 10, newest first") << ten << tenTexts;
    QTest::addRow("file name only") << QStringList { "/a/b/c/Kamdel_1.xml" }
                                    << QStringList { "&1  |  Kamdel_1.xml" };
    QTest::addRow("ampersand in the name stays visible")
        << QStringList { "/docs/R&D.xml" } << QStringList { "&1  |  R&&D.xml" };
    QTest::addRow("percent sign in the name")
        << QStringList { "/docs/100%2.xml" } << QStringList { "&1  |  100%2.xml" };
}

void tst_RecentFiles::entryTexts()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, texts);

    RecentFiles menu;
    for (const QString& path : qAsConst(added))
        menu.addRecentFile(path);
    QCOMPARE(visibleTexts(menu), texts);
}

void tst_RecentFiles::pickEntry_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addRow("existing file is opened") << true;
    QTest::addRow("vanished file is dropped") << false;
}

void tst_RecentFiles::pickEntry()
{
    QFETCH(bool, fileExists);

    const QString kept = existingFile(QStringLiteral("kept.xml"));
    const QString picked = existingFile(QStringLiteral("picked.xml"));
    QVERIFY(!kept.isEmpty() && !picked.isEmpty());

    RecentFiles menu;
    QSignalSpy spy(&menu, &RecentFiles::openFile);
    QVERIFY(spy.isValid());
    QSignalSpy missing(&menu, &RecentFiles::fileMissing);
    QVERIFY(missing.isValid());
    menu.addRecentFile(kept);
    menu.addRecentFile(picked);
    if (!fileExists)
        QVERIFY(QFile::remove(picked));

    menu.entryAction(0)->trigger();

    if (fileExists) {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(missing.count(), 0);
        QCOMPARE(spy.at(0).at(0).toString(), picked);
        QCOMPARE(menu.files(), QStringList({ picked, kept }));
    } else {
        QCOMPARE(spy.count(), 0);
        QCOMPARE(missing.count(), 1);
        QCOMPARE(missing.at(0).at(0).toString(), picked);
        QCOMPARE(menu.files(), QStringList { kept });
        QCOMPARE(visibleTexts(menu), QStringList { "&1  |  kept.xml" });
    }
}

void tst_RecentFiles::clearDisables()
{
    RecentFiles menu;
    QVERIFY(!menu.isEnabled());
    menu.addRecentFile(QStringLiteral("/docs/a.xml"));
    QVERIFY(menu.isEnabled());
    menu.clearAction()->trigger();
    QVERIFY(menu.files().isEmpty());
    QVERIFY(visibleTexts(menu).isEmpty());
    QVERIFY(!menu.isEnabled());
}

void tst_RecentFiles::loadDropsVanishedFiles()
{
    const QString first = existingFile(QStringLiteral("first.xml"));
    const QString second = existingFile(QStringLiteral("second.xml"));
    const QString iniPath = m_dir.filePath(QStringLiteral("vanished.ini"));
    {
        QSettings settings(iniPath, QSettings::IniFormat);
        settings.beginWriteArray(QStringLiteral("RecentFiles"));
        // Nor are entries that are not regular files: a FIFO put in a
        // document's place once hung the editor at its start.
        const QString fifo = m_dir.filePath(QStringLiteral("fifo.xml"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QStringList stored { first, m_dir.filePath(QStringLiteral("gone.xml")), fifo,
            QStringLiteral("/dev/zero"), m_dir.path(), second };
        for (int i = 0; i < stored.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("file"), stored.at(i));
        }
        settings.endArray();
    }

    QSettings settings(iniPath, QSettings::IniFormat);
    RecentFiles menu;
    menu.addRecentFile(QStringLiteral("/replaced/by/load.xml"));
    menu.loadRecentFiles(&settings);
    QCOMPARE(menu.files(), QStringList({ first, second }));
    QCOMPARE(visibleTexts(menu), QStringList({ "&1  |  first.xml", "&2  |  second.xml" }));
}

// The stored size is a claim the reading must not trust: two billion kept
// the window from appearing for minutes.
void tst_RecentFiles::loadReadsTenEntriesAtMost()
{
    const QString iniPath = m_dir.filePath(QStringLiteral("claims.ini"));
    QStringList stored;
    {
        QFile file(iniPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[RecentFiles]\nsize=2000000000\n");
        for (int i = 1; i <= 12; ++i) {
            stored << existingFile(QStringLiteral("f%1.xml").arg(i));
            file.write(QStringLiteral("%1\\file=%2\n").arg(i).arg(stored.last()).toUtf8());
        }
    }
    QSettings settings(iniPath, QSettings::IniFormat);
    RecentFiles menu;
    QElapsedTimer timer;
    timer.start();
    menu.loadRecentFiles(&settings);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(menu.files(), stored.mid(0, 10));
}

void tst_RecentFiles::saveAndLoadRoundTrip_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addRow("empty list") << 0 << 0;
    QTest::addRow("three files") << 0 << 3;
    QTest::addRow("list shrinks from five to two") << 5 << 2;
    QTest::addRow("list emptied") << 4 << 0;
}

void tst_RecentFiles::saveAndLoadRoundTrip()
{
    QFETCH(int, before);
    QFETCH(int, after);

    const QString iniPath = m_dir.filePath(QStringLiteral("roundtrip-%1-%2.ini").arg(before).arg(after));
    QStringList files;
    for (int i = 0; i < std::max(before, after); ++i)
        files << existingFile(QStringLiteral("round%1.xml").arg(i));

    {
        QSettings settings(iniPath, QSettings::IniFormat);
        RecentFiles menu;
        for (int i = 0; i < before; ++i)
            menu.addRecentFile(files.at(i));
        menu.saveRecentFiles(&settings);
        menu.clearAction()->trigger();
        for (int i = 0; i < after; ++i)
            menu.addRecentFile(files.at(i));
        menu.saveRecentFiles(&settings);
    }

    QSettings raw(iniPath, QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("RecentFiles/size")).toInt(), after);
    // Nothing of a longer earlier list may linger behind the new size.
    QCOMPARE(raw.contains(QStringLiteral("RecentFiles/%1/file").arg(after + 1)), false);
    for (int i = 0; i < after; ++i)
        QCOMPARE(
            raw.value(QStringLiteral("RecentFiles/%1/file").arg(i + 1)).toString(), files.at(after - 1 - i));

    RecentFiles loaded;
    loaded.loadRecentFiles(&raw);
    QStringList expected;
    for (int i = after - 1; i >= 0; --i)
        expected << files.at(i);
    QCOMPARE(loaded.files(), expected);
    QCOMPARE(loaded.isEnabled(), after > 0);
}

QTEST_MAIN(tst_RecentFiles)
#include "tst_recentfiles.moc"
