#include "settings/NtRegistry.h"

#include "BuildInfo.h"
#include "settings/RegFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Long enough for another instance to finish one small write; a lock left by
// a crashed instance is taken over as stale much sooner than this runs out.
constexpr int LockTimeoutMs = 10000;

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        snapshot.state = FileState::Unreadable;
        return snapshot;
    }
    snapshot.content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        snapshot.state = FileState::Unreadable;
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

    const QFileInfo info(m_storePath);
    if (!QDir().mkpath(info.absolutePath())) {
        m_errorString = u"Cannot create the folder %1"_s.arg(info.absolutePath());
        return false;
    }
    QLockFile lock(m_storePath + u".lock"_s);
    if (!lock.tryLock(LockTimeoutMs)) {
        m_errorString = u"Cannot lock %1"_s.arg(m_storePath);
        return false;
    }
    current = ReadSnapshot(m_storePath, StampOf(m_storePath), current);
    if (current.state == FileState::Unreadable) {
        m_errorString = u"Cannot read %1"_s.arg(m_storePath);
        return false;
    }
    if (!changes(current)) {
        m_snapshot = std::move(current);
        return true;
    }

    if (current.state == FileState::Unparsable) {
        // Whatever the user had in there is not lost silently.
        const QString bad = m_storePath + u".bad"_s;
        QFile::remove(bad);
        if (!QFile::copy(m_storePath, bad)) {
            m_errorString = u"Cannot keep %1 aside as %2"_s.arg(m_storePath, bad);
            return false;
        }
    }

    const QByteArray content = RegFile::serialize(document);
    QSaveFile file(m_storePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) < 0 || !file.commit()) {
        m_errorString = file.errorString();
        return false;
    }
    m_createdKeys.clear();
    // Still under the lock: the file on disk is the one just written.
    m_snapshot = Snapshot { true, StampOf(m_storePath), FileState::Parsed, content, std::move(document) };
    return true;
}
