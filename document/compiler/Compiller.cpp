#include "Compiller.h"

#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"

Compiller::Compiller(DeviceItem* device)
    : device(device)
{
}

Compiller::~Compiller() = default;

void Compiller::compile()
{
    records.clear();
    programAddresses.clear();
    functionTable.clear();
    int address = FirstAddress;
    if (!device)
        return;
    for (AbstractTreeItem* child : device->children())
        compileItem(child, address);
}

void Compiller::compileCommon(AbstractTreeItem* item, int& address)
{
    switch (item->type()) {
    case AbstractTreeItem::Program:
        programAddresses.append(address);
        for (AbstractTreeItem* child : item->children())
            compileItem(child, address);
        break;
    case AbstractTreeItem::Function:
        functionTable.append(FunctionEntry { QString(), address });
        for (AbstractTreeItem* child : item->children())
            compileItem(child, address);
        break;
    case AbstractTreeItem::LedStates: {
        auto* frame = qobject_cast<LedStatesCommand*>(item);
        if (!frame)
            break;
        const int ledCount = device ? device->ledCount() : int(LedStatesCommand::LedCount);
        QByteArray code(frameCodeSize(ledCount), '\0');
        code[0] = OpLedStates;
        const auto& leds = frame->leds();
        const int count = qMin(ledCount, leds.size());
        for (int i = 0; i < count; ++i) {
            if (leds[i]->value() >= 1)
                setLedBit(code, i);
        }
        emitRecord(item, code, address);
        break;
    }
    case AbstractTreeItem::Call:
        emitRecord(item, QByteArray("\x05\x00\x00", 3), address);
        break;
    case AbstractTreeItem::Return:
        emitRecord(item, QByteArray(1, OpReturn), address);
        break;
    case AbstractTreeItem::Reset:
        emitRecord(item, QByteArray(1, OpReset), address);
        break;
    case AbstractTreeItem::Stop:
        emitRecord(item, QByteArray(1, OpStop), address);
        break;
    default:
        break;
    }
}

void Compiller::emitRecord(AbstractTreeItem* item, const QByteArray& code, int& address)
{
    records.append(CodeRecord { address, code, item });
    address += code.size();
}

QByteArray Compiller::recordsCode() const
{
    int size = 0;
    for (const CodeRecord& record : records)
        size += record.code.size();
    QByteArray image;
    image.reserve(size);
    for (const CodeRecord& record : records)
        image.append(record.code);
    return image;
}
