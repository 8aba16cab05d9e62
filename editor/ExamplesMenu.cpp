#include "ExamplesMenu.h"

#include "model/PanelDocument.h"

#include <QAction>

// The examples are compiled into this static library; without a reference
// the linker would leave them out of the program.
static void initExampleResources()
{
    Q_INIT_RESOURCE(examples);
}

QVector<ExamplesMenu::Example> ExamplesMenu::examples()
{
    static const struct
    {
        const char* file;
        const char* name;
    } shows[] = {
        { "comet-and-fill-a.xml", QT_TR_NOOP("Comet and fill") },
        { "heartbeat-a.xml", QT_TR_NOOP("Heartbeat") },
        { "starfield-a.xml", QT_TR_NOOP("Starfield") },
        { "slowing-comet-a.xml", QT_TR_NOOP("Comet slowing over a drawn ring") },
        { "progress-ring-b.xml", QT_TR_NOOP("Progress ring") },
        { "ripple-pulse-b.xml", QT_TR_NOOP("Ripple pulse") },
        { "pattern-dissolve-b.xml", QT_TR_NOOP("Dissolve between patterns") },
    };
    initExampleResources();
    QVector<Example> list;
    for (const auto& show : shows)
        list.append({ QStringLiteral(":/examples/") + QLatin1String(show.file), tr(show.name) });
    return list;
}

ExamplesMenu::ExamplesMenu(QWidget* parent)
    : QMenu(tr("Examples"), parent)
{
    setObjectName(QStringLiteral("menu_Examples"));
    for (const Example& example : examples()) {
        const QString model = PanelDocument::modelLabel(PanelDocument::panelOf(example.path));
        QAction* action = addAction(tr("%1 (%2)").arg(example.name, model));
        action->setStatusTip(tr("Open the example as a new document"));
        connect(action, &QAction::triggered, this,
            [this, example] { emit openExample(example.path, example.name); });
    }
}

ExamplesMenu::~ExamplesMenu() = default;
