#pragma once

#include "kamdeldocument_export.h"

#include <QMenu>

class LedPanelView;
class QAction;
class QActionGroup;

// The board view's context menu. Its actions and groups belong to the view.
class KAMDELDOCUMENT_EXPORT LedPanelContextMenu : public QMenu
{
    Q_OBJECT

public:
    explicit LedPanelContextMenu(LedPanelView* parent);
    ~LedPanelContextMenu() override;

    LedPanelView* view() const { return m_view; }
    QAction* zoomInAction() const { return m_zoomIn; }
    QAction* zoomOutAction() const { return m_zoomOut; }
    QAction* fitAction() const { return m_fit; }
    QAction* topAction() const { return m_top; }
    QAction* bottomAction() const { return m_bottom; }
    QAction* simpleAction() const { return m_simple; }
    QAction* imageAction() const { return m_image; }
    QAction* adjacentAction() const { return m_adjacent; }

private:
    LedPanelView* m_view;
    QAction* m_zoomIn;
    QAction* m_zoomOut;
    QAction* m_fit;
    QAction* m_top;
    QAction* m_bottom;
    QAction* m_simple;
    QAction* m_image;
    QAction* m_adjacent;
    QActionGroup* m_sideGroup;
    QActionGroup* m_backgroundGroup;
};
