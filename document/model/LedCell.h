#pragma once

#include "kamdeldocument_export.h"

// The value of one LED in one frame: 0 off, 1 on. Views keep the address of
// a cell and write into it in place, so cells are never moved.
class KAMDELDOCUMENT_EXPORT LedCell
{
public:
    int value() const { return m_value; }
    void setValue(int value) { m_value = value; }

private:
    int m_value = 0;
};
