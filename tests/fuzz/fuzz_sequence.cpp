// The sequence reader: the table engine in every quoting mode, then the
// import of the same bytes into a program's frames.
#include "FuzzSupport.h"
#include "formats/CsvModel.h"
#include "formats/SequenceFile.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks quoting, header and separator.
    const int flags = data[0];
    QByteArray input = FuzzSupport::bytes(data + 1, size - 1);
    QBuffer buffer(&input);
    CsvModel csv(flags & 0x0F, flags & 0x10, (flags & 0x20) ? QLatin1Char(';') : QLatin1Char(','), nullptr);
    csv.readCsv(&buffer);
    for (int r = 0; r < csv.rowCount() && r < 4; ++r)
        csv.text(r, csv.columnCount() - 1);

    ProgramItem program;
    new LedStatesCommand(&program);
    SequenceFile::importFrames(&program, LedStatesCommand::LedCount, FuzzSupport::writeInput(input), nullptr);
    return 0;
}
