#pragma once

#include "AbstractDocument.h"
#include "kamdeldocument_export.h"

#include <QByteArray>

class CommandTreeModel;
class CommandTreeView;
class Compiller;
class DeviceItem;
class DocumentEdits;
class FrameEditor;
class LedPanelScene_Ring;
class LedPanelTableView;
class LedPanelView;
class QGridLayout;
class QIODevice;
class QSplitter;
class QXmlStreamReader;
class QXmlStreamWriter;
class WidgetStack;

// One open LED panel program: the command tree beside the stack of editors,
// with loading, saving, compiling and the clipboard commands of the LED table
// and of the tree's frames.
class KAMDELDOCUMENT_EXPORT KamdelDocument : public AbstractDocument
{
    Q_OBJECT

public:
    explicit KamdelDocument(QWidget* parent = nullptr);
    ~KamdelDocument() override;

    static QString version();

    // Far more than a file of the most frames a document takes, written
    // with the widest values; a larger file is refused before it is read.
    static constexpr qint64 MaxFileSize = 512LL * 1024 * 1024;
    // Why `fileName` cannot be opened as a document (not a regular file, or
    // too large), or nothing. A FIFO or a device must never be opened: the
    // first would block the program, the second could deliver bytes for ever.
    static QString unreadableReason(const QString& fileName);

    void compile();
    QByteArray createBinnary();

    QString openSaveFileDialogFilter() const override;
    QString askOpenFileName() override;
    bool load(const QString& fileName) override;
    bool save(const QString& fileName) override;

    bool readXML(QIODevice* device);
    bool writeXML(QIODevice* device);

    virtual bool readXML(QXmlStreamReader& reader);
    virtual void writeXML(QXmlStreamWriter& writer);

    LedPanelView* ledPanelView() const;
    CommandTreeView* commandTreeView() const;
    DeviceItem* deviceItem() const { return device; }
    CommandTreeModel* treeModel() const { return model; }
    DocumentEdits* edits() const { return m_edits; }
    FrameEditor* frameEditor() const { return m_frameEditor; }
    LedPanelScene_Ring* panelScene() const { return scene; }
    Compiller* programCompiler() const { return compiler; }
    // The panel model's label; the file may rename the device, not the model.
    QString panelModel() const { return m_panelModel; }

public slots:
    void cutData();
    void copyData();
    void pasteData();
    void deleteData();

protected:
    // The library's dialogs go through seams that tests can answer.
    QString askSaveFileName() override;
    QMessageBox::StandardButton askSaveChanges() override;

    // The file's version mark and the two halves of the file shared by both
    // panel types.
    bool readDocumentXML(QXmlStreamReader& reader, const QString& version);
    void writeDocumentXML(QXmlStreamWriter& writer, const QString& version);
    static bool isValidDocumentFile(const QString& fileName, const QString& version);

    // What tells the panel types apart: the model label, the compiler and the
    // drawing of the board (picture coordinates in pixels).
    struct RingLayout
    {
        double centerX;
        double centerY;
        double outerDiameter;
        double innerDiameter;
        double radialStart;
        double radialStep;
        double ledSize;
        QString picture; // "PCBA01" names PCBA01_top.png and PCBA01_bot.png
    };
    void setUpPanel(const QString& modelLabel, Compiller* panelCompiler);
    void installRingScene(const RingLayout& layout);

    struct Ui
    {
        QGridLayout* gridLayout = nullptr;
        QSplitter* splitter = nullptr;
        CommandTreeView* commandTreeView = nullptr;
        WidgetStack* widgetStack = nullptr;
    } ui;
    DeviceItem* device = nullptr;
    CommandTreeModel* model = nullptr;
    LedPanelScene_Ring* scene = nullptr;
    Compiller* compiler = nullptr;

private:
    void markEdited();
    LedPanelTableView* focusedTable() const;

    DocumentEdits* m_edits = nullptr;
    FrameEditor* m_frameEditor = nullptr;
    QString m_panelModel;
    // Why the last read stopped at one of the reading bounds, or nothing.
    QString m_readProblem;
};
