#pragma once

#include <QWidget>

class QTextBrowser;
class QTextDocument;

// The user guide, shown from the copy compiled into the program, so that it
// matches the program's version and needs no network.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    QTextBrowser* browser() const { return textBrowser; }

    // The guide's first page in the program's resources.
    static QString guidePath();
    // The anchor a heading gets, as Markdown sites name them: "Frame tools
    // and symmetry" is "frame-tools-and-symmetry".
    static QString anchorOf(const QString& heading);

private:
    static void nameHeadings(QTextDocument* document);

    QTextBrowser* textBrowser;
};
