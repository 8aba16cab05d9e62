#pragma once

#include <QMenu>
#include <QStringList>

#include <array>

class QAction;
class QSettings;

// The "Recent Files" submenu: the paths of the last documents opened or
// saved, newest first, at most ten.
class RecentFiles : public QMenu
{
    Q_OBJECT

public:
    static constexpr int MaxEntries = 10;

    explicit RecentFiles(QWidget* parent = nullptr);
    ~RecentFiles() override;

    void loadRecentFiles(QSettings* settings);
    void saveRecentFiles(QSettings* settings) const;
    void addRecentFile(const QString& path);

    QStringList files() const { return recentFiles; }
    QAction* entryAction(int index) const { return entryActions.at(static_cast<size_t>(index)); }
    QAction* clearAction() const { return clearRecentFilesAction; }

signals:
    void openFile(QString filePath);
    // A picked entry whose file is gone; it has been dropped.
    void fileMissing(QString filePath);

private slots:
    void updateActions();
    void openRecentFile();
    void clearRecentFiles();

private:
    std::array<QAction*, MaxEntries> entryActions {};
    QStringList recentFiles;
    QAction* clearRecentFilesAction = nullptr;
};
