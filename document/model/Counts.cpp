#include "Counts.h"

QString Counts::frames(int count)
{
    return count == 1 ? tr("1 frame") : tr("%1 frames").arg(count);
}

QString Counts::units(int count)
{
    return count == 1 ? tr("1 unit") : tr("%1 units").arg(count);
}
