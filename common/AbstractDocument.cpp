#include "AbstractDocument.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

AbstractDocument::AbstractDocument(QWidget* parent)
    : QWidget(parent)
{
    qRegisterMetaType<AbstractDocument*>("AbstractDocument*");
}

AbstractDocument::~AbstractDocument() = default;

QString AbstractDocument::fileDir() const
{
    return QFileInfo(m_filePath).path();
}

void AbstractDocument::setFilePath(const QString& path)
{
    if (path == m_filePath)
        return;
    // Empty for a file that does not exist yet: callers set the path once the
    // file is on disk.
    m_filePath = QFileInfo(path).canonicalFilePath();
    m_fileName = QFileInfo(m_filePath).fileName();
    updateTitle();
    emit fileNameChanged(m_fileName);
}

void AbstractDocument::setFileName(const QString& name)
{
    if (name == m_fileName)
        return;
    m_fileName = name;
    if (!m_filePath.isEmpty())
        m_filePath = fileDir() + QLatin1Char('/') + name;
    updateTitle();
    emit fileNameChanged(m_fileName);
}

QString AbstractDocument::askOpenFileName()
{
    // Without a stored path fileDir() is ".", the process's current directory.
    return QFileDialog::getOpenFileName(nullptr, tr("Open"), fileDir(), openSaveFileDialogFilter());
}

bool AbstractDocument::open(const QString& path)
{
    QString name = path;
    if (name.isEmpty()) {
        name = askOpenFileName();
        if (name.isEmpty())
            return false;
    }
    return load(name);
}

bool AbstractDocument::saveAs(const QString& path)
{
    QString name = path;
    if (name.isEmpty()) {
        name = askSaveFileName();
        if (name.isEmpty())
            return false;
    }
    return save(name);
}

bool AbstractDocument::maybeSave()
{
    if (!isModified())
        return true;
    switch (askSaveChanges()) {
    case QMessageBox::Save:
        return saveAs(filePath());
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString AbstractDocument::openSaveFileDialogFilter() const
{
    return tr("All files (*)");
}

QString AbstractDocument::askSaveFileName()
{
    const QString start = m_filePath.isEmpty() ? m_fileName : m_filePath;
    return QFileDialog::getSaveFileName(nullptr, tr("Save as"), start, openSaveFileDialogFilter());
}

QMessageBox::StandardButton AbstractDocument::askSaveChanges()
{
    return QMessageBox::warning(this, QCoreApplication::applicationName(),
                                tr("%1 has been modified.\nDo you want to save changes?").arg(m_fileName),
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                QMessageBox::NoButton);
}

void AbstractDocument::setModified(bool modified)
{
    if (modified == isWindowModified())
        return;
    setWindowModified(modified);
    emit modifiedChanged(modified);
}

void AbstractDocument::closeEvent(QCloseEvent* event)
{
    if (maybeSave()) {
        emit aboutToClose(this);
        event->accept();
    } else {
        event->ignore();
    }
}

void AbstractDocument::updateTitle()
{
    setWindowTitle(m_fileName + QStringLiteral("[*]"));
}
