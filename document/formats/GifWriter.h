#pragma once

#include "kamdeldocument_export.h"

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <QVector>

#include <memory>

class OutputFile;
struct GifFileType;

// An animated GIF that loops forever, written frame by frame through
// giflib. All frames share one 256-colour palette. The file appears only
// when close() succeeds (see OutputFile).
class KAMDELDOCUMENT_EXPORT GifWriter
{
public:
    GifWriter();
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // `source`, the file the pictures come from, is never written over.
    bool open(const QString& fileName, int width, int height, const QVector<QRgb>& palette,
        const QString& source = QString());
    // `indices` holds width x height palette indices, row by row. Delays are
    // kept in hundredths of a second, as the format has them.
    bool addFrame(const QByteArray& indices, int delayMs);
    bool close();

    QString errorString() const { return m_error; }

private:
    bool fail(int code);
    void abandon();

    std::unique_ptr<OutputFile> m_file;
    GifFileType* m_gif = nullptr;
    int m_width = 0;
    int m_height = 0;
    QString m_error;
};
