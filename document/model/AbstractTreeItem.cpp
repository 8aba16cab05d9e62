#include "AbstractTreeItem.h"

#include "DeviceItem.h"
#include "ItemFactory.h"

#include <memory>

AbstractTreeItem::AbstractTreeItem(QObject* parent)
    : QObject(parent)
    , m_name(QStringLiteral("?"))
{
}

AbstractTreeItem::AbstractTreeItem(const QString& name, AbstractTreeItem* parent)
    : QObject(parent)
    , m_name(name)
{
    if (parent)
        parent->appendChild(this);
}

AbstractTreeItem::~AbstractTreeItem()
{
    // Children built with this item as QObject parent would otherwise be
    // deleted a second time by ~QObject; take them out of both lists first.
    const QList<AbstractTreeItem*> children = std::exchange(m_children, {});
    for (AbstractTreeItem* item : children) {
        item->m_parentItem = nullptr;
        item->setParent(nullptr);
        delete item;
    }
    if (m_parentItem)
        m_parentItem->m_children.removeOne(this);
}

QVariant AbstractTreeItem::data(int column) const
{
    if (column == 0)
        return m_name;
    return QVariant();
}

bool AbstractTreeItem::setData(int column, const QVariant& value)
{
    if (column != 0)
        return false;
    m_name = value.toString();
    return true;
}

void AbstractTreeItem::readXML(QXmlStreamReader&) { }

void AbstractTreeItem::writeXML(QXmlStreamWriter&) { }

int AbstractTreeItem::row() const
{
    if (!m_parentItem)
        return 0;
    return m_parentItem->m_children.indexOf(const_cast<AbstractTreeItem*>(this));
}

AbstractTreeItem* AbstractTreeItem::previousItem() const
{
    if (!m_parentItem)
        return nullptr;
    return m_parentItem->child(row() - 1);
}

AbstractTreeItem* AbstractTreeItem::nextItem() const
{
    if (!m_parentItem)
        return nullptr;
    return m_parentItem->child(row() + 1);
}

bool AbstractTreeItem::canAdopt(const AbstractTreeItem* item) const
{
    // An item may not become its own ancestor: the tree would turn into a
    // cycle that every upward walk follows forever.
    if (!item)
        return false;
    for (const AbstractTreeItem* up = this; up; up = up->m_parentItem) {
        if (up == item)
            return false;
    }
    return true;
}

void AbstractTreeItem::appendChild(AbstractTreeItem* item)
{
    insertChild(m_children.count(), item);
}

void AbstractTreeItem::insertChild(int position, AbstractTreeItem* item)
{
    if (!canAdopt(item))
        return;
    // An item stands in one list only; otherwise two parents would delete it.
    if (item->m_parentItem)
        item->m_parentItem->removeChild(item);
    item->m_parentItem = this;
    m_children.insert(qBound(0, position, m_children.count()), item);
}

void AbstractTreeItem::removeChild(AbstractTreeItem* item)
{
    // Only our own children are detached: clearing the link of an item that
    // stays in another list would leave that list pointing at it after the
    // item is deleted.
    if (!item || item->m_parentItem != this)
        return;
    item->m_parentItem = nullptr;
    m_children.removeOne(item);
    // A detached item must not die with its former parent's QObject children.
    if (item->QObject::parent() == this)
        item->setParent(nullptr);
}

DeviceItem* AbstractTreeItem::deviceItem() const
{
    for (const AbstractTreeItem* item = this; item; item = item->m_parentItem) {
        if (auto* device = qobject_cast<DeviceItem*>(const_cast<AbstractTreeItem*>(item)))
            return device;
    }
    return nullptr;
}

void AbstractTreeItem::writeChildrenXML(QXmlStreamWriter& writer)
{
    for (AbstractTreeItem* item : qAsConst(m_children))
        item->writeXML(writer);
}

bool AbstractTreeItem::isCommandType(int type)
{
    switch (type) {
    case LedStates:
    case Call:
    case Return:
    case Reset:
    case Stop:
        return true;
    default:
        return false;
    }
}

AbstractTreeItem* AbstractTreeItem::commandList()
{
    if (holdsCommands())
        return this;
    return isCommand() ? m_parentItem : nullptr;
}

AbstractTreeItem* AbstractTreeItem::frameList()
{
    if (holdsCommands())
        return this;
    return type() == LedStates ? m_parentItem : nullptr;
}

AbstractTreeItem* AbstractTreeItem::clone(AbstractTreeItem* parent) const
{
    std::unique_ptr<AbstractTreeItem> copy(ItemFactory::create(type()));
    if (!copy)
        return nullptr;
    copy->setName(m_name);
    copyValuesTo(copy.get());
    for (const AbstractTreeItem* child : m_children) {
        if (!child->clone(copy.get()))
            return nullptr;
    }
    if (parent)
        parent->appendChild(copy.get());
    return copy.release();
}

void AbstractTreeItem::copyValuesTo(AbstractTreeItem*) const { }
