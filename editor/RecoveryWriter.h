#pragma once

#include <QByteArray>
#include <QMutex>
#include <QQueue>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <functional>

// Writes files on a thread of its own, one after the other in the order
// asked, so that making, writing and syncing a large recovery copy never
// holds up the window. A write still waiting in line is replaced by a newer
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
    // Drops what has not started; `task` runs on the writer's thread once
    // the work under way is done, so nothing asked before comes after it.
    void dropPendingThen(std::function<void()> task);
    // Waits until everything asked so far is done.
    void waitForIdle();

protected:
    void run() override;

private:
    struct Job
    {
        QString path; // empty for a task
        std::function<QByteArray()> make;
        std::function<void()> task;
    };

    QMutex m_mutex;
    QWaitCondition m_changed;
    QQueue<Job> m_jobs;
    bool m_busy = false;
    bool m_stopping = false;
};
