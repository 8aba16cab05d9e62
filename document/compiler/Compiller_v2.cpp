#include "Compiller_v2.h"

Compiller_v2::Compiller_v2(DeviceItem* device)
    : Compiller(device)
{
}

Compiller_v2::~Compiller_v2() = default;

QByteArray Compiller_v2::createBinnary()
{
    return QByteArray(4, '\0') + recordsCode();
}

void Compiller_v2::compileItem(AbstractTreeItem* item, int& address)
{
    compileCommon(item, address);
}

void Compiller_v2::setLedBit(QByteArray& bitmap, int led) const
{
    // LED 0 is the most significant bit of the first bitmap byte.
    bitmap[1 + led / 8] = static_cast<char>(bitmap[1 + led / 8] | (0x80 >> (led % 8)));
}
