#include "PortOrder.h"

namespace {

struct PortNameParts
{
    QString prefix;
    QString number; // trailing decimal digits, leading zeros removed
};

PortNameParts splitPortName(const QString& name)
{
    int digits = name.size();
    while (digits > 0 && name.at(digits - 1).isDigit() && name.at(digits - 1).unicode() < 128)
        --digits;
    PortNameParts parts { name.left(digits), name.mid(digits) };
    int zeros = 0;
    while (zeros < parts.number.size() && parts.number.at(zeros) == QLatin1Char('0'))
        ++zeros;
    parts.number.remove(0, zeros);
    return parts;
}

// Compares the trailing numbers by their digits rather than as machine
// integers, so that an absurdly long number cannot overflow.
int compareNumbers(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return QString::compare(a, b, Qt::CaseSensitive);
}

} // namespace

bool PortOrder::less(const QString& a, const QString& b)
{
    const PortNameParts pa = splitPortName(a);
    const PortNameParts pb = splitPortName(b);
    if (pa.prefix != pb.prefix)
        return pa.prefix < pb.prefix;
    const int byNumber = compareNumbers(pa.number, pb.number);
    if (byNumber != 0)
        return byNumber < 0;
    return a < b; // COM01 and COM1: keep a fixed order
}
