#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The languages the GUI programs ship in, and loading the chosen one. The
// catalogues are compiled in; Qt's own translations (the standard dialogs'
// buttons) come from the system. English is the source: it needs no file.
class Languages
{
    Q_DECLARE_TR_FUNCTIONS(Languages)

public:
    struct Language
    {
        QString code; // as in the catalogue's name: "de", "pt_BR"
        QString name; // in the language itself
    };

    // The settings key of the chosen language; its absence, or "System",
    // means the desktop's.
    static QString settingsKey();
    static QString system();
    static QVector<Language> shipped();

    // Installs the catalogue of `code` and Qt's own before any window is
    // made. A language without a catalogue stays English, silently.
    // Returns whether a catalogue was found.
    static bool install(const QString& code);

    // The compiled-in catalogue of `code`: ":/i18n/kamdel_<code>.qm".
    static QString catalogue(const QString& code);
};
