// Draws both sides of both ring boards into the given folder, where the
// editor looks for them beside itself.

#include "BoardPainter.h"
#include "PaletteQuantizer.h"

#include <QDir>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const BoardGeometry& board : BoardGeometry::boards()) {
        for (BoardPainter::Side side : { BoardPainter::Top, BoardPainter::Bottom }) {
            const QString name
                = QStringLiteral("%1_%2.png")
                      .arg(board.pictureName,
                          side == BoardPainter::Top ? QStringLiteral("top") : QStringLiteral("bot"));
            QImageWriter writer(folder.filePath(name), "png");
            if (!writer.write(PaletteQuantizer::toIndexed(BoardPainter(board, side).draw()))) {
                std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(writer.fileName()),
                    qPrintable(writer.errorString()));
                return 1;
            }
        }
    }
    return 0;
}
