#include "week/WeekGrid.h"

#include "core/Regional.h"
#include "ui/TimeEdit.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

// What a screen reader says of each control: the day and the row, as the
// sheet shows them by place. A figure's value is its description.
void TWeekGrid::NameControls()
{
    const QString rowDescriptions[] = {
        tr("The time you arrived, such as 830 for 08:30"),
        tr("The time you left, such as 1715 for 17:15"),
        tr("The length of the lunch break, such as 30 for 00:30 or 1: for 01:00"),
        tr("Hours worked beyond arrival and departure"),
        tr("Holiday hours taken"),
    };
    for (int weekday = 1; weekday <= 7; ++weekday) {
        const Day &day = m_days[weekday];
        const auto name = [weekday](const QString &row) {
            return tr("%1, %2", "a weekday and a row of the sheet: Monday, Arrive")
                .arg(Regional::longDayName(weekday), row);
        };
        for (int row = rwArrive; row <= rwHols; ++row) {
            TTimeEdit *field = Field(weekday, row);
            field->setAccessibleName(name(m_rowLabels[row - 1]->text()));
            field->setAccessibleDescription(rowDescriptions[row - 1]);
        }
        day.comment->setAccessibleName(name(m_rowLabels[rwComment - 1]->text()));
        day.hours->setAccessibleName(name(tr("Hours")));
        day.deviation->setAccessibleName(name(tr("Deviation")));
    }
    // The edit inside the box is what has the focus, and a screen reader
    // names it before it reads the date.
    const QString weekBoxName = QString(m_weekBoxLabel->text()).remove(u'&');
    m_weekBox->setAccessibleName(weekBoxName);
    m_weekBox->lineEdit()->setAccessibleName(weekBoxName);
    m_btPreviousWeek->setAccessibleName(m_acPreviousWeek->toolTip());
    m_btNextWeek->setAccessibleName(m_acNextWeek->toolTip());
    m_weeklyHours->setAccessibleName(tr("Weekly hours"));
    m_shortfall->setAccessibleName(m_laWeeklyShortfall->text());
    m_balance->setAccessibleName(tr("Balance"));
}
