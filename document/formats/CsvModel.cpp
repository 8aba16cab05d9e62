#include "CsvModel.h"

#include <QFile>
#include <QSignalBlocker>
#include <QTextCodec>
#include <QTextStream>

CsvModel::CsvModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

CsvModel::CsvModel(int quoteMode, bool withHeader, QChar separator, QTextCodec* codec, QObject* parent)
    : QAbstractTableModel(parent)
    , m_quoteMode(quoteMode)
    , m_withHeader(withHeader)
    , m_separator(separator)
    , m_codec(codec)
{
}

CsvModel::CsvModel(const CsvModel& other, QObject* parent)
    : QAbstractTableModel(parent)
    , m_quoteMode(other.m_quoteMode)
    , m_withHeader(other.m_withHeader)
    , m_separator(other.m_separator)
    , m_codec(other.m_codec)
    , m_maxColumns(other.m_maxColumns)
    , m_maxRows(other.m_maxRows)
    , m_header(other.m_header)
    , m_cells(other.m_cells)
{
}

CsvModel::CsvModel(const CsvModel& other)
    : CsvModel(other, other.QObject::parent())
{
}

CsvModel::~CsvModel() = default;

int CsvModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cells.size();
}

int CsvModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_header.size();
}

QModelIndex CsvModel::index(int row, int column, const QModelIndex& parent) const
{
    // Views rely on invalid indexes outside the table.
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    return createIndex(row, column);
}

bool CsvModel::contains(int row, int column) const
{
    return row >= 0 && row < m_cells.size() && column >= 0 && column < m_header.size();
}

QVariant CsvModel::data(const QModelIndex& index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !contains(index.row(), index.column()))
        return QVariant();
    return m_cells.at(index.row()).at(index.column());
}

QVariant CsvModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::EditRole) || section < 0
        || section >= m_header.size())
        return QVariant();
    return m_header.at(section);
}

bool CsvModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !contains(index.row(), index.column()) || !value.canConvert<QString>())
        return false;
    m_cells[index.row()][index.column()] = value.toString();
    emit dataChanged(index, index);
    return true;
}

bool CsvModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= m_header.size()
        || !value.canConvert<QString>())
        return false;
    m_header[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags CsvModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return QAbstractTableModel::flags(index);
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool CsvModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row > m_cells.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    const QStringList empty = QVector<QString>(m_header.size()).toList();
    for (int i = 0; i < count; ++i)
        m_cells.insert(row, empty);
    endInsertRows();
    return true;
}

bool CsvModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > m_cells.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_cells.erase(m_cells.begin() + row, m_cells.begin() + row + count);
    endRemoveRows();
    return true;
}

bool CsvModel::insertColumns(int column, int count, const QModelIndex& parent)
{
    if (parent.isValid() || column < 0 || column > m_header.size() || count < 1)
        return false;
    beginInsertColumns(parent, column, column + count - 1);
    for (int i = 0; i < count; ++i)
        m_header.insert(column, QString());
    for (QStringList& row : m_cells) {
        for (int i = 0; i < count; ++i)
            row.insert(column, QString());
    }
    endInsertColumns();
    return true;
}

bool CsvModel::removeColumns(int column, int count, const QModelIndex& parent)
{
    if (parent.isValid() || column < 0 || count < 1 || column + count > m_header.size())
        return false;
    beginRemoveColumns(parent, column, column + count - 1);
    m_header.erase(m_header.begin() + column, m_header.begin() + column + count);
    for (QStringList& row : m_cells)
        row.erase(row.begin() + column, row.begin() + column + count);
    endRemoveColumns();
    return true;
}

QString CsvModel::text(int row, int column) const
{
    return contains(row, column) ? m_cells.at(row).at(column) : QString();
}

bool CsvModel::setText(int row, int column, const QString& text)
{
    if (!contains(row, column))
        return false;
    m_cells[row][column] = text;
    return true;
}

bool CsvModel::setHeaderText(int column, const QString& text)
{
    if (column < 0 || column >= m_header.size())
        return false;
    m_header[column] = text;
    return true;
}

int CsvModel::findColumn(const QString& name, Qt::CaseSensitivity sensitivity) const
{
    for (int i = 0; i < m_header.size(); ++i) {
        if (m_header.at(i).compare(name, sensitivity) == 0)
            return i;
    }
    return -1;
}

void CsvModel::removeAll()
{
    if (!m_cells.isEmpty())
        removeRows(0, m_cells.size());
    if (!m_header.isEmpty())
        removeColumns(0, m_header.size());
}

void CsvModel::clear()
{
    {
        const QSignalBlocker blocker(this);
        removeAll();
    }
    emit layoutChanged();
}

void CsvModel::resize(int rows, int columns)
{
    {
        const QSignalBlocker blocker(this);
        removeAll();
        if (columns > 0) {
            m_header = QVector<QString>(columns).toList();
        }
        if (rows > 0) {
            const QStringList empty = QVector<QString>(m_header.size()).toList();
            m_cells.reserve(rows);
            for (int i = 0; i < rows; ++i)
                m_cells.append(empty);
        }
    }
    emit layoutChanged();
}

QStringList CsvModel::splitLine(const QString& line, int quoteMode, QChar separator, int maxFields)
{
    const bool singleQuotes = quoteMode & QuoteSingle;
    const bool doubleQuotes = quoteMode & QuoteDouble;
    const bool backslash = quoteMode & EscapeBackslash;

    QStringList fields;
    QString field;
    const int length = line.size();
    int i = 0;
    while (i < length) {
        const QChar c = line.at(i++);
        if ((doubleQuotes && c == QLatin1Char('"')) || (singleQuotes && c == QLatin1Char('\''))) {
            // A quoted part replaces what the field held so far and runs to the
            // matching quote; a doubled quote stands for one.
            field.clear();
            while (i < length) {
                const QChar q = line.at(i++);
                if (backslash && q == QLatin1Char('\\')) {
                    if (i < length)
                        field.append(line.at(i++));
                } else if (q == c) {
                    if (i < length && line.at(i) == c) {
                        field.append(c);
                        ++i;
                    } else {
                        break;
                    }
                } else {
                    field.append(q);
                }
            }
        } else if (c == separator) {
            fields.append(field);
            field.clear();
            if (maxFields >= 0 && fields.size() > maxFields)
                return fields;
        } else if (c.isSpace() && field.isEmpty()) {
            // Leading blanks of a field vanish.
        } else {
            field.append(c);
        }
    }
    fields.append(field);
    return fields;
}

bool CsvModel::read(
    QIODevice* device, bool headerOnly, QChar separator, QTextCodec* codec, const RowSink& row)
{
    m_readError = NoReadError;
    {
        const QSignalBlocker blocker(this);
        removeAll();
        if (!device || (!device->isOpen() && !device->open(QIODevice::ReadOnly))) {
            // Nothing to read: the table stays empty.
        } else {
            m_readError = readLines(device, headerOnly || m_withHeader, headerOnly, separator, codec, row);
            device->close();
            if (m_readError != NoReadError)
                removeAll();
        }
    }
    emit layoutChanged();
    return m_readError == NoReadError;
}

CsvModel::ReadError CsvModel::readLines(QIODevice* device, bool expectHeader, bool headerOnly,
    QChar separator, QTextCodec* codec, const RowSink& sink)
{
    QTextStream stream(device);
    if (codec)
        stream.setCodec(codec);
    else
        stream.setAutoDetectUnicode(true);
    bool first = true;
    int rows = 0;
    QString line;
    // A line wider than its fields could ever be is cut off here, before it
    // takes the memory of an endless line.
    const qint64 maxLineLength = qint64(m_maxColumns + 1) * MaxFieldLength;
    while (stream.readLineInto(&line, maxLineLength)) {
        if (line.size() >= maxLineLength)
            return TooManyColumns;
        if (line.isEmpty())
            continue;
        const QStringList fields = splitLine(line, m_quoteMode, separator, m_maxColumns);
        if (fields.size() > m_maxColumns)
            return TooManyColumns;
        if (first) {
            first = false;
            m_header = QVector<QString>(fields.size()).toList();
            if (expectHeader) {
                m_header = fields;
                if (headerOnly)
                    break;
                continue;
            }
        }
        if (rows++ >= m_maxRows)
            return TooManyRows;
        QStringList row = fields.mid(0, m_header.size());
        while (row.size() < m_header.size())
            row.append(QString());
        if (sink)
            sink(row);
        else
            m_cells.append(row);
    }
    return NoReadError;
}

bool CsvModel::readCsv(QIODevice* device)
{
    return read(device, false, m_separator, m_codec);
}

bool CsvModel::readCsv(const QString& fileName)
{
    QFile file(fileName);
    return readCsv(&file);
}

bool CsvModel::readRows(QIODevice* device, const RowSink& row)
{
    return read(device, false, m_separator, m_codec, row);
}

bool CsvModel::readHeader(QIODevice* device)
{
    return read(device, true, m_separator, m_codec);
}

bool CsvModel::readHeader(const QString& fileName)
{
    QFile file(fileName);
    return readHeader(&file);
}

bool CsvModel::readHeader(QIODevice* device, QChar separator, QTextCodec* codec)
{
    return read(device, true, separator, codec);
}

QString CsvModel::quotedField(int quoteMode, const QString& field, QChar separator)
{
    const bool doubleQuotes = quoteMode & QuoteDouble;
    const bool singleQuotes = quoteMode & QuoteSingle;
    const bool always = quoteMode & QuoteAlways;
    const bool hasSeparator = field.contains(separator);
    const bool hasDouble = field.contains(QLatin1Char('"'));
    const bool needed = always || hasSeparator || (doubleQuotes && hasDouble)
        || (singleQuotes && field.contains(QLatin1Char('\'')));
    if ((!doubleQuotes && !singleQuotes) || !needed)
        return field;

    const QChar quote
        = (doubleQuotes && (always || hasSeparator || hasDouble)) ? QLatin1Char('"') : QLatin1Char('\'');
    QString escaped = field;
    if (quoteMode & EscapeBackslash) {
        escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        escaped.replace(quote, QString(QLatin1Char('\\')) + quote);
    } else {
        escaped.replace(quote, QString(quote) + quote);
    }
    return quote + escaped + quote;
}

bool CsvModel::writeCsv(QIODevice* device)
{
    return writeCsv(device, m_withHeader, m_separator, m_codec);
}

bool CsvModel::writeCsv(const QString& fileName)
{
    QFile file(fileName);
    return writeCsv(&file);
}

bool CsvModel::writeCsv(QIODevice* device, bool withHeader, QChar separator, QTextCodec* codec)
{
    if (!device || (!device->isOpen() && !device->open(QIODevice::WriteOnly | QIODevice::Truncate)))
        return false;
    QTextStream stream(device);
    if (codec)
        stream.setCodec(codec);
    const auto joined = [&](const QStringList& fields) {
        QString line;
        for (int i = 0; i < fields.size(); ++i) {
            if (i)
                line += separator;
            line += quotedField(m_quoteMode, fields.at(i), separator);
        }
        return line;
    };
    if (withHeader)
        stream << joined(m_header) << '\n';
    for (const QStringList& row : qAsConst(m_cells))
        stream << joined(row) << "\r\n";
    stream.flush();
    const bool ok = stream.status() == QTextStream::Ok;
    device->close();
    return ok;
}
