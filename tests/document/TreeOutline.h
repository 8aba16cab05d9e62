#pragma once

#include "edits/DocumentEdits.h"
#include "edits/EditHistory.h"
#include "model/CallCommand.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/FunctionItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "model/ResetCommand.h"
#include "model/ReturnCommand.h"
#include "model/StopCommand.h"

#include <QHash>
#include <QPointer>
#include <QStringList>

#include <memory>

// A command tree written the way it reads, and printed back the same way:
//   "Program: first=frame 0+5, reset, call, stop; Collection: frame 47+191:7, return"
// "Program" is the Device's program, "Collection" a new collection under the
// Device, and the commands are frame, call, return, reset and stop. A frame
// lists the LEDs it lights joined by '+', a value other than 1 after a colon.
// "name=" names an item for lookup only: the item keeps its own name; the
// Device is "device". The set-up is no edit, so the history starts empty.
class TreeOutline
{
public:
    // A tree of its own: the Device, its model and its edit path live here.
    explicit TreeOutline(const QString& outline)
        : owner(std::make_unique<QObject>())
        , device(new DeviceItem)
    {
        build(outline, new DocumentEdits(new CommandTreeModel(device, owner.get()), owner.get()));
    }

    // Into the tree of an existing document, through its edit path.
    TreeOutline(const QString& outline, DocumentEdits* edits)
        : device(qobject_cast<DeviceItem*>(edits->model()->root()->child(0)))
    {
        build(outline, edits);
    }

    AbstractTreeItem* operator[](const QString& name) const { return items.value(name); }
    LedStatesCommand* frame(const QString& name) const
    {
        return qobject_cast<LedStatesCommand*>((*this)[name]);
    }

    // The whole tree, or one item with what it holds.
    QString outline(const AbstractTreeItem* item = nullptr) const
    {
        QStringList parts;
        if (!item || item == device) {
            for (const AbstractTreeItem* child : device->children())
                parts << outline(child);
            return parts.join(QStringLiteral("; "));
        }
        const QString name = items.key(const_cast<AbstractTreeItem*>(item));
        QString text = (name.isEmpty() ? QString() : name + '=') + kinds().value(item->type()).first;
        const auto* frame = qobject_cast<const LedStatesCommand*>(item);
        for (int k = 0; frame && k < frame->leds().size(); ++k) {
            const int value = frame->leds().at(k)->value();
            if (value)
                parts << (value == 1 ? QString::number(k) : QStringLiteral("%1:%2").arg(k).arg(value));
        }
        for (const AbstractTreeItem* child : item->children())
            parts << outline(child);
        if (item->type() == AbstractTreeItem::Program || item->type() == AbstractTreeItem::Function)
            text += ':';
        return parts.isEmpty() ? text : text + ' ' + parts.join(frame ? "+" : ", ");
    }

    std::unique_ptr<QObject> owner; // null in an existing document
    DeviceItem* device;
    ProgramItem* program = nullptr;
    CommandTreeModel* model = nullptr;
    DocumentEdits* edits = nullptr;
    QHash<QString, QPointer<AbstractTreeItem>> items; // by name, null once freed

private:
    using Make = AbstractTreeItem* (*)();
    template <class Item> static AbstractTreeItem* make() { return new Item; }
    // By item type: the word the outline uses and how to make one.
    static const QVector<QPair<QString, Make>>& kinds()
    {
        static const QVector<QPair<QString, Make>> kinds { { "Device", nullptr },
            { "Program", make<ProgramItem> }, { "Collection", make<FunctionItem> },
            { "frame", make<LedStatesCommand> }, { "call", make<CallCommand> },
            { "return", make<ReturnCommand> }, { "reset", make<ResetCommand> },
            { "stop", make<StopCommand> } };
        return kinds;
    }

    void build(const QString& outline, DocumentEdits* path)
    {
        edits = path;
        model = path->model();
        for (const QString& part : outline.split(';', Qt::SkipEmptyParts)) {
            AbstractTreeItem* list = place(part.section(':', 0, 0), device);
            for (const QString& entry : part.section(':', 1).split(','))
                place(entry, list);
        }
        edits->history()->clear();
        program = device->program(0);
        items.insert(QStringLiteral("device"), device);
    }

    AbstractTreeItem* place(const QString& entry, AbstractTreeItem* parent)
    {
        const QString text = entry.section('=', -1).trimmed();
        if (text.isEmpty())
            return nullptr;
        const QString kind = text.section(' ', 0, 0);
        AbstractTreeItem* item = kind == "Program" && device->program(0) ? device->program(0) : create(kind);
        if (auto* frame = qobject_cast<LedStatesCommand*>(item)) {
            for (const QString& led : text.section(' ', 1).split('+', Qt::SkipEmptyParts)) {
                const QStringList ledValue = (led + ":1").split(':'); // a bare LED is 1
                frame->leds().at(ledValue.at(0).toInt())->setValue(ledValue.at(1).toInt());
            }
        }
        if (!item->parentItem())
            edits->appendItem(item, parent);
        if (entry.contains('='))
            items.insert(entry.section('=', 0, 0).trimmed(), item);
        return item;
    }

    static AbstractTreeItem* create(const QString& kind)
    {
        for (const auto& [word, factory] : kinds()) {
            if (word == kind && factory)
                return factory();
        }
        qFatal("The outline names no item \"%s\"", qPrintable(kind));
    }
};
