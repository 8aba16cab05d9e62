#pragma once

#include "LanePainter.h"
#include "kamdeldocument_export.h"

#include <QAbstractScrollArea>
#include <QPointer>

class AbstractTreeItem;
class QToolButton;

// A list's ring lanes in a scroll area: the ruler and lane names stay on
// top, the frame numbers on the left. The lanes fit the view's width until
// Ctrl+wheel zooms, and again after Fit (in the corner); a click on a frame
// number chooses that row's item.
class KAMDELDOCUMENT_EXPORT RingLanesView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit RingLanesView(QWidget* parent = nullptr);
    ~RingLanesView() override;

    // Reads the rows of `list` (a Program or Collection, or none) again.
    void setList(const AbstractTreeItem* list);
    const LanePainter& lanes() const { return m_lanes; }
    // Where a point of the viewport lies on the picture.
    QPoint toPicture(const QPoint& viewportPoint) const;
    QPoint scroll() const;
    QToolButton* fitButton() const { return m_fit; }

public slots:
    void setSide(eLedPanelSide side);
    // Marks the item's row, if it is one, and scrolls it into sight.
    void setCurrentItem(const AbstractTreeItem* item);
    void zoomBy(int steps);
    void fit();

signals:
    void itemChosen(AbstractTreeItem* item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setZoom(int rowHeight, int columnWidth);
    void updateScrollBars();
    void scrollToRow(int row);

    LanePainter m_lanes;
    QToolButton* m_fit;
    bool m_fitting = true;
};
