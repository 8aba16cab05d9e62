#pragma once

#include <QMenu>
#include <QPointer>

class BoardLegend;
class HelpWindow;
class QAction;
class ShortcutsDialog;

// The Help menu's own entries: the user guide, the table of keyboard
// shortcuts and the legend of the board's marks. Each opens a window of the
// editor's window, made once and raised when asked for again.
class HelpMenu : public QMenu
{
    Q_OBJECT

public:
    explicit HelpMenu(QWidget* window, QWidget* parent = nullptr);
    ~HelpMenu() override;

    void showGuide();
    void showShortcuts();
    void showLegend();

private:
    QWidget* mainWindow;
    QPointer<HelpWindow> guide;
    QPointer<ShortcutsDialog> shortcuts;
    QPointer<BoardLegend> legend;
};
