#include "core/Errors.h"

#include <utility>

QString QuotedText(QStringView text)
{
    constexpr qsizetype Longest = 80;
    if (text.size() <= Longest)
        return u'\'' + text.toString() + u'\'';
    qsizetype kept = Longest - 1;
    if (text[kept - 1].isHighSurrogate())
        --kept; // never half a character
    return u'\'' + text.first(kept).toString() + QChar(0x2026) + u'\'';
}

HourframeError::HourframeError(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

IoError::IoError(QString message, QString reason)
    : HourframeError(std::move(message))
    , m_reason(std::move(reason))
{
}
