#include "KamdelPanel2.h"

#include "Compiller_v2.h"

namespace {
const QString Version = QStringLiteral("2.0");
int documentCounter = 0;
} // namespace

KamdelPanel2::KamdelPanel2(QWidget* parent)
    : KamdelDocument(parent)
{
    setUpPanel(QStringLiteral("ZQ-RING-B"), new Compiller_v2(device));
}

KamdelPanel2::~KamdelPanel2() = default;

bool KamdelPanel2::readXML(QXmlStreamReader& reader)
{
    return readDocumentXML(reader, Version);
}

void KamdelPanel2::writeXML(QXmlStreamWriter& writer)
{
    writeDocumentXML(writer, Version);
}

bool KamdelPanel2::isValid_XML(const QString& fileName)
{
    return isValidDocumentFile(fileName, Version);
}

KamdelDocument* KamdelPanel2::newDocument()
{
    auto* document = new KamdelPanel2;
    document->setFileName(QStringLiteral("Kamdel_%1.xml").arg(++documentCounter));
    document->installRingScene(RingLayout { 1185.0, 1185.0, 1185.0, 473.0, 598.0, 153.0, 35.0, QStringLiteral("PCBA02") });
    return document;
}
