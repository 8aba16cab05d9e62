#include "PanelWriter.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QThread>

namespace {
// A 36-byte block takes about 6 ms at 57600 baud; a port that has not taken
// it after this long is gone.
constexpr int WriteTimeoutMs = 2000;
} // namespace

PanelWriter::PanelWriter(QSerialPort* port, QObject* parent)
    : QObject(parent)
    , m_port(port)
{
}

PanelWriter::~PanelWriter() = default;

bool PanelWriter::writeBytes(const QByteArray& bytes)
{
    if (!m_port->isOpen() || m_port->write(bytes) != bytes.size())
        return false;
    m_port->flush();
    if (m_port->bytesToWrite() > 0)
        m_port->waitForBytesWritten(WriteTimeoutMs);
    const QSerialPort::SerialPortError error = m_port->error();
    return m_port->isOpen() && m_port->bytesToWrite() == 0
        && (error == QSerialPort::NoError || error == QSerialPort::TimeoutError);
}

bool PanelWriter::sendWord(PanelCommand::Word word)
{
    const bool written = writeBytes(PanelCommand::word(word));
    QCoreApplication::processEvents();
    QThread::msleep(CommandPauseMs);
    return written;
}

PanelWriter::Result PanelWriter::writeProgram(const QByteArray& image)
{
    m_writing = true;
    m_canceled = false;
    const int blocks = PanelCommand::blockCount(image.size());
    emit progress(0, blocks);
    Result result = Result::Finished;
    for (int n = 0; n < blocks; ++n) {
        if (!writeBytes(PanelCommand::block(image, n))) {
            result = Result::Failed;
            break;
        }
        emit progress(n + 1, blocks);
        QCoreApplication::processEvents();
        QThread::msleep(BlockPauseMs);
        QCoreApplication::processEvents();
        if (m_canceled) {
            result = Result::Canceled;
            break;
        }
    }
    if (result == Result::Finished && !sendWord(PanelCommand::Reset))
        result = Result::Failed;
    m_writing = false;
    return result;
}

void PanelWriter::cancel()
{
    if (m_writing)
        m_canceled = true;
}
