#pragma once

#include "romwright_export.h"

#include "MspFlasher/MspFlasher.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QSerialPort;

// The flashing sequence on its own, without a window: open the port, read
// and check the image, verify, erase, write, jump, close, each step reported
// as one line. The flasher window and the command line share it.
class ROMWRIGHT_EXPORT FlashRun : public QObject
{
    Q_OBJECT

public:
    // The values double as the command line's exit statuses.
    enum Outcome
    {
        Succeeded = 0,
        DeviceFailed = 1,
        FileRefused = 2,
        PortFailed = 3,
        Canceled = 4,
    };
    Q_ENUM(Outcome)

    // Neither the engine nor the port is owned.
    explicit FlashRun(MspFlasher* flasher, QSerialPort* serialPort, QObject* parent = nullptr);
    ~FlashRun() override;

    void setFlashCommand(const QByteArray& command) { m_FlashCommand = command; }
    // Asked, with the whole question, whether an image that writes into the
    // vector area may be written; without it such an image is refused.
    void setVectorAreaConfirmation(const std::function<bool(const QString& question)>& confirm)
    {
        m_ConfirmVectorArea = confirm;
    }

    Outcome run(const QString& imagePath);
    // Reads the file into the engine and checks it against the model's
    // memory, asking about bytes in the vector area; the device is not
    // touched.
    bool loadImage(const QString& imagePath);
    bool isRunning() const { return m_Running; }
    // The last image was refused only for its bytes in the vector area,
    // there being no one to ask.
    bool vectorAreaRefused() const { return m_VectorAreaRefused; }

    // "The image writes 32 bytes at 0xFFE0-0xFFFF, above the application, ..."
    static QString vectorAreaReason(const MspFlasher::VectorAreaUse& use);

    // A hint for a port that cannot be opened for lack of rights, naming the
    // group that owns the device file; empty when there is nothing to say.
    static QString permissionHint(const QString& deviceFile);

signals:
    void report(const QString& line);
    // The port is open and the device steps are about to begin.
    void started();

private:
    Outcome runDevice(const QString& imagePath);
    bool openPort();
    bool acceptVectorArea();

    MspFlasher* m_pMspFlasher;
    QSerialPort* m_pSerialPort;
    QByteArray m_FlashCommand;
    std::function<bool(const QString&)> m_ConfirmVectorArea;
    bool m_Running = false;
    // Set once the erase request has gone out: from then on the device holds
    // no valid application until the run completes.
    bool m_EraseSent = false;
    // The user declined to write into the vector area.
    bool m_Declined = false;
    bool m_VectorAreaRefused = false;
};
