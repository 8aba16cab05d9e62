#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class FlashRun;
class MspFlasher;
class QSerialPort;
class QSettings;
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

    // A close during a run asks first; if the user agrees the run is
    // canceled and the window closes once it has ended, so that nothing
    // deletes it while the run still uses it. True: keep the window open.
    bool deferClose();
    // Asks whether to stop a run; a test may answer in its place.
    bool confirmStop();
    // Asks whether to write an image's bytes in the vector area, Cancel
    // being the default; a test may answer in its place.
    bool confirmVectorArea(const QString& question);

    void setSettings(QSettings* settings);
    void remember();

    Romwright* const q_ptr;
    QByteArray m_FlashCommand;
    std::unique_ptr<QSerialPort> m_pSerialPort;
    std::unique_ptr<MspFlasher> m_pMspFlasher;
    std::unique_ptr<SerialPortDialog> m_pSerialPortDialog;
    QString m_Status;
    std::unique_ptr<FlashRun> m_pFlashRun;
    QString m_MPU;
    QSettings* m_pSettings = nullptr;

private slots:
    void updateActions();
    void portSetupDialog();
    void selectFile();
    void flashDevice();
    void cancel();

private:
    void report(const QString& line);
    QString portSummary() const;
    QString settingsKey(const char* name) const;
    QString fileDialogFolder() const;

    bool m_CloseRequested = false;
};
