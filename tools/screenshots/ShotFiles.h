#pragma once

#include <QDir>
#include <QList>
#include <QPixmap>
#include <QString>

class QWidget;

// What every screenshot program does: let the windows settle, and write a
// picture as PNG, saying on standard output (or error) what was written.
namespace ShotFiles {

// Runs the event loop for `ms` milliseconds, so that layouts and repaints land.
void settle(int ms = 200);
bool save(const QPixmap& pixmap, const QDir& dir, const QString& name);
bool save(QWidget* widget, const QDir& dir, const QString& name);
// The window with its open menus painted where they stand on the screen.
QPixmap composite(QWidget& window, const QList<QWidget*>& popups);

} // namespace ShotFiles
