#include "HighDpi.h"
#include "Languages.h"
#include "MainWindow.h"
#include "PrintOnly.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QSettings>
#include <QTimer>

#include <memory>

int main(int argc, char* argv[])
{
    HighDpi::enable();
    const std::unique_ptr<QCoreApplication> app = onlyPrints(argc, argv)
        ? std::make_unique<QCoreApplication>(argc, argv)
        : std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollmark"));
    QApplication::setOrganizationName(QStringLiteral("Organization"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.1"));
    if (qobject_cast<QApplication*>(app.get())) {
        // Ties the window to the menu entry and its icon, once installed.
        QGuiApplication::setDesktopFileName(QStringLiteral("org.kamdel.KamdelEditor"));
        QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kamdel.KamdelEditor")));
        // Printing stays English, like the command-line programs.
        Languages::install(QSettings(SettingsStore::fileName(), QSettings::IniFormat)
                               .value(Languages::settingsKey())
                               .toString());
    }

    // The desktop passes the documents to open, as the file manager does on
    // a double click.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Segmented LED Panel Editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("files"), QStringLiteral("Documents to open."), QStringLiteral("[files...]"));
    // A panel met for one session (a virtual panel, a borrowed adapter)
    // must not replace the port the user set up.
    const QCommandLineOption portOption(QStringLiteral("port"),
        QStringLiteral("The panel's serial port for this run only; the port chosen in Tools > Serial port "
                       "setup stays stored."),
        QStringLiteral("port"));
    parser.addOption(portOption);
    parser.process(*app);

    int result = 0;
    {
        MainWindow window;
        if (parser.isSet(portOption))
            window.setPortForThisRun(parser.value(portOption));
        window.show();
        // Once the window is on screen, so that a message about a bad file
        // is centred on it; copies left by a crash are offered first, since
        // a file named on the command line would replace a restored one.
        const QStringList files = parser.positionalArguments();
        QTimer::singleShot(0, &window, [&window, files] {
            window.offerRecovery();
            window.openFiles(files);
        });
        result = app->exec();
    }
    // The settings store outlives the window but not the application.
    SettingsStore::close();
    return result;
}
