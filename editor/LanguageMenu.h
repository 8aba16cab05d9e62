#pragma once

#include <QMenu>

class QActionGroup;

// View > Language: "System" (the desktop's language) or one of the shipped
// languages by its own name. The choice is stored for the next start, as
// the texts of the open windows were made in the language of this one.
class LanguageMenu : public QMenu
{
    Q_OBJECT

public:
    explicit LanguageMenu(QWidget* parent = nullptr);

signals:
    // What to tell the user once a language is chosen.
    void message(const QString& text, int timeout);

private:
    void choose(const QString& code);

    QActionGroup* group;
};
