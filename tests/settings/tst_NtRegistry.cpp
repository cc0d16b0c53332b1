#include "settings/NtRegistry.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::readFile;
using TestSupport::writeFile;

const QString AppKey = u"\\Software\\Orvane Software\\Hourframe"_s;

} // namespace

class TestNtRegistry : public QObject {
    Q_OBJECT

    Regional::Override m_regional { TestSupport::englishSettings() };

private Q_SLOTS:
    void defaultPathFollowsXdgConfigHome()
    {
        TestSupport::TemporaryHome home;
        QCOMPARE(TNTRegistry::DefaultStorePath(), home.configHome() + u"/Orvane Software/Hourframe.reg"_s);
        QCOMPARE(TNTRegistry().StorePath(), TNTRegistry::DefaultStorePath());
    }

    void softwareAlwaysExistsOtherKeysOnceCreated()
    {
        QTemporaryDir dir;
        TNTRegistry registry(dir.filePath(u"store.reg"_s));
        QVERIFY(registry.KeyExists(u"Software"_s));
        QVERIFY(!registry.KeyExists(u"Software\\Orvane Software"_s));
        QVERIFY(!registry.OpenKey(u"Software\\Orvane Software"_s, false));
        QVERIFY(!QFile::exists(registry.StorePath()));

        registry.SetRootKey(HKeyLocalMachine);
        QVERIFY(!registry.KeyExists(u"Software"_s));
        QVERIFY(!registry.OpenKey(u"Software"_s, false));

        registry.SetRootKey(HKeyCurrentUser);
        QVERIFY(registry.OpenKey(AppKey, true));
        QVERIFY(registry.KeyExists(u"\\Software\\Orvane Software"_s));
        // Creating a key writes nothing; the key's first value brings it into the file.
        QVERIFY(!QFile::exists(registry.StorePath()));
        QVERIFY(!TNTRegistry(registry.StorePath()).KeyExists(AppKey));
        registry.WriteInteger(u"AutoSave"_s, 0);
        QVERIFY(TNTRegistry(registry.StorePath()).KeyExists(AppKey));
    }

    void openKeyRule_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("currentKey");
        QTest::newRow("relative at the root")
            << QStringList { u"Software"_s } << u"Software"_s << u"HKEY_CURRENT_USER\\Software"_s;
        QTest::newRow("relative below the open key")
            << QStringList { u"Software"_s, u"Orvane Software"_s, u"Hourframe"_s }
            << u"Software\\Orvane Software\\Hourframe"_s
            << u"HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe"_s;
        QTest::newRow("absolute after a relative") << QStringList { u"Software"_s, u"Orvane Software"_s,
            u"\\Software"_s } << u"Software"_s << u"HKEY_CURRENT_USER\\Software"_s;
        QTest::newRow("several levels at once")
            << QStringList { u"Software\\Orvane Software"_s, u"Hourframe"_s }
            << u"Software\\Orvane Software\\Hourframe"_s
            << u"HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe"_s;
    }

    void openKeyRule()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, path);
        QFETCH(QString, currentKey);
        QTemporaryDir dir;
        TNTRegistry registry(dir.filePath(u"store.reg"_s));
        for (const QString &key : std::as_const(keys))
            QVERIFY(registry.OpenKey(key, true));
        QCOMPARE(registry.CurrentPath(), path);
        QCOMPARE(registry.CurrentKey(), currentKey);
    }

    void failedOpenChangesNothing()
    {
        QTemporaryDir dir;
        TNTRegistry registry(dir.filePath(u"store.reg"_s));
        QVERIFY(registry.OpenKey(u"Software"_s, false));
        QVERIFY(!registry.OpenKey(u"Missing"_s, false));
        QVERIFY(!registry.OpenKey(u"Bad\nName"_s, true));
        QVERIFY(!registry.OpenKey(u"Two\\\\Backslashes"_s, true));
        QCOMPARE(registry.CurrentPath(), u"Software"_s);
        QCOMPARE(registry.CurrentKey(), u"HKEY_CURRENT_USER\\Software"_s);
        registry.CloseKey();
        QVERIFY(!registry.HasCurrentKey());
        QCOMPARE(registry.CurrentPath(), QString());
    }

    void handWrittenFileIsRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"store.reg"_s);
        writeFile(path,
            "Windows Registry Editor Version 5.00\r\n"
            "\r\n"
            "; settings of a test\r\n"
            "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\r\n"
            "\"AutoSave\"=dword:00000001\r\n"
            "\"Filename\"=\"/home/ann/\\\"week\\\" \\\\ 1.hf\"\r\n"
            "\"MainFormWindowRect\"=\"283,118,658,440\"\r\n"
            "\"Negative\"=dword:ffffffe2\r\n"
            "\"Short\"=dword:7\r\n"
            "\"TooLong\"=dword:123456789\r\n"
            "\"Caf\xc3\xa9\"=\"cr\xc3\xa8me\"\r\n"
            "@=\"default value\"\r\n"
            "\"Binary\"=hex:01,02,\\\r\n"
            "  03\r\n"
            "\"Expand\"=hex(2):25,00,48,00,25,00,00,00\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe\\Empty]\r\n");
        TNTRegistry registry(path);
        QVERIFY(registry.OpenKey(AppKey, false));
        QCOMPARE(registry.ReadInteger(u"AutoSave"_s), std::optional<qint32>(1));
        QCOMPARE(registry.ReadInteger(u"autosave"_s), std::optional<qint32>(1));
        QCOMPARE(registry.ReadString(u"Filename"_s), std::optional<QString>(u"/home/ann/\"week\" \\ 1.hf"_s));
        QCOMPARE(registry.ReadString(u"MainFormWindowRect"_s), std::optional<QString>(u"283,118,658,440"_s));
        QCOMPARE(registry.ReadInteger(u"Negative"_s), std::optional<qint32>(-30));
        QCOMPARE(registry.ReadInteger(u"Short"_s), std::optional<qint32>(7));
        // A number the file cannot hold in 32 bits costs that value alone.
        QVERIFY(registry.ValueExists(u"TooLong"_s));
        QCOMPARE(registry.ReadInteger(u"TooLong"_s), std::nullopt);
        QCOMPARE(registry.ReadString(u"Café"_s), std::optional<QString>(u"crème"_s));
        QCOMPARE(registry.ReadString(QString()), std::optional<QString>(u"default value"_s));
        QVERIFY(registry.ValueExists(u"Binary"_s));
        QCOMPARE(registry.ReadString(u"Binary"_s), std::nullopt);
        QCOMPARE(registry.ReadString(u"Expand"_s), std::optional<QString>(u"%H%"_s));
        QVERIFY(registry.KeyExists(u"Empty"_s));
        QVERIFY(registry.KeyExists(u"\\SOFTWARE\\orvane software"_s));
    }

    void fileEncodings_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QString text = u"Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\r\n"
                             "\"PrinterFontName\"=\"Café\"\r\n"_s;
        QTest::newRow("UTF-8") << text.toUtf8();
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf") + text.toUtf8();
        QByteArray utf16("\xff\xfe");
        for (const QChar c : text)
            utf16 += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
        QTest::newRow("UTF-16 as exported on Windows") << utf16;
        QTest::newRow("8-bit") << text.toLatin1();
    }

    void fileEncodings()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"store.reg"_s);
        writeFile(path, content);
        TNTRegistry registry(path);
        QVERIFY(registry.OpenKey(AppKey, false));
        QCOMPARE(registry.ReadString(u"PrinterFontName"_s), std::optional<QString>(u"Café"_s));
    }

    void wrongTypeReadsAsNothing()
    {
        QTemporaryDir dir;
        TNTRegistry registry(dir.filePath(u"store.reg"_s));
        QVERIFY(registry.OpenKey(AppKey, true));
        registry.WriteString(u"Text"_s, u"12"_s);
        registry.WriteInteger(u"Number"_s, 12);
        QCOMPARE(registry.ReadInteger(u"Text"_s), std::nullopt);
        QCOMPARE(registry.ReadString(u"Number"_s), std::nullopt);
        QCOMPARE(registry.ReadInteger(u"Missing"_s), std::nullopt);
        QVERIFY(!registry.ValueExists(u"Missing"_s));
    }

    void writtenFileIsRegistryExportText()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Orvane Software/Hourframe.reg"_s);
        TNTRegistry registry(path);
        QVERIFY(registry.OpenKey(AppKey, true));
        registry.WriteInteger(u"AutoSave"_s, 0);
        registry.WriteString(u"Filename"_s, u"/home/ann/week.hf"_s);
        registry.WriteString(u"MainFormWindowRect"_s, u"283,118,658,440"_s);
        registry.WriteString(u"Quoted"_s, u"say \"hi\" C:\\temp"_s);
        registry.WriteInteger(u"Minus"_s, -1);
        registry.WriteInteger(u"AutoSave"_s, 1);
        QCOMPARE(QString::fromUtf8(readFile(path)),
            u"Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\n"
            "\"AutoSave\"=dword:00000001\n"
            "\"Filename\"=\"/home/ann/week.hf\"\n"
            "\"MainFormWindowRect\"=\"283,118,658,440\"\n"
            "\"Quoted\"=\"say \\\"hi\\\" C:\\\\temp\"\n"
            "\"Minus\"=dword:ffffffff\n"_s);
        QVERIFY(!QFile::exists(path + u".lock"_s));
    }

    void textWithLineBreakSurvives()
    {
        QTemporaryDir dir;
        TNTRegistry registry(dir.filePath(u"store.reg"_s));
        QVERIFY(registry.OpenKey(AppKey, true));
        const QString text = u"/home/ann/odd\nname\tö.hf"_s;
        registry.WriteString(u"Filename"_s, text);
        registry.WriteInteger(u"After"_s, 5);
        QCOMPARE(registry.ReadString(u"Filename"_s), std::optional<QString>(text));
        QCOMPARE(registry.ReadInteger(u"After"_s), std::optional<qint32>(5));
    }

    void twoInstancesWritingAlternatelyKeepEveryValue()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Orvane Software/Hourframe.reg"_s);
        TNTRegistry first(path);
        TNTRegistry second(path);
        QVERIFY(first.OpenKey(AppKey, true));
        QVERIFY(second.OpenKey(AppKey, true));
        for (int i = 0; i < 10; ++i) {
            first.WriteInteger(u"First%1"_s.arg(i), i);
            second.WriteString(u"Second%1"_s.arg(i), u"text %1"_s.arg(i));
        }
        first.WriteInteger(u"Shared"_s, 1);
        second.WriteInteger(u"Shared"_s, 2);

        TNTRegistry reader(path);
        QVERIFY(reader.OpenKey(AppKey, false));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(reader.ReadInteger(u"First%1"_s.arg(i)), std::optional<qint32>(i));
            QCOMPARE(reader.ReadString(u"Second%1"_s.arg(i)), std::optional<QString>(u"text %1"_s.arg(i)));
        }
        QCOMPARE(reader.ReadInteger(u"Shared"_s), std::optional<qint32>(2));
        QCOMPARE(first.ReadInteger(u"Shared"_s), std::optional<qint32>(2));
    }

    void unparsableFileReadsAsEmptyAndIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no header") << QByteArray("[HKEY_CURRENT_USER\\Software]\n\"A\"=dword:00000001\n");
        QTest::newRow("garbage line")
            << QByteArray("Windows Registry Editor Version 5.00\n\n"
                          "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\n"
                          "\"AutoSave\"=dword:00000001\nnonsense\n");
        QTest::newRow("value before any key")
            << QByteArray("Windows Registry Editor Version 5.00\n\"AutoSave\"=dword:00000001\n");
        QTest::newRow("unknown root")
            << QByteArray("Windows Registry Editor Version 5.00\n[HKEY_NOWHERE\\X]\n");
        QTest::newRow("unclosed text") << QByteArray(
            "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software]\n\"A\"=\"open\n");
        QTest::newRow("binary junk") << QByteArray("\x01\x02\x03\xff\xfe garbage");
    }

    void unparsableFileReadsAsEmptyAndIsKeptAside()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Hourframe.reg"_s);
        writeFile(path, content);

        TNTRegistry registry(path);
        QVERIFY(registry.OpenKey(u"Software"_s, false));
        QVERIFY(!registry.KeyExists(u"Orvane Software"_s));
        QCOMPARE(registry.ReadInteger(u"A"_s), std::nullopt);
        QCOMPARE(readFile(path), content); // reading never touches the file

        QVERIFY(registry.OpenKey(u"Orvane Software\\Hourframe"_s, true));
        registry.WriteInteger(u"AutoSave"_s, 0);
        QCOMPARE(readFile(path + u".bad"_s), content);
        QCOMPARE(registry.ReadInteger(u"AutoSave"_s), std::optional<qint32>(0));
        QVERIFY(readFile(path).startsWith("Windows Registry Editor Version 5.00\n"));
    }

    // A lock its writer left behind, killed before it wrote its process
    // number into it or after, is taken over at once: waiting for it would
    // fail the write.
    void staleLockIsTakenOver_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::newRow("empty") << true;
        QTest::newRow("process gone") << false;
    }

    void staleLockIsTakenOver()
    {
        QFETCH(bool, empty);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Hourframe.reg"_s);
        const QString lockPath = path + u".lock"_s;
        QByteArray lock;
        if (!empty) {
            QProcess gone;
            gone.start(u"true"_s);
            QVERIFY(gone.waitForStarted());
            const qint64 pid = gone.processId();
            QVERIFY(gone.waitForFinished());
            QLockFile own(lockPath);
            QVERIFY(own.lock());
            lock = readFile(lockPath);
            own.unlock();
            lock.replace(0, lock.indexOf('\n'), QByteArray::number(pid));
        }
        writeFile(lockPath, lock);
        TNTRegistry registry(path);
        QVERIFY(registry.OpenKey(AppKey, true));
        registry.WriteInteger(u"AutoSave"_s, 1);
        QCOMPARE(registry.ReadInteger(u"AutoSave"_s), std::optional<qint32>(1));
        QVERIFY(!QFile::exists(lockPath));
    }

    void refusedWritesThrow()
    {
        QTemporaryDir dir;
        TNTRegistry closed(dir.filePath(u"store.reg"_s));
        try {
            closed.WriteInteger(u"AutoSave"_s, 1);
            QFAIL("a write without an open key was taken");
        } catch (const RegistryError &error) {
            QCOMPARE(error.message(), u"Failed to set data for 'AutoSave'"_s);
        }

        // A file where the store's folder should be: nothing can be written there.
        writeFile(dir.filePath(u"blocked"_s), "a file, not a folder");
        TNTRegistry blocked(dir.filePath(u"blocked/Hourframe.reg"_s));
        QVERIFY(blocked.OpenKey(u"Software"_s, false));
        QVERIFY(!blocked.OpenKey(u"Orvane Software"_s, true));
        try {
            blocked.WriteString(u"Filename"_s, u"x"_s);
            QFAIL("a write into an impossible file was taken");
        } catch (const RegistryError &error) {
            QCOMPARE(error.message(), u"Failed to set data for 'Filename'"_s);
        }
        QVERIFY(!blocked.ErrorString().isEmpty());
    }

    void deleteKeyTakesItsSubkeys()
    {
        QTemporaryDir dir;
        TNTRegistry registry(dir.filePath(u"store.reg"_s));
        registry.SetRootKey(HKeyClassesRoot);
        QVERIFY(registry.OpenKey(u"Hourframe\\Shell\\Open\\Command"_s, true));
        registry.WriteString(QString(), u"\"/usr/bin/hourframe\" \"%1\""_s);
        QVERIFY(registry.OpenKey(u"\\.hf"_s, true));
        registry.WriteString(QString(), u"Hourframe"_s);
        QVERIFY(registry.OpenKey(u"\\Hourframe Data"_s, true));
        registry.CloseKey();

        QVERIFY(registry.DeleteKey(u"Hourframe"_s));
        QVERIFY(!registry.KeyExists(u"Hourframe"_s));
        QVERIFY(!registry.KeyExists(u"Hourframe\\Shell\\Open\\Command"_s));
        QVERIFY(registry.KeyExists(u".hf"_s));
        QVERIFY(registry.KeyExists(u"Hourframe Data"_s));
        QVERIFY(!registry.DeleteKey(u"Hourframe"_s));

        registry.SetRootKey(HKeyCurrentUser);
        QVERIFY(!registry.DeleteKey(u"Software"_s));
        QVERIFY(!registry.DeleteKey(QString()));
        QVERIFY(registry.KeyExists(u"Software"_s));
    }

    void deleteValue()
    {
        QTemporaryDir dir;
        TNTRegistry registry(dir.filePath(u"store.reg"_s));
        QVERIFY(registry.OpenKey(AppKey, true));
        registry.WriteInteger(u"A"_s, 1);
        registry.WriteInteger(u"B"_s, 2);
        QVERIFY(registry.DeleteValue(u"a"_s));
        QVERIFY(!registry.DeleteValue(u"A"_s));
        QVERIFY(!registry.ValueExists(u"A"_s));
        QCOMPARE(registry.ReadInteger(u"B"_s), std::optional<qint32>(2));
    }
};

QTEST_GUILESS_MAIN(TestNtRegistry)
#include "tst_NtRegistry.moc"
