#pragma once

#include <QDir>
#include <QList>
#include <QPixmap>
#include <QString>

#include <initializer_list>

class QMenu;
class QMenuBar;
class QProcess;
class QTemporaryDir;
class QWidget;

// What every screenshot program does: let the windows settle, and write a
// picture as PNG, saying on standard output (or error) what was written.
namespace ShotFiles {

// Names the program as the editor is named, so that titles and the About box
// read as the user sees them.
void nameApplication();
// Installs the translation of the desktop's language (nameApplication does).
void speakDesktopLanguage();
// The folder the pictures go to: the first argument, or the current folder.
QDir outputFolder(int argc, char* argv[]);
// Makes the output folder if it is missing and checks the temporary one; says
// on standard error what is wrong.
bool makeFolders(const QDir& out, const QTemporaryDir& work);
// One frame of a document file, the given LEDs lit.
QString frameXml(std::initializer_list<int> leds);
// A ZQ-RINGx document file of that format version with one program of these
// commands, followed by these Collections (each a <Function> element).
QByteArray documentXml(
    const QString& version, const QString& commands, const QString& collections = QString());
// Writes `bytes` to a new file at `path`; says on standard error when it
// cannot.
bool writeFile(const QString& path, const QByteArray& bytes);
// Starts KamdelVirtualPanel from beside this program with its link at `link`
// (headless, or with its window) and waits until the link is there.
bool startVirtualPanel(QProcess& panel, const QString& link, bool headless);
// Runs the event loop for `ms` milliseconds, so that layouts and repaints land.
void settle(int ms = 200);
bool save(const QPixmap& pixmap, const QDir& dir, const QString& name);
bool save(QWidget* widget, const QDir& dir, const QString& name);
// The window with its open menus painted where they stand on the screen.
QPixmap composite(QWidget& window, const QList<QWidget*>& popups);
// The window's picture under a strip with its title, since a grab has no
// title bar and the title is part of what is reviewed.
QPixmap withTitle(QWidget& window);
// Opens the menu of that object name below its title in the bar, and settles.
QMenu* openMenu(QMenuBar* bar, const QString& name);

} // namespace ShotFiles
