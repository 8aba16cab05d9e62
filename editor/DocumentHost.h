#pragma once

#include "RecoveryStore.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class AbstractDocument;
class EditorDialogs;
class KamdelDocument;
class QStackedWidget;

// The one document the window hosts: made, opened, saved and closed here,
// shown in the window's stack, and followed for its name, its modified
// marker, its reports and its edits. Its recovery copy is kept from here.
class DocumentHost : public QObject
{
    Q_OBJECT

public:
    // `window` is the dialogs' parent and gives the width the panes are
    // first laid out in; documents are shown in `stack`.
    DocumentHost(QWidget* window, QStackedWidget* stack, EditorDialogs& dialogs);
    ~DocumentHost() override;

    AbstractDocument* document() const { return currentDocument; }
    RecoveryStore* recoveryStore() const { return recovery; }

    // Hosts `document` (or none) and deletes the previous one at once.
    void setCurrentDocument(AbstractDocument* document);
    // Follows `document` without touching the stack or the previous one.
    void connectDocument(AbstractDocument* document);

    // Opens the files named, one after the other, as Open does; names are
    // taken relative to the current folder.
    void openFiles(const QStringList& paths);

    void newDocument_KamdelPanel1();
    void newDocument_KamdelPanel2();
    void openDocument(const QString& path);
    // Opens the document at `path` (an example in the resources) as a new
    // one named `name`: Save asks where to, and `path` is never written.
    void openExample(const QString& path, const QString& name);
    bool saveDocument();
    bool saveAsDocument();
    void closeDocument(AbstractDocument* document);
    // Offers each recovery copy that a run which did not end normally left.
    void offerRecovery();

signals:
    // After every change of the hosted document, also to none.
    void documentChanged(AbstractDocument* document);
    // The hosted document's own signals.
    void fileNameChanged();
    void modifiedChanged(bool modified);
    void log(const QString& text);
    // An edit that may have changed the size of the compiled program.
    void programEdited();
    // For the status bar.
    void message(const QString& text, int timeoutMs);
    // A file opened or saved, for the recent files.
    void fileUsed(const QString& path);

private:
    // The document in `fileName`, or none when it cannot be read (the user
    // has been told why).
    std::unique_ptr<KamdelDocument> readDocument(const QString& fileName);
    void restoreRecoveryCopy(const RecoveryStore::Leftover& leftover);
    void connectProgram(KamdelDocument* document);
    // Shows the side remembered for the document's panel model and
    // remembers the side the user picks.
    void followBoardSide(KamdelDocument* document);
    // A new document opens ready to draw: one empty frame, current and on
    // the board, with nothing to undo and nothing to save.
    void hostNewDocument(KamdelDocument* document);
    // Shows the first frame of the hosted document on the board, which
    // takes the keys.
    void showFirstFrame();
    // The tree wide enough for its frame labels; both splitters where the
    // user left them.
    void arrangePanes(KamdelDocument* document);
    // Adds a saved file to the recent files and says so.
    bool reportSave(bool saved);

    QWidget* window;
    QStackedWidget* stack;
    EditorDialogs& dialogs;
    AbstractDocument* currentDocument = nullptr;
    QList<QMetaObject::Connection> documentConnections;
    RecoveryStore* recovery;
};
