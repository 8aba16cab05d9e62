#pragma once

#include "LedPanelTypes.h"
#include "kamdeldocument_export.h"

#include <QGraphicsView>

class AbstractLedPanelScene;
class LedPanelContextMenu;
class LedStatesCommand;

// Shows the board: wheel and menu zoom, fit to the window, panning with the
// middle button, and a context menu for side, background and hints.
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

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
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
    // "Fin in view" brings it back.
    bool m_fitting = true;
};
