#pragma once

#include "AbstractTreeItem.h"

// A callable command list, shown to the user as a "Collection".
class KAMDELDOCUMENT_EXPORT FunctionItem : public AbstractTreeItem
{
    Q_OBJECT

public:
    explicit FunctionItem(AbstractTreeItem* parent = nullptr);
    ~FunctionItem() override;

    int type() const override { return Function; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;
};
