#include "core/ChunkedWriter.h"

#include "core/Errors.h"

#include <QCoreApplication>
#include <QIODevice>

#include <utility>

void WriteAll(QIODevice &device, const char *data, qint64 size, const QString &what)
{
    while (size > 0) {
        const qint64 written = device.write(data, size);
        if (written <= 0) {
            const QString reason = device.errorString();
            throw IoError(
                QCoreApplication::translate("ReplaceFile", "Cannot write %1: %2").arg(what, reason), reason);
        }
        data += written;
        size -= written;
    }
}

TChunkedWriter::TChunkedWriter(QIODevice &device, QString what)
    : m_device(device)
    , m_what(std::move(what))
{
    m_buffer.reserve(ChunkSize + 1024);
}

void TChunkedWriter::Flush()
{
    WriteAll(m_device, m_buffer.data(), qint64(m_buffer.size()), m_what);
    m_buffer.clear();
}
