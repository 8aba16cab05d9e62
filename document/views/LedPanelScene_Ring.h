#pragma once

#include "AbstractLedPanelScene.h"

#include <QString>

// Concentric rings of LEDs around (CenterX, CenterY) over a picture of the
// board. Scene units are the pictures' pixels.
class KAMDELDOCUMENT_EXPORT LedPanelScene_Ring : public AbstractLedPanelScene
{
    Q_OBJECT

public:
    explicit LedPanelScene_Ring(DeviceItem* device, QObject* parent = nullptr);
    ~LedPanelScene_Ring() override;

    int layoutType() const override { return Ring; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;

    // The layout; change them, then run createLayout() again.
    double CenterX = 1314;
    double CenterY = 1446;
    double RadialStart = 663;
    double RadialStep = 170;
    double AngularStart = -90;
    double AngularStep = 7.5;
    // Used as radii: the plain background covers the band between them.
    double InnerDiameter = 500;
    double OuterDiameter = 1300;
    QString TopImagePath;
    QString BottomImagePath;

public slots:
    void createLayout() override;

private:
    void addPicture(const QString& path, bool top);
};
