#pragma once

#include "Helper/ImageReader.h"
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
    // The length byte covers command, three address bytes and the data.
    static constexpr uint32_t MaxDataPerPacket = 255 - 4;

    explicit MspFlasher(const QString& mpu, QSerialPort* serialPort);
    ~MspFlasher() override;

    // An inclusive address range of the device's memory.
    using sRange = FirmwareImage::Range;
    // The bytes an image puts into the vector area.
    using VectorAreaUse = FirmwareImage::VectorAreaUse;

    bool readMemoryFile(QTextStream& stream);
    // Reads TI-TXT or Intel HEX, told apart by their content.
    bool readImage(const QByteArray& content);
    // Where and why the last refused file was refused: "line 3: value 1FF is not a byte".
    QString readError() const;
    // What the last file read leaves in doubt: "The file has no end mark 'q'; ..."
    QStringList readWarnings() const { return m_Reader.image().warnings(); }
    const QList<sMemory>& memoryData() const { return m_Reader.image().segments(); }

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
    // The last write failed because the port went away mid-write.
    bool unplugged() const { return m_Unplugged; }

    virtual bool verifyDevice() = 0;
    virtual bool eraseDevice() = 0;
    virtual bool flashDevice() = 0;
    virtual bool jumpToApplication() = 0;

    static MspFlasher* crate(const QString& mpu, QSerialPort* serialPort);
    static QStringList modelNames();
    // "0x0200", "0x23FF7": how addresses appear in reports.
    static QString addressText(uint32_t address);

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
    // The image's checksum over the ranges, as the device computes it.
    uint16_t areaChecksum(std::initializer_list<sRange> ranges) const;

    QString m_MPU;
    QSerialPort* m_pSerialPort;
    QByteArray m_Response;
    bool m_Cancel;

private:
    uint16_t packetCRC(tBSLPacket& packet);
    bool portGone() const;
    // Reports a block the device did not take; false.
    bool writeFailed(char answer, int percent);
    // The file read last: the image to write, or why it was refused.
    ImageReader m_Reader;
    const volatile std::sig_atomic_t* m_pCancelFlag = nullptr;
    int m_RequestsSent = 0;
    bool m_Unplugged = false;
    void drainInput();
};
