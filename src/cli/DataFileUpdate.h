#pragma once

#include "core/DataFile.h"

#include <QByteArray>
#include <QString>

class TTimeRecorder;

// Changing a data file that someone else may be changing too: the window, a
// second command, an editor.
namespace Cli {

// Loads the store from the file, read by ReadDataFileBytes (core/DataFile.h),
// and returns the bytes it was loaded from, for SaveIfUnchanged: the file is
// read once, so the two cannot differ.
QByteArray LoadForUpdate(TTimeRecorder &recorder, const QString &path);

// Saves the store to the file in one step, but only while the file still
// holds asRead, the bytes the store was loaded from: a change made meanwhile
// is never overwritten, and raises an IoError with the file left as it is.
void SaveIfUnchanged(TTimeRecorder &recorder, const QString &path, const QByteArray &asRead);

} // namespace Cli
