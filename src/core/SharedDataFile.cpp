#include "core/SharedDataFile.h"

#include "core/DataFile.h"
#include "core/Errors.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <unistd.h>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("SharedDataFile", text);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// $XDG_RUNTIME_DIR/hourframe: private to the user, on a local file system,
// emptied at log-out. Without one, a folder of the user's own in the
// temporary folder.
QString lockFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime)) {
        const QString folder = runtime + QStringLiteral("/hourframe");
        if (QDir().mkpath(folder))
            return folder;
    }
    const QString folder = QDir::tempPath() + QStringLiteral("/hourframe-%1").arg(getuid());
    if (!QFileInfo(folder).isDir())
        QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

// The same file reached by another name (a link, "..") has the same lock;
// a file that is not there yet is named by its folder's canonical path.
QString lockKey(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName();
}

} // namespace

std::optional<QByteArray> ReadDataFileIfPresent(const QString &path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return ReadDataFileBytes(path);
}

QList<DayRecord> DataFileRecords(const QByteArray &bytes, const QString &sourceName)
{
    QList<DayRecord> records;
    // About one record for every line of a realistic file; a file of short
    // lines grows the list as it goes.
    records.reserve(bytes.size() / 24);
    ReadDataFile(bytes, sourceName, [&records](DayRecord &record) { records.append(std::move(record)); });
    return records;
}

QString DataFileLockPath(const QString &path)
{
    const QByteArray hash = QCryptographicHash::hash(lockKey(path).toUtf8(), QCryptographicHash::Sha256);
    return lockFolder() + u'/' + QString::fromLatin1(hash.toHex().left(32)) + QStringLiteral(".lock");
}

TDataFileLock::TDataFileLock(const QString &path, int waitMs)
    : m_lock(DataFileLockPath(path))
{
    // Held for the moments of a compare and a replace, never across a question
    // to the user: only a lock whose program has ended is stale, however old.
    m_lock.setStaleLockTime(0);
    const QDeadlineTimer deadline(waitMs);
    // Writers hold the lock for milliseconds; QLockFile's own wait would
    // sleep a tenth of a second at the first try.
    int pauseMs = 1;
    for (;;) {
        if (m_lock.tryLock(0))
            return;
        if (m_lock.error() != QLockFile::LockFailedError)
            throw IoError(translated(
                QT_TRANSLATE_NOOP("SharedDataFile", "Cannot lock %1 for writing: %2 cannot be created"))
                              .arg(shown(path), shown(DataFileLockPath(path))));
        qint64 pid = 0;
        QString host;
        QString application;
        if (!m_lock.getLockInfo(&pid, &host, &application)) {
            // A program that ended between creating the lock file and writing
            // its name into it; a lock file that new may still be filled.
            const QDateTime written = QFileInfo(DataFileLockPath(path)).lastModified();
            if (written.isValid() && written.msecsTo(QDateTime::currentDateTime()) > 1000)
                m_lock.removeStaleLockFile();
        }
        if (deadline.hasExpired())
            throw IoError(translated(
                QT_TRANSLATE_NOOP("SharedDataFile",
                    "%1 is being written by another Hourframe program (process %2); nothing was written"))
                              .arg(shown(path))
                              .arg(pid));
        QThread::msleep(static_cast<unsigned long>(std::clamp<qint64>(deadline.remainingTime(), 0, pauseMs)));
        pauseMs = std::min(pauseMs * 2, 20);
    }
}

TDataFileLock::~TDataFileLock() = default;

bool IsConflictCopyName(const QString &name, const QString &dataFileName)
{
    if (name == dataFileName || name.endsWith(QStringLiteral(".merged")))
        return false;
    const qsizetype dot = dataFileName.lastIndexOf(u'.');
    const QStringView stem = dot > 0 ? QStringView(dataFileName).first(dot) : QStringView(dataFileName);
    const QStringView suffix = dot > 0 ? QStringView(dataFileName).sliced(dot) : QStringView();
    if (name.size() <= stem.size() + suffix.size() || !name.startsWith(stem) || !name.endsWith(suffix))
        return false;
    const QStringView middle
        = QStringView(name).sliced(stem.size(), name.size() - stem.size() - suffix.size());
    if (middle.startsWith(u".sync-conflict-"))
        return true;
    if (middle.size() < 3 || !middle.startsWith(u" (") || !middle.endsWith(u')'))
        return false;
    const QStringView inside = middle.sliced(2, middle.size() - 3);
    return inside.startsWith(u"conflicted copy") || inside.contains(u"'s conflicted copy");
}

QStringList FindConflictCopies(const QString &path)
{
    const QFileInfo info(path);
    const QDir folder = info.absoluteDir();
    QStringList copies;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (IsConflictCopyName(name, info.fileName()))
            copies.append(folder.filePath(name));
    }
    return copies;
}

QString SetAsideMergedCopy(const QString &copy, bool toTrash)
{
    if (toTrash) {
        QFile file(copy);
        if (file.moveToTrash())
            return file.fileName();
    }
    QString target = copy + QStringLiteral(".merged");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = copy + QStringLiteral(".%1.merged").arg(n);
    if (!QFile::rename(copy, target))
        throw IoError(translated(QT_TRANSLATE_NOOP("SharedDataFile", "Cannot rename %1 to %2"))
                          .arg(shown(copy), shown(target)));
    return target;
}
