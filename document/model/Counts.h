#pragma once

#include "kamdeldocument_export.h"

#include <QCoreApplication>
#include <QString>

// Counted words for messages: "1 frame", "3 frames". The programs load no
// English translation, so the two forms are written out here rather than
// left to a translator's plural rules.
class KAMDELDOCUMENT_EXPORT Counts
{
    Q_DECLARE_TR_FUNCTIONS(Counts)

public:
    static QString frames(int count);
    static QString units(int count);
};
