// Times the files that once hung or exhausted the editor, as Open and
// "Import sequence..." meet them: each must be refused (or read) within a
// second. Prints the median wall and CPU time of three runs per file and the
// growth of the peak resident memory.

#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "PeakMemory.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/Questions.h"
#include "formats/SequenceFile.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    QFile file(dir.filePath(QLatin1String(name)));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

QByteArray attributes(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "a" + QByteArray::number(i) + "=\"" + QByteArray::number(i) + "\" ";
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Questions::Scope answers;
    answers.message = [](QWidget*, const Questions::Message&) { return QMessageBox::Ok; };
    QTemporaryDir dir;

    const auto open = [](const QString& path) {
        return [path] {
            // As the editor opens a file: both types asked, then the load.
            if (KamdelPanel1::isValid_XML(path) || KamdelPanel2::isValid_XML(path)) {
                std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
                document->load(path);
            }
        };
    };
    const auto import = [](const QString& path) {
        return [path] {
            ProgramItem program;
            new LedStatesCommand(&program);
            SequenceFile::importFrames(&program, LedStatesCommand::LedCount, path, nullptr);
        };
    };

    const PeakMemory memory(44);
    memory.measure("open: root with 50,000 attributes",
        open(write(dir, "a.xml", "<LedPanelDocument version=\"1.0\" " + attributes(50000) + "/>")));
    memory.measure("open: root with 200,000 attributes",
        open(write(dir, "b.xml", "<LedPanelDocument version=\"1.0\" " + attributes(200000) + "/>")));
    memory.measure("open: frame with 50,000 attributes",
        open(write(dir, "c.xml",
            "<LedPanelDocument version=\"1.0\"><Commands><Program><LedStates><Led " + attributes(50000)
                + "/></LedStates></Program></Commands></LedPanelDocument>")));
    memory.measure("import: 200,000-comma header, 20,000 lines",
        import(write(dir, "d.csv", QByteArray(200000, ',') + "\n" + QByteArray("1\n").repeated(20000))));
    memory.measure("import: a million short lines",
        import(write(dir, "e.csv", "0\n" + QByteArray("1\n").repeated(1000000))));
    memory.measure("import: 20,000 full frames (accepted)",
        import(write(dir, "f.csv",
            QByteArray("0,").repeated(191) + "191\n"
                + (QByteArray("1,0,").repeated(96) + "\n").repeated(20000))));
    return 0;
}
