#include "MainWindow.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QTimer>

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
        QTimer::singleShot(0, &window, &MainWindow::offerRecovery);
        result = app.exec();
    }
    // The settings store outlives the window but not the application.
    SettingsStore::close();
    return result;
}
