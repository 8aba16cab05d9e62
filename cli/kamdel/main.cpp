#include "KamdelCli.h"

#include "model/EnglishPlurals.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
// kamdel prints its own errors; Qt's remarks about the platform it runs on
// (no runtime folder) would only garble a script's output.
void dropQtWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}
} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(dropQtWarnings);
    // Pictures are drawn into images only: no display is needed.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kamdel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kamdel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    // "1 unit", "2 units" in the totals of a write over several ports.
    EnglishPlurals plurals;
    QCoreApplication::installTranslator(&plurals);
    KamdelCli cli;
    return cli.run(QCoreApplication::arguments());
}
