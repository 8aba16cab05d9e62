#pragma once

#include "AbstractTreeItem.h"

// Stops the panel program.
class KAMDELDOCUMENT_EXPORT StopCommand : public AbstractTreeItem
{
    Q_OBJECT

public:
    explicit StopCommand(AbstractTreeItem* parent = nullptr);
    ~StopCommand() override;

    int type() const override { return Stop; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;
};
