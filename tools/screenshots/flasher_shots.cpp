// flasher_shots: grabs PNG screenshots of the flasher window in the middle of
// a run and after it, and of its port dialog, for review.
//
// Usage:
//   flasher_shots [output folder]        (default: the current folder)
//
// Runs against the virtual boot loader (bsltarget beside this program), paced
// at 57,600 baud so that the run lasts long enough to be caught halfway.
// Needs a display: run it under `xvfb-run -a` or with -platform offscreen.
// Writes flasher_running.png, flasher_finished.png, flasher_canceled.png,
// flasher_missing_image.png, flasher_out_of_range.png, flasher_close_question.png,
// port_dialog.png and port_dialog_typed.png.

#include "HighDpi.h"
#include "Romwright.h"
#include "SerialPort/SerialPortDialog.h"
#include "ShotFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

using namespace ShotFiles;

QString writeImage(const QString& path, int size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return QString();
    QTextStream out(&file);
    out << "@6000\n";
    for (int i = 0; i < size; ++i)
        out << QString::asprintf("%02X", (i * 7 + 3) & 0xFF) << (i % 16 == 15 ? '\n' : ' ');
    out << "\n@10000\n31 40 00 24\nq\n";
    return path;
}

class Target
{
public:
    Target(const QString& link, const QStringList& options)
    {
        m_Process.start(QCoreApplication::applicationDirPath() + "/bsltarget",
            options + QStringList { "--headless", link });
        while (m_Process.waitForReadyRead(5000)) {
            if (m_Process.readAllStandardOutput().contains("ready "))
                return;
        }
    }
    ~Target()
    {
        m_Process.terminate();
        m_Process.waitForFinished(5000);
    }
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;

private:
    QProcess m_Process;
};

} // namespace

int main(int argc, char* argv[])
{
    HighDpi::enable();
    QApplication app(argc, argv);
    ShotFiles::speakDesktopLanguage();
    const QStringList args = app.arguments();
    QDir out(args.size() > 1 ? args.at(1) : QDir::currentPath());
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    QTemporaryDir work;
    if (!work.isValid())
        return 1;

    const QString image = writeImage(work.filePath("Kamdel.txt"), 3000);
    const QString link = work.filePath("bsl");
    Target target(link, { "--model", "Kamdel", "--baud", "57600" });

    Romwright window("Kamdel", QByteArray(), nullptr);
    window.setPortName(link, true);
    window.setBaudRate(57600, false);
    window.setDataBits(QSerialPort::Data8, false);
    window.setStopBits(QSerialPort::OneStop, false);
    window.setParity(QSerialPort::NoParity, false);
    window.setImagePath(image);
    window.show();

    auto* progress = window.findChild<QProgressBar*>("progress");
    auto* flash = window.findChild<QPushButton*>("flash");
    auto* cancel = window.findChild<QPushButton*>("cancel");
    auto* imagePath = window.findChild<QLineEdit*>("imagePath");
    bool ok = true;

    // Halfway through a successful run, then its end.
    bool running = false;
    auto midRun = QObject::connect(progress, &QProgressBar::valueChanged, &window, [&](int value) {
        if (value >= 45 && !running) {
            running = true;
            ok &= save(&window, out, "flasher_running.png");
        }
    });
    flash->click();
    QObject::disconnect(midRun);
    ok &= running;
    ok &= save(&window, out, "flasher_finished.png");

    // A run cancelled on the way.
    bool cancelled = false;
    auto cancelRun = QObject::connect(progress, &QProgressBar::valueChanged, &window, [&](int value) {
        if (value >= 30 && !cancelled) {
            cancelled = true;
            QMetaObject::invokeMethod(cancel, "click", Qt::QueuedConnection);
        }
    });
    flash->click();
    QObject::disconnect(cancelRun);
    ok &= save(&window, out, "flasher_canceled.png");

    // An image that is not there.
    imagePath->setText(work.filePath("missing.txt"));
    flash->click();
    ok &= save(&window, out, "flasher_missing_image.png");

    // An image below the device's memory is refused before the device is touched.
    QFile low(work.filePath("low.txt"));
    if (low.open(QIODevice::WriteOnly))
        low.write("@0200\n31 40 00 24\nq\n");
    low.close();
    imagePath->setText(low.fileName());
    flash->click();
    ok &= save(&window, out, "flasher_out_of_range.png");

    // Closing during a run asks first; answered No, the run goes on.
    imagePath->setText(image);
    bool asked = false;
    QTimer answer;
    answer.setInterval(50);
    QObject::connect(&answer, &QTimer::timeout, &window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || asked)
            return;
        asked = true;
        QApplication::processEvents();
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        const QString path = out.filePath("flasher_close_question.png");
        ok &= screen.copy(window.frameGeometry().united(box->frameGeometry())).save(path, "PNG");
        std::printf("wrote %s\n", qPrintable(path));
        box->button(QMessageBox::No)->click();
    });
    answer.start();
    bool closing = false;
    auto closeRun = QObject::connect(progress, &QProgressBar::valueChanged, &window, [&](int value) {
        if (value >= 20 && !closing) {
            closing = true;
            QTimer::singleShot(0, &window, [&window] { window.close(); });
        }
    });
    flash->click();
    QObject::disconnect(closeRun);
    answer.stop();
    ok &= asked;

    // The port dialog as the window opens it: only the port can be chosen.
    window.findChild<QPushButton*>("selectPort")->click();
    auto* dialog = window.findChild<SerialPortDialog*>();
    if (dialog && dialog->isVisible()) {
        QApplication::processEvents();
        ok &= save(dialog, out, "port_dialog.png");
        // Any device path can be typed, such as a stable by-id name.
        auto* port = dialog->findChild<QComboBox*>("comboBox_Port");
        port->setEditText("/dev/serial/by-id/usb-TI_MSP430_BSL-if00");
        QApplication::processEvents();
        ok &= save(dialog, out, "port_dialog_typed.png");
        dialog->reject();
    } else {
        ok = false;
    }

    window.close();
    return ok ? 0 : 1;
}
