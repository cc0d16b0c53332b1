#pragma once

#include "core/TimeText.h"

#include <QLabel>
#include <QLineEdit>

// An entry field for one time in minutes: an arrival, a departure, a lunch
// break, extra or holiday hours. The value follows the text: every change of
// the text, typed or written by Redisplay, reads the value back from it.
class TTimeEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TTimeEdit(QWidget *parent = nullptr);

    // The minutes last read from the text or written; -1 when blank.
    int Value() const { return m_value; }

    double AsMinutes() const { return m_value; }
    // Rounds to a whole minute (ties to even), stores it and redisplays. A
    // value that cannot be held in minutes is a RangeError.
    void SetAsMinutes(double minutes);

    // Rounding step of the shown text in minutes; 0 shows the exact value.
    quint32 RoundTo() const { return m_roundTo; }
    void SetRoundTo(quint32 roundTo);

    TTimeEditKind TimeKind() const { return m_timeKind; }
    void SetTimeKind(TTimeEditKind kind);

    bool BlankIfZero() const { return m_blankIfZero; }
    void SetBlankIfZero(bool blank);

    bool BlankIfSubZero() const { return m_blankIfSubZero; }
    void SetBlankIfSubZero(bool blank);

    // The most characters typing may leave in the field; 0 for no limit. A
    // value the program shows is never cut to it: a stored 100:30 reads
    // "100:30", and the user can shorten such a text but not lengthen it.
    int MaxTypedLength() const { return m_maxTypedLength; }
    void SetMaxTypedLength(int length);

    // Whether the text reads as a time of this field's kind; a blank text is valid.
    bool IsValidTime() const;
    // Whether the text holds nothing but blanks and control characters.
    bool IsBlank() const;

    // Writes the value as text (rounded to RoundTo), only when the text differs.
    void Redisplay();

    // Writes the current time of day to AsMinutes.
    void EnterCurrentTime();

Q_SIGNALS:
    // After every change of the text, once the value has been read back.
    void OnChange();

private:
    void TextChanged(const QString &text);
    QString DisplayText() const;

    int m_value = -1;
    int m_maxTypedLength = 0;
    // The longest text an edit may leave: the typing limit, or the length of
    // a longer text the program wrote, shrinking as the user shortens it.
    int m_allowedLength = 0;
    bool m_showsLongText = false;
    quint32 m_roundTo = 1;
    TTimeEditKind m_timeKind = tkTimeOfDay;
    bool m_blankIfZero = false;
    bool m_blankIfSubZero = false;
};

// A computed time shown as signed hours and minutes (" 7:30", "-0:45"): the
// day's hours, its deviation from the target, the weekly figures.
class TTimeLabel : public QLabel {
    Q_OBJECT

public:
    explicit TTimeLabel(QWidget *parent = nullptr);

    // The magnitude of the shown value as a fraction of a day. Writing it
    // leaves the sign as it was.
    double Time() const { return m_time; }
    void SetTime(double time);

    // Whether the value last given through SetAsMinutes was negative.
    bool IsNegative() const { return m_negative; }

    // Reading gives the magnitude in whole minutes (ties to even), without the sign.
    double AsMinutes() const;
    void SetAsMinutes(double minutes);

    bool BlankIfZero() const { return m_blankIfZero; }
    void SetBlankIfZero(bool blank);

    bool BlankIfSubZero() const { return m_blankIfSubZero; }
    void SetBlankIfSubZero(bool blank);

private:
    void Redisplay();

    double m_time = 0;
    bool m_negative = false;
    bool m_blankIfZero = false;
    bool m_blankIfSubZero = false;
};
