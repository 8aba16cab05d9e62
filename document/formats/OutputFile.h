#pragma once

#include "kamdeldocument_export.h"

#include <QIODevice>
#include <QString>

#include <memory>

class QFileDevice;

// A file that a program writes as a whole: a document, an image, an export.
// A regular file (or one not there yet) is written beside itself and put in
// place only by commit(), so a failed write leaves the old file as it was.
// An existing device node or FIFO is written directly, never replaced, and
// "-" stands for standard output. A name that leads to the input file is
// refused before anything is opened. Errors carry the system's reason.
class KAMDELDOCUMENT_EXPORT OutputFile : public QIODevice
{
    Q_OBJECT

public:
    // `input`, if given, is the file the output is made from.
    explicit OutputFile(const QString& path, const QString& input = QString(), QObject* parent = nullptr);
    ~OutputFile() override;

    // True when both names lead to one file: links resolved, or the same
    // device and inode (hard links).
    static bool sameFile(const QString& first, const QString& second);
    // What refuses `path` as an output because it is the input.
    static QString inputRefusal(const QString& path);

    // Opens for writing only; false with errorString() set. isInput() tells
    // the refusal of an output that is the input file.
    bool open(OpenMode mode = WriteOnly) override;
    bool isInput() const { return m_isInput; }
    // True once a write has failed; errorString() says why.
    bool hasFailed() const { return m_failed; }
    bool isSequential() const override { return true; }

    // Puts what was written in place; false with errorString() set, and the
    // old file untouched, when any write failed. The device is closed after.
    bool commit();
    // Drops what was written; an existing regular file stays as it was.
    void cancel();

    QString path() const { return m_path; }
    // "Cannot write PATH: reason."
    QString failure() const;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void fail(const QString& reason);
    bool flushBuffer();
    QString systemReason(int savedErrno) const;

    QString m_path;
    QString m_input;
    std::unique_ptr<QFileDevice> m_target;
    QByteArray m_buffer;
    bool m_replaces = false;
    bool m_failed = false;
    bool m_isInput = false;
};
