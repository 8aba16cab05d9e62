#include "HighDpi.h"
#include "Languages.h"
#include "PrintOnly.h"
#include "Recipe.h"
#include "ShiftTotals.h"
#include "StationLink.h"
#include "StationRun.h"
#include "StationStart.h"
#include "StationWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QSettings>
#include <QSysInfo>

#include <memory>

namespace {

// What the station records about the people and the place of a shift.
struct Shift
{
    QString recipePath;
    QString station;
    QString operatorName;
    QString shiftFile;
};

// An ended shift becomes a line of the shift file beside the unit log.
void connectShiftFile(StationWindow& window, const Shift& shift)
{
    QObject::connect(&window, &StationWindow::endShift, &window, [&window, shift] {
        QString error;
        if (window.totals().appendTo(shift.shiftFile, QDateTime::currentDateTime(), shift.station,
                shift.operatorName, QFileInfo(shift.recipePath).fileName(), &error))
            window.showMessage(StationWindow::tr("Shift written to %1").arg(shift.shiftFile));
        else
            window.showMessage(error);
    });
}

} // namespace

int main(int argc, char* argv[])
{
    HighDpi::enable();
    const std::unique_ptr<QCoreApplication> app = onlyPrints(argc, argv)
        ? std::make_unique<QCoreApplication>(argc, argv)
        : std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KamdelStation"));
    QApplication::setOrganizationName(QStringLiteral("Organization"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    if (qobject_cast<QApplication*>(app.get())) {
        QGuiApplication::setDesktopFileName(QStringLiteral("org.kamdel.KamdelStation"));
        QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kamdel.KamdelEditor")));
        Languages::install(QSettings().value(Languages::settingsKey()).toString());
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Panel Production Station"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("recipe"), QStringLiteral("The station recipe to run."), QStringLiteral("[recipe]"));
    parser.process(*app);

    Recipe recipe;
    const QStringList arguments = parser.positionalArguments();
    Shift shift;
    shift.recipePath = StationStart::chooseRecipe(arguments.value(0), &recipe);
    if (shift.recipePath.isEmpty() || !StationStart::askOperator(&shift.operatorName))
        return 0;
    shift.station = recipe.station.isEmpty() ? QSysInfo::machineHostName() : recipe.station;
    shift.shiftFile = ShiftTotals::shiftFileOf(recipe.log);

    StationWindow window;
    window.setRecipe(recipe, shift.recipePath);
    connectShiftFile(window, shift);
    StationRun::Options options;
    options.operatorName = shift.operatorName;
    StationRun run(recipe, options);
    StationLink::connect(window, run);
    QString error;
    if (!run.start(&error)) {
        // The files were checked a moment ago; this is a copy or a disk failing.
        QMessageBox::critical(nullptr, StationWindow::tr("Station not started"), error);
        return 3;
    }
    window.resize(1280, 800);
    window.show();
    return app->exec();
}
