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

bool holdsNumber(const CsvModel& csv, int columns)
{
    for (int r = 0; r < csv.rowCount(); ++r) {
        for (int k = 0; k < columns; ++k) {
            bool ok = false;
            csv.text(r, k).toInt(&ok);
            if (ok)
                return true;
        }
    }
    return false;
}

// A header line of LED numbers, then one line per frame.
void fillTable(CsvModel& csv, const QList<LedStatesCommand*>& frames, int ledCount)
{
    const int columns = frames.isEmpty() ? ledCount : frames.first()->leds().size();
    csv.resize(frames.size(), columns);
    for (int k = 0; k < columns; ++k)
        csv.setHeaderText(k, QString::number(k));
    for (int r = 0; r < frames.size(); ++r) {
        const auto& leds = frames.at(r)->leds();
        for (int k = 0; k < columns && k < leds.size(); ++k)
            csv.setText(r, k, QString::number(leds.at(k)->value()));
    }
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

// Reads the device's rows into `csv`; returns why they are refused, or
// nothing.
QString readTable(QIODevice* device, const QString& fileName, CsvModel* csv)
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
    // Every frame takes kilobytes: a long file of short lines would exhaust
    // the memory long before the panel could hold the frames, so the bounds
    // stop the read at the first line past them.
    csv->setMaxColumns(MaxColumns);
    csv->setMaxRows(MaxFrames);
    if (!csv->readCsv(&file))
        return csv->readError() == CsvModel::TooManyRows ? tooManyFrames(fileName) : notSequence(fileName);
    if (csv->rowCount() == 0)
        return SequenceFile::tr("%1 cannot be imported. The file holds no frames.")
            .arg(QDir::toNativeSeparators(fileName));
    return QString();
}

// Appends a frame to the container for each of `count` further rows, as far
// as it takes them, and adds them to `targets`.
void appendFrames(
    AbstractTreeItem* container, int count, DocumentEdits* edits, QList<LedStatesCommand*>* targets)
{
    if (count <= 0)
        return;
    if (edits) {
        // Part of the import's open step, so unnamed. The frames come empty
        // and take their values with the others' (setValues): the import
        // stays one change of cells for the views.
        *targets += edits->insertFrames(container, -1, QVector<QVector<int>>(count).toList(), QString());
        return;
    }
    for (int i = 0; i < count; ++i) {
        auto frame = std::make_unique<LedStatesCommand>();
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
    const CsvModel& csv, const QList<LedStatesCommand*>& targets, int taken, int cells, DocumentEdits* edits)
{
    QVector<DocumentEdits::CellChange> changes;
    changes.reserve(taken * qMin(cells, int(LedStatesCommand::LedCount)));
    for (int r = 0; r < taken; ++r) {
        const auto& leds = targets.at(r)->leds();
        for (int k = 0; k < cells && k < leds.size(); ++k)
            changes.append({ leds.at(k), csv.text(r, k).toInt() });
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
    CsvModel csv(0, true, QLatin1Char(','), nullptr);
    fillTable(csv, frames, ledCount);
    OutputFile file(fileName, source);
    if (!file.open(QIODevice::WriteOnly) || !csv.writeCsv(&file) || !file.commit()) {
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
    CsvModel csv(0, true, QLatin1Char(','), nullptr);
    fillTable(csv, frames, ledCount);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    csv.writeCsv(&buffer);
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
    for (int r = 0; r < csv.rowCount(); ++r) {
        for (int k = 0; k < columns; ++k) {
            const QString cell = csv.text(r, k);
            if (!isNumberOrEmpty(cell))
                return false;
            rows[r][k] = cell.trimmed().toInt();
        }
    }
    if (!holdsNumber(csv, columns))
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
    // Double quotes are honoured on reading: spreadsheets and scripts quote
    // numbers freely, and reading "1" as text would turn every LED off.
    CsvModel csv(CsvModel::QuoteDouble, true, QLatin1Char(','), nullptr);
    const QString refusal = readTable(device, fileName, &csv);
    if (!refusal.isEmpty()) {
        setError(error, refusal);
        return -1;
    }
    if (!container)
        return 0;

    QList<LedStatesCommand*> targets = frames(container);
    const int cells = targets.isEmpty() ? ledCount : targets.first()->leds().size();
    // Text without a single number among the LED columns (prose, a log, a
    // binary file in disguise) would only turn LEDs off.
    if (!holdsNumber(csv, qMin(cells, csv.columnCount()))) {
        setError(error, notSequence(fileName));
        return -1;
    }
    // Nothing changes when the frames would not all fit.
    const QString tooMany = edits ? edits->frameLimitRefusal(csv.rowCount() - targets.size()) : QString();
    if (!tooMany.isEmpty()) {
        setError(error, tooMany);
        return -1;
    }
    // The added frames and their values are one step of the history.
    if (edits)
        edits->beginStep(tr("Import Sequence"));
    appendFrames(container, csv.rowCount() - targets.size(), edits, &targets);
    const int taken = qMin(csv.rowCount(), targets.size());
    setValues(csv, targets, taken, cells, edits);
    if (edits)
        edits->endStep();
    return taken;
}
