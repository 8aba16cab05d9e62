#include "ShortcutsDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
struct Row
{
    QString group;
    const QAction* action;
};

// The menu bar's actions in the order the menus show them, each with the
// title of the menu it stands in.
void walkMenu(const QMenu* menu, const QString& group, QList<Row>* rows, QSet<const QAction*>* seen)
{
    for (const QAction* action : menu->actions()) {
        if (action->menu()) {
            walkMenu(action->menu(), group + QStringLiteral(" > ") + ShortcutsDialog::plainText(action), rows,
                seen);
            continue;
        }
        if (action->isSeparator() || seen->contains(action))
            continue;
        seen->insert(action);
        if (!action->shortcuts().isEmpty())
            rows->append({ group, action });
    }
}
} // namespace

ShortcutsDialog::ShortcutsDialog(QWidget* window)
    : QDialog(window)
    , window(window)
    , shortcutTable(new QTableWidget(this))
{
    setObjectName(QStringLiteral("ShortcutsDialog"));
    setWindowTitle(tr("Keyboard shortcuts"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    shortcutTable->setObjectName(QStringLiteral("table_Shortcuts"));
    shortcutTable->setColumnCount(3);
    shortcutTable->setHorizontalHeaderLabels({ tr("Menu"), tr("Command"), tr("Keys") });
    shortcutTable->verticalHeader()->hide();
    shortcutTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    shortcutTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    shortcutTable->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(shortcutTable);
    layout->addWidget(buttons);
    resize(700, 600);
    refresh();
}

ShortcutsDialog::~ShortcutsDialog() = default;

QString ShortcutsDialog::plainText(const QAction* action)
{
    QString text = action->text();
    // "&&" stands for one ampersand; a single one marks the mnemonic.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x1f"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x1f'), QLatin1Char('&'));
    return text;
}

QString ShortcutsDialog::keysText(const QAction* action)
{
    QStringList keys;
    for (const QKeySequence& sequence : action->shortcuts())
        keys << sequence.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

void ShortcutsDialog::refresh()
{
    QList<Row> rows;
    QSet<const QAction*> seen;
    if (window) {
        if (const auto* bar = window->findChild<QMenuBar*>()) {
            for (const QAction* top : bar->actions()) {
                if (top->menu())
                    walkMenu(top->menu(), plainText(top), &rows, &seen);
            }
        }
        // Keys bound to the window or its views outside the menus.
        const auto actions = window->findChildren<QAction*>();
        for (const QAction* action : actions) {
            if (seen.contains(action) || action->isSeparator() || action->shortcuts().isEmpty())
                continue;
            seen.insert(action);
            rows.append({ tr("Other"), action });
        }
    }

    shortcutTable->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const Row& row = rows.at(r);
        shortcutTable->setItem(r, 0, new QTableWidgetItem(row.group));
        shortcutTable->setItem(r, 1, new QTableWidgetItem(plainText(row.action)));
        auto* keys = new QTableWidgetItem(keysText(row.action));
        // The column may be too narrow for a long list of keys.
        keys->setToolTip(keys->text());
        shortcutTable->setItem(r, 2, keys);
    }
    shortcutTable->resizeColumnsToContents();
}
