#include "Languages.h"
#include "model/Counts.h"
#include "views/ItemSummary.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// The languages whose translators have finished: from then on an unfinished
// entry is a failure rather than a skip.
static const QStringList complete = {};

namespace {

struct Message
{
    QString context, source, type;
    QStringList forms; // one text, or the numerus forms
    bool numerus = false;
};

QVector<Message> readCatalogue(const QString& path, QString* error)
{
    QFile file(path);
    QVector<Message> messages;
    if (!file.open(QIODevice::ReadOnly))
        return *error = file.errorString(), messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef tag = xml.name();
        if (tag == QLatin1String("name"))
            context = xml.readElementText();
        else if (tag == QLatin1String("message"))
            messages.append(
                { context, {}, {}, {}, xml.attributes().value("numerus") == QLatin1String("yes") });
        else if (tag == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (tag == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value("type").toString();
            if (!messages.last().numerus)
                messages.last().forms << xml.readElementText();
        } else if (tag == QLatin1String("numerusform"))
            messages.last().forms << xml.readElementText();
    }
    *error = xml.errorString();
    return messages;
}

QSet<QString> markers(const QString& text)
{
    QSet<QString> found;
    auto it = QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    return found;
}

QChar accelerator(const QString& text)
{
    const int at = QString(text).remove(QLatin1String("&&")).indexOf(QLatin1Char('&'));
    return at < 0 ? QChar() : QString(text).remove(QLatin1String("&&")).at(at + 1).toLower();
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void catalogue_data();
    void catalogue();
    void englishCounts_data();
    void englishCounts();
};

void tst_Translations::catalogue_data()
{
    QTest::addColumn<QString>("code");
    for (const Languages::Language& language : Languages::shipped())
        QTest::addRow("%s", qPrintable(language.code)) << language.code;
}

void tst_Translations::catalogue()
{
    QFETCH(QString, code);
    QString error;
    const QVector<Message> messages = readCatalogue(KAMDEL_TS_DIR "/kamdel_" + code + ".ts", &error);
    QVERIFY2(error.isEmpty() && !messages.isEmpty(), qPrintable(error));
    const int forms = code == QLatin1String("ja") || code == QLatin1String("zh_CN") ? 1 : 2;
    int unfinished = 0;
    QHash<QString, QHash<QChar, QString>> accelerators; // context: letter -> source
    for (const Message& message : messages) {
        const QString where = message.context + QLatin1String(": ") + message.source;
        QVERIFY2(message.type != QLatin1String("obsolete") && message.type != QLatin1String("vanished"),
            qPrintable(where));
        QVERIFY2(!message.numerus || message.forms.size() == forms, qPrintable(where));
        if (message.type == QLatin1String("unfinished")) {
            ++unfinished;
            continue;
        }
        for (const QString& form : message.forms)
            QVERIFY2(markers(form).contains(markers(message.source)), qPrintable(where + " -> " + form));
        // A translation may not add a clash of letters the English lacks.
        const QChar letter = accelerator(message.forms.value(0));
        const QString other = accelerators[message.context].value(letter);
        QVERIFY2(letter.isNull() || other.isNull() || accelerator(other) == accelerator(message.source),
            qPrintable(where + " & " + other));
        accelerators[message.context].insert(letter, message.source);
    }
    if (!complete.contains(code))
        QSKIP(qPrintable(QStringLiteral("%1 entries unfinished").arg(unfinished)));
    QCOMPARE(unfinished, 0);
    QTranslator translator;
    QVERIFY(translator.load(Languages::catalogue(code)));
    for (const char* context : { "MainMenu", "GenerateDialog", "Romwright", "StationWindow" }) {
        const auto sample = std::find_if(messages.cbegin(), messages.cend(),
            [context](const Message& message) { return message.context == QLatin1String(context); });
        QVERIFY2(sample != messages.cend(), context);
        QVERIFY2(!translator.translate(context, qPrintable(sample->source)).isEmpty(), context);
    }
}

void tst_Translations::englishCounts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    const QStringList english
        = { "1 frame", "2 frames", "0 frames", "1 unit", "3 units", "1 byte", "2 bytes" };
    QTest::addRow("none loaded") << QString() << english;
    // Its entries unfinished, a catalogue leaves the English forms alone.
    QTest::addRow("unfinished catalogue") << QStringLiteral("de") << english;
}

void tst_Translations::englishCounts()
{
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    QTranslator translator;
    if (!language.isEmpty() && !complete.contains(language)) {
        QVERIFY(translator.load(Languages::catalogue(language)));
        QCoreApplication::installTranslator(&translator);
    }
    const QStringList counts = { Counts::frames(1), Counts::frames(2), Counts::frames(0), Counts::units(1),
        Counts::units(3), ItemSummary::bytes(1), ItemSummary::bytes(2) };
    QCOMPARE(counts, expected);
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
