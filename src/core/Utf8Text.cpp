#include "core/Utf8Text.h"

#include "core/Errors.h"

#include <QIODevice>

namespace {

void appendCodePoint(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

void AppendUtf8Text(std::string &out, QStringView text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out += (c == u'\r' || c == u'\n') ? ' ' : static_cast<char>(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            appendCodePoint(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            appendCodePoint(out, 0xFFFD);
        } else {
            appendCodePoint(out, c);
        }
    }
}

void AppendDecimal(std::string &out, qint64 n)
{
    char digits[20];
    const bool negative = n < 0;
    quint64 u = negative ? 0u - static_cast<quint64>(n) : static_cast<quint64>(n);
    int i = sizeof digits;
    do {
        digits[--i] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (negative)
        out += '-';
    out.append(digits + i, sizeof digits - i);
}

std::string Utf8Of(QChar c)
{
    std::string s;
    AppendUtf8Text(s, QStringView(&c, 1));
    return s;
}

void WriteUtf8(QIODevice &device, const std::string &bytes, const QString &what)
{
    // A file that fills the disk takes part of a write without an error; only
    // the next write tells why ("No space left on device").
    const char *data = bytes.data();
    qint64 left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        const qint64 written = device.write(data, left);
        if (written <= 0)
            throw IoError(QStringLiteral("Cannot write %1: %2").arg(what, device.errorString()));
        data += written;
        left -= written;
    }
}
