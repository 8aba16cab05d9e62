#include "KamdelPanel1.h"

namespace {
int documentCounter = 0;
} // namespace

KamdelPanel1::KamdelPanel1(QWidget* parent)
    : KamdelDocument(PanelDocument::Panel::RingA, parent)
{
}

KamdelPanel1::~KamdelPanel1() = default;

bool KamdelPanel1::isValid_XML(const QString& fileName)
{
    return PanelDocument::isDocumentOf(fileName, PanelDocument::Panel::RingA);
}

KamdelDocument* KamdelPanel1::newDocument()
{
    auto* document = new KamdelPanel1;
    document->setFileName(QStringLiteral("Kamdel_%1.xml").arg(++documentCounter));
    document->installRingScene(
        RingLayout { 1751.5, 1751.5, 1751.5, 681.0, 944.0, 189.0, 50.0, QStringLiteral("PCBA01") });
    return document;
}
