#include "ShotFiles.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
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

QByteArray documentXml(const QString& version, const QString& commands)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<LedPanelDocument version=\"%1\" panel=\"ZQ-RINGx\">\n"
                          "<Commands><Program index=\"0\">%2</Program></Commands>\n"
                          "</LedPanelDocument>\n")
        .arg(version, commands)
        .toUtf8();
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

QMenu* openMenu(QMenuBar* bar, const QString& name)
{
    auto* menu = bar->findChild<QMenu*>(name);
    menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
    settle();
    return menu;
}

} // namespace ShotFiles
