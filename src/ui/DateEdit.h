#pragma once

#include <QDate>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

// A date field. A date is typed as in the week-beginning box, in the regional
// order of day, month and year, with any of its separators, a month name or
// number and a two-digit year if need be; or picked from the calendar that
// drops down from the field's button (or Alt+Down). What is typed is what
// date() gives: a text that names no date, or a date outside the range, gives
// a null date, turns red and tells why in its tooltip (Problem()).
class TDateEdit : public QWidget {
    Q_OBJECT

public:
    explicit TDateEdit(QWidget *parent = nullptr);

    // The date the text names, null when it names none within the range.
    QDate date() const { return m_date; }
    // Shows the date in the regional short date format with a four-digit
    // year; a null date empties the field.
    void setDate(const QDate &date);
    void setDateRange(const QDate &minimum, const QDate &maximum);
    // The calendar's first column; Qt counts Monday as 1.
    void setFirstDayOfWeek(Qt::DayOfWeek day);

    // Why the text names no date, empty when it names one or is empty.
    QString Problem() const { return m_problem; }
    // The name a screen reader gives the field and its calendar button.
    void SetAccessibleName(const QString &name);

    QLineEdit *LineEdit() const { return m_text; }
    QToolButton *CalendarButton() const { return m_calendarButton; }

Q_SIGNALS:
    // After every change of date(), typed, picked or set; null when the
    // text names no date.
    void dateChanged(const QDate &date);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TextChanged();
    void ShowCalendar();
    // The text in the field's form, once it is left naming a date.
    void Tidy();

    QLineEdit *m_text;
    QToolButton *m_calendarButton;
    QDate m_date;
    QDate m_minimum;
    QDate m_maximum;
    Qt::DayOfWeek m_firstDayOfWeek = Qt::Monday;
    QString m_problem;
};

// For the label beside a date field: the long weekday name of its day,
// nothing while the field is empty, and in red that its text is not a date.
void ShowWeekdayOf(const TDateEdit &field, QLabel *label);
