#include "core/Errors.h"
#include "core/TimeRecorder.h"
#include "export/CsvExport.h"
#include "support/FileFailures.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The store loaded from data file lines, exported from 30 November to
// 6 December 2026. Columns by letter: Date, Arrive, dePart, Lunch, eXtra,
// Holiday, hOurs, deViation, Comment; flags by word.
QByteArray exportOf(const QByteArray &lines, const QString &columns, const QString &flags)
{
    TTimeRecorder store;
    TestSupport::load(store, lines);
    TCsvExportOptions o;
    const bool all = columns == u"all"_s;
    bool *const switches[] = { &o.Date, &o.ArrivalTime, &o.DepartureTime, &o.LunchTime, &o.ExtraHours,
        &o.Holidays, &o.DailyHours, &o.Deviation, &o.Comments };
    for (int i = 0; i < 9; ++i)
        *switches[i] = all || columns.contains(u"DAPLXHOVC"_s[i]);
    const QStringList words = flags.split(u' ');
    o.ColumnHeadings = words.contains(u"headings"_s);
    o.WorkDaysWithNoHours = words.contains(u"workdays"_s);
    o.WeekendDaysWithNoHours = words.contains(u"weekends"_s);
    o.CalculateTotalHours = words.contains(u"totals"_s);
    o.IncludeHolsInTotal = words.contains(u"hols"_s);
    if (words.contains(u"comma-date"_s))
        o.ShortDateFormat = u"MMM d, yyyy"_s;
    if (words.contains(u"iso"_s)) {
        o.ShortDateFormat = u"yyyy-MM-dd"_s;
        o.TimeSeparator = u'.';
    }
    if (words.contains(u"names"_s))
        o.ShortDateFormat = u"ddd d MMM yyyy"_s;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    WriteCsvExport(out, store, TestSupport::day(2026, 11, 30), TestSupport::day(2026, 12, 6), o);
    return out.data();
}

QByteArray readFile(const QString &name)
{
    QFile file(QStringLiteral(HOURFRAME_TEST_DATA) + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT

    const Regional::Override regional { TestSupport::englishSettings() };

private Q_SLOTS:
    void rows_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QByteArray>("expected"); // "\n" stands for CR LF

        const QByteArray week = "30/11/2026,8:30,17:,:30\n1/12/2026,,17:15,,,,\"said \"no\", left\"\n"
                                "3/12/2026,9:,16:30,,,,\"\"quote\"\"\n4/12/2026,,,,,7:\n5/12/2026,,,1:\n";
        QTest::newRow("worked example")
            << readFile(u"export-example.hf"_s) << u"all"_s << u"headings workdays totals hols"_s
            << readFile(u"export-example.csv"_s).replace("\r\n", "\n");
        QTest::newRow("no column") << week << u""_s << u"headings workdays"_s << QByteArray("\n\n\n\n\n\n");
        QTest::newRow("no headings, no date: an empty first cell")
            << week << u"APO"_s << u"iso"_s
            << QByteArray("08.30,17.00,08.00\n,17.15,\n09.00,16.30,07.30\n,,\n");
        QTest::newRow("comma or quotes: quoted, quotes doubled")
            << week << u"DC"_s << u""_s
            << QByteArray("30/11/2026,\n01/12/2026,\"said \"\"no\"\", left\"\n03/12/2026,\"\"\"quote\"\"\"\n"
                          "04/12/2026,\n");
        QTest::newRow("day and month names of the regional settings")
            << week << u"DA"_s << u"names"_s
            << QByteArray("Mon 30 Nov 2026,08:30\nTue 1 Dec 2026,\nThu 3 Dec 2026,09:00\nFri 4 Dec 2026,\n");
        QTest::newRow("a date format with a comma: quoted") << QByteArray(
            "1/12/2026,8:") << u"DA"_s << u"comma-date"_s << QByteArray("\"Dec 1, 2026\",08:00\n");
        QTest::newRow("lunch alone: no row, or a blank one")
            << week << u"DLV"_s << u"weekends"_s
            << QByteArray("30/11/2026,00:30,+00:30\n01/12/2026,,-07:30\n03/12/2026,, \n04/12/2026,,-07:00\n"
                          "05/12/2026,, \n06/12/2026,, \n");
        QTest::newRow("no hours column: two total cells, holidays counted")
            << week << u"DA"_s << u"totals hols"_s
            << QByteArray("30/11/2026,08:30\n01/12/2026,\n03/12/2026,09:00\n04/12/2026,\nTotal,22:30\n");
        QTest::newRow("hours and holiday columns, no date: no label")
            << week << u"AHO"_s << u"totals hols"_s
            << QByteArray("08:30,,08:00\n,,\n09:00,,07:30\n,07:00,\n,07:00,15:30\n");
        QTest::newRow("zero totals are empty cells")
            << QByteArray("5/12/2026,,,1:\n") << u"DAHO"_s << u"totals"_s << QByteArray("Total,,,\n");
        QTest::newRow("totals beyond 32 bits")
            << QByteArray("30/11/2026,,,,35791394:7\n1/12/2026,,,,35791394:7\n") << u"DO"_s << u"totals"_s
            << QByteArray("30/11/2026,35791394:07\n01/12/2026,35791394:07\nTotal,71582788:14\n");
    }

    void rows()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, columns);
        QFETCH(QString, flags);
        QFETCH(QByteArray, expected);
        QCOMPARE(exportOf(data, columns, flags), expected.replace("\n", "\r\n"));
    }

    // Read back as other programs read it: each comment whole, and no row
    // swallowed by a quote left open.
    void commentsReadBackByPythonsCsvModule()
    {
        const QStringList comments { u"said \"no\", left K\u00f6ln"_s, u"\"Urgent\" fix"_s, u"\"Unbalanced"_s,
            u" indented"_s, u"trailing "_s, u"Client visit"_s };
        TTimeRecorder store;
        for (int i = 0; i < comments.size(); ++i)
            store.SetComment(TestSupport::day(2026, 12, 1) + i, comments[i]);
        TCsvExportOptions options;
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        WriteCsvExport(csv, store, TestSupport::day(2026, 12, 1), TestSupport::day(2026, 12, 6), options);
        QProcess python;
        python.start(u"python3"_s,
            { u"-c"_s,
                u"import csv, io, json, sys\n"
                "rows = csv.reader(io.TextIOWrapper(sys.stdin.buffer, encoding='utf-8', newline=''))\n"
                "sys.stdout.write(json.dumps([row[-1] for row in rows]))"_s });
        QVERIFY2(python.waitForStarted(), "python3 comes from scripts/deps.sh");
        python.write(csv.data());
        python.closeWriteChannel();
        QVERIFY(python.waitForFinished());
        // The heading row, a row per day, the total row ending in its (empty) hours.
        QCOMPARE(QJsonDocument::fromJson(python.readAll()).toVariant().toStringList(),
            QStringList { u"Comment"_s } + comments + QStringList { QString() });
    }

    void writeFailureIsAnIoError()
    {
        TestSupport::FailingDevice device;
        device.open(QIODevice::WriteOnly);
        QVERIFY_THROWS_EXCEPTION(IoError, WriteCsvExport(device, TTimeRecorder(), 0, 0, TCsvExportOptions()));
    }

    void relativeNamesGoBesideTheDataFileOrIntoDocuments()
    {
        QCOMPARE(ExportFilePath(u"/srv/a.csv"_s, u"/home/ann/w.hf"_s), u"/srv/a.csv"_s);
        QCOMPARE(ExportFilePath(u"out/a.csv"_s, u"/home/ann/w.hf"_s), u"/home/ann/out/a.csv"_s);
        QCOMPARE(ExportFilePath(u"a.csv"_s, QString()),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u"/a.csv"_s);
    }
};

QTEST_GUILESS_MAIN(TestCsvExport)
#include "tst_CsvExport.moc"
