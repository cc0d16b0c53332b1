#pragma once

#include "settings/NtRegistry.h"
#include "settings/VersionData.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

// A rectangle as the registry keeps it: the right and bottom edges lie just
// outside, so Right - Left is the width.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // From a window geometry: Right = x + width, Bottom = y + height.
    static TRect FromGeometry(const QRect &geometry);
    QRect ToGeometry() const { return QRect(Left, Top, Width(), Height()); }

    bool operator==(const TRect &) const = default;
};

// The rectangle's text form "Left,Top,Right,Bottom", and back; nothing when
// the text does not begin with four comma-separated decimal integers.
QString RectText(const TRect &rect);
std::optional<TRect> ParseRectText(const QString &text);

// Keeps the application's own registry key open, composed of RootKey,
// BaseKey, Company, ApplicationName and SubKey, and reads and writes single
// values in it. Reads never fail; a refused write throws RegistryError, or
// goes to the problem reporter.
class TRegistryManager : public QObject {
    Q_OBJECT

public:
    // The version data defaults to the first TVersionData among the parent's
    // children. An empty storePath means the per-user store file. The key
    // is opened at once.
    explicit TRegistryManager(QObject *parent = nullptr, const QString &storePath = QString());

    TRootKeyType RootKey() const { return m_rootKey; }
    void SetRootKey(TRootKeyType rootKey);
    QString BaseKey() const { return m_baseKey; }
    void SetBaseKey(const QString &baseKey);
    QString Company() const { return m_company; }
    void SetCompany(const QString &company);
    QString ApplicationName() const { return m_applicationName; }
    void SetApplicationName(const QString &applicationName);
    QString SubKey() const { return m_subKey; }
    void SetSubKey(const QString &subKey);
    TVersionData *VersionData() const { return m_versionData; }
    void SetVersionData(TVersionData *versionData);

    // The accessor on the composed key.
    const TNTRegistry &Registry() const { return m_registry; }

    // Opens the key level by level; a level that cannot be opened ends the
    // opening, leaving the accessor on the deepest level that opened.
    void OpenKeyPath();

    bool ReadBool(const QString &name, bool defaultValue) const;
    int ReadInteger(const QString &name, int defaultValue) const;
    QString ReadString(const QString &name, const QString &defaultValue) const;
    TRect ReadRect(const QString &name, const TRect &defaultValue) const;
    // Many values at the cost of one look at the store; see TNTRegistry::ReadValues.
    void ReadValues(const std::function<void(const RegFile::Key *)> &read) const
    {
        m_registry.ReadValues(read);
    }

    void WriteBool(const QString &name, bool value);
    void WriteInteger(const QString &name, int value);
    void WriteString(const QString &name, const QString &value);
    void WriteRect(const QString &name, const TRect &value);
    // Several values as one change of the store file; see TNTRegistry::UpdateValues.
    void UpdateValues(const QString &name, const std::function<bool(RegFile::Key &)> &change);

    // A read-only manager reads as usual and never changes the store file.
    void SetReadOnly(bool readOnly) { m_registry.SetReadOnly(readOnly); }

    // Where trouble with the store file is told, for a program with a user
    // to tell: the first write of the session that fails, with the cause
    // (the values stay in memory, and later failures are not told again),
    // and a file that could not be read and was kept aside. Without a
    // reporter a failed write throws RegistryError.
    void SetProblemReporter(std::function<void(const QString &message)> report);

Q_SIGNALS:
    // After every attempt to open the key.
    void OnChange();

private:
    // Runs one write of the store file and tells the reporter what went wrong.
    void Write(const std::function<void()> &write);

    TNTRegistry m_registry;
    std::function<void(const QString &message)> m_report;
    bool m_writeFailureTold = false;
    TRootKeyType m_rootKey = HKeyCurrentUser;
    QString m_baseKey;
    QString m_company;
    QString m_applicationName;
    QString m_subKey;
    QPointer<TVersionData> m_versionData;
};
