#include "PanelCommand.h"

QByteArray PanelCommand::word(Word word)
{
    QByteArray bytes(4, '\0');
    bytes[0] = static_cast<char>(word);
    return bytes;
}

int PanelCommand::blockCount(int imageSize)
{
    return imageSize <= 0 ? 0 : (imageSize + BlockSize - 1) / BlockSize;
}

QByteArray PanelCommand::block(const QByteArray& image, int n)
{
    QByteArray bytes = word(Block);
    bytes[3] = static_cast<char>(n & 0xff);
    const int offset = n * BlockSize;
    QByteArray data = image.mid(offset, BlockSize);
    data.append(BlockSize - data.size(), '\0');
    return bytes + data;
}
