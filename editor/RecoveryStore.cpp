#include "RecoveryStore.h"

#include "AbstractDocument.h"
#include "DocumentEdits.h"
#include "KamdelDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStandardPaths>

#include <functional>

namespace {
const QString LockName = QStringLiteral("lock");
const QString CopyName = QStringLiteral("document.xml");
const QString NameName = QStringLiteral("name");

bool writeFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && write(file) && file.commit();
}
} // namespace

RecoveryStore::RecoveryStore(QObject* parent)
    : QObject(parent)
{
    m_folder = QDir(rootFolder())
                   .filePath(QStringLiteral("%1-%2")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QDateTime::currentMSecsSinceEpoch()));
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(LockName));
    // Only a lock whose process is gone counts as stale, however old it is.
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);

    m_timer.setSingleShot(true);
    m_timer.setInterval(DefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryStore::writeNow);
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::applicationStateChanged, this,
                &RecoveryStore::applicationStateChanged);
}

RecoveryStore::~RecoveryStore()
{
    m_lock.reset();
    QDir(m_folder).removeRecursively();
}

QString RecoveryStore::rootFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("recovery"));
}

QString RecoveryStore::copyPath() const
{
    return QDir(m_folder).filePath(CopyName);
}

QString RecoveryStore::namePath() const
{
    return QDir(m_folder).filePath(NameName);
}

void RecoveryStore::setInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
}

void RecoveryStore::setDocument(AbstractDocument* document)
{
    if (document == m_document)
        return;
    while (!m_connections.isEmpty())
        disconnect(m_connections.takeFirst());
    removeCopy();
    m_document = document;
    if (!document)
        return;
    m_connections << connect(document, &AbstractDocument::modifiedChanged, this, &RecoveryStore::modifiedChanged);
    if (auto* kamdel = qobject_cast<KamdelDocument*>(document)) {
        if (kamdel->edits())
            m_connections << connect(kamdel->edits(), &DocumentEdits::edited, this, &RecoveryStore::documentEdited);
    }
    // A document that arrives with changes (a restored copy) is kept at once.
    if (document->isModified()) {
        m_pending = true;
        writeNow();
    }
}

void RecoveryStore::documentEdited()
{
    m_pending = true;
    if (!m_timer.isActive())
        m_timer.start();
}

void RecoveryStore::modifiedChanged(bool modified)
{
    if (modified)
        documentEdited();
    else
        removeCopy();
}

void RecoveryStore::applicationStateChanged(Qt::ApplicationState state)
{
    if (state != Qt::ApplicationActive)
        writeNow();
}

void RecoveryStore::writeNow()
{
    m_timer.stop();
    auto* document = qobject_cast<KamdelDocument*>(m_document.data());
    if (!m_pending || !document || !document->isModified())
        return;
    m_pending = false;
    QDir().mkpath(m_folder);
    const QString name = document->fileName();
    writeFile(copyPath(), [document](QIODevice& file) { return document->writeXML(&file); });
    writeFile(namePath(), [&name](QIODevice& file) { return file.write(name.toUtf8()) >= 0; });
}

void RecoveryStore::removeCopy()
{
    m_timer.stop();
    m_pending = false;
    QFile::remove(copyPath());
    QFile::remove(namePath());
}

QList<RecoveryStore::Leftover> RecoveryStore::leftovers() const
{
    QList<Leftover> found;
    const QFileInfoList folders
        = QDir(rootFolder()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time | QDir::Reversed);
    for (const QFileInfo& folder : folders) {
        const QString path = folder.absoluteFilePath();
        if (QDir(path) == QDir(m_folder))
            continue;
        // A lock that can be taken belongs to no running editor.
        QLockFile lock(QDir(path).filePath(LockName));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        const QString copy = QDir(path).filePath(CopyName);
        if (!QFileInfo::exists(copy)) {
            // A run that died before its first copy left only its lock.
            QDir(path).removeRecursively();
            continue;
        }
        QFile nameFile(QDir(path).filePath(NameName));
        QString name = nameFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(nameFile.read(4096)) : QString();
        if (name.isEmpty())
            name = CopyName;
        found << Leftover { path, copy, name, QFileInfo(copy).lastModified() };
    }
    return found;
}

void RecoveryStore::discard(const Leftover& leftover)
{
    QDir(leftover.folder).removeRecursively();
}
