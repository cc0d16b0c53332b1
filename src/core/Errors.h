#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <exception>

// A text quoted in single quotes for a message, cut to its first 80
// characters with an ellipsis when longer: a huge field of a file must not
// make a huge message box.
QString QuotedText(QStringView text);

// Failures travel as exceptions of this small hierarchy. A command catches
// the kinds it can handle; the application's general error report shows the
// rest with their own text.
class HourframeError : public std::exception {
public:
    explicit HourframeError(QString message);

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that cannot be read as the number, time or date it should hold.
class ConversionError : public HourframeError {
public:
    using HourframeError::HourframeError;
};

// A number outside the range its use allows.
class RangeError : public HourframeError {
public:
    using HourframeError::HourframeError;
};

// A file that cannot be opened, read, written or committed. reason is the
// cause alone ("No space left on device"), for a message that names the file
// its own way; empty when the message says no more than that it failed.
class IoError : public HourframeError {
public:
    explicit IoError(QString message, QString reason = {});

    const QString &reason() const noexcept { return m_reason; }

private:
    QString m_reason;
};
