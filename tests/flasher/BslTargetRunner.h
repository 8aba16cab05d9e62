#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

// Runs the virtual boot-loader target on a pseudo-terminal for one test and
// collects its log: one line per request, then the application check verdict
// and the memory digest.
class BslTargetRunner
{
public:
    explicit BslTargetRunner(const QStringList& options)
    {
        m_Link = m_Dir.path() + QStringLiteral("/ttyBSL");
        m_Process.setProgram(QStringLiteral(KAMDEL_TOOLS_DIR "/bsltarget"));
        m_Process.setArguments(QStringList(options) << QStringLiteral("--headless") << m_Link);
        m_Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_Process.start();
        while (m_Process.waitForReadyRead(10000)) {
            m_Output += m_Process.readAll();
            if (m_Output.contains("ready ")) {
                m_Ready = true;
                break;
            }
        }
    }

    ~BslTargetRunner() { finish(); }

    bool isReady() const { return m_Ready; }
    QString link() const { return m_Link; }

    // Ends the target (unless it ended by itself) and parses its log.
    void finish()
    {
        if (m_Finished)
            return;
        m_Finished = true;
        if (m_Process.state() != QProcess::NotRunning && !m_Process.waitForFinished(200)) {
            m_Process.terminate();
            m_Process.waitForFinished(5000);
        }
        m_Output += m_Process.readAll();
        m_CleanExit = m_Process.exitStatus() == QProcess::NormalExit && m_Process.exitCode() == 0;
        const QStringList lines = QString::fromLatin1(m_Output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1Char('#')))
                m_Requests << line;
            else if (line.startsWith(QLatin1String("verdict ")))
                m_Verdict = line;
            else if (line.startsWith(QLatin1String("digest sha256=")))
                m_Digest = line.mid(14);
            else if (line.startsWith(QLatin1String("vectors sha256=")))
                m_VectorDigest = line.mid(15);
        }
    }

    bool waitForExit(int ms = 5000)
    {
        return m_Process.state() == QProcess::NotRunning || m_Process.waitForFinished(ms);
    }

    QStringList requests() const { return m_Requests; }
    QStringList requestsMatching(const QString& pattern) const
    {
        return m_Requests.filter(QRegularExpression(pattern));
    }
    bool applicationValid() const { return m_Verdict.startsWith(QLatin1String("verdict app=valid")); }
    QString verdict() const { return m_Verdict; }
    QString digest() const { return m_Digest; }
    // SHA-256 of 0xF800-0xFFFF at the end.
    QString vectorDigest() const { return m_VectorDigest; }
    // Ended normally with its final lines (and, in sanitizer builds, no leaks).
    bool cleanExit() const { return m_CleanExit && !m_Verdict.isEmpty() && !m_Digest.isEmpty(); }

private:
    QTemporaryDir m_Dir;
    QString m_Link;
    QProcess m_Process;
    QByteArray m_Output;
    bool m_Ready = false;
    bool m_Finished = false;
    bool m_CleanExit = false;
    QStringList m_Requests;
    QString m_Verdict;
    QString m_Digest;
    QString m_VectorDigest;
};
