#include "BoardLegend.h"

#include "views/LedItem.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

BoardLegend::BoardLegend(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("BoardLegend"));
    setWindowTitle(tr("Board legend"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    struct Entry
    {
        bool on;
        bool previous;
        bool next;
        QString text;
    };
    const QList<Entry> entries {
        { true, false, false, tr("Yellow: the LED is on in the frame shown.") },
        { false, false, false, tr("Dark grey: the LED is off in the frame shown.") },
        { false, true, false, tr("Blue left half ring: the LED is on in the previous frame.") },
        { false, false, true, tr("Red right half ring: the LED is on in the next frame.") },
        { true, true, true, tr("Both halves: on before and after; here also on in the frame shown.") },
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    for (int i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries.at(i);
        auto* picture = new QLabel(this);
        picture->setPixmap(sample(entry.on, entry.previous, entry.next, 40));
        auto* text = new QLabel(entry.text, this);
        text->setWordWrap(true);
        text->setObjectName(QStringLiteral("label_Legend%1").arg(i));
        grid->addWidget(picture, i, 0);
        grid->addWidget(text, i, 1);
    }
    grid->setColumnStretch(1, 1);

    auto* note
        = new QLabel(tr("The half rings show while Adjacent is ticked in the board's menu (right click on "
                        "the board). A frame without a frame before or after it shows only one half."),
            this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(440, sizeHint().height());
}

BoardLegend::~BoardLegend() = default;

QPixmap BoardLegend::sample(bool on, bool inPrevious, bool inNext, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size / 2.0, size / 2.0);
    LedItem::draw(&painter, size / 2.0 - 1, on, inPrevious, inNext);
    return pixmap;
}
