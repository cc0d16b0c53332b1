#pragma once

#include "settings/NtRegistry.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Preparing and inspecting the per-user store file as a user or a script would.
namespace StoreFile {

inline QString path()
{
    return TNTRegistry::DefaultStorePath();
}

// Writes the application's key with the given value lines, in the file's own syntax.
inline void writeAppKey(const QByteArray &valueLines)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    QFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("Windows Registry Editor Version 5.00\n\n"
               "[HKEY_CURRENT_USER\\Software\\Orvane Software\\Hourframe]\n"
        + valueLines);
}

inline QByteArray bytes()
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString text()
{
    return QString::fromUtf8(bytes());
}

// Sets the file's modification time far back, so that a replacement shows
// however fast it follows.
inline const QDateTime &agedTime()
{
    static const QDateTime time(QDate(2001, 2, 3), QTime(4, 5, 6));
    return time;
}

inline bool age()
{
    QFile file(path());
    return file.open(QIODevice::ReadWrite) && file.setFileTime(agedTime(), QFileDevice::FileModificationTime);
}

inline bool untouchedSinceAged()
{
    return QFileInfo(path()).lastModified() == agedTime();
}

// An accessor of its own on the application's key, like a second program.
inline TNTRegistry appKey()
{
    TNTRegistry registry(path());
    registry.OpenKey(QStringLiteral("\\Software\\Orvane Software\\Hourframe"), false);
    return registry;
}

} // namespace StoreFile
