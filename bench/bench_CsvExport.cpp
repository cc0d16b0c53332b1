// Exporting 10 and 100 years of realistic data to a CSV file, against a
// floor: the same rows built with std::string appends and written to a file
// with fwrite, which is as little as any writer of these rows can do.

#include "RealisticData.h"

#include "core/DayHours.h"
#include "core/DayNumber.h"
#include "core/TimeRecorder.h"
#include "export/CsvExport.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

const BenchData::Size Sizes[] = { BenchData::TenYears, BenchData::HundredYears };

std::unique_ptr<QTemporaryDir> folder;
std::unique_ptr<TTimeRecorder> stores[2];
int lastDays[2];

int firstDay(int size)
{
    return DayNumber::fromDate(Sizes[size].firstDay);
}

void appendTwo(std::string &out, int n)
{
    out += char('0' + n / 10);
    out += char('0' + n % 10);
}

void appendNumber(std::string &out, long long n)
{
    char digits[20];
    int i = sizeof digits;
    do {
        digits[--i] = char('0' + n % 10);
        n /= 10;
    } while (n != 0);
    out.append(digits + i, sizeof digits - i);
}

void appendClock(std::string &out, long long minutes)
{
    if (minutes < 600)
        out += '0';
    appendNumber(out, minutes / 60);
    out += ':';
    appendTwo(out, int(minutes % 60));
}

// The rows of the default options (every column, headings, blank workdays,
// totals) for dd/MM/yyyy and ":", written straight.
void floorExport(const TTimeRecorder &store, int first, int last, const char *path)
{
    static const int targets[7] = { 0, 450, 450, 450, 450, 420, 0 };
    std::string out = "Date,Arrive,Depart,Lunch,Extra,Holiday,Hours,Deviation,Comment\r\n";
    long long totalHours = 0;
    long long totalHolidays = 0;
    const DayRecord blank;
    QDate date = DayNumber::toDate(first);
    for (int day = first; day <= last; ++day, date = date.addDays(1)) {
        const int index = store.FindDay(day);
        const DayRecord *r = index >= 0 ? &store.Record(index) : &blank;
        if (!(r->Arrive >= 0 || r->Depart >= 0 || r->Extra > 0 || r->Holiday > 0 || !r->Comment.isEmpty())) {
            if (DayNumber::isWeekend(day))
                continue;
            r = &blank;
        }
        int year = 0, month = 0, dayOfMonth = 0;
        date.getDate(&year, &month, &dayOfMonth);
        appendTwo(out, dayOfMonth);
        out += '/';
        appendTwo(out, month);
        out += '/';
        appendNumber(out, year);
        out += ',';
        if (r->Arrive >= 0)
            appendClock(out, r->Arrive);
        out += ',';
        if (r->Depart >= 0)
            appendClock(out, r->Depart);
        for (int value : { r->Lunch, r->Extra, r->Holiday }) {
            out += ',';
            if (value > 0)
                appendClock(out, value);
        }
        out += ',';
        const long long hours = DayHours(*r);
        if (hours > 0)
            appendClock(out, hours);
        out += ',';
        const long long deviation = hours - targets[DayNumber::dayOfWeek(day) - 1];
        if (deviation == 0) {
            out += ' ';
        } else {
            out += deviation > 0 ? '+' : '-';
            appendClock(out, deviation > 0 ? deviation : -deviation);
        }
        out += ',';
        const QString &c = r->Comment;
        if (!c.isEmpty()
            && (c.front() <= u' ' || c.back() <= u' ' || c.contains(u',') || c.contains(u'"')
                || c.contains(u'\r') || c.contains(u'\n'))) {
            out += '"';
            out += QString(r->Comment).replace(u'"', QStringLiteral("\"\"")).toStdString();
            out += '"';
        } else {
            out += r->Comment.toStdString();
        }
        out += "\r\n";
        if (hours > 0)
            totalHours += hours;
        totalHolidays += r->Holiday;
    }
    out += "Total,,,,,";
    if (totalHolidays > 0)
        appendClock(out, totalHolidays);
    out += ',';
    if (totalHours > 0)
        appendClock(out, totalHours);
    out += "\r\n";
    std::FILE *file = std::fopen(path, "wb");
    std::fwrite(out.data(), 1, out.size(), file);
    std::fclose(file);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool prepare()
{
    folder = std::make_unique<QTemporaryDir>();
    for (int i = 0; i < 2; ++i) {
        stores[i] = std::make_unique<TTimeRecorder>();
        BenchData::fillRealistic(*stores[i], firstDay(i), Sizes[i].lines);
        lastDays[i] = stores[i]->Record(stores[i]->Count() - 1).Date;
        const QString exported = folder->filePath(QStringLiteral("export.csv"));
        const QString floor = folder->filePath(QStringLiteral("floor.csv"));
        ExportCsvFile(exported, *stores[i], firstDay(i), lastDays[i], TCsvExportOptions());
        floorExport(*stores[i], firstDay(i), lastDays[i], floor.toLocal8Bit().constData());
        const QByteArray bytes = readBytes(exported);
        const bool same = bytes == readBytes(floor);
        std::printf("%-10s %6lld rows %8lld bytes, the floor writes the same bytes: %s\n", Sizes[i].name,
            static_cast<long long>(bytes.count('\n')), static_cast<long long>(bytes.size()),
            same ? "yes" : "NO");
        if (!same)
            return false;
    }
    return true;
}

void BM_Floor_StringAppend(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    const QByteArray path = folder->filePath(QStringLiteral("floor.csv")).toLocal8Bit();
    for (auto _ : state)
        floorExport(*stores[size], firstDay(size), lastDays[size], path.constData());
    state.SetLabel(Sizes[size].name);
}

void BM_ExportCsvFile(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    const QString path = folder->filePath(QStringLiteral("export.csv"));
    for (auto _ : state)
        ExportCsvFile(path, *stores[size], firstDay(size), lastDays[size], TCsvExportOptions());
    state.SetLabel(Sizes[size].name);
}

// The writing without the file: the rows into memory.
void BM_WriteCsvExport_Memory(benchmark::State &state)
{
    const int size = static_cast<int>(state.range(0));
    QByteArray bytes;
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        WriteCsvExport(buffer, *stores[size], firstDay(size), lastDays[size], TCsvExportOptions());
    }
    state.SetLabel(Sizes[size].name);
}

BENCHMARK(BM_Floor_StringAppend)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsvFile)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteCsvExport_Memory)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    const Regional::Override regional(BenchData::settings());
    if (!prepare())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
