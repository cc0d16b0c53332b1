#include "core/DayMerge.h"

#include <algorithm>
#include <limits>
#include <span>
#include <vector>

namespace {

bool sameRecord(const DayRecord &a, const DayRecord &b)
{
    return a.Date == b.Date && a.Arrive == b.Arrive && a.Depart == b.Depart && a.Lunch == b.Lunch
        && a.Extra == b.Extra && a.Holiday == b.Holiday && a.Comment == b.Comment;
}

using Day = std::span<const DayRecord *const>;

bool sameDay(Day a, Day b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](const DayRecord *x, const DayRecord *y) { return sameRecord(*x, *y); });
}

bool breaksLine(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool inFileForm(const DayRecord &record)
{
    return record.Arrive >= -1 && record.Depart >= -1 && record.Lunch >= 0 && record.Extra >= 0
        && record.Holiday >= 0 && std::none_of(record.Comment.cbegin(), record.Comment.cend(), breaksLine);
}

QList<DayRecord> recordsOf(Day day)
{
    QList<DayRecord> records;
    records.reserve(qsizetype(day.size()));
    for (const DayRecord *record : day)
        records.append(*record);
    return records;
}

// One side of the merge in file form and date order, read day by day. It
// points into the records it was given; only a record the file would change
// is copied.
class Side {
public:
    explicit Side(const QList<DayRecord> &records)
    {
        m_records.reserve(std::size_t(records.size()));
        bool sorted = true;
        bool changed = false;
        int lastDate = std::numeric_limits<int>::min();
        for (const DayRecord &record : records) {
            if (IsEmptyRecord(record))
                continue;
            sorted = sorted && record.Date >= lastDate;
            lastDate = record.Date;
            if (inFileForm(record)) {
                m_records.push_back(&record);
            } else {
                m_changed.push_back(FileFormOf(record));
                m_records.push_back(nullptr); // filled below, once m_changed stops moving
                changed = true;
            }
        }
        if (changed) {
            auto copy = m_changed.cbegin();
            for (const DayRecord *&record : m_records) {
                if (!record)
                    record = &*copy++;
            }
        }
        // A store keeps an edited new day at its end; the file has it in order.
        if (!sorted)
            std::stable_sort(m_records.begin(), m_records.end(), byDate);
    }

    bool atEnd() const { return m_next == m_records.size(); }
    int nextDate() const { return m_records[m_next]->Date; }

    // The records of date, moved past; empty when the side has no such day.
    Day take(int date)
    {
        const std::size_t first = m_next;
        while (!atEnd() && nextDate() == date)
            ++m_next;
        return Day(m_records.data() + first, m_next - first);
    }

private:
    static bool byDate(const DayRecord *a, const DayRecord *b) { return a->Date < b->Date; }

    std::vector<const DayRecord *> m_records;
    std::vector<DayRecord> m_changed;
    std::size_t m_next = 0;
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
    if (std::any_of(form.Comment.cbegin(), form.Comment.cend(), breaksLine))
        std::replace_if(form.Comment.begin(), form.Comment.end(), breaksLine, u' ');
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
            result.conflicts.append(DayConflict { date, recordsOf(ours), recordsOf(other) });
        }
        for (const DayRecord *record : kept)
            result.records.append(*record);
    }
    return result;
}
