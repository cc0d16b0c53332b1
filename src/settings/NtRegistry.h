#pragma once

#include "core/Errors.h"
#include "settings/RegFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

enum TRootKeyType {
    HKeyClassesRoot,
    HKeyCurrentUser,
    HKeyLocalMachine,
    HKeyUsers,
    HKeyCurrentConfig,
    HkeyDynData
};

// "HKEY_CLASSES_ROOT" to "HKEY_DYN_DATA".
QString RootKeyName(TRootKeyType root);

// A value that the store refused to take: "Failed to set data for '<name>'".
class RegistryError : public HourframeError {
public:
    using HourframeError::HourframeError;
};

// Registry key access over the per-user store file. The store holds keys
// below the six roots; HKEY_CURRENT_USER\Software always exists, every other
// key exists once created. Every change is one read-modify-write of the file
// under a lock, replaced atomically, so two running instances never lose each
// other's values; a change that the file already holds replaces nothing. A
// file that cannot be parsed reads as empty and is kept beside as
// "<file>.bad" when the first change replaces it. A lock left behind by a
// writer that is gone, empty or naming a process that has ended, is taken
// over at once.
//
// Reads see the file as it is now, but it is parsed again only when it has
// changed on disk, so a burst of reads costs one parse. A key created by
// OpenKey exists for this accessor at once and reaches the file with the
// accessor's next change: creating a key alone never writes the file.
class TNTRegistry {
public:
    // An empty path means DefaultStorePath(), taken now.
    explicit TNTRegistry(const QString &storePath = QString());

    // $XDG_CONFIG_HOME/<company>/<product>.reg
    static QString DefaultStorePath();

    QString StorePath() const { return m_storePath; }
    // Closes the current key.
    void SetStorePath(const QString &storePath);

    TRootKeyType RootKey() const { return m_rootKey; }
    // Closes the current key.
    void SetRootKey(TRootKeyType rootKey);

    bool HasCurrentKey() const { return m_currentKey.has_value(); }
    // The open key's full path from the root's name on; empty when none is open.
    QString CurrentKey() const { return m_currentKey.value_or(QString()); }
    // The key texts that led to the open key; empty at the root.
    QString CurrentPath() const { return m_currentPath; }

    // A key text with a leading backslash is taken below the root, any other
    // below the open key (or the root when none is open). With canCreate the
    // key and any missing level above it are created, provided the store
    // file could be written. On failure nothing changes and the result is
    // false.
    bool OpenKey(const QString &key, bool canCreate);
    void CloseKey();
    // Same rule for the key text as OpenKey.
    bool KeyExists(const QString &key) const;
    // Deletes the key with everything below it. The roots and
    // HKEY_CURRENT_USER\Software cannot be deleted.
    bool DeleteKey(const QString &key);

    // Values of the open key; the empty name is the key's default value.
    bool ValueExists(const QString &name) const;
    // Nothing when the value is missing, of another type or no key is open.
    std::optional<qint32> ReadInteger(const QString &name) const;
    // Plain and expandable strings; nothing otherwise.
    std::optional<QString> ReadString(const QString &name) const;
    // Runs read on the open key's values as the file holds them now, or on
    // nothing when no key is open or the key has no values in the file; for
    // reading many values at the cost of one look at the file.
    void ReadValues(const std::function<void(const RegFile::Key *)> &read) const;
    // Both throw RegistryError when no key is open or the file cannot be written.
    void WriteInteger(const QString &name, qint32 value);
    void WriteString(const QString &name, const QString &value);
    bool DeleteValue(const QString &name);

    // Changes several values of the open key as one read-modify-write of the
    // file under the lock. change gets the key as the file holds it now and
    // answers whether it changed anything; only then is the file replaced.
    // Throws RegistryError naming `name` when no key is open or the file
    // cannot be written.
    void UpdateValues(const QString &name, const std::function<bool(RegFile::Key &)> &change);

    // A read-only accessor leaves the file as it is, and does not create it:
    // writes throw RegistryError, deletions answer false, and keys opened
    // with canCreate exist for it alone.
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

    // Why the last change of the file failed: a message naming the file and
    // the cause.
    QString ErrorString() const { return m_errorString; }
    // Where the last change kept a file that could not be parsed before it
    // replaced it ("<file>.bad"); empty when it kept none.
    QString SetAsideAs() const { return m_setAsideAs; }

private:
    // Identifies one version of a file on disk: a replaced file has a new
    // inode, an edited one a new size or time.
    struct FileStamp {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modified = 0; // nanoseconds
        qint64 changed = 0;
        bool operator==(const FileStamp &) const = default;
    };
    enum class FileState { Missing, Parsed, Unparsable, Unreadable };
    struct Snapshot {
        bool valid = false;
        FileStamp stamp;
        FileState state = FileState::Missing;
        QByteArray content;
        RegFile::Document document;
        QString error; // why an Unreadable file could not be read
    };

    static FileStamp StampOf(const QString &path);
    // The file as it is now, with stamp taken just before reading. The
    // document of previous is reused when the bytes are the same.
    static Snapshot ReadSnapshot(const QString &path, const FileStamp &stamp, const Snapshot &previous);

    std::optional<QString> Resolve(const QString &key) const;
    // The file's document as it is now.
    const RegFile::Document &Current() const;
    bool Exists(const QString &target) const;
    bool CanCreateStore() const;
    const RegFile::Value *FindValue(const QString &name) const;
    bool Modify(const std::function<bool(RegFile::Document &)> &change);
    void WriteValue(const RegFile::Value &value);

    QString m_storePath;
    TRootKeyType m_rootKey = HKeyCurrentUser;
    std::optional<QString> m_currentKey;
    QString m_currentPath;
    QString m_errorString;
    QString m_setAsideAs;
    QStringList m_createdKeys; // full paths, not in the file yet
    bool m_readOnly = false;
    mutable Snapshot m_snapshot;
};
