#include "core/ReplaceFile.h"

#include "core/Errors.h"

#include <QDir>
#include <QSaveFile>

bool ReplaceFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    const QString name = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw IoError(QStringLiteral("Cannot create %1: %2").arg(name, file.errorString()));
    if (!write(file))
        return false; // the unfinished file is discarded
    if (!file.commit())
        throw IoError(QStringLiteral("Cannot save %1: %2").arg(name, file.errorString()));
    return true;
}
