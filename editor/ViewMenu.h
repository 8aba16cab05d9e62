#pragma once

#include <QList>
#include <QMenu>
#include <QPointer>

class KamdelDocument;
class QAction;
class QMainWindow;

// The View menu: the window's tool bars and the report pane to show or
// hide, fitting the board into its view, and the language. The tool bars
// are read from the window each time the menu opens, so a new one is never
// missing.
class ViewMenu : public QMenu
{
    Q_OBJECT

public:
    ViewMenu(QMainWindow* window, QWidget* parent = nullptr);
    ~ViewMenu() override;

    void rebuild();
    // The hosted document, whose board Fit in view fits.
    void setDocument(KamdelDocument* document);

private:
    void showReportPane(bool visible);
    void fitBoard();

    QMainWindow* mainWindow;
    QPointer<KamdelDocument> hostedDocument;
    QAction* reportPaneAction;
    QAction* fitAction;
    // The tool bars' entries go before this one.
    QAction* toolBarsEnd;
    QList<QPointer<QAction>> toolBarActions;
};
