#include "CommandLine.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("romwright"));
    CommandLine commandLine;
    commandLine.catchInterrupts();
    return commandLine.exec(QCoreApplication::arguments());
}
