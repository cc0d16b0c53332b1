#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <optional>
#include <utility>

class TData;
class TTrayIcon;
class TWeekSheet;

// The times to leave outside the week sheet: in the tray icon's tip, and as
// a desktop notification when today's target is met (NotifyLeaveTime),
// while the window runs with a tray. While the sheet shows them or the tray
// does, they are worked out again every minute, as the clock moves on.
class TLeaveNotice : public QObject {
    Q_OBJECT

public:
    TLeaveNotice(TData &data, TWeekSheet &sheet, TTrayIcon &tray, QObject *parent = nullptr);

    // After the settings or the tray changed.
    void Update();

    // When the notification is to come; invalid when none is planned.
    QDateTime PlannedNotice() const { return m_planned; }
    // What the notification's timer runs: tells once it is time, or plans
    // again when the clock says it is not yet.
    void NoticeDue();

private:
    void TodayChanged();
    void Plan();

    TData &m_data;
    TWeekSheet &m_sheet;
    TTrayIcon &m_tray;
    QTimer m_minute;
    QTimer m_notice;
    QDateTime m_planned;
    // The day and time to leave already told, so that it is told once.
    std::optional<std::pair<int, int>> m_told;
};
