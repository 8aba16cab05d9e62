#include "UnitLog.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a spreadsheet takes for the start of a formula.
const QString FormulaStarts = QStringLiteral("=+-@");

// RFC 4180 quoting; line breaks become spaces so that a unit stays one line.
// Port and file names come from outside: a cell that starts like a formula
// gets a quote in front, so that no spreadsheet runs it.
QByteArray field(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!text.isEmpty() && FormulaStarts.contains(text.front()))
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

// The header of logs begun before the station's columns existed.
const QByteArray OlderHeader = QByteArrayLiteral("time,tool,port,serial,model,file,crc,result,seconds,bytes");
constexpr int OlderColumns = 10;

// One line's cells, RFC 4180 quoting undone and the quote that kept a cell
// from starting a formula taken off again.
QStringList cells(const QByteArray& line)
{
    QStringList cells;
    QByteArray cell;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (quoted && c == '"' && i + 1 < line.size() && line.at(i + 1) == '"')
            cell += line.at(++i);
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted) {
            cells << QString::fromUtf8(cell);
            cell.clear();
        } else
            cell += c;
    }
    cells << QString::fromUtf8(cell);
    for (QString& text : cells) {
        if (text.size() > 1 && text.front() == QLatin1Char('\'') && FormulaStarts.contains(text.at(1)))
            text.remove(0, 1);
    }
    return cells;
}

QByteArray withoutLineBreak(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
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
    return OlderHeader + ",station,operator,unit,step,firmware_sha256,program,program_crc,test\n";
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

QByteArray UnitLog::line(const UnitRecord& record, bool stationColumns)
{
    QStringList fields { timeText(record.time), record.tool, record.port, record.serial, record.model,
        record.file, record.crc, record.result, QString::number(record.seconds, 'f', 2),
        QString::number(record.bytes), record.station, record.operatorName, record.unit, record.step,
        record.firmwareSha256, record.program, record.programCrc, record.test };
    if (!stationColumns)
        fields = fields.mid(0, OlderColumns);
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
    m_StationColumns = readsStationColumns();
    return descriptor;
}

// A log that cannot be read is taken for a new one: its lines go out whole either way.
bool UnitLog::readsStationColumns() const
{
    QFile file(m_Path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    return withoutLineBreak(file.readLine(OlderHeader.size() + 3)) != OlderHeader;
}

QString UnitLog::passedLine(const QString& path, const QString& unit, QString* error)
{
    if (!QFileInfo::exists(path))
        return QString();
    // Never a FIFO or a device: reading one could block for ever.
    QFile file(path);
    const bool regular = QFileInfo(path).isFile();
    if (!regular || !file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2")
                     .arg(path, regular ? file.errorString() : QStringLiteral("not a regular file"));
        return QString();
    }
    const QStringList columns = cells(withoutLineBreak(file.readLine()));
    const int unitColumn = columns.indexOf(QStringLiteral("unit"));
    const int resultColumn = columns.indexOf(QStringLiteral("result"));
    const int stepColumn = columns.indexOf(QStringLiteral("step"));
    if (unitColumn < 0 || resultColumn < 0 || stepColumn < 0)
        return QString();
    while (!file.atEnd()) {
        const QByteArray line = withoutLineBreak(file.readLine());
        const QStringList fields = cells(line);
        if (fields.value(unitColumn) == unit && fields.value(resultColumn) == QLatin1String("ok")
            && fields.value(stepColumn) == QLatin1String("done"))
            return QString::fromUtf8(line);
    }
    return QString();
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
    // The file's header tells which columns the line gets.
    const int descriptor = open();
    return descriptor >= 0 && writeLine(descriptor, line(record, m_StationColumns));
}

bool UnitLog::appendLine(const QByteArray& line)
{
    const int descriptor = open();
    return descriptor >= 0 && writeLine(descriptor, line);
}

bool UnitLog::writeLine(int descriptor, const QByteArray& line)
{
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
