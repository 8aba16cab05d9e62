// The firmware file reader of each device variant.
#include "FuzzSupport.h"
#include "MspFlasher/MspFlasher.h"

#include <QSerialPort>
#include <QTextStream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const char* const Models[]
        = { "Kamdel", "MSP430FR2512", "MSP430FR5729", "MSP430FR5992", "MSP430FR5994" };
    if (size == 0)
        return 0;
    // The first byte picks the variant; the rest is the file.
    const char* model = Models[data[0] % (sizeof Models / sizeof *Models)];
    QSerialPort port;
    std::unique_ptr<MspFlasher> flasher(MspFlasher::crate(QString::fromLatin1(model), &port));
    QByteArray text = FuzzSupport::bytes(data + 1, size - 1);
    QTextStream stream(&text);
    flasher->readMemoryFile(stream);
    return 0;
}
