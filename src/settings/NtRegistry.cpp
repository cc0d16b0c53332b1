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

using namespace Qt::StringLiterals;

namespace {

// Long enough for another instance to finish one small write; a lock left by
// a crashed instance is taken over as stale much sooner than this runs out.
constexpr int LockTimeoutMs = 10000;

enum class FileState { Missing, Parsed, Unparsable, Unreadable };

FileState loadFile(const QString &path, RegFile::Document &document)
{
    QFile file(path);
    if (!file.exists())
        return FileState::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return FileState::Unreadable;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileState::Unreadable;
    std::optional<RegFile::Document> parsed = RegFile::parse(content);
    if (!parsed)
        return FileState::Unparsable;
    document = std::move(*parsed);
    return FileState::Parsed;
}

QString failedToSet(const QString &name)
{
    return u"Failed to set data for '%1'"_s.arg(name);
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

    bool opened = Load().exists(*target);
    if (!opened && canCreate && !text.isEmpty()) {
        opened = Modify([&](RegFile::Document &document) {
            if (document.exists(*target))
                return false;
            document.ensure(*target);
            return true;
        });
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
    return target && Load().exists(*target);
}

bool TNTRegistry::DeleteKey(const QString &key)
{
    const std::optional<QString> target = Resolve(key);
    if (!target || !target->contains(u'\\')
        || target->compare(u"HKEY_CURRENT_USER\\Software"_s, Qt::CaseInsensitive) == 0)
        return false;
    bool removed = false;
    const bool written = Modify([&](RegFile::Document &document) {
        removed = document.removeTree(*target);
        return removed;
    });
    return written && removed;
}

bool TNTRegistry::ValueExists(const QString &name) const
{
    if (!m_currentKey)
        return false;
    const RegFile::Document document = Load();
    const RegFile::Key *key = document.find(*m_currentKey);
    return key && key->find(name);
}

std::optional<qint32> TNTRegistry::ReadInteger(const QString &name) const
{
    if (!m_currentKey)
        return std::nullopt;
    const RegFile::Document document = Load();
    const RegFile::Key *key = document.find(*m_currentKey);
    const RegFile::Value *value = key ? key->find(name) : nullptr;
    if (!value || value->kind != RegFile::ValueKind::Dword)
        return std::nullopt;
    return qint32(value->dword);
}

std::optional<QString> TNTRegistry::ReadString(const QString &name) const
{
    if (!m_currentKey)
        return std::nullopt;
    const RegFile::Document document = Load();
    const RegFile::Key *key = document.find(*m_currentKey);
    const RegFile::Value *value = key ? key->find(name) : nullptr;
    if (!value
        || (value->kind != RegFile::ValueKind::String && value->kind != RegFile::ValueKind::ExpandString))
        return std::nullopt;
    return value->text;
}

void TNTRegistry::WriteInteger(const QString &name, qint32 value)
{
    WriteValue(name, [&](RegFile::Document &document) {
        document.ensure(*m_currentKey).set(RegFile::dwordValue(name, quint32(value)));
        return true;
    });
}

void TNTRegistry::WriteString(const QString &name, const QString &value)
{
    WriteValue(name, [&](RegFile::Document &document) {
        document.ensure(*m_currentKey).set(RegFile::stringValue(name, value));
        return true;
    });
}

void TNTRegistry::WriteValue(const QString &name, const std::function<bool(RegFile::Document &)> &change)
{
    // A value name cannot hold a line break in the file's syntax.
    const bool validName
        = std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x20; });
    if (!m_currentKey || !validName || !Modify(change))
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

RegFile::Document TNTRegistry::Load() const
{
    RegFile::Document document;
    if (loadFile(m_storePath, document) != FileState::Parsed)
        return {};
    return document;
}

bool TNTRegistry::Modify(const std::function<bool(RegFile::Document &)> &change)
{
    m_errorString.clear();
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

    RegFile::Document document;
    const FileState state = loadFile(m_storePath, document);
    if (state == FileState::Unreadable) {
        m_errorString = u"Cannot read %1"_s.arg(m_storePath);
        return false;
    }
    if (!change(document))
        return true;

    if (state == FileState::Unparsable) {
        // Whatever the user had in there is not lost silently.
        const QString bad = m_storePath + u".bad"_s;
        QFile::remove(bad);
        if (!QFile::copy(m_storePath, bad)) {
            m_errorString = u"Cannot keep %1 aside as %2"_s.arg(m_storePath, bad);
            return false;
        }
    }

    QSaveFile file(m_storePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(RegFile::serialize(document)) < 0 || !file.commit()) {
        m_errorString = file.errorString();
        return false;
    }
    return true;
}
