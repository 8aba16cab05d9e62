#pragma once

#include "AbstractLedPanelScene.h"

#include <QRectF>

// A plain grid of LEDs on a blue rectangle.
class KAMDELDOCUMENT_EXPORT LedPanelScene_Rectangle : public AbstractLedPanelScene
{
    Q_OBJECT

public:
    explicit LedPanelScene_Rectangle(DeviceItem* device, QObject* parent = nullptr);
    ~LedPanelScene_Rectangle() override;

    int layoutType() const override { return Rectangle; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;

    double HorizontalStart = 0;
    double HorizontalStep = 8;
    double VerticalStart = 0;
    double VerticalStep = 6;
    // The blue background and the scene rectangle.
    QRectF backgroundRect = QRectF(-6, -6, 54, 30);

public slots:
    void createLayout() override;
};
