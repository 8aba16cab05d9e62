#include "RecoverySnapshot.h"

#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "model/DeviceItem.h"

#include <QBuffer>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

RecoverySnapshot::~RecoverySnapshot() = default;

std::unique_ptr<RecoverySnapshot> RecoverySnapshot::take(KamdelDocument* document)
{
    std::unique_ptr<RecoverySnapshot> snapshot(new RecoverySnapshot);
    snapshot->m_root = rootOf(document);
    snapshot->m_device = std::make_unique<DeviceItem>();
    if (!snapshot->m_root.usable || !copyChildren(document->deviceItem(), snapshot->m_device.get()))
        snapshot.reset();
    return snapshot;
}

QByteArray RecoverySnapshot::toXml() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(m_root.name);
    writer.writeAttributes(m_root.attributes);
    m_device->writeXML(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    return bytes;
}

// The element around the commands, learnt once per panel type from an empty
// document of that type. It is used only when a copy of that empty document
// comes out exactly as the document writes itself, so a file format that
// grows beyond the commands falls back to the document's own writing.
RecoverySnapshot::Root RecoverySnapshot::rootOf(KamdelDocument* document)
{
    static QHash<QString, Root> known;
    const QString type = QString::fromLatin1(document->metaObject()->className());
    const auto found = known.constFind(type);
    if (found != known.constEnd())
        return *found;

    std::unique_ptr<KamdelDocument> empty;
    if (qobject_cast<KamdelPanel1*>(document))
        empty = std::make_unique<KamdelPanel1>();
    else if (qobject_cast<KamdelPanel2*>(document))
        empty = std::make_unique<KamdelPanel2>();
    Root root;
    if (empty && type == QString::fromLatin1(empty->metaObject()->className())) {
        QByteArray expected;
        QBuffer buffer(&expected);
        buffer.open(QIODevice::WriteOnly);
        empty->writeXML(&buffer);
        QXmlStreamReader reader(expected);
        if (reader.readNextStartElement()) {
            root.name = reader.name().toString();
            root.attributes = reader.attributes();
            RecoverySnapshot check;
            check.m_root = root;
            check.m_device = std::make_unique<DeviceItem>();
            root.usable
                = copyChildren(empty->deviceItem(), check.m_device.get()) && check.toXml() == expected;
        }
    }
    known.insert(type, root);
    return root;
}

bool RecoverySnapshot::copyChildren(const AbstractTreeItem* from, AbstractTreeItem* to)
{
    for (const AbstractTreeItem* item : from->children()) {
        if (!item->clone(to))
            return false;
    }
    return true;
}
