#pragma once

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace FuzzSupport {

// One application for the whole run, on the offscreen platform, so that the
// readers that build widgets can run without a display.
inline void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = { name, nullptr };
    // Kept to the very end on purpose: Qt cannot take an application apart
    // among the static destructors that run after main() has returned.
    static QApplication* const application = std::make_unique<QApplication>(argc, argv).release();
    Q_UNUSED(application)
}

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

// A file holding the input, for the readers that take a file name.
inline QString writeInput(const QByteArray& input)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(input);
    return path;
}

} // namespace FuzzSupport
