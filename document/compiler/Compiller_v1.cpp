#include "Compiller_v1.h"

Compiller_v1::Compiller_v1(DeviceItem* device)
    : Compiller(device)
{
}

Compiller_v1::~Compiller_v1() = default;

QByteArray Compiller_v1::createBinnary()
{
    return recordsCode();
}

void Compiller_v1::compileItem(AbstractTreeItem* item, int& address)
{
    compileCommon(item, address);
}

void Compiller_v1::setLedBit(QByteArray& bitmap, int led) const
{
    // LED 0 is the least significant bit of the first bitmap byte.
    bitmap[1 + led / 8] = static_cast<char>(bitmap[1 + led / 8] | (1 << (led % 8)));
}
