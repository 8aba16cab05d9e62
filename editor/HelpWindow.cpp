#include "HelpWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

// The guide is compiled into this static library; without a reference the
// linker would leave it out of the program.
static void initGuideResources()
{
    Q_INIT_RESOURCE(guide);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , textBrowser(new QTextBrowser(this))
{
    initGuideResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("User guide"));
    textBrowser->setObjectName(QStringLiteral("textBrowser_Guide"));
    // Links to the web go to the desktop's browser.
    textBrowser->setOpenExternalLinks(true);

    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textBrowser);
    layout->addLayout(buttons);

    textBrowser->setSource(QUrl(QStringLiteral("qrc") + guidePath()), QTextDocument::MarkdownResource);
    nameHeadings(textBrowser->document());

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableSize() : QSize(1024, 768);
    resize(qMin(820, available.width() * 2 / 3), qMin(900, available.height() * 5 / 6));
}

HelpWindow::~HelpWindow() = default;

QString HelpWindow::anchorOf(const QString& heading)
{
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-'))
            anchor += c;
        else if (c == QLatin1Char(' '))
            anchor += QLatin1Char('-');
    }
    return anchor;
}

void HelpWindow::nameHeadings(QTextDocument* document)
{
    // The Markdown reader gives headings no anchors, so the contents' links
    // ("#frames") would lead nowhere; they get the names Markdown sites use.
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({ anchorOf(block.text()) });
        cursor.mergeCharFormat(format);
    }
}

QString HelpWindow::guidePath()
{
    return QStringLiteral(":/guide/guide.md");
}
