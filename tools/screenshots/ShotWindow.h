#pragma once

#include "KamdelDocument.h"
#include "MainWindow.h"
#include "SettingsStore.h"
#include "ShotFiles.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelView.h"

#include <QTemporaryDir>
#include <QVector>

#include <memory>

// The editor's main window at 1100 x 760 with a new Kamdel Panel 1 document.
// Its settings go to a temporary file that is set before the window reads
// them, never beside the program.
class ShotWindow
{
public:
    ShotWindow()
    {
        SettingsStore::setFileName(m_settings.filePath(QStringLiteral("KamdelEditor.ini")));
        m_window = std::make_unique<MainWindow>();
        m_window->resize(1100, 760);
        m_window->show();
        m_window->newDocument_KamdelPanel1();
    }

    MainWindow& window() { return *m_window; }
    KamdelDocument* document() const { return qobject_cast<KamdelDocument*>(m_window->document()); }
    AbstractTreeItem* program() const { return document()->deviceItem()->child(0); }

    // Appends a frame with these LEDs lit to the program.
    void appendFrame(const QVector<int>& leds)
    {
        auto* frame = new LedStatesCommand;
        for (int led : leds)
            frame->leds().at(led)->setValue(1);
        document()->edits()->appendItem(frame, program());
    }

    // Opens the tree on the program's frame at `row` and fits the board into
    // its view.
    CommandTreeView* showFrame(int row)
    {
        CommandTreeView* tree = document()->commandTreeView();
        tree->expandAll();
        tree->setCurrentIndex(document()->treeModel()->indexOf(program()->child(row)));
        ShotFiles::settle();
        document()->ledPanelView()->zoomFit();
        return tree;
    }

private:
    QTemporaryDir m_settings;
    std::unique_ptr<MainWindow> m_window;
};
