#include "core/DataFile.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/TimeRecorder.h"
#include "support/FileFailures.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <malloc.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using TestSupport::day;
using TestSupport::FailingDevice;
using TestSupport::load;
using TestSupport::readFile;
using TestSupport::saved;
using TestSupport::writeFile;

QString dataPath(const char *name)
{
    return QStringLiteral(HOURFRAME_TEST_DATA "/") + QLatin1StringView(name);
}

// The store of the example document: four days worth writing and one empty day.
void fillWorkedExample(TTimeRecorder &store)
{
    store.SetArrive(day(2026, 12, 2), 465);
    store.SetDepart(day(2026, 12, 2), 975);
    store.SetLunch(day(2026, 12, 2), 60);
    store.SetExtra(day(2026, 12, 2), 90);
    store.SetComment(day(2026, 12, 2), QStringLiteral("Visit, north office"));
    store.SetArrive(day(2026, 12, 1), 510);
    store.SetDepart(day(2026, 12, 1), 1020);
    store.SetLunch(day(2026, 12, 1), 30);
    store.SetHoliday(day(2026, 12, 3), 480);
    store.SetComment(day(2026, 12, 3), QStringLiteral("Day off"));
    store.SetArrive(day(2026, 12, 5), -1);
    store.SetArrive(day(2026, 12, 4), 0);
    store.SetDepart(day(2026, 12, 4), 360);
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_regional.emplace(TestSupport::englishSettings()); }
    void cleanup() { m_regional.reset(); }

    void compactTimeText_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("timeField");
        QTest::addColumn<QString>("intervalField");
        QTest::newRow("-1") << -1 << QString() << QString();
        QTest::newRow("0") << 0 << QStringLiteral(":") << QString();
        QTest::newRow("5") << 5 << QStringLiteral(":05") << QStringLiteral(":05");
        QTest::newRow("30") << 30 << QStringLiteral(":30") << QStringLiteral(":30");
        QTest::newRow("60") << 60 << QStringLiteral("1:") << QStringLiteral("1:");
        QTest::newRow("510") << 510 << QStringLiteral("8:30") << QStringLiteral("8:30");
        QTest::newRow("1020") << 1020 << QStringLiteral("17:") << QStringLiteral("17:");
        QTest::newRow("6000") << 6000 << QStringLiteral("100:") << QStringLiteral("100:");
        QTest::newRow("605") << 605 << QStringLiteral("10:05") << QStringLiteral("10:05");
        QTest::newRow("-30") << -30 << QString() << QString();
    }

    void compactTimeText()
    {
        QFETCH(int, minutes);
        QFETCH(QString, timeField);
        QFETCH(QString, intervalField);
        QCOMPARE(CompactTimeText(minutes, -1), timeField);
        QCOMPARE(CompactTimeText(minutes, 0), intervalField);
        if (minutes >= 0)
            QCOMPARE(ParseStoredTime(timeField, -1), minutes);
    }

    void compactTimeTextUsesRegionalSeparator()
    {
        Regional::Settings settings = TestSupport::englishSettings();
        settings.timeSeparator = u'.';
        Regional::Override dots(settings);
        QCOMPARE(CompactTimeText(510, -1), QStringLiteral("8.30"));
        QCOMPARE(CompactTimeText(0, -1), QStringLiteral("."));
        QCOMPARE(ParseStoredTime(u"8.30", -1), 510);
    }

    void parseStoredTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("defaultValue");
        QTest::addColumn<int>("minutes");
        QTest::newRow("empty arrive") << QString() << -1 << -1;
        QTest::newRow("blank lunch") << QStringLiteral(" \t") << 0 << 0;
        QTest::newRow("separator alone") << QStringLiteral(":") << -1 << 0;
        QTest::newRow("hours and separator") << QStringLiteral("8:") << -1 << 480;
        QTest::newRow("minutes only") << QStringLiteral(":30") << -1 << 30;
        QTest::newRow("hours only") << QStringLiteral("8") << -1 << 480;
        QTest::newRow("both") << QStringLiteral("8:30") << -1 << 510;
        QTest::newRow("seconds ignored") << QStringLiteral("8:30:15") << -1 << 510;
        QTest::newRow("blanks around parts") << QStringLiteral(" 8 : 30 ") << -1 << 510;
        QTest::newRow("many hours") << QStringLiteral("100:") << 0 << 6000;
        // A length may be written in minutes beyond an hour, a clock time's hours beyond a day.
        QTest::newRow("lunch minutes beyond an hour") << QStringLiteral(":90") << 0 << 90;
        QTest::newRow("departure written after midnight") << QStringLiteral("25:00") << -1 << 1500;
        QTest::newRow("largest") << QStringLiteral("35791394:7") << 0 << 2147483647;
        QTest::newRow("sign") << QStringLiteral("+8:30") << -1 << 510;
        QTest::newRow("rest after a second separator") << QStringLiteral("8:30:x") << -1 << 510;
        QTest::newRow("seven-digit hours") << QStringLiteral("1234567:") << 0 << 74074020;
    }

    void parseStoredTime()
    {
        QFETCH(QString, text);
        QFETCH(int, defaultValue);
        QFETCH(int, minutes);
        QCOMPARE(ParseStoredTime(text, defaultValue), minutes);
    }

    void badStoredTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("dot is not the separator") << QStringLiteral("8.30");
        QTest::newRow("letters") << QStringLiteral("eight");
        QTest::newRow("blank inside a part") << QStringLiteral("1 0:00");
        QTest::newRow("beyond 32-bit minutes") << QStringLiteral("35791395:");
        QTest::newRow("huge hours") << QStringLiteral("99999999999:");
        QTest::newRow("huge minutes") << QStringLiteral(":99999999999");
    }

    void badStoredTime()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(ConversionError, ParseStoredTime(text, -1));
    }

    void parseStoredDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("dateSeparator");
        QTest::addColumn<QDate>("date");
        QTest::newRow("slashes") << QStringLiteral("6/12/2026") << QChar(u'/') << QDate(2026, 12, 6);
        QTest::newRow("dashes") << QStringLiteral("2-12-2026") << QChar(u'/') << QDate(2026, 12, 2);
        QTest::newRow("mixed") << QStringLiteral("2-12/2026") << QChar(u'/') << QDate(2026, 12, 2);
        QTest::newRow("dots when dots separate")
            << QStringLiteral("2.12.2026") << QChar(u'.') << QDate(2026, 12, 2);
        QTest::newRow("slashes when dots separate")
            << QStringLiteral("2/12/2026") << QChar(u'.') << QDate(2026, 12, 2);
        QTest::newRow("leading zeros") << QStringLiteral("02/03/2026") << QChar(u'/') << QDate(2026, 3, 2);
        QTest::newRow("year 26") << QStringLiteral("1/1/26") << QChar(u'/') << QDate(2026, 1, 1);
        QTest::newRow("year 49") << QStringLiteral("1/1/49") << QChar(u'/') << QDate(2049, 1, 1);
        QTest::newRow("year 50") << QStringLiteral("1/1/50") << QChar(u'/') << QDate(1950, 1, 1);
        QTest::newRow("year 75") << QStringLiteral("1/1/75") << QChar(u'/') << QDate(1975, 1, 1);
        QTest::newRow("year 0") << QStringLiteral("1/1/0") << QChar(u'/') << QDate(2000, 1, 1);
        QTest::newRow("year 100") << QStringLiteral("1/1/100") << QChar(u'/') << QDate(100, 1, 1);
        QTest::newRow("before day 0") << QStringLiteral("1/1/1800") << QChar(u'/') << QDate(1800, 1, 1);
        QTest::newRow("leap day") << QStringLiteral("29/2/2024") << QChar(u'/') << QDate(2024, 2, 29);
        QTest::newRow("rest ignored") << QStringLiteral("6/12/2026/x") << QChar(u'/') << QDate(2026, 12, 6);
        QTest::newRow("sign") << QStringLiteral("+6/12/2026") << QChar(u'/') << QDate(2026, 12, 6);
    }

    void parseStoredDate()
    {
        QFETCH(QString, text);
        QFETCH(QChar, dateSeparator);
        QFETCH(QDate, date);
        Regional::Override regional(TestSupport::withDateFormat(dateSeparator, QStringLiteral("dd/MM/yyyy")));
        QCOMPARE(ParseStoredDate(text), DayNumber::fromDate(date));
    }

    void badStoredDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("outOfRange");
        QTest::newRow("31 April") << QStringLiteral("31/4/2026") << false;
        QTest::newRow("month 13") << QStringLiteral("1/13/2026") << false;
        QTest::newRow("29 Feb 2025") << QStringLiteral("29/2/2025") << false;
        QTest::newRow("day 0") << QStringLiteral("0/1/2026") << false;
        QTest::newRow("year 10000") << QStringLiteral("1/1/10000") << false;
        QTest::newRow("dots when slashes separate") << QStringLiteral("2.12.2026") << false;
        QTest::newRow("no year") << QStringLiteral("2/12") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("letters") << QStringLiteral("a/1/2026") << false;
        QTest::newRow("blank before the day") << QStringLiteral(" 1/1/2026") << false;
        QTest::newRow("huge") << QStringLiteral("1/1/99999999999") << false;
        QTest::newRow("day beyond 65535") << QStringLiteral("70000/1/2026") << true;
        QTest::newRow("year beyond 65535") << QStringLiteral("1/1/65536") << true;
    }

    void badStoredDate()
    {
        QFETCH(QString, text);
        QFETCH(bool, outOfRange);
        if (outOfRange)
            QVERIFY_THROWS_EXCEPTION(RangeError, ParseStoredDate(text));
        else
            QVERIFY_THROWS_EXCEPTION(ConversionError, ParseStoredDate(text));
    }

    void dateFieldText()
    {
        QCOMPARE(DateFieldText(day(2026, 12, 6)), QStringLiteral("6/12/2026"));
        QCOMPARE(DateFieldText(day(1999, 1, 31)), QStringLiteral("31/1/1999"));
        // Day first whatever the regional date order.
        Regional::Override regional(TestSupport::withDateFormat(u'.', QStringLiteral("MM.dd.yyyy")));
        QCOMPARE(DateFieldText(day(2026, 12, 6)), QStringLiteral("6.12.2026"));
        QCOMPARE(ParseStoredDate(DateFieldText(day(2026, 12, 6))), day(2026, 12, 6));
    }

    void workedExampleRoundTrip()
    {
        const QByteArray expected = readFile(dataPath("worked-example.hf"));
        QVERIFY(expected.contains("\r\n4/12/2026,:,6:\r\n"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("week.hf"));

        TTimeRecorder store;
        fillWorkedExample(store);
        store.SaveToFile(path);
        QCOMPARE(readFile(path), expected);
        QVERIFY(!store.Modified());
        QCOMPARE(store.FileName(), path);
        QCOMPARE(store.Record(0).Date, day(2026, 12, 1)); // sorted for saving

        TTimeRecorder loaded;
        loaded.LoadFromFile(dataPath("worked-example.hf"));
        QCOMPARE(loaded.Count(), 4);
        for (int i = 0; i < 4; ++i) {
            const DayRecord &a = store.Record(i);
            const DayRecord &b = loaded.Record(i);
            QCOMPARE(b.Date, a.Date);
            QCOMPARE(b.Arrive, a.Arrive);
            QCOMPARE(b.Depart, a.Depart);
            QCOMPARE(b.Lunch, a.Lunch);
            QCOMPARE(b.Extra, a.Extra);
            QCOMPARE(b.Holiday, a.Holiday);
            QCOMPARE(b.Comment, a.Comment);
        }
        QCOMPARE(loaded.EarliestDate(), double(day(2026, 12, 1)));
        QCOMPARE(loaded.RecentComments(),
            (QStringList { QStringLiteral("Day off"), QStringLiteral("Visit, north office") }));
        QVERIFY(!loaded.Modified());
        QCOMPARE(loaded.FileName(), dataPath("worked-example.hf"));
        loaded.SaveToFile(path);
        QCOMPARE(readFile(path), expected);
    }

    void writtenFilesReproduceByteForByte()
    {
        QRandomGenerator random(42);
        TTimeRecorder store;
        const QStringList comments { QStringLiteral("Visit, north office"), QStringLiteral("\"quoted\""),
            QStringLiteral(" padded "), QStringLiteral("Café €"), QStringLiteral("a,b,,") };
        for (int i = 0; i < 400; ++i) {
            const int d = day(2020, 1, 1) + random.bounded(300);
            switch (random.bounded(5)) {
            case 0:
                store.SetArrive(d, random.bounded(-1, 1440));
                break;
            case 1:
                store.SetDepart(d, random.bounded(-1, 3000));
                break;
            case 2:
                store.SetLunch(d, random.bounded(-1, 120));
                break;
            case 3:
                store.SetHoliday(d, random.bounded(0, 600));
                break;
            default:
                store.SetComment(d, comments.at(random.bounded(comments.size())));
            }
        }
        const QByteArray first = saved(store);
        TTimeRecorder again;
        load(again, first);
        QCOMPARE(saved(again), first);
    }

    void commentsSurvive_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("commas") << QStringLiteral("a, b,,c,") << QStringLiteral("a, b,,c,");
        QTest::newRow("quoted") << QStringLiteral("\"all of it\"") << QStringLiteral("\"all of it\"");
        QTest::newRow("quote at the start") << QStringLiteral("\"start") << QStringLiteral("\"start");
        QTest::newRow("quote at the end") << QStringLiteral("end\"") << QStringLiteral("end\"");
        QTest::newRow("quote alone") << QStringLiteral("\"") << QStringLiteral("\"");
        QTest::newRow("blanks inside the quotes")
            << QStringLiteral("  padded ") << QStringLiteral("  padded ");
        QTest::newRow("line feed") << QStringLiteral("two\nlines") << QStringLiteral("two lines");
        QTest::newRow("CR LF") << QStringLiteral("two\r\nlines\r") << QStringLiteral("two  lines ");
        QTest::newRow("tab") << QStringLiteral("a\tb") << QStringLiteral("a\tb");
        // A file holding NUL is no data file, so it would not load again.
        QTest::newRow("NUL") << u"a"_s + QChar(0) + u"b"_s << QStringLiteral("a b");
        QTest::newRow("lone surrogate") << u"a"_s + QChar(0xD800) << u"a\uFFFD"_s;
        QTest::newRow("beyond Latin-1")
            << QStringLiteral("Dienstreise → Köln 😀") << QStringLiteral("Dienstreise → Köln 😀");
    }

    void commentsSurvive()
    {
        QFETCH(QString, comment);
        QFETCH(QString, readBack);
        const int d = day(2026, 12, 7);
        TTimeRecorder store;
        store.SetArrive(d, 510);
        store.SetComment(d, comment);
        store.SetArrive(d + 1, 480);
        const QByteArray bytes = saved(store);
        QCOMPARE(bytes.count("\r\n"), 2);
        QCOMPARE(bytes.count('\n'), 2);
        QCOMPARE(bytes.count('\r'), 2);
        TTimeRecorder loaded;
        load(loaded, bytes);
        QCOMPARE(loaded.Count(), 2);
        QCOMPARE(loaded.GetComment(d), readBack);
        QCOMPARE(loaded.GetArrive(d + 1), 480);
    }

    void commentsOnLoad()
    {
        TTimeRecorder store;
        load(store,
            "1/12/2026,8:,,,,,  \"Visit\"  \r\n"
            "2/12/2026,8:,,,,,Day off\r\n"
            "3/12/2026,8:,,,,,\"VISIT\"\r\n"
            "4/12/2026,8:,,,,,\"\"\r\n"
            "5/12/2026,8:\r\n");
        QCOMPARE(store.GetComment(day(2026, 12, 1)), QStringLiteral("Visit"));
        QCOMPARE(store.GetComment(day(2026, 12, 2)), QStringLiteral("Day off"));
        QCOMPARE(store.GetComment(day(2026, 12, 3)), QStringLiteral("VISIT"));
        QCOMPARE(store.GetComment(day(2026, 12, 4)), QString());
        QCOMPARE(
            store.RecentComments(), (QStringList { QStringLiteral("Day off"), QStringLiteral("Visit") }));
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray("1/12/2026,8:\r\n2/12/2026,9:\r\n\r\n3/12/2026,10:\r\n");
        QTest::newRow("LF") << QByteArray("1/12/2026,8:\n2/12/2026,9:\n\n3/12/2026,10:\n");
        QTest::newRow("CR") << QByteArray("1/12/2026,8:\r2/12/2026,9:\r\r3/12/2026,10:\r");
        QTest::newRow("mixed, no end") << QByteArray("1/12/2026,8:\r2/12/2026,9:\n\r\n3/12/2026,10:");
    }

    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        TTimeRecorder store;
        load(store, bytes);
        QCOMPARE(store.Count(), 3);
        QCOMPARE(store.GetArrive(day(2026, 12, 1)), 480);
        QCOMPARE(store.GetArrive(day(2026, 12, 2)), 540);
        QCOMPARE(store.GetArrive(day(2026, 12, 3)), 600);
        QCOMPARE(saved(store), QByteArray("1/12/2026,8:\r\n2/12/2026,9:\r\n3/12/2026,10:\r\n"));
        // A bad fourth line is reported as line 5 in every style (one line is blank).
        QByteArray bad = bytes;
        const char *end = bytes.endsWith("\r\n") ? "\r\n" : bytes.endsWith('\r') ? "\r" : "\n";
        if (!bytes.endsWith('\n') && !bytes.endsWith('\r'))
            bad += "\r";
        bad += "4/12/2026,x:";
        bad += end;
        try {
            load(store, bad);
            QFAIL("a bad line was read");
        } catch (const ConversionError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("line 5:")), qPrintable(error.message()));
        }
    }

    void windows1252()
    {
        TTimeRecorder store;
        load(store, "1/12/2026,8:30,,,,,\"Caf\xe9 \x80 \x93q\x94 \x81\"\r\n");
        QCOMPARE(store.GetComment(day(2026, 12, 1)), QStringLiteral(u"Café € “q” \u0081"));
        QCOMPARE(saved(store),
            QByteArray("1/12/2026,8:30,,,,,\"Caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9cq\xe2\x80\x9d "
                       "\xc2\x81\"\r\n"));
        // Valid UTF-8 is read as UTF-8, with or without a byte order mark.
        load(store, "1/12/2026,8:30,,,,,\"Caf\xc3\xa9\"\r\n");
        QCOMPARE(store.GetComment(day(2026, 12, 1)), QStringLiteral(u"Café"));
        load(store,
            "\xef\xbb\xbf"
            "1/12/2026,8:30,,,,,\"Caf\xc3\xa9\"\r\n");
        QCOMPARE(store.Count(), 1);
        QCOMPARE(store.GetComment(day(2026, 12, 1)), QStringLiteral(u"Café"));
        // An overlong encoding is not UTF-8.
        load(store, "1/12/2026,8:30,,,,,\"\xc0\xaf\"\r\n");
        QCOMPARE(store.GetComment(day(2026, 12, 1)), QStringLiteral(u"À¯"));
    }

    void sameDateTwice()
    {
        const QByteArray bytes("2/12/2026,9:,,,,,\"second day\"\r\n"
                               "1/12/2026,8:,,,,,\"first\"\r\n"
                               "1/12/2026,7:,,,,,\"again\"\r\n");
        TTimeRecorder store;
        load(store, bytes);
        QCOMPARE(store.Count(), 3);
        QCOMPARE(store.GetArrive(day(2026, 12, 1)), 480);
        QCOMPARE(store.GetComment(day(2026, 12, 1)), QStringLiteral("first"));
        QCOMPARE(store.EarliestDate(), double(day(2026, 12, 1)));
        QCOMPARE(saved(store),
            QByteArray("1/12/2026,8:,,,,,\"first\"\r\n"
                       "1/12/2026,7:,,,,,\"again\"\r\n"
                       "2/12/2026,9:,,,,,\"second day\"\r\n"));
        QCOMPARE(store.FindDay(day(2026, 12, 1)), 0);
    }

    void emptyAndDateOnlyLines()
    {
        TTimeRecorder store;
        load(store, "");
        QCOMPARE(store.Count(), 0);
        load(store, "\r\n  \r\n\t\n");
        QCOMPARE(store.Count(), 0);
        QCOMPARE(store.EarliestDate(), 0.0);
        load(store, "5/12/2026,8:\r\n1/12/2026\r\n3/12/2026,,,,,,\"   \"\r\n");
        QCOMPARE(store.Count(), 3);
        QCOMPARE(store.EarliestDate(), double(day(2026, 12, 1)));
        QVERIFY(store.IsEmptyDay(1));
        QVERIFY(store.IsEmptyDay(2));
        QVERIFY(store.RecentComments().isEmpty());
        QCOMPARE(saved(store), QByteArray("5/12/2026,8:\r\n"));
    }

    // Memory follows the records, not the line ends: 16 million blank lines
    // once took 800 MB for records before reading any.
    void blankLinesCostNoRecords()
    {
#if defined(__SANITIZE_ADDRESS__) || defined(__has_feature) && __has_feature(address_sanitizer)
        QSKIP("AddressSanitizer's allocator does not report to mallinfo2");
#endif
        QByteArray bytes(16'000'000, '\n');
        bytes += "1/12/2026,8:\r\n";
        TTimeRecorder store;
        load(store, bytes);
        bytes.clear();
        QCOMPARE(store.Count(), 1);
        QVERIFY(mallinfo2().hblkhd < 100'000'000);
    }

    void failedLoadKeepsEarlierLines_data()
    {
        QTest::addColumn<QByteArray>("badLine");
        QTest::addColumn<QString>("offending");
        QTest::addColumn<bool>("outOfRange");
        QTest::addColumn<int>("keptArrive"); // of the failing line's day; -2: no record for it
        QTest::newRow("bad date") << QByteArray("31/4/2026,8:") << u"'31/4/2026'"_s << false << -2;
        QTest::newRow("day beyond the month")
            << QByteArray("32/12/2026,8:") << u"'32/12/2026'"_s << false << -2;
        QTest::newRow("date out of range") << QByteArray("4/99999/2026") << u"'4/99999/2026'"_s << true << -2;
        // A line read part way keeps its day with the fields before the failing one.
        QTest::newRow("bad time") << QByteArray("30/11/2026,8:,x7:") << u"'x7:'"_s << false << 480;
        QTest::newRow("blank inside a time")
            << QByteArray("30/11/2026,8 0:30") << u"'8 0:30'"_s << false << -1;
        QTest::newRow("time beyond 32 bits")
            << QByteArray("30/11/2026,,,,40000000:") << u"'40000000:'"_s << false << -1;
        QTest::newRow("negative time") << QByteArray("30/11/2026,8:,-1:") << u"'-1:'"_s << true << 480;
        // Neither wrapped nor sign-flipped into another time, which the next save would write.
        QTest::newRow("negative zero hours")
            << QByteArray("30/11/2026,8:,-0:45") << u"'-0:45'"_s << true << 480;
        QTest::newRow("negative minutes") << QByteArray("30/11/2026,8:-30") << u"'8:-30'"_s << true << -1;
        QTest::newRow("arrival minutes of 60") << QByteArray("30/11/2026,8:60") << u"'8:60'"_s << true << -1;
        QTest::newRow("huge field quoted in part")
            << "30/11/2026," + QByteArray(100000, '9') + 'x' << u"'"_s + QString(79, u'9') + u"\u2026'"_s
            << false << -1;
    }

    void failedLoadKeepsEarlierLines()
    {
        QFETCH(QByteArray, badLine);
        QFETCH(QString, offending);
        QFETCH(bool, outOfRange);
        QFETCH(int, keptArrive);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.hf"));
        writeFile(
            path, "1/12/2026,8:,,,,,\"one\"\r\n\r\n2/12/2026,9:\r\n" + badLine + "\r\n3/12/2026,10:\r\n");

        TTimeRecorder store;
        store.SetArrive(day(2000, 1, 1), 1);
        QVERIFY(store.Modified());
        bool thrown = false;
        try {
            store.LoadFromFile(path);
        } catch (const HourframeError &error) {
            thrown = outOfRange == (dynamic_cast<const RangeError *>(&error) != nullptr);
            QVERIFY2(error.message().contains(offending), qPrintable(error.message()));
            QVERIFY(error.message().contains(QStringLiteral("line 4")));
            QVERIFY(error.message().contains(QDir::toNativeSeparators(path)));
            QVERIFY(error.message().size() < 200 + path.size());
        }
        QVERIFY(thrown);
        QCOMPARE(store.Count(), keptArrive == -2 ? 2 : 3);
        QCOMPARE(store.GetArrive(day(2026, 12, 2)), 540);
        QCOMPARE(store.GetArrive(day(2026, 11, 30)), keptArrive == -2 ? -1 : keptArrive);
        QCOMPARE(store.EarliestDate(), double(keptArrive == -2 ? day(2026, 12, 1) : day(2026, 11, 30)));
        QCOMPARE(store.FileName(), QString());
        QVERIFY(store.Modified());
        QCOMPARE(store.RecentComments(), QStringList { QStringLiteral("one") });
        // The file was closed: it can be replaced at once.
        QVERIFY(QFile::remove(path));
    }

    void missingFileEmptiesStore()
    {
        QTemporaryDir dir;
        const QString example = dir.filePath(QStringLiteral("example.hf"));
        QVERIFY(QFile::copy(dataPath("worked-example.hf"), example));
        TTimeRecorder store;
        store.LoadFromFile(example);
        QCOMPARE(store.Count(), 4);
        const QString missing = dir.filePath(QStringLiteral("missing.hf"));
        try {
            store.LoadFromFile(missing);
            QFAIL("a missing file was read");
        } catch (const IoError &error) {
            QVERIFY(error.message().contains(QDir::toNativeSeparators(missing)));
        }
        QCOMPARE(store.Count(), 0);
        QCOMPARE(store.FileName(), QString());
        QCOMPARE(store.EarliestDate(), 0.0);
        QVERIFY(store.RecentComments().isEmpty());
    }

    void saveIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no such folder/week.hf"));
        TTimeRecorder store;
        fillWorkedExample(store);
        QVERIFY_THROWS_EXCEPTION(IoError, store.SaveToFile(path));
        QVERIFY(store.Modified());
        QCOMPARE(store.FileName(), path);
        QVERIFY(!QFile::exists(path));
    }

    // A save that fails half way, here because the file size limit is hit,
    // must leave the previous file as it was.
    void failedSaveKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("week.hf"));
        QVERIFY(QFile::copy(dataPath("worked-example.hf"), path));
        const QByteArray old = readFile(path);

        TTimeRecorder store;
        store.LoadFromFile(path);
        for (int i = 0; i < 20000; ++i)
            store.SetArrive(day(1900, 1, 1) + i, 480 + i % 60);
        QVERIFY(store.Modified());

        bool failed = false;
        QString message;
        try {
            const TestSupport::FileSizeLimit limit(4096);
            store.SaveToFile();
        } catch (const IoError &error) {
            failed = true;
            message = error.message();
        }

        QVERIFY(failed);
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        // In the system's words, as a full disk would say "No space left on device".
        QVERIFY2(message.contains(QStringLiteral("File too large")), qPrintable(message));
        QCOMPARE(readFile(path), old);
        QVERIFY(store.Modified());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("week.hf") });
        store.SaveToFile();
        QVERIFY(!store.Modified());
        TTimeRecorder reread;
        reread.LoadFromFile(path);
        QCOMPARE(reread.Count(), 20004);
    }

    // The temporary file beside a file is named after it, seven bytes longer:
    // the longest names take a shorter temporary name. A name longer than
    // the file system takes is refused in its words.
    void longNamesAreSaved_data()
    {
        QTest::addColumn<int>("length"); // in bytes, ".hf" included
        QTest::newRow("248") << 248;
        QTest::newRow("249") << 249;
        QTest::newRow("255, the longest") << 255;
        QTest::newRow("256") << 256;
    }

    void longNamesAreSaved()
    {
        QFETCH(int, length);
        QTemporaryDir dir;
        const QString path = dir.filePath(QString(length - 3, u'a') + u".hf"_s);
        TTimeRecorder store;
        store.SetArrive(day(2026, 12, 7), 510);
        if (length > 255) {
            try {
                store.SaveToFile(path);
                QFAIL("a name too long was taken");
            } catch (const IoError &error) {
                QVERIFY2(error.message().contains(u"File name too long"_s), qPrintable(error.message()));
            }
            return;
        }
        // Saved again: the second replaces the first and keeps its permissions.
        store.SaveToFile(path);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        store.SetDepart(day(2026, 12, 7), 1020);
        store.SaveToFile();
        QCOMPARE(readFile(path), "7/12/2026,8:30,17:\r\n");
        QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void failingDevice()
    {
        TTimeRecorder store;
        for (int i = 0; i < 5000; ++i)
            store.SetArrive(day(2000, 1, 1) + i, 480);
        FailingDevice device(1000);
        QVERIFY(device.open(QIODevice::WriteOnly));
        try {
            store.SaveToDevice(device, QStringLiteral("week.hf"));
            QFAIL("a failed write went unnoticed");
        } catch (const IoError &error) {
            QVERIFY(error.message().contains(QStringLiteral("No space left on device")));
            QVERIFY(error.message().contains(QStringLiteral("week.hf")));
        }

        FailingDevice input(100);
        QVERIFY(input.open(QIODevice::ReadOnly));
        QVERIFY_THROWS_EXCEPTION(IoError, store.LoadFromDevice(input));
        QCOMPARE(store.Count(), 0);
    }

private:
    std::optional<Regional::Override> m_regional;
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_DataFile.moc"
