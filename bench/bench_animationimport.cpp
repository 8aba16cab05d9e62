// Times the animation import:
//   - a 300-frame 512 x 512 GIF as the GIF export draws it, read into LED
//     frames (the aim is under a second), and the frames taken from it;
//   - a 300-frame 512 x 512 GIF of moving grey ramps, every pixel changing;
//   - the refusal of a GIF of 20,001 frames and of one 4,097 pixels wide.
// Prints the median wall and CPU time of three runs and the growth of the
// peak resident memory.

#include "PeakMemory.h"
#include "formats/AnimationExport.h"
#include "formats/AnimationImport.h"
#include "formats/GifWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

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
    return 0;
}
