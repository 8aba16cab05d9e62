#pragma once

#include "KamdelDocument.h"

// The ZQ-RING-A panel: file version "1.0", compiler variant 1.
class KAMDELDOCUMENT_EXPORT KamdelPanel1 : public KamdelDocument
{
    Q_OBJECT

public:
    explicit KamdelPanel1(QWidget* parent = nullptr);
    ~KamdelPanel1() override;

    static bool isValid_XML(const QString& fileName);
    static KamdelDocument* newDocument();
};
