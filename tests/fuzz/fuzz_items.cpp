// The command tree's item readers on their own, picked by the root element.
#include "FuzzSupport.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"

#include <QXmlStreamReader>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QXmlStreamReader reader(FuzzSupport::bytes(data, size));
    if (!reader.readNextStartElement())
        return 0;
    if (reader.name() == QLatin1String("Commands")) {
        DeviceItem device;
        new ProgramItem(&device);
        device.readXML(reader);
    } else if (reader.name() == QLatin1String("Program")) {
        ProgramItem program;
        program.readXML(reader);
    } else if (reader.name() == QLatin1String("Function")) {
        FunctionItem function;
        function.readXML(reader);
    } else {
        LedStatesCommand frame;
        frame.readXML(reader);
    }
    return 0;
}
