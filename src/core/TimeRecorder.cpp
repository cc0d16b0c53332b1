#include "core/TimeRecorder.h"

#include "core/DataFile.h"
#include "core/Errors.h"
#include "core/ReplaceFile.h"
#include "core/Rounding.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= u' '; });
}

char16_t foldAZ(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
}

bool isWholeDay(double date, int &day)
{
    if (!(date >= std::numeric_limits<int>::min() && date <= std::numeric_limits<int>::max()))
        return false;
    day = static_cast<int>(date);
    return day == date;
}

} // namespace

namespace TimeRecorderDetail {

bool operator==(const CommentKey &a, const CommentKey &b) noexcept
{
    const qsizetype n = a.text.size();
    if (a.hash != b.hash || n != b.text.size())
        return false;
    const QChar *x = a.text.constData();
    const QChar *y = b.text.constData();
    for (qsizetype i = 0; i < n; ++i) {
        if (x[i] != y[i] && foldAZ(x[i]) != foldAZ(y[i]))
            return false;
    }
    return true;
}

CommentKey::CommentKey(const QString &comment)
    : text(comment)
{
    quint64 h = 0xcbf29ce484222325ull;
    for (const QChar c : comment) // not text: a loop over it would detach a copy
        h = (h ^ foldAZ(c)) * 0x100000001b3ull;
    // The table picks a bucket by the low bits, which the multiplications above
    // fill only from the low bits of each character: comments that differ in a
    // number would crowd together. Mixing every bit into every bit spreads them.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 33;
    hash = static_cast<size_t>(h);
}

size_t qHash(const CommentKey &key, size_t seed) noexcept
{
    return key.hash ^ seed;
}

} // namespace TimeRecorderDetail

bool IsEmptyRecord(const DayRecord &record)
{
    return record.Arrive == -1 && record.Depart == -1 && record.Lunch == 0 && record.Extra == 0
        && record.Holiday == 0 && isBlank(record.Comment);
}

bool HasMoreThanLunch(const DayRecord &record)
{
    return record.Arrive >= 0 || record.Depart >= 0 || record.Extra > 0 || record.Holiday > 0
        || !record.Comment.isEmpty();
}

TTimeRecorder::TTimeRecorder(QObject *parent)
    : QObject(parent)
{
}

int TTimeRecorder::FindDay(double date) const
{
    int day = 0;
    if (!isWholeDay(date, day))
        return -1;
    const auto sortedEnd = m_records.cbegin() + m_sortedCount;
    const auto it = std::lower_bound(
        m_records.cbegin(), sortedEnd, day, [](const DayRecord &record, int d) { return record.Date < d; });
    if (it != sortedEnd && it->Date == day)
        return static_cast<int>(it - m_records.cbegin());
    settleLater();
    const auto later = std::lower_bound(m_later.cbegin(), m_later.cend(), day,
        [](const std::pair<int, int> &entry, int d) { return entry.first < d; });
    return later != m_later.cend() && later->first == day ? later->second : -1;
}

bool TTimeRecorder::HasDay(double date) const
{
    return FindDay(date) != -1;
}

int TTimeRecorder::AddDay(double date)
{
    const double rounded = roundHalfEven(date);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw RangeError(QCoreApplication::translate("TTimeRecorder", "%1 is not a valid day number")
                             .arg(QString::number(date)));
    // A day the data file cannot read back would be saved and then make the
    // file unreadable from its line on.
    if (rounded < FirstFileDay() || rounded > LastFileDay())
        throw RangeError(QCoreApplication::translate(
            "TTimeRecorder", "%1 is outside the days a data file can hold, %2 to %3")
                             .arg(DateFieldText(static_cast<int>(rounded)), DateFieldText(FirstFileDay()),
                                 DateFieldText(LastFileDay())));
    DayRecord record;
    record.Date = static_cast<int>(rounded);
    return appendRecord(std::move(record));
}

int TTimeRecorder::appendRecord(DayRecord &&record)
{
    const qsizetype index = m_records.size();
    if (index >= std::numeric_limits<int>::max())
        throw RangeError(QCoreApplication::translate("TTimeRecorder", "The document cannot hold more days"));
    if (m_sortedCount == index && (index == 0 || m_records.constLast().Date <= record.Date))
        ++m_sortedCount;
    else
        addLater(record.Date, static_cast<int>(index));
    m_records.append(std::move(record));
    return static_cast<int>(index);
}

void TTimeRecorder::addLater(int date, int index)
{
    // Records after one out of order mostly come in order, and stay settled.
    const bool inOrder = m_laterSettled == m_later.size() && (m_later.empty() || m_later.back().first < date);
    m_later.emplace_back(date, index);
    if (inOrder)
        ++m_laterSettled;
}

void TTimeRecorder::settleLater() const
{
    if (m_laterSettled == m_later.size())
        return;
    const auto byDate
        = [](const std::pair<int, int> &a, const std::pair<int, int> &b) { return a.first < b.first; };
    // Both steps keep the order of additions within a date, so the first of
    // a date is the one kept.
    const auto added = m_later.begin() + static_cast<std::ptrdiff_t>(m_laterSettled);
    std::stable_sort(added, m_later.end(), byDate);
    std::inplace_merge(m_later.begin(), added, m_later.end(), byDate);
    m_later.erase(
        std::unique(m_later.begin(), m_later.end(),
            [](const std::pair<int, int> &a, const std::pair<int, int> &b) { return a.first == b.first; }),
        m_later.end());
    m_laterSettled = m_later.size();
}

int TTimeRecorder::findOrAddDay(double date)
{
    const int index = FindDay(date);
    return index != -1 ? index : AddDay(date);
}

int TTimeRecorder::GetArrive(double date) const
{
    const int index = FindDay(date);
    return index == -1 ? -1 : m_records[index].Arrive;
}

int TTimeRecorder::GetDepart(double date) const
{
    const int index = FindDay(date);
    return index == -1 ? -1 : m_records[index].Depart;
}

int TTimeRecorder::GetLunch(double date) const
{
    const int index = FindDay(date);
    return index == -1 ? 0 : m_records[index].Lunch;
}

int TTimeRecorder::GetExtra(double date) const
{
    const int index = FindDay(date);
    return index == -1 ? 0 : m_records[index].Extra;
}

int TTimeRecorder::GetHoliday(double date) const
{
    const int index = FindDay(date);
    return index == -1 ? 0 : m_records[index].Holiday;
}

QString TTimeRecorder::GetComment(double date) const
{
    const int index = FindDay(date);
    return index == -1 ? QString() : m_records[index].Comment;
}

void TTimeRecorder::setMinutes(double date, int DayRecord::*field, int minutes)
{
    const int index = findOrAddDay(date);
    int &stored = m_records[index].*field;
    if (stored == minutes)
        return;
    stored = minutes;
    MarkModified();
}

void TTimeRecorder::SetArrive(double date, int minutes)
{
    setMinutes(date, &DayRecord::Arrive, minutes);
}

void TTimeRecorder::SetDepart(double date, int minutes)
{
    setMinutes(date, &DayRecord::Depart, minutes);
}

void TTimeRecorder::SetLunch(double date, int minutes)
{
    setMinutes(date, &DayRecord::Lunch, minutes == -1 ? 0 : minutes);
}

void TTimeRecorder::SetExtra(double date, int minutes)
{
    setMinutes(date, &DayRecord::Extra, minutes == -1 ? 0 : minutes);
}

void TTimeRecorder::SetHoliday(double date, int minutes)
{
    setMinutes(date, &DayRecord::Holiday, minutes == -1 ? 0 : minutes);
}

void TTimeRecorder::SetComment(double date, const QString &text)
{
    const int index = findOrAddDay(date);
    if (m_records[index].Comment == text)
        return;
    m_records[index].Comment = text;
    AddRecentComment(text);
    MarkModified();
}

bool TTimeRecorder::IsEmptyDay(int index) const
{
    return IsEmptyRecord(Record(index));
}

void TTimeRecorder::AddRecentComment(const QString &text)
{
    QString comment = text;
    rememberComment(comment);
}

void TTimeRecorder::rememberComment(QString &comment)
{
    if (isBlank(comment))
        return;
    const qsizetype known = m_recentKeys.size();
    const auto entry = m_recentKeys.insert(TimeRecorderDetail::CommentKey { comment });
    if (m_recentKeys.size() == known) {
        if (entry->text == comment)
            comment = entry->text;
        return;
    }
    m_recentComments.prepend(comment);
    if (m_recentComments.size() > RecentCommentsShown)
        m_recentComments.removeLast();
}

void TTimeRecorder::Clear()
{
    m_fileName.clear();
    m_earliestDate = 0;
    m_records = QList<DayRecord>();
    m_sortedCount = 0;
    m_later.clear();
    m_laterSettled = 0;
    m_recentComments.clear();
    m_recentKeys.clear();
}

void TTimeRecorder::SortByDate()
{
    if (m_sortedCount == m_records.size())
        return;
    std::stable_sort(m_records.begin(), m_records.end(),
        [](const DayRecord &a, const DayRecord &b) { return a.Date < b.Date; });
    m_sortedCount = m_records.size();
    m_later.clear();
    m_laterSettled = 0;
}

// The records grow as they arrive: reserving one for every line end would
// ask for gigabytes for a large file of blank lines.
void TTimeRecorder::addReadRecord(DayRecord &record)
{
    if (m_earliestDate == 0 || m_earliestDate > record.Date)
        m_earliestDate = record.Date;
    rememberComment(record.Comment);
    appendRecord(std::move(record));
}

void TTimeRecorder::LoadFromFile(const QString &path)
{
    Clear();
    LoadFromBytes(ReadDataFileBytes(path), path);
}

void TTimeRecorder::SaveToFile(const QString &path)
{
    SaveToFile(path, {});
}

bool TTimeRecorder::SaveToFile(const QString &path, const std::function<bool()> &stillWanted)
{
    if (!path.isEmpty())
        m_fileName = path;
    SortByDate();
    if (m_fileName.isEmpty())
        throw IoError(
            QCoreApplication::translate("TTimeRecorder", "Cannot save a document that has no file name"));
    // A failed save never costs the previous file.
    const bool replaced = ReplaceFile(m_fileName, [&](QIODevice &file) {
        WriteDataFile(file, m_fileName, m_records);
        return !stillWanted || stillWanted();
    });
    if (replaced)
        m_modified = false;
    return replaced;
}

void TTimeRecorder::LoadFromBytes(const QByteArray &bytes, const QString &path)
{
    Clear();
    ReadDataFile(bytes, path, [this](DayRecord &record) { addReadRecord(record); });
    m_fileName = path;
    m_modified = false;
}

void TTimeRecorder::ReplaceRecords(QList<DayRecord> records)
{
    // Taken over as they are, shared with the caller's copy until either changes.
    m_records = std::move(records);
    const auto byDate = [](const DayRecord &a, const DayRecord &b) { return a.Date < b.Date; };
    m_sortedCount = std::is_sorted_until(m_records.cbegin(), m_records.cend(), byDate) - m_records.cbegin();
    m_later.clear();
    m_laterSettled = 0;
    for (qsizetype i = m_sortedCount; i < m_records.size(); ++i)
        addLater(m_records[i].Date, static_cast<int>(i));
    m_earliestDate = 0;
    for (const DayRecord &record : std::as_const(m_records)) {
        if (m_earliestDate == 0 || m_earliestDate > record.Date)
            m_earliestDate = record.Date;
        QString comment = record.Comment;
        rememberComment(comment);
    }
}

void TTimeRecorder::LoadFromDevice(QIODevice &device, const QString &sourceName)
{
    Clear();
    ReadDataFile(device, sourceName, [this](DayRecord &record) { addReadRecord(record); });
}

void TTimeRecorder::SaveToDevice(QIODevice &device, const QString &targetName)
{
    SortByDate();
    WriteDataFile(device, targetName, m_records);
}

void TTimeRecorder::MarkModified()
{
    m_modified = true;
    Q_EMIT OnChange();
}

const DayRecord &TTimeRecorder::Record(int index) const
{
    if (index < 0 || index >= m_records.size())
        throw RangeError(QCoreApplication::translate("TTimeRecorder", "Day record index %1 is out of range")
                             .arg(QString::number(index)));
    return m_records[index];
}
