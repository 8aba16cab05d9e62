// KamdelVirtualPanel: a panel with running firmware, for trying the editor
// without hardware and for the tests of the panel link.
//
// Usage:
//   KamdelVirtualPanel [--link PATH] [--headless] [--variant auto|1|2]
//                      [--side top|bottom] [--gap MS] [--exit-after-silence SECONDS]
//                      [--quiet]
//
// It opens a pseudo-terminal in raw mode and, with --link, makes PATH a
// symbolic link to it (an old link there is replaced; a file is not). Set
// the editor's serial port to PATH. It takes the editor's command words and
// program blocks byte for byte:
//   Reset  01 00 00 00         restart the program (display dark)
//   Next   02 00 00 00         run to the next LED frame and show it
//   Block  03 00 00 n + 32 bytes   store image block n at 32 x n
// A run of blocks is one write: the memory is cleared when it starts, and the
// image is taken over (and the program started) by the next Reset or Next.
// Program memory holds 8000 bytes; blocks beyond it are reported and dropped.
//
// Image variants: a variant 2 image starts with four 0x00 bytes, its program
// starts at offset 4 and its LED bitmaps hold LED 0 in the top bit (0x80) of
// their first byte. A variant 1 image starts its program at offset 0 and
// holds LED 0 in the bottom bit (0x01). --variant auto (the default) takes an
// image whose first four bytes are 0x00 as variant 2, any other as variant 1;
// --variant 1 or 2 fixes it.
//
// Commands: 0x00 Stop holds; 0x01 Reset restarts the program; 0x03 shows a
// frame (24 bitmap bytes); 0x04 Return goes back after the last Call or, with
// no Call open, holds; 0x05 Call takes a 16-bit little-endian address as the
// compiler counts them (first command at 2) and is skipped when the address
// is 0 or outside the program; calls nest 16 deep at most. Any other opcode
// holds. A program that restarts twice, or runs 100000 commands, without
// showing a frame holds (LOOP): it would never show one.
//
// Every line on standard output (with --quiet only in the window's log):
//   READY <device> <link or ->         the line is open
//   RX RESET | RX NEXT                 a command word arrived
//   RX BLOCK <n> 32                    block n arrived
//   RX UNKNOWN <hex>                   bytes that form no word, skipped
//   RX SHORT <n> <count>               block n broke off after <count> of its
//                                      32 bytes (the line fell silent), skipped
//   WARN BLOCK <n> EXPECTED <m>        blocks out of order (stored all the same)
//   ERROR BLOCK <n> BEYOND 8000        block outside program memory, dropped
//   IMAGE <size> bytes variant <v> <hex>   the written image was taken over
//   START at <offset> variant <v>      the program (re)starts, display dark
//   RESTART at <offset>                a Reset command inside the program
//   SKIP CALL <address> at <offset>    a Call that leads nowhere, passed over
//   BADOP <hex opcode> at <offset>     an unknown opcode
//   FRAME <k> <48 hex digits> at <offset>   the k-th frame since the start;
//                                      the digits give the 192 LEDs in LED
//                                      order, LED 0 as the top bit of the
//                                      first digit, whatever the variant
//   HOLD <STOP|RETURN|END|LOOP|BADOP|STACK> at <offset>   Next found no frame
//   EXIT silence                       --exit-after-silence ran out
// Each Next gives exactly one FRAME or HOLD line.
//
// Options:
//   --headless   no window (needs no display); print the lines only
//   --side       the side the board is seen from, as in the editor: bottom
//                (the default, LEDs clockwise) or top (counter-clockwise);
//                the window can switch it
//   --mirror     the same as --side bottom, kept for older scripts
//   --gap MS     silence that ends an incomplete word or block (default 50)
//   --exit-after-silence SECONDS   quit when nothing arrived for so long
//   --quiet      window mode: do not print the lines

#include "Helper/StopSignals.h"
#include "HighDpi.h"
#include "PanelWindow.h"
#include "VirtualPanel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

bool wantsHeadless(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--headless" || arg == "--help" || arg == "-h" || arg == "--help-all" || arg == "--version"
            || arg == "-v")
            return true;
    }
    return false;
}

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv)
{
    const bool headless = wantsHeadless(argc, argv);
    if (!headless && !hasDisplay()) {
        std::fputs("There is no display for the panel window (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Run it with --headless to have its lines only.\n",
            stderr);
        return 1;
    }
    HighDpi::enable();
    std::unique_ptr<QCoreApplication> app(
        headless ? new QCoreApplication(argc, argv) : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("KamdelVirtualPanel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A panel with running firmware on a pseudo-terminal: takes the editor's Reset and Next words "
        "and program blocks, runs the image and shows its LED frames.\n"
        "Output lines: READY, RX RESET|NEXT|BLOCK|UNKNOWN|SHORT, WARN, ERROR, IMAGE, START, RESTART, "
        "SKIP CALL, BADOP, FRAME <k> <48 hex digits, LED 0 = top bit of the first> at <offset>, "
        "HOLD <reason> at <offset>, EXIT silence; the head of main.cpp describes each."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption linkOption(QStringLiteral("link"),
        QStringLiteral("Make <path> a symbolic link to the pseudo-terminal (an old link is replaced)."),
        QStringLiteral("path"));
    const QCommandLineOption headlessOption(QStringLiteral("headless"),
        QStringLiteral("No window; print what arrives and each frame, one line each."));
    const QCommandLineOption variantOption(QStringLiteral("variant"),
        QStringLiteral("Image variant: 1 (LED 0 = bit 0x01), 2 (four 0x00 bytes first, LED 0 = bit 0x80) "
                       "or auto (variant 2 when the image starts with four 0x00 bytes). Default auto."),
        QStringLiteral("auto|1|2"), QStringLiteral("auto"));
    const QCommandLineOption sideOption(QStringLiteral("side"),
        QStringLiteral("The side the board is seen from, as in the editor: bottom (LEDs clockwise) or top "
                       "(counter-clockwise). Default bottom, as a new document shows it."),
        QStringLiteral("top|bottom"), QStringLiteral("bottom"));
    const QCommandLineOption mirrorOption(
        QStringLiteral("mirror"), QStringLiteral("The same as --side bottom."));
    const QCommandLineOption gapOption(QStringLiteral("gap"),
        QStringLiteral("Silence in ms that ends an incomplete word or block. Default 50."),
        QStringLiteral("ms"), QStringLiteral("50"));
    const QCommandLineOption silenceOption(QStringLiteral("exit-after-silence"),
        QStringLiteral("Quit when nothing arrived for <seconds>. Default 0: never."),
        QStringLiteral("seconds"), QStringLiteral("0"));
    const QCommandLineOption quietOption(
        QStringLiteral("quiet"), QStringLiteral("With the window: do not print the lines."));
    parser.addOptions({ linkOption, headlessOption, variantOption, sideOption, mirrorOption, gapOption,
        silenceOption, quietOption });
    parser.process(*app);

    const QString variantText = parser.value(variantOption);
    PanelProgram::Variant variant;
    if (variantText == QLatin1String("auto"))
        variant = PanelProgram::Variant::Auto;
    else if (variantText == QLatin1String("1"))
        variant = PanelProgram::Variant::LsbFirst;
    else if (variantText == QLatin1String("2"))
        variant = PanelProgram::Variant::MsbFirst;
    else {
        std::fprintf(stderr, "--variant takes auto, 1 or 2, not %s\n", qPrintable(variantText));
        return 2;
    }
    const QString sideText = parser.isSet(mirrorOption) ? QStringLiteral("bottom") : parser.value(sideOption);
    if (sideText != QLatin1String("top") && sideText != QLatin1String("bottom")) {
        std::fprintf(stderr, "--side takes top or bottom, not %s\n", qPrintable(sideText));
        return 2;
    }
    const eLedPanelSide side = sideText == QLatin1String("top") ? Top : Bottom;
    bool gapOk = false;
    bool silenceOk = false;
    const int gapMs = parser.value(gapOption).toInt(&gapOk);
    const int silence = parser.value(silenceOption).toInt(&silenceOk);
    if (!gapOk || gapMs < 1 || !silenceOk || silence < 0) {
        std::fputs("--gap takes a number of milliseconds above 0, --exit-after-silence a number of seconds\n",
            stderr);
        return 2;
    }

    VirtualPanel panel(variant);
    if (headless || !parser.isSet(quietOption))
        panel.setOutput(stdout);
    QString error;
    if (!panel.open(parser.value(linkOption), gapMs, &error)) {
        std::fprintf(stderr, "KamdelVirtualPanel: %s\n", qPrintable(error));
        return 1;
    }
    panel.exitAfterSilence(silence);
    QObject::connect(&panel, &VirtualPanel::silenceTimedOut, app.get(), &QCoreApplication::quit);
    // Ends the event loop on SIGINT and SIGTERM, so that the link is removed.
    const StopSignals stop({ SIGINT, SIGTERM });
    QObject::connect(&stop, &StopSignals::stopRequested, app.get(), &QCoreApplication::quit);

    std::unique_ptr<PanelWindow> window;
    if (!headless) {
        window = std::make_unique<PanelWindow>(&panel, side);
        window->show();
    }
    return app->exec();
}
