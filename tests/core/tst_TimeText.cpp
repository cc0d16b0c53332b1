#include "core/Errors.h"
#include "core/TimeText.h"

#include "support/TestSupport.h"

#include <QTest>

Q_DECLARE_METATYPE(TTimeEditKind)

class TestTimeText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clockText_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << QStringLiteral("00:00");
        QTest::newRow("five minutes") << 5 << QStringLiteral("00:05");
        QTest::newRow("one minute short of an hour") << 59 << QStringLiteral("00:59");
        QTest::newRow("one hour") << 60 << QStringLiteral("01:00");
        QTest::newRow("eight past five") << 485 << QStringLiteral("08:05");
        QTest::newRow("end of day") << 1439 << QStringLiteral("23:59");
        QTest::newRow("24 hours") << 1440 << QStringLiteral("24:00");
        QTest::newRow("three-digit hours") << 6000 << QStringLiteral("100:00");
        QTest::newRow("largest") << 2147483647 << QStringLiteral("35791394:07");
    }

    void clockText()
    {
        Regional::Override o(TestSupport::englishSettings());
        QFETCH(int, minutes);
        QFETCH(QString, text);
        QCOMPARE(ClockText(minutes), text);
    }

    void clockTextUsesRegionalSeparator()
    {
        Regional::Settings s = TestSupport::englishSettings();
        s.timeSeparator = u'.';
        Regional::Override o(s);
        QCOMPARE(ClockText(485), QStringLiteral("08.05"));
    }

    void clockTextOfNegativeIsRangeError()
    {
        Regional::Override o(TestSupport::englishSettings());
        QVERIFY_THROWS_EXCEPTION(RangeError, ClockText(-1));
    }

    void splitAtDelimiter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("rest");
        QTest::newRow("first delimiter")
            << QStringLiteral("8:30:15") << QStringLiteral("8") << QStringLiteral("30:15");
        QTest::newRow("any of the set")
            << QStringLiteral("6 Dec/2026") << QStringLiteral("6") << QStringLiteral("Dec/2026");
        QTest::newRow("none") << QStringLiteral("830") << QStringLiteral("830") << QString();
        QTest::newRow("leading delimiter") << QStringLiteral(":45") << QString() << QStringLiteral("45");
        QTest::newRow("two in a row") << QStringLiteral(", Dec") << QString() << QStringLiteral(" Dec");
        QTest::newRow("trailing delimiter") << QStringLiteral("8:") << QStringLiteral("8") << QString();
        QTest::newRow("no trimming") << QStringLiteral(" 8 :") << QString() << QStringLiteral("8 :");
        QTest::newRow("empty") << QString() << QString() << QString();
    }

    void splitAtDelimiter()
    {
        QFETCH(QString, text);
        QFETCH(QString, head);
        QFETCH(QString, rest);
        QString r = text;
        QCOMPARE(SplitAtDelimiter(r, u" :/,"), head);
        QCOMPARE(r, rest);
    }

    void parseTimeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TTimeEditKind>("kind");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        const auto day = tkTimeOfDay;
        const auto span = tkInterval;
        QTest::newRow("8:30") << QStringLiteral("8:30") << day << 510 << 8 << 30;
        QTest::newRow("8:") << QStringLiteral("8:") << day << 480 << 8 << 0;
        QTest::newRow(":45") << QStringLiteral(":45") << day << 45 << 0 << 45;
        QTest::newRow("830") << QStringLiteral("830") << day << 510 << 8 << 30;
        QTest::newRow("1745") << QStringLiteral("1745") << day << 1065 << 17 << 45;
        QTest::newRow("8 time of day") << QStringLiteral("8") << day << 480 << 8 << 0;
        QTest::newRow("8 interval") << QStringLiteral("8") << span << 8 << 0 << 8;
        QTest::newRow("45 interval") << QStringLiteral("45") << span << 45 << 0 << 45;
        QTest::newRow("5 time of day") << QStringLiteral("5") << day << 300 << 5 << 0;
        QTest::newRow("5 interval") << QStringLiteral("5") << span << 5 << 0 << 5;
        QTest::newRow("2530 reduced") << QStringLiteral("2530") << day << 90 << 1 << 30;
        QTest::newRow("2530 interval") << QStringLiteral("2530") << span << 1530 << 25 << 30;
        QTest::newRow("2400") << QStringLiteral("2400") << day << 0 << 0 << 0;
        QTest::newRow("4900 reduced twice") << QStringLiteral("4900") << day << 60 << 1 << 0;
        QTest::newRow("8:75 out of range") << QStringLiteral("8:75") << day << 555 << 8 << 75;
        QTest::newRow("12:60") << QStringLiteral("12:60") << day << 780 << 12 << 60;
        QTest::newRow("12:59") << QStringLiteral("12:59") << day << 779 << 12 << 59;
        QTest::newRow("-1:00") << QStringLiteral("-1:00") << day << -60 << -1 << 0;
        QTest::newRow("signed minutes") << QStringLiteral("+1:+05") << span << 65 << 1 << 5;
        QTest::newRow("rest ignored") << QStringLiteral("8:30:59") << day << 510 << 8 << 30;
        QTest::newRow("dot after separator") << QStringLiteral("8:30.7") << day << 510 << 8 << 30;
        QTest::newRow("space before separator") << QStringLiteral("8 :30") << day << 480 << 8 << 0;
        QTest::newRow("trailing blank, short") << QStringLiteral("8 ") << day << 480 << 8 << 0;
        QTest::newRow("long interval") << QStringLiteral("100:00") << span << 6000 << 100 << 0;
        QTest::newRow("huge hours of day reduced first")
            << QStringLiteral("99999999:00") << day << 900 << 15 << 0;
        QTest::newRow("largest interval")
            << QStringLiteral("0:2147483647") << span << 2147483647 << 0 << 2147483647;
        QTest::newRow("empty") << QString() << day << -1 << -1 << -1;
        QTest::newRow("blanks") << QStringLiteral("   ") << span << -1 << -1 << -1;
        QTest::newRow("control characters") << QStringLiteral(" \t\r\n") << day << -1 << -1 << -1;
    }

    void parseTimeText()
    {
        Regional::Override o(TestSupport::englishSettings());
        QFETCH(QString, text);
        QFETCH(TTimeEditKind, kind);
        QFETCH(int, value);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        const ParsedTime parsed = ParseTimeText(text, kind);
        QCOMPARE(parsed.value, value);
        QCOMPARE(parsed.hours, hours);
        QCOMPARE(parsed.minutes, minutes);
    }

    void parseTimeTextErrors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TTimeEditKind>("kind");
        QTest::newRow("8.30 has no separator") << QStringLiteral("8.30") << tkTimeOfDay;
        QTest::newRow("letters") << QStringLiteral("abc") << tkTimeOfDay;
        QTest::newRow("short letters") << QStringLiteral("x") << tkInterval;
        QTest::newRow("letters in minutes") << QStringLiteral("8:3x") << tkTimeOfDay;
        QTest::newRow("sign only") << QStringLiteral("-") << tkInterval;
        QTest::newRow("sign before minutes") << QStringLiteral("8-30") << tkTimeOfDay;
        QTest::newRow("leading blank, short") << QStringLiteral(" 8") << tkTimeOfDay;
        QTest::newRow("interval overflows 32 bits") << QStringLiteral("99999999:00") << tkInterval;
        QTest::newRow("negative overflow") << QStringLiteral("-99999999:00") << tkTimeOfDay;
        QTest::newRow("hours beyond 32 bits") << QStringLiteral("99999999999:00") << tkTimeOfDay;
        QTest::newRow("one past the largest") << QStringLiteral("1:2147483647") << tkInterval;
    }

    void parseTimeTextErrors()
    {
        Regional::Override o(TestSupport::englishSettings());
        QFETCH(QString, text);
        QFETCH(TTimeEditKind, kind);
        QVERIFY_THROWS_EXCEPTION(ConversionError, ParseTimeText(text, kind));
    }

    void parseTimeTextUsesRegionalSeparator()
    {
        Regional::Settings s = TestSupport::englishSettings();
        s.timeSeparator = u'.';
        Regional::Override o(s);
        QCOMPARE(ParseTimeText(QStringLiteral("8.30"), tkTimeOfDay).value, 510);
        // ":" still separates once the regional separator is present.
        QCOMPARE(ParseTimeText(QStringLiteral("8:30."), tkTimeOfDay).value, 510);
        QVERIFY_THROWS_EXCEPTION(ConversionError, ParseTimeText(QStringLiteral("8:30"), tkTimeOfDay));
    }

    void parseDecimalInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << QStringLiteral("42") << 42;
        QTest::newRow("leading zeros") << QStringLiteral("007") << 7;
        QTest::newRow("plus") << QStringLiteral("+5") << 5;
        QTest::newRow("minus") << QStringLiteral("-5") << -5;
        QTest::newRow("minus zero") << QStringLiteral("-0") << 0;
        QTest::newRow("largest") << QStringLiteral("2147483647") << 2147483647;
        QTest::newRow("smallest") << QStringLiteral("-2147483648") << int(-2147483647 - 1);
    }

    void parseDecimalInt()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(ParseDecimalInt(text), value);
    }

    void parseDecimalIntErrors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("sign only") << QStringLiteral("+");
        QTest::newRow("two signs") << QStringLiteral("--5");
        QTest::newRow("blank inside") << QStringLiteral("1 2");
        QTest::newRow("leading blank") << QStringLiteral(" 12");
        QTest::newRow("trailing blank") << QStringLiteral("12 ");
        QTest::newRow("hex") << QStringLiteral("0x10");
        QTest::newRow("fraction") << QStringLiteral("1.5");
        QTest::newRow("one past largest") << QStringLiteral("2147483648");
        QTest::newRow("one below smallest") << QStringLiteral("-2147483649");
        QTest::newRow("many digits") << QStringLiteral("123456789012345678901234567890");
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662");
    }

    void parseDecimalIntErrors()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(ConversionError, ParseDecimalInt(text));
    }

    void trimBlanks()
    {
        QCOMPARE(TrimBlanks(u" \t8:30\r\n "), QStringLiteral("8:30"));
        QCOMPARE(TrimBlanks(u"8 30"), QStringLiteral("8 30"));
        QCOMPARE(TrimBlanks(u" \x01 "), QString());
    }

    void signedHoursText_data()
    {
        QTest::addColumn<double>("minutes"); // the signed value as given to a label
        QTest::addColumn<bool>("blankIfZero");
        QTest::addColumn<bool>("blankIfSubZero");
        QTest::addColumn<QString>("text");
        QTest::newRow("7:30") << 450.0 << false << false << QStringLiteral(" 7:30");
        QTest::newRow("-0:45") << -45.0 << false << false << QStringLiteral("-0:45");
        QTest::newRow("40:00") << 2400.0 << false << false << QStringLiteral(" 40:00");
        QTest::newRow("zero shown") << 0.0 << false << false << QStringLiteral(" 0:00");
        QTest::newRow("zero blank") << 0.0 << true << false << QString();
        QTest::newRow("negative with BlankIfSubZero still shown") // the magnitude is not below zero
            << -30.0 << false << true << QStringLiteral("-0:30");
        QTest::newRow("half minute to even, down") << 0.5 << false << false << QStringLiteral(" 0:00");
        QTest::newRow("half minute to even, up") << 1.5 << false << false << QStringLiteral(" 0:02");
        QTest::newRow("hundreds of hours") << 60000.0 << false << false << QStringLiteral(" 1000:00");
    }

    void signedHoursText()
    {
        Regional::Override o(TestSupport::englishSettings());
        QFETCH(double, minutes);
        QFETCH(bool, blankIfZero);
        QFETCH(bool, blankIfSubZero);
        QFETCH(QString, text);
        QCOMPARE(SignedHoursText(std::abs(minutes) / 1440, minutes < 0, blankIfZero, blankIfSubZero), text);
    }

    void signedHoursTextOfNegativeTime()
    {
        Regional::Override o(TestSupport::englishSettings());
        // Only a direct write of the day fraction can make it negative.
        QCOMPARE(SignedHoursText(-30.0 / 1440, false, false, true), QString());
        QCOMPARE(SignedHoursText(-30.0 / 1440, false, false, false), QStringLiteral("-0:30"));
    }
};

QTEST_GUILESS_MAIN(TestTimeText)
#include "tst_TimeText.moc"
