#pragma once

#include "kamdeldocument_export.h"

#include <QString>

#include <memory>
#include <vector>

// One step of a document's history: does and undoes one change. A step made
// with a parent becomes one of its parts, owned by it; the parent does its
// parts in order and undoes them in reverse.
class KAMDELDOCUMENT_EXPORT EditStep
{
public:
    explicit EditStep(const QString& text = QString(), EditStep* parent = nullptr);
    virtual ~EditStep();
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

    QString text() const { return m_text; }
    int childCount() const { return int(m_children.size()); }

    // Steps with the same id other than -1 may take in the step pushed after
    // them; mergeWith says whether this one did.
    virtual int id() const { return -1; }
    virtual bool mergeWith(const EditStep* next);

    virtual void redo();
    virtual void undo();

private:
    QString m_text;
    std::vector<std::unique_ptr<EditStep>> m_children;
};
