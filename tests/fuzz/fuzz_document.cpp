// The whole document reading path of one panel type, as Open takes it: the
// type check on the file, then the load into the document.
#include "FuzzSupport.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "model/DeviceItem.h"
#include "model/ProgramItem.h"

namespace {

// Building a document with its board takes far longer than reading a file,
// so one document serves every input and is emptied in between.
KamdelDocument* document()
{
#if KAMDEL_FUZZ_PANEL == 1
    static const std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
#else
    static const std::unique_ptr<KamdelDocument> document(KamdelPanel2::newDocument());
#endif
    return document.get();
}

void empty(KamdelDocument* document)
{
    DeviceItem* device = document->deviceItem();
    ProgramItem* program = device->program(0);
    QList<AbstractTreeItem*> items = program->children();
    for (AbstractTreeItem* child : device->children()) {
        if (child != program)
            items << child;
    }
    document->edits()->removeItems(items);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::ensureApplication();
    static Questions::Scope silence;
    silence.message = [](QWidget*, const Questions::Message&) { return QMessageBox::Ok; };
    const QString path = FuzzSupport::writeInput(FuzzSupport::bytes(data, size));
#if KAMDEL_FUZZ_PANEL == 1
    KamdelPanel1::isValid_XML(path);
#else
    KamdelPanel2::isValid_XML(path);
#endif
    KamdelDocument* target = document();
    target->load(path);
    empty(target);
    return 0;
}
