#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

class QIODevice;

// One stored day. Times are whole minutes; Arrive and Depart hold -1 for "no time".
struct DayRecord {
    int Date = 0; // whole days since 30 December 1899
    int Arrive = -1;
    int Depart = -1;
    int Lunch = 0;
    int Extra = 0;
    int Holiday = 0;
    QString Comment;
};
Q_DECLARE_TYPEINFO(DayRecord, Q_RELOCATABLE_TYPE);

// A record without times and without a comment that holds anything but blanks
// and control characters. Such records are left behind by browsing weeks and
// are never written to the data file.
bool IsEmptyRecord(const DayRecord &record);

// Whether a day holds anything besides a lunch break: a lunch alone does not
// make a day worth a line of a report or a row of an export.
bool HasMoreThanLunch(const DayRecord &record);

namespace TimeRecorderDetail {

// A comment of the history, compared and hashed ignoring the case of A-Z only.
// The hash is kept: growing the table and probing it then never read the
// texts of a large history again.
struct CommentKey {
    explicit CommentKey(const QString &comment);
    QString text;
    size_t hash;
};
bool operator==(const CommentKey &a, const CommentKey &b) noexcept;
size_t qHash(const CommentKey &key, size_t seed = 0) noexcept;

} // namespace TimeRecorderDetail

// Every day record of the open document, the history of recently used
// comments, and the document's file name and change flag.
//
// Records stay in the order they were added; several records may share a
// date, and every lookup then sees the first of them in that order.
class TTimeRecorder : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName)
    Q_PROPERTY(bool Modified READ Modified)
    Q_PROPERTY(double EarliestDate READ EarliestDate)
    Q_PROPERTY(QStringList RecentComments READ RecentComments)

public:
    explicit TTimeRecorder(QObject *parent = nullptr);

    // Index of the first record of that day, or -1. A date with a part of a
    // day never matches.
    int FindDay(double date) const;
    bool HasDay(double date) const;
    // Appends a record with the defaults for the date rounded to a whole day
    // (ties to even) and returns its index. Neither marks the document
    // modified nor raises OnChange. A date outside 32-bit day numbers or
    // outside the days a data file can hold (FirstFileDay to LastFileDay), or a
    // store already holding the most records a 32-bit count allows, is a RangeError.
    int AddDay(double date);

    // Missing days read as -1, -1, 0, 0, 0 and an empty comment; the getters
    // never create a record.
    int GetArrive(double date) const;
    int GetDepart(double date) const;
    int GetLunch(double date) const;
    int GetExtra(double date) const;
    int GetHoliday(double date) const;
    QString GetComment(double date) const;

    // The setters create a missing day. Only an effective change marks the
    // document modified. Lunch, Extra and Holiday store -1 as 0.
    void SetArrive(double date, int minutes);
    void SetDepart(double date, int minutes);
    void SetLunch(double date, int minutes);
    void SetExtra(double date, int minutes);
    void SetHoliday(double date, int minutes);
    // Stores the text unaltered; a change also puts it into the history.
    void SetComment(double date, const QString &text);

    bool IsEmptyDay(int index) const;
    // Puts the text at the top of the history unless it is blank or the
    // history already holds it, compared ignoring the case of A-Z. Only the
    // newest RecentCommentsShown entries are kept as text; every comment ever
    // added is still known, so an old one added again stays where it was.
    void AddRecentComment(const QString &text);
    // Empties records, history, file name and earliest date; Modified keeps its value.
    void Clear();
    // Ascending by date; records of one date keep their order.
    void SortByDate();

    // Replaces the whole content with the file's, read by ReadDataFileBytes.
    // The store is cleared before the file is opened; a line that cannot be read raises its error with the
    // records of the lines before it kept and the file name left empty.
    void LoadFromFile(const QString &path);
    // A non-empty path becomes FileName first. Sorts the records and writes
    // every non-empty one. The previous file stays whole until the new one is
    // complete; a failure raises IoError and leaves Modified as it was.
    void SaveToFile(const QString &path = {});
    // SaveToFile, but the new file replaces the old one only when
    // stillWanted(), asked once the new content is complete, returns true:
    // a writer that shares the file checks there, as late as it can, that
    // the file is still what it last read. Otherwise nothing is replaced,
    // Modified keeps its value and the result is false.
    bool SaveToFile(const QString &path, const std::function<bool()> &stillWanted);
    // LoadFromFile for the bytes its caller has just read from path.
    void LoadFromBytes(const QByteArray &bytes, const QString &path);

    // The content part of loading and saving, on a device the caller opened.
    // LoadFromDevice clears the store and reads the device; SaveToDevice sorts
    // the records and writes them. Neither touches FileName or Modified.
    // sourceName and targetName name the data in error messages.
    void LoadFromDevice(QIODevice &device, const QString &sourceName = {});
    void SaveToDevice(QIODevice &device, const QString &targetName = {});

    void MarkModified();

    // Puts merged records in place of every record, as loading would: the
    // earliest date follows them and their comments join the history.
    // FileName and Modified keep their values; nothing is raised.
    void ReplaceRecords(QList<DayRecord> records);
    const QList<DayRecord> &Records() const { return m_records; }

    QString FileName() const { return m_fileName; }
    bool Modified() const { return m_modified; }
    // The smallest date read by the last load; 0 for none.
    double EarliestDate() const { return m_earliestDate; }
    // The most entries of the history that the comment dialog can show: its
    // count of comments takes three digits.
    static constexpr qsizetype RecentCommentsShown = 999;
    // Most recently added first; at most RecentCommentsShown of them.
    QStringList RecentComments() const { return m_recentComments; }

    int Count() const { return static_cast<int>(m_records.size()); }
    // The record at an index from 0 to Count() - 1; another index is a RangeError.
    const DayRecord &Record(int index) const;

    // Calls visit(const DayRecord &) once for every date from first to last
    // (both included) that has a record, with the record the getters read
    // for it, in ascending order of date. A period costs a pass over its own
    // records, not one lookup per day nor a look at the records outside it.
    template<class Visit> void VisitDays(int first, int last, Visit &&visit) const;

Q_SIGNALS:
    void OnChange();

private:
    int appendRecord(DayRecord &&record);
    int findOrAddDay(double date);
    void setMinutes(double date, int DayRecord::*field, int minutes);
    // Adds the comment to the history; when the history already holds exactly
    // that text, makes the comment share it, so repeated comments of a large
    // file are stored once.
    void rememberComment(QString &comment);
    void addReadRecord(DayRecord &record);
    void addLater(int date, int index);
    void settleLater() const;

    QList<DayRecord> m_records;
    // m_records[0, m_sortedCount) is in ascending order of Date and is searched
    // by bisection. m_later holds each date of the records after it with the
    // index of the first of them, in order of date up to m_laterSettled; what
    // was added since is merged in by the next lookup, so a file in any order
    // costs one sort, and a period of the later records is found by bisection
    // too (a file with one day out of order near its top has nearly all its
    // records there). Together they give exactly what a linear scan gives.
    qsizetype m_sortedCount = 0;
    mutable std::vector<std::pair<int, int>> m_later;
    mutable std::size_t m_laterSettled = 0;

    QStringList m_recentComments;
    QSet<TimeRecorderDetail::CommentKey> m_recentKeys;

    QString m_fileName;
    bool m_modified = false;
    double m_earliestDate = 0;
};

template<class Visit> void TTimeRecorder::VisitDays(int first, int last, Visit &&visit) const
{
    const auto begin = m_records.cbegin();
    const auto sortedEnd = begin + m_sortedCount;
    auto sorted = std::lower_bound(
        begin, sortedEnd, first, [](const DayRecord &record, int day) { return record.Date < day; });
    settleLater();
    const auto byDate = [](const std::pair<int, int> &entry, int day) { return entry.first < day; };
    auto later = std::lower_bound(m_later.cbegin(), m_later.cend(), first, byDate);
    const auto laterEnd = m_later.cend();
    // The two parts merged by date; a later record is read only for a date
    // the sorted part lacks, and of several records of one date in the sorted
    // part the first is the one read.
    while (sorted != sortedEnd && sorted->Date <= last) {
        if (later != laterEnd && later->first < sorted->Date) {
            visit(m_records[later->second]);
            ++later;
            continue;
        }
        if (later != laterEnd && later->first == sorted->Date)
            ++later;
        visit(*sorted);
        const int date = sorted->Date;
        while (++sorted != sortedEnd && sorted->Date == date) { }
    }
    for (; later != laterEnd && later->first <= last; ++later)
        visit(m_records[later->second]);
}
