#pragma once

#include <QObject>
#include <QString>

// The languages of the version resource's language table, in their order.
enum TLanguage {
    lnArabic,
    lnBulgarian,
    lnCatalan,
    lnTraditionalChinese,
    lnCzech,
    lnDanish,
    lnGerman,
    lnGreek,
    lnUSEnglish,
    lnCastilianSpanish,
    lnFinnish,
    lnFrench,
    lnHebrew,
    lnHungarian,
    lnIcelandic,
    lnItalian,
    lnJapanese,
    lnKorean,
    lnDutch,
    lnNorwegianBokmal,
    lnPolish,
    lnBrazilianPortuguese,
    lnRhaetoRomanic,
    lnRomanian,
    lnRussian,
    lnCroatoSerbian,
    lnSlovak,
    lnAlbanian,
    lnSwedish,
    lnThai,
    lnTurkish,
    lnUrdu,
    lnBahasa,
    lnSimplifiedChinese,
    lnSwissGerman,
    lnUKEnglish,
    lnMexicanSpanish,
    lnBelgianFrench,
    lnSwissItalian,
    lnBelgianDutch,
    lnNorwegianNynorsk,
    lnPortuguese,
    lnSerboCroatian,
    lnCanadianFrench,
    lnSwissFrench
};

enum TCharacterSet {
    csASCII,
    csJapan,
    csKorea,
    csTaiwan,
    csUnicode,
    csLatin2,
    csCyrillic,
    csMultilingual,
    csGreek,
    csTurkish,
    csHebrew,
    csArabic
};

// The language identifier, 0x0401 for lnArabic to 0x100C for lnSwissFrench.
quint16 LanguageIdentifier(TLanguage language);
// The character-set identifier, 0 for csASCII to 1256 for csArabic.
quint16 CharacterSetIdentifier(TCharacterSet characterSet);

// Texts of the fixed part's operating-system, type and subtype codes.
QString FileOSText(quint32 code);
QString FileTypeText(quint32 code);
// Empty for types other than device drivers (3) and fonts (4).
QString FileSubTypeText(quint32 fileType, quint32 code);

struct TVersionInfo {
    QString Comment;
    QString CompanyName;
    QString FileDescription;
    QString FileVersion;
    QString InternalName;
    QString LegalCopyright;
    QString LegalTradeMarks;
    QString OriginalFileName;
    QString PrivateBuild;
    QString ProductName;
    QString ProductVersion;
    QString SpecialBuild;
    QString Url;
    QString Email;
    QString FileOS;
    QString FileType;
    QString FileSubType;

    bool operator==(const TVersionInfo &) const = default;
};

// The version data of a program file. The program's own file carries the
// version resource built from the project's name, version, maker and web
// address; any other file has none.
class TVersionData : public QObject {
    Q_OBJECT

public:
    // Reads the version data of the application's own program file.
    explicit TVersionData(QObject *parent = nullptr);

    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &fileName);
    TLanguage Language() const { return m_language; }
    void SetLanguage(TLanguage language);
    TCharacterSet CharacterSet() const { return m_characterSet; }
    void SetCharacterSet(TCharacterSet characterSet);

    const TVersionInfo &VersionInfo() const { return m_versionInfo; }

    // "\StringFileInfo\" + language and character set in hex + "\":
    // "\StringFileInfo\080904E4\" for lnUKEnglish and csMultilingual.
    QString StringTablePath() const;

Q_SIGNALS:
    // After every reading that found a version resource.
    void OnChange();

private:
    void ReadVersionInfo();

    QString m_fileName;
    TLanguage m_language = lnUKEnglish;
    TCharacterSet m_characterSet = csMultilingual;
    TVersionInfo m_versionInfo;
};
