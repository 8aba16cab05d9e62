#include "KamdelPanel1.h"

#include "Compiller_v1.h"

namespace {
const QString Version = QStringLiteral("1.0");
int documentCounter = 0;
} // namespace

KamdelPanel1::KamdelPanel1(QWidget* parent)
    : KamdelDocument(parent)
{
    setUpPanel(QStringLiteral("ZQ-RING-A"), new Compiller_v1(device));
}

KamdelPanel1::~KamdelPanel1() = default;

bool KamdelPanel1::readXML(QXmlStreamReader& reader)
{
    return readDocumentXML(reader, Version);
}

void KamdelPanel1::writeXML(QXmlStreamWriter& writer)
{
    writeDocumentXML(writer, Version);
}

bool KamdelPanel1::isValid_XML(const QString& fileName)
{
    return isValidDocumentFile(fileName, Version);
}

KamdelDocument* KamdelPanel1::newDocument()
{
    auto* document = new KamdelPanel1;
    document->setFileName(QStringLiteral("Kamdel_%1.xml").arg(++documentCounter));
    document->installRingScene(RingLayout { 1751.5, 1751.5, 1751.5, 681.0, 944.0, 189.0, 50.0, QStringLiteral("PCBA01") });
    return document;
}
