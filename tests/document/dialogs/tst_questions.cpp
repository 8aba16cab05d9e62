// Every question goes through the answers in force: scopes stack, may end in
// any order, and the library's dialogs ask with what the user would see.
#include "dialogs/FileDialogs.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/Questions.h"

#include <QtTest>

#include <memory>

namespace {
// An answer that says which scope gave it.
std::function<QString(const Questions::FileName&)> answering(const QString& who)
{
    return [who](const Questions::FileName&) { return who; };
}

QString asked()
{
    const auto answer = Questions::answers().fileName;
    return answer ? answer({ Questions::Open, QString(), QString(), QString() }) : QStringLiteral("dialog");
}
} // namespace

class tst_Questions : public QObject
{
    Q_OBJECT

private slots:
    void newerScopesAnswerFirst();
    void scopesEndInAnyOrder();
    void dialogsAskWithTheirRequest();
};

void tst_Questions::newerScopesAnswerFirst()
{
    Questions::Scope outer;
    outer.fileName = answering("outer");
    outer.message = [](QWidget*, const Questions::Message&) { return QMessageBox::Save; };
    {
        Questions::Scope inner;
        // Set after the scope was made: still in force.
        inner.fileName = answering("inner");
        QCOMPARE(asked(), QStringLiteral("inner"));
        // What the inner one leaves empty goes on to the outer one.
        QCOMPARE(Questions::answers().message(nullptr, {}), QMessageBox::Save);
        QCOMPARE(inner.older().fileName(Questions::FileName {}), QStringLiteral("outer"));
    }
    QCOMPARE(asked(), QStringLiteral("outer"));
}

void tst_Questions::scopesEndInAnyOrder()
{
    // A window replaced by a newer one ends before it: the newer answers
    // stay, and no answer of the ended scope is ever called again.
    auto first = std::make_unique<Questions::Scope>();
    first->fileName = answering("first");
    auto second = std::make_unique<Questions::Scope>();
    second->fileName = answering("second");
    first.reset();
    QCOMPARE(asked(), QStringLiteral("second"));
    QVERIFY(!second->older().fileName);
    second.reset();
    QCOMPARE(asked(), QStringLiteral("dialog"));
}

void tst_Questions::dialogsAskWithTheirRequest()
{
    Questions::Scope answers;
    QList<Questions::FileName> files;
    QList<Questions::Message> messages;
    answers.fileName = [&files](const Questions::FileName& request) {
        files << request;
        return QStringLiteral("/tmp/chosen.xml");
    };
    answers.message = [&messages](QWidget*, const Questions::Message& message) {
        messages << message;
        return QMessageBox::Discard;
    };

    QCOMPARE(FileDialogs::getSaveFileName(nullptr, "Save as", "/tmp/start.xml", "Board (*.xml)"),
        QStringLiteral("/tmp/chosen.xml"));
    QCOMPARE(MessageBoxes::warning(nullptr, "Kamdel", "Changed.", QMessageBox::Save | QMessageBox::Discard),
        QMessageBox::Discard);
    QCOMPARE(files.size(), 1);
    QCOMPARE(files.first().mode, Questions::Save);
    QCOMPARE(files.first().caption, QStringLiteral("Save as"));
    QCOMPARE(files.first().start, QStringLiteral("/tmp/start.xml"));
    QCOMPARE(files.first().filter, QStringLiteral("Board (*.xml)"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().icon, QMessageBox::Warning);
    QCOMPARE(messages.first().text, QStringLiteral("Changed."));
    QCOMPARE(messages.first().buttons, QMessageBox::Save | QMessageBox::Discard);
}

QTEST_MAIN(tst_Questions)
#include "tst_questions.moc"
