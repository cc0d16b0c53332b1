#include "core/HolidayCalendar.h"

#include "core/DayNumber.h"
#include "core/Errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <libical/ical.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <strings.h>

namespace {

// Regional calendars are a few hundred kilobytes at most.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
// An event longer than this is a mistyped year rather than a holiday.
constexpr int MaxEventDays = 366;
// A daily rule over more than a century of balance; a longer run of days
// is no calendar of holidays, and stops here instead of taking seconds.
constexpr int MaxOccurrencesPerRule = 50000;
constexpr int EarliestYear = 1;
constexpr int LatestYear = 9999;

struct FreeComponent {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, FreeComponent>;

struct FreeParser {
    void operator()(icalparser *parser) const { icalparser_free(parser); }
};

struct FreeIterator {
    void operator()(icalrecur_iterator *iterator) const { icalrecur_iterator_free(iterator); }
};
using Iterator = std::unique_ptr<icalrecur_iterator, FreeIterator>;

std::optional<int> DayOf(const icaltimetype &time)
{
    const QDate date(time.year, time.month, time.day);
    return date.isValid() ? std::optional<int>(DayNumber::fromDate(date)) : std::nullopt;
}

// The time as the region's calendar means it: a time of a TZID or a floating
// time as written, a UTC time in the local zone. Without a zone, the
// recurrences are then counted in that same wall time.
icaltimetype WallTime(icaltimetype time)
{
    if (!time.is_date && icaltime_is_utc(time)) {
        const QDateTime local = QDateTime(
            QDate(time.year, time.month, time.day), QTime(time.hour, time.minute, time.second), Qt::UTC)
                                    .toLocalTime();
        time.year = local.date().year();
        time.month = local.date().month();
        time.day = local.date().day();
        time.hour = local.time().hour();
        time.minute = local.time().minute();
        time.second = local.time().second();
    }
    time.zone = nullptr;
    return time;
}

bool StartsWith(const std::string &line, const char *word)
{
    return strncasecmp(line.c_str(), word, std::strlen(word)) == 0;
}

// Properties that say nothing about which days are holidays. libical is not
// handed them: reading their values (a DTSTAMP, a long DESCRIPTION) would
// take half the time of a calendar, and a problem in one is none of ours.
// UID only matters to an occurrence moved by RECURRENCE-ID.
bool IsOfNoUse(const std::string &line, bool uidOfUse)
{
    if (!uidOfUse && strncasecmp(line.c_str(), "UID", 3) == 0 && line.size() > 3
        && (line[3] == ':' || line[3] == ';'))
        return true;
    static constexpr const char *names[] = { "DTSTAMP", "TRANSP", "CLASS", "CATEGORIES", "DESCRIPTION",
        "LOCATION", "URL", "CREATED", "LAST-MODIFIED", "SEQUENCE", "PRIORITY", "COMMENT", "CONTACT",
        "ORGANIZER", "ATTENDEE", "GEO", "X-" };
    const std::size_t end = std::min(line.find_first_of(";:"), line.size());
    for (const char *name : names) {
        const std::size_t size = std::strlen(name);
        if ((size == end || name[size - 1] == '-') && end >= size
            && strncasecmp(line.c_str(), name, size) == 0)
            return true;
    }
    return false;
}

// What libical makes of the file, and the lines it stumbled on. Lines are fed
// to the parser one unfolded content line at a time so that each problem
// has the number of the line it starts on.
struct TParsed {
    std::vector<Component> roots;
    bool complete = true; // every calendar ends with END:VCALENDAR
    int firstLine = 1;
    int lastLine = 1;
    std::vector<int> errorLines;
    std::vector<int> eventLines; // where each VEVENT of a calendar begins
};

TParsed Parse(const QByteArray &bytes)
{
    // A calendar that libical cannot read is the user's problem to be told
    // of, never a reason to end the program.
    static const bool notFatal = [] {
        icalerror_set_errors_are_fatal(0);
        return true;
    }();
    Q_UNUSED(notFatal);
    TParsed parsed;
    std::unique_ptr<icalparser, FreeParser> parser(icalparser_new());
    std::string logical;
    int logicalLine = 0;
    int depth = 0;
    const bool uidOfUse = bytes.contains("RECURRENCE-ID") || bytes.contains("recurrence-id");
    const auto feed = [&] {
        if (logical.empty() || IsOfNoUse(logical, uidOfUse)) {
            logical.clear();
            return;
        }
        if (StartsWith(logical, "BEGIN:")) {
            if (depth == 0 && parsed.roots.empty() && parsed.eventLines.empty())
                parsed.firstLine = logicalLine;
            if (depth == 1 && StartsWith(logical, "BEGIN:VEVENT"))
                parsed.eventLines.push_back(logicalLine);
            ++depth;
        } else if (StartsWith(logical, "END:")) {
            --depth;
        }
        if (icalcomponent *root = icalparser_add_line(parser.get(), logical.data()))
            parsed.roots.emplace_back(root);
        if (icalparser_get_state(parser.get()) == ICALPARSER_ERROR)
            parsed.errorLines.push_back(logicalLine);
        logical.clear();
    };
    qsizetype begin = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (int number = 1; begin < bytes.size(); ++number) {
        qsizetype end = bytes.indexOf('\n', begin);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line(bytes.constData() + begin, end - begin);
        if (line.endsWith('\r'))
            line.chop(1);
        // A line that begins with a blank or a tab continues the one before.
        if (!line.isEmpty() && (line[0] == ' ' || line[0] == '\t') && !logical.empty()) {
            logical.append(line.constData() + 1, std::size_t(line.size() - 1));
        } else {
            feed();
            logical.assign(line.constData(), std::size_t(line.size()));
            logicalLine = number;
        }
        parsed.lastLine = number;
        begin = end + 1;
    }
    feed();
    // The parser keeps what it hands out here, and frees it with itself.
    if (icalcomponent *rest = icalparser_clean(parser.get())) {
        parsed.roots.emplace_back(icalcomponent_new_clone(rest));
        parsed.complete = false;
    }
    return parsed;
}

void CollectErrors(icalcomponent *component, QStringList &errors)
{
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY))
        errors.append(QString::fromUtf8(icalproperty_get_xlicerror(p)).simplified());
    for (icalcomponent *c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT))
        CollectErrors(c, errors);
}

class TCalendarError {
public:
    TCalendarError(int line, QString problem)
        : m_line(line)
        , m_problem(std::move(problem))
    {
    }
    ConversionError For(const QString &sourceName) const
    {
        return ConversionError(QCoreApplication::translate("HolidayCalendar", "%1, line %2: %3")
                                   .arg(sourceName)
                                   .arg(m_line)
                                   .arg(m_problem));
    }

private:
    int m_line;
    QString m_problem;
};

// The first problem libical found, at the first line it stumbled on.
void CheckParsed(const TParsed &parsed)
{
    QStringList errors;
    for (const Component &root : parsed.roots)
        CollectErrors(root.get(), errors);
    if (!parsed.errorLines.empty())
        throw TCalendarError(parsed.errorLines.front(),
            errors.isEmpty()
                ? QCoreApplication::translate("HolidayCalendar", "this line is not part of a calendar")
                : errors.front());
    if (parsed.roots.empty()
        || std::any_of(parsed.roots.cbegin(), parsed.roots.cend(),
            [](const Component &root) { return icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT; }))
        throw TCalendarError(parsed.firstLine,
            QCoreApplication::translate(
                "HolidayCalendar", "this is no iCalendar file: it does not begin with BEGIN:VCALENDAR"));
    if (!parsed.complete)
        throw TCalendarError(parsed.lastLine,
            QCoreApplication::translate("HolidayCalendar", "the calendar ends without END:VCALENDAR"));
    if (!errors.isEmpty())
        throw TCalendarError(parsed.firstLine, errors.front());
}

} // namespace

struct THolidayCalendar::Event {
    icaltimetype start {}; // wall time
    int days = 1;
    QString name;
    std::vector<std::string> rules;
    std::vector<icaltimetype> extraStarts; // RDATE, wall time
    std::vector<int> excluded; // EXDATE and moved occurrences, days of their start
    std::string uid;
    std::optional<int> replaces; // RECURRENCE-ID: the day of the occurrence moved here
};

namespace {

// The number of days an event covers, from its DTEND or DURATION.
int DaysOf(icalcomponent *event, const icaltimetype &start, int line)
{
    const icaltimetype end = icalcomponent_get_dtend(event);
    if (icaltime_is_null_time(end))
        return 1;
    const std::optional<int> first = DayOf(start);
    std::optional<int> last = DayOf(WallTime(end));
    if (!first || !last)
        throw TCalendarError(
            line, QCoreApplication::translate("HolidayCalendar", "the event's DTEND is no date"));
    // An end is exclusive; a timed event ending at midnight ends the day before.
    const icaltimetype wallEnd = WallTime(end);
    if (start.is_date || (wallEnd.hour == 0 && wallEnd.minute == 0 && wallEnd.second == 0))
        *last -= 1;
    if (*last < *first - 1)
        throw TCalendarError(
            line, QCoreApplication::translate("HolidayCalendar", "the event ends before it begins"));
    if (*last - *first >= MaxEventDays)
        throw TCalendarError(
            line, QCoreApplication::translate("HolidayCalendar", "the event lasts longer than a year"));
    return std::max(1, *last - *first + 1);
}

template<typename Get> void ForEachProperty(icalcomponent *event, icalproperty_kind kind, Get get)
{
    for (icalproperty *p = icalcomponent_get_first_property(event, kind); p;
         p = icalcomponent_get_next_property(event, kind))
        get(p);
}

std::optional<THolidayCalendar::Event> ReadEvent(icalcomponent *event, int line)
{
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
        return std::nullopt;
    THolidayCalendar::Event e;
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start) || !DayOf(WallTime(start)))
        throw TCalendarError(
            line, QCoreApplication::translate("HolidayCalendar", "the event has no DTSTART date"));
    e.start = WallTime(start);
    e.days = DaysOf(event, e.start, line);
    const char *summary = icalcomponent_get_summary(event);
    e.name = summary ? QString::fromUtf8(summary).simplified() : QString();
    if (e.name.isEmpty())
        e.name = QCoreApplication::translate("HolidayCalendar", "Public holiday");
    ForEachProperty(event, ICAL_RRULE_PROPERTY, [&](icalproperty *p) {
        const char *text = icalproperty_get_value_as_string(p);
        const icalrecurrencetype_frequency frequency
            = text ? icalrecurrencetype_from_string(text).freq : ICAL_NO_RECURRENCE;
        if (frequency == ICAL_NO_RECURRENCE)
            throw TCalendarError(
                line, QCoreApplication::translate("HolidayCalendar", "the event's RRULE cannot be read"));
        // Holidays are days; a rule by the hour or finer would only repeat each day many times over.
        if (frequency < ICAL_DAILY_RECURRENCE)
            throw TCalendarError(line,
                QCoreApplication::translate("HolidayCalendar", "the event repeats more often than daily"));
        e.rules.emplace_back(text);
    });
    ForEachProperty(event, ICAL_RDATE_PROPERTY, [&](icalproperty *p) {
        const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
        const icaltimetype time = icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time;
        if (DayOf(WallTime(time)))
            e.extraStarts.push_back(WallTime(time));
    });
    ForEachProperty(event, ICAL_EXDATE_PROPERTY, [&](icalproperty *p) {
        if (const std::optional<int> day = DayOf(WallTime(icalproperty_get_exdate(p))))
            e.excluded.push_back(*day);
    });
    if (const char *uid = icalcomponent_get_uid(event))
        e.uid = uid;
    const icaltimetype moved = icalcomponent_get_recurrenceid(event);
    if (!icaltime_is_null_time(moved))
        e.replaces = DayOf(WallTime(moved));
    return e;
}

} // namespace

THolidayCalendar::THolidayCalendar() = default;
THolidayCalendar::~THolidayCalendar() = default;

std::shared_ptr<const THolidayCalendar> THolidayCalendar::FromFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw IoError(QCoreApplication::translate(
            "HolidayCalendar", "Cannot read the holiday calendar %1: there is no such file")
                          .arg(path));
    if (!info.isFile())
        throw IoError(QCoreApplication::translate(
            "HolidayCalendar", "Cannot read the holiday calendar %1: it is not a file")
                          .arg(path));
    if (info.size() > MaxFileSize)
        throw IoError(QCoreApplication::translate(
            "HolidayCalendar", "Cannot read the holiday calendar %1: it is too large for a calendar")
                          .arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(
            QCoreApplication::translate("HolidayCalendar", "Cannot read the holiday calendar %1: %2")
                .arg(path, file.errorString()),
            file.errorString());
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw IoError(
            QCoreApplication::translate("HolidayCalendar", "Cannot read the holiday calendar %1: %2")
                .arg(path, file.errorString()),
            file.errorString());
    return FromBytes(bytes, path);
}

std::shared_ptr<const THolidayCalendar> THolidayCalendar::FromBytes(
    const QByteArray &bytes, const QString &sourceName)
{
    std::shared_ptr<THolidayCalendar> calendar(new THolidayCalendar);
    try {
        const TParsed parsed = Parse(bytes);
        CheckParsed(parsed);
        std::size_t index = 0;
        for (const Component &root : parsed.roots) {
            for (icalcomponent *event = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT);
                 event; event = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
                const int line
                    = index < parsed.eventLines.size() ? parsed.eventLines[index] : parsed.firstLine;
                ++index;
                if (std::optional<Event> e = ReadEvent(event, line))
                    calendar->m_events.push_back(std::move(*e));
            }
        }
    } catch (const TCalendarError &error) {
        throw error.For(sourceName);
    }
    // A moved occurrence is no longer where the rule puts it.
    for (const Event &moved : calendar->m_events) {
        if (!moved.replaces)
            continue;
        for (Event &e : calendar->m_events)
            if (!e.replaces && e.uid == moved.uid)
                e.excluded.push_back(*moved.replaces);
    }
    return calendar;
}

bool THolidayCalendar::IsHoliday(int date) const
{
    return !Between(date, date).empty();
}

QString THolidayCalendar::NameOf(int date) const
{
    const std::span<const THoliday> day = Between(date, date);
    return day.empty() ? QString() : day.front().Name;
}

std::span<const THoliday> THolidayCalendar::Between(int first, int last) const
{
    if (last < first)
        return {};
    Cover(first, last);
    const auto from = std::lower_bound(
        m_days.cbegin(), m_days.cend(), first, [](const THoliday &h, int date) { return h.Date < date; });
    const auto to = std::upper_bound(
        from, m_days.cend(), last, [](int date, const THoliday &h) { return date < h.Date; });
    return { from, to };
}

void THolidayCalendar::Cover(int first, int last) const
{
    const auto yearOf
        = [](int day) { return std::clamp(DayNumber::toDate(day).year(), EarliestYear, LatestYear); };
    const int firstYear = yearOf(first);
    const int lastYear = yearOf(last);
    if (m_firstYear <= m_lastYear && firstYear >= m_firstYear && lastYear <= m_lastYear)
        return;
    // A year on either side, so that a sheet stepping across New Year or a
    // balance growing by a day does not expand again.
    int from = std::max(EarliestYear, firstYear - 1);
    int to = std::min(LatestYear, lastYear + 1);
    if (m_firstYear <= m_lastYear) {
        from = std::min(from, m_firstYear);
        to = std::max(to, m_lastYear);
    }
    Expand(from, to);
}

void THolidayCalendar::Expand(int firstYear, int lastYear) const
{
    const int firstDay = DayNumber::fromDate(QDate(firstYear, 1, 1));
    const int lastDay = DayNumber::fromDate(QDate(lastYear, 12, 31));
    std::vector<THoliday> days;
    for (const Event &e : m_events) {
        const auto add = [&](const icaltimetype &start) {
            const std::optional<int> day = DayOf(start);
            if (!day || std::find(e.excluded.cbegin(), e.excluded.cend(), *day) != e.excluded.cend())
                return;
            for (int d = std::max(*day, firstDay); d <= std::min(*day + e.days - 1, lastDay); ++d)
                days.push_back({ d, e.name });
        };
        if (e.rules.empty())
            add(e.start);
        for (const icaltimetype &start : e.extraStarts)
            add(start);
        for (const std::string &text : e.rules) {
            const icalrecurrencetype rule = icalrecurrencetype_from_string(text.c_str());
            Iterator it(icalrecur_iterator_new(rule, e.start));
            // Straight to the years asked for, where the rule allows it.
            if (it && rule.count == 0 && e.start.year < firstYear - 1) {
                icaltimetype jump = e.start;
                jump.year = firstYear - 1;
                jump.month = 1;
                jump.day = 1;
                if (!icalrecur_iterator_set_start(it.get(), jump))
                    it.reset(icalrecur_iterator_new(rule, e.start));
            }
            for (int n = 0; it && n < MaxOccurrencesPerRule; ++n) {
                const icaltimetype next = icalrecur_iterator_next(it.get());
                const std::optional<int> day = DayOf(next);
                if (icaltime_is_null_time(next) || !day || *day > lastDay)
                    break;
                if (*day + e.days > firstDay)
                    add(next);
            }
        }
    }
    icalerror_clear_errno();
    std::stable_sort(
        days.begin(), days.end(), [](const THoliday &a, const THoliday &b) { return a.Date < b.Date; });
    // One entry a day; two holidays on the same day share it.
    std::vector<THoliday> merged;
    for (THoliday &h : days) {
        if (!merged.empty() && merged.back().Date == h.Date) {
            if (!merged.back().Name.split(QStringLiteral(", ")).contains(h.Name))
                merged.back().Name += QStringLiteral(", ") + h.Name;
            continue;
        }
        merged.push_back(std::move(h));
    }
    m_days = std::move(merged);
    m_firstYear = firstYear;
    m_lastYear = lastYear;
}
