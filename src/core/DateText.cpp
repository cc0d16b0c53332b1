#include "core/DateText.h"

#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/Regional.h"
#include "core/TimeText.h"
#include "core/Utf8Text.h"

#include <QCoreApplication>
#include <QDate>

#include <iterator>
#include <utility>

namespace {

QChar asciiLower(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + (u'a' - u'A')) : c;
}

// Month names match whatever the case of the letters A-Z; other letters must
// match exactly.
bool sameName(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

bool looksLikeInteger(const QString &head)
{
    qsizetype i = (head.startsWith(u'+') || head.startsWith(u'-')) ? 1 : 0;
    if (i == head.size())
        return false;
    for (; i < head.size(); ++i) {
        if (head[i] < u'0' || head[i] > u'9')
            return false;
    }
    return true;
}

ConversionError notADate(const QString &text)
{
    return ConversionError(
        QCoreApplication::translate("DateText", "%1 is not a valid date").arg(QuotedText(text)));
}

RangeError outOfRange(const QString &head, const QString &text)
{
    return RangeError(QCoreApplication::translate("DateText", "%1 is not a valid date: %2 is out of range")
                          .arg(QuotedText(text), QuotedText(head)));
}

int readNumber(const QString &head, const QString &text)
{
    int n = 0;
    try {
        n = ParseDecimalInt(head);
    } catch (const ConversionError &) {
        // Too many digits for any integer is still a number, and far out of range.
        if (looksLikeInteger(head))
            throw outOfRange(head, text);
        throw notADate(text);
    }
    if (n < 0 || n > 65535)
        throw outOfRange(head, text);
    return n;
}

int readMonth(const QString &head, const QString &text)
{
    for (int month = 1; month <= 12; ++month) {
        if (sameName(head, Regional::shortMonthName(month)) || sameName(head, Regional::longMonthName(month)))
            return month;
    }
    return readNumber(head, text);
}

// A two-digit year falls in the hundred years that begin window years before
// the current year: in 2026 with a window of 50, from 1976 to 2075. With a
// window of 0 it is always in the current century.
int completeYear(int year)
{
    if (year >= 100)
        return year;
    const int thisYear = Clock::today().year();
    const int century = thisYear - thisYear % 100;
    const int window = Regional::twoDigitYearWindow();
    if (window == 0)
        return century + year;
    const int windowStart = thisYear - window;
    int completed = windowStart - windowStart % 100 + year;
    if (completed < windowStart)
        completed += 100;
    return completed;
}

// Position of the first occurrence counted from 1; 0 when there is none.
int firstPosition(const QString &format, QChar letter)
{
    return static_cast<int>(format.indexOf(letter)) + 1;
}

// n in decimal with at least width digits.
void appendPadded(std::u16string &out, int n, int width)
{
    char16_t text[16];
    std::size_t start = std::size(text);
    qint64 rest = n < 0 ? -qint64(n) : qint64(n);
    do {
        text[--start] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    while (std::size(text) - start < std::size_t(width))
        text[--start] = u'0';
    if (n < 0)
        text[--start] = u'-';
    out.append(text + start, std::size(text) - start);
}

qsizetype runLength(const QString &pattern, qsizetype from)
{
    qsizetype end = from;
    while (end < pattern.size() && pattern[end] == pattern[from])
        ++end;
    return end - from;
}

} // namespace

int ParseDateText(const QString &text)
{
    const QString delimiters = Regional::dateSeparator() + QStringLiteral("/-,. ");
    QString rest = text;
    const QString t1 = SplitAtDelimiter(rest, delimiters);
    const QString t2 = SplitAtDelimiter(rest, delimiters);
    const QString t3 = SplitAtDelimiter(rest, delimiters);

    const QString format = Regional::shortDateFormat().toLower();
    const int y = firstPosition(format, u'y');
    const int m = firstPosition(format, u'm');
    const int d = firstPosition(format, u'd');

    QString dayText;
    QString monthText;
    QString yearText;
    if (y < m && y < d) {
        yearText = t1;
        dayText = d < m ? t2 : t3;
        monthText = d < m ? t3 : t2;
    } else if (d < m && d < y) {
        dayText = t1;
        monthText = m < y ? t2 : t3;
        yearText = m < y ? t3 : t2;
    } else {
        monthText = t1;
        dayText = d < y ? t2 : t3;
        yearText = d < y ? t3 : t2;
    }

    const int month = readMonth(monthText, text);
    const int day = readNumber(dayText, text);
    const int year = completeYear(readNumber(yearText, text));
    // The calendar of the program, as of its data file, ends with the year 9999.
    if (year > 9999)
        throw notADate(text);

    const QDate date(year, month, day);
    if (!date.isValid())
        throw notADate(text);
    return DayNumber::fromDate(date);
}

DatePattern::DatePattern(const QString &pattern)
{
    // No pattern has more parts than characters.
    m_parts.reserve(static_cast<std::size_t>(pattern.size()));
    std::u16string literal;
    const auto add = [&](Field field) {
        if (!literal.empty())
            m_parts.push_back({ Field::Literal, std::exchange(literal, std::u16string()) });
        m_parts.push_back({ field, {} });
    };
    // A run of more letters than a field takes starts another field.
    static constexpr Field DayFields[] = { Field::Day, Field::Day2, Field::ShortDayName, Field::LongDayName };
    static constexpr Field MonthFields[]
        = { Field::Month, Field::Month2, Field::ShortMonthName, Field::LongMonthName };
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            ++i;
            if (i < pattern.size() && pattern[i] == u'\'') {
                literal += u'\'';
                ++i;
                continue;
            }
            while (i < pattern.size()) {
                if (pattern[i] == u'\'') {
                    if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                        literal += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += pattern[i++].unicode();
            }
            continue;
        }

        const qsizetype used = qMin<qsizetype>(runLength(pattern, i), 4);
        if (c == u'd') {
            add(DayFields[used - 1]);
            i += used;
        } else if (c == u'M') {
            add(MonthFields[used - 1]);
            i += used;
        } else if (c == u'y' && used == 4) {
            add(Field::Year4);
            i += 4;
        } else if (c == u'y' && used >= 2) {
            add(Field::Year2);
            i += 2;
        } else {
            literal += c.unicode();
            ++i;
        }
    }
    if (!literal.empty())
        m_parts.push_back({ Field::Literal, literal });
}

DatePattern::DatePattern(const QString &pattern, const Regional::Settings &names)
    : DatePattern(pattern)
{
    m_names = names;
}

QString DatePattern::name(Field field, int number) const
{
    if (m_names) {
        const QStringList &names = field == Field::ShortDayName ? m_names->shortDayNames
            : field == Field::LongDayName                       ? m_names->longDayNames
            : field == Field::ShortMonthName                    ? m_names->shortMonthNames
                                                                : m_names->longMonthNames;
        return names.value(number - 1);
    }
    if (field == Field::ShortDayName)
        return Regional::shortDayName(number);
    if (field == Field::LongDayName)
        return Regional::longDayName(number);
    if (field == Field::ShortMonthName)
        return Regional::shortMonthName(number);
    return Regional::longMonthName(number);
}

void DatePattern::AppendTo(std::u16string &out, int day) const
{
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    DayNumber::toDate(day).getDate(&year, &month, &dayOfMonth);
    for (const Part &part : m_parts) {
        switch (part.field) {
        case Field::Literal:
            out += part.literal;
            break;
        case Field::Day:
            appendPadded(out, dayOfMonth, 1);
            break;
        case Field::Day2:
            appendPadded(out, dayOfMonth, 2);
            break;
        case Field::ShortDayName:
        case Field::LongDayName:
            AppendText(out, name(part.field, DayNumber::dayOfWeek(day)));
            break;
        case Field::Month:
            appendPadded(out, month, 1);
            break;
        case Field::Month2:
            appendPadded(out, month, 2);
            break;
        case Field::ShortMonthName:
        case Field::LongMonthName:
            AppendText(out, name(part.field, month));
            break;
        case Field::Year2:
            appendPadded(out, year % 100, 2);
            break;
        case Field::Year4:
            appendPadded(out, year, 4);
            break;
        }
    }
}

QString DatePattern::Text(int day) const
{
    std::u16string out;
    AppendTo(out, day);
    return QString::fromStdU16String(out);
}

QString FormatDayNumber(int day, const QString &pattern)
{
    return DatePattern(pattern).Text(day);
}

QString ShortDateText(int day)
{
    return FormatDayNumber(day, Regional::shortDateFormat());
}

QString DateFieldFormat()
{
    QString format = Regional::shortDateFormat();
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QString FullYearDateText(int day)
{
    return FormatDayNumber(day, DateFieldFormat());
}

QString DayCaption(int weekday)
{
    const QString name = Regional::shortDayName(weekday);
    if (name.isEmpty())
        return name;
    return name.left(1).toUpper() + name.mid(1).toLower();
}
