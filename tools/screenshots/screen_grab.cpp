// Saves what the X screen shows, for screenshots of a program running in its
// own process (an installed editor under xvfb-run, say).
// Usage: screen_grab [--delay MS] OUT.png

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Saves the whole screen as a PNG file."));
    parser.addHelpOption();
    const QCommandLineOption delayOption(QStringLiteral("delay"),
        QStringLiteral("Wait <ms> milliseconds first."), QStringLiteral("ms"), QStringLiteral("0"));
    parser.addOption(delayOption);
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("The PNG file to write."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fputs("screen_grab: name one output file\n", stderr);
        return 64;
    }
    QThread::msleep(parser.value(delayOption).toULong());
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    if (!shot.save(parser.positionalArguments().first(), "PNG")) {
        std::fprintf(
            stderr, "screen_grab: cannot write %s\n", qPrintable(parser.positionalArguments().first()));
        return 1;
    }
    return 0;
}
