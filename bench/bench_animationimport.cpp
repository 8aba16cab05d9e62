// Times the animation import:
//   - a 300-frame 512 x 512 GIF as the GIF export draws it, read into LED
//     frames (the aim is under a second), and the frames taken from it;
//   - a 300-frame 512 x 512 GIF of moving grey ramps, every pixel changing;
//   - the refusal of a GIF of 20,001 frames and of one 4,097 pixels wide;
//   - hostile pictures made here, each refused within a second or, at most
//     5 MB, read within ten: a progressive JPEG of 50,000 scans and one of
//     100, a GIF of frames 4096 x 4096 off its screen, 10,000 links to one
//     4096 x 4096 PNG (and to a small one), a BMP header of 60000 x 60000.
// Prints the median wall and CPU time of three runs and the growth of the
// peak resident memory, then the hostile pictures against their targets.

#include "PeakMemory.h"
#include "TargetReport.h"
#include "formats/AnimationExport.h"
#include "formats/AnimationImport.h"
#include "formats/GifWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <gif_lib.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// 300 random frames as `kamdel gif` draws them.
QString exportedGif(const QTemporaryDir& dir)
{
    QRandomGenerator random(300);
    QByteArray image;
    for (int f = 0; f < 300; ++f) {
        QByteArray command(25, '\0');
        command[0] = 0x03;
        for (int i = 1; i < 25; ++i)
            command[i] = char(random.bounded(256));
        image += command;
    }
    AnimationExport::Options options;
    options.size = 512;
    options.frames = 300;
    const QString path = dir.filePath(QStringLiteral("exported.gif"));
    QString error;
    if (!AnimationExport::writeGif(image + char(0), PanelProgram::Variant::LsbFirst, options, path, &error))
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return path;
}

QString writeGif(const QTemporaryDir& dir, const char* name, int width, int height, int frames,
    const std::function<char(int x, int y, int frame)>& pixel)
{
    QVector<QRgb> greys;
    for (int i = 0; i < 256; ++i)
        greys << qRgb(i, i, i);
    const QString path = dir.filePath(QLatin1String(name));
    GifWriter gif;
    gif.open(path, width, height, greys);
    QByteArray indices(width * height, '\0');
    for (int f = 0; f < frames; ++f) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                indices[y * width + x] = pixel(x, y, f);
        }
        gif.addFrame(indices, 40);
    }
    if (!gif.close())
        std::fprintf(stderr, "%s\n", qPrintable(gif.errorString()));
    return path;
}

QString writeBytes(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    QFile file(dir.filePath(QLatin1String(name)));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A flat grey 4096 x 4096 progressive JPEG whose last scan comes again
// until it holds `scans` of them.
QString progressiveJpeg(const QTemporaryDir& dir, const char* name, int scans)
{
    QImage grey(4096, 4096, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    const QString path = dir.filePath(QLatin1String(name));
    QImageWriter writer(path, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(grey);
    const QByteArray jpeg = contentsOf(path);
    const QByteArray scan = jpeg.mid(jpeg.lastIndexOf("\xFF\xDA"));
    const int written = jpeg.count("\xFF\xDA");
    return writeBytes(dir, name,
        jpeg.left(jpeg.size() - 2) + scan.left(scan.size() - 2).repeated(scans - written) + "\xFF\xD9");
}

// A 64 x 64 GIF of as many 4096 x 4096 frames lying wholly off the screen
// as fit in 5 MB.
QString offScreenGif(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("offscreen.gif"));
    int code = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &code);
    GifColorType colours[2] = { { 0, 0, 0 }, { 255, 255, 255 } };
    ColorMapObject* map = GifMakeMapObject(2, colours);
    EGifPutScreenDesc(gif, 64, 64, 1, 0, map);
    GifFreeMapObject(map);
    EGifPutImageDesc(gif, 1000, 1000, 4096, 4096, false, nullptr);
    QVector<GifPixelType> line(4096, 1);
    for (int y = 0; y < 4096; ++y)
        EGifPutLine(gif, line.data(), line.size());
    EGifCloseFile(gif, &code);
    // The header and the colours, then the frame over and over.
    const QByteArray one = contentsOf(path);
    const int headerSize = 13 + 6;
    const QByteArray frame = one.mid(headerSize, one.size() - headerSize - 1);
    const int frames = qMin(500, (5 << 20) / frame.size() - 1);
    return writeBytes(dir, "offscreen.gif", one.left(headerSize) + frame.repeated(frames) + ';');
}

QStringList links(const QTemporaryDir& dir, const QString& target, const char* prefix, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names << dir.filePath(QStringLiteral("%1%2.png").arg(QLatin1String(prefix)).arg(i));
        QFile::link(target, names.last());
    }
    return names;
}

QString giantBmpHeader(const QTemporaryDir& dir)
{
    QByteArray header(54, '\0');
    auto* bytes = reinterpret_cast<uchar*>(header.data());
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<quint32>(54, bytes + 10);
    qToLittleEndian<quint32>(40, bytes + 14);
    qToLittleEndian<qint32>(60000, bytes + 18);
    qToLittleEndian<qint32>(60000, bytes + 22);
    qToLittleEndian<quint16>(1, bytes + 26);
    qToLittleEndian<quint16>(24, bytes + 28);
    return writeBytes(dir, "giant.bmp", header + QByteArray(1024, '\0'));
}

qint64 totalSize(const QStringList& files)
{
    qint64 bytes = 0;
    for (const QString& file : files)
        bytes += QFileInfo(file).size();
    return bytes;
}

// The median of three reads against its target, with the outcome.
void timeRead(const QString& what, const QStringList& files, bool refused, bool* ok)
{
    std::vector<Stopwatch::Sample> samples;
    AnimationImport import;
    bool read = false;
    for (int i = 0; i < 3; ++i) {
        Stopwatch watch;
        read = import.read(files);
        samples.push_back(watch.take());
    }
    TargetReport::report(QStringLiteral("%1, %2 KB").arg(what).arg(totalSize(files) / 1024),
        Stopwatch::median(samples), refused ? 1000 : 10000, 1, ok);
    *ok &= read != refused;
    TargetReport::print(QStringLiteral("    ")
        + (read ? QStringLiteral("read: %1 frames").arg(import.frameCount()) : import.errorString()));
}

bool hostilePictures(const QTemporaryDir& dir)
{
    QImage flat(4096, 4096, QImage::Format_RGB32);
    flat.fill(Qt::white);
    const QString big = dir.filePath(QStringLiteral("big.png"));
    flat.save(big);
    const QString small = dir.filePath(QStringLiteral("small.png"));
    flat.copy(0, 0, 64, 64).save(small);

    TargetReport::print(QStringLiteral("hostile pictures, refused under 1 s, read under 10 s:"));
    bool ok = true;
    timeRead(QStringLiteral("refuse a progressive JPEG of 50,000 scans"),
        { progressiveJpeg(dir, "scans50000.jpg", 50000) }, true, &ok);
    timeRead(
        QStringLiteral("refuse 10,000 links to a 4096 x 4096 PNG"), links(dir, big, "big", 10000), true, &ok);
    timeRead(QStringLiteral("refuse a BMP header of 60000 x 60000"), { giantBmpHeader(dir) }, true, &ok);
    timeRead(QStringLiteral("read a progressive JPEG of 100 scans"),
        { progressiveJpeg(dir, "scans100.jpg", 100) }, false, &ok);
    timeRead(
        QStringLiteral("read a GIF of 4096 x 4096 frames off its screen"), { offScreenGif(dir) }, false, &ok);
    timeRead(
        QStringLiteral("read 10,000 links to a 64 x 64 PNG"), links(dir, small, "small", 10000), false, &ok);
    timeRead(QStringLiteral("read a 4096 x 4096 PNG"), { big }, false, &ok);
    TargetReport::print(ok ? QStringLiteral("all targets met") : QStringLiteral("a target was MISSED"));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString exported = exportedGif(dir);
    const QString ramps = writeGif(
        dir, "ramps.gif", 512, 512, 300, [](int x, int y, int f) { return char((x + y + 4 * f) & 255); });
    const QString many
        = writeGif(dir, "many.gif", 2, 2, 20001, [](int x, int, int f) { return char((x + f) & 1); });
    const QString wide = writeGif(dir, "wide.gif", 4097, 2, 1, [](int, int, int) { return char(0); });
    std::printf("exported GIF %lld KB, ramps GIF %lld KB\n", QFile(exported).size() / 1024,
        QFile(ramps).size() / 1024);

    const PeakMemory memory(48);
    AnimationImport import;
    memory.measure("read 300 frames 512 x 512 (export)", [&] { import.read({ exported }); });
    std::printf("  %d frames read\n", import.frameCount());
    AnimationImport::Options options;
    memory.measure("take the 300 frames", [&] { import.frames(options); });
    memory.measure("read 300 frames 512 x 512 with previews", [&] {
        AnimationImport previewed;
        previewed.setPreviewSize(200);
        previewed.read({ exported });
    });
    memory.measure("read 300 frames 512 x 512 (ramps)", [&] { import.read({ ramps }); });
    memory.measure("refuse 20,001 frames", [&] { import.read({ many }); });
    std::printf("  %s\n", qPrintable(import.errorString()));
    memory.measure("refuse 4,097 pixels wide", [&] { import.read({ wide }); });
    std::printf("  %s\n", qPrintable(import.errorString()));
    return hostilePictures(dir) ? 0 : 1;
}
