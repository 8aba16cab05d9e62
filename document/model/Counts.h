#pragma once

#include "kamdeldocument_export.h"

#include <QCoreApplication>
#include <QString>

// Counted words for messages: "1 frame", "3 frames". Each language gives its
// own forms; English, which has no catalogue, gets them from EnglishPlurals.
class KAMDELDOCUMENT_EXPORT Counts
{
    Q_DECLARE_TR_FUNCTIONS(Counts)

public:
    static QString frames(int count);
    static QString units(int count);
};
