#pragma once

#include "AbstractDocument.h"
#include "kamdeldocument_export.h"
#include "model/PanelDocument.h"

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

    static constexpr qint64 MaxFileSize = PanelDocument::MaxFileSize;
    static QString unreadableReason(const QString& fileName)
    {
        return PanelDocument::unreadableReason(fileName);
    }

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
    DocumentEdits* edits() const;
    FrameEditor* frameEditor() const { return m_frameEditor; }
    LedPanelScene_Ring* panelScene() const { return scene; }
    Compiller* programCompiler() const { return compiler; }
    // The panel model's label; the file may rename the device, not the model.
    QString panelModel() const { return m_core->panelModel(); }
    // The document without its widgets.
    PanelDocument* core() const { return m_core; }
    // The editor's playback speed, for the program's length on its page.
    void setPlaybackSpeed(int framesPerSecond);

public slots:
    void cutData();
    void copyData();
    void pasteData();
    void deleteData();

protected:
    // The library's dialogs go through seams that tests can answer.
    QString askSaveFileName() override;
    QMessageBox::StandardButton askSaveChanges() override;

    // A document of one panel model; the public constructor makes one that
    // reads, writes and compiles nothing.
    KamdelDocument(PanelDocument::Panel panel, QWidget* parent);

    // The drawing of the board (picture coordinates in pixels).
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
    void installRingScene(const RingLayout& layout);

    struct Ui
    {
        QGridLayout* gridLayout = nullptr;
        QSplitter* splitter = nullptr;
        CommandTreeView* commandTreeView = nullptr;
        WidgetStack* widgetStack = nullptr;
    } ui;
    PanelDocument* m_core;
    DeviceItem* device = nullptr;
    CommandTreeModel* model = nullptr;
    LedPanelScene_Ring* scene = nullptr;
    Compiller* compiler = nullptr;

private:
    void markEdited();
    LedPanelTableView* focusedTable() const;
    // Shows the core's reason for a failed load or save.
    void warn();
    // Every action that adds frames ends up here when they would not fit.
    void tellRefusal(const QString& reason);

    FrameEditor* m_frameEditor = nullptr;
};
