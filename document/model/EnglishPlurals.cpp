#include "EnglishPlurals.h"

QString EnglishPlurals::translate(const char*, const char* sourceText, const char*, int n) const
{
    const QString text = QString::fromUtf8(sourceText);
    // A null text lets the next translator, or the source, have its say.
    if (n < 0 || !text.contains(QLatin1String("(s)")))
        return QString();
    return forms(text, n);
}

QString EnglishPlurals::forms(const QString& text, int n)
{
    return QString(text).replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}
