#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

// The virtual boot-loader target behind a pseudo-terminal, its log going to a
// file: reading the log takes no time from the processes being measured.
class PacedTarget
{
public:
    // Starts the target at the link in a folder of its own; false if it never
    // said it was ready. `tool` is the simulator: a boot loader alone, or a
    // whole board (virtualunit).
    bool start(const QStringList& arguments, const QString& tool = QStringLiteral("bsltarget"))
    {
        m_Process.setStandardOutputFile(m_Dir.filePath(QStringLiteral("target.log")));
        m_Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_Process.start(QStringLiteral(KAMDEL_TOOLS_DIR "/") + tool,
            QStringList(arguments) << QStringLiteral("--headless") << link());
        QElapsedTimer waited;
        waited.start();
        while (!log().contains("ready ") && waited.elapsed() < 5000)
            QThread::msleep(10);
        return log().contains("ready ");
    }

    QString link() const { return m_Dir.filePath(QStringLiteral("ttyBSL")); }

    QByteArray log() const
    {
        QFile file(m_Dir.filePath(QStringLiteral("target.log")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Waits for the target to end after the jump and tells whether the
    // application it holds passes its check.
    bool finishedValid()
    {
        m_Process.waitForFinished(10000);
        return log().contains("verdict app=valid");
    }

private:
    QTemporaryDir m_Dir;
    QProcess m_Process;
};
