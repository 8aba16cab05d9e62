#include "PortCommand.h"

#include "CliContext.h"
#include "Fleet/PortFleet.h"
#include "Fleet/UnitReporter.h"
#include "Helper/CRC.h"
#include "Helper/LowLatencyGuard.h"
#include "Helper/PortIdentity.h"
#include "Helper/StopSignals.h"
#include "model/PanelDocument.h"
#include "player/PanelCommand.h"
#include "player/PanelWriter.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSerialPort>

#include <unistd.h>

PortCommand::PortCommand(CliContext& context)
    : CliCommand(context)
{
}

QStringList PortCommand::names() const
{
    return { QStringLiteral("write"), QStringLiteral("reset"), QStringLiteral("next") };
}

QList<QCommandLineOption> PortCommand::options() const
{
    // A write over several ports runs a kamdel per port with this option.
    QCommandLineOption unitOption { QString::fromLatin1(UnitReporter::Option) };
    unitOption.setFlags(QCommandLineOption::HiddenFromHelp);
    return {
        { QStringLiteral("port"),
            tr("write, reset, next: the serial port; write: repeat it for several panels at once."),
            QStringLiteral("port") },
        { QStringLiteral("ports"), tr("write: several ports, separated by commas."),
            QStringLiteral("A,B,...") },
        { QStringLiteral("log"), tr("write: append a CSV line per panel to the file (header when new)."),
            QStringLiteral("file") },
        unitOption,
    };
}

int PortCommand::run(const QCommandLineParser& parser)
{
    const QStringList args = parser.positionalArguments();
    const QString& command = args.at(0);
    const bool isWrite = command == QLatin1String("write");
    if (args.size() != (isWrite ? 2 : 1))
        return m_context.wrongUse(command);
    QStringList ports;
    QString problem;
    if (!PortFleet::collectPorts(
            parser.values(QStringLiteral("port")), parser.values(QStringLiteral("ports")), &ports, &problem))
        return m_context.usage(problem);
    if (ports.isEmpty())
        return m_context.usage(tr("%1 needs --port").arg(command));
    const QString logPath = parser.value(QStringLiteral("log"));
    const bool several = ports.size() > 1 || parser.isSet(QStringLiteral("log"));
    if (isWrite && several)
        return writeMany(args.at(1), ports, logPath);
    if (several)
        return m_context.usage(tr("%1 takes one port and no log").arg(command));
    if (!isWrite)
        return sendWord(ports.first(), command == QLatin1String("next"));
    m_context.setUnitReport(parser.isSet(QString::fromLatin1(UnitReporter::Option)));
    return write(args.at(1), ports.first());
}

bool PortCommand::open(QSerialPort* port, const QString& portName)
{
    port->setPortName(PortIdentity::portName(portName));
    port->setBaudRate(QSerialPort::Baud57600);
    if (port->open(QIODevice::ReadWrite))
        return true;
    m_context.printError(tr("cannot connect to serial port %1 (%2)").arg(portName, port->errorString()));
    return false;
}

int PortCommand::write(const QString& file, const QString& portName)
{
    // Ctrl+C, kill and a closed terminal all cancel a write cleanly: the
    // current block is finished and the user is told what the panel holds.
    const StopSignals stop;
    QByteArray image;
    if (!m_context.loadForPanel(file, &image))
        return CliContext::BadInput;
    QSerialPort port(portName);
    if (!open(&port, portName))
        return CliContext::PortUnavailable;
    const LowLatencyGuard lowLatency(&port);
    m_context.print(tr("Memory use %1% (%2 of %3).")
                        .arg(image.size() / 80)
                        .arg(image.size())
                        .arg(PanelCommand::ProgramMemory));
    PanelWriter writer(&port);
    int blocksSent = 0;
    int blocksTotal = PanelCommand::blockCount(image.size());
    QObject::connect(
        &writer, &PanelWriter::progress, &writer, [&blocksSent, &blocksTotal](int sent, int total) {
            blocksSent = sent;
            blocksTotal = total;
        });
    QObject::connect(&stop, &StopSignals::stopRequested, &writer, &PanelWriter::cancel);
    showProgress(&writer, image.size());
    PanelWriter::Result result = PanelWriter::Result::Canceled;
    if (!StopSignals::requested())
        result = writer.writeProgram(image);
    port.close();
    if (result == PanelWriter::Result::Canceled) {
        if (::isatty(fileno(m_context.err())) && blocksSent > 0 && blocksSent < blocksTotal)
            std::fputc('\n', m_context.err());
        m_context.printError(blocksSent == 0
                ? tr("writing canceled before the first block; the program on the panel is unchanged")
                : tr("writing canceled after block %1 of %2; the program on the panel is incomplete")
                      .arg(blocksSent)
                      .arg(blocksTotal));
        return CliContext::Canceled;
    }
    if (result != PanelWriter::Result::Finished) {
        m_context.printError(
            tr("writing to serial port %1 failed (%2); the program on the panel is incomplete")
                .arg(portName, port.errorString()));
        return CliContext::LineFailed;
    }
    return CliContext::Success;
}

void PortCommand::showProgress(PanelWriter* writer, int bytes)
{
    std::FILE* out = m_context.out();
    std::FILE* err = m_context.err();
    if (m_context.unitReport()) {
        UnitReporter::becomeUnit();
        QObject::connect(writer, &PanelWriter::progress, writer, [out, bytes](int sent, int total) {
            std::fprintf(out, "progress %d\nbytes %d\n", total ? sent * 100 / total : 100,
                std::min(sent * PanelCommand::BlockSize, bytes));
            std::fflush(out);
        });
    } else if (::isatty(fileno(err))) {
        QObject::connect(writer, &PanelWriter::progress, writer, [err](int sent, int total) {
            std::fprintf(err, "\rblock %d of %d", sent, total);
            if (sent == total)
                std::fputc('\n', err);
            std::fflush(err);
        });
    }
}

// Each panel is written by a kamdel of its own (see PortFleet): a panel that
// stalls or vanishes holds up no other.
int PortCommand::writeMany(const QString& file, const QStringList& ports, const QString& logPath)
{
    QByteArray image;
    const std::unique_ptr<PanelDocument> document = m_context.loadForPanel(file, &image);
    if (!document)
        return CliContext::BadInput;
    CRC_CCITT crc;
    crc.add(reinterpret_cast<const uint8_t*>(image.constData()), image.size());

    PortFleet::Job job;
    job.tool = QStringLiteral("kamdel");
    job.program = QCoreApplication::applicationFilePath();
    job.arguments = QStringList { QStringLiteral("write"), file };
    job.model = document->panelModel();
    job.file = QFileInfo(file).absoluteFilePath();
    job.crc = QStringLiteral("0x%1")
                  .arg(crc.crc(), 4, 16, QLatin1Char('0'))
                  .toUpper()
                  .replace(QLatin1String("0X"), QLatin1String("0x"));
    job.bytes = image.size();
    job.logPath = logPath;
    PortFleet fleet(job, m_context.out(), m_context.err());
    return fleet.runAll(ports);
}

int PortCommand::sendWord(const QString& portName, bool next)
{
    QSerialPort port(portName);
    if (!open(&port, portName))
        return CliContext::PortUnavailable;
    PanelWriter writer(&port);
    const bool sent = writer.sendWord(next ? PanelCommand::Next : PanelCommand::Reset);
    port.close();
    if (!sent) {
        m_context.printError(tr("writing to serial port %1 failed").arg(portName));
        return CliContext::LineFailed;
    }
    return CliContext::Success;
}
