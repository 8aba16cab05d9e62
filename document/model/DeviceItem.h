#pragma once

#include "AbstractTreeItem.h"

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
    int ledCount() const { return m_rows * m_columns; }
    void setSize(int rows, int columns);

    ProgramItem* program(int n) const;

signals:
    void ledsChanged();

private:
    QString m_deviceName;
    QString m_description;
    qint32 m_rows = 4;
    qint32 m_columns = 48;
};
