#include "core/Errors.h"
#include "ui/TimeEdit.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(TTimeEditKind)

class TestTimeEdit : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Regional::Override> m_regional;

private Q_SLOTS:
    void init() { m_regional = std::make_unique<Regional::Override>(TestSupport::englishSettings()); }
    void cleanup() { m_regional.reset(); }

    void startsBlank()
    {
        TTimeEdit edit;
        QCOMPARE(edit.Value(), -1);
        QCOMPARE(edit.AsMinutes(), -1.0);
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.RoundTo(), 1u);
        QCOMPARE(edit.TimeKind(), tkTimeOfDay);
        QVERIFY(!edit.BlankIfZero());
        QVERIFY(!edit.BlankIfSubZero());
        QVERIFY(edit.IsBlank());
        QVERIFY(edit.IsValidTime());
    }

    void typingRereadsValueBeforeOnChange()
    {
        TTimeEdit edit;
        QList<int> seen;
        connect(&edit, &TTimeEdit::OnChange, &edit, [&] { seen << edit.Value(); });
        QTest::keyClicks(&edit, QStringLiteral("830"));
        // "83" is 83 hours, brought into the day as 11:00.
        QCOMPARE(seen, (QList<int> { 480, 660, 510 }));
        QCOMPARE(edit.text(), QStringLiteral("830"));
        QVERIFY(edit.IsValidTime());
    }

    void unreadableTextKeepsValueAndStillNotifies()
    {
        TTimeEdit edit;
        QSignalSpy changes(&edit, &TTimeEdit::OnChange);
        QTest::keyClicks(&edit, QStringLiteral("8:3"));
        QCOMPARE(edit.Value(), 483);
        QTest::keyClicks(&edit, QStringLiteral("x"));
        QCOMPARE(edit.Value(), 483);
        QCOMPARE(changes.count(), 4);
        QVERIFY(!edit.IsValidTime());
        QVERIFY(!edit.IsBlank());

        edit.setText(QStringLiteral("abc"));
        QCOMPARE(edit.Value(), 483);
        QCOMPARE(changes.count(), 5);

        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.Value(), -1);
        QVERIFY(edit.IsValidTime());
        QCOMPARE(changes.count(), 6);
    }

    void programmaticTextFollowsTheSameRule()
    {
        TTimeEdit edit;
        QSignalSpy changes(&edit, &TTimeEdit::OnChange);
        edit.setText(QStringLiteral("8:75"));
        QCOMPARE(edit.Value(), 555);
        QVERIFY(!edit.IsValidTime());
        QCOMPARE(changes.count(), 1);
        edit.setText(QStringLiteral("8:75")); // not a change of the text
        QCOMPARE(changes.count(), 1);
    }

    void validity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TTimeEditKind>("kind");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("12:60") << QStringLiteral("12:60") << tkTimeOfDay << 780 << false;
        QTest::newRow("12:59") << QStringLiteral("12:59") << tkTimeOfDay << 779 << true;
        QTest::newRow("-1:00 time of day") << QStringLiteral("-1:00") << tkTimeOfDay << -60 << false;
        QTest::newRow("-1:00 interval") << QStringLiteral("-1:00") << tkInterval << -60 << false;
        QTest::newRow("negative minutes") << QStringLiteral("1:-5") << tkInterval << 55 << false;
        QTest::newRow("negative zero hours") << QStringLiteral("-0:45") << tkTimeOfDay << 45 << false;
        QTest::newRow("2400") << QStringLiteral("2400") << tkTimeOfDay << 0 << true;
        QTest::newRow("23:59") << QStringLiteral("23:59") << tkTimeOfDay << 1439 << true;
        QTest::newRow("long interval") << QStringLiteral("100:59") << tkInterval << 6059 << true;
        QTest::newRow("interval minutes") << QStringLiteral("1:60") << tkInterval << 120 << false;
        QTest::newRow("blanks") << QStringLiteral("   ") << tkTimeOfDay << -1 << true;
    }

    void validity()
    {
        QFETCH(QString, text);
        QFETCH(TTimeEditKind, kind);
        QFETCH(int, value);
        QFETCH(bool, valid);
        TTimeEdit edit;
        edit.SetTimeKind(kind);
        edit.SetAsMinutes(1); // something else to come from
        edit.setText(text);
        QCOMPARE(edit.Value(), value);
        QCOMPARE(edit.IsValidTime(), valid);
    }

    void conversionErrorIsNotAnOverflow()
    {
        TTimeEdit edit;
        edit.SetTimeKind(tkInterval);
        edit.setText(QStringLiteral("1:00"));
        edit.setText(QStringLiteral("99999999:00"));
        QCOMPARE(edit.Value(), 60);
        QVERIFY(!edit.IsValidTime());
    }

    void redisplayRounds_data()
    {
        QTest::addColumn<quint32>("roundTo");
        QTest::addColumn<double>("minutes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // read back from the new text
        QTest::newRow("487 by 15") << 15u << 487.0 << QStringLiteral("08:00") << 480;
        QTest::newRow("488 by 15") << 15u << 488.0 << QStringLiteral("08:15") << 495;
        QTest::newRow("485 by 10, 48.5 to 48") << 10u << 485.0 << QStringLiteral("08:00") << 480;
        QTest::newRow("495 by 10, 49.5 to 50") << 10u << 495.0 << QStringLiteral("08:20") << 500;
        QTest::newRow("487 by 5") << 5u << 487.0 << QStringLiteral("08:05") << 485;
        QTest::newRow("no rounding") << 0u << 487.0 << QStringLiteral("08:07") << 487;
        QTest::newRow("by 1") << 1u << 487.0 << QStringLiteral("08:07") << 487;
        QTest::newRow("half minute to even, down") << 1u << 486.5 << QStringLiteral("08:06") << 486;
        QTest::newRow("half minute to even, up") << 1u << 487.5 << QStringLiteral("08:08") << 488;
        QTest::newRow("step beyond the range")
            << 3000000000u << double(std::numeric_limits<int>::max()) << QStringLiteral("00:00") << 0;
    }

    void redisplayRounds()
    {
        QFETCH(quint32, roundTo);
        QFETCH(double, minutes);
        QFETCH(QString, text);
        QFETCH(int, value);
        TTimeEdit edit;
        edit.SetTimeKind(tkInterval);
        edit.SetRoundTo(roundTo);
        edit.SetAsMinutes(minutes);
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.Value(), value);
    }

    void unchangedTextKeepsTheWrittenValue()
    {
        TTimeEdit edit;
        edit.SetRoundTo(5);
        edit.setText(QStringLiteral("08:05"));
        QSignalSpy changes(&edit, &TTimeEdit::OnChange);
        edit.SetAsMinutes(487);
        QCOMPARE(edit.text(), QStringLiteral("08:05"));
        QCOMPARE(edit.Value(), 487);
        QCOMPARE(changes.count(), 0);
    }

    void typingLimitNeverCutsAShownValue()
    {
        TTimeEdit edit;
        edit.SetTimeKind(tkInterval);
        edit.SetMaxTypedLength(5);
        QTest::keyClicks(&edit, QStringLiteral("12:345"));
        QCOMPARE(edit.text(), QStringLiteral("12:34"));

        edit.SetAsMinutes(6030);
        QCOMPARE(edit.text(), QStringLiteral("100:30"));
        QCOMPARE(edit.Value(), 6030);
        QCOMPARE(edit.toolTip(), QStringLiteral("100:30"));
        // Shortening is typing too: it may go down to the limit, never back up.
        edit.setCursorPosition(1);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("10:30"));
        QCOMPARE(edit.toolTip(), QString());
        QTest::keyClicks(&edit, QStringLiteral("0"));
        QCOMPARE(edit.text(), QStringLiteral("10:30"));
    }

    void midnightAfter2400()
    {
        TTimeEdit edit;
        QTest::keyClicks(&edit, QStringLiteral("2400"));
        QCOMPARE(edit.Value(), 0);
        edit.Redisplay();
        QCOMPARE(edit.text(), QStringLiteral("00:00"));
        QCOMPARE(edit.Value(), 0);
    }

    void shortInputByKind_data()
    {
        QTest::addColumn<TTimeEditKind>("kind");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("time of day") << tkTimeOfDay << 300 << QStringLiteral("05:00");
        QTest::newRow("interval") << tkInterval << 5 << QStringLiteral("00:05");
    }

    void shortInputByKind()
    {
        QFETCH(TTimeEditKind, kind);
        QFETCH(int, value);
        QFETCH(QString, shown);
        TTimeEdit edit;
        edit.SetTimeKind(kind);
        QTest::keyClicks(&edit, QStringLiteral("5"));
        QCOMPARE(edit.Value(), value);
        edit.Redisplay();
        QCOMPARE(edit.text(), shown);
    }

    void blankIfZero()
    {
        TTimeEdit edit;
        edit.SetTimeKind(tkInterval);
        edit.SetBlankIfZero(true);
        edit.SetAsMinutes(0);
        // The text did not change, so the written value stays.
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.Value(), 0);

        edit.SetAsMinutes(60);
        QCOMPARE(edit.text(), QStringLiteral("01:00"));
        edit.SetAsMinutes(0);
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.Value(), -1);

        edit.SetBlankIfZero(false);
        edit.SetAsMinutes(0);
        QCOMPARE(edit.text(), QStringLiteral("00:00"));
        QCOMPARE(edit.Value(), 0);
    }

    void blankIfSubZero()
    {
        TTimeEdit edit;
        edit.SetBlankIfSubZero(true);
        edit.SetAsMinutes(480);
        edit.SetAsMinutes(-1);
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.Value(), -1);
        QVERIFY(edit.IsValidTime());
    }

    void negativeWithoutBlankIfSubZeroShowsNothing()
    {
        TTimeEdit edit;
        edit.SetAsMinutes(-30);
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.Value(), -30);
        edit.SetAsMinutes(480);
        edit.SetAsMinutes(-30);
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.Value(), -1);
    }

    void settingAPropertyToItsValueDoesNothing()
    {
        TTimeEdit edit;
        edit.setText(QStringLiteral("8:7"));
        QSignalSpy changes(&edit, &TTimeEdit::OnChange);
        edit.SetRoundTo(1);
        edit.SetTimeKind(tkTimeOfDay);
        edit.SetBlankIfZero(false);
        edit.SetBlankIfSubZero(false);
        QCOMPARE(edit.text(), QStringLiteral("8:7"));
        QCOMPARE(changes.count(), 0);

        edit.SetRoundTo(15);
        QCOMPARE(edit.RoundTo(), 15u);
        QCOMPARE(edit.text(), QStringLiteral("08:00"));
        QCOMPARE(edit.Value(), 480);
        QCOMPARE(changes.count(), 1);
    }

    void newPropertyValueRedisplays()
    {
        TTimeEdit edit;
        edit.setText(QStringLiteral("8:7"));
        edit.SetTimeKind(tkInterval);
        QCOMPARE(edit.TimeKind(), tkInterval);
        QCOMPARE(edit.text(), QStringLiteral("08:07"));

        edit.setText(QStringLiteral("0:0"));
        edit.SetBlankIfZero(true);
        QVERIFY(edit.BlankIfZero());
        QCOMPARE(edit.text(), QString());

        edit.setText(QStringLiteral("1:0"));
        edit.SetBlankIfSubZero(true);
        QVERIFY(edit.BlankIfSubZero());
        QCOMPARE(edit.text(), QStringLiteral("01:00"));
    }

    void asMinutesOutOfRange()
    {
        TTimeEdit edit;
        edit.SetAsMinutes(60);
        QVERIFY_THROWS_EXCEPTION(RangeError, edit.SetAsMinutes(1e12));
        QVERIFY_THROWS_EXCEPTION(RangeError, edit.SetAsMinutes(std::numeric_limits<double>::quiet_NaN()));
        QCOMPARE(edit.Value(), 60);
    }

    void enterCurrentTime_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<quint32>("roundTo");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("half minute to even, up") << QTime(8, 7, 30) << 1u << QStringLiteral("08:08") << 488;
        QTest::newRow("half minute to even, down") << QTime(8, 8, 30) << 1u << QStringLiteral("08:08") << 488;
        // Never the 0:00 that starts the day that is ending.
        QTest::newRow("just before midnight") << QTime(23, 59, 45) << 1u << QStringLiteral("23:59") << 1439;
        QTest::newRow("rounded up to midnight") << QTime(23, 58) << 5u << QStringLiteral("23:55") << 1435;
    }

    void enterCurrentTime()
    {
        QFETCH(QTime, now);
        QFETCH(quint32, roundTo);
        QFETCH(QString, text);
        QFETCH(int, value);
        Clock::Fixed clock(QDateTime(QDate(2026, 12, 7), now));
        TTimeEdit edit;
        edit.SetBlankIfSubZero(true);
        edit.SetRoundTo(roundTo);
        QSignalSpy changes(&edit, &TTimeEdit::OnChange);
        edit.EnterCurrentTime();
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.Value(), value);
        QCOMPARE(changes.count(), 1);
    }

    // On X11 a key pressed with Alt or Super carries its letter as text; a
    // command that nothing took types nothing, over a selection neither.
    void commandKeysTypeNothing_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("Alt+E") << Qt::KeyboardModifiers(Qt::AltModifier) << QStringLiteral("17:00");
        QTest::newRow("Super+S") << Qt::KeyboardModifiers(Qt::MetaModifier) << QStringLiteral("17:00");
        QTest::newRow("Alt+Shift+E") << (Qt::AltModifier | Qt::ShiftModifier) << QStringLiteral("17:00");
        QTest::newRow("Shift+E still reaches the field")
            << Qt::KeyboardModifiers(Qt::ShiftModifier) << QStringLiteral("e");
    }

    void commandKeysTypeNothing()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        TTimeEdit edit;
        edit.setText(QStringLiteral("17:00"));
        edit.selectAll();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_E, modifiers, QStringLiteral("e"));
        QApplication::sendEvent(&edit, &press);
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.Value(), 1020);
    }

    void labelStartsAtZero()
    {
        TTimeLabel label;
        QCOMPARE(label.text(), QStringLiteral(" 0:00"));
        QCOMPARE(label.Time(), 0.0);
        QCOMPARE(label.AsMinutes(), 0.0);
        QVERIFY(!label.IsNegative());
        QVERIFY(!label.BlankIfZero());
        QVERIFY(!label.BlankIfSubZero());
    }

    void labelText_data()
    {
        QTest::addColumn<double>("minutes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("asMinutes");
        QTest::newRow("7:30") << 450.0 << QStringLiteral(" 7:30") << 450.0;
        QTest::newRow("-0:30") << -30.0 << QStringLiteral("-0:30") << 30.0;
        QTest::newRow("-0:45") << -45.0 << QStringLiteral("-0:45") << 45.0;
        QTest::newRow("40:00") << 2400.0 << QStringLiteral(" 40:00") << 2400.0;
        QTest::newRow("29.5 to even") << 29.5 << QStringLiteral(" 0:30") << 30.0;
        QTest::newRow("30.5 to even") << 30.5 << QStringLiteral(" 0:30") << 30.0;
    }

    void labelText()
    {
        QFETCH(double, minutes);
        QFETCH(QString, text);
        QFETCH(double, asMinutes);
        TTimeLabel label;
        label.SetAsMinutes(minutes);
        QCOMPARE(label.text(), text);
        QCOMPARE(label.AsMinutes(), asMinutes);
        QCOMPARE(label.IsNegative(), minutes < 0);
        QCOMPARE(label.Time(), std::abs(minutes) / 1440);
    }

    void labelTimeKeepsTheSign()
    {
        TTimeLabel label;
        label.SetAsMinutes(-30);
        label.SetTime(60.0 / 1440);
        QVERIFY(label.IsNegative());
        QCOMPARE(label.text(), QStringLiteral("-1:00"));
        QCOMPARE(label.AsMinutes(), 60.0);
        label.SetAsMinutes(15);
        QCOMPARE(label.text(), QStringLiteral(" 0:15"));
    }

    void labelBlankIfZero()
    {
        TTimeLabel label;
        label.SetBlankIfZero(true);
        QCOMPARE(label.text(), QString());
        label.SetAsMinutes(-480);
        QCOMPARE(label.text(), QStringLiteral("-8:00"));
        label.SetAsMinutes(0);
        QCOMPARE(label.text(), QString());
        label.SetBlankIfZero(false);
        QCOMPARE(label.text(), QStringLiteral(" 0:00"));
    }

    void labelBlankIfSubZero()
    {
        TTimeLabel label;
        label.SetTime(-30.0 / 1440);
        QCOMPARE(label.text(), QStringLiteral("-0:30"));
        label.SetBlankIfSubZero(true);
        QCOMPARE(label.text(), QString());
        // A negative value through AsMinutes keeps a positive Time, so it shows.
        label.SetAsMinutes(-30);
        QCOMPARE(label.text(), QStringLiteral("-0:30"));
    }
};

QTEST_MAIN(TestTimeEdit)
#include "tst_TimeEdit.moc"
