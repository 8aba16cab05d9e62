#pragma once

#include "AbstractTreeItem.h"

// Restarts the panel program from its beginning.
class KAMDELDOCUMENT_EXPORT ResetCommand : public AbstractTreeItem
{
    Q_OBJECT

public:
    explicit ResetCommand(AbstractTreeItem* parent = nullptr);
    ~ResetCommand() override;

    int type() const override { return Reset; }
    void readXML(QXmlStreamReader& reader) override;
    void writeXML(QXmlStreamWriter& writer) override;
};
