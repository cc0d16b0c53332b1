#include "core/DataFile.h"

#include "core/ChunkedWriter.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/Regional.h"
#include "core/ReplaceFile.h"
#include "core/TimeText.h"
#include "core/Utf8Text.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

// The view counterpart of SplitAtDelimiter for a single delimiter: returns the
// characters before the first delimiter and leaves rest holding those after it.
template<typename IsDelimiter> QStringView cutAt(QStringView &rest, IsDelimiter isDelimiter)
{
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (isDelimiter(rest[i])) {
            const QStringView head = rest.first(i);
            rest = rest.sliced(i + 1);
            return head;
        }
    }
    const QStringView head = rest;
    rest = QStringView();
    return head;
}

// Most numbers of a file are a few plain digits; anything else takes the
// general conversion with its checks and errors.
int parseInt(QStringView text)
{
    const qsizetype n = text.size();
    if (n == 0 || n > 9)
        return ParseDecimalInt(text);
    int value = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned digit = unsigned(text[i].unicode()) - u'0';
        if (digit > 9)
            return ParseDecimalInt(text);
        value = value * 10 + int(digit);
    }
    return value;
}

// The usual shape of a stored time, plain digits around a separator ("8:30",
// "17:", ":05", ""), read in one pass. Returns false for any other text,
// which then takes the general path.
bool tryPlainTime(QStringView text, int defaultValue, QChar sep, bool clockTime, int &result)
{
    if (text.isEmpty()) {
        result = defaultValue;
        return true;
    }
    if (sep.unicode() <= u' ')
        return false;
    int parts[2] = { 0, 0 };
    int digits[2] = { 0, 0 };
    const int maxDigits[2] = { 6, 9 }; // the sum cannot overflow
    int which = 0;
    for (const QChar c : text) {
        if (c == sep) {
            if (which == 1)
                break;
            which = 1;
            continue;
        }
        const unsigned digit = unsigned(c.unicode()) - u'0';
        if (digit > 9 || ++digits[which] > maxDigits[which])
            return false;
        parts[which] = parts[which] * 10 + int(digit);
    }
    if (clockTime && parts[1] > 59)
        return false;
    result = parts[0] * 60 + parts[1];
    return true;
}

ConversionError notATime(QStringView text)
{
    return ConversionError(
        QCoreApplication::translate("DataFile", "%1 is not a valid time").arg(QuotedText(text)));
}

ConversionError notADate(QStringView text)
{
    return ConversionError(
        QCoreApplication::translate("DataFile", "%1 is not a valid date").arg(QuotedText(text)));
}

// Arrive and Depart are clock times: their hours may pass 24 (a departure
// after midnight written by hand), their minutes stay below 60. Lunch, extra
// and holiday minutes are a length, which may be written as ":90".
int parseTime(QStringView text, int defaultValue, QChar sep, bool clockTime)
{
    int plain = 0;
    if (tryPlainTime(text, defaultValue, sep, clockTime, plain))
        return plain;
    if (TrimmedView(text).isEmpty())
        return defaultValue;
    QStringView rest = text;
    const auto isSep = [sep](QChar c) { return c == sep; };
    const QStringView hoursText = TrimmedView(cutAt(rest, isSep));
    const QStringView minutesText = TrimmedView(cutAt(rest, isSep));
    qint64 hours = 0;
    qint64 minutes = 0;
    try {
        if (!hoursText.isEmpty())
            hours = parseInt(hoursText);
        if (!minutesText.isEmpty())
            minutes = parseInt(minutesText);
    } catch (const ConversionError &) {
        throw ConversionError(notATime(text));
    }
    // No time of the program is below zero, and the file has no form for one:
    // a part with a minus sign ("-0:45", "8:-30") would otherwise be read as
    // another time, and written back as that at the next save.
    if (hoursText.startsWith(u'-') || minutesText.startsWith(u'-'))
        throw RangeError(
            QCoreApplication::translate("DataFile", "%1 is not a valid time: a part of it is negative")
                .arg(QuotedText(text)));
    if (clockTime && minutes > 59)
        throw RangeError(
            QCoreApplication::translate("DataFile", "%1 is not a valid time: its minutes are 60 or more")
                .arg(QuotedText(text)));
    const qint64 result = hours * 60 + minutes;
    if (result > std::numeric_limits<int>::max())
        throw ConversionError(notATime(text));
    return static_cast<int>(result);
}

// The month of the previous date read: the lines of a file mostly follow
// one another day by day, so most dates need no calendar arithmetic.
struct MonthCache {
    int year = 0;
    int month = 0;
    int firstDay = 0; // day number of the 1st
    int length = 0;
};

// The usual shape of a stored date, three runs of digits between delimiters,
// read in one pass. Returns false for any other text.
template<typename IsDelimiter> bool tryPlainDate(QStringView text, IsDelimiter isDelimiter, int (&parts)[3])
{
    int which = 0;
    int digits = 0;
    int value = 0;
    for (const QChar c : text) {
        if (isDelimiter(c)) {
            if (digits == 0)
                return false;
            parts[which++] = value;
            if (which == 3)
                return true;
            digits = 0;
            value = 0;
            continue;
        }
        const unsigned digit = unsigned(c.unicode()) - u'0';
        if (digit > 9 || ++digits > 9)
            return false;
        value = value * 10 + int(digit);
    }
    if (which != 2 || digits == 0)
        return false;
    parts[2] = value;
    return true;
}

int parseDate(QStringView text, QChar dateSep, MonthCache &cache)
{
    const auto isDelimiter = [dateSep](QChar c) { return c == u'/' || c == u'-' || c == dateSep; };
    int parts[3];
    if (!tryPlainDate(text, isDelimiter, parts)) {
        QStringView rest = text;
        try {
            for (int &part : parts)
                part = parseInt(cutAt(rest, isDelimiter));
        } catch (const ConversionError &) {
            throw ConversionError(notADate(text));
        }
    }
    const int day = parts[0];
    const int month = parts[1];
    int year = parts[2];
    if (year < 100)
        year += year < 50 ? 2000 : 1900;
    for (const int part : { day, month, year }) {
        if (part < 0 || part > 65535)
            throw RangeError(
                QCoreApplication::translate("DataFile", "%1 is not a valid date: %2 is out of range")
                    .arg(QuotedText(text), QString::number(part)));
    }
    if (year != cache.year || month != cache.month) {
        // The calendar of the program runs from year 1 to 9999.
        if (year < 1 || year > 9999 || month < 1 || month > 12)
            throw ConversionError(notADate(text));
        const QDate first(year, month, 1);
        cache = MonthCache { year, month, DayNumber::fromDate(first), first.daysInMonth() };
    }
    if (day < 1 || day > cache.length)
        throw ConversionError(notADate(text));
    return cache.firstDay + day - 1;
}

// ---- writing ----------------------------------------------------------------

// ClockText with its leading zeros and its ":00" minutes removed; the time
// separator alone stands for 0, and is left out when 0 is the blank value.
void appendCompactTime(std::string &out, int minutes, int blankValue, const std::string &sep)
{
    if (minutes < 0)
        return;
    if (minutes == 0 && blankValue == 0)
        return;
    if (minutes >= 60)
        AppendDecimal(out, minutes / 60);
    out += sep;
    const int m = minutes % 60;
    if (m != 0) {
        out += static_cast<char>('0' + m / 10);
        out += static_cast<char>('0' + m % 10);
    }
}

// The month of the previous date written; records are written in order of
// date, so most dates need no calendar arithmetic.
struct WrittenMonth {
    int firstDay = 1;
    int length = 0; // none yet
    int year = 0;
    int month = 0;
};

void appendDateField(std::string &out, int day, const std::string &dateSep, WrittenMonth &cache)
{
    if (day < cache.firstDay || day - cache.firstDay >= cache.length) {
        const QDate date = DayNumber::toDate(day);
        int d = 0;
        date.getDate(&cache.year, &cache.month, &d);
        cache.firstDay = day - (d - 1);
        cache.length = date.daysInMonth();
    }
    AppendDecimal(out, day - cache.firstDay + 1);
    out += dateSep;
    AppendDecimal(out, cache.month);
    out += dateSep;
    AppendDecimal(out, cache.year);
}

void appendLine(std::string &out, const DayRecord &r, const std::string &dateSep, const std::string &timeSep,
    WrittenMonth &months)
{
    const std::size_t start = out.size();
    appendDateField(out, r.Date, dateSep, months);
    out += ',';
    appendCompactTime(out, r.Arrive, -1, timeSep);
    out += ',';
    appendCompactTime(out, r.Depart, -1, timeSep);
    out += ',';
    appendCompactTime(out, r.Lunch, 0, timeSep);
    out += ',';
    appendCompactTime(out, r.Extra, 0, timeSep);
    out += ',';
    appendCompactTime(out, r.Holiday, 0, timeSep);
    if (!r.Comment.isEmpty()) {
        out += ",\"";
        AppendUtf8Text(out, r.Comment);
        out += '"';
    } else {
        std::size_t end = out.size();
        while (end > start && out[end - 1] == ',')
            --end;
        out.resize(end);
    }
    out += "\r\n";
}

QString displayName(const QString &name)
{
    return QDir::toNativeSeparators(name);
}

// The file as messages about reading or writing it name it.
QString fileInMessages(const QString &name)
{
    return name.isEmpty() ? QCoreApplication::translate("DataFile", "the data file") : displayName(name);
}

// ---- reading ----------------------------------------------------------------

// A file of NUL bytes (what a crash can leave of a file, or a device) would
// read as an empty week without a word, and be replaced by one at the next save.
void refuseNulBytes(const QByteArray &bytes, const QString &sourceName)
{
    if (std::memchr(bytes.constData(), 0, std::size_t(bytes.size())))
        throw ConversionError(
            QCoreApplication::translate("DataFile", "%1 is not a data file: it holds NUL bytes")
                .arg(fileInMessages(sourceName)));
}

QByteArray readAllBytes(QIODevice &device, const QString &sourceName)
{
    QByteArray data;
    if (!device.isSequential())
        data.reserve(std::max<qint64>(device.size() - device.pos(), 0) + 1);
    qsizetype used = 0;
    for (;;) {
        if (used == data.size())
            data.resize(std::max<qsizetype>(data.capacity(), used + std::max<qsizetype>(used, 65536)));
        const qint64 n = device.read(data.data() + used, data.size() - used);
        if (n < 0)
            throw IoError(QCoreApplication::translate("DataFile", "Cannot read %1: %2")
                              .arg(fileInMessages(sourceName), device.errorString()));
        if (n == 0)
            break;
        used += n;
    }
    data.truncate(used);
    return data;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool isValidUtf8(const unsigned char *p, const unsigned char *end)
{
    while (p < end) {
        if (end - p >= 8) {
            std::uint64_t chunk;
            std::memcpy(&chunk, p, 8);
            if ((chunk & 0x8080808080808080ull) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        if (p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        p += length;
    }
    return true;
}

// Windows-1252 at 0x80-0x9F; its five unassigned codes keep their C1 code
// points, as Windows itself reads them. Every other byte is its own code point.
constexpr char16_t Cp1252High[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

QChar *decodeCp1252(QChar *out, const unsigned char *p, const unsigned char *end)
{
    for (; p < end; ++p) {
        const unsigned char b = *p;
        *out++ = QChar(b >= 0x80 && b <= 0x9F ? Cp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

// The line's bytes as text in buffer, which grows as needed: plain ASCII
// copied, else UTF-8 decoded in a UTF-8 file and Windows-1252 read in any other.
QStringView decodeLine(const unsigned char *p, const unsigned char *lineEnd, bool utf8,
    QStringDecoder &decoder, std::vector<QChar> &buffer)
{
    const qsizetype length = lineEnd - p;
    const auto needed = static_cast<std::size_t>(utf8 ? decoder.requiredSpace(length) : length) + 1;
    if (buffer.size() < needed)
        buffer.resize(std::max(needed, buffer.size() * 2));
    unsigned char highBits = 0;
    for (qsizetype i = 0; i < length; ++i)
        highBits |= p[i];
    QChar *decodedEnd;
    if (highBits < 0x80) {
        QChar *out = buffer.data();
        for (qsizetype i = 0; i < length; ++i)
            out[i] = QChar(char16_t(p[i]));
        decodedEnd = out + length;
    } else if (utf8) {
        decodedEnd = decoder.appendToBuffer(
            buffer.data(), QByteArrayView(reinterpret_cast<const char *>(p), length));
    } else {
        decodedEnd = decodeCp1252(buffer.data(), p, lineEnd);
    }
    return QStringView(buffer.data(), decodedEnd - buffer.data());
}

// Reads the line's fields in order into record. dated tells whether the date
// was read; a field that cannot be read throws with the fields before it in record.
void parseLine(
    QStringView line, QChar dateSep, QChar timeSep, MonthCache &months, DayRecord &record, bool &dated)
{
    const auto isComma = [](QChar c) { return c == u','; };
    QStringView rest = line;
    record.Date = parseDate(cutAt(rest, isComma), dateSep, months);
    dated = true;
    record.Arrive = parseTime(cutAt(rest, isComma), -1, timeSep, true);
    record.Depart = parseTime(cutAt(rest, isComma), -1, timeSep, true);
    record.Lunch = parseTime(cutAt(rest, isComma), 0, timeSep, false);
    record.Extra = parseTime(cutAt(rest, isComma), 0, timeSep, false);
    record.Holiday = parseTime(cutAt(rest, isComma), 0, timeSep, false);
    QStringView comment = TrimmedView(rest);
    if (comment.startsWith(u'"'))
        comment = comment.sliced(1);
    if (comment.endsWith(u'"'))
        comment.chop(1);
    if (!comment.isEmpty())
        record.Comment = comment.toString();
}

} // namespace

QString CompactTimeText(int minutes, int blankValue)
{
    std::string text;
    appendCompactTime(text, minutes, blankValue, Utf8Of(Regional::timeSeparator()));
    return QString::fromStdString(text);
}

int ParseStoredTime(QStringView text, int defaultValue)
{
    return parseTime(text, defaultValue, Regional::timeSeparator(), defaultValue == -1);
}

int ParseStoredDate(QStringView text)
{
    MonthCache months;
    return parseDate(text, Regional::dateSeparator(), months);
}

int FirstFileDay()
{
    static const int first = DayNumber::fromDate(QDate(100, 1, 1));
    return first;
}

int LastFileDay()
{
    static const int last = DayNumber::fromDate(QDate(9999, 12, 31));
    return last;
}

QString DateFieldText(int day)
{
    std::string text;
    WrittenMonth months;
    appendDateField(text, day, Utf8Of(Regional::dateSeparator()), months);
    return QString::fromStdString(text);
}

void ReadDataFile(QIODevice &device, const QString &sourceName, const std::function<void(DayRecord &)> &add)
{
    ReadDataFile(readAllBytes(device, sourceName), sourceName, add);
}

QByteArray ReadDataFileBytes(const QString &path)
{
    QByteArray bytes = ReadRegularFile(path, MaxDataFileBytes);
    refuseNulBytes(bytes, path);
    return bytes;
}

void ReadDataFile(
    const QByteArray &bytes, const QString &sourceName, const std::function<void(DayRecord &)> &add)
{
    refuseNulBytes(bytes, sourceName);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *const end = p + bytes.size();
    if (end - p >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        p += 3;

    const bool utf8 = isValidUtf8(p, end);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QChar dateSep = Regional::dateSeparator();
    const QChar timeSep = Regional::timeSeparator();

    MonthCache months;
    std::vector<QChar> buffer;
    qsizetype lineNumber = 0;
    // Remember where the next LF is, so that a file of lone CRs is not
    // searched to its end for every line.
    const auto findLineFeed = [end](const unsigned char *from) {
        const auto *found = static_cast<const unsigned char *>(std::memchr(from, '\n', end - from));
        return found ? found : end;
    };
    const unsigned char *nextLineFeed = findLineFeed(p);
    while (p < end) {
        if (nextLineFeed < p)
            nextLineFeed = findLineFeed(p);
        const auto *cr = static_cast<const unsigned char *>(std::memchr(p, '\r', nextLineFeed - p));
        const unsigned char *lineEnd = cr ? cr : nextLineFeed;
        ++lineNumber;

        const QStringView line = decodeLine(p, lineEnd, utf8, decoder, buffer);

        if (!TrimmedView(line).isEmpty()) {
            DayRecord record;
            bool dated = false;
            try {
                parseLine(line, dateSep, timeSep, months, record, dated);
            } catch (const HourframeError &error) {
                // The day of a line that fails part way is kept with the
                // fields read before the failing one, so what the file holds
                // up to that point is all there.
                if (dated)
                    add(record);
                const QString line = QCoreApplication::translate("DataFile", "line %1: %2")
                                         .arg(QString::number(lineNumber), error.message());
                const QString where
                    = sourceName.isEmpty() ? line : displayName(sourceName) + QStringLiteral(", ") + line;
                if (dynamic_cast<const RangeError *>(&error))
                    throw RangeError(where);
                throw ConversionError(where);
            }
            add(record);
        }

        p = lineEnd;
        if (p < end) {
            if (*p == '\r' && p + 1 < end && p[1] == '\n')
                p += 2;
            else
                ++p;
        }
    }
}

void WriteDataFile(QIODevice &device, const QString &targetName, const QList<DayRecord> &records)
{
    const std::string dateSep = Utf8Of(Regional::dateSeparator());
    const std::string timeSep = Utf8Of(Regional::timeSeparator());
    TChunkedWriter out(device, fileInMessages(targetName));
    WrittenMonth months;
    for (const DayRecord &record : records) {
        if (IsEmptyRecord(record))
            continue;
        appendLine(out.Buffer(), record, dateSep, timeSep, months);
        out.LineDone();
    }
    out.Flush();
}
