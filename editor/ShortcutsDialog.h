#pragma once

#include <QDialog>

class QAction;
class QTableWidget;

// Every command of a window that has keys, read from the window's actions
// each time it is shown, so that the table never lags behind the program.
class ShortcutsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ShortcutsDialog(QWidget* window);
    ~ShortcutsDialog() override;

    // Reads the window's actions again.
    void refresh();

    QTableWidget* table() const { return shortcutTable; }

    // An action's text as a menu shows it, without the mnemonic marks.
    static QString plainText(const QAction* action);
    // The action's keys in the desktop's notation, the first one first.
    static QString keysText(const QAction* action);

private:
    QWidget* window;
    QTableWidget* shortcutTable;
};
