#include "Languages.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The catalogues live in a static library: without a reference the linker
// would leave their resource out. Outside any namespace, as the resource's
// initialiser is.
static void initCatalogues()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(kamdel_translations);
        return true;
    }();
    Q_UNUSED(done)
}

namespace {

bool installTranslator(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    // A catalogue with nothing finished yet counts as missing.
    if (translator->load(locale, name, QStringLiteral("_"), folder) && !translator->isEmpty()
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString Languages::settingsKey()
{
    return QStringLiteral("language");
}

QString Languages::system()
{
    return QStringLiteral("System");
}

QVector<Languages::Language> Languages::shipped()
{
    return {
        { QStringLiteral("de"), QStringLiteral("Deutsch") },
        { QStringLiteral("es"), QStringLiteral("Español") },
        { QStringLiteral("fr"), QStringLiteral("Français") },
        { QStringLiteral("it"), QStringLiteral("Italiano") },
        { QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)") },
        { QStringLiteral("ja"), QStringLiteral("日本語") },
        { QStringLiteral("zh_CN"), QStringLiteral("简体中文") },
    };
}

QString Languages::catalogue(const QString& code)
{
    initCatalogues();
    return QStringLiteral(":/i18n/kamdel_%1.qm").arg(code);
}

bool Languages::install(const QString& code)
{
    initCatalogues();
    const QLocale locale = code.isEmpty() || code == system() ? QLocale::system() : QLocale(code);
    // English has no catalogue, nor has a language not translated yet: Qt's
    // own would then put the dialogs' buttons in it around English texts.
    if (!installTranslator(locale, QStringLiteral("kamdel"), QStringLiteral(":/i18n")))
        return false;
    installTranslator(
        locale, QStringLiteral("qtbase"), QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    return true;
}
