#pragma once

#include <QDialog>

#include <memory>

class Ui_AboutDialog;

// The modal box behind Help > About: the program's name and the versions of
// the editor and of the document library.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

private:
    void drawPanel();

    std::unique_ptr<Ui_AboutDialog> ui;
};
