#pragma once

#include "MspFlasher/sMemory.h"
#include "romwright_export.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>

// The bytes a firmware file asks to write, as runs of contiguous addresses in
// file order, and what can be told about them without a device: whether they
// fit a memory layout, what they put into the vector area and the checksum
// the device will compute over them.
class ROMWRIGHT_EXPORT FirmwareImage
{
public:
    // The boot loader's packets carry three address bytes, so nothing at or
    // above this can be reached on the device.
    static constexpr uint32_t AddressSpace = 0x1000000;
    // Neither file format may yield more data than this: more than any
    // supported device holds, however the addresses are laid out.
    static constexpr int MaxBytes = 0x240000;

    // An inclusive address range of the device's memory.
    struct Range
    {
        uint32_t first;
        uint32_t last;
    };

    // Above the application and below 64 KiB: where the boot loader keeps the
    // interrupt vectors. Images may carry bytes here; they are written only
    // when the user agrees and are never covered by the checksum.
    static constexpr Range VectorArea = { 0xF800, 0xFFFF };

    // The bytes an image puts into the vector area.
    struct VectorAreaUse
    {
        int count = 0;
        uint32_t first = 0;
        uint32_t last = 0;
    };

    FirmwareImage() = default;
    explicit FirmwareImage(const QList<sMemory>& segments);

    const QList<sMemory>& segments() const { return m_Segments; }
    // What the reader found doubtful in a file it read all the same.
    const QStringList& warnings() const { return m_Warnings; }
    void addWarning(const QString& warning) { m_Warnings << warning; }

    // False with the first address (in file order) that lies neither in
    // `writable` nor in the vector area.
    bool fits(const QList<Range>& writable, uint32_t* offending) const;
    // Distinct addresses of the vector area the image writes, and the lowest
    // and highest of them.
    VectorAreaUse vectorAreaUse() const;
    // CRC-16/CCITT-FALSE of the ranges as the device holds them after the
    // image is written: erased bytes read 0xFF and where segments overlap the
    // one written last wins.
    uint16_t checksum(std::initializer_list<Range> ranges) const;

    // Why a file with more than MaxBytes of data is refused.
    static QString tooMuchData();

private:
    QList<sMemory> m_Segments;
    QStringList m_Warnings;
};
