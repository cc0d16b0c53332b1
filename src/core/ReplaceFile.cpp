#include "core/ReplaceFile.h"

#include "core/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Text {
    Q_DECLARE_TR_FUNCTIONS(ReplaceFile)
};

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What a path names when it is not a regular file; empty when it is one.
QString notAFile(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return Text::tr("it is a folder, not a file");
    if (S_ISFIFO(mode))
        return Text::tr("it is a named pipe, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Text::tr("it is a device, not a file");
    if (S_ISSOCK(mode))
        return Text::tr("it is a socket, not a file");
    return Text::tr("it is not a regular file");
}

// form is a translated "... %1: %2", the file and the reason.
IoError failure(const QString &form, const QString &path, const QString &reason)
{
    return IoError(form.arg(QDir::toNativeSeparators(path), reason), reason);
}

QString cannotSave()
{
    return Text::tr("Cannot save %1: %2");
}

// The longest file name the folder's file system takes.
qsizetype longestName(const QString &folder)
{
    const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return longest > 0 ? qsizetype(longest) : qsizetype(NAME_MAX);
}

// A name for a new file in the folder, short enough for any file system.
QString shortTemporaryName(const QString &folder)
{
    for (;;) {
        const QString name
            = QDir(folder).filePath(QStringLiteral(".hourframe-%1.tmp")
                                        .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
        if (!QFileInfo::exists(name))
            return name;
    }
}

} // namespace

bool ReplaceFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // A device or a named pipe in the file's place is left alone: replacing it
    // with a file would take it away (as root, from the whole system).
    struct stat existing { };
    const bool exists = ::stat(QFile::encodeName(path).constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        throw failure(cannotSave(), path, notAFile(existing.st_mode));

    // The new content goes to a temporary file named after the file, which
    // takes seven characters more than the file's name.
    const QString target = exists ? QFileInfo(path).canonicalFilePath() : path;
    const QString folder = QFileInfo(target).absolutePath();
    const qsizetype nameLength = QFile::encodeName(QFileInfo(target).fileName()).size();
    const qsizetype longest = longestName(folder);
    if (nameLength > longest)
        throw failure(cannotSave(), path, systemReason(ENAMETOOLONG));
    const bool shortName = nameLength + 7 > longest;
    const QString writtenAs = shortName ? shortTemporaryName(folder) : target;

    QSaveFile file(writtenAs);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // For a file it may not replace, Qt says only that it is not
        // writable; the system says why ("Read-only file system").
        const bool refused = exists && ::access(QFile::encodeName(target).constData(), W_OK) != 0;
        throw failure(
            Text::tr("Cannot create %1: %2"), path, refused ? systemReason(errno) : file.errorString());
    }
    if (shortName && exists)
        ::fchmod(file.handle(), existing.st_mode & 07777);
    if (!write(file))
        return false; // the unfinished file is discarded
    // A writer that goes on after a failed write (a PDF writer does) leaves
    // the failure on the device.
    if (file.error() != QFileDevice::NoError)
        throw failure(Text::tr("Cannot write %1: %2"), path, file.errorString());
    if (!file.commit())
        throw failure(cannotSave(), path, file.errorString());
    if (shortName
        && ::rename(QFile::encodeName(writtenAs).constData(), QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        ::unlink(QFile::encodeName(writtenAs).constData());
        throw failure(cannotSave(), path, systemReason(error));
    }
    return true;
}

QByteArray ReadRegularFile(const QString &path, qint64 maxBytes)
{
    const QByteArray native = QFile::encodeName(path);
    const auto openFailure
        = [&](const QString &reason) { return failure(Text::tr("Cannot open %1: %2"), path, reason); };
    const QString tooLarge = Text::tr("it is larger than %1 MB").arg(maxBytes >> 20);
    struct stat info { };
    if (::stat(native.constData(), &info) != 0)
        throw openFailure(systemReason(errno));
    if (!S_ISREG(info.st_mode))
        throw openFailure(notAFile(info.st_mode));
    if (info.st_size > maxBytes)
        throw openFailure(tooLarge);
    // Without waiting: what was a file a moment ago may be a pipe now.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        throw openFailure(systemReason(errno));
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &info) != 0)
        throw openFailure(systemReason(errno));
    if (!S_ISREG(info.st_mode))
        throw openFailure(notAFile(info.st_mode));

    QByteArray data;
    // One byte more than the file holds, so that its end is seen in one read.
    data.resize(qsizetype(std::min<qint64>(info.st_size, maxBytes)) + 1);
    qsizetype used = 0;
    for (;;) {
        if (used == data.size()) {
            if (used > maxBytes)
                throw openFailure(tooLarge);
            data.resize(qsizetype(std::min<qint64>(std::max<qint64>(used * 2, 65536), maxBytes + 1)));
        }
        const ssize_t n = ::read(fd, data.data() + used, std::size_t(data.size() - used));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw failure(Text::tr("Cannot read %1: %2"), path, systemReason(errno));
        }
        if (n == 0)
            break;
        used += n;
    }
    data.truncate(used);
    return data;
}
