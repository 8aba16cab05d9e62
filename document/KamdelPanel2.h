#pragma once

#include "KamdelDocument.h"

// The ZQ-RING-B panel: file version "2.0", compiler variant 2.
class KAMDELDOCUMENT_EXPORT KamdelPanel2 : public KamdelDocument
{
    Q_OBJECT

public:
    explicit KamdelPanel2(QWidget* parent = nullptr);
    ~KamdelPanel2() override;

    static bool isValid_XML(const QString& fileName);
    static KamdelDocument* newDocument();
};
