#pragma once

#include "kamdeldocument_export.h"

#include <QList>
#include <QModelIndexList>
#include <QStringList>
#include <QTableView>
#include <QVector>

#include <memory>

class DocumentEdits;
class LedPanelTableModel;
class LedStatesCommand;
class QAction;
class QMenu;
class SpinBoxDelegate;

// Edits many LED frames at once as numbers, and exchanges rectangular blocks
// of values with the clipboard as tab-separated text, so that sequences move
// between frames, documents and spreadsheets.
class KAMDELDOCUMENT_EXPORT LedPanelTableView : public QTableView
{
    Q_OBJECT

public:
    explicit LedPanelTableView(QWidget* parent = nullptr);
    ~LedPanelTableView() override;

    void setFrames(const QList<LedStatesCommand*>& frames);
    void clearFrames();
    void setFrameLayout(int rowsPerFrame, int ledsPerRow);
    LedPanelTableModel* tableModel() const;

    // The document whose edits the table goes through; null edits cells
    // directly.
    void setEdits(DocumentEdits* edits);

    QMenu* contextMenu() const { return m_menu; }

    // Clipboard blocks must be regular: every used row holds as many
    // selected cells as every other used row, and likewise for columns.
    static bool isUniformSelection(const QModelIndexList& indexes);

public slots:
    void customMenuRequested(QPoint pos);
    void cutData();
    void copyData();
    void pasteData();
    void deleteData();

private:
    using Block = QVector<QStringList>;

    QModelIndexList sortedSelection() const;
    void foldFrames(Block& block) const;
    bool acceptSelection(const QModelIndexList& sorted, const QString& refusal) const;
    void pasteBlockAt(const QModelIndex& topLeft, const Block& block);
    void fillSelection(const QModelIndexList& sorted, const Block& block);
    void applyColumnWidths();
    // A click names the LED of the cell, or the ring of the row, in the
    // board's words.
    void showCellPlace(const QModelIndex& index);
    void showRowRing(int row);
    void showStatusTip(const QString& text);

    std::unique_ptr<LedPanelTableModel> m_model;
    QMenu* m_menu;
    QAction* m_cutAction;
    QAction* m_copyAction;
    QAction* m_pasteAction;
    QAction* m_deleteAction;
    SpinBoxDelegate* m_delegate;
};
