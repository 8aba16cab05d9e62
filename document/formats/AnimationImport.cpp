#include "AnimationImport.h"

#include "GifDecoder.h"
#include "JpegScans.h"
#include "LedSampler.h"
#include "NaturalOrder.h"
#include "QuietDecoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <climits>

namespace {

constexpr int LedCount = AnimationImport::LedCount;
static_assert(LedSampler::LedCount == LedCount, "the sampler reads the LEDs the import gives");
// Previews of the first frames only, so that a long animation stays small.
constexpr qint64 PreviewBudget = qint64(48) << 20;

// Whether the file's last bytes hold `mark`: the end marker of a complete
// PNG or JPEG file, whose readers fill a truncated picture silently.
bool endsWithMark(QFile& file, const QByteArray& mark)
{
    const qint64 tail = qMin<qint64>(file.size(), 64);
    if (!file.seek(file.size() - tail))
        return false;
    return file.read(tail).contains(mark);
}

// Whether an uncompressed BMP holds as many bytes as its header announces.
bool bmpComplete(QFile& file)
{
    if (!file.seek(0))
        return false;
    const QByteArray header = file.read(54);
    if (header.size() < 54)
        return false;
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const quint32 announced = qFromLittleEndian<quint32>(bytes + 2);
    if (announced != 0 && quint64(file.size()) < announced)
        return false;
    const quint32 pixelsAt = qFromLittleEndian<quint32>(bytes + 10);
    const qint32 width = qFromLittleEndian<qint32>(bytes + 18);
    const qint32 height = qFromLittleEndian<qint32>(bytes + 22);
    const quint16 bits = qFromLittleEndian<quint16>(bytes + 28);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
    if (compression != 0 || width <= 0 || bits == 0)
        return true;
    const quint64 row = (quint64(width) * bits + 31) / 32 * 4;
    return quint64(file.size()) >= pixelsAt + row * quint64(qAbs(qint64(height)));
}

// The size a BMP's header announces. Qt's reader refuses the header of a
// picture far over its own limits without telling its size.
QSize bmpHeaderSize(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QSize();
    const QByteArray header = file.read(26);
    if (header.size() < 26)
        return QSize();
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    // The oldest header holds 16-bit sizes; a negative height is a picture
    // stored top row first.
    if (qFromLittleEndian<quint32>(bytes + 14) == 12)
        return QSize(qFromLittleEndian<quint16>(bytes + 18), qFromLittleEndian<quint16>(bytes + 20));
    const qint64 height = qAbs(qint64(qFromLittleEndian<qint32>(bytes + 22)));
    return QSize(qFromLittleEndian<qint32>(bytes + 18), int(qMin<qint64>(height, INT_MAX)));
}

// The refusals that GIF and still pictures share.
QString cannotRead(const QString& shown, const QString& reason)
{
    return AnimationImport::tr("Cannot read %1: %2").arg(shown, reason);
}

QString corrupt(const QString& shown, const QString& reason)
{
    return AnimationImport::tr("%1 is truncated or corrupt (%2).").arg(shown, reason);
}

QString tooLarge(const QString& shown, const QSize& size)
{
    return AnimationImport::tr("%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.")
        .arg(shown, QString::number(size.width()), QString::number(size.height()),
            QString::number(AnimationImport::MaximumSide));
}

QString tooManyFrames(const QString& shown)
{
    return AnimationImport::tr("%1 holds more frames than can be imported (at most %2).")
        .arg(shown, QString::number(AnimationImport::MaximumFrames));
}

QString tooManyPixels(const QString& shown)
{
    return AnimationImport::tr("%1 holds too many pixels to import.").arg(shown);
}

QString noMemory(const QString& shown)
{
    return AnimationImport::tr("Not enough memory to read %1.").arg(shown);
}

// A progressive JPEG is decoded once over for each of its scans.
QString scansRefusal(QFile& file, const QString& shown)
{
    const qint64 scans = JpegScans::count(file);
    if (scans <= AnimationImport::MaximumScans)
        return QString();
    return AnimationImport::tr("%1 is a progressive JPEG of %2 scans; at most %3 are read.")
        .arg(shown, QString::number(scans), QString::number(AnimationImport::MaximumScans));
}

QString gifRefusal(const GifDecoder& gif, const QString& shown)
{
    switch (gif.problem()) {
    case GifDecoder::Problem::None:
        break;
    case GifDecoder::Problem::Unreadable:
        return cannotRead(shown, gif.detail());
    case GifDecoder::Problem::Corrupt:
        return corrupt(shown, gif.detail());
    case GifDecoder::Problem::NoPixels:
        return AnimationImport::tr("%1 is truncated or corrupt (it has no pixels).").arg(shown);
    case GifDecoder::Problem::TooLarge:
        return tooLarge(shown, gif.refusedSize());
    case GifDecoder::Problem::TooManyFrames:
        return tooManyFrames(shown);
    case GifDecoder::Problem::TooManyPixels:
        return tooManyPixels(shown);
    case GifDecoder::Problem::NoColours:
        return AnimationImport::tr("%1 is truncated or corrupt (a frame has no colours).").arg(shown);
    case GifDecoder::Problem::NoPicture:
        return AnimationImport::tr("%1 holds no picture.").arg(shown);
    case GifDecoder::Problem::NoMemory:
        return noMemory(shown);
    }
    return QString();
}

} // namespace

AnimationImport::AnimationImport() = default;
AnimationImport::~AnimationImport() = default;

void AnimationImport::setPreviewSize(int pixels)
{
    m_previewSize = qMax(0, pixels);
}

QString AnimationImport::fileDialogFilter()
{
    return tr("Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)");
}

QStringList AnimationImport::seriesOrder(const QStringList& files)
{
    QStringList sorted = files;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        const int byName = NaturalOrder::compare(QFileInfo(a).fileName(), QFileInfo(b).fileName());
        return byName != 0 ? byName < 0 : NaturalOrder::compare(a, b) < 0;
    });
    return sorted;
}

bool AnimationImport::fail(const QString& text)
{
    m_error = text;
    m_levels.clear();
    m_previews.clear();
    m_previewBytes = 0;
    return false;
}

bool AnimationImport::read(const QStringList& files)
{
    fail(QString());
    if (files.isEmpty())
        return fail(tr("No picture was given."));
    if (!checkHeaders(seriesOrder(files)))
        return false;
    int framesLeft = MaximumFrames;
    qint64 pixelsLeft = MaximumPixels;
    m_stopped = false;
    m_seriesLength = files.size();
    m_filesRead = 0;
    m_fileFrames = 0;
    for (const QString& file : seriesOrder(files)) {
        if (!goOn())
            break;
        if (!readFile(file, &framesLeft, &pixelsLeft))
            return false;
        ++m_filesRead;
    }
    return m_stopped ? fail(QString()) : true;
}

void AnimationImport::setProgress(Progress progress)
{
    m_progress = std::move(progress);
}

// Tells the progress: by files for a series, by frames for a single file.
bool AnimationImport::goOn()
{
    if (!m_stopped && m_progress) {
        const bool series = m_seriesLength > 1;
        m_stopped = !m_progress(series ? m_filesRead : frameCount(), series ? m_seriesLength : m_fileFrames);
    }
    return !m_stopped;
}

// Every still picture's header against the limits before the first picture
// is decoded, so that a long series over them is refused at once. Each GIF
// is walked for its own limits when its turn comes.
bool AnimationImport::checkHeaders(const QStringList& files)
{
    const QuietDecoding quiet;
    int framesLeft = MaximumFrames;
    qint64 pixelsLeft = MaximumPixels;
    for (const QString& fileName : files) {
        bool gif = false;
        if (!checkFile(fileName, &gif))
            return false;
        if (gif)
            continue;
        QImageReader reader(fileName);
        reader.setDecideFormatFromContent(true);
        QSize size;
        if (!checkStill(reader, fileName, framesLeft, pixelsLeft, &size))
            return false;
        framesLeft -= 1;
        pixelsLeft -= qint64(size.width()) * size.height();
    }
    return true;
}

bool AnimationImport::readFile(const QString& fileName, int* framesLeft, qint64* pixelsLeft)
{
    bool gif = false;
    if (!checkFile(fileName, &gif))
        return false;
    return gif ? readGif(fileName, framesLeft, pixelsLeft) : readStill(fileName, framesLeft, pixelsLeft);
}

// Whether the file can be read at all, and whether it is a GIF.
bool AnimationImport::checkFile(const QString& fileName, bool* gif)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    const QFileInfo info(fileName);
    // A broken link or a loop of links exists as a name but leads to nothing.
    if (!info.exists())
        return fail((info.isSymLink() ? tr("%1 is a link that leads nowhere.") : tr("%1 does not exist."))
                        .arg(shown));
    // A device or a pipe would never end.
    if (!info.isFile())
        return fail(tr("%1 is not a picture file.").arg(shown));
    if (info.size() > MaximumFileSize)
        return fail(tr("%1 is too large to import.").arg(shown));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(cannotRead(shown, file.errorString()));
    const QByteArray start = file.peek(6);
    *gif = start == "GIF87a" || start == "GIF89a";
    return true;
}

bool AnimationImport::readGif(const QString& fileName, int* framesLeft, qint64* pixelsLeft)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    GifDecoder gif(fileName);
    if (!gif.scan({ MaximumSide, *framesLeft, *pixelsLeft }))
        return fail(gifRefusal(gif, shown));
    const LedSampler sampler(gif.size());
    // Only the LEDs whose disc a frame changes are sampled again.
    LedSampler::Levels levels {};
    m_fileFrames = gif.frameCount();
    // After a stop the rest is decoded but not sampled: the decoder cannot
    // be left midway.
    const bool decoded = gif.decode([&](const QImage& canvas, const QRect& changed) {
        if (m_stopped)
            return;
        sampler.sample(canvas, changed, &levels);
        addFrame(levels.data(), canvas);
    });
    if (!decoded)
        return fail(gifRefusal(gif, shown));
    *framesLeft -= gif.frameCount();
    *pixelsLeft -= gif.pixelCount();
    return true;
}

// A still picture's format and size, from its header, against the limits.
bool AnimationImport::checkStill(
    QImageReader& reader, const QString& fileName, int framesLeft, qint64 pixelsLeft, QSize* size)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg" && format != "bmp")
        return fail(tr("%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.").arg(shown));
    *size = reader.size();
    const QSize announced = size->isValid() || format != "bmp" ? *size : bmpHeaderSize(fileName);
    if (announced.width() > MaximumSide || announced.height() > MaximumSide)
        return fail(tooLarge(shown, announced));
    if (!size->isValid() || size->isEmpty())
        return fail(corrupt(shown, reader.errorString()));
    if (framesLeft < 1)
        return fail(tooManyFrames(shown));
    if (qint64(size->width()) * size->height() > pixelsLeft)
        return fail(tooManyPixels(shown));
    return true;
}

bool AnimationImport::readStill(const QString& fileName, int* framesLeft, qint64* pixelsLeft)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    const QuietDecoding quiet;
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    QSize size;
    if (!checkStill(reader, fileName, *framesLeft, *pixelsLeft, &size))
        return false;

    const QByteArray format = reader.format();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(cannotRead(shown, file.errorString()));
    const bool complete = format == "png" ? endsWithMark(file, "IEND")
        : format == "jpeg"                ? endsWithMark(file, "\xFF\xD9")
                                          : bmpComplete(file);
    const QString tooManyScans = format == "jpeg" ? scansRefusal(file, shown) : QString();
    file.close();
    if (!complete)
        return fail(tr("%1 is truncated or corrupt (it ends too early).").arg(shown));
    if (!tooManyScans.isEmpty())
        return fail(tooManyScans);

    QImage picture = reader.read();
    if (picture.isNull())
        return fail(corrupt(shown, reader.errorString()));
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull())
        return fail(noMemory(shown));
    LedSampler::Levels levels {};
    LedSampler(picture.size()).sample(picture, picture.rect(), &levels);
    addFrame(levels.data(), picture);
    *framesLeft -= 1;
    *pixelsLeft -= qint64(size.width()) * size.height();
    return true;
}

void AnimationImport::addFrame(const uchar* levels, const QImage& picture)
{
    const int at = m_levels.size();
    m_levels.resize(at + 2 * LedCount);
    std::copy_n(levels, 2 * LedCount, m_levels.begin() + at);
    QImage preview;
    if (m_previewSize > 0 && m_previewBytes < PreviewBudget) {
        preview = picture.width() > m_previewSize || picture.height() > m_previewSize
            ? picture.scaled(m_previewSize, m_previewSize, Qt::KeepAspectRatio, Qt::FastTransformation)
            : picture.copy();
        m_previewBytes += preview.sizeInBytes();
    }
    m_previews.append(preview);
    goOn();
}

QImage AnimationImport::preview(int frame) const
{
    return m_previews.value(frame);
}

int AnimationImport::brightness(int frame, int led, eLedPanelSide side) const
{
    if (frame < 0 || frame >= frameCount() || led < 0 || led >= LedCount)
        return 0;
    return m_levels.at((frame * 2 + (side == Bottom ? 1 : 0)) * LedCount + led);
}

QVector<int> AnimationImport::frame(int index, const Options& options) const
{
    QVector<int> values(LedCount, 0);
    if (index < 0 || index >= frameCount())
        return values;
    const uchar* levels = m_levels.constData() + (index * 2 + (options.side == Bottom ? 1 : 0)) * LedCount;
    for (int k = 0; k < LedCount; ++k)
        values[k] = (levels[k] >= options.threshold) != options.invert ? 1 : 0;
    return values;
}

bool AnimationImport::selects(const Options& options) const
{
    return options.first >= 0 && options.first < frameCount() && options.count >= 0
        && options.count <= frameCount() - options.first;
}

QList<QVector<int>> AnimationImport::frames(const Options& options) const
{
    QList<QVector<int>> result;
    if (!selects(options))
        return result;
    const int last = options.count > 0 ? options.first + options.count : frameCount();
    for (int index = options.first; index < last; ++index)
        result.append(frame(index, options));
    return result;
}
