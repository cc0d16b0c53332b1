#include "week/WeekGrid.h"

#include "core/DateText.h"
#include "core/DayNumber.h"

#include <QComboBox>
#include <QDate>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include <algorithm>

// The room the grid's controls need in the style they are drawn in, where
// the design's pixel widths are too small for it.

// The width a time field needs for "00:00" in this style and font: the text,
// the 2 pixels QLineEdit keeps free on each side of it, and what the style
// takes around the text for its frame and padding (a style's least width
// for a line edit is not what matters here).
int TWeekGrid::StyledFieldWidth(int height) const
{
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = QRect(0, 0, 100, height);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.state |= QStyle::State_Sunken;
    QLineEdit sample;
    sample.setFont(font());
    sample.ensurePolished();
    const QMargins margins = sample.textMargins();
    const int around = option.rect.width()
        - style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() + margins.left()
        + margins.right();
    return QFontMetrics(font()).horizontalAdvance(QStringLiteral("00:00")) + 2 * 2 + around;
}

// The width the week box needs for the widest date text of the regional
// format (month and day names vary), with the style's frame and drop-down
// arrow around its text.
int TWeekGrid::StyledWeekBoxWidth(int height) const
{
    QStyleOptionComboBox option;
    option.initFrom(m_weekBox);
    option.editable = true;
    option.frame = true;
    option.rect = QRect(0, 0, 200, height);
    // Some styles (Adwaita) keep margins inside the box's text as well.
    m_weekBox->lineEdit()->ensurePolished();
    const QMargins margins = m_weekBox->lineEdit()->textMargins();
    const int around = option.rect.width()
        - style()
              ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, m_weekBox)
              .width()
        + margins.left() + margins.right();
    const QFontMetrics metrics(m_weekBox->font());
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 22; day <= 28; ++day)
            widest = std::max(widest,
                metrics.horizontalAdvance(FullYearDateText(DayNumber::fromDate(QDate(2000, month, day)))));
    return widest + 2 * 2 + around;
}
