#include "SequenceFile.h"

#include "CsvModel.h"
#include "OutputFile.h"
#include "edits/DocumentEdits.h"
#include "model/LedStatesCommand.h"
#include "model/XmlHelpers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVector>

#include <memory>

namespace {

// As many frames as one document file may hold.
constexpr int MaxFrames = XmlHelpers::ReadBudget::MaxFrames;
// One column per LED, with room for a few extra columns (a trailing comma,
// a spreadsheet's row label) but never for a table that is not a sequence.
constexpr int MaxColumns = LedStatesCommand::LedCount + 64;
// Room for every frame written with the widest numbers; anything longer
// would be refused by the bounds above once read.
constexpr qint64 MaxFileSize = qint64(MaxFrames + 1) * MaxColumns * 12;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

bool hasWideByteOrderMark(const QByteArray& start)
{
    // UTF-16 in either order (UTF-32LE begins alike) and UTF-32BE.
    return start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF")
        || start.startsWith(QByteArray("\0\0\xFE\xFF", 4));
}

// A header line of LED numbers, then one line per frame; numbers need no
// quotes. Written line by line: the table of a large program as text would
// take many times the memory of its frames.
bool writeTable(QIODevice* device, const QList<LedStatesCommand*>& frames, int ledCount)
{
    const int columns = frames.isEmpty() ? ledCount : LedStatesCommand::LedCount;
    QByteArray line;
    for (int k = 0; k < columns; ++k)
        line += (k ? "," : "") + QByteArray::number(k);
    line += '\n';
    bool written = device->write(line) == line.size();
    for (const LedStatesCommand* frame : frames) {
        line.clear();
        for (int k = 0; k < columns; ++k)
            line += (k ? "," : "") + QByteArray::number(frame->value(k));
        line += "\r\n";
        written = written && device->write(line) == line.size();
    }
    return written;
}

QString notSequence(const QString& fileName)
{
    return SequenceFile::tr("%1 is not a sequence file.").arg(QDir::toNativeSeparators(fileName));
}

QString tooManyFrames(const QString& fileName)
{
    return SequenceFile::tr("%1 holds more than %2 LED frames.")
        .arg(QDir::toNativeSeparators(fileName), QString::number(MaxFrames));
}

// Reads the device to its end. What a file claims as its size says nothing
// about a pipe: the bound holds for the bytes actually read.
QString readBounded(QIODevice* device, const QString& fileName, QByteArray* bytes)
{
    char chunk[1 << 16];
    qint64 got = 0;
    while ((got = device->read(chunk, sizeof chunk)) > 0) {
        if (bytes->size() + got > MaxFileSize)
            return tooManyFrames(fileName);
        bytes->append(chunk, int(got));
    }
    if (got < 0)
        return SequenceFile::tr("Cannot read file %1:\n%2.")
            .arg(QDir::toNativeSeparators(fileName), device->errorString());
    return QString();
}

// The LED values of a sequence file's rows, one per cell of a frame: zero
// where the file has no column or no number.
struct Rows
{
    QList<QVector<int>> values;
    bool anyNumber = false;
};

// Reads the device's rows, as wide as `cells`, into `rows`; returns why they
// are refused, or nothing.
QString readRows(QIODevice* device, const QString& fileName, int cells, Rows* rows)
{
    QByteArray bytes;
    const QString unread = readBounded(device, fileName, &bytes);
    if (!unread.isEmpty())
        return unread;
    // A NUL byte never stands in a text table, unless the text is UTF-16 or
    // UTF-32 (a spreadsheet's "Unicode text"), which the reader recognises by
    // its byte order mark; reading a binary file would overwrite the frames
    // with zeros.
    if (!hasWideByteOrderMark(bytes.left(4)) && bytes.left(1 << 16).contains('\0'))
        return notSequence(fileName);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    // Double quotes are honoured on reading: spreadsheets and scripts quote
    // numbers freely, and reading "1" as text would turn every LED off.
    CsvModel csv(CsvModel::QuoteDouble, true, QLatin1Char(','), nullptr);
    // Every frame takes kilobytes: a long file of short lines would exhaust
    // the memory long before the panel could hold the frames, so the bounds
    // stop the read at the first line past them.
    csv.setMaxColumns(MaxColumns);
    csv.setMaxRows(MaxFrames);
    const int width = qMin(cells, int(LedStatesCommand::LedCount));
    const bool read = csv.readRows(&file, [&](const QStringList& fields) {
        QVector<int> values(width, 0);
        for (int k = 0; k < fields.size() && k < cells; ++k) {
            bool number = false;
            const int value = fields.at(k).toInt(&number);
            rows->anyNumber = rows->anyNumber || number;
            if (k < width)
                values[k] = value;
        }
        rows->values.append(values);
    });
    if (!read)
        return csv.readError() == CsvModel::TooManyRows ? tooManyFrames(fileName) : notSequence(fileName);
    if (rows->values.isEmpty())
        return SequenceFile::tr("%1 cannot be imported. The file holds no frames.")
            .arg(QDir::toNativeSeparators(fileName));
    return QString();
}

// Appends a frame to the container for each of the further rows, as far as
// it takes them, and adds them to `targets`.
void appendFrames(AbstractTreeItem* container, const QList<QVector<int>>& rows, DocumentEdits* edits,
    QList<LedStatesCommand*>* targets)
{
    if (rows.isEmpty())
        return;
    if (edits) {
        // Part of the import's open step, so unnamed. The frames come with
        // their values: the step holds the placements only.
        *targets += edits->insertFrames(container, -1, rows, QString());
        return;
    }
    for (const QVector<int>& values : rows) {
        auto frame = std::make_unique<LedStatesCommand>();
        frame->setValues(values);
        container->appendChild(frame.get());
        // A list that takes no more frames keeps the rows it has room for;
        // the refused frame is freed here rather than lost.
        if (frame->parentItem() != container)
            break;
        targets->append(frame.release());
    }
}

// Overwrites the LED values of the first `taken` targets with the rows'.
void setValues(
    const QList<QVector<int>>& rows, const QList<LedStatesCommand*>& targets, int taken, DocumentEdits* edits)
{
    // Only the cells that change are named: each named cell takes the
    // history's memory.
    QVector<DocumentEdits::CellChange> changes;
    for (int r = 0; r < taken; ++r) {
        LedStatesCommand* frame = targets.at(r);
        const QVector<int>& values = rows.at(r);
        for (int k = 0; k < values.size(); ++k) {
            if (frame->value(k) != values.at(k))
                changes.append({ frame->leds().at(k), values.at(k) });
        }
    }
    if (edits) {
        edits->setLedValues(changes);
        return;
    }
    for (const auto& change : qAsConst(changes))
        change.first->setValue(change.second);
}

} // namespace

QString SequenceFile::fileDialogFilter()
{
    return tr("LED panel Sequence (*.csv);;All files (*)");
}

QList<LedStatesCommand*> SequenceFile::frames(const AbstractTreeItem* container)
{
    QList<LedStatesCommand*> result;
    if (!container)
        return result;
    for (AbstractTreeItem* child : container->children()) {
        if (child->type() == AbstractTreeItem::LedStates)
            result.append(static_cast<LedStatesCommand*>(child));
    }
    return result;
}

bool SequenceFile::exportFrames(const QList<LedStatesCommand*>& frames, int ledCount, const QString& fileName,
    QString* error, const QString& source)
{
    OutputFile file(fileName, source);
    if (!file.open(QIODevice::WriteOnly) || !writeTable(&file, frames, ledCount) || !file.commit()) {
        setError(error,
            file.isInput() ? file.errorString()
                           : tr("Cannot write file %1:\n%2.")
                                 .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return false;
    }
    return true;
}

QString SequenceFile::framesText(const QList<LedStatesCommand*>& frames, int ledCount)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeTable(&buffer, frames, ledCount);
    return QString::fromUtf8(buffer.data());
}

bool SequenceFile::readFramesText(const QString& text, int ledCount, QVector<QVector<int>>* frames)
{
    // A spreadsheet copies its cells separated by tabs.
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    const QChar separator = firstLine.contains(QLatin1Char('\t')) && !firstLine.contains(QLatin1Char(','))
        ? QLatin1Char('\t')
        : QLatin1Char(',');
    CsvModel csv(CsvModel::QuoteDouble, true, separator, nullptr);
    csv.setMaxColumns(MaxColumns);
    csv.setMaxRows(MaxFrames);
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (!csv.readCsv(&buffer) || csv.rowCount() == 0)
        return false;
    // Only LED numbers over columns of whole numbers make a sequence: prose
    // or another table would otherwise paste as frames of zeros.
    const int columns = qMin(ledCount, csv.columnCount());
    auto isNumberOrEmpty = [](const QString& cell) {
        bool ok = false;
        cell.trimmed().toInt(&ok);
        return ok || cell.trimmed().isEmpty();
    };
    for (int k = 0; k < columns; ++k) {
        if (!isNumberOrEmpty(csv.headerData(k, Qt::Horizontal).toString()))
            return false;
    }
    QVector<QVector<int>> rows(csv.rowCount(), QVector<int>(ledCount, 0));
    bool anyNumber = false;
    for (int r = 0; r < csv.rowCount(); ++r) {
        for (int k = 0; k < columns; ++k) {
            const QString cell = csv.text(r, k);
            if (!isNumberOrEmpty(cell))
                return false;
            bool number = false;
            cell.toInt(&number);
            anyNumber = anyNumber || number;
            rows[r][k] = cell.trimmed().toInt();
        }
    }
    if (!anyNumber)
        return false;
    *frames = std::move(rows);
    return true;
}

QString SequenceFile::unreadableReason(const QString& fileName)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    const QFileInfo info(fileName);
    if (!info.exists())
        return QString(); // opening it tells why
    // A FIFO would block the program until a writer comes, a device could
    // deliver bytes for ever.
    if (!info.isFile())
        return tr("%1 is not a regular file.").arg(shown);
    if (info.size() > MaxFileSize)
        return tooManyFrames(fileName);
    return QString();
}

int SequenceFile::importFrames(
    AbstractTreeItem* container, int ledCount, const QString& fileName, DocumentEdits* edits, QString* error)
{
    const QString reason = unreadableReason(fileName);
    if (!reason.isEmpty()) {
        setError(error, reason);
        return -1;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error,
            tr("Cannot read file %1:\n%2.").arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return -1;
    }
    return importFrames(container, ledCount, &file, fileName, edits, error);
}

int SequenceFile::importFrames(AbstractTreeItem* container, int ledCount, QIODevice* device,
    const QString& fileName, DocumentEdits* edits, QString* error)
{
    QList<LedStatesCommand*> targets = frames(container);
    const int cells = targets.isEmpty() ? ledCount : int(LedStatesCommand::LedCount);
    Rows rows;
    const QString refusal = readRows(device, fileName, cells, &rows);
    if (!refusal.isEmpty()) {
        setError(error, refusal);
        return -1;
    }
    if (!container)
        return 0;
    // Text without a single number among the LED columns (prose, a log, a
    // binary file in disguise) would only turn LEDs off.
    if (!rows.anyNumber) {
        setError(error, notSequence(fileName));
        return -1;
    }
    // Nothing changes when the frames would not all fit.
    const QString tooMany = edits ? edits->frameLimitRefusal(int(rows.values.size()) - targets.size()) : QString();
    if (!tooMany.isEmpty()) {
        setError(error, tooMany);
        return -1;
    }
    // The added frames and their values are one step of the history.
    if (edits)
        edits->beginStep(tr("Import Sequence"));
    const int overwritten = qMin(rows.values.size(), targets.size());
    setValues(rows.values, targets, overwritten, edits);
    appendFrames(container, rows.values.mid(overwritten), edits, &targets);
    if (edits)
        edits->endStep();
    return qMin(rows.values.size(), targets.size());
}
