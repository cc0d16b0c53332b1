#include "core/DataFile.h"
#include "core/DayMerge.h"
#include "core/Errors.h"
#include "core/SharedDataFile.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QList<DayRecord> records(const QByteArray &lines)
{
    return DataFileRecords(lines, {});
}

QByteArray lines(const QList<DayRecord> &records)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteDataFile(buffer, {}, records);
    return buffer.data();
}

} // namespace

class TestDayMerge : public QObject {
    Q_OBJECT

    const Regional::Override regional { TestSupport::englishSettings() };

private Q_SLOTS:
    // Each side as data file lines; the result as the file is written.
    void merge_data()
    {
        QTest::addColumn<QByteArray>("base");
        QTest::addColumn<QByteArray>("mine");
        QTest::addColumn<QByteArray>("theirs");
        QTest::addColumn<QStringList>("takeTheirs");
        QTest::addColumn<QByteArray>("merged");
        QTest::addColumn<QStringList>("conflicts");
        const QByteArray d1 = "1/12/2026,8:,17:\r\n";
        const QByteArray d2 = "2/12/2026,8:30\r\n";
        const QByteArray d3 = "3/12/2026,,,,,8:,\"Day off\"\r\n";
        const QByteArray d1Late = "1/12/2026,9:,17:\r\n";
        const QByteArray d1Early = "1/12/2026,7:,17:\r\n";
        const QStringList none;
        const QStringList first { u"1/12/2026"_s };
        QTest::newRow("nobody changed anything") << d1 + d2 << d1 + d2 << d1 + d2 << none << d1 + d2 << none;
        QTest::newRow("mine only") << d1 + d2 << d1Late + d2 << d1 + d2 << none << d1Late + d2 << none;
        QTest::newRow("theirs only") << d1 + d2 << d1 + d2 << d1Late + d2 << none << d1Late + d2 << none;
        QTest::newRow("each side its own day")
            << d1 + d2 << d1Late + d2 << d1 + QByteArray("2/12/2026,8:30,16:\r\n") << none
            << d1Late + "2/12/2026,8:30,16:\r\n"
            << none;
        QTest::newRow("both the same") << d1 << d1Late << d1Late << none << d1Late << none;
        QTest::newRow("both differently: mine kept") << d1 << d1Late << d1Early << none << d1Late << first;
        QTest::newRow("both differently: theirs taken")
            << d1 << d1Late << d1Early << first << d1Early << first;
        QTest::newRow("added by mine") << d1 << d1 + d2 << d1 << none << d1 + d2 << none;
        QTest::newRow("added by theirs, in date order")
            << d2 << d2 + d3 << d1 + d2 << none << d1 + d2 + d3 << none;
        QTest::newRow("added by both alike") << QByteArray() << d2 << d2 << none << d2 << none;
        QTest::newRow("added by both differently")
            << QByteArray() << d1Late << d1Early << none << d1Late << first;
        QTest::newRow("cleared by theirs") << d1 + d2 << d1 + d2 << d2 << none << d2 << none;
        QTest::newRow("cleared by mine, changed by theirs")
            << d1 << QByteArray() << d1Late << none << QByteArray() << first;
        QTest::newRow("changed by mine, cleared by theirs: theirs taken")
            << d1 << d1Late << QByteArray() << first << QByteArray() << first;
        // A day left with nothing in it (a date alone) is no day at all.
        QTest::newRow("a day emptied is a day cleared")
            << d2 << QByteArray("2/12/2026\r\n") << d2 + d3 << none << d3 << none;
        QTest::newRow("comment only") << d3 << d3 << QByteArray("3/12/2026,,,,,8:,\"Day off, sick\"\r\n")
                                      << none << QByteArray("3/12/2026,,,,,8:,\"Day off, sick\"\r\n") << none;
        QTest::newRow("comment in other letter case")
            << d3 << QByteArray("3/12/2026,,,,,8:,\"day off\"\r\n")
            << QByteArray("3/12/2026,,,,,8:,\"DAY OFF\"\r\n") << none
            << QByteArray("3/12/2026,,,,,8:,\"day off\"\r\n") << QStringList { u"3/12/2026"_s };
        // A date on two lines is one day of two records, kept as a whole.
        const QByteArray twice = "1/12/2026,8:\r\n1/12/2026,13:\r\n";
        QTest::newRow("repeated date untouched")
            << twice + d2 << twice + QByteArray("2/12/2026,9:\r\n") << twice + d2 << none
            << twice + QByteArray("2/12/2026,9:\r\n") << none;
        QTest::newRow("repeated date, its second line changed by theirs")
            << twice << twice << QByteArray("1/12/2026,8:\r\n1/12/2026,14:\r\n") << none
            << QByteArray("1/12/2026,8:\r\n1/12/2026,14:\r\n") << none;
        QTest::newRow("repeated date against one line") << twice << twice << d1 << none << d1 << none;
        QTest::newRow("repeated date changed by both")
            << twice << d1 << QByteArray("1/12/2026,8:\r\n") << none << d1 << first;
        // Two-way, as for a sync tool's copy: no base.
        QTest::newRow("copy adds a day")
            << QByteArray() << d1 + d2 << d2 + d3 << none << d1 + d2 + d3 << none;
        QTest::newRow("copy differs on a day")
            << QByteArray() << d1 + d2 << d1Late + d2 << none << d1 + d2 << first;
    }

    void merge()
    {
        QFETCH(QByteArray, base);
        QFETCH(QByteArray, mine);
        QFETCH(QByteArray, theirs);
        QFETCH(QStringList, takeTheirs);
        QFETCH(QByteArray, merged);
        QFETCH(QStringList, conflicts);
        QSet<int> chosen;
        for (const QString &date : takeTheirs)
            chosen.insert(ParseStoredDate(date));
        const DayMergeResult result = MergeDays(records(base), records(mine), records(theirs), chosen);
        QCOMPARE(lines(result.records), merged);
        QStringList dates;
        for (const DayConflict &conflict : result.conflicts)
            dates.append(DateFieldText(conflict.date));
        QCOMPARE(dates, conflicts);
    }

    // The window's store keeps an edited new day at its end and can hold
    // what the file cannot: such a day is compared as the file would hold it.
    void mineIsComparedInFileForm()
    {
        QList<DayRecord> mine = records("1/12/2026,8:,,,,,\"A B\"\r\n3/12/2026,9:\r\n");
        DayRecord added;
        added.Date = ParseStoredDate(u"2/12/2026");
        added.Lunch = -1;
        added.Comment = u"x"_s;
        mine.append(added);
        mine[0].Comment = u"A\nB"_s;
        const DayMergeResult result = MergeDays(records("1/12/2026,8:,,,,,\"A B\"\r\n"), mine,
            records("1/12/2026,8:,,,,,\"A B\"\r\n4/12/2026,10:\r\n"));
        QVERIFY(result.conflicts.isEmpty());
        QCOMPARE(lines(result.records),
            "1/12/2026,8:,,,,,\"A B\"\r\n2/12/2026,,,,,,\"x\"\r\n3/12/2026,9:\r\n4/12/2026,10:\r\n");
    }

    void conflictCopyNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<bool>("copy");
        QTest::newRow("Syncthing") << u"work.sync-conflict-20261202-083000-ABCDEF7.hf"_s << u"work.hf"_s
                                   << true;
        QTest::newRow("Nextcloud") << u"work (conflicted copy 2026-12-02 083000).hf"_s << u"work.hf"_s
                                   << true;
        QTest::newRow("Dropbox") << u"work (Ann's conflicted copy 2026-12-02).hf"_s << u"work.hf"_s << true;
        QTest::newRow("no extension") << u"work.sync-conflict-1"_s << u"work"_s << true;
        QTest::newRow("the file itself") << u"work.hf"_s << u"work.hf"_s << false;
        QTest::newRow("another file's copy") << u"home (conflicted copy).hf"_s << u"work.hf"_s << false;
        QTest::newRow("a copy of another kind") << u"work (copy).hf"_s << u"work.hf"_s << false;
        QTest::newRow("other extension") << u"work.sync-conflict-1.csv"_s << u"work.hf"_s << false;
        QTest::newRow("merged already") << u"work.sync-conflict-1.merged"_s << u"work"_s << false;
        QTest::newRow("wildcards in the name")
            << u"w*rk [1] (conflicted copy).hf"_s << u"w*rk [1].hf"_s << true;
    }

    void conflictCopyNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, dataFile);
        QFETCH(bool, copy);
        QCOMPARE(IsConflictCopyName(name, dataFile), copy);
    }

    // A lock another program holds makes a writer wait; one whose program
    // has ended is taken over at once.
    void lock_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("taken");
        QTest::newRow("free") << u"nothing"_s << true;
        QTest::newRow("held by a running program") << u"held"_s << false;
        QTest::newRow("left by a program that ended") << u"ended"_s << true;
        QTest::newRow("left empty long ago") << u"empty"_s << true;
    }

    void lock()
    {
        QFETCH(QString, left);
        QFETCH(bool, taken);
        QTemporaryDir dir;
        const TestSupport::TemporaryHome home;
        const QString data = dir.filePath(u"work.hf"_s);
        const QString lockPath = DataFileLockPath(data);
        QVERIFY(lockPath.startsWith(home.path()));
        // Named alike however the file is reached.
        QCOMPARE(DataFileLockPath(dir.path() + u"/./work.hf"_s), lockPath);
        QLockFile held(lockPath);
        if (left == u"held")
            QVERIFY(held.tryLock(0));
        QByteArray info; // a lock file as a program leaves it when it dies holding it
        if (left == u"ended") {
            QVERIFY(held.tryLock(0));
            info = TestSupport::readFile(lockPath);
            held.unlock();
            info.replace(0, info.indexOf('\n'), "999999999");
        }
        if (left == u"ended" || left == u"empty") {
            TestSupport::writeFile(lockPath, info);
            QFile file(lockPath);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(
                QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        }
        if (taken) {
            const TDataFileLock lock(data, 2000);
            QVERIFY(!QLockFile(lockPath).tryLock(0));
        } else {
            QVERIFY_THROWS_EXCEPTION(IoError, TDataFileLock(data, 200));
        }
    }
};

QTEST_GUILESS_MAIN(TestDayMerge)
#include "tst_DayMerge.moc"
