#pragma once

#include "PanelCommand.h"
#include "kamdeldocument_export.h"

#include <QObject>

class QSerialPort;

// Sends command words and program images to a running panel over an open
// port, with the panel's pacing: 10 ms after a word, 100 ms after a block.
// Events are processed between the steps, so a window stays responsive and
// a Cancel click arrives; a canceled write stops after the current block.
class KAMDELDOCUMENT_EXPORT PanelWriter : public QObject
{
    Q_OBJECT

public:
    enum class Result
    {
        Finished,
        Canceled,
        Failed
    };

    static constexpr int CommandPauseMs = 10;
    static constexpr int BlockPauseMs = 100;

    explicit PanelWriter(QSerialPort* port, QObject* parent = nullptr);
    ~PanelWriter() override;

    // Writes and waits until the bytes have left; false when the port failed.
    bool writeBytes(const QByteArray& bytes);
    // The word, then the pause.
    bool sendWord(PanelCommand::Word word);
    // Every block of `image`, then Reset. The port stays open.
    Result writeProgram(const QByteArray& image);

    bool isWriting() const { return m_writing; }

public slots:
    void cancel();

signals:
    void progress(int blocksSent, int blocksTotal);

private:
    QSerialPort* m_port;
    bool m_writing = false;
    bool m_canceled = false;
};
