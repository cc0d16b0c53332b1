#include "core/DayMerge.h"

#include <algorithm>
#include <span>

namespace {

bool sameRecord(const DayRecord &a, const DayRecord &b)
{
    return a.Date == b.Date && a.Arrive == b.Arrive && a.Depart == b.Depart && a.Lunch == b.Lunch
        && a.Extra == b.Extra && a.Holiday == b.Holiday && a.Comment == b.Comment;
}

using Day = std::span<const DayRecord>;

bool sameDay(Day a, Day b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameRecord);
}

// One side of the merge in file form and date order, read day by day.
class Side {
public:
    explicit Side(const QList<DayRecord> &records)
    {
        m_records.reserve(records.size());
        for (const DayRecord &record : records) {
            if (!IsEmptyRecord(record))
                m_records.append(FileFormOf(record));
        }
        // A store keeps an edited new day at its end; the file has it in order.
        if (!std::is_sorted(m_records.cbegin(), m_records.cend(), byDate))
            std::stable_sort(m_records.begin(), m_records.end(), byDate);
    }

    bool atEnd() const { return m_next == m_records.size(); }
    int nextDate() const { return m_records[m_next].Date; }

    // The records of date, moved past; empty when the side has no such day.
    Day take(int date)
    {
        const qsizetype first = m_next;
        while (!atEnd() && nextDate() == date)
            ++m_next;
        return Day(m_records.constData() + first, static_cast<std::size_t>(m_next - first));
    }

private:
    static bool byDate(const DayRecord &a, const DayRecord &b) { return a.Date < b.Date; }

    QList<DayRecord> m_records;
    qsizetype m_next = 0;
};

} // namespace

DayRecord FileFormOf(const DayRecord &record)
{
    DayRecord form = record;
    form.Arrive = std::max(form.Arrive, -1);
    form.Depart = std::max(form.Depart, -1);
    form.Lunch = std::max(form.Lunch, 0);
    form.Extra = std::max(form.Extra, 0);
    form.Holiday = std::max(form.Holiday, 0);
    if (form.Comment.contains(u'\r') || form.Comment.contains(u'\n'))
        form.Comment.replace(u'\r', u' ').replace(u'\n', u' ');
    return form;
}

DayMergeResult MergeDays(const QList<DayRecord> &base, const QList<DayRecord> &mine,
    const QList<DayRecord> &theirs, const QSet<int> &takeTheirs)
{
    Side baseSide(base);
    Side mineSide(mine);
    Side theirsSide(theirs);
    DayMergeResult result;
    result.records.reserve(std::max(mine.size(), theirs.size()));
    for (;;) {
        int date = 0;
        bool any = false;
        for (const Side *side : { &baseSide, &mineSide, &theirsSide }) {
            if (!side->atEnd() && (!any || side->nextDate() < date)) {
                date = side->nextDate();
                any = true;
            }
        }
        if (!any)
            break;
        const Day was = baseSide.take(date);
        const Day ours = mineSide.take(date);
        const Day other = theirsSide.take(date);
        Day kept = ours;
        if (sameDay(ours, was)) {
            kept = other;
        } else if (!sameDay(other, was) && !sameDay(ours, other)) {
            if (takeTheirs.contains(date))
                kept = other;
            result.conflicts.append(DayConflict { date, QList<DayRecord>(ours.begin(), ours.end()),
                QList<DayRecord>(other.begin(), other.end()) });
        }
        for (const DayRecord &record : kept)
            result.records.append(record);
    }
    return result;
}
