#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class MspFlasher;
class QFile;
class QSerialPort;
class Romwright;
class SerialPortDialog;

// State and flashing sequence of the flasher window.
class RomwrightPrivate : public QObject
{
    Q_OBJECT
    Q_DECLARE_PUBLIC(Romwright)

public:
    explicit RomwrightPrivate(Romwright* q, const QString& mpu, const QByteArray& flashCommand);
    ~RomwrightPrivate() override;

    // A close during a run cancels it; the window closes once the run has
    // ended, so that nothing deletes it while the run still uses it.
    bool deferClose();

    Romwright* const q_ptr;
    QByteArray m_FlashCommand;
    std::unique_ptr<QSerialPort> m_pSerialPort;
    std::unique_ptr<MspFlasher> m_pMspFlasher;
    std::unique_ptr<SerialPortDialog> m_pSerialPortDialog;
    QString m_Status;

private slots:
    void updateActions();
    void portSetupDialog();
    void selectFile();
    void flashDevice();
    void cancel();

private:
    void report(const QString& line);
    QString portSummary() const;
    bool runDevice(QFile& image);

    bool m_Running = false;
    bool m_CloseRequested = false;
};
