#include "shell/LeaveNotice.h"

#include "core/Balance.h"
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "settings/DataMod.h"
#include "shell/TrayIcon.h"
#include "week/WeekSheet.h"

#include <algorithm>

namespace {

constexpr int MinuteInterval = 60 * 1000;
constexpr int MinutesPerDay = 24 * 60;

// The moment the wall clock shows a time of a day: on the days the clocks
// change it is an hour more or less after midnight than on other days. A
// time the clocks skip comes when they have skipped it.
QDateTime WallClockTime(int day, int minutesAfterMidnight)
{
    const QDate date = DayNumber::toDate(day + minutesAfterMidnight / MinutesPerDay);
    const QTime time(minutesAfterMidnight % MinutesPerDay / 60, minutesAfterMidnight % 60);
    QDateTime moment(date, time);
    for (int later = 1; !moment.isValid() && later < MinutesPerDay; ++later)
        moment = QDateTime(date, time.addSecs(later * 60));
    return moment;
}

} // namespace

TLeaveNotice::TLeaveNotice(TData &data, TWeekSheet &sheet, TTrayIcon &tray, QObject *parent)
    : QObject(parent)
    , m_data(data)
    , m_sheet(sheet)
    , m_tray(tray)
{
    m_minute.setInterval(MinuteInterval);
    connect(&m_minute, &QTimer::timeout, &m_sheet, &TWeekSheet::RefreshToday);
    m_notice.setSingleShot(true);
    m_notice.setTimerType(Qt::PreciseTimer);
    connect(&m_notice, &QTimer::timeout, this, &TLeaveNotice::NoticeDue);
    connect(&m_sheet, &TWeekSheet::TodayChanged, this, &TLeaveNotice::TodayChanged);
    connect(&m_tray, &TTrayIcon::OnTrayChange, this, &TLeaveNotice::Plan);
}

void TLeaveNotice::Update()
{
    const bool tray = m_data.UseToolTray();
    if (tray || m_data.ShowBalance() || m_data.ShowLeaveAt())
        m_minute.start();
    else
        m_minute.stop();
    m_sheet.SetTodayWanted(tray);
    TodayChanged();
}

void TLeaveNotice::TodayChanged()
{
    const TToday &today = m_sheet.Today();
    QString tip = m_data.ApplicationTitle();
    if (m_data.UseToolTray() && today.InProgress && today.LeaveAt)
        tip += tr(": leave at %1").arg(LeaveAtText(today));
    m_tray.SetHint(tip);
    Plan();
}

void TLeaveNotice::Plan()
{
    const TToday &today = m_sheet.Today();
    m_planned = {};
    if (m_data.NotifyLeaveTime() && m_tray.Shown() && today.InProgress && today.LeaveAt
        && m_told != std::pair(today.Date, *today.LeaveAt)) {
        const QDateTime leave = WallClockTime(today.Date, *today.LeaveAt);
        const qint64 wait = Clock::now().msecsTo(leave);
        // A time passed already is not told late.
        if (wait > -MinuteInterval)
            m_planned = leave;
    }
    if (m_planned.isValid())
        m_notice.start(int(std::clamp<qint64>(Clock::now().msecsTo(m_planned), 0, 24 * 3600 * 1000)));
    else
        m_notice.stop();
}

void TLeaveNotice::NoticeDue()
{
    if (!m_planned.isValid())
        return;
    if (Clock::now() < m_planned) {
        Plan();
        return;
    }
    const TToday &today = m_sheet.Today();
    m_told = std::pair(today.Date, today.LeaveAt.value_or(0));
    m_planned = {};
    m_tray.ShowMessage(m_data.ApplicationTitle(),
        tr("Time to leave: today's target of %1 is met.").arg(HoursText(today.Target)));
}
