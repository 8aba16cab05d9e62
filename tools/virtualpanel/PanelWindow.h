#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class RingPanelWidget;
class VirtualPanel;

// The window of the virtual panel: the rings, a line telling where the
// program stands, and the log of what came over the line.
class PanelWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PanelWindow(VirtualPanel* panel, bool mirrored, QWidget* parent = nullptr);
    ~PanelWindow() override;

private:
    void setStatus(const QString& text);

    RingPanelWidget* m_rings;
    QLabel* m_status;
    QPlainTextEdit* m_log;
    QString m_imageText;
};
