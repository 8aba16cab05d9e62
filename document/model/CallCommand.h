#pragma once

#include "AbstractTreeItem.h"

// Calls a Collection; its operand is not resolved yet and is always zero.
class KAMDELDOCUMENT_EXPORT CallCommand : public AbstractTreeItem
{
    Q_OBJECT

public:
    explicit CallCommand(AbstractTreeItem* parent = nullptr);
    ~CallCommand() override;

    int type() const override { return Call; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;
};
