#include "ShotFiles.h"

#include "Languages.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace ShotFiles {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tollmark"));
    QCoreApplication::setOrganizationName(QStringLiteral("Organization"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.1"));
    speakDesktopLanguage();
}

void speakDesktopLanguage()
{
    // Pictures in the desktop's language, as a user there sees the windows:
    // LANG=de_DE.UTF-8 gives German ones.
    Languages::install(Languages::system());
}

QDir outputFolder(int argc, char* argv[])
{
    return QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
}

QString frameXml(std::initializer_list<int> leds)
{
    QString xml = QStringLiteral("<LedStates>");
    for (int led : leds)
        xml += QStringLiteral("<Led index=\"%1\"><state>1</state></Led>").arg(led);
    return xml + QStringLiteral("</LedStates>");
}

QByteArray documentXml(const QString& version, const QString& commands, const QString& collections)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<LedPanelDocument version=\"%1\" panel=\"ZQ-RINGx\">\n"
                          "<Commands><Program index=\"0\">%2</Program>%3</Commands>\n"
                          "</LedPanelDocument>\n")
        .arg(version, commands, collections)
        .toUtf8();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool startVirtualPanel(QProcess& panel, const QString& link, bool headless)
{
    QStringList arguments { QStringLiteral("--link"), link, QStringLiteral("--quiet") };
    if (headless)
        arguments = QStringList { QStringLiteral("--headless"), QStringLiteral("--link"), link };
    panel.start(QCoreApplication::applicationDirPath() + QStringLiteral("/KamdelVirtualPanel"), arguments);
    if (!panel.waitForStarted(5000))
        return false;
    for (int i = 0; i < 50 && !QFile::exists(link); ++i)
        settle(100);
    return QFile::exists(link);
}

bool makeFolders(const QDir& out, const QTemporaryDir& work)
{
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return false;
    }
    if (!work.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return false;
    }
    return true;
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(const QPixmap& pixmap, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    const bool ok = !pixmap.isNull() && pixmap.save(path, "PNG");
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "cannot write", qPrintable(path));
    return ok;
}

bool save(QWidget* widget, const QDir& dir, const QString& name)
{
    return save(widget ? widget->grab() : QPixmap(), dir, name);
}

QPixmap composite(QWidget& window, const QList<QWidget*>& popups)
{
    QRect area = window.frameGeometry();
    for (const QWidget* popup : popups)
        area = area.united(popup->geometry());
    QPixmap canvas(area.size());
    canvas.fill(QColor(0x50, 0x50, 0x50));
    QPainter painter(&canvas);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    for (QWidget* popup : popups)
        painter.drawPixmap(popup->geometry().topLeft() - area.topLeft(), popup->grab());
    return canvas;
}

QPixmap withTitle(QWidget& window)
{
    const QPixmap picture = window.grab();
    QFont font = window.font();
    font.setBold(true);
    const int strip = QFontMetrics(font).height() + 12;
    QPixmap canvas(picture.width(), picture.height() + strip);
    canvas.fill(QColor(0x35, 0x3b, 0x48));
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, canvas.width(), strip), Qt::AlignCenter, window.windowTitle());
    painter.drawPixmap(0, strip, picture);
    return canvas;
}

QMenu* openMenu(QMenuBar* bar, const QString& name)
{
    auto* menu = bar->findChild<QMenu*>(name);
    menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
    settle();
    return menu;
}

} // namespace ShotFiles
