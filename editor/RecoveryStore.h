#pragma once

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <map>
#include <memory>

class AbstractDocument;
class KamdelDocument;
class RecoveryWriter;

// Keeps a copy of the hosted document while it has unsaved changes, so that
// a crash or a kill loses no work. Each run writes into a folder of its own
// under the user's data folder, held by a lock file; a folder whose lock no
// running editor holds was left by a run that did not end normally. Only
// the files it writes itself are ever removed, and links are never followed.
class RecoveryStore : public QObject
{
    Q_OBJECT

public:
    // A copy left by an earlier run.
    struct Leftover
    {
        QString folder;
        QString copyPath;
        QString name;
        // The file the document was a copy of; empty for one never saved.
        QString filePath;
        QDateTime time;
    };

    static constexpr int QuietDelayMs = 2000;
    static constexpr int LongestDelayMs = 10000;

    explicit RecoveryStore(QObject* parent = nullptr);
    // A run that ends normally leaves no copy of its own behind.
    ~RecoveryStore() override;

    static QString rootFolder();
    QString copyPath() const;

    // The copy is written once edits have paused for `quietMs`, and at least
    // every `longestMs` while they go on.
    void setDelays(int quietMs, int longestMs);
    // Follows a new hosted document; the copy of the previous one goes,
    // whether it was closed, discarded or replaced.
    void setDocument(AbstractDocument* document);

    // The copies of runs that ended abnormally, each claimed under its run's
    // lock: no other editor offers them while this one runs.
    QList<Leftover> claimLeftovers();
    // Deletes a claimed copy.
    void discard(const Leftover& leftover);
    // A new document holding the copy, modified, tied to the file it was a
    // copy of when it could be read in full; `complete` tells. Null when
    // nothing can be read.
    std::unique_ptr<KamdelDocument> read(const Leftover& leftover, bool& complete) const;
    // `document` holds what was restored from `leftover`. Unless `keepCopy`,
    // the copy goes once the document is saved, or dropped unsaved (the user
    // chose to discard it).
    void adopt(const Leftover& leftover, AbstractDocument* document, bool keepCopy);
    bool isRecovered(const AbstractDocument* document) const;

    // Waits until the copies asked for so far are on disk.
    void waitForWrites();

public slots:
    // Hands a copy of the document to the writer now if it has changes not
    // yet in the copy.
    void writeNow();

signals:
    void recoveredChanged();

private slots:
    void documentEdited();
    void modifiedChanged(bool modified);
    void applicationStateChanged(Qt::ApplicationState state);

private:
    struct Restored
    {
        Leftover leftover;
        QPointer<AbstractDocument> document;
        bool keepCopy = false;
    };

    void removeCopy();
    void finishRestored(bool removeLeftover);
    bool claim(const QString& folder);

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    std::map<QString, std::unique_ptr<QLockFile>> m_claims;
    QPointer<AbstractDocument> m_document;
    QList<QMetaObject::Connection> m_connections;
    QTimer m_quietTimer;
    QTimer m_longestTimer;
    bool m_pending = false;
    bool m_namesWritten = false;
    QString m_writtenName;
    QString m_writtenPath;
    Restored m_restored;
    std::unique_ptr<RecoveryWriter> m_writer;
};
