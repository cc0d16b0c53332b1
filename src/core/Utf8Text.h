#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <string>

// Building text files as UTF-8 bytes in memory, for writers that produce
// thousands of lines: appending to one byte buffer costs a fraction of
// building a QString per line and converting it.

// Appends text as UTF-8. A lone surrogate cannot be written in UTF-8 and
// becomes U+FFFD. CR and LF become blanks, so that a text can never break
// the line it is written on in two, and so does NUL, which no reader of a
// text file expects.
void AppendUtf8Text(std::string &out, QStringView text);

// Appends a decimal number, with "-" when negative.
void AppendDecimal(std::string &out, qint64 n);

// The UTF-16 counterpart, for long texts that stay text (report lines): a
// std::u16string keeps its room from line to line, and appending to it is a
// copy, where appending to a QString is a call into QtCore for every piece.
inline void AppendText(std::u16string &out, QStringView text)
{
    out.append(reinterpret_cast<const char16_t *>(text.utf16()), static_cast<std::size_t>(text.size()));
}

// One character as UTF-8.
std::string Utf8Of(QChar c);
