#pragma once

#include <QString>

// Names compared as a person reads them: runs of digits as numbers ("f2"
// before "f10"), letters regardless of case. Names equal that way still
// differ by their exact text, so the order is total.
class NaturalOrder
{
public:
    // Negative, zero or positive as `a` sorts before, with or after `b`.
    static int compare(const QString& a, const QString& b);
};
