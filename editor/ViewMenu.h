#pragma once

#include <QList>
#include <QMenu>
#include <QPointer>

class MainWindow;
class QAction;

// The View menu: the window's tool bars and the report pane to show or
// hide, and fitting the board into its view. The tool bars are read from
// the window each time the menu opens, so a new one is never missing.
class ViewMenu : public QMenu
{
    Q_OBJECT

public:
    ViewMenu(MainWindow* window, QWidget* parent = nullptr);
    ~ViewMenu() override;

    void rebuild();

private:
    void showReportPane(bool visible);
    void fitBoard();

    MainWindow* mainWindow;
    QAction* reportPaneAction;
    QAction* fitAction;
    // The tool bars' entries go before this one.
    QAction* toolBarsEnd;
    QList<QPointer<QAction>> toolBarActions;
};
