#pragma once

#include "core/TimeRecorder.h"

#include <QByteArray>
#include <QList>
#include <QLockFile>
#include <QString>
#include <QStringList>

#include <optional>

// A data file that more than one program writes: the window, a second window,
// `hourframe punch` and `hourframe merge`, and file-sync tools that bring in
// the copy changed on another computer.
//
// Every Hourframe writer holds the file's TDataFileLock while it compares the
// file with what it last read and replaces it, so that the two are one step.
// The lock file lives in the user's runtime folder ($XDG_RUNTIME_DIR, or the
// temporary folder), named from the file's canonical path: a lock file beside
// the data file would be carried along by the sync tools and by git.

// The file's bytes, or nothing when there is no file at path. A file that is
// there but cannot be read is an IoError.
std::optional<QByteArray> ReadDataFileIfPresent(const QString &path);

// The records of data file bytes in file order; a line that cannot be read
// raises its error naming sourceName.
QList<DayRecord> DataFileRecords(const QByteArray &bytes, const QString &sourceName);

// Where the lock of the data file at path lives.
QString DataFileLockPath(const QString &path);

// Holds the lock of one data file for as long as it lives. Waits while
// another program holds it; a lock left by a program that has ended is
// taken over. Waiting longer than waitMs, or a lock file that cannot be
// made, is an IoError and nothing is locked.
class TDataFileLock {
public:
    explicit TDataFileLock(const QString &path, int waitMs = 10000);
    ~TDataFileLock();
    TDataFileLock(const TDataFileLock &) = delete;
    TDataFileLock &operator=(const TDataFileLock &) = delete;

private:
    QLockFile m_lock;
};

// Whether a file of that name is a conflict copy that a file-sync tool made
// of the data file named dataFileName (names without their folder):
//   work.sync-conflict-20261202-083000-ABCDEF7.hf      (Syncthing)
//   work (conflicted copy 2026-12-02 083000).hf         (Nextcloud, ownCloud, Dropbox)
//   work (Ann's conflicted copy 2026-12-02).hf          (Dropbox)
// A copy already merged and set aside (its name ends in ".merged") is not.
bool IsConflictCopyName(const QString &name, const QString &dataFileName);

// The conflict copies of the data file at path in its folder, full paths in
// order of name.
QStringList FindConflictCopies(const QString &path);

// Moves a copy whose days have been merged out of the way, never deleting
// it: to the desktop's trash when toTrash and the trash takes it, otherwise
// renamed to end in ".merged". Returns where it went; a copy that cannot be
// moved is an IoError.
QString SetAsideMergedCopy(const QString &copy, bool toTrash);
