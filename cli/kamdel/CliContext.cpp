#include "CliContext.h"

#include "edits/DocumentEdits.h"
#include "formats/OutputFile.h"
#include "model/PanelDocument.h"
#include "player/PanelCommand.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

CliContext::CliContext(std::FILE* out, std::FILE* err)
    : m_out(out)
    , m_err(err)
{
}

void CliContext::setUnitReport(bool unitReport)
{
    m_unitReport = unitReport;
}

void CliContext::print(const QString& text)
{
    if (m_unitReport)
        std::fputs("report ", m_out);
    std::fputs(text.toLocal8Bit().constData(), m_out);
    std::fputc('\n', m_out);
}

void CliContext::printError(const QString& text)
{
    std::fprintf(m_err, "kamdel: %s\n", text.toLocal8Bit().constData());
}

int CliContext::usage(const QString& message)
{
    printError(message);
    std::fputs("Try 'kamdel --help'.\n", m_err);
    return Usage;
}

int CliContext::wrongUse(const QString& command)
{
    return usage(tr("wrong use of '%1'").arg(command));
}

int CliContext::sameFile(const QString& output)
{
    printError(OutputFile::inputRefusal(output) + tr(" Nothing was written."));
    return Usage;
}

QString CliContext::tooLarge(int bytes)
{
    return tr("the program takes %1 bytes, more than the %2 bytes of the panel's program memory; "
              "nothing was written")
        .arg(bytes)
        .arg(PanelCommand::ProgramMemory);
}

bool CliContext::framesFit(PanelDocument* document, int added)
{
    const QString refusal = document->edits()->frameLimitRefusal(added);
    if (refusal.isEmpty())
        return true;
    printError(refusal + tr(" Nothing was written."));
    return false;
}

bool CliContext::leadsSomewhere(const QString& file)
{
    const QByteArray path = QFile::encodeName(file);
    struct stat info
    {
    };
    if (file == QLatin1String("-") || ::stat(path.constData(), &info) == 0)
        return true;
    const bool loop = errno == ELOOP;
    if (!loop && !(errno == ENOENT && ::lstat(path.constData(), &info) == 0 && S_ISLNK(info.st_mode)))
        return true;
    printError(tr("%1 is a link that leads nowhere").arg(file));
    return false;
}

std::unique_ptr<PanelDocument> CliContext::load(const QString& file)
{
    if (!leadsSomewhere(file))
        return nullptr;
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        printError(tr("cannot read %1").arg(file));
        return nullptr;
    }
    const PanelDocument::Panel panel = PanelDocument::panelOf(file);
    if (panel == PanelDocument::Panel::None) {
        printError(tr("%1 is not a Kamdel document").arg(file));
        return nullptr;
    }
    auto document = std::make_unique<PanelDocument>(panel);
    if (!document->load(file)) {
        printError(document->errorString());
        return nullptr;
    }
    return document;
}

bool CliContext::save(PanelDocument* document, const QString& output)
{
    if (document->save(output))
        return true;
    printError(document->errorString());
    return false;
}

QByteArray CliContext::compiled(PanelDocument* document)
{
    document->compile();
    return document->createBinnary();
}

std::unique_ptr<PanelDocument> CliContext::loadForPanel(const QString& file, QByteArray* image)
{
    std::unique_ptr<PanelDocument> document = load(file);
    if (!document)
        return nullptr;
    *image = compiled(document.get());
    if (image->size() > PanelCommand::ProgramMemory) {
        printError(tooLarge(image->size()));
        return nullptr;
    }
    return document;
}
