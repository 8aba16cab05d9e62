#include "LowLatencyGuard.h"

#include <QSerialPort>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

LowLatencyGuard::LowLatencyGuard(QSerialPort* port)
{
#ifdef Q_OS_LINUX
    if (!port || !port->isOpen() || port->handle() < 0)
        return;
    serial_struct info {};
    // Pseudo-terminals and many built-in ports do not know the request.
    if (::ioctl(port->handle(), TIOCGSERIAL, &info) != 0 || (info.flags & ASYNC_LOW_LATENCY))
        return;
    const int descriptor = ::fcntl(port->handle(), F_DUPFD_CLOEXEC, 0);
    if (descriptor < 0)
        return;
    info.flags |= ASYNC_LOW_LATENCY;
    if (::ioctl(descriptor, TIOCSSERIAL, &info) != 0) {
        ::close(descriptor);
        return;
    }
    m_Descriptor = descriptor;
#else
    Q_UNUSED(port)
#endif
}

LowLatencyGuard::~LowLatencyGuard()
{
#ifdef Q_OS_LINUX
    if (m_Descriptor < 0)
        return;
    serial_struct info {};
    // A device that vanished meanwhile has nothing left to restore.
    if (::ioctl(m_Descriptor, TIOCGSERIAL, &info) == 0) {
        info.flags &= ~ASYNC_LOW_LATENCY;
        ::ioctl(m_Descriptor, TIOCSSERIAL, &info);
    }
    ::close(m_Descriptor);
#endif
}
