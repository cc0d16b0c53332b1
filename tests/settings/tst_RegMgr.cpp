#include "StoreFile.h"
#include "settings/RegMgr.h"
#include "settings/VersionData.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TRect)

class TestRegMgr : public QObject {
    Q_OBJECT

    Regional::Override m_regional { TestSupport::englishSettings() };

private Q_SLOTS:
    void composesTheKeyFromTheVersionData()
    {
        TestSupport::TemporaryHome home;
        QObject owner;
        new TVersionData(&owner);
        TRegistryManager manager(&owner);
        QVERIFY(manager.VersionData());
        QCOMPARE(manager.ApplicationName(), u"Hourframe"_s);
        QCOMPARE(manager.Company(), u"Orvane Software"_s);
        QCOMPARE(manager.BaseKey(), u"Software"_s);
        QCOMPARE(manager.RootKey(), HKeyCurrentUser);
        QCOMPARE(
            manager.Registry().CurrentKey(), u"HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe"_s);
        // The missing company and application levels are created on this first
        // start, and reach the file with the first value.
        QVERIFY(!QFile::exists(StoreFile::path()));
        manager.WriteBool(u"AutoSave"_s, false);
        QVERIFY(StoreFile::appKey().HasCurrentKey());
        QVERIFY(StoreFile::text().contains(u"[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]"_s));
    }

    void withoutApplicationNameNothingOpens()
    {
        TestSupport::TemporaryHome home;
        TRegistryManager manager;
        QVERIFY(!manager.VersionData());
        QVERIFY(!manager.Registry().HasCurrentKey());
        QCOMPARE(manager.ReadInteger(u"AutoSave"_s, 42), 42);
        QVERIFY(!QFile::exists(StoreFile::path()));

        QSignalSpy changes(&manager, &TRegistryManager::OnChange);
        manager.SetCompany(u"Orvane Software"_s);
        QCOMPARE(changes.count(), 1);
        QVERIFY(!manager.Registry().HasCurrentKey());
        manager.SetApplicationName(u"Hourframe"_s);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(manager.Registry().CurrentPath(), u"Software\\Orvane Software\\Hourframe"_s);
    }

    void sameApplicationNameNeitherReopensNorNotifies()
    {
        TestSupport::TemporaryHome home;
        QObject owner;
        new TVersionData(&owner);
        TRegistryManager manager(&owner);
        QSignalSpy changes(&manager, &TRegistryManager::OnChange);
        manager.SetApplicationName(u"Hourframe"_s);
        QCOMPARE(changes.count(), 0);

        manager.SetApplicationName(u"Other"_s);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(manager.Registry().CurrentKey(), u"HKEY_CURRENT_USER\\Software\\Orvane Software\\Other"_s);
    }

    void subKeyIsAFourthLevel()
    {
        TestSupport::TemporaryHome home;
        QObject owner;
        new TVersionData(&owner);
        TRegistryManager manager(&owner);
        manager.SetSubKey(u"Windows"_s);
        QCOMPARE(manager.Registry().CurrentPath(), u"Software\\Orvane Software\\Hourframe\\Windows"_s);
        manager.SetSubKey(QString());
        QCOMPARE(manager.Registry().CurrentPath(), u"Software\\Orvane Software\\Hourframe"_s);
    }

    void missingBaseKeyIsNeverCreated_data()
    {
        QTest::addColumn<int>("root");
        QTest::addColumn<QString>("baseKey");
        QTest::newRow("other base key") << int(HKeyCurrentUser) << u"Programs"_s;
        QTest::newRow("Software of another root") << int(HKeyLocalMachine) << u"Software"_s;
    }

    void missingBaseKeyIsNeverCreated()
    {
        QFETCH(int, root);
        QFETCH(QString, baseKey);
        TestSupport::TemporaryHome home;
        TRegistryManager manager;
        manager.SetRootKey(TRootKeyType(root));
        manager.SetBaseKey(baseKey);
        manager.SetCompany(u"Orvane Software"_s);
        manager.SetApplicationName(u"Hourframe"_s);
        QVERIFY(!manager.Registry().HasCurrentKey());
        TNTRegistry store(StoreFile::path());
        store.SetRootKey(TRootKeyType(root));
        QVERIFY(!store.KeyExists(baseKey));
        QVERIFY(!store.KeyExists(baseKey + u"\\Orvane Software"_s));
        QCOMPARE(manager.ReadString(u"Filename"_s, u"none"_s), u"none"_s);
        try {
            manager.WriteInteger(u"AutoSave"_s, 1);
            QFAIL("a write without an open key was taken");
        } catch (const RegistryError &error) {
            QCOMPARE(error.message(), u"Failed to set data for 'AutoSave'"_s);
        }
    }

    // With a reporter, as the window has, a write that fails is told once
    // with its reason, and a file set aside as unreadable naming both files.
    void problemsAreToldOnce_data()
    {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<QString>("told"); // <folder> and <file> stand for the settings folder and file
        QTest::newRow("settings that cannot be saved")
            << true
            << u"Hourframe cannot save its settings.\nCannot create the folder <folder>: a file of that name "
               u"is in its place\nSettings you change apply until Hourframe ends."_s;
        QTest::newRow("settings file that cannot be read")
            << false
            << u"Hourframe could not read its settings file <file> and has kept it as <file>.bad. The "
               u"settings start again from their defaults."_s;
    }

    void problemsAreToldOnce()
    {
        QFETCH(bool, folderIsAFile);
        QFETCH(QString, told);
        TestSupport::TemporaryHome home;
        const QString folder = QFileInfo(StoreFile::path()).absolutePath();
        TestSupport::writeFile(folderIsAFile ? folder : StoreFile::path(), "not settings");
        QObject owner;
        new TVersionData(&owner);
        TRegistryManager manager(&owner);
        QStringList messages;
        manager.SetProblemReporter([&](const QString &message) { messages << message; });
        manager.WriteBool(u"AutoSave"_s, true);
        manager.WriteBool(u"AutoSave"_s, false);
        QCOMPARE(messages,
            QStringList { told.replace(u"<folder>"_s, folder).replace(u"<file>"_s, StoreFile::path()) });
    }

    void emptyCompanyStaysOnTheBaseKey()
    {
        TestSupport::TemporaryHome home;
        TRegistryManager manager;
        manager.SetApplicationName(u"Hourframe"_s);
        QCOMPARE(manager.Registry().CurrentKey(), u"HKEY_CURRENT_USER\\Software"_s);
    }

    void versionDataGoingAwayClearsTheReference()
    {
        TestSupport::TemporaryHome home;
        QObject owner;
        auto *versionData = new TVersionData(&owner);
        TRegistryManager manager(&owner);
        QCOMPARE(manager.VersionData(), versionData);
        delete versionData;
        QVERIFY(!manager.VersionData());
        QCOMPARE(manager.ApplicationName(), u"Hourframe"_s);
    }

    void readRect_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<TRect>("expected");
        const TRect fallback { 1, 2, 3, 4 };
        QTest::newRow("four fields") << QByteArray("\"10,20,30,40\"") << TRect { 10, 20, 30, 40 };
        QTest::newRow("three fields") << QByteArray("\"10,20,30\"") << fallback;
        QTest::newRow("a field not a number") << QByteArray("\"10,20,x,40\"") << fallback;
        QTest::newRow("a fifth field is ignored")
            << QByteArray("\"10,20,30,40,50\"") << TRect { 10, 20, 30, 40 };
        QTest::newRow("signs") << QByteArray("\"-500,+20,-30,40\"") << TRect { -500, 20, -30, 40 };
        QTest::newRow("empty field") << QByteArray("\"10,,30,40\"") << fallback;
        QTest::newRow("blank") << QByteArray("\"10, 20,30,40\"") << fallback;
        QTest::newRow("trailing text") << QByteArray("\"10,20,30,40px\"") << fallback;
        QTest::newRow("too large") << QByteArray("\"10,20,30,4000000000\"") << fallback;
        QTest::newRow("empty text") << QByteArray("\"\"") << fallback;
        QTest::newRow("a number") << QByteArray("dword:0000000a") << fallback;
    }

    void readRect()
    {
        QFETCH(QByteArray, stored);
        QFETCH(TRect, expected);
        TestSupport::TemporaryHome home;
        StoreFile::writeAppKey("\"MainFormWindowRect\"=" + stored + "\n");
        QObject owner;
        new TVersionData(&owner);
        TRegistryManager manager(&owner);
        QCOMPARE(manager.ReadRect(u"MainFormWindowRect"_s, TRect { 1, 2, 3, 4 }), expected);
        QCOMPARE(manager.ReadRect(u"Missing"_s, TRect { 1, 2, 3, 4 }), (TRect { 1, 2, 3, 4 }));
    }

    void writeRect()
    {
        TestSupport::TemporaryHome home;
        QObject owner;
        new TVersionData(&owner);
        TRegistryManager manager(&owner);
        manager.WriteRect(u"MainFormWindowRect"_s, TRect { 0, 0, 640, 480 });
        QCOMPARE(StoreFile::appKey().ReadString(u"MainFormWindowRect"_s),
            std::optional<QString>(u"0,0,640,480"_s));
        QVERIFY(StoreFile::text().contains(u"\"MainFormWindowRect\"=\"0,0,640,480\"\n"_s));
        QCOMPARE(manager.ReadRect(u"MainFormWindowRect"_s, TRect {}), (TRect { 0, 0, 640, 480 }));
    }

    void rectAndWindowGeometry()
    {
        const TRect rect = TRect::FromGeometry(QRect(283, 118, 375, 322));
        QCOMPARE(rect, (TRect { 283, 118, 658, 440 }));
        QCOMPARE(rect.ToGeometry(), QRect(283, 118, 375, 322));
    }

    void typedReads_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bool from dword 7") << QByteArray("dword:00000007") << u"bool"_s << u"true"_s;
        QTest::newRow("bool from dword 0") << QByteArray("dword:00000000") << u"bool"_s << u"false"_s;
        QTest::newRow("bool from string") << QByteArray("\"1\"") << u"bool"_s << u"false"_s;
        QTest::newRow("integer") << QByteArray("dword:000001c2") << u"integer"_s << u"450"_s;
        QTest::newRow("negative integer") << QByteArray("dword:fffffffe") << u"integer"_s << u"-2"_s;
        QTest::newRow("integer from string") << QByteArray("\"450\"") << u"integer"_s << u"99"_s;
        QTest::newRow("string") << QByteArray("\"Courier\"") << u"string"_s << u"Courier"_s;
        QTest::newRow("expandable string") << QByteArray("hex(2):41,00,00,00") << u"string"_s << u"A"_s;
        QTest::newRow("string from dword") << QByteArray("dword:00000001") << u"string"_s << u"default"_s;
    }

    void typedReads()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        TestSupport::TemporaryHome home;
        StoreFile::writeAppKey("\"Value\"=" + stored + "\n");
        QObject owner;
        new TVersionData(&owner);
        TRegistryManager manager(&owner);
        if (kind == u"bool"_s)
            QCOMPARE(manager.ReadBool(u"Value"_s, false) ? u"true"_s : u"false"_s, expected);
        else if (kind == u"integer"_s)
            QCOMPARE(QString::number(manager.ReadInteger(u"Value"_s, 99)), expected);
        else
            QCOMPARE(manager.ReadString(u"Value"_s, u"default"_s), expected);
    }

    void writesAreStoredAtOnce()
    {
        TestSupport::TemporaryHome home;
        QObject owner;
        new TVersionData(&owner);
        TRegistryManager manager(&owner);
        manager.WriteBool(u"AutoSave"_s, true);
        manager.WriteInteger(u"MondayTarget"_s, 480);
        manager.WriteString(u"Filename"_s, u"/home/ann/week.hf"_s);
        const TNTRegistry other = StoreFile::appKey();
        QCOMPARE(other.ReadInteger(u"AutoSave"_s), std::optional<qint32>(1));
        QCOMPARE(other.ReadInteger(u"MondayTarget"_s), std::optional<qint32>(480));
        QCOMPARE(other.ReadString(u"Filename"_s), std::optional<QString>(u"/home/ann/week.hf"_s));
    }
};

QTEST_GUILESS_MAIN(TestRegMgr)
#include "tst_RegMgr.moc"
