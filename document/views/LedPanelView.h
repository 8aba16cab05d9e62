#pragma once

#include "kamdeldocument_export.h"
#include "model/LedPanelTypes.h"

#include <QGraphicsView>

class AbstractLedPanelScene;
class LedPanelContextMenu;
class LedStatesCommand;

// Shows the board: wheel and menu zoom, fit to the window, panning with the
// middle button, and a context menu for side, background and hints. The
// LED under the pointer is named in the status bar; with the focus, the
// keys move a focus mark over the LEDs and switch them, and screen readers
// hear which LED the mark is on.
class KAMDELDOCUMENT_EXPORT LedPanelView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit LedPanelView(QWidget* parent = nullptr);
    ~LedPanelView() override;

    AbstractLedPanelScene* ledPanelScene() const;
    void ledFrame(LedStatesCommand* set);

    // The scale this view's zoom operations have applied.
    double zoom() const { return m_zoom; }
    LedPanelContextMenu* contextMenu() const { return menu; }

    static constexpr double MinimumZoom = 0.1;
    static constexpr double MaximumZoom = 5.0;
    static constexpr double ZoomStep = 1.6;

public slots:
    void customContextMenuRequested(QPoint pos);
    void scrollToCenter();
    void zoomIn();
    void zoomOut();
    void zoomFit();
    void setSide(eLedPanelSide side);
    void setBackground(eLedPanelBackground background);
    void showAdjacent(bool visible);

    // The LED the pointer is over (-1 for none).
    int hoveredLed() const { return m_hoveredLed; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int ledUnder(const QPoint& viewPoint) const;
    void showStatusTip(const QString& text);
    // Moves the focus mark for an arrow or Home key; false for other keys.
    bool moveFocusMark(int key, bool paint);
    // Whether a higher position lies clockwise on the board as shown.
    bool positionsRunClockwise(int ring) const;
    void reportFocusedLed();

    // A board seen at 1:1 shows only a corner of its picture, so the view
    // fits the board in when first shown and, while fitting, on resize.
    void fitOnFirstShow();

    // Scales by `factor`, cut so that the zoom stays within its limits.
    void applyZoom(double factor);
    // Scrolls so that `scenePoint` is back under `viewPoint`.
    void keepUnder(const QPointF& scenePoint, const QPoint& viewPoint);

    LedPanelContextMenu* menu;
    double m_zoom = 1.0;
    bool m_fittedOnce = false;
    // Fits the board on every resize until the user zooms or pans;
    // "Fit in view" brings it back.
    bool m_fitting = true;
    int m_hoveredLed = -1;
    // Where the focus mark comes back when the board gets the keys again.
    int m_lastFocusedLed = 0;
};
