#include "LedStatesCommand.h"

#include "LedCell.h"
#include "XmlHelpers.h"

LedStatesCommand::LedStatesCommand(AbstractTreeItem* parent)
    : AbstractTreeItem(QStringLiteral("Leds"), parent)
{
    m_leds.reserve(LedCount);
    for (int i = 0; i < LedCount; ++i)
        m_leds.append(new LedCell);
}

LedStatesCommand::~LedStatesCommand()
{
    qDeleteAll(m_leds);
}

void LedStatesCommand::copyValuesTo(AbstractTreeItem* copy) const
{
    const QVector<LedCell*>& target = static_cast<LedStatesCommand*>(copy)->m_leds;
    for (int i = 0; i < m_leds.size() && i < target.size(); ++i)
        target.at(i)->setValue(m_leds.at(i)->value());
}

void LedStatesCommand::readXML(QXmlStreamReader& reader)
{
    if (reader.name() != QLatin1String("LedStates"))
        return;
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("Led")) {
            reader.skipCurrentElement();
            continue;
        }
        const int index = XmlHelpers::readIndex(reader);
        const bool inRange = index >= 0 && index < m_leds.size();
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("state")) {
                const int value
                    = XmlHelpers::readInteger(reader.readElementText(QXmlStreamReader::SkipChildElements));
                if (inRange)
                    m_leds[index]->setValue(value);
            } else {
                reader.skipCurrentElement();
            }
        }
    }
}

void LedStatesCommand::writeXML(QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("LedStates"));
    for (int i = 0; i < m_leds.size(); ++i) {
        writer.writeStartElement(QStringLiteral("Led"));
        writer.writeAttribute(QStringLiteral("index"), QString::number(i, 10));
        writer.writeTextElement(QStringLiteral("state"), QString::number(m_leds[i]->value(), 10));
        writer.writeEndElement();
    }
    writer.writeEndElement();
}
