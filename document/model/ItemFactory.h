#pragma once

#include "kamdeldocument_export.h"

#include <QStringView>

class AbstractTreeItem;

// Every kind of item of the command tree, by its type code and by the name of
// its element in the document file: the one place that knows them all.
namespace ItemFactory {

// A new item of kind `type` (AbstractTreeItem::ItemType), a child of
// `parent` when one is given; none for an unknown kind.
KAMDELDOCUMENT_EXPORT AbstractTreeItem* create(int type, AbstractTreeItem* parent = nullptr);

// The kind whose element in the file is `elementName` ("LedStates", "Call",
// "Program", ...); AbstractTreeItem::Undefined for any other name.
KAMDELDOCUMENT_EXPORT int typeOf(QStringView elementName);

} // namespace ItemFactory
