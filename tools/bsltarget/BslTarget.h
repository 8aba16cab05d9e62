#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// The boot loader's side of the line: parses requests byte by byte, keeps the
// device memory of one model and decides each answer. It does no I/O, so the
// program around it chooses how bytes arrive and when answers leave.
class BslTarget
{
public:
    struct Model
    {
        const char* name;
        uint32_t crcAddr;
        uint32_t start;
        uint32_t end;
        // Zero on the models with a single range.
        uint32_t start2;
        uint32_t end2;
    };

    enum class FaultKind
    {
        Silent, // the request is lost: no effect, no answer
        Answer, // the request is refused with a given answer byte
        Corrupt, // the request takes effect but its answer arrives garbled
    };

    struct Fault
    {
        FaultKind kind;
        uint8_t answer; // FaultKind::Answer only
        int request; // 1-based request number
        bool onward; // also every later request
    };

    // What a completed (or rejected) request produced.
    struct Reply
    {
        bool answered = false;
        uint8_t answer = 0;
        QString line; // one line of log text, no line end
        bool jumped = false;
        bool closeLine = false;
    };

    static const Model* findModel(const QString& name);
    static QStringList modelNames();
    static uint16_t crc16(uint16_t crc, const uint8_t* data, size_t size);
    // Parses "silent@N", "answer=HH@N" or "corrupt@N", N optionally followed by "+".
    static bool parseFault(const QString& text, Fault* fault);

    explicit BslTarget(const Model& model, int fill);

    void setVersionAnswer(uint8_t answer) { m_VersionAnswer = answer; }
    void addFault(const Fault& fault) { m_Faults.append(fault); }
    void setCloseAfter(int requests) { m_CloseAfter = requests; }
    // A boot loader whose own interrupt vectors lie in the vector area
    // refuses writes there and keeps it through the erase.
    void setGuardVectors(bool guard) { m_GuardVectors = guard; }

    // Feeds one received byte; returns true and fills `reply` when it ends a request.
    bool feed(uint8_t byte, Reply* reply);

    bool applicationValid(uint16_t* computed, uint16_t* stored) const;
    // The writable area in address order: first range, then the second one.
    QByteArray writableImage() const;
    // 0xF800-0xFFFF, written on request but outside the application check.
    QByteArray vectorArea() const;
    int requests() const { return m_Requests; }
    // The closing lines: the application check verdict, then the digests of
    // the writable area and of the vector area.
    QStringList summary() const;

private:
    enum class State
    {
        Header,
        Length,
        Payload,
        CrcLow,
        CrcHigh
    };

    void finish(uint8_t answer, const QString& what, Reply* reply);
    void execute(Reply* reply);
    bool writable(uint32_t address) const;
    const Fault* faultFor(int request) const;
    void erase();

    const Model m_Model;
    QByteArray m_Memory;
    uint8_t m_VersionAnswer = 0xA1;
    QList<Fault> m_Faults;
    int m_CloseAfter = 0;
    bool m_GuardVectors = false;
    int m_Requests = 0;

    State m_State = State::Header;
    int m_Length = 0;
    QByteArray m_Payload;
    uint16_t m_ReceivedCrc = 0;
};
