#pragma once

#include "kamdeldocument_export.h"
#include "model/RingGeometry.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

#include <bitset>

// The panel's program memory and the interpreter that steps through it.
//
// Blocks are stored at 32 x their number. A run of blocks is one write; the
// image it leaves is taken over (and the program restarted) when the next
// command word arrives. Stepping runs commands until an LED frame is shown
// or the program holds; a held program stays where it is. The virtual panel,
// the editor's playback and the command line all run programs through it.
class KAMDELDOCUMENT_EXPORT PanelProgram
{
public:
    static constexpr int MemorySize = 8000;
    static constexpr int BlockSize = 32;
    static constexpr int LedCount = RingGeometry::LedCount;
    static constexpr int BitmapSize = LedCount / 8;
    static constexpr int MaxCallDepth = 16;
    static constexpr int MaxStepsPerFrame = 100000;

    enum class Variant
    {
        Auto,
        LsbFirst,
        MsbFirst
    };

    struct Step
    {
        enum Kind
        {
            Frame,
            Hold
        };
        Kind kind = Hold;
        int offset = 0; // of the frame's opcode, or of the command the program holds at
        int frameNumber = 0; // frames shown since the program started, from 1
        QString holdReason; // STOP, RETURN, END, LOOP, BADOP, STACK
        QStringList notes; // what happened on the way (restarts, skipped calls)
    };

    enum class StoreResult
    {
        Stored,
        OutOfOrder,
        BeyondMemory
    };

    explicit PanelProgram(Variant variant);

    StoreResult storeBlock(int number, const QByteArray& bytes);
    int expectedBlock() const { return m_expectedBlock; }
    bool writing() const { return m_writing; }
    QByteArray takeOverImage();
    // Stores `image` as a write of its blocks would and takes it over.
    void load(const QByteArray& image);

    void restart();
    Step next();
    // Goes on from `offset` with the frames counted so far; open calls are
    // forgotten. For a program replaced while it runs.
    void continueAt(int offset);
    int position() const { return m_pc; }
    int frameCount() const { return m_frameCount; }

    int variantNumber() const { return m_msbFirst ? 2 : 1; }
    int startOffset() const { return m_msbFirst ? 4 : 0; }
    const std::bitset<LedCount>& leds() const { return m_leds; }
    int imageSize() const { return m_imageSize; }

    // The 192 LEDs as 48 hex digits, LED 0 first and as the top bit of the
    // first digit, whatever the bit order of the image.
    static QString ledsToHex(const std::bitset<LedCount>& leds);
    // The 192 LEDs as "0"/"1", LED 0 first.
    static QString ledsToBits(const std::bitset<LedCount>& leds);

    // Compiler addresses count from 2 at the first command.
    int addressToOffset(int address) const { return m_msbFirst ? address + 2 : address - 2; }
    int offsetToAddress(int offset) const { return m_msbFirst ? offset - 2 : offset + 2; }

private:
    int byteAt(int offset) const { return static_cast<unsigned char>(m_memory.at(offset)); }
    Step hold(const QString& reason, int offset, QStringList notes) const;

    const Variant m_variant;
    QByteArray m_memory;
    bool m_writing = false;
    int m_expectedBlock = 0;
    int m_writeEnd = 0;
    int m_imageSize = 0;
    bool m_msbFirst = false;

    int m_pc = 0;
    int m_frameCount = 0;
    QVector<int> m_stack;
    std::bitset<LedCount> m_leds;
};
