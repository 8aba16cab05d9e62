#pragma once

#include "kamdeldocument_export.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class CommandTreeModel;
class Compiller;
class DeviceItem;
class DocumentEdits;
class QIODevice;
class QXmlStreamReader;
class QXmlStreamWriter;

// One LED panel program without any widget: the command tree with its model
// and edit path, and the compiler of its panel model. Reads and writes the
// document file; a failure is `false` with errorString() saying why, for the
// caller to show or print.
class KAMDELDOCUMENT_EXPORT PanelDocument : public QObject
{
    Q_OBJECT

public:
    // The ring panel models; None is a document that reads and writes
    // nothing and has no compiler.
    enum class Panel
    {
        None,
        RingA,
        RingB
    };

    explicit PanelDocument(Panel panel = Panel::None, QObject* parent = nullptr);
    ~PanelDocument() override;

    // Far more than a file of the most frames a document takes, written
    // with the widest values; a larger file is refused before it is read.
    static constexpr qint64 MaxFileSize = 512LL * 1024 * 1024;
    // Why `fileName` cannot be opened as a document (not a regular file, or
    // too large), or nothing. A FIFO or a device must never be opened: the
    // first would block the program, the second could deliver bytes for ever.
    static QString unreadableReason(const QString& fileName);
    // The panel whose document `fileName` is, judged by its root element;
    // None for anything else.
    static Panel panelOf(const QString& fileName);
    static bool isDocumentOf(const QString& fileName, Panel panel);
    // The model label on the device ("ZQ-RING-A") and the file's version mark.
    static QString modelLabel(Panel panel);
    // The panel whose label is `model`; None for any other text.
    static Panel panelOfModel(const QString& model);
    static QString versionMark(Panel panel);

    Panel panel() const { return m_panel; }
    QString panelModel() const { return modelLabel(m_panel); }

    // False when the file could not be read, or was read only in part: the
    // tree then keeps what was read (partlyRead()) and the history is empty.
    bool load(const QString& fileName);
    bool partlyRead() const { return m_partlyRead; }
    // Replaces the file only once the whole document is written.
    bool save(const QString& fileName);
    QString errorString() const { return m_errorString; }

    bool readXML(QIODevice* device);
    bool writeXML(QIODevice* device);
    bool readXML(QXmlStreamReader& reader);
    void writeXML(QXmlStreamWriter& writer);

    void compile();
    QByteArray createBinnary();

    DeviceItem* deviceItem() const { return m_device; }
    CommandTreeModel* treeModel() const { return m_model; }
    DocumentEdits* edits() const { return m_edits; }
    Compiller* programCompiler() const { return m_compiler.get(); }

private:
    bool fail(const QString& reason);

    Panel m_panel;
    DeviceItem* m_device;
    CommandTreeModel* m_model;
    DocumentEdits* m_edits;
    std::unique_ptr<Compiller> m_compiler;
    QString m_errorString;
    // Why the last read stopped at one of the reading bounds, or nothing.
    QString m_readProblem;
    bool m_partlyRead = false;
};
