#include "cli/DataFileUpdate.h"
#include "core/DataFile.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/TimeRecorder.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDataFileUpdate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A file changed between reading and saving keeps the change; an
    // unchanged one takes the new content.
    void saveIfUnchanged_data()
    {
        QTest::addColumn<QByteArray>("meanwhile");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("unchanged") << QByteArray() << QByteArray("2/12/2026,8:30,17:\r\n");
        QTest::newRow("changed meanwhile")
            << QByteArray("2/12/2026,8:30,16:\r\n") << QByteArray("2/12/2026,8:30,16:\r\n");
    }

    void saveIfUnchanged()
    {
        QFETCH(QByteArray, meanwhile);
        QFETCH(QByteArray, after);
        const Regional::Override regional(TestSupport::englishSettings());
        QTemporaryDir dir;
        const QString path = dir.filePath(u"times.hf"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2/12/2026,8:30\r\n");
        file.close();

        TTimeRecorder recorder;
        const QByteArray asRead = Cli::LoadForUpdate(recorder, path);
        recorder.SetDepart(DayNumber::fromDate(QDate(2026, 12, 2)), 1020);
        if (!meanwhile.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(meanwhile);
            file.close();
            QVERIFY_THROWS_EXCEPTION(IoError, Cli::SaveIfUnchanged(recorder, path, asRead));
        } else {
            Cli::SaveIfUnchanged(recorder, path, asRead);
        }
        QCOMPARE(ReadDataFileBytes(path), after);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { u"times.hf"_s });
    }
};

QTEST_GUILESS_MAIN(TestDataFileUpdate)
#include "tst_DataFileUpdate.moc"
