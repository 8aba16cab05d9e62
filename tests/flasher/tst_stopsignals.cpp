// Ctrl+C, kill and a closed terminal reach the event loop as one stop each,
// and a closed reader of the output no longer kills the program.
#include "Helper/StopSignals.h"

#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <poll.h>
#include <unistd.h>

class tst_StopSignals : public QObject
{
    Q_OBJECT

private slots:
    void eachSignalIsOneStop();
    void closedReaderIsAnErrorNotADeath();
};

void tst_StopSignals::eachSignalIsOneStop()
{
    StopSignals stop({ SIGINT, SIGTERM, SIGHUP });
    QSignalSpy stops(&stop, &StopSignals::stopRequested);
    QVERIFY(stops.isValid());
    QVERIFY(!StopSignals::requested());
    // Two signals before the event loop looks: the second Ctrl+C must not
    // be lost, the station cancels on it.
    ::raise(SIGINT);
    ::raise(SIGHUP);
    QVERIFY(StopSignals::requested());
    QVERIFY(*StopSignals::flag());
    // A program that polls sees the pipe readable.
    pollfd ready { stop.fd(), POLLIN, 0 };
    QCOMPARE(::poll(&ready, 1, 0), 1);
    QTRY_COMPARE(stops.count(), 2);
    ::raise(SIGTERM);
    QTRY_COMPARE(stops.count(), 3);
}

void tst_StopSignals::closedReaderIsAnErrorNotADeath()
{
    const StopSignals stop;
    int ends[2];
    QCOMPARE(::pipe(ends), 0);
    ::close(ends[0]);
    const char byte = 'x';
    QCOMPARE(::write(ends[1], &byte, 1), ssize_t(-1));
    QCOMPARE(errno, EPIPE);
    ::close(ends[1]);
}

QTEST_GUILESS_MAIN(tst_StopSignals)
#include "tst_stopsignals.moc"
