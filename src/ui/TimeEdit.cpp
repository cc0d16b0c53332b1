#include "ui/TimeEdit.h"

#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/Rounding.h"

#include <QKeyEvent>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int MinutesPerDay = 24 * 60;

// Judges typed edits only: QLineEdit does not validate what setText writes.
class TypedLengthValidator : public QValidator {
public:
    TypedLengthValidator(const int &limit, const int &allowedLength, QObject *parent)
        : QValidator(parent)
        , m_limit(limit)
        , m_allowedLength(allowedLength)
    {
    }

    State validate(QString &input, int &) const override
    {
        return m_limit == 0 || input.size() <= m_allowedLength ? Acceptable : Invalid;
    }

private:
    const int &m_limit;
    const int &m_allowedLength;
};

} // namespace

TTimeEdit::TTimeEdit(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TTimeEdit::TextChanged);
    Redisplay();
}

void TTimeEdit::SetAsMinutes(double minutes)
{
    const double rounded = roundHalfEven(minutes);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw RangeError(tr("%1 cannot be held as a time in minutes").arg(minutes));
    m_value = static_cast<int>(rounded);
    Redisplay();
}

void TTimeEdit::SetRoundTo(quint32 roundTo)
{
    if (roundTo == m_roundTo)
        return;
    m_roundTo = roundTo;
    Redisplay();
}

void TTimeEdit::SetTimeKind(TTimeEditKind kind)
{
    if (kind == m_timeKind)
        return;
    m_timeKind = kind;
    Redisplay();
}

void TTimeEdit::SetBlankIfZero(bool blank)
{
    if (blank == m_blankIfZero)
        return;
    m_blankIfZero = blank;
    Redisplay();
}

void TTimeEdit::SetBlankIfSubZero(bool blank)
{
    if (blank == m_blankIfSubZero)
        return;
    m_blankIfSubZero = blank;
    Redisplay();
}

void TTimeEdit::SetMaxTypedLength(int length)
{
    m_maxTypedLength = std::max(length, 0);
    m_allowedLength = static_cast<int>(std::max<qsizetype>(m_maxTypedLength, text().size()));
    if (m_maxTypedLength > 0 && !validator())
        setValidator(new TypedLengthValidator(m_maxTypedLength, m_allowedLength, this));
}

bool TTimeEdit::IsValidTime() const
{
    if (IsBlank())
        return true;
    ParsedTime parsed;
    try {
        parsed = ParseTimeText(text(), m_timeKind);
    } catch (const ConversionError &) {
        return false;
    }
    // "-0:45" reads as 45 minutes; no time the program keeps has a sign.
    if (parsed.negative)
        return false;
    const bool minutesOk = parsed.minutes >= 0 && parsed.minutes <= 59;
    if (m_timeKind == tkTimeOfDay)
        return minutesOk && parsed.hours >= 0 && parsed.hours <= 23;
    return minutesOk && parsed.hours >= 0;
}

bool TTimeEdit::IsBlank() const
{
    return TrimBlanks(text()).isEmpty();
}

QString TTimeEdit::DisplayText() const
{
    if (m_blankIfSubZero && m_value < 0)
        return QString();
    if (m_blankIfZero && m_value == 0)
        return QString();
    // No clock text exists for a negative time; such a field shows nothing.
    if (m_value < 0)
        return QString();
    // A time of day is rounded within its day: 24:00 would read back as the
    // midnight that starts the day.
    if (m_timeKind == tkTimeOfDay && m_value < MinutesPerDay)
        return ClockText(RoundedTimeOfDay(
            m_value, static_cast<int>(std::min<quint32>(m_roundTo, quint32(MinutesPerDay)))));
    qint64 shown = m_value;
    if (m_roundTo != 0) {
        const qint64 step = m_roundTo;
        shown = static_cast<qint64>(roundHalfEven(double(m_value) / double(step))) * step;
        // A step larger than half the range can round past the largest time;
        // the step below still holds it.
        if (shown > std::numeric_limits<int>::max())
            shown -= step;
    }
    return ClockText(static_cast<int>(shown));
}

void TTimeEdit::Redisplay()
{
    const QString shown = DisplayText();
    if (shown == text())
        return;
    // The whole value is shown, however long its text.
    m_allowedLength = static_cast<int>(std::max<qsizetype>(m_maxTypedLength, shown.size()));
    setText(shown);
    // Where the field is too narrow for such a text, its hours are the part to see.
    if (m_maxTypedLength > 0 && shown.size() > m_maxTypedLength)
        setCursorPosition(0);
}

void TTimeEdit::EnterCurrentTime()
{
    SetAsMinutes(DayNumber::minutesNow());
}

void TTimeEdit::keyPressEvent(QKeyEvent *event)
{
    // A letter with Alt or Super held is a command that no accelerator took
    // (or the desktop's own); it types nothing. On X11 such a key carries its
    // letter as text, which the line edit would insert over the time.
    if ((event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) && !event->text().isEmpty()
        && event->text().front().isPrint()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TTimeEdit::TextChanged(const QString &text)
{
    m_allowedLength = static_cast<int>(std::max<qsizetype>(m_maxTypedLength, text.size()));
    // A text longer than the field is made for is readable whole in the tooltip.
    const bool longText = m_maxTypedLength > 0 && text.size() > m_maxTypedLength;
    if (longText || m_showsLongText) {
        setToolTip(longText ? text : QString());
        m_showsLongText = longText;
    }
    try {
        m_value = ParseTimeText(text, m_timeKind).value;
    } catch (const ConversionError &) {
        // Half-typed or mistyped: the last value that could be read stays.
    }
    Q_EMIT OnChange();
}

TTimeLabel::TTimeLabel(QWidget *parent)
    : QLabel(parent)
{
    Redisplay();
}

void TTimeLabel::SetTime(double time)
{
    m_time = time;
    Redisplay();
}

double TTimeLabel::AsMinutes() const
{
    return roundHalfEven(m_time * 1440);
}

void TTimeLabel::SetAsMinutes(double minutes)
{
    m_negative = minutes < 0;
    m_time = std::abs(minutes) / 1440;
    Redisplay();
}

void TTimeLabel::SetBlankIfZero(bool blank)
{
    if (blank == m_blankIfZero)
        return;
    m_blankIfZero = blank;
    Redisplay();
}

void TTimeLabel::SetBlankIfSubZero(bool blank)
{
    if (blank == m_blankIfSubZero)
        return;
    m_blankIfSubZero = blank;
    Redisplay();
}

void TTimeLabel::Redisplay()
{
    const QString shown = SignedHoursText(m_time, m_negative, m_blankIfZero, m_blankIfSubZero);
    if (shown == text())
        return;
    setText(shown);
    // The name says what the figure is; a screen reader finds its value here.
    setAccessibleDescription(shown.trimmed());
}
