#pragma once

#include "AbstractTreeItem.h"
#include "LedCell.h"
#include "RingGeometry.h"

#include <QVector>

#include <array>

// One LED frame: 192 cells in panel order (ring i / 48, position i mod 48).
// A document holds up to 20,000 frames, so the cells lie in one block inside
// the frame; the list of their addresses that views use is made on demand.
class KAMDELDOCUMENT_EXPORT LedStatesCommand : public AbstractTreeItem
{
    Q_OBJECT

public:
    static constexpr int LedCount = RingGeometry::LedCount;

    explicit LedStatesCommand(AbstractTreeItem* parent = nullptr);
    ~LedStatesCommand() override;

    int type() const override { return LedStates; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;

    const QVector<LedCell*>& leds() const;

    // The values without the cells' addresses; missing values leave their
    // cells alone.
    int value(int led) const { return m_cells[led].value(); }
    void setValue(int led, int value) { m_cells[led].setValue(value); }
    QVector<int> values() const;
    void setValues(const QVector<int>& values);

protected:
    void copyValuesTo(AbstractTreeItem* copy) const override;

private:
    // One <Led> element of a frame written the long way.
    void readLed(QXmlStreamReader& reader);
    std::array<LedCell, LedCount> m_cells;
    mutable QVector<LedCell*> m_leds;
};
