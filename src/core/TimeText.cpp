#include "core/TimeText.h"

#include "core/Errors.h"
#include "core/Regional.h"
#include "core/Rounding.h"
#include "core/Utf8Text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= u' ';
}

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

int checkedMinutes(qint64 value, const QString &text)
{
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throw ConversionError(
            QCoreApplication::translate("TimeText", "%1 is not a valid time").arg(QuotedText(text)));
    return static_cast<int>(value);
}

} // namespace

QStringView TrimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString TrimBlanks(QStringView text)
{
    return TrimmedView(text).toString();
}

int ParseDecimalInt(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        throw ConversionError(
            QCoreApplication::translate("TimeText", "%1 is not a valid integer value").arg(QuotedText(text)));
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            throw ConversionError(QCoreApplication::translate("TimeText", "%1 is not a valid integer value")
                                      .arg(QuotedText(text)));
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            throw ConversionError(QCoreApplication::translate("TimeText", "%1 is not a valid integer value")
                                      .arg(QuotedText(text)));
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        throw ConversionError(
            QCoreApplication::translate("TimeText", "%1 is not a valid integer value").arg(QuotedText(text)));
    return static_cast<int>(value);
}

QString ClockText(int minutes)
{
    std::string text;
    AppendClockText(text, minutes, Utf8Of(Regional::timeSeparator()));
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void AppendClockText(std::string &out, qint64 minutes, const std::string &separator)
{
    if (minutes < 0)
        throw RangeError(QCoreApplication::translate("TimeText", "%1 minutes cannot be shown as a clock time")
                             .arg(QString::number(minutes)));
    const qint64 hours = minutes / 60;
    if (hours < 10)
        out += '0';
    AppendDecimal(out, hours);
    out += separator;
    const int rest = int(minutes % 60);
    out += char('0' + rest / 10);
    out += char('0' + rest % 10);
}

void AppendClockText(std::u16string &out, qint64 minutes, QChar separator)
{
    if (minutes < 0)
        throw RangeError(QCoreApplication::translate("TimeText", "%1 minutes cannot be shown as a clock time")
                             .arg(QString::number(minutes)));
    // Written from the end into a buffer of its own, then appended in one copy.
    char16_t text[24];
    qsizetype start = std::size(text);
    const int rest = int(minutes % 60);
    text[--start] = char16_t(u'0' + rest % 10);
    text[--start] = char16_t(u'0' + rest / 10);
    text[--start] = separator.unicode();
    qint64 hours = minutes / 60;
    do {
        text[--start] = char16_t(u'0' + hours % 10);
        hours /= 10;
    } while (hours > 0);
    if (minutes < 600)
        text[--start] = u'0';
    out.append(text + start, std::size(text) - static_cast<std::size_t>(start));
}

QString SplitAtDelimiter(QString &rest, QStringView delimiters)
{
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (delimiters.contains(rest[i])) {
            QString head = rest.left(i);
            rest.remove(0, i + 1);
            return head;
        }
    }
    QString head;
    head.swap(rest);
    return head;
}

namespace {

// The hours and minutes of a typed time as written, before a time of day's
// hours are reduced below 24; negative tells whether a part carried a minus
// sign, which "-0" keeps where its value cannot.
struct TypedParts {
    qint64 hours = 0;
    qint64 minutes = 0;
    bool negative = false;
};

int readTypedPart(QStringView text, TypedParts &parts)
{
    parts.negative = parts.negative || text.startsWith(u'-');
    return ParseDecimalInt(text);
}

TypedParts readTypedTime(const QString &text, TTimeEditKind kind)
{
    const QChar sep = Regional::timeSeparator();
    const QString delimiters = QStringLiteral(" :.") + sep;
    TypedParts parts;
    if (text.contains(sep)) {
        QString rest = text;
        const QString hoursText = SplitAtDelimiter(rest, delimiters);
        const QString minutesText = SplitAtDelimiter(rest, delimiters);
        parts.hours = hoursText.isEmpty() ? 0 : readTypedPart(hoursText, parts);
        parts.minutes = minutesText.isEmpty() ? 0 : readTypedPart(minutesText, parts);
    } else if (text.size() < 3) {
        QString rest = text;
        const int n = readTypedPart(SplitAtDelimiter(rest, delimiters), parts);
        (kind == tkInterval ? parts.minutes : parts.hours) = n;
    } else {
        parts.hours = readTypedPart(QStringView(text).first(text.size() - 2), parts);
        parts.minutes = readTypedPart(QStringView(text).last(2), parts);
    }
    return parts;
}

} // namespace

ParsedTime ParseTimeText(const QString &text, TTimeEditKind kind)
{
    if (TrimBlanks(text).isEmpty())
        return {};
    TypedParts parts = readTypedTime(text, kind);
    if (kind == tkTimeOfDay && parts.hours > 23)
        parts.hours %= 24;

    ParsedTime parsed;
    parsed.value = checkedMinutes(parts.hours * 60 + parts.minutes, text);
    parsed.hours = static_cast<int>(parts.hours);
    parsed.minutes = static_cast<int>(parts.minutes);
    parsed.negative = parts.negative;
    return parsed;
}

int ParseClockTime(const QString &text)
{
    const auto notATimeOfDay = [&] {
        return ConversionError(
            QCoreApplication::translate("TimeText", "%1 is not a valid time").arg(QuotedText(text)));
    };
    if (TrimBlanks(text).isEmpty())
        throw notATimeOfDay();
    TypedParts parts;
    try {
        parts = readTypedTime(text, tkTimeOfDay);
    } catch (const ConversionError &) {
        throw notATimeOfDay();
    }
    if (parts.negative || parts.hours < 0 || parts.hours > 23 || parts.minutes < 0 || parts.minutes > 59)
        throw notATimeOfDay();
    return static_cast<int>(parts.hours * 60 + parts.minutes);
}

int RoundedTimeOfDay(int minutes, int roundTo)
{
    constexpr qint64 lastMinute = 24 * 60 - 1;
    qint64 shown = std::clamp<qint64>(minutes, 0, lastMinute);
    if (roundTo > 0) {
        shown = static_cast<qint64>(roundHalfEven(double(shown) / roundTo)) * roundTo;
        if (shown > lastMinute)
            shown = lastMinute / roundTo * roundTo;
    }
    return static_cast<int>(shown);
}

QString SignedHoursText(double time, bool negative, bool blankIfZero, bool blankIfSubZero)
{
    if (blankIfSubZero && time < 0)
        return QString();
    if (blankIfZero && time == 0)
        return QString();
    // A negative day fraction (only a direct write of it gives one) is shown
    // with its minus sign rather than as a malformed text of negative parts.
    const double rounded = roundHalfEven(time * 1440);
    const bool minus = negative != (rounded < 0);
    const qint64 m = static_cast<qint64>(std::abs(rounded));
    return (minus ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(m / 60)
        + Regional::timeSeparator() + twoDigits(static_cast<int>(m % 60));
}
