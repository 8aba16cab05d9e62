#include "RecoveryStore.h"

#include "AbstractDocument.h"
#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "RecoverySnapshot.h"
#include "RecoveryWriter.h"
#include "edits/DocumentEdits.h"

#include "edits/EditHistory.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString LockName = QStringLiteral("lock");
const QString CopyName = QStringLiteral("document.xml");
const QString NameName = QStringLiteral("name");
const QString PathName = QStringLiteral("path");
// A lock file holds a process id and two names; anything much larger was
// not written by a lock.
constexpr qint64 LockFileLimit = 4096;
constexpr qint64 NameFileLimit = 4096;

// Folders are named "<process id>-<start time>"; files are the ones listed
// above, or a half-written one of them (a six-character suffix).
bool isRunFolderName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,10}-\\d{1,16}$"));
    return pattern.match(name).hasMatch();
}

bool isOwnFileName(const QString& name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(lock|document\\.xml|name|path)(\\.[A-Za-z0-9]{6})?$"));
    return pattern.match(name).hasMatch();
}

// A file this store may open: a regular file, not a link to one.
bool isPlainFile(const QFileInfo& info)
{
    return !info.isSymLink() && info.isFile();
}

bool unlinkEntry(const QString& path)
{
    // unlink() removes a link itself, never what it points to.
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}

// Removes this store's files from `folder`, not its lock, then the folder
// if nothing else is left in it. Whatever else someone put there stays.
void removeOwnFiles(const QString& folder)
{
    const QFileInfoList entries
        = QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.fileName() != LockName && isOwnFileName(entry.fileName())
            && (entry.isSymLink() || !entry.isDir()))
            unlinkEntry(entry.absoluteFilePath());
    }
}

void removeFolderIfEmpty(const QString& folder)
{
    ::rmdir(QFile::encodeName(folder).constData());
}

QString readSmallFile(const QString& path)
{
    QFile file(path);
    if (!isPlainFile(QFileInfo(path)) || !file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.read(NameFileLimit));
}

// A lock file that holds no process, or is no lock file at all, was left by
// a run that died while writing it, or by something else: once no process
// holds it open, it is removed so that the folder can be claimed. A live
// lock is held under a file lock from before its content is written.
void removeDeadLockFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before = {};
    if (::lstat(name.constData(), &before) != 0)
        return;
    if (!S_ISREG(before.st_mode)) {
        ::unlink(name.constData());
        return;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat held = {};
    struct stat now = {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && ::lstat(name.constData(), &now) == 0
        && held.st_dev == now.st_dev && held.st_ino == now.st_ino)
        ::unlink(name.constData());
    ::close(fd);
}

bool lockNamesAProcess(const QString& path)
{
    const QFileInfo info(path);
    if (!isPlainFile(info) || info.size() > LockFileLimit)
        return false;
    QLockFile probe(path);
    qint64 pid = 0;
    QString host;
    QString application;
    return probe.getLockInfo(&pid, &host, &application) && pid > 0;
}
} // namespace

RecoveryStore::RecoveryStore(QObject* parent)
    : QObject(parent)
    , m_writer(std::make_unique<RecoveryWriter>())
{
    m_folder = QDir(rootFolder())
                   .filePath(QStringLiteral("%1-%2")
                                 .arg(QString::number(QCoreApplication::applicationPid()),
                                     QString::number(QDateTime::currentMSecsSinceEpoch())));
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(LockName));
    // Only a lock whose process is gone counts as stale, however old it is.
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);

    m_quietTimer.setSingleShot(true);
    m_quietTimer.setInterval(QuietDelayMs);
    m_longestTimer.setSingleShot(true);
    m_longestTimer.setInterval(LongestDelayMs);
    connect(&m_quietTimer, &QTimer::timeout, this, &RecoveryStore::writeNow);
    connect(&m_longestTimer, &QTimer::timeout, this, &RecoveryStore::writeNow);
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::applicationStateChanged, this,
            &RecoveryStore::applicationStateChanged);
}

RecoveryStore::~RecoveryStore()
{
    m_writer.reset();
    removeOwnFiles(m_folder);
    m_lock.reset();
    removeFolderIfEmpty(m_folder);
    // Claimed copies not yet dealt with stay for the next start.
    m_claims.clear();
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

void RecoveryStore::setDelays(int quietMs, int longestMs)
{
    m_quietTimer.setInterval(quietMs);
    m_longestTimer.setInterval(longestMs);
}

void RecoveryStore::setDocument(AbstractDocument* document)
{
    if (document == m_document)
        return;
    while (!m_connections.isEmpty())
        disconnect(m_connections.takeFirst());
    // A restored document that leaves unsaved was discarded by the user:
    // every way of closing or replacing it asks first.
    if (m_restored.document && m_restored.document == m_document && m_document->isModified())
        finishRestored(true);
    removeCopy();
    m_document = document;
    if (!document)
        return;
    m_connections << connect(
        document, &AbstractDocument::modifiedChanged, this, &RecoveryStore::modifiedChanged);
    if (auto* kamdel = qobject_cast<KamdelDocument*>(document)) {
        if (kamdel->edits())
            m_connections << connect(
                kamdel->edits(), &DocumentEdits::edited, this, &RecoveryStore::documentEdited);
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
    m_quietTimer.start();
    if (!m_longestTimer.isActive())
        m_longestTimer.start();
}

void RecoveryStore::modifiedChanged(bool modified)
{
    if (modified) {
        documentEdited();
        return;
    }
    // Saved: the file holds the work now.
    if (m_restored.document && m_restored.document == m_document)
        finishRestored(true);
    removeCopy();
}

void RecoveryStore::applicationStateChanged(Qt::ApplicationState state)
{
    if (state != Qt::ApplicationActive)
        writeNow();
}

void RecoveryStore::writeNow()
{
    m_quietTimer.stop();
    m_longestTimer.stop();
    auto* document = qobject_cast<KamdelDocument*>(m_document.data());
    if (!m_pending || !document || !document->isModified())
        return;
    m_pending = false;
    QDir().mkpath(m_folder);
    // The names go first, so a copy on disk always has them.
    const QString name = document->fileName();
    const QString path = document->filePath();
    if (!m_namesWritten || name != m_writtenName || path != m_writtenPath) {
        m_writer->write(QDir(m_folder).filePath(NameName), name.toUtf8());
        m_writer->write(QDir(m_folder).filePath(PathName), path.toUtf8());
        m_namesWritten = true;
        m_writtenName = name;
        m_writtenPath = path;
    }
    // A copy of the tree is quick; making it into bytes is the slow part.
    if (std::shared_ptr<RecoverySnapshot> snapshot = RecoverySnapshot::take(document)) {
        m_writer->write(copyPath(), [snapshot] { return snapshot->toXml(); });
        return;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (document->writeXML(&buffer))
        m_writer->write(copyPath(), bytes);
}

void RecoveryStore::waitForWrites()
{
    m_writer->waitForIdle();
}

void RecoveryStore::removeCopy()
{
    m_quietTimer.stop();
    m_longestTimer.stop();
    m_pending = false;
    // After the write under way, if any, which would bring the copy back.
    const QString folder = m_folder;
    m_writer->dropPendingThen([folder] { removeOwnFiles(folder); });
    m_namesWritten = false;
}

bool RecoveryStore::claim(const QString& folder)
{
    const QString lockPath = QDir(folder).filePath(LockName);
    auto lock = std::make_unique<QLockFile>(lockPath);
    lock->setStaleLockTime(0);
    // Qt's own check reads the lock file, and treats one it cannot make
    // sense of as held forever.
    if (QFileInfo(lockPath).isSymLink() || QFileInfo(lockPath).exists()) {
        if (!lockNamesAProcess(lockPath))
            removeDeadLockFile(lockPath);
    }
    if (!lock->tryLock(0))
        return false;
    m_claims[folder] = std::move(lock);
    return true;
}

QList<RecoveryStore::Leftover> RecoveryStore::claimLeftovers()
{
    QList<Leftover> found;
    const QFileInfoList folders
        = QDir(rootFolder()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time | QDir::Reversed);
    for (const QFileInfo& folder : folders) {
        const QString path = folder.absoluteFilePath();
        if (folder.isSymLink() || !isRunFolderName(folder.fileName()) || QDir(path) == QDir(m_folder)
            || m_claims.count(path) || !claim(path))
            continue;
        const QFileInfo copy(QDir(path).filePath(CopyName));
        if (!isPlainFile(copy)) {
            // A run that died before its first copy left only its lock.
            removeOwnFiles(path);
            m_claims.erase(path);
            removeFolderIfEmpty(path);
            continue;
        }
        QString name = readSmallFile(QDir(path).filePath(NameName));
        if (name.isEmpty())
            name = CopyName;
        found << Leftover { path, copy.absoluteFilePath(), name, readSmallFile(QDir(path).filePath(PathName)),
            copy.lastModified() };
    }
    return found;
}

void RecoveryStore::discard(const Leftover& leftover)
{
    if (!m_claims.count(leftover.folder))
        return;
    removeOwnFiles(leftover.folder);
    m_claims.erase(leftover.folder);
    removeFolderIfEmpty(leftover.folder);
}

std::unique_ptr<KamdelDocument> RecoveryStore::read(const Leftover& leftover, bool& complete) const
{
    complete = false;
    std::unique_ptr<KamdelDocument> document;
    if (!isPlainFile(QFileInfo(leftover.copyPath)))
        return document;
    if (KamdelPanel1::isValid_XML(leftover.copyPath))
        document.reset(KamdelPanel1::newDocument());
    else if (KamdelPanel2::isValid_XML(leftover.copyPath))
        document.reset(KamdelPanel2::newDocument());
    QFile file(leftover.copyPath);
    if (!document || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        document.reset();
        return document;
    }
    complete = document->readXML(&file);
    document->setFileName(QFileInfo(leftover.name).fileName());
    // Save writes where the user expects, the file the copy was made of; a
    // part of the work must not replace the whole file unasked, and a file
    // that is gone is asked for again.
    if (complete && QFileInfo(leftover.filePath).isFile())
        document->setFilePath(leftover.filePath);
    // No step of the history leads back to an unmodified state: the work
    // stays unsaved until it is saved.
    document->edits()->history()->clear();
    document->edits()->history()->resetClean();
    document->setModified(true);
    return document;
}

void RecoveryStore::adopt(const Leftover& leftover, AbstractDocument* document, bool keepCopy)
{
    if (m_restored.document)
        finishRestored(false);
    m_restored = { leftover, document, keepCopy };
    emit recoveredChanged();
}

bool RecoveryStore::isRecovered(const AbstractDocument* document) const
{
    return document && m_restored.document == document;
}

void RecoveryStore::finishRestored(bool removeLeftover)
{
    const Restored restored = m_restored;
    m_restored = Restored();
    if (removeLeftover && !restored.keepCopy)
        discard(restored.leftover);
    emit recoveredChanged();
}
