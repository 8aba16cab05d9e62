#include "PanelDocument.h"

#include "CommandTreeModel.h"
#include "DeviceItem.h"
#include "FrameSource.h"
#include "MarkupScanner.h"
#include "ProgramItem.h"
#include "compiler/Compiller_v1.h"
#include "compiler/Compiller_v2.h"
#include "edits/DocumentEdits.h"
#include "edits/EditHistory.h"
#include "formats/OutputFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
std::unique_ptr<Compiller> compilerFor(PanelDocument::Panel panel, DeviceItem* device)
{
    switch (panel) {
    case PanelDocument::Panel::RingA:
        return std::make_unique<Compiller_v1>(device);
    case PanelDocument::Panel::RingB:
        return std::make_unique<Compiller_v2>(device);
    case PanelDocument::Panel::None:
        break;
    }
    return nullptr;
}
} // namespace

PanelDocument::PanelDocument(Panel panel, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_device(new DeviceItem)
    , m_model(new CommandTreeModel(m_device, this))
    , m_edits(new DocumentEdits(m_model, this))
    , m_compiler(compilerFor(panel, m_device))
{
    // The document's only program; built before anyone watches the model.
    new ProgramItem(m_device);
    if (panel != Panel::None) {
        m_device->setDeviceName(modelLabel(panel));
        m_device->setDescription(QStringLiteral("Segmented ring LED panel"));
    }
}

PanelDocument::~PanelDocument()
{
    // The compiler watches the tree; it goes first.
    m_compiler.reset();
}

QString PanelDocument::modelLabel(Panel panel)
{
    switch (panel) {
    case Panel::RingA:
        return QStringLiteral("ZQ-RING-A");
    case Panel::RingB:
        return QStringLiteral("ZQ-RING-B");
    case Panel::None:
        break;
    }
    return QString();
}

PanelDocument::Panel PanelDocument::panelOfModel(const QString& model)
{
    for (const Panel panel : { Panel::RingA, Panel::RingB }) {
        if (model == modelLabel(panel))
            return panel;
    }
    return Panel::None;
}

QString PanelDocument::versionMark(Panel panel)
{
    switch (panel) {
    case Panel::RingA:
        return QStringLiteral("1.0");
    case Panel::RingB:
        return QStringLiteral("2.0");
    case Panel::None:
        break;
    }
    return QString();
}

QString PanelDocument::unreadableReason(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString shown = QDir::toNativeSeparators(fileName);
    if (!info.exists())
        return QString(); // opening it tells why
    if (!info.isFile())
        return tr("%1 is not a regular file.").arg(shown);
    if (info.size() > MaxFileSize)
        return tr("%1 is larger than any document (%2 MiB).").arg(shown, QString::number(MaxFileSize >> 20));
    return QString();
}

PanelDocument::Panel PanelDocument::panelOf(const QString& fileName)
{
    if (fileName.isEmpty() || !unreadableReason(fileName).isEmpty())
        return Panel::None;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return Panel::None;
    if (!MarkupScanner::withinLimits(&file, true))
        return Panel::None;
    QXmlStreamReader reader(&file);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("LedPanelDocument"))
        return Panel::None;
    const auto version = reader.attributes().value(QLatin1String("version"));
    for (Panel panel : { Panel::RingA, Panel::RingB }) {
        if (version == versionMark(panel))
            return panel;
    }
    return Panel::None;
}

bool PanelDocument::isDocumentOf(const QString& fileName, Panel panel)
{
    return panel != Panel::None && panelOf(fileName) == panel;
}

bool PanelDocument::fail(const QString& reason)
{
    m_errorString = reason;
    return false;
}

bool PanelDocument::load(const QString& fileName)
{
    m_errorString.clear();
    m_partlyRead = false;
    if (fileName.isEmpty())
        return fail(tr("No file name was given."));
    const QString unreadable = unreadableReason(fileName);
    if (!unreadable.isEmpty())
        return fail(unreadable);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(tr("Cannot read file %1:\n%2.").arg(fileName, file.errorString()));
    const bool read = readXML(&file);
    // The history of the document before the file was read does not apply
    // to what the file holds.
    m_edits->history()->clear();
    if (read)
        return true;
    m_partlyRead = true;
    QString text = tr("Error occur while reading xml data of %1.").arg(QDir::toNativeSeparators(fileName));
    // A file refused at a bound says which: the user can do something about
    // that, unlike about a syntax error.
    if (!m_readProblem.isEmpty())
        text += QLatin1Char('\n') + m_readProblem;
    return fail(text);
}

bool PanelDocument::save(const QString& fileName)
{
    m_errorString.clear();
    if (fileName.isEmpty())
        return fail(tr("No file name was given."));
    OutputFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return fail(tr("Cannot open file %1 for writing: %2.")
                        .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    }
    writeXML(&file);
    if (!file.commit())
        return fail(
            tr("Cannot write file %1:\n%2.").arg(QDir::toNativeSeparators(fileName), file.errorString()));
    m_edits->history()->setClean();
    return true;
}

bool PanelDocument::readXML(QIODevice* ioDevice)
{
    if (!ioDevice)
        return false;
    // The markup is checked before the reader sees it; a stream that cannot
    // go back is read into memory first.
    QByteArray whole;
    QBuffer buffer(&whole);
    if (ioDevice->isSequential()) {
        whole = ioDevice->readAll();
        buffer.open(QIODevice::ReadOnly);
        ioDevice = &buffer;
    }
    m_readProblem.clear();
    if (!MarkupScanner::withinLimits(ioDevice, false, &m_readProblem))
        return false;
    FrameSource frames(ioDevice);
    frames.open(QIODevice::ReadOnly);
    QXmlStreamReader reader(&frames);
    // Items are added straight into the tree, outside the model; the views
    // hear of it as one layout change, also when the file broke half-way.
    emit m_model->layoutAboutToBeChanged();
    const bool valid = readXML(reader);
    emit m_model->layoutChanged();
    if (!valid)
        reader.raiseError(QObject::tr("Invalid XML root element or version."));
    // The only other errors raised while reading are those of the read budget.
    if (valid && reader.error() == QXmlStreamReader::CustomError)
        m_readProblem = reader.errorString();
    // Whatever follows the root element must still be well-formed: a second
    // root or stray text is as broken as a missing end tag.
    while (!reader.atEnd() && !reader.hasError())
        reader.readNext();
    return !reader.hasError();
}

bool PanelDocument::writeXML(QIODevice* ioDevice)
{
    QXmlStreamWriter writer(ioDevice);
    writer.setAutoFormatting(true);
    writeXML(writer);
    return !writer.hasError();
}

bool PanelDocument::readXML(QXmlStreamReader& reader)
{
    if (m_panel == Panel::None || !reader.readNextStartElement())
        return false;
    if (reader.name() != QLatin1String("LedPanelDocument")
        || reader.attributes().value(QLatin1String("version")) != versionMark(m_panel))
        return false;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Commands"))
            m_device->readXML(reader);
        else
            reader.skipCurrentElement(); // "Title", "Description" and anything unknown
    }
    return true;
}

void PanelDocument::writeXML(QXmlStreamWriter& writer)
{
    if (m_panel == Panel::None)
        return;
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("LedPanelDocument"));
    writer.writeAttribute(QStringLiteral("version"), versionMark(m_panel));
    writer.writeAttribute(QStringLiteral("panel"), QStringLiteral("ZQ-RINGx"));
    m_device->writeXML(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
}

void PanelDocument::compile()
{
    if (m_compiler)
        m_compiler->compile();
}

QByteArray PanelDocument::createBinnary()
{
    return m_compiler ? m_compiler->createBinnary() : QByteArray();
}
