#include "LedPanelScene_Ring.h"

#include "BoardPictureCache.h"
#include "BoardPictureItem.h"
#include "LedItem.h"
#include "model/DeviceItem.h"

#include <QGraphicsEllipseItem>
#include <QPen>
#include <QPixmap>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

namespace {

constexpr double DegreesToRadians = 0.017453292519943295;

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

LedPanelScene_Ring::LedPanelScene_Ring(DeviceItem* device, QObject* parent)
    : AbstractLedPanelScene(device, parent)
{
    LedSize = 35;
    createLayout();
}

LedPanelScene_Ring::~LedPanelScene_Ring()
{
    // Let go of the pictures here, so that the last scene to show one frees it.
    clearLayout();
    BoardPictureCache::dropUnused();
}

void LedPanelScene_Ring::createLayout()
{
    clearLayout();

    // Without a picture the scene is the square around the ring itself, so
    // that the whole board stays in view.
    const double half = OuterDiameter + 1;
    setSceneRect(CenterX - half, CenterY - half, 2 * half, 2 * half);

    const double r = InnerDiameter + 0.5 * (OuterDiameter - InnerDiameter);
    auto ring = std::make_unique<QGraphicsEllipseItem>(-r, -r, 2 * r, 2 * r);
    ring->setPos(CenterX, CenterY);
    ring->setPen(QPen(QBrush(QColor::fromRgba(0xFFBFBFBF)), OuterDiameter - InnerDiameter, Qt::SolidLine,
        Qt::SquareCap, Qt::BevelJoin));
    ring->setBrush(Qt::NoBrush);
    ring->setZValue(-1);
    ring->hide();
    appendSimple(adopt(std::move(ring)));

    addPicture(TopImagePath, true);
    addPicture(BottomImagePath, false);
    // Pictures of an earlier layout that no scene shows any more.
    BoardPictureCache::dropUnused();

    DeviceItem* panel = device();
    const int rings = panel ? panel->rows() : 0;
    const int columns = panel ? panel->columns() : 0;
    for (int i = 0; i < rings; ++i) {
        for (int j = 0; j < columns; ++j) {
            const double radius = i * RadialStep + RadialStart;
            const double theta = (j * AngularStep + AngularStart) * DegreesToRadians;
            auto led = std::make_unique<LedItem>();
            led->setPos(CenterX + radius * std::cos(theta), CenterY + radius * std::sin(theta));
            led->setToolTip(QStringLiteral("(%1,%2)").arg(i).arg(j));
            appendLed(adopt(std::move(led)));
        }
    }
}

void LedPanelScene_Ring::addPicture(const QString& path, bool top)
{
    // Every document of a panel model shows the same two pictures: share them.
    const QPixmap pixmap = BoardPictureCache::picture(path);
    if (pixmap.isNull())
        return;
    auto picture = std::make_unique<BoardPictureItem>(pixmap);
    if (path.endsWith(QLatin1String(".png")))
        picture->setDensePicture(path.chopped(4) + QLatin1String("@2x.png"));
    picture->setPos(0, 0);
    picture->setZValue(-1);
    QGraphicsPixmapItem* item = adopt(std::move(picture));
    if (top)
        appendTopImage(item);
    else
        appendBottomImage(item);
    setSceneRect(pixmap.rect());
}

void LedPanelScene_Ring::readXML(QXmlStreamReader& reader)
{
    if (!reader.isStartElement() || reader.name() != QLatin1String("Layout"))
        return;
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        double* field = nullptr;
        if (name == QLatin1String("CenterX"))
            field = &CenterX;
        else if (name == QLatin1String("CenterY"))
            field = &CenterY;
        else if (name == QLatin1String("RadialStart"))
            field = &RadialStart;
        else if (name == QLatin1String("RadialStep"))
            field = &RadialStep;
        else if (name == QLatin1String("AngularStart"))
            field = &AngularStart;
        else if (name == QLatin1String("AngularStep"))
            field = &AngularStep;
        else if (name == QLatin1String("InnerDiameter"))
            field = &InnerDiameter;
        else if (name == QLatin1String("OuterDiameter"))
            field = &OuterDiameter;
        else if (name == QLatin1String("LedSize"))
            field = &LedSize;

        if (field)
            *field = reader.readElementText().toDouble();
        else if (name == QLatin1String("TopImagePath"))
            TopImagePath = reader.readElementText();
        else if (name == QLatin1String("BottomImagePath"))
            BottomImagePath = reader.readElementText();
        else
            reader.skipCurrentElement();
    }
    createLayout();
}

void LedPanelScene_Ring::writeXML(QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("Layout"));
    writer.writeAttribute(QStringLiteral("type"), QStringLiteral("Ring"));
    writer.writeTextElement(QStringLiteral("CenterX"), number(CenterX));
    writer.writeTextElement(QStringLiteral("CenterY"), number(CenterY));
    writer.writeTextElement(QStringLiteral("RadialStart"), number(RadialStart));
    writer.writeTextElement(QStringLiteral("RadialStep"), number(RadialStep));
    writer.writeTextElement(QStringLiteral("AngularStart"), number(AngularStart));
    writer.writeTextElement(QStringLiteral("AngularStep"), number(AngularStep));
    writer.writeTextElement(QStringLiteral("InnerDiameter"), number(InnerDiameter));
    writer.writeTextElement(QStringLiteral("OuterDiameter"), number(OuterDiameter));
    writer.writeTextElement(QStringLiteral("TopImagePath"), TopImagePath);
    writer.writeTextElement(QStringLiteral("BottomImagePath"), BottomImagePath);
    writer.writeTextElement(QStringLiteral("LedSize"), number(LedSize));
    writer.writeEndElement();
}
