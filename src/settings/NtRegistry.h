#pragma once

#include "core/Errors.h"

#include <QString>

#include <functional>
#include <optional>

namespace RegFile {
class Document;
}

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
// other's values. A file that cannot be parsed reads as empty and is kept
// beside as "<file>.bad" when the first change replaces it.
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
    // key and any missing level above it are created. On failure nothing
    // changes and the result is false.
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
    // Both throw RegistryError when no key is open or the file cannot be written.
    void WriteInteger(const QString &name, qint32 value);
    void WriteString(const QString &name, const QString &value);
    bool DeleteValue(const QString &name);

    // Why the last change of the file failed.
    QString ErrorString() const { return m_errorString; }

private:
    std::optional<QString> Resolve(const QString &key) const;
    RegFile::Document Load() const;
    bool Modify(const std::function<bool(RegFile::Document &)> &change);
    void WriteValue(const QString &name, const std::function<bool(RegFile::Document &)> &change);

    QString m_storePath;
    TRootKeyType m_rootKey = HKeyCurrentUser;
    std::optional<QString> m_currentKey;
    QString m_currentPath;
    QString m_errorString;
};
