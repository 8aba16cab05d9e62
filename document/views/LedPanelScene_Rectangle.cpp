#include "LedPanelScene_Rectangle.h"

#include "LedItem.h"
#include "model/DeviceItem.h"

#include <QBrush>
#include <QGraphicsRectItem>
#include <QPen>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

LedPanelScene_Rectangle::LedPanelScene_Rectangle(DeviceItem* device, QObject* parent)
    : AbstractLedPanelScene(device, parent)
{
    LedSize = 2.0;
    createLayout();
}

LedPanelScene_Rectangle::~LedPanelScene_Rectangle() = default;

void LedPanelScene_Rectangle::createLayout()
{
    clearLayout();
    setSceneRect(backgroundRect);

    // The LEDs are children of the background: hiding it hides them too.
    auto background = std::make_unique<QGraphicsRectItem>(backgroundRect);
    background->setPen(Qt::NoPen);
    background->setBrush(QBrush(Qt::blue));

    DeviceItem* panel = device();
    const int rows = panel ? panel->rows() : 0;
    const int columns = panel ? panel->columns() : 0;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            auto* led = new LedItem(background.get());
            led->setPos(j * HorizontalStep + HorizontalStart, i * VerticalStep + VerticalStart);
            led->setToolTip(QStringLiteral("(%1,%2)").arg(i).arg(j));
            appendLed(led);
        }
    }
    appendTopImage(adopt(std::move(background)));
}

void LedPanelScene_Rectangle::readXML(QXmlStreamReader& reader)
{
    if (!reader.isStartElement() || reader.name() != QLatin1String("Layout"))
        return;
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name == QLatin1String("HorizontalStart"))
            HorizontalStart = reader.readElementText().toDouble();
        else if (name == QLatin1String("HorizontalStep"))
            HorizontalStep = reader.readElementText().toDouble();
        else if (name == QLatin1String("VerticalStart"))
            VerticalStart = reader.readElementText().toDouble();
        else if (name == QLatin1String("VerticalStep"))
            VerticalStep = reader.readElementText().toDouble();
        else if (name == QLatin1String("RectanglePosX"))
            backgroundRect.setLeft(reader.readElementText().toDouble());
        else if (name == QLatin1String("RectanglePosY"))
            backgroundRect.setTop(reader.readElementText().toDouble());
        else if (name == QLatin1String("RectangleWidth"))
            backgroundRect.setWidth(reader.readElementText().toDouble());
        else if (name == QLatin1String("RectangleHeight"))
            backgroundRect.setHeight(reader.readElementText().toDouble());
        else if (name == QLatin1String("LedSize"))
            LedSize = reader.readElementText().toDouble();
        else
            reader.skipCurrentElement();
    }
    createLayout();
}

void LedPanelScene_Rectangle::writeXML(QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("Layout"));
    writer.writeAttribute(QStringLiteral("type"), QStringLiteral("Rectangle"));
    writer.writeTextElement(QStringLiteral("HorizontalStart"), number(HorizontalStart));
    writer.writeTextElement(QStringLiteral("HorizontalStep"), number(HorizontalStep));
    writer.writeTextElement(QStringLiteral("VerticalStart"), number(VerticalStart));
    writer.writeTextElement(QStringLiteral("VerticalStep"), number(VerticalStep));
    writer.writeTextElement(QStringLiteral("RectanglePosX"), number(backgroundRect.x()));
    writer.writeTextElement(QStringLiteral("RectanglePosY"), number(backgroundRect.y()));
    writer.writeTextElement(QStringLiteral("RectangleWidth"), number(backgroundRect.width()));
    writer.writeTextElement(QStringLiteral("RectangleHeight"), number(backgroundRect.height()));
    writer.writeTextElement(QStringLiteral("LedSize"), number(LedSize));
    writer.writeEndElement();
}
