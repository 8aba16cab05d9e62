#include "KamdelCli.h"

#include <QApplication>

#include <cstdio>

namespace {
// kamdel prints its own errors; Qt's remarks about the platform it runs on
// (no runtime folder, no display) would only garble a script's output.
void dropQtWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}
} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(dropQtWarnings);
    // The documents are widgets, but nothing is ever shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kamdel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kamdel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    KamdelCli cli;
    return cli.run(QCoreApplication::arguments());
}
