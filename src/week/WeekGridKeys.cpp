#include "week/WeekGrid.h"

#include "core/DayNumber.h"
#include "ui/TimeEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolButton>

// The grid's keyboard: arrows and Enter between the fields, Enter on the
// comment buttons and in the week box, and where the focus goes at start-up.

void TWeekGrid::FocusToday()
{
    const Day &day = m_days[DayNumber::dayOfWeek(DayNumber::today())];
    const auto shown = [this](const QWidget *field) { return field->isVisibleTo(this); };
    TTimeEdit *target = nullptr;
    if (day.arrive->AsMinutes() < 0 && shown(day.arrive))
        target = day.arrive;
    else if (day.depart->AsMinutes() < 0 && shown(day.depart))
        target = day.depart;
    else if (day.lunch->AsMinutes() == 0 && shown(day.lunch))
        target = day.lunch;
    else if (shown(day.depart))
        target = day.depart;
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

void TWeekGrid::EnterCurrentTime()
{
    QWidget *focused = window()->focusWidget();
    if (IsTimeField(focused))
        static_cast<TTimeEdit *>(focused)->EnterCurrentTime();
}

bool TWeekGrid::HandleArrowKey(TTimeEdit *field, int key)
{
    int weekday = 0;
    int row = 0;
    if (!FindField(field, weekday, row))
        return false;
    const int caret = field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
    int dayStep = 0;
    int rowStep = 0;
    switch (key) {
    case Qt::Key_Left:
        if (caret != 0)
            return false;
        dayStep = -1;
        break;
    case Qt::Key_Right:
        if (caret != field->text().length())
            return false;
        dayStep = 1;
        break;
    case Qt::Key_Up:
        rowStep = -1;
        break;
    case Qt::Key_Down:
        rowStep = 1;
        break;
    default:
        return false;
    }

    // Steps over hidden rows; the field itself is visible, so the walk ends at the latest there.
    TTimeEdit *target = field;
    for (int step = 0; step < 7 * 5; ++step) {
        weekday += dayStep;
        if (weekday < 1)
            weekday = 7;
        else if (weekday > 7)
            weekday = 1;
        row += rowStep;
        if (row < rwArrive)
            row = rwHols;
        else if (row > rwHols)
            row = rwArrive;
        target = Field(weekday, row);
        if (target->isVisibleTo(this))
            break;
    }

    // The field entered is selected, as Tab selects it, so that typing replaces
    // its five characters instead of doing nothing. The caret stands at the end,
    // where Right collapses the selection before a second Right moves on.
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
    return true;
}

void TWeekGrid::FocusNextInTabOrder(QWidget *from)
{
    const auto count = m_tabOrder.size();
    std::size_t index = 0;
    while (index < count && m_tabOrder[index] != from)
        ++index;
    if (index == count)
        return;
    for (std::size_t step = 1; step < count; ++step) {
        QWidget *candidate = m_tabOrder[(index + step) % count];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            // As Tab: a field entered selects its text, and buttons show the focus mark.
            window()->setAttribute(Qt::WA_KeyboardFocusChange);
            candidate->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

namespace {

bool isEnterKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Opening a list or switching to another window does not leave a control.
bool leavesForAnotherControl(const QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace

bool TWeekGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_weekBox)
        return FilterWeekBoxEvent(event) || QWidget::eventFilter(watched, event);

    // The only buttons watched are the comment buttons.
    if (auto *button = qobject_cast<QToolButton *>(watched)) {
        if (isEnterKey(event)) {
            button->click();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }

    int weekday = 0;
    int row = 0;
    if (FindField(watched, weekday, row)
        && FilterFieldEvent(static_cast<TTimeEdit *>(watched), weekday, row, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool TWeekGrid::FilterWeekBoxEvent(QEvent *event)
{
    if (isEnterKey(event)) {
        WeekBoxCommitted();
        return true;
    }
    if (leavesForAnotherControl(event))
        WeekBoxCommitted();
    return false;
}

bool TWeekGrid::FilterFieldEvent(TTimeEdit *field, int weekday, int row, QEvent *event)
{
    if (isEnterKey(event)) {
        FocusNextInTabOrder(field);
        return true;
    }
    if (event->type() == QEvent::KeyPress)
        return HandleArrowKey(field, static_cast<QKeyEvent *>(event)->key());
    if (leavesForAnotherControl(event))
        FieldLeft(weekday, row);
    if (event->type() == QEvent::MouseButtonDblClick && row == rwLunch) {
        LunchDoubleClicked(weekday);
        // The line edit would select the word clicked; the caret goes to the
        // end instead, as after typing the value.
        field->end(false);
        return true;
    }
    return false;
}
