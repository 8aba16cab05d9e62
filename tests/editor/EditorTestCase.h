#pragma once

#include "EditorFixture.h"

#include <QObject>
#include <QStringList>
#include <QtTest>

// The base of an editor window test class: the settings file and the
// message boxes set up once, a new window without a panel for each test.
// The message boxes' texts are kept and answered with m_answer. With
// `shown` the window is on the screen before each test starts.
class EditorTestCase : public QObject, protected EditorFixture
{
    Q_OBJECT

public:
    explicit EditorTestCase(bool shown = false)
        : m_shown(shown)
    {
    }

protected slots:
    void initTestCase()
    {
        QVERIFY(setUpEditor([this](QWidget*, const Questions::Message& request) {
            m_messages << request.text;
            return m_answer;
        }));
    }
    void cleanupTestCase() { tearDownEditor(); }
    void init()
    {
        m_messages.clear();
        m_answer = QMessageBox::Discard;
        QVERIFY(openWindow(false));
        if (m_shown) {
            m_window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        }
    }
    void cleanup() { closeWindow(); }

protected:
    // Opens a new document file of the panel type `version` holding `commands`.
    void open(const QString& version, const QStringList& commands)
    {
        const QString path = documentFile(version, commands);
        QVERIFY(!path.isEmpty());
        m_window->openDocument(path);
        QVERIFY(m_window->document());
    }

    QStringList m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::Discard;

private:
    bool m_shown;
};
