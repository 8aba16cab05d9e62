#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamAttributes>

#include <memory>

class AbstractTreeItem;
class DeviceItem;
class KamdelDocument;

// A document's command tree copied on the GUI thread, which is quick, so
// that turning it into the file's bytes, which is not, can happen on
// another thread while editing goes on. The bytes are those the document
// itself writes.
class RecoverySnapshot
{
public:
    // Null when the document holds something this cannot copy; the caller
    // then has the document write itself.
    static std::unique_ptr<RecoverySnapshot> take(KamdelDocument* document);
    ~RecoverySnapshot();

    // On any one thread at a time.
    QByteArray toXml() const;

private:
    RecoverySnapshot() = default;

    struct Root
    {
        bool usable = false;
        QString name;
        QXmlStreamAttributes attributes;
    };
    static Root rootOf(KamdelDocument* document);
    static bool copyChildren(const AbstractTreeItem* from, AbstractTreeItem* to);

    Root m_root;
    std::unique_ptr<DeviceItem> m_device;
};
