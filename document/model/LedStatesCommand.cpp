#include "LedStatesCommand.h"

#include "FrameSource.h"
#include "LedCell.h"
#include "XmlHelpers.h"

LedStatesCommand::LedStatesCommand(AbstractTreeItem* parent)
    : AbstractTreeItem(QStringLiteral("Leds"), parent)
{
}

LedStatesCommand::~LedStatesCommand() = default;

const QVector<LedCell*>& LedStatesCommand::leds() const
{
    if (m_leds.isEmpty()) {
        m_leds.reserve(LedCount);
        for (const LedCell& cell : m_cells)
            m_leds.append(const_cast<LedCell*>(&cell));
    }
    return m_leds;
}

QVector<int> LedStatesCommand::values() const
{
    QVector<int> values(LedCount);
    for (int k = 0; k < LedCount; ++k)
        values[k] = m_cells[k].value();
    return values;
}

void LedStatesCommand::setValues(const QVector<int>& values)
{
    for (int k = 0; k < LedCount && k < values.size(); ++k)
        m_cells[k].setValue(values.at(k));
}

void LedStatesCommand::copyValuesTo(AbstractTreeItem* copy) const
{
    static_cast<LedStatesCommand*>(copy)->m_cells = m_cells;
}

void LedStatesCommand::readXML(QXmlStreamReader& reader)
{
    if (reader.name() != QLatin1String("LedStates"))
        return;
    const auto* packed = qobject_cast<const FrameSource*>(reader.device());
    int states[LedCount];
    // Up to the frame's end tag, or an error.
    for (reader.readNext(); !reader.isEndElement() && !reader.atEnd(); reader.readNext()) {
        if (packed && packed->unpack(reader, states, LedCount)) {
            for (int k = 0; k < LedCount; ++k)
                m_cells[k].setValue(states[k]);
        } else if (reader.isStartElement()) {
            readLed(reader);
        }
    }
}

void LedStatesCommand::readLed(QXmlStreamReader& reader)
{
    if (reader.name() != QLatin1String("Led")) {
        reader.skipCurrentElement();
        return;
    }
    const int index = XmlHelpers::readIndex(reader);
    const bool inRange = index >= 0 && index < LedCount;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("state")) {
            const int value
                = XmlHelpers::readInteger(reader.readElementText(QXmlStreamReader::SkipChildElements));
            if (inRange)
                m_cells[index].setValue(value);
        } else {
            reader.skipCurrentElement();
        }
    }
}

void LedStatesCommand::writeXML(QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("LedStates"));
    for (int i = 0; i < LedCount; ++i) {
        writer.writeStartElement(QStringLiteral("Led"));
        writer.writeAttribute(QStringLiteral("index"), QString::number(i, 10));
        writer.writeTextElement(QStringLiteral("state"), QString::number(m_cells[i].value(), 10));
        writer.writeEndElement();
    }
    writer.writeEndElement();
}
