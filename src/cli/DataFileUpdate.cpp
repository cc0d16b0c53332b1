#include "cli/DataFileUpdate.h"

#include "core/DataFile.h"
#include "core/Errors.h"
#include "core/ReplaceFile.h"
#include "core/TimeRecorder.h"

#include <QBuffer>
#include <QDir>

using namespace Qt::StringLiterals;

namespace Cli {

QByteArray LoadForUpdate(TTimeRecorder &recorder, const QString &path)
{
    const QByteArray content = ReadDataFileBytes(path);
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    recorder.LoadFromDevice(buffer, path);
    return content;
}

void SaveIfUnchanged(TTimeRecorder &recorder, const QString &path, const QByteArray &asRead)
{
    ReplaceFile(path, [&](QIODevice &file) {
        recorder.SaveToDevice(file, path);
        // Compared as late as possible: only the rename of the commit follows.
        if (ReadDataFileBytes(path) != asRead)
            throw IoError(u"%1 changed on disk while it was being updated; nothing was written"_s.arg(
                QDir::toNativeSeparators(path)));
        return true;
    });
}

} // namespace Cli
