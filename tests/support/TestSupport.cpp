#include "support/TestSupport.h"

#include "core/DayNumber.h"
#include "core/TimeRecorder.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace TestSupport {

int day(int year, int month, int dayOfMonth)
{
    return DayNumber::fromDate(QDate(year, month, dayOfMonth));
}

QByteArray saved(TTimeRecorder &store)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    store.SaveToDevice(buffer);
    return buffer.data();
}

void load(TTimeRecorder &store, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    store.LoadFromDevice(buffer);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Regional::Settings englishSettings()
{
    Regional::Settings s;
    s.timeSeparator = u':';
    s.dateSeparator = u'/';
    s.shortDateFormat = QStringLiteral("dd/MM/yyyy");
    s.shortMonthNames = QStringList { QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
        QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"),
        QStringLiteral("Aug"), QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"),
        QStringLiteral("Dec") };
    s.longMonthNames = QStringList { QStringLiteral("January"), QStringLiteral("February"),
        QStringLiteral("March"), QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
        QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December") };
    s.shortDayNames = QStringList { QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"),
        QStringLiteral("Wed"), QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat") };
    s.longDayNames = QStringList { QStringLiteral("Sunday"), QStringLiteral("Monday"),
        QStringLiteral("Tuesday"), QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
        QStringLiteral("Friday"), QStringLiteral("Saturday") };
    s.twoDigitYearWindow = 50;
    return s;
}

Regional::Settings withDateFormat(QChar separator, const QString &shortDateFormat)
{
    Regional::Settings s = englishSettings();
    s.dateSeparator = separator;
    s.shortDateFormat = shortDateFormat;
    return s;
}

TemporaryHome::TemporaryHome()
    : m_oldConfig(qgetenv("XDG_CONFIG_HOME"))
    , m_oldData(qgetenv("XDG_DATA_HOME"))
    , m_oldRuntime(qgetenv("XDG_RUNTIME_DIR"))
{
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", m_dir.filePath(QStringLiteral("runtime")).toLocal8Bit());
}

TemporaryHome::~TemporaryHome()
{
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
    qputenv("XDG_DATA_HOME", m_oldData);
    qputenv("XDG_RUNTIME_DIR", m_oldRuntime);
}

QString TemporaryHome::configHome() const
{
    return m_dir.filePath(QStringLiteral("config"));
}

QString TemporaryHome::dataHome() const
{
    return m_dir.filePath(QStringLiteral("data"));
}

} // namespace TestSupport
