#include "BuildInfo.h"
#include "settings/VersionData.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestVersionData : public QObject {
    Q_OBJECT

    Regional::Override m_regional { TestSupport::englishSettings() };

private Q_SLOTS:
    void ownProgramFile()
    {
        TVersionData data;
        const TVersionInfo &info = data.VersionInfo();
        QCOMPARE(data.FileName(), QCoreApplication::applicationFilePath());
        QCOMPARE(data.Language(), lnUKEnglish);
        QCOMPARE(data.CharacterSet(), csMultilingual);
        QCOMPARE(info.ProductName, u"Hourframe"_s);
        QCOMPARE(info.CompanyName, u"Orvane Software"_s);
        QCOMPARE(info.Url, QString::fromUtf8(BuildInfo::Url));
        QVERIFY(!info.Url.isEmpty());
        const QString fileVersion = u"%1.%2.%3.%4"_s.arg(BuildInfo::VersionMajor)
                                        .arg(BuildInfo::VersionMinor)
                                        .arg(BuildInfo::VersionPatch)
                                        .arg(BuildInfo::VersionBuild);
        QCOMPARE(info.FileVersion, fileVersion);
        QCOMPARE(info.FileVersion.count(u'.'), 3);
        // The string table's text replaces the number form.
        QCOMPARE(info.ProductVersion, QString::fromUtf8(BuildInfo::ProductVersion));
        QVERIFY(info.ProductVersion != info.FileVersion);
        QCOMPARE(info.FileType, u"Application"_s);
        QCOMPARE(info.FileSubType, QString());
    }

    void stringTablePath_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("characterSet");
        QTest::addColumn<QString>("path");
        QTest::newRow("defaults") << int(lnUKEnglish) << int(csMultilingual)
                                  << u"\\StringFileInfo\\080904E4\\"_s;
        QTest::newRow("first of both") << int(lnArabic) << int(csASCII) << u"\\StringFileInfo\\04010000\\"_s;
        QTest::newRow("last of the run")
            << int(lnBahasa) << int(csJapan) << u"\\StringFileInfo\\042103A4\\"_s;
        QTest::newRow("US Unicode") << int(lnUSEnglish) << int(csUnicode)
                                    << u"\\StringFileInfo\\040904B0\\"_s;
        QTest::newRow("Simplified Chinese")
            << int(lnSimplifiedChinese) << int(csKorea) << u"\\StringFileInfo\\080403B5\\"_s;
        QTest::newRow("Serbo-Croatian")
            << int(lnSerboCroatian) << int(csCyrillic) << u"\\StringFileInfo\\081A04E3\\"_s;
        QTest::newRow("Canadian French")
            << int(lnCanadianFrench) << int(csLatin2) << u"\\StringFileInfo\\0C0C04E2\\"_s;
        QTest::newRow("last of both")
            << int(lnSwissFrench) << int(csArabic) << u"\\StringFileInfo\\100C04E8\\"_s;
    }

    void stringTablePath()
    {
        QFETCH(int, language);
        QFETCH(int, characterSet);
        QFETCH(QString, path);
        TVersionData data;
        data.SetLanguage(TLanguage(language));
        data.SetCharacterSet(TCharacterSet(characterSet));
        QCOMPARE(data.StringTablePath(), path);
    }

    void enumerationsHaveTheirFullLength()
    {
        QCOMPARE(int(lnSwissFrench) + 1, 45);
        QCOMPARE(int(csArabic) + 1, 12);
        QCOMPARE(LanguageIdentifier(lnBahasa), quint16(0x0421));
        QCOMPARE(LanguageIdentifier(lnSwissGerman), quint16(0x0807));
        QCOMPARE(CharacterSetIdentifier(csTaiwan), quint16(950));
    }

    void otherStringTableKeepsOnlyTheFixedPart()
    {
        TVersionData data;
        QSignalSpy changes(&data, &TVersionData::OnChange);
        data.SetLanguage(lnGerman);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(data.VersionInfo().ProductName, QString());
        QCOMPARE(data.VersionInfo().CompanyName, QString());
        QCOMPARE(data.VersionInfo().ProductVersion, data.VersionInfo().FileVersion);
        QVERIFY(!data.VersionInfo().FileVersion.isEmpty());

        data.SetLanguage(lnUKEnglish);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(data.VersionInfo().ProductName, u"Hourframe"_s);
    }

    void fileWithoutResourceGivesEmptyTextsAndNoChange()
    {
        QTemporaryDir dir;
        const QString other = dir.filePath(u"other.bin"_s);
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no version resource here");
        file.close();

        TVersionData data;
        QSignalSpy changes(&data, &TVersionData::OnChange);
        data.SetFileName(other);
        QCOMPARE(data.VersionInfo(), TVersionInfo());
        QCOMPARE(changes.count(), 0);

        data.SetFileName(QCoreApplication::applicationFilePath());
        QCOMPARE(data.VersionInfo().ProductName, u"Hourframe"_s);
        QCOMPARE(changes.count(), 1);
    }

    void assigningTheSameValueDoesNotReread()
    {
        TVersionData data;
        QSignalSpy changes(&data, &TVersionData::OnChange);
        data.SetFileName(data.FileName());
        data.SetLanguage(lnUKEnglish);
        data.SetCharacterSet(csMultilingual);
        QCOMPARE(changes.count(), 0);
    }

    void fixedPartTexts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<quint32>("type");
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("os NT with Win32") << u"os"_s << 0u << 0x40004u << u"Windows NT with 32 bit Windows"_s;
        QTest::newRow("os MS-Dos") << u"os"_s << 0u << 0x10000u << u"MS-Dos"_s;
        QTest::newRow("os unknown") << u"os"_s << 0u << 0x50000u << u"Unknown"_s;
        QTest::newRow("type static lib") << u"type"_s << 0u << 7u << u"Static-Link Library"_s;
        QTest::newRow("type 6") << u"type"_s << 0u << 6u << u"Unknown"_s;
        QTest::newRow("driver sound") << u"sub"_s << 3u << 9u << u"Sound"_s;
        QTest::newRow("driver 11") << u"sub"_s << 3u << 11u << u"Unknown"_s;
        QTest::newRow("font TrueType") << u"sub"_s << 4u << 3u << u"TrueType"_s;
        QTest::newRow("font 0") << u"sub"_s << 4u << 0u << u"Unknown"_s;
        QTest::newRow("application") << u"sub"_s << 1u << 3u << QString();
    }

    void fixedPartTexts()
    {
        QFETCH(QString, kind);
        QFETCH(quint32, type);
        QFETCH(quint32, code);
        QFETCH(QString, text);
        if (kind == u"os"_s)
            QCOMPARE(FileOSText(code), text);
        else if (kind == u"type"_s)
            QCOMPARE(FileTypeText(code), text);
        else
            QCOMPARE(FileSubTypeText(type, code), text);
    }
};

QTEST_GUILESS_MAIN(TestVersionData)
#include "tst_VersionData.moc"
