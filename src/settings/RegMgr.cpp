#include "settings/RegMgr.h"

#include "settings/VersionData.h"

#include <QDir>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

std::optional<int> DecimalInteger(QStringView text)
{
    const QStringView digits = text.startsWith(u'+') || text.startsWith(u'-') ? text.mid(1) : text;
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int number = (text.startsWith(u'+') ? digits : text).toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
}

} // namespace

TRect TRect::FromGeometry(const QRect &geometry)
{
    return TRect { geometry.x(), geometry.y(), geometry.x() + geometry.width(),
        geometry.y() + geometry.height() };
}

QString RectText(const TRect &rect)
{
    return u"%1,%2,%3,%4"_s.arg(rect.Left).arg(rect.Top).arg(rect.Right).arg(rect.Bottom);
}

std::optional<TRect> ParseRectText(const QString &text)
{
    int fields[4];
    QStringView rest = text;
    for (int &field : fields) {
        const qsizetype comma = rest.indexOf(u',');
        const std::optional<int> number = DecimalInteger(comma < 0 ? rest : rest.left(comma));
        if (!number)
            return std::nullopt;
        field = *number;
        rest = comma < 0 ? QStringView() : rest.mid(comma + 1);
    }
    return TRect { fields[0], fields[1], fields[2], fields[3] };
}

TRegistryManager::TRegistryManager(QObject *parent, const QString &storePath)
    : QObject(parent)
    , m_registry(storePath)
    , m_baseKey(u"Software"_s)
{
    if (parent)
        m_versionData = parent->findChild<TVersionData *>(QString(), Qt::FindDirectChildrenOnly);
    OpenKeyPath();
}

void TRegistryManager::SetRootKey(TRootKeyType rootKey)
{
    if (rootKey == m_rootKey)
        return;
    m_rootKey = rootKey;
    OpenKeyPath();
}

void TRegistryManager::SetBaseKey(const QString &baseKey)
{
    if (baseKey == m_baseKey)
        return;
    m_baseKey = baseKey;
    OpenKeyPath();
}

void TRegistryManager::SetCompany(const QString &company)
{
    if (company == m_company)
        return;
    m_company = company;
    OpenKeyPath();
}

void TRegistryManager::SetApplicationName(const QString &applicationName)
{
    if (applicationName == m_applicationName)
        return;
    m_applicationName = applicationName;
    OpenKeyPath();
}

void TRegistryManager::SetSubKey(const QString &subKey)
{
    if (subKey == m_subKey)
        return;
    m_subKey = subKey;
    OpenKeyPath();
}

void TRegistryManager::SetVersionData(TVersionData *versionData)
{
    if (versionData == m_versionData)
        return;
    m_versionData = versionData;
    OpenKeyPath();
}

void TRegistryManager::OpenKeyPath()
{
    if (m_versionData) {
        if (m_applicationName.isEmpty())
            m_applicationName = m_versionData->VersionInfo().ProductName;
        if (m_company.isEmpty())
            m_company = m_versionData->VersionInfo().CompanyName;
    }
    if (!m_applicationName.isEmpty()) {
        m_registry.CloseKey();
        m_registry.SetRootKey(m_rootKey);
        // The base key belongs to the system and is never created here.
        if (!m_baseKey.isEmpty() && m_registry.OpenKey(m_baseKey, false) && !m_company.isEmpty()
            && m_registry.OpenKey(m_company, true) && m_registry.OpenKey(m_applicationName, true)
            && !m_subKey.isEmpty())
            m_registry.OpenKey(m_subKey, true);
    }
    Q_EMIT OnChange();
}

bool TRegistryManager::ReadBool(const QString &name, bool defaultValue) const
{
    const std::optional<qint32> stored = m_registry.ReadInteger(name);
    return stored ? *stored != 0 : defaultValue;
}

int TRegistryManager::ReadInteger(const QString &name, int defaultValue) const
{
    return m_registry.ReadInteger(name).value_or(defaultValue);
}

QString TRegistryManager::ReadString(const QString &name, const QString &defaultValue) const
{
    return m_registry.ReadString(name).value_or(defaultValue);
}

TRect TRegistryManager::ReadRect(const QString &name, const TRect &defaultValue) const
{
    const std::optional<QString> stored = m_registry.ReadString(name);
    if (!stored)
        return defaultValue;
    return ParseRectText(*stored).value_or(defaultValue);
}

void TRegistryManager::WriteBool(const QString &name, bool value)
{
    Write([&] { m_registry.WriteInteger(name, value ? 1 : 0); });
}

void TRegistryManager::WriteInteger(const QString &name, int value)
{
    Write([&] { m_registry.WriteInteger(name, value); });
}

void TRegistryManager::WriteString(const QString &name, const QString &value)
{
    Write([&] { m_registry.WriteString(name, value); });
}

void TRegistryManager::WriteRect(const QString &name, const TRect &value)
{
    Write([&] { m_registry.WriteString(name, RectText(value)); });
}

void TRegistryManager::UpdateValues(const QString &name, const std::function<bool(RegFile::Key &)> &change)
{
    Write([&] { m_registry.UpdateValues(name, change); });
}

void TRegistryManager::SetProblemReporter(std::function<void(const QString &message)> report)
{
    m_report = std::move(report);
}

void TRegistryManager::Write(const std::function<void()> &write)
{
    try {
        write();
    } catch (const RegistryError &) {
        if (!m_report)
            throw;
        // Once is enough: every setting changed from now on would fail the
        // same way, and the program goes on with the values in memory.
        if (!m_writeFailureTold) {
            m_writeFailureTold = true;
            const QString why = m_registry.ErrorString();
            m_report(
                tr("Hourframe cannot save its settings.\n%1\nSettings you change apply until Hourframe ends.")
                    .arg(why.isEmpty() ? tr("no settings key is open") : why));
        }
        return;
    }
    if (m_report && !m_registry.SetAsideAs().isEmpty())
        m_report(tr("Hourframe could not read its settings file %1 and has kept it as %2. The settings start "
                    "again from their defaults.")
                     .arg(QDir::toNativeSeparators(m_registry.StorePath()),
                         QDir::toNativeSeparators(m_registry.SetAsideAs())));
}
