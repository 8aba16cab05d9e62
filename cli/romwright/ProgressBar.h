#pragma once

#include <QObject>

#include <cstdio>

// A one-line progress bar redrawn in place on a terminal.
class ProgressBar : public QObject
{
    Q_OBJECT

public:
    explicit ProgressBar(FILE* out, QObject* parent = nullptr);
    ~ProgressBar() override;

    void setValue(int percent);
    // Ends the bar's line so that the next text starts on a fresh one.
    void finish();

private:
    FILE* m_Out;
    int m_Shown = -1;
};
