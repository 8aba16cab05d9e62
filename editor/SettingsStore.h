#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QVariant>

class QSettings;

// The editor's one settings store, an INI file. Reads while no store is open
// yield the default, writes do nothing.
class SettingsStore
{
public:
    // Creates the store afresh, dropping any previous one.
    static QSettings* open();
    static void close();
    static QSettings* settings();

    static QVariant value(const QString& key, const QVariant& defaultValue = QVariant());
    // Typed reads: a stored value of another type, or one outside what a
    // screen can show, yields the default, so a damaged file cannot place
    // the window beyond reach or overflow its geometry.
    static QPoint point(const QString& key, const QPoint& defaultValue);
    static QSize size(const QString& key, const QSize& defaultValue);
    static QString string(const QString& key, const QString& defaultValue);
    static void setValue(const QString& key, const QVariant& value);
    // Writes the changes out. QSettings writes a whole new file and renames
    // it over the old one, so a failure leaves the old settings intact; it
    // is reported on standard error, since it may come as the window closes.
    static bool sync();

    // False when the open store's file cannot be written, so every change
    // would be lost.
    static bool isWritable();

    // The file the next open() uses, unless a test has pointed it elsewhere:
    // see fileNameFor().
    static QString fileName();
    // An empty name restores the usual choice.
    static void setFileName(const QString& fileName);

    // "KamdelEditor.ini" in `programDir` when that folder is writable and
    // already holds one (a portable copy), otherwise in `configDir`.
    static QString fileNameFor(const QString& programDir, const QString& configDir);
};
