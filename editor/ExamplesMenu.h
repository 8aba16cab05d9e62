#pragma once

#include <QMenu>
#include <QString>
#include <QVector>

// File > Examples: little shows for both panel models, compiled into the
// program (tools/examples/make-examples.sh makes them). Each opens as a new
// document that has not been saved yet.
class ExamplesMenu : public QMenu
{
    Q_OBJECT

public:
    struct Example
    {
        QString path; // in the resources
        QString name; // plain words, without the panel model
    };
    static QVector<Example> examples();

    explicit ExamplesMenu(QWidget* parent = nullptr);
    ~ExamplesMenu() override;

signals:
    void openExample(QString path, QString name);
};
