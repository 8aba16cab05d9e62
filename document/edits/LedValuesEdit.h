#pragma once

#include "DocumentEdits.h"

#include "EditStep.h"

// New values for some LED cells. The cells belong to frames that are in the
// tree whenever this step is done or undone: a frame leaves the tree only by
// a later step, which is undone first.
class LedValuesEdit : public EditStep
{
public:
    struct Change
    {
        LedCell* cell;
        int before;
        int after;
    };

    LedValuesEdit(DocumentEdits* edits, QVector<Change> changes, const QString& text, int stroke,
        EditStep* parent = nullptr);
    ~LedValuesEdit() override;

    int id() const override;
    bool mergeWith(const EditStep* other) override;
    void redo() override;
    void undo() override;

private:
    void apply(bool after);

    DocumentEdits* m_edits;
    QVector<Change> m_changes;
    int m_stroke;
    bool m_done = false;
};
