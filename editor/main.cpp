#include "MainWindow.h"
#include "SettingsStore.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    QApplication::setOrganizationName(QStringLiteral("Organization"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.1"));

    int result = 0;
    {
        MainWindow window;
        window.show();
        result = app.exec();
    }
    // The settings store outlives the window but not the application.
    SettingsStore::close();
    return result;
}
