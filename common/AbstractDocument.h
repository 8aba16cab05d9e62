#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>

class QCloseEvent;

// The widget base of every document the editor can host. This source is
// compiled into both the editor program and the document library, so the
// order of members, virtual operations, signals and slots must never differ
// between the two copies: append, never reorder.
class AbstractDocument : public QWidget
{
    Q_OBJECT

public:
    explicit AbstractDocument(QWidget* parent = nullptr);
    ~AbstractDocument() override;

    QString filePath() const { return m_filePath; }
    QString fileName() const { return m_fileName; }
    QString fileDir() const;
    bool isModified() const { return isWindowModified(); }

    void setFilePath(const QString& path);
    void setFileName(const QString& name);

    virtual QString askOpenFileName();
    virtual bool open(const QString& path = QString());
    virtual bool saveAs(const QString& path = QString());
    virtual bool maybeSave();
    virtual bool load(const QString& path) = 0;
    virtual bool save(const QString& path) = 0;
    virtual QString openSaveFileDialogFilter() const;

signals:
    void aboutToClose(AbstractDocument* document);
    void fileNameChanged(QString fileName);
    void modifiedChanged(bool modified);
    void log(QString text);

public slots:
    // Only a document's own load and save decide the flag, except where the
    // host knows better: a recovered copy is modified, an empty new one not.
    void setModified(bool modified);

protected:
    // Seams for the two remaining dialogs, so that tests and derived
    // documents can answer them without a modal loop.
    virtual QString askSaveFileName();
    virtual QMessageBox::StandardButton askSaveChanges();

    void closeEvent(QCloseEvent* event) override;

private:
    void updateTitle();

    QString m_filePath;
    QString m_fileName;
};

Q_DECLARE_METATYPE(AbstractDocument*)
