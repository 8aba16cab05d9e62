#pragma once

#include "romwright_export.h"
#include "sBSLPacket.h"
#include "sMemory.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <csignal>
#include <cstdint>
#include <initializer_list>

class QSerialPort;
class QTextStream;

// Protocol engine for the CRC-checking MSP430 serial boot loader: one request
// packet at a time, each answered by a single byte. The variants supply the
// device operations for their memory layout; `crate` picks the variant for a
// model name.
class ROMWRIGHT_EXPORT MspFlasher : public QObject
{
    Q_OBJECT

public:
    // Addresses travel as three bytes, so nothing at or above this can be
    // reached on the device.
    static constexpr uint32_t AddressSpace = 0x1000000;
    // The length byte covers command, three address bytes and the data.
    static constexpr uint32_t MaxDataPerPacket = 255 - 4;

    explicit MspFlasher(const QString& mpu, QSerialPort* serialPort);
    ~MspFlasher() override;

    // An inclusive address range of the device's memory.
    struct sRange
    {
        uint32_t first;
        uint32_t last;
    };

    // Above the application and below 64 KiB: where the boot loader keeps the
    // interrupt vectors. Images may carry bytes here; they are written only
    // when the user agrees and are never covered by the checksum.
    static constexpr sRange VectorArea = { 0xF800, 0xFFFF };

    // The bytes an image puts into the vector area.
    struct VectorAreaUse
    {
        int count = 0;
        uint32_t first = 0;
        uint32_t last = 0;
    };

    // Neither file format may yield more data than this: more than any
    // supported device holds, however the addresses are laid out.
    static constexpr int MaxImageBytes = 0x240000;

    bool readMemoryFile(QTextStream& stream);
    // Reads TI-TXT or Intel HEX, told apart by their content.
    bool readImage(const QByteArray& content);
    // Where and why the last refused file was refused: "line 3: value 1FF is not a byte".
    QString readError() const;
    const QList<sMemory>& memoryData() const { return m_MemoryData; }

    // The memory the image may be written to; anything else is refused
    // before the device is erased.
    virtual QList<sRange> writableRanges() const;
    // False with the first address of the image (in file order) that lies
    // neither in the writable ranges nor in the vector area.
    bool fitsMemory(uint32_t* offending) const;
    // Distinct addresses of the vector area the image writes, and the lowest
    // and highest of them.
    VectorAreaUse vectorAreaUse() const;
    // "0x4000-0xF7FF, 0x10000-0x23FF7"
    QString writableRangesText() const;
    // The checksum the device verifies before it starts the application.
    virtual uint16_t applicationChecksum() const;

    void init();
    void cancel();
    bool canceled() const;
    // A flag that a signal handler sets (not owned): once it is non-zero every
    // request is refused as after cancel(), even before the event loop could
    // deliver the news. init() does not clear it.
    void watchCancelFlag(const volatile std::sig_atomic_t* flag) { m_pCancelFlag = flag; }
    // Request packets put on the line so far: whether a step reached the
    // device at all, when it fails or is canceled.
    int requestsSent() const { return m_RequestsSent; }

    virtual bool verifyDevice() = 0;
    virtual bool eraseDevice() = 0;
    virtual bool flashDevice() = 0;
    virtual bool jumpToApplication() = 0;

    static MspFlasher* crate(const QString& mpu, QSerialPort* serialPort);
    static QStringList modelNames();
    // "0x0200", "0x23FF7": how addresses appear in reports.
    static QString addressText(uint32_t address);
    // A token of a refused file as a message quotes it: its first 40
    // characters, so that a file of one endless token is not echoed whole.
    static QString quoted(const QStringRef& token);
    // Why a file with more than MaxImageBytes of data is refused.
    static QString tooMuchData();

signals:
    void progress(int value);
    void message(const QString& text);

protected:
    char getResponse(int timeOut);
    void sendSingleByte(char c);
    char sendCommand(uint8_t cmd);
    char sendDataArray(uint32_t addr, const uint8_t* data, uint32_t len);
    void sendPacket(const tBSLPacket& packet);
    void showError(char code);

    // The device operations, shared by the variants.
    bool requestVersion();
    bool requestErase();
    bool writeImage(uint32_t crcAddr, uint16_t checksum);
    bool requestJump();
    // CRC-16/CCITT-FALSE of the ranges as the device holds them after the
    // image is written: erased bytes read 0xFF and where segments overlap the
    // one written last wins.
    uint16_t areaChecksum(std::initializer_list<sRange> ranges) const;

    QString m_MPU;
    QList<sMemory> m_MemoryData;
    QSerialPort* m_pSerialPort;
    QByteArray m_Response;
    bool m_Cancel;
    int m_ErrorLine = 0;
    QString m_ErrorReason;

private:
    uint16_t packetCRC(tBSLPacket& packet);
    const volatile std::sig_atomic_t* m_pCancelFlag = nullptr;
    int m_RequestsSent = 0;
    void drainInput();
};
