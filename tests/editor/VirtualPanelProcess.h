#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include <functional>

// The virtual panel program on a pseudo-terminal, headless. Its report
// lines are collected as they arrive, also while the editor processes
// events in the middle of a write.
class VirtualPanelProcess : public QObject
{
public:
    explicit VirtualPanelProcess(QObject* parent = nullptr)
        : QObject(parent)
    {
        connect(&process, &QProcess::readyReadStandardOutput, this, [this] { collect(); });
    }

    ~VirtualPanelProcess() override { stop(); }

    bool start(const QString& linkPath)
    {
        link = linkPath;
        process.setProgram(QStringLiteral(KAMDEL_TOOLS_DIR "/KamdelVirtualPanel"));
        process.setArguments({ QStringLiteral("--headless"), QStringLiteral("--link"), linkPath,
            QStringLiteral("--exit-after-silence"), QStringLiteral("120") });
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        return process.waitForStarted(10000) && waitFor(QStringLiteral("READY"));
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    // Ends the panel at once, as when a cable is pulled.
    void kill()
    {
        process.kill();
        process.waitForFinished(5000);
    }

    // True once `count` lines starting with `prefix` have arrived in all.
    bool waitFor(const QString& prefix, int count = 1, int timeoutMs = 10000)
    {
        QElapsedTimer clock;
        clock.start();
        while (linesStartingWith(prefix).size() < count) {
            if (clock.hasExpired(timeoutMs) || process.state() == QProcess::NotRunning)
                return false;
            QTest::qWait(10);
            collect();
        }
        return true;
    }

    // Lets the panel report whatever is still under way.
    void settle(int ms = 300)
    {
        QTest::qWait(ms);
        collect();
    }

    QStringList linesStartingWith(const QString& prefix) const
    {
        QStringList found;
        for (const QString& line : lines) {
            if (line.startsWith(prefix))
                found << line;
        }
        return found;
    }

    // The lines of what arrived over the line, in order.
    QStringList received() const { return linesStartingWith(QStringLiteral("RX ")); }

    void clear() { lines.clear(); }

    QProcess process;
    QString link;
    QStringList lines;
    std::function<void(const QString&)> onLine;

private:
    void collect()
    {
        while (process.canReadLine()) {
            const QString line = QString::fromLocal8Bit(process.readLine()).trimmed();
            lines << line;
            if (onLine)
                onLine(line);
        }
    }
};
