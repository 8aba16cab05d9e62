// Draws both sides of both ring boards into the given folder, where the
// editor looks for them beside itself; with --density 2 the copies for
// screens at 200 %.

#include "BoardPainter.h"
#include "PaletteQuantizer.h"

#include <QDir>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char* argv[])
{
    // "--density 2" draws the pictures for screens at 200 %, named as Qt
    // names such copies: PCBA01_top@2x.png.
    const bool dense = argc == 4 && qstrcmp(argv[1], "--density") == 0 && qstrcmp(argv[2], "2") == 0;
    if (argc != 2 && !dense) {
        std::fprintf(stderr, "usage: %s [--density 2] <output folder>\n", argv[0]);
        return 2;
    }
    const char* out = argv[argc - 1];
    const QDir folder(QString::fromLocal8Bit(out));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", out);
        return 1;
    }
    for (const BoardGeometry& board : BoardGeometry::boards()) {
        for (BoardPainter::Side side : { BoardPainter::Top, BoardPainter::Bottom }) {
            const QString name
                = QStringLiteral("%1_%2%3.png")
                      .arg(board.pictureName,
                          side == BoardPainter::Top ? QStringLiteral("top") : QStringLiteral("bot"),
                          dense ? QStringLiteral("@2x") : QString());
            QImageWriter writer(folder.filePath(name), "png");
            if (!writer.write(PaletteQuantizer::toIndexed(BoardPainter(board, side).draw(dense ? 2 : 1)))) {
                std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(writer.fileName()),
                    qPrintable(writer.errorString()));
                return 1;
            }
        }
    }
    return 0;
}
