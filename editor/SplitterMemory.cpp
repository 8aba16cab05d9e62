#include "SplitterMemory.h"

#include "SettingsStore.h"

#include <QByteArray>
#include <QSplitter>

void SplitterMemory::attach(QSplitter* splitter, const QString& key, const QList<int>& firstSizes)
{
    if (!splitter)
        return;
    const QByteArray stored = SettingsStore::value(key).toByteArray();
    if (stored.isEmpty() || !splitter->restoreState(stored))
        splitter->setSizes(firstSizes);
    QObject::connect(splitter, &QSplitter::splitterMoved, splitter,
        [splitter, key]() { SettingsStore::setValue(key, splitter->saveState()); });
}
