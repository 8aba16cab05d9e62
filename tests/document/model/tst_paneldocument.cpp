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
    void frameForms_data();
    void frameForms();

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

// A frame in the form the editor writes takes the quick way in; in any other
// form, the long way: both give the frame the file holds.
void tst_PanelDocument::frameForms_data()
{
    QTest::addColumn<QByteArray>("frame"); // %1: the LED index, %2 its state
    QTest::addColumn<QByteArray>("middle"); // LED 5's element in its place
    QTest::addColumn<QVector<int>>("expected"); // LEDs 4, 5, 6

    const QByteArray usual = "\n <Led index=\"%1\">\n  <state>%2</state>\n </Led>";
    QTest::addRow("usual") << usual << QByteArray() << QVector<int> { 1, 0, 1 };
    QTest::addRow("state of two digits")
        << usual << QByteArray("<Led index=\"5\"><state>12</state></Led>") << QVector<int> { 1, 12, 1 };
    QTest::addRow("comment inside") << usual
                                    << QByteArray("<Led index=\"5\"><!-- x --><state>1</state></Led>")
                                    << QVector<int> { 1, 1, 1 };
    QTest::addRow("quotes of the other kind")
        << QByteArray("<Led index='%1'><state>%2</state></Led>") << QByteArray() << QVector<int> { 1, 0, 1 };
    QTest::addRow("packed states written in the file are not taken")
        << QByteArray() << QByteArray("<?kamdel-frame-1 ") + QByteArray(192, '1') + "?>"
        << QVector<int> { 0, 0, 0 };
}

void tst_PanelDocument::frameForms()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, middle);
    QFETCH(QVector<int>, expected);
    QByteArray leds;
    for (int k = 0; k < 192 && !frame.isEmpty(); ++k) {
        const QByteArray led
            = QByteArray(frame).replace("%1", QByteArray::number(k)).replace("%2", k % 2 ? "0" : "1");
        leds += k == 5 && !middle.isEmpty() ? middle : led;
    }
    if (frame.isEmpty())
        leds = middle;
    const QByteArray document = "<LedPanelDocument version=\"1.0\"><Commands><Program index=\"0\"><LedStates>"
        + leds + "\n</LedStates></Program></Commands></LedPanelDocument>";
    PanelDocument read(PanelDocument::Panel(1));
    const QString path = write(QStringLiteral("form.xml"), document);
    QVERIFY2(read.load(path), qPrintable(read.errorString()));
    const auto* frameItem = static_cast<const LedStatesCommand*>(read.deviceItem()->program(0)->child(0));
    QCOMPARE(frameItem->values().mid(4, 3), expected);
}

QTEST_GUILESS_MAIN(tst_PanelDocument)
#include "tst_paneldocument.moc"
