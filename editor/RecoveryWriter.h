#pragma once

#include <QByteArray>
#include <QMutex>
#include <QQueue>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <functional>

// Writes files on a thread of its own, one after the other in the order
// asked, so that writing and syncing a large recovery copy never holds up
// the window. A write of a file still waiting in line is replaced by a newer
// write of the same file.
class RecoveryWriter : public QThread
{
    Q_OBJECT

public:
    explicit RecoveryWriter(QObject* parent = nullptr);
    // Drops what has not started and waits for what has.
    ~RecoveryWriter() override;

    void write(const QString& path, const QByteArray& bytes);
    // `make` runs on the writer's thread and gives the bytes to write.
    void write(const QString& path, std::function<QByteArray()> make);
    // Drops the writes not yet started and waits for the one under way, so
    // that nothing asked before reaches the disk after this returns.
    void discardPending();
    // Waits until every write asked so far is on disk or has failed.
    void waitForIdle();

signals:
    // From the writer's thread; `ok` is false when the file could not be
    // written.
    void written(const QString& path, bool ok);

protected:
    void run() override;

private:
    struct Job
    {
        QString path;
        std::function<QByteArray()> make;
    };

    QMutex m_mutex;
    QWaitCondition m_changed;
    QQueue<Job> m_jobs;
    bool m_busy = false;
    bool m_stopping = false;
};
