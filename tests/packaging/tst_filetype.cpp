#include "KamdelPanel1.h"
#include "KamdelPanel2.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The desktop's file type for panel documents, read the way Qt programs and
// file managers read it: from a compiled shared-mime-info database holding
// the packaged rule beside the system's.
class tst_FileType : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void detected_data();
    void detected();

private:
    QTemporaryDir m_data;
    QTemporaryDir m_files;
};

void tst_FileType::initTestCase()
{
    QVERIFY(m_data.isValid() && m_files.isValid());
    // The system's types and ours in one database, as installing the package
    // makes it.
    const QString system = QStringLiteral("/usr/share/mime/packages/freedesktop.org.xml");
    if (!QFileInfo::exists(system))
        QSKIP("the shared-mime-info database is not installed");
    const QString packages = m_data.filePath(QStringLiteral("mime/packages"));
    QVERIFY(QDir().mkpath(packages));
    QVERIFY(QFile::copy(system, packages + QStringLiteral("/freedesktop.org.xml")));
    QVERIFY(QFile::copy(QStringLiteral(KAMDEL_MIME_FILE), packages + QStringLiteral("/kamdel.xml")));
    QProcess update;
    update.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    update.start(QStringLiteral("update-mime-database"), { m_data.filePath(QStringLiteral("mime")) });
    QVERIFY(update.waitForFinished(60000));
    QCOMPARE(update.exitCode(), 0);
    // Before the first use of the database, which reads the folders once.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_data.path()));
}

void tst_FileType::detected_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: a document saved by the library
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("type");

    QTest::addRow("saved ZQ-RING-A") << QByteArray() << 1 << "application/x-kamdel-panel";
    QTest::addRow("saved ZQ-RING-B") << QByteArray() << 2 << "application/x-kamdel-panel";
    QTest::addRow("without declaration")
        << QByteArray("<LedPanelDocument version=\"2.0\"><Commands/></LedPanelDocument>\n") << 0
        << "application/x-kamdel-panel";
    QTest::addRow("other XML") << QByteArray("<?xml version=\"1.0\"?>\n<Board version=\"1.0\"/>\n") << 0
                               << "application/xml";
    QTest::addRow("name in a comment")
        << QByteArray("<?xml version=\"1.0\"?>\n<!-- not a LedPanelDocument -->\n<Other/>\n") << 0
        << "application/xml";
}

void tst_FileType::detected()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, model);
    QFETCH(QString, type);

    const QString path = m_files.filePath(QStringLiteral("%1.xml").arg(QTest::currentDataTag()));
    if (model) {
        std::unique_ptr<KamdelDocument> document(
            model == 1 ? KamdelPanel1::newDocument() : KamdelPanel2::newDocument());
        QVERIFY(document->save(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    const QMimeType detected = QMimeDatabase().mimeTypeForFile(path);
    QCOMPARE(detected.name(), type);
    if (type != QLatin1String("application/xml"))
        QCOMPARE(detected.iconName(), QStringLiteral("application-x-kamdel-panel"));
}

QTEST_MAIN(tst_FileType)
#include "tst_filetype.moc"
