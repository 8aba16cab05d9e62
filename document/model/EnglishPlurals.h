#pragma once

#include "kamdeldocument_export.h"

#include <QTranslator>

// The English forms of texts with a count, "%n unit(s)": "1 unit",
// "2 units". Qt leaves such a text as it is unless a translation gives its
// forms; this one gives them for every text, without a translation file.
// The command-line programs install it; the GUI's texts call forms() on
// what tr() gave, since a language may leave a text untranslated.
class KAMDELDOCUMENT_EXPORT EnglishPlurals : public QTranslator
{
    Q_OBJECT

public:
    using QTranslator::QTranslator;

    QString translate(
        const char* context, const char* sourceText, const char* disambiguation, int n) const override;
    bool isEmpty() const override { return false; }

    // `text` with its "(s)" made English for `n`; a text without one (a
    // translation, say) comes back as it is.
    static QString forms(const QString& text, int n);
};
