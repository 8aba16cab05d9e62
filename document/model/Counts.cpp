#include "Counts.h"

#include "EnglishPlurals.h"

QString Counts::frames(int count)
{
    return EnglishPlurals::forms(tr("%n frame(s)", nullptr, count), count);
}

QString Counts::units(int count)
{
    return EnglishPlurals::forms(tr("%n unit(s)", nullptr, count), count);
}
