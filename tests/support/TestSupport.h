#pragma once

#include "core/Regional.h"

#include <QTemporaryDir>

#include <memory>

class TTimeRecorder;

namespace TestSupport {

// The day number of a calendar date.
int day(int year, int month, int dayOfMonth);

// The store's data file as saved to a device, and a store loaded from data
// file bytes; a file that cannot be read throws as loading a file does.
QByteArray saved(TTimeRecorder &store);
void load(TTimeRecorder &store, const QByteArray &bytes);

// A file's bytes, empty when it cannot be read; and a file written with the
// given bytes, its folders created first.
QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

// Day/month/four-digit year with "/", ":" between hours and minutes, English names.
Regional::Settings englishSettings();

// englishSettings() with another date separator and short date format.
Regional::Settings withDateFormat(QChar separator, const QString &shortDateFormat);

// Points XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR (where data file
// locks live) at folders inside a temporary directory for as long as it
// lives, and puts the old values back after.
class TemporaryHome {
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QString path() const { return m_dir.path(); }
    QString configHome() const;
    QString dataHome() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    QByteArray m_oldData;
    QByteArray m_oldRuntime;
};

} // namespace TestSupport
