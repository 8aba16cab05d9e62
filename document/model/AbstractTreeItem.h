#pragma once

#include "kamdeldocument_export.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <utility>

class DeviceItem;
class QXmlStreamReader;
class QXmlStreamWriter;

// One node of a document's command tree. An item owns its children.
class KAMDELDOCUMENT_EXPORT AbstractTreeItem : public QObject
{
public:
    enum ItemType
    {
        Undefined = -1,
        Device = 0,
        Program = 1,
        Function = 2,
        LedStates = 3,
        Call = 4,
        Return = 5,
        Reset = 6,
        Stop = 7,
    };

    explicit AbstractTreeItem(QObject* parent = nullptr);
    AbstractTreeItem(const QString& name, AbstractTreeItem* parent);
    ~AbstractTreeItem() override;

    virtual int type() const { return Undefined; }
    virtual QVariant data(int column) const;
    virtual bool setData(int column, const QVariant& value);
    virtual void readXML(QXmlStreamReader& reader);
    virtual void writeXML(QXmlStreamWriter& writer);

    AbstractTreeItem* parentItem() const { return m_parentItem; }
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    int row() const;
    AbstractTreeItem* previousItem() const;
    AbstractTreeItem* nextItem() const;

    void appendChild(AbstractTreeItem* item);
    void insertChild(int position, AbstractTreeItem* item);
    void removeChild(AbstractTreeItem* item);
    // False for a null item and for this item or one of its ancestors, which
    // appendChild and insertChild refuse.
    bool canAdopt(const AbstractTreeItem* item) const;
    int childCount() const { return m_children.count(); }
    AbstractTreeItem* child(int i) const { return m_children.value(i); }
    const QList<AbstractTreeItem*>& children() const { return m_children; }

    DeviceItem* deviceItem() const;

    // A frame, Call, Return, Reset or Stop: what a Program or Collection holds.
    static bool isCommandType(int type);
    bool isCommand() const { return isCommandType(type()); }
    // A Program or a Collection.
    bool holdsCommands() const { return type() == Program || type() == Function; }
    // Where commands added here go: this Program or Collection, or the list
    // a command stands in; none for the device.
    AbstractTreeItem* commandList();
    // The list of frames a sequence file stands for: this Program or
    // Collection, or the list a frame stands in.
    AbstractTreeItem* frameList();
    // A copy of this item and everything below it, a child of `parent` when
    // one is given; none for an item of unknown kind.
    AbstractTreeItem* clone(AbstractTreeItem* parent = nullptr) const;

protected:
    // Copies what the kind holds besides its name and children (a frame's
    // LED values) into `copy`, an item of the same kind.
    virtual void copyValuesTo(AbstractTreeItem* copy) const;

    // Writes every child in order; shared by the containers.
    void writeChildrenXML(QXmlStreamWriter& writer);

private:
    Q_DISABLE_COPY(AbstractTreeItem)

    AbstractTreeItem* m_parentItem = nullptr;
    QList<AbstractTreeItem*> m_children;
    QString m_name;
};
