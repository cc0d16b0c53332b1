#include "core/Targets.h"

#include "core/DataFile.h"
#include "core/DayNumber.h"
#include "core/HolidayCalendar.h"
#include "core/Rounding.h"

#include <QDate>
#include <QStringList>

#include <algorithm>
#include <numeric>
#include <optional>
#include <span>

using namespace Qt::StringLiterals;

namespace {

// Whole weeks at the week's sum, then the days left over, without visiting
// every day: a balance may count a century.
qint64 SumOfSet(const TTargetSet &targets, int first, int last)
{
    const qint64 days = qint64(last) - first + 1;
    qint64 sum = days / 7 * targets.SumOfDays();
    const int weekday = DayNumber::dayOfWeek(first);
    for (int i = 0; i < days % 7; ++i)
        sum += targets.Days[std::size_t((weekday - 1 + i) % 7)];
    return sum;
}

// The names of the text form, in the order written: Monday first, as people
// list a working week, then the week.
struct NamedTarget {
    QStringView name;
    int weekday; // 0 for the weekly target
};
constexpr NamedTarget TargetNames[] = { { u"Mon", DayNumber::Monday }, { u"Tue", DayNumber::Tuesday },
    { u"Wed", DayNumber::Wednesday }, { u"Thu", DayNumber::Thursday }, { u"Fri", DayNumber::Friday },
    { u"Sat", DayNumber::Saturday }, { u"Sun", DayNumber::Sunday }, { u"Week", 0 } };
constexpr QStringView FromWord = u"from";

QString HoursAndMinutes(int minutes)
{
    return QString::number(minutes / 60) + u':' + QString::number(minutes % 60).rightJustified(2, u'0');
}

bool AllDigits(QStringView text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Minutes as h:mm or as plain minutes, 0 to the largest int.
std::optional<int> ParseMinutes(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    const QStringView hours = colon < 0 ? QStringView() : text.first(colon);
    const QStringView minutes = colon < 0 ? text : text.sliced(colon + 1);
    if (!AllDigits(minutes) || (colon >= 0 && (!AllDigits(hours) || minutes.size() != 2)))
        return std::nullopt;
    if (hours.size() > 10 || (colon < 0 && minutes.size() > 10))
        return std::nullopt;
    const qint64 total = (colon < 0 ? 0 : hours.toLongLong() * 60) + minutes.toLongLong();
    if ((colon >= 0 && minutes.toInt() >= 60) || total > INT_MAX)
        return std::nullopt;
    return int(total);
}

std::optional<int> ParseEntryDate(QStringView text)
{
    const QDate date = QDate::fromString(text.toString(), Qt::ISODate);
    if (text.size() != 10 || !date.isValid())
        return std::nullopt;
    const int day = DayNumber::fromDate(date);
    if (day < FirstFileDay() || day > LastFileDay())
        return std::nullopt;
    return day;
}

std::optional<TTargetEntry> ParseEntry(QStringView text)
{
    TTargetEntry entry;
    std::array<bool, std::size(TargetNames)> seen {};
    bool expectDate = false;
    bool dated = false;
    for (const QStringView word : text.tokenize(u' ', Qt::SkipEmptyParts)) {
        if (expectDate) {
            const std::optional<int> date = ParseEntryDate(word);
            if (!date)
                return std::nullopt;
            entry.From = *date;
            expectDate = false;
            continue;
        }
        if (word.compare(FromWord, Qt::CaseInsensitive) == 0 && !dated) {
            expectDate = dated = true;
            continue;
        }
        const qsizetype equals = word.indexOf(u'=');
        const auto named
            = std::find_if(std::begin(TargetNames), std::end(TargetNames), [&](const NamedTarget &t) {
                  return equals > 0 && word.first(equals).compare(t.name, Qt::CaseInsensitive) == 0;
              });
        const std::size_t index = std::size_t(named - std::begin(TargetNames));
        if (named == std::end(TargetNames) || seen[index])
            return std::nullopt;
        const std::optional<int> minutes = ParseMinutes(word.sliced(equals + 1));
        if (!minutes)
            return std::nullopt;
        seen[index] = true;
        (named->weekday == 0 ? entry.Targets.Weekly : entry.Targets.Days[std::size_t(named->weekday - 1)])
            = *minutes;
    }
    if (expectDate || !std::all_of(seen.begin(), seen.end(), [](bool b) { return b; }))
        return std::nullopt;
    return entry;
}

// Ascending by date; of several entries with one date the last given is kept.
void SortEntries(std::vector<TTargetEntry> &history)
{
    std::stable_sort(history.begin(), history.end(),
        [](const TTargetEntry &a, const TTargetEntry &b) { return a.From < b.From; });
    std::vector<TTargetEntry> kept;
    for (const TTargetEntry &entry : history) {
        if (!kept.empty() && kept.back().From == entry.From)
            kept.back() = entry;
        else
            kept.push_back(entry);
    }
    history = std::move(kept);
}

} // namespace

qint64 TTargetSet::SumOfDays() const
{
    return std::accumulate(Days.cbegin(), Days.cend(), qint64(0));
}

TTargets::TTargets(const TTargetSet &targets)
    : m_history { TTargetEntry { TTargetEntry::FromTheStart, targets } }
{
}

TTargets::TTargets(std::vector<TTargetEntry> history)
{
    if (history.empty())
        return;
    SortEntries(history);
    history.front().From = TTargetEntry::FromTheStart;
    m_history = std::move(history);
}

std::size_t TTargets::EntryOf(int date) const
{
    if (m_history.size() == 1)
        return 0;
    const auto after = std::upper_bound(m_history.cbegin() + 1, m_history.cend(), date,
        [](int day, const TTargetEntry &entry) { return day < entry.From; });
    return std::size_t(after - m_history.cbegin()) - 1;
}

qint64 TTargets::SumOfDays(int first, int last) const
{
    if (last < first)
        return 0;
    qint64 sum = -HolidayTargets(first, last);
    for (std::size_t i = EntryOf(first);; ++i) {
        const bool changes = i + 1 < m_history.size() && m_history[i + 1].From <= last;
        const int end = changes ? m_history[i + 1].From - 1 : last;
        sum += SumOfSet(m_history[i].Targets, first, end);
        if (!changes)
            return sum;
        first = end + 1;
    }
}

int TTargets::OfWeek(int weekStart) const
{
    const int weekEnd = weekStart + 6;
    const std::span<const THoliday> holidays
        = Holidays ? Holidays->Between(weekStart, weekEnd) : std::span<const THoliday>();
    TFractionSum shares;
    int from = weekStart;
    for (std::size_t i = EntryOf(weekStart);; ++i) {
        const TTargetSet &targets = m_history[i].Targets;
        const bool changes = i + 1 < m_history.size() && m_history[i + 1].From <= weekEnd;
        const int to = changes ? m_history[i + 1].From - 1 : weekEnd;
        // The days of this entry that owe their share: all but the public holidays.
        qint64 owed = SumOfSet(targets, from, to);
        qint64 owingDays = qint64(to) - from + 1;
        for (const THoliday &holiday : holidays) {
            if (holiday.Date >= from && holiday.Date <= to) {
                owed -= targets.OfWeekday(DayNumber::dayOfWeek(holiday.Date));
                --owingDays;
            }
        }
        // Without day targets to share by, each day has a seventh.
        if (const qint64 days = targets.SumOfDays(); days > 0)
            shares.Add(targets.Weekly, owed, days);
        else
            shares.Add(targets.Weekly, owingDays, 7);
        if (!changes)
            return int(std::min<qint64>(shares.Rounded(), INT_MAX));
        from = to + 1;
    }
}

bool TTargets::IsHoliday(int date) const
{
    return Holidays && Holidays->IsHoliday(date);
}

qint64 TTargets::HolidayTargets(int first, int last) const
{
    qint64 sum = 0;
    if (Holidays)
        for (const THoliday &holiday : Holidays->Between(first, last))
            sum += OfWorkday(holiday.Date);
    return sum;
}

void TTargets::ApplyFrom(int date, const TTargetSet &targets)
{
    if (date <= FirstFileDay()) {
        m_history = { TTargetEntry { TTargetEntry::FromTheStart, targets } };
        return;
    }
    std::erase_if(m_history, [&](const TTargetEntry &entry) {
        return entry.From != TTargetEntry::FromTheStart && entry.From >= date;
    });
    if (m_history.back().Targets != targets)
        m_history.push_back({ date, targets });
}

void TTargets::Remove(std::size_t index)
{
    if (index > 0 && index < m_history.size())
        m_history.erase(m_history.begin() + qsizetype(index));
}

QString TargetHistoryText(const std::vector<TTargetEntry> &history)
{
    QStringList entries;
    for (const TTargetEntry &entry : history) {
        QStringList words;
        if (entry.From != TTargetEntry::FromTheStart)
            words << FromWord.toString() << DayNumber::toDate(entry.From).toString(Qt::ISODate);
        for (const NamedTarget &target : TargetNames) {
            const int minutes
                = target.weekday == 0 ? entry.Targets.Weekly : entry.Targets.OfWeekday(target.weekday);
            words << target.name.toString() + u'=' + HoursAndMinutes(minutes);
        }
        entries << words.join(u' ');
    }
    return entries.join(u"; "_s);
}

std::vector<TTargetEntry> ParseTargetHistory(QStringView text)
{
    std::vector<TTargetEntry> history;
    bool first = true;
    for (const QStringView part : text.tokenize(u';')) {
        if (part.trimmed().isEmpty())
            continue;
        const std::optional<TTargetEntry> entry = ParseEntry(part);
        if (entry && (first || entry->From != TTargetEntry::FromTheStart))
            history.push_back(*entry);
        first = false;
    }
    SortEntries(history);
    return history;
}
