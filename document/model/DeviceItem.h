#pragma once

#include "AbstractTreeItem.h"
#include "RingGeometry.h"

#include <limits>

class ProgramItem;

// The panel device: the top item of a document's tree.
class KAMDELDOCUMENT_EXPORT DeviceItem : public AbstractTreeItem
{
    Q_OBJECT

public:
    explicit DeviceItem(AbstractTreeItem* parent = nullptr);
    ~DeviceItem() override;

    int type() const override { return Device; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;

    QString deviceName() const { return m_deviceName; }
    void setDeviceName(const QString& name) { m_deviceName = name; }
    QString description() const { return m_description; }
    void setDescription(const QString& description) { m_description = description; }

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // Clamped so that no size, however odd, overflows the product.
    int ledCount() const
    {
        return int(qBound<qint64>(0, qint64(m_rows) * m_columns, std::numeric_limits<int>::max()));
    }
    void setSize(int rows, int columns);

    ProgramItem* program(int n) const;

signals:
    void ledsChanged();

private:
    QString m_deviceName;
    QString m_description;
    qint32 m_rows = RingGeometry::Rings;
    qint32 m_columns = RingGeometry::PositionsPerRing;
};
