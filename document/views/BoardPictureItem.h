#pragma once

#include "kamdeldocument_export.h"

#include <QGraphicsPixmapItem>

// A board picture in the scene. Seen whole, a board of 3503 pixels lands on a
// few hundred screen pixels; sampling single pixels would break its thin
// silkscreen lines into dashes, so from half size down it draws a reduced
// copy of the picture that averages the pixels instead. Up close it draws the
// picture itself, pixel for pixel, or, where the screen shows more than one
// pixel per picture pixel (zoomed in, or on a screen at 200 %), a copy twice
// as dense.
class KAMDELDOCUMENT_EXPORT BoardPictureItem : public QGraphicsPixmapItem
{
public:
    explicit BoardPictureItem(const QPixmap& picture, QGraphicsItem* parent = nullptr);
    ~BoardPictureItem() override;

    // How many times the picture is halved for drawing at `scale` (screen
    // pixels per picture pixel): the smallest copy still at least as large
    // as what the screen shows.
    static int reductionFor(qreal scale);

    // The file of the copy twice as dense; read on first need, left out
    // when missing.
    void setDensePicture(const QString& path);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    bool paintDense(QPainter* painter);

    QString densePath;
    QPixmap dense;
};
