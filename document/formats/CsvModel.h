#pragma once

#include "kamdeldocument_export.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

class QIODevice;
class QTextCodec;

// A table read from and written to delimited text with configurable quoting.
class KAMDELDOCUMENT_EXPORT CsvModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Why the last read stopped short; the table is empty then.
    enum ReadError
    {
        NoReadError,
        TooManyColumns,
        TooManyRows,
    };

    // A table padded to its widest line takes a pointer per cell, so a short
    // file of long lines could fill the memory without bounds.
    static constexpr int DefaultMaxColumns = 512;
    static constexpr int DefaultMaxRows = 16384;
    // Reading refuses a line longer than this many characters per column.
    static constexpr int MaxFieldLength = 256;

    enum QuoteFlag
    {
        QuoteSingle = 1,
        QuoteDouble = 2,
        EscapeBackslash = 4,
        QuoteAlways = 8,
    };

    explicit CsvModel(QObject* parent = nullptr);
    CsvModel(int quoteMode, bool withHeader, QChar separator, QTextCodec* codec, QObject* parent = nullptr);
    CsvModel(const CsvModel& other, QObject* parent);
    explicit CsvModel(const CsvModel& other);
    ~CsvModel() override;

    int quoteMode() const { return m_quoteMode; }
    void setQuoteMode(int mode) { m_quoteMode = mode; }
    bool withHeader() const { return m_withHeader; }
    void setWithHeader(bool withHeader) { m_withHeader = withHeader; }
    QChar separator() const { return m_separator; }
    void setSeparator(QChar separator) { m_separator = separator; }
    QTextCodec* codec() const { return m_codec; }
    void setCodec(QTextCodec* codec) { m_codec = codec; }
    // Reading refuses a line with more fields, or more data lines, than these.
    int maxColumns() const { return m_maxColumns; }
    void setMaxColumns(int columns) { m_maxColumns = columns; }
    int maxRows() const { return m_maxRows; }
    void setMaxRows(int rows) { m_maxRows = rows; }
    ReadError readError() const { return m_readError; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool setHeaderData(
        int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool insertColumns(int column, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeColumns(int column, int count, const QModelIndex& parent = QModelIndex()) override;

    QString text(int row, int column) const;
    bool setText(int row, int column, const QString& text);
    bool setHeaderText(int column, const QString& text);
    int findColumn(const QString& name, Qt::CaseSensitivity sensitivity = Qt::CaseSensitive) const;

    void clear();
    void resize(int rows, int columns);

    // The read functions return false, with the table empty and readError()
    // set, as soon as a line passes maxColumns() or the rows pass maxRows().
    bool readCsv(QIODevice* device);
    bool readCsv(const QString& fileName);
    bool readHeader(QIODevice* device);
    bool readHeader(const QString& fileName);
    bool readHeader(QIODevice* device, QChar separator, QTextCodec* codec);
    // Reads as readCsv does, but hands each data line, cut or padded to the
    // header's width, to `row` instead of keeping it: a large file then
    // takes no more memory than the caller makes of its rows. The table
    // keeps only the header.
    using RowSink = std::function<void(const QStringList& fields)>;
    bool readRows(QIODevice* device, const RowSink& row);

    bool writeCsv(QIODevice* device);
    bool writeCsv(const QString& fileName);
    bool writeCsv(QIODevice* device, bool withHeader, QChar separator, QTextCodec* codec);

    static QString quotedField(int quoteMode, const QString& field, QChar separator);

    // One line split into fields by the reading rules. With `maxFields` at 0
    // or more, splitting stops once the line has proved to hold more fields.
    static QStringList splitLine(const QString& line, int quoteMode, QChar separator, int maxFields = -1);

private:
    bool read(QIODevice* device, bool headerOnly, QChar separator, QTextCodec* codec,
        const RowSink& row = RowSink());
    ReadError readLines(QIODevice* device, bool expectHeader, bool headerOnly, QChar separator,
        QTextCodec* codec, const RowSink& sink);
    bool contains(int row, int column) const;
    void removeAll();

    int m_quoteMode = QuoteDouble | QuoteAlways;
    bool m_withHeader = false;
    QChar m_separator = QLatin1Char(',');
    QTextCodec* m_codec = nullptr;
    int m_maxColumns = DefaultMaxColumns;
    int m_maxRows = DefaultMaxRows;
    ReadError m_readError = NoReadError;
    QStringList m_header;
    QList<QStringList> m_cells;
};
