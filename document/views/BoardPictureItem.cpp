#include "BoardPictureItem.h"

#include "BoardPictureCache.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <cmath>

namespace {
constexpr int MaximumReduction = 6;
} // namespace

BoardPictureItem::BoardPictureItem(const QPixmap& picture, QGraphicsItem* parent)
    : QGraphicsPixmapItem(picture, parent)
{
    // The picture takes no clicks; tracing the outline of its see-through
    // corners for hit tests would cost a pass over every pixel at the first
    // click on the board.
    setShapeMode(BoundingRectShape);
}

BoardPictureItem::~BoardPictureItem() = default;

int BoardPictureItem::reductionFor(qreal scale)
{
    if (!(scale > 0) || scale > 0.5)
        return 0;
    const int halvings = int(std::floor(std::log2(1.0 / scale) + 1e-9));
    return qBound(1, halvings, MaximumReduction);
}

void BoardPictureItem::setDensePicture(const QString& path)
{
    densePath = path;
    dense = QPixmap();
}

bool BoardPictureItem::paintDense(QPainter* painter)
{
    if (dense.isNull() && !densePath.isEmpty()) {
        dense = BoardPictureCache::picture(densePath);
        densePath.clear();
    }
    if (dense.isNull())
        return false;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawPixmap(QRectF(offset(), pixmap().size()), dense, QRectF(dense.rect()));
    painter->restore();
    return true;
}

void BoardPictureItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const QPixmap picture = pixmap();
    // Device pixels per picture pixel.
    const qreal scale = QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform())
        * (painter->device() ? painter->device()->devicePixelRatioF() : 1.0);
    if (scale > 1 && paintDense(painter))
        return;
    const int level = reductionFor(scale);
    const QPixmap reduction = level > 0 ? BoardPictureCache::reduced(picture, level) : QPixmap();
    if (reduction.isNull()) {
        QGraphicsPixmapItem::paint(painter, option, widget);
        return;
    }
    // Each pixel of the reduction stands for a square of 2^level picture
    // pixels; the copy's last column and row may reach past the picture.
    const qreal factor = 1 << level;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawPixmap(QRectF(offset(), picture.size()), reduction,
        QRectF(0, 0, picture.width() / factor, picture.height() / factor));
    painter->restore();
}
