#pragma once

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The user's regional settings, read afresh at every conversion.
//
// By default everything comes from QLocale::system(). Tests install fixed
// settings with Regional::Override so that results do not depend on the
// machine's locale.
namespace Regional {

struct Settings {
    QChar timeSeparator;
    QChar dateSeparator;
    QString shortDateFormat; // a QDate pattern such as "dd/MM/yyyy"
    QStringList shortMonthNames; // twelve, January first
    QStringList longMonthNames; // twelve, January first
    QStringList shortDayNames; // seven, Sunday first
    QStringList longDayNames; // seven, Sunday first
    int twoDigitYearWindow = 50; // 0: a two-digit year is always in this century
    int firstDayOfWeek = 1; // 1 = Sunday to 7 = Saturday
    QString decimalPoint = QStringLiteral(".");
};

// The settings in force now: the installed override, else the system locale.
Settings current();

QChar timeSeparator();
QChar dateSeparator();
QString shortDateFormat();
// Between the whole and the decimal places of a number: "." or ",".
QString decimalPoint();
int twoDigitYearWindow();
// The first day of the week where the user lives, 1 = Sunday to 7 = Saturday:
// Monday in most of Europe, Sunday in the United States.
int firstDayOfWeek();

// Names by number: month 1 to 12, weekday 1 (Sunday) to 7 (Saturday).
QString shortMonthName(int month);
QString longMonthName(int month);
QString shortDayName(int weekday);
QString longDayName(int weekday);

// Settings derived from the system locale, whatever override is installed.
Settings fromSystemLocale();

// Installs fixed settings for as long as it lives; overrides nest.
class Override {
public:
    explicit Override(const Settings &settings);
    ~Override();
    Override(const Override &) = delete;
    Override &operator=(const Override &) = delete;

private:
    std::optional<Settings> m_previous;
};

} // namespace Regional

// "Now", injectable so that week boundaries and the current time are testable.
namespace Clock {

QDateTime now();
QDate today();

// Makes now() return the given local date and time for as long as it lives.
class Fixed {
public:
    explicit Fixed(const QDateTime &now);
    ~Fixed();
    Fixed(const Fixed &) = delete;
    Fixed &operator=(const Fixed &) = delete;

    void set(const QDateTime &now);

private:
    std::optional<QDateTime> m_previous;
};

} // namespace Clock
