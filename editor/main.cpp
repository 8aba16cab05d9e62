#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    QApplication::setOrganizationName(QStringLiteral("Organization"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.1"));

    MainWindow window;
    window.show();
    return app.exec();
}
