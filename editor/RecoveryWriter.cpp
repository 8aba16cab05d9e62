#include "RecoveryWriter.h"

#include <QMutexLocker>
#include <QSaveFile>

RecoveryWriter::RecoveryWriter(QObject* parent)
    : QThread(parent)
{
    start(QThread::LowPriority);
}

RecoveryWriter::~RecoveryWriter()
{
    {
        QMutexLocker locker(&m_mutex);
        m_jobs.clear();
        m_stopping = true;
        m_changed.wakeAll();
    }
    wait();
}

void RecoveryWriter::write(const QString& path, const QByteArray& bytes)
{
    write(path, [bytes] { return bytes; });
}

void RecoveryWriter::write(const QString& path, std::function<QByteArray()> make)
{
    QMutexLocker locker(&m_mutex);
    if (!m_jobs.isEmpty() && m_jobs.last().path == path)
        m_jobs.last().make = std::move(make);
    else
        m_jobs.enqueue({ path, std::move(make), nullptr });
    m_changed.wakeAll();
}

void RecoveryWriter::dropPendingThen(std::function<void()> task)
{
    QMutexLocker locker(&m_mutex);
    m_jobs.clear();
    m_jobs.enqueue({ QString(), nullptr, std::move(task) });
    m_changed.wakeAll();
}

void RecoveryWriter::waitForIdle()
{
    QMutexLocker locker(&m_mutex);
    while (m_busy || !m_jobs.isEmpty())
        m_changed.wait(&m_mutex);
}

void RecoveryWriter::run()
{
    QMutexLocker locker(&m_mutex);
    for (;;) {
        while (m_jobs.isEmpty() && !m_stopping)
            m_changed.wait(&m_mutex);
        if (m_stopping)
            return;
        Job job = m_jobs.dequeue();
        m_busy = true;
        locker.unlock();
        if (job.task) {
            job.task();
        } else {
            const QByteArray bytes = job.make();
            // The commit syncs the data before the rename, so a copy on disk
            // is always whole: the old one or the new one.
            QSaveFile file(job.path);
            if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
                file.commit();
        }
        // What made the bytes goes here, on this thread.
        job = Job();
        locker.relock();
        m_busy = false;
        m_changed.wakeAll();
    }
}
