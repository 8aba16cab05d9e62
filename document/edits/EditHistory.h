#pragma once

#include "kamdeldocument_export.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class EditStep;

// The undo history of a document: the steps done so far, where the user
// stands among them, and which place matches the saved file. It keeps
// QUndoStack's rules (a new step drops the undone ones after it, merges into
// the step before it unless that one is the saved state) without needing the
// widgets module, so that documents work where there is no display.
class KAMDELDOCUMENT_EXPORT EditHistory : public QObject
{
    Q_OBJECT

public:
    explicit EditHistory(QObject* parent = nullptr);
    ~EditHistory() override;

    // Does the step and records it, taking ownership.
    void push(EditStep* step);
    // Forgets every step; the document as it is counts as saved.
    void clear();

    int count() const { return int(m_steps.size()); }
    int index() const { return m_index; }
    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < count(); }
    QString undoText() const;
    QString redoText() const;
    bool isClean() const { return m_index == m_cleanIndex; }

public slots:
    void undo();
    void redo();
    // The present place matches the saved file.
    void setClean();
    // No place matches the saved file any more.
    void resetClean();

signals:
    void indexChanged(int index);
    void cleanChanged(bool clean);
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);
    void undoTextChanged(const QString& text);
    void redoTextChanged(const QString& text);

private:
    void setIndex(int index, bool clean);
    void announce();

    std::vector<std::unique_ptr<EditStep>> m_steps;
    int m_index = 0;
    int m_cleanIndex = 0;
};
