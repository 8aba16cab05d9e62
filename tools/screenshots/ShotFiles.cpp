#include "ShotFiles.h"

#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace ShotFiles {

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

} // namespace ShotFiles
