#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <utility>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// Writes and reads that fail the way disks, limits and mounts make them fail.
namespace TestSupport {

// A device that takes failAfter bytes and then fails every read and write,
// as a full disk or a vanished network share does: the write that reaches
// the limit takes what fits without an error, the next one fails with reason.
// Reads give line ends up to the limit.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 failAfter = 0, QString reason = QStringLiteral("No space left on device"))
        : m_failAfter(failAfter)
        , m_reason(std::move(reason))
    {
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = taken(maxSize);
        std::fill_n(data, n, '\n');
        return n;
    }
    qint64 writeData(const char *, qint64 maxSize) override { return taken(maxSize); }

private:
    qint64 taken(qint64 wanted)
    {
        const qint64 n = std::min(wanted, m_failAfter - m_done);
        if (n <= 0) {
            setErrorString(m_reason);
            return -1;
        }
        m_done += n;
        return n;
    }

    qint64 m_failAfter;
    qint64 m_done = 0;
    QString m_reason;
};

// A file size limit (RLIMIT_FSIZE) on this process for as long as the object
// lives, with SIGXFSZ ignored as shells and services often have it: a write
// past the limit then fails with "File too large".
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous {};
    void (*m_handler)(int) = SIG_DFL;
};

// A file system of its own mounted on a folder (which must exist and lie in
// the test's temporary folder) for as long as the object lives: a small
// tmpfs, to be filled or made read-only. Mounting needs root (CI runs as
// root); mounted() is false and why() says why elsewhere.
class MountedFolder {
public:
    MountedFolder(const QString &folder, const QByteArray &options)
        : m_folder(QFile::encodeName(folder))
    {
        if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options.constData()) == 0)
            m_mounted = true;
        else
            m_why = "cannot mount a file system here: " + QByteArray(std::strerror(errno));
    }
    ~MountedFolder()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    MountedFolder(const MountedFolder &) = delete;
    MountedFolder &operator=(const MountedFolder &) = delete;

    bool mounted() const { return m_mounted; }
    const char *why() const { return m_why.constData(); }

    // Makes the file system read-only, with what it holds kept.
    bool makeReadOnly()
    {
        return m_mounted
            && ::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    // Fills every free byte with a file of its own.
    void fill()
    {
        QFile filler(QDir(QFile::decodeName(m_folder)).filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) { }
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
    QByteArray m_why;
};

} // namespace TestSupport
