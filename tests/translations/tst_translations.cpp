#include "Languages.h"
#include "model/Counts.h"
#include "views/ItemSummary.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// Languages their translators have finished: an unfinished entry then fails.
static const QStringList complete = { "de", "es", "fr", "it", "pt_BR", "ja", "zh_CN" };

namespace {

struct Message
{
    QString context, source, type;
    QStringList forms; // one text, or the numerus forms
    bool numerus;
};

QVector<Message> readCatalogue(const QString& path, QString* error)
{
    QFile file(path); // a missing one reads as no messages
    QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr);
    QVector<Message> messages;
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
        if (tag == QLatin1String("translation"))
            messages.last().type = xml.attributes().value("type").toString();
        if (tag == QLatin1String("numerusform")
            || (tag == QLatin1String("translation") && !messages.last().numerus))
            messages.last().forms << xml.readElementText();
    }
    *error = xml.errorString();
    return messages;
}

QSet<QString> markers(const QString& text)
{
    QSet<QString> found;
    for (auto it = QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

QString accelerator(const QString& text)
{
    const QString plain = QString(text).remove(QLatin1String("&&"));
    const int at = plain.indexOf(QLatin1Char('&'));
    return at < 0 ? QString() : plain.mid(at + 1, 1).toLower();
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
    const int unfinished = int(std::count_if(messages.cbegin(), messages.cend(),
        [](const Message& message) { return message.type == QLatin1String("unfinished"); }));
    QHash<QString, QHash<QString, QString>> accelerators; // context: letter -> source
    for (const Message& message : messages) {
        const QString where = message.context + QLatin1String(": ") + message.source;
        QVERIFY2(!QStringList({ "obsolete", "vanished" }).contains(message.type), qPrintable(where));
        QVERIFY2(!message.numerus || message.forms.size() == forms, qPrintable(where));
        if (message.type == QLatin1String("unfinished"))
            continue;
        for (const QString& form : message.forms)
            QVERIFY2(markers(form).contains(markers(message.source)), qPrintable(where + " -> " + form));
        // A translation may not add a clash of letters the English lacks.
        const QString letter = accelerator(message.forms.value(0));
        const QString other = accelerators[message.context].value(letter);
        QVERIFY2(letter.isEmpty() || other.isEmpty() || accelerator(other) == accelerator(message.source),
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
        QVERIFY2(
            sample != messages.cend() && !translator.translate(context, qPrintable(sample->source)).isEmpty(),
            context);
    }
}

void tst_Translations::englishCounts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addRow("no catalogue") << QString();
    QTest::addRow("unfinished de") << QStringLiteral("de");
}

void tst_Translations::englishCounts()
{
    QFETCH(QString, code);
    QTranslator translator;
    if (!code.isEmpty() && !complete.contains(code)) {
        QVERIFY(translator.load(Languages::catalogue(code)));
        QCoreApplication::installTranslator(&translator); // refused while still empty
    }
    const QStringList counts = { Counts::frames(1), Counts::frames(2), Counts::frames(0), Counts::units(1),
        Counts::units(3), ItemSummary::bytes(1), ItemSummary::bytes(2) };
    QCOMPARE(
        counts, QStringList({ "1 frame", "2 frames", "0 frames", "1 unit", "3 units", "1 byte", "2 bytes" }));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
