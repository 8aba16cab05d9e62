#pragma once

#include "model/LedPanelTypes.h"

#include <QWidget>

class QLabel;
class QRadioButton;
class QPlainTextEdit;
class RingPanelWidget;
class VirtualPanel;

// The window of the virtual panel: the rings, seen from the side chosen
// (the bottom at first, as a new document in the editor), a line telling
// where the program stands, and the log of what came over the line.
class PanelWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PanelWindow(VirtualPanel* panel, eLedPanelSide side, QWidget* parent = nullptr);
    ~PanelWindow() override;

    eLedPanelSide side() const;
    void setSide(eLedPanelSide side);

private:
    void setStatus(const QString& text);
    void updateTitle();

    RingPanelWidget* m_rings;
    QLabel* m_status;
    QPlainTextEdit* m_log;
    QRadioButton* m_top;
    QRadioButton* m_bottom;
    QString m_where;
    QString m_imageText;
};
