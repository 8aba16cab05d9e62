#include "ItemFactory.h"

#include "CallCommand.h"
#include "DeviceItem.h"
#include "FunctionItem.h"
#include "LedStatesCommand.h"
#include "ProgramItem.h"
#include "ResetCommand.h"
#include "ReturnCommand.h"
#include "StopCommand.h"

namespace {

template <typename T> AbstractTreeItem* make(AbstractTreeItem* parent)
{
    return new T(parent);
}

struct Kind
{
    int type;
    const char* elementName;
    AbstractTreeItem* (*make)(AbstractTreeItem* parent);
};

const Kind Kinds[] = {
    { AbstractTreeItem::Device, "Commands", &make<DeviceItem> },
    { AbstractTreeItem::Program, "Program", &make<ProgramItem> },
    { AbstractTreeItem::Function, "Function", &make<FunctionItem> },
    { AbstractTreeItem::LedStates, "LedStates", &make<LedStatesCommand> },
    { AbstractTreeItem::Call, "Call", &make<CallCommand> },
    { AbstractTreeItem::Return, "Return", &make<ReturnCommand> },
    { AbstractTreeItem::Reset, "Reset", &make<ResetCommand> },
    { AbstractTreeItem::Stop, "Stop", &make<StopCommand> },
};

} // namespace

AbstractTreeItem* ItemFactory::create(int type, AbstractTreeItem* parent)
{
    for (const Kind& kind : Kinds) {
        if (kind.type == type)
            return kind.make(parent);
    }
    return nullptr;
}

int ItemFactory::typeOf(QStringView elementName)
{
    for (const Kind& kind : Kinds) {
        if (elementName == QLatin1String(kind.elementName))
            return kind.type;
    }
    return AbstractTreeItem::Undefined;
}
