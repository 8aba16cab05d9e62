#include "SequenceFile.h"

#include "CsvModel.h"
#include "DocumentEdits.h"
#include "LedStatesCommand.h"

#include <QDir>
#include <QFile>
#include <QVector>

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

QString SequenceFile::fileDialogFilter()
{
    return tr("LED panel Sequence (*.csv);;All files (*)");
}

QList<LedStatesCommand*> SequenceFile::frames(const AbstractTreeItem* container)
{
    QList<LedStatesCommand*> result;
    if (!container)
        return result;
    for (AbstractTreeItem* child : container->children()) {
        if (child->type() == AbstractTreeItem::LedStates)
            result.append(static_cast<LedStatesCommand*>(child));
    }
    return result;
}

bool SequenceFile::exportFrames(const QList<LedStatesCommand*>& frames, int ledCount, const QString& fileName,
                                QString* error)
{
    const int columns = frames.isEmpty() ? ledCount : frames.first()->leds().size();
    CsvModel csv(0, true, QLatin1Char(','), nullptr);
    csv.resize(frames.size(), columns);
    for (int k = 0; k < columns; ++k)
        csv.setHeaderText(k, QString::number(k));
    for (int r = 0; r < frames.size(); ++r) {
        const auto& leds = frames.at(r)->leds();
        for (int k = 0; k < columns && k < leds.size(); ++k)
            csv.setText(r, k, QString::number(leds.at(k)->value()));
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !csv.writeCsv(&file)) {
        setError(error, tr("Cannot write file %1:\n%2.")
                            .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return false;
    }
    return true;
}

int SequenceFile::importFrames(AbstractTreeItem* container, int ledCount, const QString& fileName,
                               DocumentEdits* edits, QString* error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, tr("Cannot read file %1:\n%2.")
                            .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return -1;
    }
    // A NUL byte never stands in a text table; reading such a file would
    // overwrite the frames with zeros.
    if (file.peek(1 << 16).contains('\0')) {
        setError(error, tr("%1 is not a sequence file.").arg(QDir::toNativeSeparators(fileName)));
        return -1;
    }
    // Double quotes are honoured on reading: spreadsheets and scripts quote
    // numbers freely, and reading "1" as text would turn every LED off.
    CsvModel csv(CsvModel::QuoteDouble, true, QLatin1Char(','), nullptr);
    csv.readCsv(&file);
    const int rows = csv.rowCount();
    if (rows == 0 || !container)
        return 0;

    QList<LedStatesCommand*> targets = frames(container);
    const int cells = targets.isEmpty() ? ledCount : targets.first()->leds().size();
    while (targets.size() < rows) {
        auto* frame = new LedStatesCommand;
        if (edits)
            edits->appendItem(frame, container);
        else
            container->appendChild(frame);
        targets.append(frame);
    }

    QVector<DocumentEdits::CellChange> changes;
    changes.reserve(rows * cells);
    for (int r = 0; r < rows; ++r) {
        const auto& leds = targets.at(r)->leds();
        for (int k = 0; k < cells && k < leds.size(); ++k)
            changes.append({ leds.at(k), csv.text(r, k).toInt() });
    }
    if (edits) {
        edits->setLedValues(changes);
    } else {
        for (const auto& change : qAsConst(changes))
            change.first->setValue(change.second);
    }
    return rows;
}
