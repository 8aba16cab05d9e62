#pragma once

#include "AbstractTreeItem.h"

// The panel's main command list.
class KAMDELDOCUMENT_EXPORT ProgramItem : public AbstractTreeItem
{
    Q_OBJECT

public:
    explicit ProgramItem(AbstractTreeItem* parent = nullptr);
    ~ProgramItem() override;

    int type() const override { return Program; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;

    // Number of Program siblings before this one under the Device; -1 when
    // the item is not under a Device.
    int programIndex() const;
};
