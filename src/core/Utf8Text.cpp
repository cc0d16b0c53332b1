#include "core/Utf8Text.h"

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

char asciiByte(char16_t c)
{
    return c == u'\r' || c == u'\n' || c == 0 ? ' ' : static_cast<char>(c);
}

} // namespace

void AppendUtf8Text(std::string &out, QStringView text)
{
    const qsizetype n = text.size();
    // Most texts are ASCII without a line break or NUL. They are copied as
    // such in one pass that checks every character on the way, simple enough
    // for the compiler to do many characters at a time; a text that is not
    // is written again below, a character at a time.
    const std::size_t start = out.size();
    out.resize(start + std::size_t(n));
    char *const ascii = out.data() + start;
    const char16_t *const units = text.utf16();
    unsigned other = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = units[i];
        other |= unsigned(c >= 0x80) | unsigned(c == u'\r') | unsigned(c == u'\n') | unsigned(c == 0);
        ascii[i] = static_cast<char>(c);
    }
    if (!other)
        return;
    out.resize(start);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out += asciiByte(c);
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
