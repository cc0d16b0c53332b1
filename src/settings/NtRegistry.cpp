#include "settings/NtRegistry.h"

#include "BuildInfo.h"
#include "core/ChunkedWriter.h"
#include "core/ReplaceFile.h"
#include "settings/RegFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Long enough for another instance to finish one small write; a lock left by
// a crashed instance is taken over as stale much sooner than this runs out.
constexpr int LockTimeoutMs = 10000;

// Far more than any settings file holds; a file beyond it is not read.
constexpr qint64 MaxStoreBytes = qint64(256) << 20;

class Text {
    Q_DECLARE_TR_FUNCTIONS(TNTRegistry)
};

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A lock file that holds nothing is what a writer killed between creating it
// and writing its process number into it leaves behind; QLockFile would take
// it for held until it is 30 seconds old. A live writer holds its lock file
// with flock() from before it writes it, so an empty one that can be locked
// is nobody's and goes at once. (A lock naming a process that is gone is
// taken over by QLockFile itself.)
void RemoveEmptyLock(const QString &lockPath)
{
    const QByteArray name = QFile::encodeName(lockPath);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat info { };
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)
        && info.st_size == 0)
        ::unlink(name.constData());
    ::close(fd);
}

// Why the lock could not be taken.
QString LockFailure(const QLockFile &lock, const QString &lockPath, int error)
{
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return Text::tr("Cannot lock %1: another program has held it for more than %2 seconds")
            .arg(native(lockPath))
            .arg(LockTimeoutMs / 1000);
    case QLockFile::PermissionError:
        if (error == 0)
            error = EACCES;
        break;
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return Text::tr("Cannot create %1: %2")
        .arg(native(lockPath), QString::fromLocal8Bit(std::strerror(error != 0 ? error : EIO)));
}

// Why the folder of path cannot be made: a file in the way of one of its
// levels, or the system's reason.
QString FolderFailure(const QString &folder, int error)
{
    for (QFileInfo level(folder); !level.isRoot(); level.setFile(level.absolutePath())) {
        if (level.exists() && !level.isDir()) {
            if (level.filePath() == folder)
                return Text::tr("Cannot create the folder %1: a file of that name is in its place")
                    .arg(native(folder));
            return Text::tr("Cannot create the folder %1: %2 is a file")
                .arg(native(folder), native(level.filePath()));
        }
    }
    return Text::tr("Cannot create the folder %1: %2")
        .arg(native(folder), QString::fromLocal8Bit(std::strerror(error != 0 ? error : EIO)));
}

QString failedToSet(const QString &name)
{
    return u"Failed to set data for '%1'"_s.arg(name);
}

// Whether key is target itself or a key below it.
bool AtOrBelow(const QString &key, const QString &target)
{
    return key.compare(target, Qt::CaseInsensitive) == 0
        || key.startsWith(target + u'\\', Qt::CaseInsensitive);
}

} // namespace

QString RootKeyName(TRootKeyType root)
{
    return RegFile::rootNames().value(int(root));
}

TNTRegistry::TNTRegistry(const QString &storePath)
    : m_storePath(storePath.isEmpty() ? DefaultStorePath() : storePath)
{
}

QString TNTRegistry::DefaultStorePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + QString::fromUtf8(BuildInfo::CompanyName) + u'/' + QString::fromUtf8(BuildInfo::ProductName)
        + u".reg"_s;
}

void TNTRegistry::SetStorePath(const QString &storePath)
{
    CloseKey();
    m_storePath = storePath;
    m_createdKeys.clear();
    m_snapshot = {};
}

TNTRegistry::FileStamp TNTRegistry::StampOf(const QString &path)
{
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return FileStamp { true, quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
        qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
        qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec };
}

TNTRegistry::Snapshot TNTRegistry::ReadSnapshot(
    const QString &path, const FileStamp &stamp, const Snapshot &previous)
{
    Snapshot snapshot;
    snapshot.valid = true;
    snapshot.stamp = stamp;
    if (!stamp.exists)
        return snapshot;
    try {
        snapshot.content = ReadRegularFile(path, MaxStoreBytes);
    } catch (const IoError &error) {
        snapshot.state = FileState::Unreadable;
        snapshot.error = error.message();
        return snapshot;
    }
    if (previous.valid && previous.stamp.exists && previous.state != FileState::Unreadable
        && previous.content == snapshot.content) {
        snapshot.state = previous.state;
        snapshot.document = previous.document;
        return snapshot;
    }
    std::optional<RegFile::Document> parsed = RegFile::parse(snapshot.content);
    snapshot.state = parsed ? FileState::Parsed : FileState::Unparsable;
    if (parsed)
        snapshot.document = std::move(*parsed);
    return snapshot;
}

const RegFile::Document &TNTRegistry::Current() const
{
    const FileStamp stamp = StampOf(m_storePath);
    if (!m_snapshot.valid || stamp != m_snapshot.stamp)
        m_snapshot = ReadSnapshot(m_storePath, stamp, m_snapshot);
    return m_snapshot.document;
}

bool TNTRegistry::Exists(const QString &target) const
{
    if (Current().exists(target))
        return true;
    // A created key brings every level above it.
    return std::any_of(m_createdKeys.cbegin(), m_createdKeys.cend(),
        [&](const QString &created) { return AtOrBelow(created, target); });
}

bool TNTRegistry::CanCreateStore() const
{
    if (m_readOnly)
        return true;
    // The deepest folder that exists on the way to the file must take it.
    QFileInfo folder(QFileInfo(m_storePath).absolutePath());
    while (!folder.exists() && !folder.isRoot())
        folder.setFile(folder.absolutePath());
    return folder.isDir() && folder.isWritable();
}

void TNTRegistry::SetRootKey(TRootKeyType rootKey)
{
    CloseKey();
    m_rootKey = rootKey;
}

std::optional<QString> TNTRegistry::Resolve(const QString &key) const
{
    QString text = key;
    const bool absolute = text.startsWith(u'\\');
    if (absolute)
        text.remove(0, 1);
    while (text.endsWith(u'\\'))
        text.chop(1);
    const QString base = absolute || !m_currentKey ? RootKeyName(m_rootKey) : *m_currentKey;
    if (text.isEmpty())
        return base;
    const QStringList levels = text.split(u'\\');
    for (const QString &level : levels) {
        if (!RegFile::isValidKeyName(level))
            return std::nullopt;
    }
    return base + u'\\' + text;
}

bool TNTRegistry::OpenKey(const QString &key, bool canCreate)
{
    const std::optional<QString> target = Resolve(key);
    if (!target)
        return false;
    const bool absolute = key.startsWith(u'\\');
    const bool belowCurrent = !absolute && m_currentKey;
    QString text = absolute ? key.mid(1) : key;
    while (text.endsWith(u'\\'))
        text.chop(1);

    bool opened = Exists(*target);
    if (!opened && canCreate && !text.isEmpty() && CanCreateStore()) {
        m_createdKeys.append(*target);
        opened = true;
    }
    if (!opened)
        return false;

    if (belowCurrent && !m_currentPath.isEmpty())
        m_currentPath = text.isEmpty() ? m_currentPath : m_currentPath + u'\\' + text;
    else
        m_currentPath = text;
    m_currentKey = *target;
    return true;
}

void TNTRegistry::CloseKey()
{
    m_currentKey.reset();
    m_currentPath.clear();
}

bool TNTRegistry::KeyExists(const QString &key) const
{
    const std::optional<QString> target = Resolve(key);
    return target && Exists(*target);
}

bool TNTRegistry::DeleteKey(const QString &key)
{
    const std::optional<QString> target = Resolve(key);
    if (!target || !target->contains(u'\\')
        || target->compare(u"HKEY_CURRENT_USER\\Software"_s, Qt::CaseInsensitive) == 0)
        return false;
    const bool created
        = m_createdKeys.removeIf([&](const QString &key) { return AtOrBelow(key, *target); }) > 0;
    bool removed = false;
    const bool written = Current().exists(*target) && Modify([&](RegFile::Document &document) {
        removed = document.removeTree(*target);
        return removed;
    });
    return (written && removed) || created;
}

const RegFile::Value *TNTRegistry::FindValue(const QString &name) const
{
    if (!m_currentKey)
        return nullptr;
    const RegFile::Key *key = Current().find(*m_currentKey);
    return key ? key->find(name) : nullptr;
}

void TNTRegistry::ReadValues(const std::function<void(const RegFile::Key *)> &read) const
{
    read(m_currentKey ? Current().find(*m_currentKey) : nullptr);
}

bool TNTRegistry::ValueExists(const QString &name) const
{
    return FindValue(name);
}

std::optional<qint32> TNTRegistry::ReadInteger(const QString &name) const
{
    const RegFile::Value *value = FindValue(name);
    return value ? RegFile::integerOf(*value) : std::nullopt;
}

std::optional<QString> TNTRegistry::ReadString(const QString &name) const
{
    const RegFile::Value *value = FindValue(name);
    return value ? RegFile::textOf(*value) : std::nullopt;
}

void TNTRegistry::WriteInteger(const QString &name, qint32 value)
{
    WriteValue(RegFile::dwordValue(name, quint32(value)));
}

void TNTRegistry::WriteString(const QString &name, const QString &value)
{
    WriteValue(RegFile::stringValue(name, value));
}

void TNTRegistry::WriteValue(const RegFile::Value &value)
{
    // A value name cannot hold a line break in the file's syntax.
    if (std::any_of(value.name.cbegin(), value.name.cend(), [](QChar c) { return c.unicode() < 0x20; }))
        throw RegistryError(failedToSet(value.name));
    UpdateValues(value.name, [&](RegFile::Key &key) { return key.assign(value); });
}

void TNTRegistry::UpdateValues(const QString &name, const std::function<bool(RegFile::Key &)> &change)
{
    if (!m_currentKey
        || !Modify([&](RegFile::Document &document) { return change(document.ensure(*m_currentKey)); }))
        throw RegistryError(failedToSet(name));
}

bool TNTRegistry::DeleteValue(const QString &name)
{
    if (!m_currentKey)
        return false;
    bool removed = false;
    const bool written = Modify([&](RegFile::Document &document) {
        if (!document.find(*m_currentKey))
            return false;
        removed = document.ensure(*m_currentKey).remove(name);
        return removed;
    });
    return written && removed;
}

bool TNTRegistry::Modify(const std::function<bool(RegFile::Document &)> &change)
{
    m_errorString.clear();
    m_setAsideAs.clear();
    if (m_readOnly) {
        m_errorString = u"%1 is open for reading only"_s.arg(m_storePath);
        return false;
    }
    // The file as it is now, with the keys created since the last write; the
    // parse is saved when the bytes are those seen last.
    RegFile::Document document;
    const auto changes = [&](const Snapshot &current) {
        document = current.document;
        for (const QString &key : std::as_const(m_createdKeys))
            document.ensure(key);
        return change(document);
    };

    // A change that the file already holds needs neither the lock nor a
    // write: doing nothing now is the same as doing nothing under the lock
    // just before another instance's write.
    Snapshot current = ReadSnapshot(m_storePath, StampOf(m_storePath), m_snapshot);
    if (current.state != FileState::Unreadable && !changes(current)) {
        m_snapshot = std::move(current);
        return true;
    }

    const QString folder = QFileInfo(m_storePath).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder)) {
        m_errorString = FolderFailure(folder, errno);
        return false;
    }
    const QString lockPath = m_storePath + u".lock"_s;
    RemoveEmptyLock(lockPath);
    QLockFile lock(lockPath);
    errno = 0;
    if (!lock.tryLock(LockTimeoutMs)) {
        m_errorString = LockFailure(lock, lockPath, errno);
        return false;
    }
    current = ReadSnapshot(m_storePath, StampOf(m_storePath), current);
    if (current.state == FileState::Unreadable) {
        m_errorString = current.error;
        return false;
    }
    if (!changes(current)) {
        m_snapshot = std::move(current);
        return true;
    }

    try {
        if (current.state == FileState::Unparsable) {
            // Whatever the user had in there is not lost silently.
            const QString bad = m_storePath + u".bad"_s;
            ReplaceFile(bad, [&](QIODevice &file) {
                WriteAll(file, current.content.constData(), current.content.size(), native(bad));
                return true;
            });
            m_setAsideAs = bad;
        }
        const QByteArray content = RegFile::serialize(document);
        ReplaceFile(m_storePath, [&](QIODevice &file) {
            WriteAll(file, content.constData(), content.size(), native(m_storePath));
            return true;
        });
        m_createdKeys.clear();
        // Still under the lock: the file on disk is the one just written.
        m_snapshot
            = Snapshot { true, StampOf(m_storePath), FileState::Parsed, content, std::move(document), {} };
    } catch (const IoError &error) {
        m_errorString = error.message();
        return false;
    }
    return true;
}
