#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QVariant>

class QSettings;

// The editor's one settings store: an INI file beside the program. Reads
// while no store is open yield the default, writes do nothing.
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
    static void sync();

    // The file the next open() uses: "KamdelEditor.ini" in the program's
    // directory unless a test has pointed it elsewhere.
    static QString fileName();
    // An empty name restores the file beside the program.
    static void setFileName(const QString& fileName);
};
