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
    case AbstractTreeItem::Call: {
        // The operand stays zero: call targets are not resolved yet.
        QByteArray code(commandSize(AbstractTreeItem::Call, 0), '\0');
        code[0] = OpCall;
        emitRecord(item, code, address);
        break;
    }
    case AbstractTreeItem::Return:
        emitRecord(item, QByteArray(commandSize(AbstractTreeItem::Return, 0), OpReturn), address);
        break;
    case AbstractTreeItem::Reset:
        emitRecord(item, QByteArray(commandSize(AbstractTreeItem::Reset, 0), OpReset), address);
        break;
    case AbstractTreeItem::Stop:
        emitRecord(item, QByteArray(commandSize(AbstractTreeItem::Stop, 0), OpStop), address);
        break;
    default:
        break;
    }
}

int Compiller::commandSize(int type, int ledCount)
{
    switch (type) {
    case AbstractTreeItem::LedStates:
        return frameCodeSize(ledCount);
    case AbstractTreeItem::Call:
        // The opcode and a two-byte address.
        return 3;
    case AbstractTreeItem::Return:
    case AbstractTreeItem::Reset:
    case AbstractTreeItem::Stop:
        return 1;
    default:
        return 0;
    }
}

int Compiller::codeSize(const AbstractTreeItem* item)
{
    if (!item)
        return 0;
    const DeviceItem* owner = item->deviceItem();
    const int ledCount = owner ? owner->ledCount() : int(LedStatesCommand::LedCount);
    int size = commandSize(item->type(), ledCount);
    for (const AbstractTreeItem* child : item->children())
        size += codeSize(child);
    return size;
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
