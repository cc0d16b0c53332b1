#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Errors.h"

#include "support/TestSupport.h"

#include <QTest>

class TestDateText : public QObject {
    Q_OBJECT

private:
    static QDateTime in2026() { return QDateTime(QDate(2026, 3, 15), QTime(12, 0)); }

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        const QDate dec6(2026, 12, 6);
        const QString slash = QStringLiteral("/");
        const QString dmy = QStringLiteral("dd/MM/yyyy");
        QTest::newRow("d/M/y") << slash << dmy << QStringLiteral("6/12/2026") << dec6;
        QTest::newRow("zero-padded") << slash << dmy << QStringLiteral("06/12/2026") << dec6;
        QTest::newRow("dashes") << slash << dmy << QStringLiteral("6-12-2026") << dec6;
        QTest::newRow("dots") << slash << dmy << QStringLiteral("6.12.2026") << dec6;
        QTest::newRow("short month name") << slash << dmy << QStringLiteral("6 Dec 2026") << dec6;
        QTest::newRow("full month name, lower case")
            << slash << dmy << QStringLiteral("6 december 2026") << dec6;
        QTest::newRow("month name, upper case") << slash << dmy << QStringLiteral("6 DEC 2026") << dec6;
        QTest::newRow("mixed delimiters") << slash << dmy << QStringLiteral("6.Dec-2026") << dec6;
        QTest::newRow("two-digit year") << slash << dmy << QStringLiteral("6/12/26") << dec6;
        QTest::newRow("rest ignored") << slash << dmy << QStringLiteral("6/12/2026 whatever") << dec6;
        QTest::newRow("signed") << slash << dmy << QStringLiteral("+6/+12/2026") << dec6;
        QTest::newRow("window: 75") << slash << dmy << QStringLiteral("1/1/75") << QDate(2075, 1, 1);
        QTest::newRow("window: 76") << slash << dmy << QStringLiteral("1/1/76") << QDate(1976, 1, 1);
        QTest::newRow("window: 00") << slash << dmy << QStringLiteral("1/1/00") << QDate(2000, 1, 1);
        QTest::newRow("window: 99") << slash << dmy << QStringLiteral("1/1/99") << QDate(1999, 1, 1);
        QTest::newRow("year 100 is not completed")
            << slash << dmy << QStringLiteral("1/1/100") << QDate(100, 1, 1);
        QTest::newRow("leap day") << slash << dmy << QStringLiteral("29/2/2024") << QDate(2024, 2, 29);
        QTest::newRow("M/d/yyyy") << slash << QStringLiteral("M/d/yyyy") << QStringLiteral("12/6/2026")
                                  << dec6;
        QTest::newRow("M/d/yyyy with name")
            << slash << QStringLiteral("M/d/yyyy") << QStringLiteral("Dec 6 2026") << dec6;
        QTest::newRow("yyyy-MM-dd") << QStringLiteral("-") << QStringLiteral("yyyy-MM-dd")
                                    << QStringLiteral("2026-12-06") << dec6;
        QTest::newRow("yyyy-MM-dd with slashes")
            << QStringLiteral("-") << QStringLiteral("yyyy-MM-dd") << QStringLiteral("26/12/6") << dec6;
        QTest::newRow("dd.MM.yyyy") << QStringLiteral(".") << QStringLiteral("dd.MM.yyyy")
                                    << QStringLiteral("6.12.2026") << dec6;
        QTest::newRow("year, day, month")
            << slash << QStringLiteral("yyyy/dd/MM") << QStringLiteral("2026/6/12") << dec6;
        QTest::newRow("day, year, month")
            << slash << QStringLiteral("dd/yyyy/MM") << QStringLiteral("6/2026/12") << dec6;
        QTest::newRow("month, year, day")
            << slash << QStringLiteral("MM/yyyy/dd") << QStringLiteral("12/2026/6") << dec6;
        QTest::newRow("regional separator")
            << QStringLiteral("|") << QStringLiteral("dd|MM|yyyy") << QStringLiteral("6|12|2026") << dec6;
    }

    void parse()
    {
        QFETCH(QString, separator);
        QFETCH(QString, format);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        Regional::Override o(TestSupport::withDateFormat(separator.at(0), format));
        Clock::Fixed clock(in2026());
        QCOMPARE(DayNumber::toDate(ParseDateText(text)), date);
    }

    // Every failure names the text it could not read; a number outside 0 to
    // 65535 is a range error, anything else a conversion error.
    void errors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("outOfRange");
        QTest::newRow("comma and space leave the month empty") << QStringLiteral("6, Dec 2026") << false;
        QTest::newRow("no year") << QStringLiteral("6/12") << false;
        QTest::newRow("31 February") << QStringLiteral("31/2/2026") << false;
        QTest::newRow("29 February of a common year") << QStringLiteral("29/2/2026") << false;
        QTest::newRow("month 13") << QStringLiteral("6/13/2026") << false;
        QTest::newRow("day 0") << QStringLiteral("0/12/2026") << false;
        QTest::newRow("unknown month name") << QStringLiteral("6 Dez 2026") << false;
        QTest::newRow("letters in the day") << QStringLiteral("6th/12/2026") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks") << QStringLiteral("   ") << false;
        QTest::newRow("two delimiters") << QStringLiteral("6//12/2026") << false;
        // The calendar ends with the year 9999, as the data file's does.
        QTest::newRow("year 10000") << QStringLiteral("6/12/10000") << false;
        QTest::newRow("year 65535") << QStringLiteral("6/12/65535") << false;
        QTest::newRow("year above 65535") << QStringLiteral("6/12/65536") << true;
        QTest::newRow("day above 65535") << QStringLiteral("70000/12/2026") << true;
        QTest::newRow("month number above 65535") << QStringLiteral("6/70000/2026") << true;
        QTest::newRow("beyond any integer") << QStringLiteral("6/12/99999999999") << true;
    }

    void errors()
    {
        QFETCH(QString, text);
        QFETCH(bool, outOfRange);
        Regional::Override o(TestSupport::englishSettings());
        Clock::Fixed clock(in2026());
        try {
            ParseDateText(text);
            QFAIL("no error");
        } catch (const RangeError &e) {
            QVERIFY2(outOfRange, qPrintable(e.message()));
            QVERIFY2(e.message().contains(text), qPrintable(e.message()));
        } catch (const ConversionError &e) {
            QVERIFY2(!outOfRange, qPrintable(e.message()));
            QVERIFY2(e.message().contains(u'\'' + text + u'\''), qPrintable(e.message()));
        }
    }

    void twoDigitYearWindow_data()
    {
        QTest::addColumn<int>("thisYear");
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("completed");
        QTest::newRow("2026: 75") << 2026 << 50 << QStringLiteral("75") << 2075;
        QTest::newRow("2026: 76") << 2026 << 50 << QStringLiteral("76") << 1976;
        QTest::newRow("2026: 26") << 2026 << 50 << QStringLiteral("26") << 2026;
        QTest::newRow("window 0: 99") << 2026 << 0 << QStringLiteral("99") << 2099;
        QTest::newRow("window 0: 0") << 2026 << 0 << QStringLiteral("0") << 2000;
        QTest::newRow("window 20: 06") << 2026 << 20 << QStringLiteral("06") << 2006;
        QTest::newRow("window 20: 05") << 2026 << 20 << QStringLiteral("05") << 2105;
        // From the middle of a century on, the window reaches into the next one.
        QTest::newRow("2080: 80") << 2080 << 50 << QStringLiteral("80") << 2080;
        QTest::newRow("2080: 30") << 2080 << 50 << QStringLiteral("30") << 2030;
        QTest::newRow("2080: 29") << 2080 << 50 << QStringLiteral("29") << 2129;
        QTest::newRow("2050: 50") << 2050 << 50 << QStringLiteral("50") << 2050;
        QTest::newRow("2050: 00") << 2050 << 50 << QStringLiteral("00") << 2000;
        QTest::newRow("2050: 99") << 2050 << 50 << QStringLiteral("99") << 2099;
    }

    void twoDigitYearWindow()
    {
        QFETCH(int, thisYear);
        QFETCH(int, window);
        QFETCH(QString, year);
        QFETCH(int, completed);
        Regional::Settings s = TestSupport::englishSettings();
        s.twoDigitYearWindow = window;
        Regional::Override o(s);
        Clock::Fixed clock(QDateTime(QDate(thisYear, 6, 1), QTime(12, 0)));
        QCOMPARE(DayNumber::toDate(ParseDateText(QStringLiteral("1/1/") + year)).year(), completed);
    }

    void monthNamesIgnoreOnlyTheCaseOfAToZ()
    {
        Regional::Settings s = TestSupport::englishSettings();
        s.shortMonthNames[2] = QStringLiteral("Mär");
        s.longMonthNames[2] = QStringLiteral("März");
        Regional::Override o(s);
        Clock::Fixed clock(in2026());
        QCOMPARE(DayNumber::toDate(ParseDateText(QStringLiteral("1 mär 2026"))), QDate(2026, 3, 1));
        QCOMPARE(DayNumber::toDate(ParseDateText(QStringLiteral("1 MäRZ 2026"))), QDate(2026, 3, 1));
        QVERIFY_THROWS_EXCEPTION(ConversionError, ParseDateText(QStringLiteral("1 MÄR 2026")));
    }

    void format_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        const QDate dec6(2026, 12, 6);
        const QDate mar1(2026, 3, 1);
        QTest::newRow("dd/MM/yyyy") << QStringLiteral("dd/MM/yyyy") << dec6 << QStringLiteral("06/12/2026");
        QTest::newRow("d/M/yy") << QStringLiteral("d/M/yy") << mar1 << QStringLiteral("1/3/26");
        QTest::newRow("yyyy-MM-dd") << QStringLiteral("yyyy-MM-dd") << mar1 << QStringLiteral("2026-03-01");
        QTest::newRow("names") << QStringLiteral("ddd d MMM yyyy") << dec6
                               << QStringLiteral("Sun 6 Dec 2026");
        QTest::newRow("full names") << QStringLiteral("dddd, d MMMM") << mar1
                                    << QStringLiteral("Sunday, 1 March");
        QTest::newRow("MMMM yyyy") << QStringLiteral("MMMM yyyy") << dec6 << QStringLiteral("December 2026");
        QTest::newRow("dddd") << QStringLiteral("dddd") << QDate(2026, 12, 7) << QStringLiteral("Monday");
        QTest::newRow("quoted text") << QStringLiteral("d 'de' MMMM") << dec6
                                     << QStringLiteral("6 de December");
        QTest::newRow("quote inside quotes")
            << QStringLiteral("'It''s' d") << dec6 << QStringLiteral("It's 6");
        QTest::newRow("quote alone") << QStringLiteral("''d") << dec6 << QStringLiteral("'6");
        QTest::newRow("unclosed quote") << QStringLiteral("d 'dMy") << dec6 << QStringLiteral("6 dMy");
        QTest::newRow("lone y") << QStringLiteral("y") << dec6 << QStringLiteral("y");
        QTest::newRow("three y") << QStringLiteral("yyy") << dec6 << QStringLiteral("26y");
        QTest::newRow("five M") << QStringLiteral("MMMMM") << dec6 << QStringLiteral("December12");
        QTest::newRow("year below 1000")
            << QStringLiteral("yyyy") << QDate(987, 1, 1) << QStringLiteral("0987");
        QTest::newRow("other letters")
            << QStringLiteral("d.M.yyyy hh") << dec6 << QStringLiteral("6.12.2026 hh");
    }

    void format()
    {
        QFETCH(QString, pattern);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        Regional::Override o(TestSupport::englishSettings());
        QCOMPARE(FormatDayNumber(DayNumber::fromDate(date), pattern), text);
    }

    void shortDateTextUsesRegionalSettings()
    {
        Regional::Settings s = TestSupport::withDateFormat(u'.', QStringLiteral("dd.MMM.yyyy"));
        s.shortMonthNames[11] = QStringLiteral("Dez");
        Regional::Override o(s);
        QCOMPARE(ShortDateText(DayNumber::fromDate(QDate(2026, 12, 6))), QStringLiteral("06.Dez.2026"));
    }

    void shortDateTextReadsBack_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("dd/MM/yyyy") << QStringLiteral("dd/MM/yyyy");
        QTest::newRow("M/d/yy") << QStringLiteral("M/d/yy");
        QTest::newRow("yyyy-MM-dd") << QStringLiteral("yyyy-MM-dd");
        QTest::newRow("d MMM yyyy") << QStringLiteral("d MMM yyyy");
        QTest::newRow("d MMMM yyyy") << QStringLiteral("d MMMM yyyy");
    }

    void shortDateTextReadsBack()
    {
        QFETCH(QString, format);
        Regional::Override o(TestSupport::withDateFormat(u'/', format));
        Clock::Fixed clock(in2026());
        for (const QDate &date :
            { QDate(2026, 12, 6), QDate(2000, 2, 29), QDate(1999, 12, 31), QDate(2049, 1, 9) }) {
            const int day = DayNumber::fromDate(date);
            QCOMPARE(ParseDateText(ShortDateText(day)), day);
        }
    }

    void dayCaption_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("as is") << QStringLiteral("Mon") << QStringLiteral("Mon");
        QTest::newRow("upper case") << QStringLiteral("MON") << QStringLiteral("Mon");
        QTest::newRow("lower case with dot") << QStringLiteral("lun.") << QStringLiteral("Lun.");
        QTest::newRow("accented") << QStringLiteral("éTÉ") << QStringLiteral("Été");
        QTest::newRow("empty") << QString() << QString();
    }

    void dayCaption()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Regional::Settings s = TestSupport::englishSettings();
        s.shortDayNames[DayNumber::Monday - 1] = name;
        Regional::Override o(s);
        QCOMPARE(DayCaption(DayNumber::Monday), caption);
        QCOMPARE(DayCaption(DayNumber::Sunday), QStringLiteral("Sun"));
    }
};

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_DateText.moc"
