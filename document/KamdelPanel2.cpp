#include "KamdelPanel2.h"

namespace {
int documentCounter = 0;
} // namespace

KamdelPanel2::KamdelPanel2(QWidget* parent)
    : KamdelDocument(PanelDocument::Panel::RingB, parent)
{
}

KamdelPanel2::~KamdelPanel2() = default;

bool KamdelPanel2::isValid_XML(const QString& fileName)
{
    return PanelDocument::isDocumentOf(fileName, PanelDocument::Panel::RingB);
}

KamdelDocument* KamdelPanel2::newDocument()
{
    auto* document = new KamdelPanel2;
    document->setFileName(QStringLiteral("Kamdel_%1.xml").arg(++documentCounter));
    document->installRingScene(
        RingLayout { 1185.0, 1185.0, 1185.0, 473.0, 598.0, 153.0, 35.0, QStringLiteral("PCBA02") });
    return document;
}
