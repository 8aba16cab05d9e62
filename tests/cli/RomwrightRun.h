#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <pthread.h>

// What one run of romwright left behind.
struct RomwrightResult
{
    int exitCode = -1;
    QStringList out;
    QString err;
};

// Runs the program to its end; `whileRunning` sees each standard-output line as it comes.
// `blockedAtStart`: a signal sent the moment the program starts, held back
// (blocked) until the program is ready to take it. `input`: a file read as standard input.
inline RomwrightResult romwright(const QStringList& arguments,
    const std::function<void(QProcess&, const QString&)>& whileRunning = {}, int blockedAtStart = 0,
    const QString& program = QStringLiteral(KAMDEL_TOOLS_DIR "/romwright"), const QString& input = QString())
{
    QProcess process;
    if (!input.isEmpty())
        process.setStandardInputFile(input);
    sigset_t blocked;
    sigset_t previous;
    sigemptyset(&blocked);
    if (blockedAtStart)
        sigaddset(&blocked, blockedAtStart);
    // The child inherits the mask of the thread that starts it.
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);
    process.start(program, arguments);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    RomwrightResult result;
    if (!process.waitForStarted())
        return result;
    if (blockedAtStart)
        ::kill(pid_t(process.processId()), blockedAtStart);
    QByteArray pending;
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning) {
        // Nothing here takes long: a hang is a fault, not a slow machine.
        if (clock.elapsed() > 60000) {
            process.kill();
            process.waitForFinished();
            result.err = QStringLiteral("killed after 60 s");
            return result;
        }
        process.waitForReadyRead(50);
        pending += process.readAllStandardOutput();
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.left(end));
            pending.remove(0, end + 1);
            result.out << line;
            if (whileRunning)
                whileRunning(process, line);
        }
    }
    process.waitForFinished();
    pending += process.readAllStandardOutput();
    result.out += QString::fromUtf8(pending).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    result.err = QString::fromUtf8(process.readAllStandardError());
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return file.fileName();
}
