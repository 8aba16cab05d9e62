#pragma once

#include "Compiller.h"

class KAMDELDOCUMENT_EXPORT Compiller_v2 : public Compiller
{
public:
    explicit Compiller_v2(DeviceItem* device);
    ~Compiller_v2() override;

    QByteArray createBinnary() override;
    void compileItem(AbstractTreeItem* item, int& address) override;

protected:
    void setLedBit(QByteArray& bitmap, int led) const override;
};
