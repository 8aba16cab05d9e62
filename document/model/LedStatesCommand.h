#pragma once

#include "AbstractTreeItem.h"
#include "LedCell.h"
#include "RingGeometry.h"

#include <QVector>

// One LED frame: 192 cells in panel order (ring i / 48, position i mod 48).
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

    const QVector<LedCell*>& leds() const { return m_leds; }

protected:
    void copyValuesTo(AbstractTreeItem* copy) const override;

private:
    QVector<LedCell*> m_leds;
};
