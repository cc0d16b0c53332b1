#pragma once

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <string>

class QIODevice;

// Writes all of the bytes to the device, the rest of a short write again,
// until the device takes no more: then an IoError "Cannot write <what>:
// <reason>" with the system's reason ("No space left on device", "File too
// large"). A disk that fills up or a file size limit takes part of a write
// without an error; only the next write tells why.
void WriteAll(QIODevice &device, const char *data, qint64 size, const QString &what);

// A text file built as UTF-8 in memory and handed to its device a chunk of
// whole lines at a time: a long file is never held whole, and every chunk is
// written to its end with WriteAll. The data file, the CSV export, the report
// text and the command line's output are all written through one.
class TChunkedWriter {
public:
    static constexpr std::size_t ChunkSize = std::size_t(1) << 16;

    // what names the target in messages.
    TChunkedWriter(QIODevice &device, QString what);
    TChunkedWriter(const TChunkedWriter &) = delete;
    TChunkedWriter &operator=(const TChunkedWriter &) = delete;

    // The bytes not written yet; a writer appends its lines here.
    std::string &Buffer() { return m_buffer; }
    // After each line: writes the chunk once it is full.
    void LineDone()
    {
        if (m_buffer.size() >= ChunkSize)
            Flush();
    }
    // Writes what is left. A writer's last step: what it has not flushed is
    // not in the file.
    void Flush();

private:
    QIODevice &m_device;
    QString m_what;
    std::string m_buffer;
};
