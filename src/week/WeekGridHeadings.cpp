#include "week/WeekGrid.h"

#include "core/DateText.h"

#include <QLabel>
#include <QPalette>

// The day headings: the day's name, and in the tool tip and the accessible
// description its date, its public holiday and the working-time rules it breaks.

void TWeekGrid::ShowWeekDates(int weekStart, const std::array<QString, 7> &holidays)
{
    for (std::size_t column = 0; column < 7; ++column) {
        m_headingTexts[column].date = ShortDateText(weekStart + int(column));
        m_headingTexts[column].holiday = holidays[column];
        UpdateHeading(column);
    }
}

void TWeekGrid::ShowBreaches(const std::array<QString, 7> &breaches)
{
    // Most keystrokes change no breach, and a heading set anew is drawn anew.
    for (std::size_t column = 0; column < 7; ++column) {
        if (m_headingTexts[column].breaches == breaches[column])
            continue;
        m_headingTexts[column].breaches = breaches[column];
        UpdateHeading(column);
    }
}

QString TWeekGrid::MarkedCaption(const QString &caption)
{
    return caption + u'!';
}

void TWeekGrid::UpdateHeading(std::size_t column)
{
    QLabel *heading = m_headings[column];
    const HeadingTexts &texts = m_headingTexts[column];
    const bool marked = !texts.breaches.isEmpty();
    QString about = texts.holiday;
    if (marked)
        about += (about.isEmpty() ? QString() : QStringLiteral("\n")) + texts.breaches;
    heading->setText(marked ? MarkedCaption(texts.caption) : texts.caption);
    heading->setAccessibleName(marked ? tr("%1, breaks a working-time rule").arg(texts.caption) : QString());
    heading->setToolTip(about.isEmpty() ? texts.date : texts.date + u'\n' + about);
    heading->setAccessibleDescription(about);
    heading->setFrameShape(marked ? QFrame::Box : QFrame::NoFrame);
    const bool holiday = !texts.holiday.isEmpty();
    heading->setAutoFillBackground(holiday);
    heading->setBackgroundRole(holiday ? QPalette::Highlight : QPalette::Window);
    heading->setForegroundRole(holiday ? QPalette::HighlightedText : QPalette::WindowText);
}
