#pragma once

#include "romwright_export.h"

#include <QMainWindow>
#include <QSerialPort>

#include <memory>

class QSettings;
class RomwrightPrivate;
class Ui_Romwright;

// Writes a TI-TXT application image into the board's microcontroller through
// its serial boot loader, with report, progress, status and cancel.
class ROMWRIGHT_EXPORT Romwright : public QMainWindow
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(Romwright)

public:
    // flashCommand: bytes that make the running board enter its boot loader;
    // empty when the board is already waiting in it.
    explicit Romwright(const QString& mpu, const QByteArray& flashCommand, QWidget* parent = nullptr);
    ~Romwright() override;

    static QString version();

    void setImagePath(const QString& path);
    void setPortName(const QString& port, bool editable);
    void setBaudRate(int baudrate, bool editable);
    void setDataBits(QSerialPort::DataBits dataBits, bool editable);
    void setStopBits(QSerialPort::StopBits stopBits, bool editable);
    void setParity(QSerialPort::Parity parity, bool editable);
    // Where the last firmware file and port of the model are kept (not
    // owned); both are restored at once and saved whenever they are used.
    void setSettings(QSettings* settings);

signals:
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<RomwrightPrivate> d_ptr;
    std::unique_ptr<Ui_Romwright> ui;
};
