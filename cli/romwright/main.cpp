#include "CommandLine.h"

#include "model/EnglishPlurals.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("romwright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    EnglishPlurals plurals;
    QCoreApplication::installTranslator(&plurals);
    CommandLine commandLine;
    commandLine.catchInterrupts();
    return commandLine.exec(QCoreApplication::arguments());
}
