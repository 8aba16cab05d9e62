#pragma once

#include "DocumentFiles.h"
#include "SettingsStore.h"
#include "TestWindow.h"
#include "VirtualPanelProcess.h"
#include "dialogs/Questions.h"

#include <QAction>
#include <QCoreApplication>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>

#include <memory>

// The editor window for a test class to derive from: a settings file in a
// temporary folder, the library's message boxes answered by a handler, and
// for each test a new window, linked to a virtual panel of its own if asked.
class EditorFixture
{
protected:
    // From initTestCase; false when the temporary folder cannot be made.
    bool setUpEditor(std::function<QMessageBox::StandardButton(QWidget*, const Questions::Message&)> answer)
    {
        if (!m_dir.isValid())
            return false;
        QStandardPaths::setTestModeEnabled(true);
        SettingsStore::setFileName(m_dir.filePath(QStringLiteral("KamdelEditor.ini")));
        m_answers = std::make_unique<Questions::Scope>();
        m_answers->message = std::move(answer);
        return true;
    }

    // From cleanupTestCase.
    void tearDownEditor()
    {
        m_answers.reset();
        SettingsStore::close();
    }

    // From init; false when the virtual panel does not start.
    bool openWindow(bool withPanel)
    {
        QString link;
        if (withPanel) {
            // The port's lock file is named after the link, so the name is
            // unique to this process: tests running side by side never share it.
            link = newPath(QStringLiteral("panel-%1").arg(QCoreApplication::applicationPid()));
            m_panel = std::make_unique<VirtualPanelProcess>();
            if (!m_panel->start(link))
                return false;
        }
        m_window = std::make_unique<TestWindow>();
        if (withPanel)
            m_window->panelPort()->setPortName(link);
        return true;
    }

    // From cleanup.
    void closeWindow()
    {
        m_window.reset();
        m_panel.reset();
    }

    // A new name in the temporary folder.
    QString newPath(const QString& stem)
    {
        return m_dir.filePath(QStringLiteral("%1-%2").arg(stem).arg(++m_files));
    }

    // A document file of the panel type `version` holding `commands`; empty
    // when it cannot be written.
    QString documentFile(const QString& version, const QStringList& commands)
    {
        const QString path = newPath(QStringLiteral("program")) + QStringLiteral(".xml");
        return DocumentFiles::write(path, DocumentFiles::document(version, commands)) ? path : QString();
    }

    QAction* action(const char* name) const { return m_window->findChild<QAction*>(QLatin1String(name)); }
    QString reportText() const
    {
        return m_window->findChild<QTextEdit*>(QStringLiteral("textEdit"))->toPlainText();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<VirtualPanelProcess> m_panel;
    std::unique_ptr<TestWindow> m_window;

private:
    int m_files = 0;
    std::unique_ptr<Questions::Scope> m_answers;
};
