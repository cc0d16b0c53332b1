#include "settings/VersionData.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>

#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<quint16, 45> LanguageIdentifiers { 0x0401, 0x0402, 0x0403, 0x0404, 0x0405, 0x0406,
    0x0407, 0x0408, 0x0409, 0x040A, 0x040B, 0x040C, 0x040D, 0x040E, 0x040F, 0x0410, 0x0411, 0x0412, 0x0413,
    0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420,
    0x0421, 0x0804, 0x0807, 0x0809, 0x080A, 0x080C, 0x0810, 0x0813, 0x0814, 0x0816, 0x081A, 0x0C0C, 0x100C };

constexpr std::array<quint16, 12> CharacterSetIdentifiers { 0, 932, 949, 950, 1200, 1250, 1251, 1252, 1253,
    1254, 1255, 1256 };

// What a version resource holds: the fixed part and the string tables, the
// latter keyed by their full query path.
struct VersionResource {
    std::array<quint16, 4> fileVersion {};
    std::array<quint16, 4> productVersion {};
    quint32 fileOS = 0;
    quint32 fileType = 0;
    quint32 fileSubType = 0;
    QMap<QString, QString> strings;
};

// Linux programs carry no version resource, so the program's own is made of
// the build's constants, with one string table in UK English, Windows-1252.
const VersionResource &OwnResource()
{
    static const VersionResource resource = [] {
        VersionResource r;
        r.fileVersion = { quint16(BuildInfo::VersionMajor), quint16(BuildInfo::VersionMinor),
            quint16(BuildInfo::VersionPatch), quint16(BuildInfo::VersionBuild) };
        r.productVersion = r.fileVersion;
        r.fileOS = 0; // no code stands for Linux
        r.fileType = 1;
        const QString table = u"\\StringFileInfo\\080904E4\\"_s;
        const QString productName = QString::fromUtf8(BuildInfo::ProductName);
        r.strings.insert(table + u"CompanyName"_s, QString::fromUtf8(BuildInfo::CompanyName));
        r.strings.insert(table + u"FileDescription"_s, QString::fromUtf8(BuildInfo::Description));
        r.strings.insert(table + u"InternalName"_s, productName);
        r.strings.insert(table + u"OriginalFileName"_s, productName.toLower());
        r.strings.insert(table + u"ProductName"_s, productName);
        r.strings.insert(table + u"ProductVersion"_s, QString::fromUtf8(BuildInfo::ProductVersion));
        r.strings.insert(table + u"URL"_s, QString::fromUtf8(BuildInfo::Url));
        return r;
    }();
    return resource;
}

bool IsOwnProgramFile(const QString &fileName)
{
    if (fileName.isEmpty() || !QCoreApplication::instance())
        return false;
    const QFileInfo file(fileName);
    const QFileInfo own(QCoreApplication::applicationFilePath());
    if (file.exists() && own.exists())
        return file.canonicalFilePath() == own.canonicalFilePath();
    return file.absoluteFilePath() == own.absoluteFilePath();
}

std::optional<VersionResource> ResourceOf(const QString &fileName)
{
    if (IsOwnProgramFile(fileName))
        return OwnResource();
    return std::nullopt;
}

QString VersionText(const std::array<quint16, 4> &parts)
{
    return u"%1.%2.%3.%4"_s.arg(parts[0]).arg(parts[1]).arg(parts[2]).arg(parts[3]);
}

} // namespace

quint16 LanguageIdentifier(TLanguage language)
{
    return LanguageIdentifiers.at(std::size_t(language));
}

quint16 CharacterSetIdentifier(TCharacterSet characterSet)
{
    return CharacterSetIdentifiers.at(std::size_t(characterSet));
}

QString FileOSText(quint32 code)
{
    switch (code) {
    case 0x1:
        return u"Windows 3.0 or later"_s;
    case 0x2:
        return u"16 bit OS/2 Presentation Manager"_s;
    case 0x3:
        return u"32 bit OS/2 Presentation Manager"_s;
    case 0x4:
        return u"32 bit Windows"_s;
    case 0x10000:
        return u"MS-Dos"_s;
    case 0x10001:
        return u"Windows 3.0 or later with MS-Dos"_s;
    case 0x10004:
        return u"32 bit Windows with MS-Dos"_s;
    case 0x20000:
        return u"16 bit OS/2"_s;
    case 0x20002:
        return u"16 bit OS/2 with Presentation Manager"_s;
    case 0x30000:
        return u"32 bit OS/2"_s;
    case 0x30003:
        return u"32 bit OS/2 with Presentation Manager"_s;
    case 0x40000:
        return u"Windows NT"_s;
    case 0x40004:
        return u"Windows NT with 32 bit Windows"_s;
    default:
        return u"Unknown"_s;
    }
}

QString FileTypeText(quint32 code)
{
    switch (code) {
    case 1:
        return u"Application"_s;
    case 2:
        return u"Dynamic-Link Library"_s;
    case 3:
        return u"Device Driver"_s;
    case 4:
        return u"Font"_s;
    case 5:
        return u"Virtual Device Driver"_s;
    case 7:
        return u"Static-Link Library"_s;
    default:
        return u"Unknown"_s;
    }
}

QString FileSubTypeText(quint32 fileType, quint32 code)
{
    if (fileType == 3) {
        static const QStringList drivers { u"Printer"_s, u"Keyboard"_s, u"Language"_s, u"Display"_s,
            u"Mouse"_s, u"Network"_s, u"System"_s, u"Installable"_s, u"Sound"_s, u"Communications"_s };
        return code >= 1 && code <= 10 ? drivers.at(code - 1) : u"Unknown"_s;
    }
    if (fileType == 4) {
        static const QStringList fonts { u"Raster"_s, u"Vector"_s, u"TrueType"_s };
        return code >= 1 && code <= 3 ? fonts.at(code - 1) : u"Unknown"_s;
    }
    return {};
}

TVersionData::TVersionData(QObject *parent)
    : QObject(parent)
    , m_fileName(QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString())
{
    ReadVersionInfo();
}

void TVersionData::SetFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    ReadVersionInfo();
}

void TVersionData::SetLanguage(TLanguage language)
{
    if (language == m_language)
        return;
    m_language = language;
    ReadVersionInfo();
}

void TVersionData::SetCharacterSet(TCharacterSet characterSet)
{
    if (characterSet == m_characterSet)
        return;
    m_characterSet = characterSet;
    ReadVersionInfo();
}

QString TVersionData::StringTablePath() const
{
    const QString identifiers = u"%1%2"_s.arg(LanguageIdentifier(m_language), 4, 16, QChar(u'0'))
                                    .arg(CharacterSetIdentifier(m_characterSet), 4, 16, QChar(u'0'))
                                    .toUpper();
    return u"\\StringFileInfo\\"_s + identifiers + u'\\';
}

void TVersionData::ReadVersionInfo()
{
    m_versionInfo = {};
    const std::optional<VersionResource> resource = ResourceOf(m_fileName);
    if (!resource)
        return;

    m_versionInfo.FileVersion = VersionText(resource->fileVersion);
    m_versionInfo.ProductVersion = VersionText(resource->productVersion);
    m_versionInfo.FileOS = FileOSText(resource->fileOS);
    m_versionInfo.FileType = FileTypeText(resource->fileType);
    m_versionInfo.FileSubType = FileSubTypeText(resource->fileType, resource->fileSubType);

    const QString table = StringTablePath();
    const std::pair<QString, QString TVersionInfo::*> fields[] = {
        { u"Comment"_s, &TVersionInfo::Comment },
        { u"CompanyName"_s, &TVersionInfo::CompanyName },
        { u"FileDescription"_s, &TVersionInfo::FileDescription },
        { u"InternalName"_s, &TVersionInfo::InternalName },
        { u"LegalCopyright"_s, &TVersionInfo::LegalCopyright },
        { u"LegalTradeMarks"_s, &TVersionInfo::LegalTradeMarks },
        { u"OriginalFileName"_s, &TVersionInfo::OriginalFileName },
        { u"PrivateBuild"_s, &TVersionInfo::PrivateBuild },
        { u"ProductName"_s, &TVersionInfo::ProductName },
        { u"ProductVersion"_s, &TVersionInfo::ProductVersion },
        { u"SpecialBuild"_s, &TVersionInfo::SpecialBuild },
        { u"URL"_s, &TVersionInfo::Url },
        { u"email"_s, &TVersionInfo::Email },
    };
    for (const auto &[name, field] : fields) {
        const auto entry = resource->strings.constFind(table + name);
        if (entry != resource->strings.cend())
            m_versionInfo.*field = *entry;
    }
    Q_EMIT OnChange();
}
