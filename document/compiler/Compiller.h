#pragma once

#include "CodeRecord.h"
#include "FunctionEntry.h"
#include "kamdeldocument_export.h"
#include "model/DeviceItem.h"

#include <QByteArray>
#include <QList>
#include <QPointer>

// Turns a document's command tree into the panel's byte image. The variants
// differ only in the bit order of LED frames and in the image prefix.
class KAMDELDOCUMENT_EXPORT Compiller
{
public:
    // Opcodes understood by the panel firmware.
    enum Opcode : char
    {
        OpStop = 0x00,
        OpReset = 0x01,
        OpLedStates = 0x03,
        OpReturn = 0x04,
        OpCall = 0x05,
    };
    static constexpr qint32 FirstAddress = 2;

    explicit Compiller(DeviceItem* device);
    virtual ~Compiller();

    virtual QByteArray createBinnary() = 0;
    virtual void compileItem(AbstractTreeItem* item, int& address) = 0;

    void compile();
    // The bytes one LED frame of `ledCount` LEDs takes in the image.
    static int frameCodeSize(int ledCount) { return 1 + (ledCount + 7) / 8; }
    // The bytes the command of an item of `type` takes in the image, a frame
    // of `ledCount` LEDs; 0 for a Program or Function, which only hold
    // commands. Both variants emit the same sizes.
    static int commandSize(int type, int ledCount);
    // The bytes `item` and every command below it take in the image, with
    // the frames of its device.
    static int codeSize(const AbstractTreeItem* item);

    const QList<CodeRecord>& codeRecords() const { return records; }
    const QList<qint32>& programAddressList() const { return programAddresses; }
    const QList<FunctionEntry>& functions() const { return functionTable; }

protected:
    // The walk and the encoding shared by both variants; `setLedBit` places
    // LED i of a frame into its bitmap.
    void compileCommon(AbstractTreeItem* item, int& address);
    virtual void setLedBit(QByteArray& bitmap, int led) const = 0;
    QByteArray recordsCode() const;

    // Guarded: a compiler that outlives its tree compiles nothing instead of
    // walking freed items.
    QPointer<DeviceItem> device;
    QList<CodeRecord> records;
    QList<qint32> programAddresses;
    QList<FunctionEntry> functionTable;

private:
    Q_DISABLE_COPY(Compiller)
    void emitRecord(AbstractTreeItem* item, const QByteArray& code, int& address);
};
