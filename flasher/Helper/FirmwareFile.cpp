#include "FirmwareFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString notRegular()
{
    return FirmwareFile::tr("The firmware file is not a regular file (it is a folder, a device or a pipe).");
}

QString tooLarge()
{
    return FirmwareFile::tr("The firmware file is larger than 16 MiB, more than any device holds.");
}

QString cannotRead(int error)
{
    return FirmwareFile::tr("Cannot read the firmware file: %1.")
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}

// Closes the descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_Fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_Fd >= 0)
            ::close(m_Fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_Fd; }

private:
    int m_Fd;
};

} // namespace

bool FirmwareFile::read(const QString& path, QByteArray* content, QString* error)
{
    content->clear();
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    // Looked at before it is opened: opening a device or a pipe may block or
    // have effects of its own.
    if (path.isEmpty() || ::stat(name.constData(), &info) != 0) {
        *error = (path.isEmpty() || errno == ENOENT || errno == ENOTDIR)
            ? tr("The firmware file does not exist.")
            : cannotRead(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        *error = notRegular();
        return false;
    }
    if (info.st_size > MaxSize) {
        *error = tooLarge();
        return false;
    }
    // The path may have been replaced since: what counts is what is opened.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) {
        *error = cannotRead(errno);
        return false;
    }
    if (::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode)) {
        *error = notRegular();
        return false;
    }
    // Bounded by what is read, not by the size the file claimed: it may grow.
    QByteArray bytes(int(info.st_size) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > MaxSize)
                break;
            bytes.resize(int(std::min(2 * total, MaxSize + 1)));
        }
        const ssize_t count = ::read(file.fd(), bytes.data() + total, size_t(bytes.size() - total));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            *error = cannotRead(errno);
            return false;
        }
        if (count == 0)
            break;
        total += count;
    }
    if (total > MaxSize) {
        *error = tooLarge();
        return false;
    }
    bytes.truncate(int(total));
    *content = bytes;
    return true;
}
