#include "RecentFiles.h"

#include <QAction>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString ArrayName = QStringLiteral("RecentFiles");
const QString FileKey = QStringLiteral("file");
} // namespace

RecentFiles::RecentFiles(QWidget* parent)
    : QMenu(tr("Recent Files"), parent)
{
    setEnabled(false);
    setToolTipsVisible(true);

    for (QAction*& action : entryActions) {
        action = addAction(QString());
        action->setVisible(false);
        connect(action, &QAction::triggered, this, &RecentFiles::openRecentFile);
    }
    addSeparator();
    clearRecentFilesAction = addAction(tr("Clear recent files"));
    connect(clearRecentFilesAction, &QAction::triggered, this, &RecentFiles::clearRecentFiles);

    connect(this, &QMenu::aboutToShow, this, &RecentFiles::updateActions);
}

RecentFiles::~RecentFiles() = default;

void RecentFiles::loadRecentFiles(QSettings* settings)
{
    recentFiles.clear();
    if (settings) {
        // The stored size is only a claim: a damaged file saying two billion
        // would keep the window from appearing. The menu shows ten at most.
        const int count = qMin(settings->beginReadArray(ArrayName), int(MaxEntries));
        for (int i = 0; i < count; ++i) {
            settings->setArrayIndex(i);
            const QString path = settings->value(FileKey).toString();
            // Only documents are offered: a FIFO or a device put in their
            // place would block the editor or feed it for ever.
            if (QFileInfo(path).isFile())
                recentFiles.append(path);
        }
        settings->endArray();
    }
    updateActions();
}

void RecentFiles::saveRecentFiles(QSettings* settings) const
{
    if (!settings)
        return;
    // A shorter list would otherwise leave the old tail behind in the file.
    settings->remove(ArrayName);
    settings->beginWriteArray(ArrayName);
    for (int i = 0; i < recentFiles.size(); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(FileKey, recentFiles.at(i));
    }
    settings->endArray();
}

void RecentFiles::addRecentFile(const QString& path)
{
    if (path.isEmpty())
        return;
    recentFiles.removeAll(path);
    recentFiles.prepend(path);
    updateActions();
}

void RecentFiles::updateActions()
{
    while (recentFiles.size() > MaxEntries)
        recentFiles.removeLast();

    for (int i = 0; i < MaxEntries; ++i) {
        QAction* action = entryActions.at(static_cast<size_t>(i));
        if (i < recentFiles.size()) {
            const QString& path = recentFiles.at(i);
            // A "&" in the name would otherwise turn into a mnemonic and vanish.
            QString name = QFileInfo(path).fileName();
            name.replace(QLatin1Char('&'), QStringLiteral("&&"));
            action->setText(tr("&%1  |  %2").arg(QString::number(i + 1), name));
            action->setToolTip(path);
            action->setData(path);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
    setEnabled(!recentFiles.isEmpty());
}

void RecentFiles::openRecentFile()
{
    const auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const QString path = action->data().toString();
    if (QFileInfo::exists(path)) {
        emit openFile(path);
        return;
    }
    recentFiles.removeAll(path);
    updateActions();
    emit fileMissing(path);
}

void RecentFiles::clearRecentFiles()
{
    recentFiles.clear();
    updateActions();
}
