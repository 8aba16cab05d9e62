// The document without widgets: every failure is a false with a reason, and
// what is saved reads back the same.
#include "edits/DocumentEdits.h"
#include "edits/EditHistory.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class tst_PanelDocument : public QObject
{
    Q_OBJECT

private slots:
    void loadFailures_data();
    void loadFailures();
    void saveFailureKeepsHistory();
    void roundTrip_data();
    void roundTrip();

private:
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

void tst_PanelDocument::loadFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // "fifo" makes a FIFO, "dir" a folder
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("partlyRead");

    QTest::addRow("missing") << "none.xml" << QByteArray() << "Cannot read file" << false;
    QTest::addRow("folder") << "folder.xml" << QByteArray("dir") << "is not a regular file." << false;
    QTest::addRow("fifo") << "pipe.xml" << QByteArray("fifo") << "is not a regular file." << false;
    QTest::addRow("other panel") << "b.xml" << QByteArray("<LedPanelDocument version=\"2.0\"/>")
                                 << "Error occur while reading xml data of" << true;
    QTest::addRow("broken") << "broken.xml" << QByteArray("<LedPanelDocument version=\"1.0\"><Commands>")
                            << "Error occur while reading xml data of" << true;
    QTest::addRow("too deep") << "deep.xml" << QByteArray("<a>").repeated(100000)
                              << "Error occur while reading xml data of" << true;
}

void tst_PanelDocument::loadFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QFETCH(bool, partlyRead);
    QString path = m_dir.filePath(name);
    if (bytes == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (bytes == "dir")
        QVERIFY(QDir(m_dir.path()).mkpath(name));
    else if (!bytes.isEmpty())
        path = write(name, bytes);

    PanelDocument document(PanelDocument::Panel::RingA);
    QVERIFY(!document.load(path));
    QVERIFY2(document.errorString().contains(reason), qPrintable(document.errorString()));
    QCOMPARE(document.partlyRead(), partlyRead);
    QCOMPARE(document.edits()->history()->count(), 0);
    // Telling the panel apart never opens what load refuses: a FIFO would block.
    if (!partlyRead)
        QCOMPARE(PanelDocument::panelOf(path), PanelDocument::Panel::None);
}

void tst_PanelDocument::saveFailureKeepsHistory()
{
    PanelDocument document(PanelDocument::Panel::RingB);
    document.edits()->insertFrames(document.deviceItem()->program(0), -1, { { 1 } }, QStringLiteral("Add"));
    QVERIFY(!document.edits()->history()->isClean());
    QVERIFY(!document.save(m_dir.filePath(QStringLiteral("no/such/folder/show.xml"))));
    QVERIFY(document.errorString().startsWith(QStringLiteral("Cannot open file")));
    QVERIFY(!document.edits()->history()->isClean());
}

void tst_PanelDocument::roundTrip_data()
{
    QTest::addColumn<int>("panelNumber");
    QTest::addRow("ring A") << int(PanelDocument::Panel::RingA);
    QTest::addRow("ring B") << int(PanelDocument::Panel::RingB);
}

void tst_PanelDocument::roundTrip()
{
    QFETCH(int, panelNumber);
    const auto panel = PanelDocument::Panel(panelNumber);
    QRandomGenerator random { quint32(panelNumber) };
    QList<QVector<int>> frames;
    for (int f = 0; f < 20; ++f) {
        QVector<int> values(192);
        for (int& value : values)
            value = random.bounded(2);
        frames << values;
    }
    PanelDocument written(panel);
    QCOMPARE(written.edits()
                 ->insertFrames(written.deviceItem()->program(0), 0, frames, QStringLiteral("Add"))
                 .size(),
        frames.size());
    const QString path = m_dir.filePath(QStringLiteral("round.xml"));
    QVERIFY2(written.save(path), qPrintable(written.errorString()));
    QVERIFY(written.edits()->history()->isClean());
    QCOMPARE(PanelDocument::panelOf(path), panel);

    PanelDocument read(panel);
    QVERIFY2(read.load(path), qPrintable(read.errorString()));
    written.compile();
    read.compile();
    QCOMPARE(read.createBinnary(), written.createBinnary());
    QCOMPARE(read.deviceItem()->program(0)->childCount(), frames.size());
}

QTEST_GUILESS_MAIN(tst_PanelDocument)
#include "tst_paneldocument.moc"
