#pragma once

#include "model/LedPanelTypes.h"
#include "player/PanelProgram.h"

#include <QWidget>

#include <bitset>

// The panel's face: four concentric rings of 48 LEDs, ring 0 innermost and
// LED 0 of each ring at the top. Seen from the top side the LEDs follow each
// other counter-clockwise, from the bottom side clockwise, as in the editor.
class RingPanelWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int LedCount = PanelProgram::LedCount;
    static constexpr int LedsPerRing = 48;

    explicit RingPanelWidget(QWidget* parent = nullptr);
    ~RingPanelWidget() override;

    void setLeds(const std::bitset<PanelProgram::LedCount>& leds);
    void setSide(eLedPanelSide side);
    eLedPanelSide side() const { return m_side; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::bitset<PanelProgram::LedCount> m_leds;
    eLedPanelSide m_side = Bottom;
};
