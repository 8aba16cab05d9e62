#pragma once

#include "LaneEdits.h"
#include "LanePainter.h"
#include "kamdeldocument_export.h"

#include <QAbstractScrollArea>
#include <QPointer>

class AbstractTreeItem;
class DocumentEdits;
class LedPanelView;
class QAction;
class QToolButton;

// A list's ring lanes in a scroll area: the ruler and lane names stay on
// top, the frame numbers on the left. The lanes fit the view's width until
// Ctrl+wheel zooms, and again after Fit (in the corner); a click on a frame
// number chooses that row's item.
//
// With the document's edits the lanes are drawn on: a drag sets the cells
// it passes (or clears them when the first one was lit) with the board's
// symmetry, Shift+drag or the Line tool draws a line of one LED per frame
// (Alt: the long way round), Ctrl+drag or the Select tool selects a block
// for Delete, the clipboard and Alt+arrow moves. The keyboard moves a cell
// cursor (arrows), toggles its cell (Space) and extends a selection
// (Shift+arrows). Each stroke, line, paste and move is one step of the
// history; drawing below the last frame adds frames.
class KAMDELDOCUMENT_EXPORT RingLanesView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit RingLanesView(QWidget* parent = nullptr);
    ~RingLanesView() override;

    // Reads the rows of `list` (a Program or Collection, or none) again.
    void setList(AbstractTreeItem* list);
    // The path edits take, after which the lanes read their list again;
    // without it they are only looked at.
    void setEdits(DocumentEdits* edits);
    // The board whose symmetry strokes repeat.
    void setBoard(LedPanelView* board);
    const LanePainter& lanes() const { return m_lanes; }
    // Where a point of the viewport lies on the picture.
    QPoint toPicture(const QPoint& viewportPoint) const;
    QPoint scroll() const;
    QToolButton* fitButton() const { return m_fit; }
    QAction* lineTool() const { return m_lineTool; }
    QAction* selectTool() const { return m_selectTool; }
    void setSelection(const LaneRange& range);

public slots:
    void setSide(eLedPanelSide side);
    // Marks the item's row, if it is one, and scrolls it into sight.
    void setCurrentItem(const AbstractTreeItem* item);
    void zoomBy(int steps);
    void fit();
    void copy();
    void cut();
    void paste();
    // Clears the selected block, or the marked cell, as one step.
    void clearSelected(const QString& text = QString());

signals:
    void itemChosen(AbstractTreeItem* item);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Drag
    {
        None,
        Stroke,
        Line,
        Select,
    };

    void setZoom(int rowHeight, int columnWidth);
    void updateScrollBars();
    void scrollToRow(int row);
    void reread();
    LaneEdits laneEdits() const { return LaneEdits(m_lanes.rows(), m_lanes.side()); }
    void apply(const LaneEdits::Changes& changes, const QString& text);
    // The place nearest a picture point, for drags that leave the lanes.
    LaneSpot spotNear(const QPoint& point) const;
    void beginDrag(const LaneSpot& spot, Qt::KeyboardModifiers modifiers);
    void followDrag(const QPoint& pos);
    void dragTo(const QPoint& point, Qt::KeyboardModifiers modifiers);
    void strokeAlong(const QPoint& from, const QPoint& to);
    void addToStroke(const LaneSpot& spot);
    void showPending();
    LaneRange selectedOrCursor() const;
    void moveBlock(int frames, int columns);
    bool arrowKey(QKeyEvent* event);
    void setCursorSpot(const LaneSpot& spot);
    void scrollToSpot(const LaneSpot& spot);
    void toggleCursor();

    LanePainter m_lanes;
    QToolButton* m_fit;
    QAction* m_lineTool;
    QAction* m_selectTool;
    bool m_fitting = true;
    QPointer<AbstractTreeItem> m_list;
    QPointer<DocumentEdits> m_edits;
    QPointer<LedPanelView> m_board;
    QMetaObject::Connection m_editsConnection;

    // The drag under way: where it began, where the pointer last was, the
    // value a stroke sets and the changes it will make on release.
    Drag m_drag = Drag::None;
    LaneSpot m_anchor;
    QPoint m_lastPoint;
    int m_strokeValue = 1;
    bool m_longWay = false;
    LaneEdits::Changes m_pending;
};
