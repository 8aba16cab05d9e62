#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class FlashRun;
class MspFlasher;
class QSerialPort;
class Recipe;
class StopSignals;

// The romwright program: "flash" (the default), "check", "station" and
// "recipe", with their options, outputs and exit statuses.
class CommandLine : public QObject
{
    Q_OBJECT

public:
    enum ExitStatus
    {
        Success = 0,
        DeviceFailed = 1,
        BadFile = 2,
        PortFailed = 3,
        Canceled = 4,
        Usage = 64,
    };

    explicit CommandLine(QObject* parent = nullptr);
    ~CommandLine() override;

    int exec(const QStringList& arguments);

    // Ctrl+C, SIGTERM and SIGHUP cancel a run cleanly instead of killing
    // the program with the port half-written and open.
    void catchInterrupts();

signals:
    void interruptRequested();

private:
    struct Arguments;

    int dispatch(const Arguments& args);
    int recipeCommand(const Arguments& args);
    int writeRecipe(Recipe* recipe, const QString& output);
    int checkCommand(const Arguments& args, const QString& model, const QString& firmware);
    int flashCommand(const Arguments& args, const QString& model, const QString& firmware, bool station);
    int recipeStation(const Arguments& args);
    int runStation(const Arguments& args, const QString& model, int baudRate, const QString& firmware);
    int flashMany(const QString& model, const QStringList& ports, int baudRate, const QString& firmware,
        const QString& logPath);
    int flash(const QString& model, const QString& port, int baudRate, const QString& firmware);
    int check(const QString& model, const QString& firmware);
    void interrupted();
    void allowVectorArea(FlashRun* run);
    void hintVectorOption(const FlashRun& run);

    std::unique_ptr<QSerialPort> m_pSerialPort;
    std::unique_ptr<MspFlasher> m_pMspFlasher;
    std::unique_ptr<FlashRun> m_pFlashRun;
    std::unique_ptr<StopSignals> m_pStopSignals;
    bool m_WriteVectorArea = false;
    bool m_Interrupted = false;
    bool m_UnitReport = false;
};
