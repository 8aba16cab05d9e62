#pragma once

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class AbstractDocument;

// Keeps a copy of the hosted document while it has unsaved changes, so that
// a crash or a kill loses no work. Each run writes into a folder of its own
// under the user's data folder, held by a lock file; a folder whose lock no
// running editor holds was left by a run that did not end normally.
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
        QDateTime time;
    };

    static constexpr int DefaultIntervalMs = 30000;

    explicit RecoveryStore(QObject* parent = nullptr);
    // A run that ends normally leaves nothing behind.
    ~RecoveryStore() override;

    static QString rootFolder();
    QString copyPath() const;

    // Copies are written at most this often while edits go on.
    void setInterval(int milliseconds);
    // Follows a new hosted document; the copy of the previous one goes,
    // whether it was closed, discarded or replaced.
    void setDocument(AbstractDocument* document);

    QList<Leftover> leftovers() const;
    static void discard(const Leftover& leftover);

public slots:
    // Writes the copy now if the document has changes not yet in it.
    void writeNow();

private slots:
    void documentEdited();
    void modifiedChanged(bool modified);
    void applicationStateChanged(Qt::ApplicationState state);

private:
    void removeCopy();
    QString namePath() const;

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QPointer<AbstractDocument> m_document;
    QList<QMetaObject::Connection> m_connections;
    QTimer m_timer;
    bool m_pending = false;
};
