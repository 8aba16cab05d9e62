#include "PictureReading.h"

#include "DialogParent.h"
#include "formats/AnimationImport.h"

#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThreadPool>
#include <QTimer>

#include <atomic>

namespace {

// Short enough to see at once, long enough not to flash for a quick read.
constexpr int ShowAfterMs = 200;
constexpr int PollMs = 20;

// What the worker and the window share; the worker's share keeps it alive
// once the window has stopped waiting.
struct Job
{
    AnimationImport source;
    std::atomic_bool stop { false };
    std::atomic_bool finished { false };
    std::atomic_int done { 0 };
    std::atomic_int total { 0 };
    bool read = false; // written before `finished`
};

void start(const std::shared_ptr<Job>& job, const QStringList& files)
{
    Job* shared = job.get();
    job->source.setProgress([shared](int done, int total) {
        shared->done = done;
        shared->total = total;
        return !shared->stop;
    });
    QThreadPool::globalInstance()->start([job, files] {
        job->read = job->source.read(files);
        job->finished = true;
    });
}

void showProgress(QProgressDialog* progress, const Job& job)
{
    const int total = job.total;
    if (total <= 0)
        return;
    if (progress->maximum() != total)
        progress->setMaximum(total);
    progress->setValue(qMin(int(job.done), total));
}

QProgressDialog* progressDialog(QWidget* parent)
{
    auto* progress = new QProgressDialog(PictureReading::tr("Reading pictures…"),
        PictureReading::tr("Cancel"), 0, 0, DialogParent::of(parent));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    progress->setMinimumDuration(ShowAfterMs);
    return progress;
}

// Whether the job finished before the user cancelled, the target or the
// dialog's window went, or the program quit.
bool waitFor(const Job& job, QObject* target, QWidget* parent)
{
    QPointer<QProgressDialog> progress = progressDialog(parent);
    QEventLoop loop;
    bool left = false;
    const auto leave = [&left, &loop] {
        left = true;
        loop.quit();
    };
    // Escape rejects the dialog without a canceled().
    QObject::connect(progress, &QProgressDialog::canceled, &loop, leave);
    QObject::connect(progress, &QDialog::rejected, &loop, leave);
    QObject::connect(progress, &QObject::destroyed, &loop, leave);
    QObject::connect(target, &QObject::destroyed, &loop, leave);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&job, &loop, &progress] {
        if (job.finished)
            loop.quit();
        else if (progress)
            showProgress(progress, job);
    });
    poll.start(PollMs);
    loop.exec();
    const bool finished = job.finished && !left;
    delete progress;
    return finished;
}

} // namespace

std::shared_ptr<const AnimationImport> PictureReading::read(
    const QStringList& files, int previewSize, QObject* target, QWidget* parent, QString* error)
{
    auto job = std::make_shared<Job>();
    job->source.setPreviewSize(previewSize);
    start(job, files);
    if (!waitFor(*job, target, parent)) {
        job->stop = true;
        return nullptr;
    }
    if (!job->read) {
        *error = job->source.errorString();
        return nullptr;
    }
    job->source.setProgress({});
    return std::shared_ptr<const AnimationImport>(job, &job->source);
}
