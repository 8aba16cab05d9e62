#include "NaturalOrder.h"

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int endOfDigits(const QString& text, int from)
{
    while (from < text.size() && isDigit(text.at(from)))
        ++from;
    return from;
}

// Two runs of digits by their value.
int compareDigits(const QString& a, int aFrom, int aTo, const QString& b, int bFrom, int bTo)
{
    while (aFrom < aTo - 1 && a.at(aFrom) == QLatin1Char('0'))
        ++aFrom;
    while (bFrom < bTo - 1 && b.at(bFrom) == QLatin1Char('0'))
        ++bFrom;
    if (aTo - aFrom != bTo - bFrom)
        return (aTo - aFrom) < (bTo - bFrom) ? -1 : 1;
    for (; aFrom < aTo; ++aFrom, ++bFrom) {
        if (a.at(aFrom) != b.at(bFrom))
            return a.at(aFrom) < b.at(bFrom) ? -1 : 1;
    }
    return 0;
}

} // namespace

int NaturalOrder::compare(const QString& a, const QString& b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a.at(i)) && isDigit(b.at(j))) {
            const int iEnd = endOfDigits(a, i);
            const int jEnd = endOfDigits(b, j);
            if (const int order = compareDigits(a, i, iEnd, b, j, jEnd))
                return order;
            i = iEnd;
            j = jEnd;
            continue;
        }
        const QChar x = a.at(i).toLower();
        const QChar y = b.at(j).toLower();
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return QString::compare(a, b);
}
