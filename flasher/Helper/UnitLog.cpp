#include "UnitLog.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// RFC 4180 quoting; line breaks become spaces so that a unit stays one line.
// Port and file names come from outside: a cell that starts like a formula
// gets a quote in front, so that no spreadsheet runs it.
QByteArray field(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

// A line that does not go out whole (a full disk) is cut off again, so that
// the next unit's line does not start in the middle of it; errno says why.
bool writeAll(int descriptor, const QByteArray& bytes)
{
    qint64 done = 0;
    ssize_t written = 0;
    while (done < bytes.size()) {
        written = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        done += written;
    }
    if (done == bytes.size())
        return true;
    const int error = written == 0 ? EIO : errno;
    // Appending leaves the offset at the end of what went out.
    const off_t end = ::lseek(descriptor, 0, SEEK_CUR);
    if (done > 0 && end >= done) {
        [[maybe_unused]] const int cut = ::ftruncate(descriptor, end - done);
    }
    errno = error;
    return false;
}

// Never a FIFO or a device: opening one could block, writing to one loses the line.
int openForAppend(const QByteArray& path)
{
    return ::open(path.constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
}

} // namespace

UnitLog::UnitLog(const QString& path)
    : UnitLog(path, header())
{
}

UnitLog::UnitLog(const QString& path, const QByteArray& header)
    : m_Path(path)
    , m_Header(header)
{
}

QByteArray UnitLog::header()
{
    return QByteArrayLiteral("time,tool,port,serial,model,file,crc,result,seconds,bytes\n");
}

QString UnitLog::timeText(const QDateTime& time)
{
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
        + QStringLiteral("%1%2:%3")
              .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
              .arg(minutes / 60, 2, 10, QLatin1Char('0'))
              .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QByteArray UnitLog::line(const UnitRecord& record)
{
    const QStringList fields { timeText(record.time), record.tool, record.port, record.serial, record.model,
        record.file, record.crc, record.result, QString::number(record.seconds, 'f', 2),
        QString::number(record.bytes) };
    return csvLine(fields);
}

QByteArray UnitLog::csvLine(const QStringList& cells)
{
    QByteArray line;
    for (const QString& text : cells)
        line += field(text) + ',';
    line.back() = '\n';
    return line;
}

bool UnitLog::fail(const QString& what)
{
    m_Error = QStringLiteral("%1 %2: %3").arg(what, m_Path, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

// The header is written to a file of its own that is then linked into place:
// a program appending at the same moment finds either no file or one that
// starts with the header, never an empty one to put its line in first.
bool UnitLog::createWithHeader()
{
    const QByteArray path = QFile::encodeName(m_Path);
    QByteArray draft = path + ".XXXXXX";
    const int descriptor = ::mkstemp(draft.data());
    if (descriptor < 0)
        return fail(QStringLiteral("cannot create"));
    const bool written = writeAll(descriptor, m_Header) && ::fsync(descriptor) == 0;
    ::fchmod(descriptor, 0644);
    ::close(descriptor);
    const bool linked = written && (::link(draft.constData(), path.constData()) == 0 || errno == EEXIST);
    const int linkError = errno;
    ::unlink(draft.constData());
    if (linked)
        return true;
    // A file system without hard links: whoever creates the file writes the header.
    if (written && (linkError == EPERM || linkError == EOPNOTSUPP)) {
        const int created
            = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (created >= 0) {
            const bool ok = writeAll(created, m_Header);
            ::close(created);
            return ok || fail(QStringLiteral("cannot write"));
        }
        if (errno == EEXIST)
            return true;
    }
    errno = linkError;
    return fail(QStringLiteral("cannot create"));
}

int UnitLog::open()
{
    const QByteArray path = QFile::encodeName(m_Path);
    struct stat info
    {
    };
    if (::stat(path.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return notRegular();
    int descriptor = openForAppend(path);
    if (descriptor < 0 && errno == ENOENT) {
        if (!createWithHeader())
            return -1;
        descriptor = openForAppend(path);
    }
    if (descriptor < 0) {
        fail(QStringLiteral("cannot open"));
        return -1;
    }
    // Whatever was put in its place since the look above.
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return notRegular();
    }
    return descriptor;
}

int UnitLog::notRegular()
{
    m_Error = QStringLiteral("cannot append to %1: not a regular file").arg(m_Path);
    return -1;
}

bool UnitLog::check()
{
    const int descriptor = open();
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    m_Error.clear();
    return true;
}

bool UnitLog::append(const UnitRecord& record)
{
    return appendLine(line(record));
}

bool UnitLog::appendLine(const QByteArray& line)
{
    const int descriptor = open();
    if (descriptor < 0)
        return false;
    const bool written = writeAll(descriptor, line);
    const bool synced = written && ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    errno = error;
    if (!synced)
        return fail(QStringLiteral("cannot write"));
    m_Error.clear();
    return true;
}
