#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Replaces the file at path with what write puts on the device, in one step:
// until write has finished and the new file is complete on disk, the
// previous file stays as it was. write returns false to give up, which leaves
// the previous file too. Every write to the device goes straight to the file
// (the device is unbuffered), so a write that fails fails where it is made.
//
// A failure is an IoError naming the file and the cause, with the cause as its
// reason ("No space left on device", "File too large", "Read-only file
// system"): a target that exists and is not a regular file (a folder, a
// device, a named pipe, a socket; never opened), a file that cannot be
// created, a write the device refused, a commit that failed. A name too long
// for the temporary file beside it is written under a shorter temporary name.
// Returns whether the file was replaced.
bool ReplaceFile(const QString &path, const std::function<bool(QIODevice &)> &write);

// The whole content of a regular file of at most maxBytes bytes. Anything
// else is an IoError naming the file and the cause, before anything is read:
// a folder, device, named pipe or socket (checked before it is opened, and
// opened without waiting, so a pipe with no writer never blocks), a file
// larger than maxBytes, one that cannot be opened or read.
QByteArray ReadRegularFile(const QString &path, qint64 maxBytes);
