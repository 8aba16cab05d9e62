#include "QuietDecoding.h"

#include <QString>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

thread_local int t_scopes = 0;
std::atomic<QtMessageHandler> g_previous { nullptr };
std::once_flag g_installed;

void dropLibpngLines(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (t_scopes > 0 && type != QtFatalMsg && message.startsWith(QLatin1String("libpng")))
        return;
    if (const QtMessageHandler previous = g_previous.load()) {
        previous(type, context, message);
        return;
    }
    // Only a message of another thread in the moment of installing gets
    // here, before the previous handler is known.
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

QuietDecoding::QuietDecoding()
{
    std::call_once(g_installed, [] { g_previous = qInstallMessageHandler(dropLibpngLines); });
    ++t_scopes;
}

QuietDecoding::~QuietDecoding()
{
    --t_scopes;
}
