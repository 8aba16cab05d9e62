#include "StationBanner.h"

#include "Recipe.h"

#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

StationBanner::StationBanner(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    m_Title = addLabel(QStringLiteral("recipe"), 1.4);
    m_Files = addLabel(QStringLiteral("files"), 1.0);
    m_Ports = addLabel(QStringLiteral("ports"), 1.0);
    m_Totals = addLabel(QStringLiteral("totals"), 1.4);
    m_Files->setFont(font());
    m_Ports->setFont(font());
    m_Title->setAccessibleName(tr("Recipe"));
    m_Files->setAccessibleName(tr("Firmware and program"));
    m_Ports->setAccessibleName(tr("Ports and log"));
    m_Totals->setAccessibleName(tr("Shift totals"));
}

QLabel* StationBanner::addLabel(const QString& name, qreal scale)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    layout()->addWidget(label);
    return label;
}

void StationBanner::setRecipe(const Recipe& recipe, const QString& recipePath)
{
    const auto name = [](const QString& path) { return QFileInfo(path).fileName(); };
    m_Title->setText(tr("Recipe %1: %2").arg(name(recipePath), recipe.model));
    m_Title->setToolTip(recipePath);
    m_Files->setText(tr("Firmware %1 (sha256 %2)    Program %3 (CRC %4)")
                         .arg(name(recipe.firmware), recipe.firmwareSha256.left(12), name(recipe.program),
                             Recipe::crcText(recipe.programCrc)));
    m_Ports->setText(tr("Ports %1    Log %2").arg(recipe.watch.join(QStringLiteral(", ")), recipe.log));
}

void StationBanner::setTotals(const QString& summary)
{
    m_Totals->setText(summary);
}
