#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The status bar's view of the panel's program memory: "N of 8000 bytes"
// beside a bar, red with a tool tip once the program no longer fits.
class MemoryGauge : public QWidget
{
    Q_OBJECT

public:
    explicit MemoryGauge(QWidget* parent = nullptr);
    ~MemoryGauge() override;

    int bytes() const { return m_bytes; }
    bool isOverCapacity() const;
    QString text() const;

public slots:
    // -1: no document, nothing to measure.
    void setBytes(int bytes);

private:
    QLabel* m_label;
    QProgressBar* m_bar;
    int m_bytes = -1;
};
