#include "ui/DateEdit.h"

#include "core/DataFile.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/Regional.h"
#include "core/TimeText.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TDateEdit::TDateEdit(QWidget *parent)
    : QWidget(parent)
    , m_text(new QLineEdit(this))
    , m_calendarButton(new QToolButton(this))
    , m_minimum(DayNumber::toDate(FirstFileDay()))
    , m_maximum(DayNumber::toDate(LastFileDay()))
{
    m_text->setObjectName(QStringLiteral("Text"));
    // Room for the widest date of the format, with a little to spare.
    const QString widest = FullYearDateText(DayNumber::fromDate(QDate(2000, 12, 28)));
    m_text->setMinimumWidth(m_text->fontMetrics().horizontalAdvance(widest + QStringLiteral("00")));
    m_calendarButton->setObjectName(QStringLiteral("CalendarButton"));
    m_calendarButton->setArrowType(Qt::DownArrow);
    m_calendarButton->setFocusPolicy(Qt::NoFocus);
    m_calendarButton->setToolTip(tr("Choose the date from a calendar (Alt+Down)"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_calendarButton);
    // Tab order places the field as a whole; the focus goes into its text.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_text);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_text->installEventFilter(this);

    connect(m_text, &QLineEdit::textChanged, this, &TDateEdit::TextChanged);
    connect(m_text, &QLineEdit::editingFinished, this, &TDateEdit::Tidy);
    connect(m_calendarButton, &QToolButton::clicked, this, &TDateEdit::ShowCalendar);
}

void TDateEdit::setDate(const QDate &date)
{
    const QString text = date.isValid() ? FullYearDateText(DayNumber::fromDate(date)) : QString();
    if (text == m_text->text())
        return;
    m_text->setText(text);
}

void TDateEdit::setDateRange(const QDate &minimum, const QDate &maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    TextChanged();
}

void TDateEdit::setFirstDayOfWeek(Qt::DayOfWeek day)
{
    m_firstDayOfWeek = day;
}

void TDateEdit::SetAccessibleName(const QString &name)
{
    setAccessibleName(name);
    m_text->setAccessibleName(name);
    m_calendarButton->setAccessibleName(
        tr("%1, calendar", "the button that shows a calendar for a date field").arg(name));
}

void TDateEdit::TextChanged()
{
    QDate date;
    QString problem;
    const QString text = m_text->text();
    if (!TrimBlanks(text).isEmpty()) {
        try {
            date = DayNumber::toDate(ParseDateText(text));
            if (date < m_minimum || date > m_maximum) {
                problem = tr("%1 is not between %2 and %3")
                              .arg(QuotedText(text), ShortDateText(DayNumber::fromDate(m_minimum)),
                                  ShortDateText(DayNumber::fromDate(m_maximum)));
                date = QDate();
            }
        } catch (const HourframeError &error) {
            problem = error.message();
        }
    }
    m_problem = problem;
    QPalette colours = m_text->palette();
    colours.setColor(QPalette::Text, problem.isEmpty() ? palette().color(QPalette::Text) : QColor(Qt::red));
    m_text->setPalette(colours);
    m_text->setToolTip(problem);
    if (date == m_date)
        return;
    m_date = date;
    Q_EMIT dateChanged(m_date);
}

void TDateEdit::Tidy()
{
    if (m_date.isValid())
        setDate(m_date);
}

bool TDateEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // As a drop-down list opens: Alt+Down or F4.
        if ((key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier)
            || (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier)) {
            ShowCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TDateEdit::ShowCalendar()
{
    auto *popup = new QFrame(this, Qt::Popup);
    popup->setObjectName(QStringLiteral("CalendarPopup"));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setFrameShape(QFrame::StyledPanel);
    auto *calendar = new QCalendarWidget(popup);
    calendar->setObjectName(QStringLiteral("Calendar"));
    calendar->setDateRange(m_minimum, m_maximum);
    calendar->setFirstDayOfWeek(m_firstDayOfWeek);
    calendar->setSelectedDate(m_date.isValid() ? m_date : std::clamp(Clock::today(), m_minimum, m_maximum));
    calendar->setAccessibleName(accessibleName());
    auto *layout = new QVBoxLayout(popup);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(calendar);
    // A click picks a day, as Enter does.
    const auto pick = [this, popup](QDate date) {
        setDate(date);
        popup->close();
        m_text->setFocus(Qt::PopupFocusReason);
    };
    connect(calendar, &QCalendarWidget::activated, popup, pick);
    connect(calendar, &QCalendarWidget::clicked, popup, pick);

    popup->adjustSize();
    // Below the field, or above it where the screen ends.
    const QRect area = screen()->availableGeometry();
    QPoint place = mapToGlobal(QPoint(0, height()));
    if (place.y() + popup->height() > area.bottom())
        place.setY(mapToGlobal(QPoint(0, 0)).y() - popup->height());
    place.setX(std::clamp(place.x(), area.left(), std::max(area.left(), area.right() - popup->width())));
    popup->move(place);
    popup->show();
    calendar->setFocus(Qt::PopupFocusReason);
}

void ShowWeekdayOf(const TDateEdit &field, QLabel *label)
{
    const bool problem = !field.Problem().isEmpty();
    label->setText(problem ? TDateEdit::tr("not a date")
            : field.date().isValid()
            ? FormatDayNumber(DayNumber::fromDate(field.date()), QStringLiteral("dddd"))
            : QString());
    QPalette colours = label->palette();
    colours.setColor(
        QPalette::WindowText, problem ? QColor(Qt::red) : field.palette().color(QPalette::WindowText));
    label->setPalette(colours);
}
