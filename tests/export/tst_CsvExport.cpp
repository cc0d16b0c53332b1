#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/TimeRecorder.h"
#include "export/CsvExport.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString TestData = QStringLiteral(HOURFRAME_TEST_DATA);

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void load(TTimeRecorder &store, const QByteArray &lines)
{
    QBuffer buffer;
    buffer.setData(lines);
    buffer.open(QIODevice::ReadOnly);
    store.LoadFromDevice(buffer);
}

QByteArray exportText(const TTimeRecorder &store, QDate start, QDate end, const TCsvExportOptions &options)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteCsvExport(buffer, store, DayNumber::fromDate(start), DayNumber::fromDate(end), options);
    return buffer.data();
}

// Columns by letter: Date, Arrive, dePart, Lunch, eXtra, Holiday, hOurs,
// deViation, Comment; flags by word.
TCsvExportOptions optionsFor(const QString &columns, const QString &flags)
{
    TCsvExportOptions o;
    const auto has = [&](QChar c) { return columns.contains(c); };
    o.Date = has(u'D');
    o.ArrivalTime = has(u'A');
    o.DepartureTime = has(u'P');
    o.LunchTime = has(u'L');
    o.ExtraHours = has(u'X');
    o.Holidays = has(u'H');
    o.DailyHours = has(u'O');
    o.Deviation = has(u'V');
    o.Comments = has(u'C');
    const QStringList words = flags.split(u' ', Qt::SkipEmptyParts);
    o.ColumnHeadings = words.contains(u"headings"_s);
    o.WorkDaysWithNoHours = words.contains(u"workdays"_s);
    o.WeekendDaysWithNoHours = words.contains(u"weekends"_s);
    o.CalculateTotalHours = words.contains(u"totals"_s);
    o.IncludeHolsInTotal = words.contains(u"hols"_s);
    return o;
}

// Fails every write, as a full disk does.
class FailingDevice : public QIODevice {
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override
    {
        setErrorString(u"No space left on device"_s);
        return -1;
    }
};

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT

    std::unique_ptr<Regional::Override> regional;

private Q_SLOTS:
    void init() { regional = std::make_unique<Regional::Override>(TestSupport::englishSettings()); }
    void cleanup() { regional.reset(); }

    void workedExampleToFile()
    {
        TTimeRecorder store;
        store.LoadFromFile(TestData + u"/export-example.hf"_s);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"week.csv"_s);
        QFile::copy(TestData + u"/worked-example.hf"_s, path); // replaced whole
        ExportCsvFile(path, store, DayNumber::fromDate(QDate(2026, 11, 30)),
            DayNumber::fromDate(QDate(2026, 12, 6)), TCsvExportOptions());
        QCOMPARE(readFile(path), readFile(TestData + u"/export-example.csv"_s));
    }

    void rows_data()
    {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("expected"); // "\n" stands for CR LF

        const QByteArray week = "30/11/2026,8:30,17:,:30\n1/12/2026,,17:15,,,,\"said \"no\", left\"\n"
                                "3/12/2026,9:,16:30,,,,\"\"quote\"\"\n4/12/2026,,,,,7:\n"
                                "5/12/2026,,,1:\n";
        QTest::newRow("no column") << u""_s << u"headings workdays"_s << week << QByteArray("\n\n\n\n\n\n");
        QTest::newRow("without headings, date or blank days")
            << u"APO"_s << u""_s << week << QByteArray("08:30,17:00,08:00\n,17:15,\n09:00,16:30,07:30\n,,\n");
        QTest::newRow("comment with a comma, quotes doubled; with quotes only, unchanged")
            << u"DC"_s << u""_s << week
            << QByteArray(
                   "30/11/2026,\n01/12/2026,\"said \"\"no\"\", left\"\n03/12/2026,\"quote\"\n04/12/2026,\n");
        QTest::newRow("lunch alone: no row, or a blank one among blank days")
            << u"DLV"_s << u"weekends"_s << week
            << QByteArray("30/11/2026,00:30,+00:30\n01/12/2026,,-07:30\n03/12/2026,, \n"
                          "04/12/2026,,-07:00\n05/12/2026,, \n06/12/2026,, \n");
        QTest::newRow("total without hours column: two cells, holidays counted")
            << u"DA"_s << u"totals hols"_s << week
            << QByteArray("30/11/2026,08:30\n01/12/2026,\n03/12/2026,09:00\n04/12/2026,\nTotal,22:30\n");
        QTest::newRow("total with hours and a holiday column, no date: no label")
            << u"AHO"_s << u"totals hols"_s << week
            << QByteArray("08:30,,08:00\n,,\n09:00,,07:30\n,07:00,\n,07:00,15:30\n");
        QTest::newRow("holidays left out") << u"DO"_s << u"totals"_s << week
                                           << QByteArray("30/11/2026,08:00\n01/12/2026,\n03/12/2026,07:30\n"
                                                         "04/12/2026,\nTotal,15:30\n");
        QTest::newRow("zero totals are empty cells")
            << u"DAHO"_s << u"totals hols"_s << QByteArray("5/12/2026,,,1:\n") << QByteArray("Total,,,\n");
        QTest::newRow("totals beyond 32 bits")
            << u"DXO"_s << u"totals"_s << QByteArray("30/11/2026,,,,35791394:7\n1/12/2026,,,,35791394:7\n")
            << QByteArray("30/11/2026,35791394:07,35791394:07\n01/12/2026,35791394:07,35791394:07\n"
                          "Total,,71582788:14\n");
    }

    void rows()
    {
        QFETCH(QString, columns);
        QFETCH(QString, flags);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, expected);
        TTimeRecorder store;
        load(store, data);
        const QByteArray text
            = exportText(store, QDate(2026, 11, 30), QDate(2026, 12, 6), optionsFor(columns, flags));
        QCOMPARE(text, expected.replace("\n", "\r\n"));
    }

    void regionalFormsComeFromTheOptions()
    {
        TTimeRecorder store;
        load(store, "1/12/2026,8:45,17:15\n");
        TCsvExportOptions options = optionsFor(u"DAO"_s, u""_s);
        options.ShortDateFormat = u"yyyy-MM-dd"_s;
        options.TimeSeparator = u'.';
        QCOMPARE(exportText(store, QDate(2026, 12, 1), QDate(2026, 12, 1), options),
            QByteArray("2026-12-01,08.45,08.30\r\n"));
    }

    void commentReadBackByPythonsCsvModule()
    {
        const QString comment = u"said \"no\", left K\u00f6ln"_s;
        TTimeRecorder store;
        store.SetComment(DayNumber::fromDate(QDate(2026, 12, 1)), comment);
        const QByteArray text
            = exportText(store, QDate(2026, 12, 1), QDate(2026, 12, 1), TCsvExportOptions());

        QProcess python;
        python.start(u"python3"_s,
            { u"-c"_s,
                u"import csv, io, sys\n"
                "rows = list(csv.reader(io.TextIOWrapper(sys.stdin.buffer, encoding='utf-8', newline='')))\n"
                "sys.stdout.buffer.write(rows[1][8].encode('utf-8'))"_s });
        QVERIFY2(python.waitForStarted(), "python3 is installed by scripts/deps.sh");
        python.write(text);
        python.closeWriteChannel();
        QVERIFY(python.waitForFinished());
        QCOMPARE(python.readAllStandardError(), QByteArray());
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()), comment);
    }

    void writeFailureIsAnIoError()
    {
        TTimeRecorder store;
        FailingDevice device;
        device.open(QIODevice::WriteOnly);
        QVERIFY_THROWS_EXCEPTION(IoError,
            WriteCsvExport(device, store, DayNumber::fromDate(QDate(2026, 12, 1)),
                DayNumber::fromDate(QDate(2026, 12, 1)), TCsvExportOptions()));
    }

    void exportFilePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<QString>("expected"); // "~docs" stands for the documents folder
        QTest::newRow("full path") << u"/srv/out/week.csv"_s << u"/home/ann/work.hf"_s
                                   << u"/srv/out/week.csv"_s;
        QTest::newRow("bare name beside the data file")
            << u"week.csv"_s << u"/home/ann/work.hf"_s << u"/home/ann/week.csv"_s;
        QTest::newRow("relative folder beside the data file")
            << u"out/week.csv"_s << u"/home/ann/work.hf"_s << u"/home/ann/out/week.csv"_s;
        QTest::newRow("untitled document") << u"week.csv"_s << QString() << u"~docs/week.csv"_s;
    }

    void exportFilePath()
    {
        QFETCH(QString, name);
        QFETCH(QString, dataFile);
        QFETCH(QString, expected);
        expected.replace(u"~docs"_s, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(ExportFilePath(name, dataFile), expected);
    }
};

QTEST_GUILESS_MAIN(TestCsvExport)
#include "tst_CsvExport.moc"
