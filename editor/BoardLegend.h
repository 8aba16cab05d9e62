#pragma once

#include <QDialog>
#include <QPixmap>

// What the marks on the board mean: an LED on or off in the frame shown, and
// the half rings that show which LEDs the frames before and after it light.
class BoardLegend : public QDialog
{
    Q_OBJECT

public:
    explicit BoardLegend(QWidget* parent = nullptr);
    ~BoardLegend() override;

    // An LED as the board draws it, `size` pixels wide: lit or dark, with
    // the half ring of the previous frame on its left and of the next frame
    // on its right.
    static QPixmap sample(bool on, bool inPrevious, bool inNext, int size);
};
