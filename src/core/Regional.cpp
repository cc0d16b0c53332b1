#include "core/Regional.h"

#include <QLocale>

namespace Regional {
namespace {

std::optional<Settings> &installed()
{
    static std::optional<Settings> settings;
    return settings;
}

// The first separator character of a QLocale time or date pattern: the first
// character that is neither a pattern letter nor inside quotes.
QChar separatorOf(const QString &pattern, QChar fallback)
{
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && !c.isLetter() && !c.isSpace())
            return c;
    }
    return fallback;
}

// Qt counts Monday as 1 and Sunday as 7; here Sunday is 1.
int fromQtDay(Qt::DayOfWeek day)
{
    return day == Qt::Sunday ? 1 : int(day) + 1;
}

} // namespace

Settings fromSystemLocale()
{
    const QLocale locale = QLocale::system();
    Settings s;
    s.timeSeparator = separatorOf(locale.timeFormat(QLocale::ShortFormat), u':');
    s.shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    s.dateSeparator = separatorOf(s.shortDateFormat, u'/');
    for (int month = 1; month <= 12; ++month) {
        s.shortMonthNames << locale.monthName(month, QLocale::ShortFormat);
        s.longMonthNames << locale.monthName(month, QLocale::LongFormat);
    }
    // QLocale counts Monday as 1 and Sunday as 7; here Sunday comes first.
    for (int weekday = 1; weekday <= 7; ++weekday) {
        const int qtDay = weekday == 1 ? 7 : weekday - 1;
        s.shortDayNames << locale.dayName(qtDay, QLocale::ShortFormat);
        s.longDayNames << locale.dayName(qtDay, QLocale::LongFormat);
    }
    s.twoDigitYearWindow = 50;
    s.firstDayOfWeek = fromQtDay(locale.firstDayOfWeek());
    s.decimalPoint = locale.decimalPoint();
    return s;
}

Settings current()
{
    if (installed())
        return *installed();
    return fromSystemLocale();
}

QChar timeSeparator()
{
    if (installed())
        return installed()->timeSeparator;
    return separatorOf(QLocale::system().timeFormat(QLocale::ShortFormat), u':');
}

QChar dateSeparator()
{
    if (installed())
        return installed()->dateSeparator;
    return separatorOf(QLocale::system().dateFormat(QLocale::ShortFormat), u'/');
}

QString shortDateFormat()
{
    if (installed())
        return installed()->shortDateFormat;
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

QString decimalPoint()
{
    if (installed())
        return installed()->decimalPoint;
    return QLocale::system().decimalPoint();
}

int twoDigitYearWindow()
{
    return installed() ? installed()->twoDigitYearWindow : 50;
}

int firstDayOfWeek()
{
    return installed() ? installed()->firstDayOfWeek : fromQtDay(QLocale::system().firstDayOfWeek());
}

QString shortMonthName(int month)
{
    if (installed())
        return installed()->shortMonthNames.value(month - 1);
    return QLocale::system().monthName(month, QLocale::ShortFormat);
}

QString longMonthName(int month)
{
    if (installed())
        return installed()->longMonthNames.value(month - 1);
    return QLocale::system().monthName(month, QLocale::LongFormat);
}

QString shortDayName(int weekday)
{
    if (installed())
        return installed()->shortDayNames.value(weekday - 1);
    return QLocale::system().dayName(weekday == 1 ? 7 : weekday - 1, QLocale::ShortFormat);
}

QString longDayName(int weekday)
{
    if (installed())
        return installed()->longDayNames.value(weekday - 1);
    return QLocale::system().dayName(weekday == 1 ? 7 : weekday - 1, QLocale::LongFormat);
}

Override::Override(const Settings &settings)
    : m_previous(installed())
{
    installed() = settings;
}

Override::~Override()
{
    installed() = m_previous;
}

} // namespace Regional

namespace Clock {
namespace {

std::optional<QDateTime> &fixedNow()
{
    static std::optional<QDateTime> now;
    return now;
}

} // namespace

QDateTime now()
{
    return fixedNow() ? *fixedNow() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

Fixed::Fixed(const QDateTime &now)
    : m_previous(fixedNow())
{
    fixedNow() = now;
}

Fixed::~Fixed()
{
    fixedNow() = m_previous;
}

void Fixed::set(const QDateTime &now)
{
    fixedNow() = now;
}

} // namespace Clock
