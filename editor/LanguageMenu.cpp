#include "LanguageMenu.h"

#include "Languages.h"
#include "SettingsStore.h"

#include <QActionGroup>

LanguageMenu::LanguageMenu(QWidget* parent)
    : QMenu(tr("Language"), parent)
    , group(new QActionGroup(this))
{
    setObjectName(QStringLiteral("menu_Language"));
    const QString chosen = SettingsStore::string(Languages::settingsKey(), Languages::system());
    const auto add = [this, &chosen](const QString& code, const QString& name) {
        QAction* action = addAction(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        action->setData(code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { choose(code); });
    };
    // The windows are made in the language chosen when the program starts.
    addSection(tr("Takes effect at the next start"));
    add(Languages::system(), tr("System"));
    addSeparator();
    for (const Languages::Language& language : Languages::shipped())
        add(language.code, language.name);
}

void LanguageMenu::choose(const QString& code)
{
    SettingsStore::setValue(Languages::settingsKey(), code);
    SettingsStore::sync();
    emit message(tr("The language changes at the next start."), 5000);
}
