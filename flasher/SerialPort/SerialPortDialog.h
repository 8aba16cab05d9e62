#pragma once

#include "romwright_export.h"

#include <QDialog>
#include <QMap>
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

    // The ports in the order the list shows them: COM2 before COM10.
    static QStringList sortedPortNames(QStringList names);

public slots:
    void refresh();
    void accept() override;

protected:
    struct PortDetails
    {
        QString description;
        QString serialNumber;
    };

    // The ports present on the system; a test can present its own list.
    virtual QStringList availablePortNames() const;
    // What the system tells of them, by port name, so that two adapters of
    // the same kind can be told apart.
    virtual QMap<QString, PortDetails> portDetails() const;

private:
    void fillSelectors();

    std::unique_ptr<Ui_SerialPortDialog> ui;
    QSerialPort* m_pSerialPort;
    // The names the last refresh found, to tell them from a typed path.
    QStringList m_DetectedNames;
};
