#pragma once

#include "AbstractTreeItem.h"

// Returns from a Collection.
class KAMDELDOCUMENT_EXPORT ReturnCommand : public AbstractTreeItem
{
    Q_OBJECT

public:
    explicit ReturnCommand(AbstractTreeItem* parent = nullptr);
    ~ReturnCommand() override;

    int type() const override { return Return; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;
};
