#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

class EditHistory;
class QAction;

// Undo and Redo for whichever document history is active: their texts name
// the step ("Undo Add Frame"), and they are off when there is nothing to undo
// or redo, or no history at all. The actions belong to the parent, as the
// window's other actions do.
class HistoryActions : public QObject
{
    Q_OBJECT

public:
    explicit HistoryActions(QObject* parent = nullptr);
    ~HistoryActions() override;

    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

    void setHistory(EditHistory* history);

private:
    void show();

    QAction* m_undo;
    QAction* m_redo;
    QPointer<EditHistory> m_history;
    QList<QMetaObject::Connection> m_connections;
};
