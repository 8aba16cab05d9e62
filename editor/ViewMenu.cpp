#include "ViewMenu.h"

#include "KamdelDocument.h"
#include "LanesDock.h"
#include "LanguageMenu.h"
#include "views/LedPanelView.h"

#include <QAction>
#include <QMainWindow>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

namespace {
QWidget* reportPaneOf(QWidget* window)
{
    return window ? window->findChild<QTextEdit*>(QStringLiteral("textEdit")) : nullptr;
}
} // namespace

ViewMenu::ViewMenu(QMainWindow* window, QWidget* parent)
    : QMenu(tr("&View"), parent)
    , mainWindow(window)
    // The window's own, so that they stay when the menu goes.
    , reportPaneAction(new QAction(tr("Report pane"), window ? static_cast<QObject*>(window) : this))
    , fitAction(new QAction(tr("Fit in view"), window ? static_cast<QObject*>(window) : this))
{
    setObjectName(QStringLiteral("menu_View"));
    reportPaneAction->setObjectName(QStringLiteral("action_ReportPane"));
    reportPaneAction->setStatusTip(tr("Show or hide the pane of reports below the document"));
    reportPaneAction->setCheckable(true);
    reportPaneAction->setChecked(true);
    fitAction->setObjectName(QStringLiteral("action_FitInView"));
    fitAction->setStatusTip(tr("Show the whole board"));

    // A menu cuts every connection of an action taken out of it, so these
    // two stay in and only the tool bars' entries are renewed.
    addSection(tr("Tool bars"));
    toolBarsEnd = addSeparator();
    addAction(reportPaneAction);
    if (auto* lanes = window ? window->findChild<LanesDock*>() : nullptr)
        addAction(lanes->toggleViewAction());
    addSeparator();
    addAction(fitAction);
    addSeparator();
    auto* languages = new LanguageMenu(this);
    addMenu(languages);
    if (window)
        connect(languages, &LanguageMenu::message, window->statusBar(), &QStatusBar::showMessage);
    connect(reportPaneAction, &QAction::toggled, this, &ViewMenu::showReportPane);
    connect(fitAction, &QAction::triggered, this, &ViewMenu::fitBoard);
    connect(this, &QMenu::aboutToShow, this, &ViewMenu::rebuild);
}

ViewMenu::~ViewMenu() = default;

void ViewMenu::rebuild()
{
    for (const QPointer<QAction>& entry : qAsConst(toolBarActions)) {
        if (entry)
            removeAction(entry);
    }
    toolBarActions.clear();
    if (mainWindow) {
        const auto bars = mainWindow->findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly);
        for (QToolBar* bar : bars) {
            insertAction(toolBarsEnd, bar->toggleViewAction());
            toolBarActions << bar->toggleViewAction();
        }
    }
    // The pane may have been hidden some other way (a splitter dragged shut).
    if (QWidget* pane = reportPaneOf(mainWindow)) {
        const QSignalBlocker quiet(reportPaneAction);
        reportPaneAction->setChecked(pane->isVisibleTo(mainWindow));
    }
    fitAction->setEnabled(hostedDocument && hostedDocument->ledPanelView());
}

void ViewMenu::setDocument(KamdelDocument* document)
{
    hostedDocument = document;
}

void ViewMenu::showReportPane(bool visible)
{
    if (QWidget* pane = reportPaneOf(mainWindow))
        pane->setVisible(visible);
}

void ViewMenu::fitBoard()
{
    if (hostedDocument && hostedDocument->ledPanelView())
        hostedDocument->ledPanelView()->zoomFit();
}
