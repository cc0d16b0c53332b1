#include "week/WeekGrid.h"

#include "ui/DrawingLock.h"

#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Regional.h"
#include "ui/TimeEdit.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QToolButton>
#include <QtGlobal>

#include <algorithm>

namespace {

// Design geometry in logical pixels; Qt scales it on high-density screens.
// Widths grow where the style or the language needs more room; heights stay.
constexpr int ClientWidth = 375;
constexpr int HeadingTop = 36;
constexpr int HeadingWidth = 37;
constexpr int HeadingHeight = 13;
constexpr int FirstHeadingLeft = 60;
constexpr int ColumnPitch = 44;
constexpr int ArriveTop = 52;
constexpr int DepartTop = 76;
constexpr int FieldHeight = 21;
// Wide enough for "00:00" in the sheet's font; the column pitch leaves room.
constexpr int FieldWidth = 40;
// The design's sizes are those of an 8-point font at 96 dots per inch. The font
// is given in pixels so that it scales together with the geometry.
constexpr int FontPixelSize = 11;
constexpr int RowLabelLeft = 12;
constexpr int RowLabelWidth = 56;
constexpr int RowLabelHeight = 13;
// The least room between a row label's text and the first column: what the
// design leaves after its widest label.
constexpr int LabelGap = 4;
constexpr int WeekBoxLabelWidth = 88;
constexpr int WeeklyCaptionWidth = 90;
constexpr int CommentButtonSize = 21;
// Figures end at the right edge of their column and may reach 8 pixels further
// left than the fields above them.
constexpr int FigureIndent = 8;
constexpr int WeeklyFigureWidth = 60;
constexpr int WeekBoxTop = 8;
constexpr int WeekBoxWidth = 96;
// Right of the last column, and below the grid.
constexpr int Margin = ClientWidth - (FirstHeadingLeft + 6 * ColumnPitch + HeadingWidth);
constexpr int NoteGap = 6;

constexpr int HoursRowHeight = 25;
constexpr int DeviationRowHeight = 19;
constexpr int WeeklyHoursRowHeight = 18;
constexpr int ShortfallRowHeight = 21;
constexpr int BalanceRowHeight = 21;
constexpr int LeaveAtRowHeight = 21;

constexpr int MaxFieldLength = 5;

// Weekdays in the order the sheet is tabbed through: Monday first.
constexpr std::array<int, 7> MondayFirst { DayNumber::Monday, DayNumber::Tuesday, DayNumber::Wednesday,
    DayNumber::Thursday, DayNumber::Friday, DayNumber::Saturday, DayNumber::Sunday };

const char *const TagProperty = "Tag";

QString dayPrefix(int weekday)
{
    static const std::array<const char16_t *, 7> prefixes { u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri",
        u"Sat" };
    return QString::fromUtf16(prefixes.at(weekday - 1));
}

struct Caption {
    const char16_t *name;
    const char *text;
};

// The captions of the grid rows, Arrive to Comment, and of the daily result rows.
constexpr std::array<Caption, 6> GridRowCaptions {
    { { u"laArrive", QT_TRANSLATE_NOOP("TWeekGrid", "Arrive") },
        { u"laDepart", QT_TRANSLATE_NOOP("TWeekGrid", "Depart") },
        { u"laLunch", QT_TRANSLATE_NOOP("TWeekGrid", "Lunch") },
        { u"laExtra", QT_TRANSLATE_NOOP("TWeekGrid", "Extra") },
        { u"laHoliday", QT_TRANSLATE_NOOP("TWeekGrid", "Holiday") },
        { u"laComment", QT_TRANSLATE_NOOP("TWeekGrid", "Comment") } }
};
constexpr Caption HoursCaption { u"laHours", QT_TRANSLATE_NOOP("TWeekGrid", "Hours") };
constexpr Caption DeviationCaption { u"laDeviation", QT_TRANSLATE_NOOP("TWeekGrid", "Deviation") };

QString translated(const char *text)
{
    return QCoreApplication::translate("TWeekGrid", text);
}

int textWidth(const QFontMetrics &metrics, const QString &text)
{
    return metrics.horizontalAdvance(text);
}

// The top of a label centred in a result row.
int centred(int rowHeight)
{
    return (rowHeight - RowLabelHeight) / 2;
}

TTimeLabel *newFigure(QWidget *row, const QString &name, int width)
{
    auto *label = new TTimeLabel(row);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->resize(width, RowLabelHeight);
    return label;
}

} // namespace

TWeekGrid::TWeekGrid(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("WeekSheet"));
    QFont sheetFont = font();
    sheetFont.setPixelSize(FontPixelSize);
    setFont(sheetFont);
    // The columns keep their design places unless the row labels, in the font
    // this desktop gives them, need more room; then the grid and the window
    // move right by as much.
    const QFontMetrics metrics(sheetFont);
    int widestCaption = 0;
    for (const Caption &caption : GridRowCaptions)
        widestCaption = std::max(widestCaption, textWidth(metrics, translated(caption.text)));
    for (const Caption &caption : { HoursCaption, DeviationCaption })
        widestCaption = std::max(widestCaption, textWidth(metrics, translated(caption.text)));
    m_labelWidth = std::max(RowLabelWidth, widestCaption);
    m_firstColumnLeft = std::max(FirstHeadingLeft, RowLabelLeft + widestCaption + LabelGap);
    // Fields as wide as "00:00" needs in this style, headings as the widest
    // day name and over the whole field, as in the design; the columns keep
    // the design's gap between them, and the last one stays inside the sheet.
    m_fieldWidth = std::max(FieldWidth, StyledFieldWidth(FieldHeight));
    int widestDay = 0;
    for (int weekday = 1; weekday <= 7; ++weekday)
        widestDay = std::max(widestDay, metrics.horizontalAdvance(MarkedCaption(DayCaption(weekday))));
    m_headingWidth = std::max({ HeadingWidth, widestDay + 2, m_fieldWidth - (FieldWidth - HeadingWidth) });
    m_columnPitch = std::max(m_fieldWidth, m_headingWidth) + ColumnPitch - FieldWidth;
    setFixedWidth(ColumnLeft(6) + m_headingWidth + Margin);
    CreateWeekBox();
    CreateControls();
    CreateResultRows();
    NameControls();
    SetTabOrder();
}

TWeekGrid::~TWeekGrid()
{
    // The children outlive this destructor: QWidget deletes them later. A box
    // or field losing the focus then must not reach the half-destroyed sheet,
    // nor through it a store that may already be gone.
    for (QObject *child : findChildren<QObject *>()) {
        child->removeEventFilter(this);
        disconnect(child, nullptr, this, nullptr);
    }
}

TTimeEdit *TWeekGrid::CreateField(
    int weekday, int row, const QString &name, TTimeEditKind kind, bool blankIfZero)
{
    auto *field = new TTimeEdit(this);
    field->setObjectName(QStringLiteral("te") + dayPrefix(weekday) + name);
    field->SetTimeKind(kind);
    field->SetBlankIfSubZero(true);
    field->SetBlankIfZero(blankIfZero);
    field->SetMaxTypedLength(MaxFieldLength);
    field->SetAsMinutes(-1);
    field->resize(m_fieldWidth, FieldHeight);
    field->installEventFilter(this);
    connect(field, &TTimeEdit::OnChange, this, [this, weekday, row] { FieldChanged(weekday, row); });
    return field;
}

int TWeekGrid::ColumnLeft(int column) const
{
    return m_firstColumnLeft + column * m_columnPitch;
}

QLabel *TWeekGrid::CreateRowLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->resize(m_labelWidth, RowLabelHeight);
    return label;
}

void TWeekGrid::CreateWeekBox()
{
    m_weekBoxLabel = new QLabel(tr("Week &beginning"), this);
    m_weekBoxLabel->setObjectName(QStringLiteral("laWeekBeginning"));
    const int weekBoxLabelWidth
        = std::max(WeekBoxLabelWidth, textWidth(fontMetrics(), QString(m_weekBoxLabel->text()).remove(u'&')));
    m_weekBoxLabel->setGeometry(RowLabelLeft, 12, weekBoxLabelWidth, RowLabelHeight);

    m_weekBox = new QComboBox(this);
    m_weekBox->setObjectName(QStringLiteral("cbWeekBeginning"));
    m_weekBox->setEditable(true);
    m_weekBox->setInsertPolicy(QComboBox::NoInsert);
    // Reachable by mouse and by its caption's shortcut, but not a tab stop.
    m_weekBox->setFocusPolicy(Qt::ClickFocus);
    // A style may need a taller box than the fields (Adwaita draws an
    // editable box's frame and arrow only from about 30 pixels on); it may
    // take the room above and below it, up to the headings.
    const int boxHeight = std::clamp(m_weekBox->minimumSizeHint().height(), FieldHeight, HeadingTop - 2);
    m_weekBox->setGeometry(std::max(ColumnLeft(1), RowLabelLeft + weekBoxLabelWidth + LabelGap),
        WeekBoxTop + (FieldHeight - boxHeight) / 2,
        std::max({ WeekBoxWidth, StyledWeekBoxWidth(boxHeight), m_weekBox->minimumSizeHint().width() }),
        boxHeight);
    m_weekBox->installEventFilter(this);
    m_weekBoxLabel->setBuddy(m_weekBox);
    connect(m_weekBox, &QComboBox::editTextChanged, this, [this] { WeekBoxEdited(); });
    connect(m_weekBox, &QComboBox::activated, this, [this] { WeekBoxCommitted(); });

    // The commands carry their menu captions; the buttons beside the box
    // show only an arrow.
    const auto weekCommand = [this](const char *name, const QString &caption, const QString &hint, int days) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(hint);
        action->setStatusTip(hint);
        connect(action, &QAction::triggered, this, [this, days] { WeekStepped(days); });
        return action;
    };
    m_acPreviousWeek = weekCommand("acPreviousWeek", tr("&Previous Week"), tr("Previous Week"), -7);
    m_acNextWeek = weekCommand("acNextWeek", tr("&Next Week"), tr("Next Week"), 7);

    const int buttonsLeft = m_weekBox->geometry().right() + 5;
    const auto weekButton = [this](const char *name, const QString &text, QAction *action) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        button->setToolTip(action->toolTip());
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        return button;
    };
    m_btPreviousWeek = weekButton("btPreviousWeek", QStringLiteral("<"), m_acPreviousWeek);
    m_btPreviousWeek->setGeometry(buttonsLeft, WeekBoxTop, CommentButtonSize, FieldHeight);
    m_btNextWeek = weekButton("btNextWeek", QStringLiteral(">"), m_acNextWeek);
    m_btNextWeek->setGeometry(
        buttonsLeft + CommentButtonSize + 2, WeekBoxTop, CommentButtonSize, FieldHeight);
}

void TWeekGrid::CreateControls()
{
    for (int column = 0; column < 7; ++column) {
        auto *heading = new QLabel(this);
        heading->setObjectName(QStringLiteral("laDay%1").arg(column + 1));
        heading->setAlignment(Qt::AlignCenter);
        heading->setGeometry(ColumnLeft(column), HeadingTop, m_headingWidth, HeadingHeight);
        m_headings[column] = heading;
    }

    for (std::size_t row = 0; row < GridRowCaptions.size(); ++row)
        m_rowLabels[row] = CreateRowLabel(
            this, QString::fromUtf16(GridRowCaptions[row].name), translated(GridRowCaptions[row].text));
    constexpr int labelOffset = (FieldHeight - RowLabelHeight) / 2;
    m_rowLabels[rwArrive - 1]->move(RowLabelLeft, ArriveTop + labelOffset);
    m_rowLabels[rwDepart - 1]->move(RowLabelLeft, DepartTop + labelOffset);

    for (int weekday = 1; weekday <= 7; ++weekday) {
        Day &day = m_days[weekday];
        day.arrive = CreateField(weekday, rwArrive, QStringLiteral("Arrive"), tkTimeOfDay, false);
        day.depart = CreateField(weekday, rwDepart, QStringLiteral("Depart"), tkTimeOfDay, false);
        day.lunch = CreateField(weekday, rwLunch, QStringLiteral("Lunch"), tkInterval, true);
        day.extra = CreateField(weekday, rwExtra, QStringLiteral("Extra"), tkInterval, true);
        day.hols = CreateField(weekday, rwHols, QStringLiteral("Hols"), tkInterval, true);
        day.arrive->move(day.arrive->x(), ArriveTop);
        day.depart->move(day.depart->x(), DepartTop);

        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("bt") + dayPrefix(weekday) + QStringLiteral("Comment"));
        button->setFocusPolicy(Qt::StrongFocus);
        button->resize(CommentButtonSize, CommentButtonSize);
        button->installEventFilter(this); // Enter opens the comment as Space does
        ShowComment(button, QString(), 0);
        connect(button, &QToolButton::clicked, this,
            [this, button] { Q_EMIT CommentClicked(button, button->property(TagProperty).toInt()); });
        day.comment = button;
    }
}

void TWeekGrid::CreateResultRows()
{
    const auto panel = [this](const QString &name, int height) {
        auto *row = new QWidget(this);
        row->setObjectName(name);
        row->resize(width(), height);
        return row;
    };

    m_bevel = new QFrame(this);
    m_bevel->setObjectName(QStringLiteral("bvResults"));
    m_bevel->setFrameShape(QFrame::HLine);
    m_bevel->setFrameShadow(QFrame::Sunken);

    m_pnHours = panel(QStringLiteral("pnHours"), HoursRowHeight);
    m_pnDeviation = panel(QStringLiteral("pnDeviation"), DeviationRowHeight);
    m_pnWeeklyHours = panel(QStringLiteral("pnWeeklyHours"), WeeklyHoursRowHeight);
    m_pnShortfall = panel(QStringLiteral("pnShortfall"), ShortfallRowHeight);
    m_pnBalance = panel(QStringLiteral("pnBalance"), BalanceRowHeight);
    m_pnLeaveAt = panel(QStringLiteral("pnLeaveAt"), LeaveAtRowHeight);

    CreateRowLabel(m_pnHours, QString::fromUtf16(HoursCaption.name), translated(HoursCaption.text))
        ->move(RowLabelLeft, centred(HoursRowHeight));
    CreateRowLabel(
        m_pnDeviation, QString::fromUtf16(DeviationCaption.name), translated(DeviationCaption.text))
        ->move(RowLabelLeft, centred(DeviationRowHeight));
    int weeklyCaptionWidth = WeeklyCaptionWidth;
    for (const QString &caption : { tr("Weekly hours"), tr("Hours short"), tr("Hours extra"), tr("Balance") })
        weeklyCaptionWidth = std::max(weeklyCaptionWidth, textWidth(fontMetrics(), caption));
    auto *weeklyCaption
        = CreateRowLabel(m_pnWeeklyHours, QStringLiteral("laWeeklyHours"), tr("Weekly hours"));
    weeklyCaption->setGeometry(
        RowLabelLeft, centred(WeeklyHoursRowHeight), weeklyCaptionWidth, RowLabelHeight);
    m_laWeeklyShortfall = CreateRowLabel(m_pnShortfall, QStringLiteral("laWeeklyShortfall"), tr("Shortfall"));
    m_laWeeklyShortfall->setGeometry(
        RowLabelLeft, centred(ShortfallRowHeight), weeklyCaptionWidth, RowLabelHeight);
    CreateRowLabel(m_pnBalance, QStringLiteral("laBalance"), tr("Balance"))
        ->setGeometry(RowLabelLeft, centred(BalanceRowHeight), weeklyCaptionWidth, RowLabelHeight);
    CreateRowLabel(m_pnLeaveAt, QStringLiteral("laLeaveAt"), tr("Leave at"))
        ->setGeometry(RowLabelLeft, centred(LeaveAtRowHeight), weeklyCaptionWidth, RowLabelHeight);
    CreateFigures(weeklyCaptionWidth);
}

void TWeekGrid::CreateFigures(int weeklyCaptionWidth)
{
    for (int weekday = 1; weekday <= 7; ++weekday) {
        Day &day = m_days[weekday];
        day.hours = newFigure(m_pnHours, QStringLiteral("te") + dayPrefix(weekday) + QStringLiteral("Hours"),
            m_fieldWidth + FigureIndent);
        day.hours->SetBlankIfZero(true);
        day.hours->move(day.hours->x(), centred(HoursRowHeight));
        day.deviation = newFigure(m_pnDeviation,
            QStringLiteral("te") + dayPrefix(weekday) + QStringLiteral("Deviation"),
            m_fieldWidth + FigureIndent);
        day.deviation->SetBlankIfZero(true);
        day.deviation->move(day.deviation->x(), centred(DeviationRowHeight));
    }

    // The week's figures end where the third column does.
    const int weeklyLeft = ColumnLeft(2) + m_fieldWidth - WeeklyFigureWidth;
    m_weeklyHours = newFigure(m_pnWeeklyHours, QStringLiteral("teWeeklyHours"), WeeklyFigureWidth);
    m_weeklyHours->move(weeklyLeft, centred(WeeklyHoursRowHeight));
    m_shortfall = newFigure(m_pnShortfall, QStringLiteral("teShortfall"), WeeklyFigureWidth);
    m_shortfall->move(weeklyLeft, centred(ShortfallRowHeight));
    // The balance ends where the week's figures do, and may grow to the left
    // up to its caption: it counts all the weeks.
    m_balance = new QLabel(m_pnBalance);
    m_balance->setObjectName(QStringLiteral("teBalance"));
    m_balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int balanceLeft = RowLabelLeft + weeklyCaptionWidth;
    m_balance->setGeometry(
        balanceLeft, centred(BalanceRowHeight), weeklyLeft + WeeklyFigureWidth - balanceLeft, RowLabelHeight);
    m_leaveAt = newFigure(m_pnLeaveAt, QStringLiteral("teLeaveAt"), WeeklyFigureWidth);
    m_leaveAt->setAccessibleName(tr("Leave at"));
    m_leaveAt->move(weeklyLeft, centred(LeaveAtRowHeight));
    // What the figures mean today follows them, to the end of the row.
    const int noteLeft = weeklyLeft + WeeklyFigureWidth + NoteGap;
    const auto note = [&](QWidget *row, const QString &name) {
        auto *label = new QLabel(row);
        label->setObjectName(name);
        label->setGeometry(
            noteLeft, centred(row->height()), width() - noteLeft - RowLabelLeft, RowLabelHeight);
        return label;
    };
    m_balanceNote = note(m_pnBalance, QStringLiteral("laBalanceNote"));
    m_leaveAtNote = note(m_pnLeaveAt, QStringLiteral("laLeaveAtNote"));
}

void TWeekGrid::SetTabOrder()
{
    for (const int weekday : MondayFirst) {
        const Day &day = m_days[weekday];
        for (QWidget *control : std::initializer_list<QWidget *> {
                 day.arrive, day.depart, day.lunch, day.extra, day.hols, day.comment })
            m_tabOrder.push_back(control);
    }
    for (std::size_t i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

void TWeekGrid::ArrangeColumns(int firstDayOfWeek)
{
    for (int column = 0; column < 7; ++column) {
        const int weekday = ((firstDayOfWeek - 1 + column) % 7 + 7) % 7 + 1;
        QLabel *heading = m_headings[column];
        m_headingTexts[column].caption = DayCaption(weekday);
        UpdateHeading(std::size_t(column));
        const int left = heading->x();
        const Day &day = m_days[weekday];
        for (QWidget *field :
            std::initializer_list<QWidget *> { day.arrive, day.depart, day.lunch, day.extra, day.hols })
            field->move(left, field->y());
        day.comment->move(left + (m_headingWidth - CommentButtonSize) / 2, day.comment->y());
        day.hours->move(left - FigureIndent, day.hours->y());
        day.deviation->move(left - FigureIndent, day.deviation->y());
    }
}

bool TWeekGrid::WeekHasLunch() const
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (m_days[weekday].lunch->AsMinutes() > 0)
            return true;
    return false;
}

bool TWeekGrid::WeekHasExtra() const
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (m_days[weekday].extra->AsMinutes() > 0)
            return true;
    return false;
}

bool TWeekGrid::WeekHasHolidays() const
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (m_days[weekday].hols->AsMinutes() > 0)
            return true;
    return false;
}

bool TWeekGrid::WeekHasComments() const
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (!m_days[weekday].comment->toolTip().isEmpty())
            return true;
    return false;
}

void TWeekGrid::ShowComment(QAbstractButton *button, const QString &comment, int date)
{
    if (!button)
        return;
    const QString hint = TrimBlanks(comment);
    button->setToolTip(hint);
    button->setAccessibleDescription(hint.isEmpty() ? tr("No comment") : hint);
    button->setProperty(TagProperty, date);
    button->setText(hint.isEmpty()
            ? QStringLiteral("...")
            : tr("C", "the caption of a day's comment button when the day has a comment"));
}

void TWeekGrid::SetRoundTo(int roundTo)
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        for (int row = rwArrive; row <= rwHols; ++row)
            Field(weekday, row)->SetRoundTo(static_cast<quint32>(roundTo));
}

void TWeekGrid::ShowDayFigures(int weekday, qint64 hours, qint64 deviation)
{
    m_days[weekday].hours->SetAsMinutes(static_cast<double>(hours));
    m_days[weekday].deviation->SetAsMinutes(static_cast<double>(deviation));
}

void TWeekGrid::ShowWeekFigures(qint64 weeklyHours, bool hoursShort, qint64 shortfall)
{
    m_weeklyHours->SetAsMinutes(static_cast<double>(weeklyHours));
    const QString caption = hoursShort ? tr("Hours short") : tr("Hours extra");
    if (m_laWeeklyShortfall->text() != caption) {
        m_laWeeklyShortfall->setText(caption);
        m_shortfall->setAccessibleName(caption);
    }
    m_shortfall->SetAsMinutes(static_cast<double>(shortfall));
}

namespace {

void setText(QLabel *label, const QString &text)
{
    // A screen reader hears the figure as the description of its name.
    if (label->text() != text) {
        label->setText(text);
        label->setAccessibleDescription(text);
    }
}

QString shownText(const QWidget *row, const QWidget *grid, const QLabel *figure, const QLabel *note)
{
    if (!row->isVisibleTo(grid))
        return {};
    return note->text().isEmpty() ? figure->text() : figure->text() + u' ' + note->text();
}

} // namespace

void TWeekGrid::ShowBalance(const QString &figure, const QString &note)
{
    setText(m_balance, figure);
    setText(m_balanceNote, note);
}

QString TWeekGrid::BalanceShown() const
{
    return shownText(m_pnBalance, this, m_balance, m_balanceNote);
}

void TWeekGrid::ShowLeaveAt(const QString &time, const QString &note)
{
    setText(m_leaveAt, time);
    setText(m_leaveAtNote, note);
}

QString TWeekGrid::LeaveAtShown() const
{
    return shownText(m_pnLeaveAt, this, m_leaveAt, m_leaveAtNote);
}

TTimeEdit *TWeekGrid::Field(int weekday, int row) const
{
    if (weekday < 1 || weekday > 7)
        return nullptr;
    const Day &day = m_days[weekday];
    switch (row) {
    case rwArrive:
        return day.arrive;
    case rwDepart:
        return day.depart;
    case rwLunch:
        return day.lunch;
    case rwExtra:
        return day.extra;
    case rwHols:
        return day.hols;
    default:
        return nullptr;
    }
}

QAbstractButton *TWeekGrid::CommentButton(int weekday) const
{
    return weekday >= 1 && weekday <= 7 ? m_days[weekday].comment : nullptr;
}

bool TWeekGrid::IsArriveOrDepartField(const QWidget *widget) const
{
    int weekday = 0;
    int row = 0;
    return FindField(widget, weekday, row) && (row == rwArrive || row == rwDepart);
}

bool TWeekGrid::IsTimeField(const QWidget *widget) const
{
    int weekday = 0;
    int row = 0;
    return FindField(widget, weekday, row);
}

bool TWeekGrid::FindField(const QObject *object, int &weekday, int &row) const
{
    if (!object)
        return false;
    for (int w = 1; w <= 7; ++w)
        for (int r = rwArrive; r <= rwHols; ++r)
            if (Field(w, r) == object) {
                weekday = w;
                row = r;
                return true;
            }
    return false;
}

int TWeekGrid::ArrangeRows(bool showLunch, bool showExtra, bool showHols, bool showComment)
{
    const DrawingLock lock(this);
    const int pitch = DepartTop - ArriveTop;
    int rowTop = DepartTop + pitch;
    const std::array<bool, 4> shownRows { showLunch || WeekHasLunch(), showExtra || WeekHasExtra(),
        showHols || WeekHasHolidays(), showComment || WeekHasComments() };
    for (int row = rwLunch; row <= rwComment; ++row) {
        const bool shown = shownRows[static_cast<std::size_t>(row - rwLunch)];
        for (int weekday = 1; weekday <= 7; ++weekday) {
            QWidget *control
                = row == rwComment ? static_cast<QWidget *>(m_days[weekday].comment) : Field(weekday, row);
            control->setVisible(shown);
            control->move(control->x(), rowTop);
        }
        QLabel *label = m_rowLabels[row - 1];
        label->setVisible(shown);
        label->move(RowLabelLeft, rowTop + (FieldHeight - label->height()) / 2);
        if (shown)
            rowTop += pitch;
    }
    m_gridHeight = rowTop;
    StackResultRows();
    return m_gridHeight;
}

bool TWeekGrid::IsRowShown(int row) const
{
    if (row < rwArrive || row > rwComment)
        return false;
    return m_rowLabels[row - 1]->isVisibleTo(this);
}

void TWeekGrid::SetResultRowsVisible(bool dailyDeviation, bool weeklyDeviation, bool balance, bool leaveAt)
{
    m_showDailyDeviation = dailyDeviation;
    m_showWeeklyDeviation = weeklyDeviation;
    m_showBalance = balance;
    m_showLeaveAt = leaveAt;
    StackResultRows();
    ResultRowsChanged();
}

void TWeekGrid::StackResultRows()
{
    const int margin = width() - (ColumnLeft(6) + m_headingWidth);
    // The bottom margin of the window sits between the grid and the figures,
    // with a rule across it.
    m_bevel->setGeometry(RowLabelLeft, m_gridHeight + margin / 2 - 1, width() - RowLabelLeft - margin, 2);
    int top = m_gridHeight + margin;
    const auto stack = [&top](QWidget *row, bool shown) {
        row->setVisible(shown);
        if (!shown)
            return;
        row->move(0, top);
        top += row->height();
    };
    stack(m_pnHours, true);
    stack(m_pnDeviation, m_showDailyDeviation);
    stack(m_pnWeeklyHours, true);
    stack(m_pnShortfall, m_showWeeklyDeviation);
    stack(m_pnBalance, m_showBalance);
    stack(m_pnLeaveAt, m_showLeaveAt);
    setFixedHeight(top);
}

void TWeekGrid::Colour(QWidget *field, bool normal)
{
    const QColor colour = normal ? palette().color(QPalette::WindowText) : QColor(Qt::red);
    if (field->palette().color(QPalette::Text) == colour)
        return;
    QPalette colours = field->palette();
    colours.setColor(QPalette::Text, colour);
    field->setPalette(colours);
}

void TWeekGrid::FieldChanged(int, int) { }

void TWeekGrid::FieldLeft(int, int) { }

void TWeekGrid::LunchDoubleClicked(int) { }

void TWeekGrid::WeekBoxEdited() { }

void TWeekGrid::WeekBoxCommitted() { }

void TWeekGrid::WeekStepped(int) { }

void TWeekGrid::ResultRowsChanged() { }
