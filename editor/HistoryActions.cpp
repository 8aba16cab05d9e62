#include "HistoryActions.h"

#include "edits/EditHistory.h"

#include <QAction>

namespace {
QString prefixed(const QString& prefix, const QString& step)
{
    return step.isEmpty() ? prefix : prefix + QLatin1Char(' ') + step;
}
} // namespace

HistoryActions::HistoryActions(QObject* parent)
    : QObject(parent)
    , m_undo(new QAction(tr("Undo"), parent))
    , m_redo(new QAction(tr("Redo"), parent))
{
    connect(m_undo, &QAction::triggered, this, [this] {
        if (m_history)
            m_history->undo();
    });
    connect(m_redo, &QAction::triggered, this, [this] {
        if (m_history)
            m_history->redo();
    });
    show();
}

HistoryActions::~HistoryActions() = default;

void HistoryActions::setHistory(EditHistory* history)
{
    for (const QMetaObject::Connection& connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_history = history;
    if (history)
        m_connections << connect(history, &EditHistory::indexChanged, this, &HistoryActions::show);
    show();
}

void HistoryActions::show()
{
    m_undo->setEnabled(m_history && m_history->canUndo());
    m_redo->setEnabled(m_history && m_history->canRedo());
    m_undo->setText(prefixed(tr("Undo"), m_history ? m_history->undoText() : QString()));
    m_redo->setText(prefixed(tr("Redo"), m_history ? m_history->redoText() : QString()));
}
