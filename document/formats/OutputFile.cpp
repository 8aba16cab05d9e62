#include "OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString unknownError()
{
    return QCoreApplication::translate("QIODevice", "Unknown error");
}

bool statOf(const QString& path, struct stat* info)
{
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), info) == 0;
}

// The new file takes the owner and group of the one it replaces, as far as
// the writer may give them: root rewriting a user's file, or a member of a
// file's group rewriting a shared one, would otherwise make it theirs. The
// mode is kept by QSaveFile.
void keepOwner(int handle, const struct stat& old)
{
    if (handle < 0 || ::fchown(handle, old.st_uid, old.st_gid) == 0 || errno != EPERM)
        return;
    if (::fchown(handle, uid_t(-1), old.st_gid) != 0) {
        // Neither may be given: the file is the writer's, as any new file.
    }
}

} // namespace

OutputFile::OutputFile(const QString& path, const QString& input, QObject* parent)
    : QIODevice(parent)
    , m_path(path)
    , m_input(input)
{
}

OutputFile::~OutputFile()
{
    cancel();
}

bool OutputFile::sameFile(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty() || first == QLatin1String("-") || second == QLatin1String("-"))
        return false;
    const QString canonical = QFileInfo(first).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath())
        return true;
    struct stat a
    {
    };
    struct stat b
    {
    };
    return statOf(first, &a) && statOf(second, &b) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QString OutputFile::inputRefusal(const QString& path)
{
    return tr("%1 is the input file; choose another name for the output.")
        .arg(QDir::toNativeSeparators(path));
}

bool OutputFile::open(OpenMode mode)
{
    m_failed = false;
    m_isInput = false;
    setErrorString(QString());
    if ((mode & ReadOnly) || (mode & Append) || !(mode & WriteOnly)) {
        setErrorString(tr("An output is written whole, from its start."));
        return false;
    }
    if (sameFile(m_input, m_path)) {
        m_isInput = true;
        setErrorString(inputRefusal(m_path));
        return false;
    }
    const OpenMode fileMode = WriteOnly | Unbuffered | (mode & Text);
    struct stat info
    {
    };
    const bool exists = statOf(m_path, &info);
    bool opened = false;
    if (m_path == QLatin1String("-")) {
        auto out = std::make_unique<QFile>();
        opened = out->open(STDOUT_FILENO, fileMode, QFileDevice::DontCloseHandle);
        m_target = std::move(out);
        m_replaces = false;
    } else if (exists && !S_ISREG(info.st_mode)) {
        // A device node or a FIFO is the destination itself: a rename would
        // put a plain file in its place.
        auto out = std::make_unique<QFile>(m_path);
        opened = out->open(fileMode);
        m_target = std::move(out);
        m_replaces = false;
    } else {
        auto out = std::make_unique<QSaveFile>(m_path);
        opened = out->open(fileMode);
        if (opened && exists)
            keepOwner(out->handle(), info);
        m_target = std::move(out);
        m_replaces = true;
    }
    if (!opened) {
        const int saved = errno;
        setErrorString(systemReason(saved));
        m_target.reset();
        return false;
    }
    return QIODevice::open(WriteOnly | (mode & Text));
}

QString OutputFile::systemReason(int savedErrno) const
{
    // A save file's error string after a failed step may be empty, which
    // reads as "Unknown error" although the system gave a reason.
    const QString given = m_target ? m_target->errorString() : QString();
    if (m_target && m_target->error() != QFileDevice::NoError && !given.isEmpty() && given != unknownError())
        return given;
    if (savedErrno != 0)
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    return given.isEmpty() ? tr("The file could not be written") : given;
}

void OutputFile::fail(const QString& reason)
{
    if (!m_failed)
        setErrorString(reason);
    m_failed = true;
}

qint64 OutputFile::readData(char*, qint64)
{
    return -1;
}

namespace {
// Writers such as QXmlStreamWriter hand over a few bytes at a time.
constexpr int BufferSize = 1 << 16;
} // namespace

qint64 OutputFile::writeData(const char* data, qint64 size)
{
    if (!m_target || m_failed)
        return -1;
    m_buffer.append(data, int(size));
    if (m_buffer.size() >= BufferSize && !flushBuffer())
        return -1;
    return size;
}

// The file itself is unbuffered: a failed write is seen here, with its
// reason, rather than lost in a final flush of the file's own.
bool OutputFile::flushBuffer()
{
    qint64 done = 0;
    while (!m_failed && done < m_buffer.size()) {
        errno = 0;
        const qint64 written = m_target->write(m_buffer.constData() + done, m_buffer.size() - done);
        if (written <= 0)
            fail(systemReason(errno));
        else
            done += written;
    }
    m_buffer.clear();
    return !m_failed;
}

bool OutputFile::commit()
{
    if (!m_target) {
        if (errorString().isEmpty() || errorString() == unknownError())
            setErrorString(tr("The file is not open"));
        return false;
    }
    if (!m_failed && flushBuffer()) {
        errno = 0;
        if (!m_target->flush())
            fail(systemReason(errno));
    }
    // What the system could not store (a full disk on a network file
    // system, for one) may only show when it is told to store it.
    if (!m_failed && m_replaces) {
        errno = 0;
        const int handle = m_target->handle();
        if (handle >= 0 && ::fsync(handle) != 0 && errno != EINVAL && errno != EROFS)
            fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    bool done = false;
    if (m_failed) {
        cancel();
        return false;
    }
    if (m_replaces) {
        auto* save = static_cast<QSaveFile*>(m_target.get());
        errno = 0;
        done = save->commit();
        if (!done)
            fail(systemReason(errno));
    } else {
        errno = 0;
        m_target->close();
        done = m_target->error() == QFileDevice::NoError;
        if (!done)
            fail(systemReason(errno));
    }
    m_target.reset();
    QIODevice::close();
    return done;
}

void OutputFile::cancel()
{
    m_buffer.clear();
    if (m_target) {
        if (m_replaces)
            static_cast<QSaveFile*>(m_target.get())->cancelWriting();
        m_target.reset();
    }
    if (isOpen())
        QIODevice::close();
}

QString OutputFile::failure() const
{
    if (m_isInput)
        return errorString();
    return tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(m_path), errorString());
}
