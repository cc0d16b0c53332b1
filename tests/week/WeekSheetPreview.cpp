// Shows the week sheet with a sample week and saves a picture of it, so that
// its look can be checked by eye: weeksheet_preview OUTPUT.png
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "support/TestSupport.h"
#include "ui/TimeEdit.h"
#include "week/WeekSheet.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    TestSupport::TemporaryHome home;
    Regional::Override regional(TestSupport::englishSettings());
    Clock::Fixed clock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));

    TData data;
    data.SetShowDeviationFromDailyTarget(true);
    data.SetShowDeviationFromWeeklyTarget(true);
    data.SetShowComment(qEnvironmentVariableIsSet("PREVIEW_ALL_ROWS"));
    data.SetShowExtraHours(qEnvironmentVariableIsSet("PREVIEW_ALL_ROWS"));
    data.SetFirstDayOfWeek(DayNumber::Monday);
    TTimeRecorder recorder;
    const int monday = DayNumber::fromDate(QDate(2026, 12, 7));
    recorder.SetArrive(monday, 8 * 60 + 30);
    recorder.SetDepart(monday, 17 * 60);
    recorder.SetLunch(monday, 30);
    recorder.SetArrive(monday + 1, 22 * 60);
    recorder.SetDepart(monday + 1, 6 * 60);
    recorder.SetHoliday(monday + 2, 8 * 60);
    recorder.SetArrive(monday + 3, 9 * 60);
    recorder.SetDepart(monday + 3, 9 * 60 + 15);
    recorder.SetLunch(monday + 3, 30);
    recorder.SetComment(monday + 3, QStringLiteral("Dentist"));

    TWeekSheet sheet(recorder, data);
    sheet.InitWeek();
    sheet.ShowWeek();
    sheet.show();
    if (!QTest::qWaitForWindowExposed(&sheet))
        return 1;
    sheet.Field(DayNumber::Friday, TWeekSheet::rwArrive)->setFocus();
    QTest::keyClicks(sheet.Field(DayNumber::Friday, TWeekSheet::rwArrive), QStringLiteral("12:75"));
    QApplication::processEvents();
    return sheet.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
