#pragma once

#include "romwright_export.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QSerialPort;
class Ui_SerialPortDialog;

// Edits the settings of a serial port that belongs to someone else. Nothing
// reaches the port until the user confirms with OK.
class ROMWRIGHT_EXPORT SerialPortDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SerialPortDialog(QSerialPort* serialPort, QWidget* parent = nullptr);
    ~SerialPortDialog() override;

    void setPortNameEditable(bool editable);
    void setBaudRateEditable(bool editable);
    void setDataBitsEditable(bool editable);
    void setStopBitsEditable(bool editable);
    void setParityEditable(bool editable);

    // Loads the port's current settings before showing, so that a cancelled
    // edit leaves nothing behind.
    void show();

public slots:
    void refresh();
    void accept() override;

protected:
    // The ports present on the system; a test can present its own list.
    virtual QStringList availablePortNames() const;

private:
    void fillSelectors();

    std::unique_ptr<Ui_SerialPortDialog> ui;
    QSerialPort* m_pSerialPort;
    // The names the last refresh found, to tell them from a typed path.
    QStringList m_DetectedNames;
};
