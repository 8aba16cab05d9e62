// The whole document reading path of one panel type, as Open takes it: the
// type check on the file, then the load into a new document.
#include "FuzzSupport.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "MessageBoxes.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::ensureApplication();
    static const auto silence = MessageBoxes::setHandler(
        [](QWidget*, const MessageBoxes::Request&) { return QMessageBox::Ok; });
    Q_UNUSED(silence)
    QByteArray input = FuzzSupport::bytes(data, size);
    const QString path = FuzzSupport::writeInput(input);
#if KAMDEL_FUZZ_PANEL == 1
    KamdelPanel1::isValid_XML(path);
    std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
#else
    KamdelPanel2::isValid_XML(path);
    std::unique_ptr<KamdelDocument> document(KamdelPanel2::newDocument());
#endif
    document->load(path);
    // The same bytes through a stream that cannot seek.
    std::unique_ptr<KamdelDocument> streamed(KamdelPanel1::newDocument());
    QBuffer buffer(&input);
    buffer.open(QIODevice::ReadOnly);
    streamed->readXML(&buffer);
    return 0;
}
