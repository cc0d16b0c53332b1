#include "week/WeekSheet.h"

#include "ui/DrawingLock.h"

#include "core/DataFile.h"
#include "core/DateText.h"
#include "core/DayNumber.h"
#include "core/Errors.h"
#include "core/Rounding.h"
#include "core/TimeRecorder.h"
#include "settings/DataMod.h"
#include "ui/TimeEdit.h"
#include "week/WeekFigures.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtGlobal>

#include <algorithm>
#include <exception>
#include <utility>

namespace {

// Design geometry in logical pixels; Qt scales it on high-density screens.
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
constexpr int FigureWidth = FieldWidth + FigureIndent;
constexpr int WeeklyFigureWidth = 60;

constexpr int HoursRowHeight = 25;
constexpr int DeviationRowHeight = 19;
constexpr int WeeklyHoursRowHeight = 18;
constexpr int ShortfallRowHeight = 21;
constexpr int BalanceRowHeight = 21;

constexpr int MaxFieldLength = 5;

// Weekdays in the order the week is recalculated and tabbed through: Monday first.
constexpr std::array<int, 7> MondayFirst { DayNumber::Monday, DayNumber::Tuesday, DayNumber::Wednesday,
    DayNumber::Thursday, DayNumber::Friday, DayNumber::Saturday, DayNumber::Sunday };

const char *const TagProperty = "Tag";

QString dayPrefix(int weekday)
{
    static const std::array<const char16_t *, 7> prefixes { u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri",
        u"Sat" };
    return QString::fromUtf16(prefixes.at(weekday - 1));
}

int wholeMinutes(double minutes)
{
    return static_cast<int>(roundHalfEven(minutes));
}

// Where the store keeps each entry row of a day, Arrive to Holiday.
struct StoredRow {
    int (TTimeRecorder::*get)(double) const;
    void (TTimeRecorder::*set)(double, int);
};

const StoredRow &storedRow(int row)
{
    static constexpr std::array<StoredRow, 5> rows { {
        { &TTimeRecorder::GetArrive, &TTimeRecorder::SetArrive },
        { &TTimeRecorder::GetDepart, &TTimeRecorder::SetDepart },
        { &TTimeRecorder::GetLunch, &TTimeRecorder::SetLunch },
        { &TTimeRecorder::GetExtra, &TTimeRecorder::SetExtra },
        { &TTimeRecorder::GetHoliday, &TTimeRecorder::SetHoliday },
    } };
    return rows.at(static_cast<std::size_t>(row - TWeekSheet::rwArrive));
}

struct Caption {
    const char16_t *name;
    const char16_t *text;
};

// The captions of the grid rows, Arrive to Comment, and of the daily result rows.
constexpr std::array<Caption, 6> GridRowCaptions { { { u"laArrive", u"Arrive" }, { u"laDepart", u"Depart" },
    { u"laLunch", u"Lunch" }, { u"laExtra", u"Extra" }, { u"laHoliday", u"Holiday" },
    { u"laComment", u"Comment" } } };
constexpr Caption HoursCaption { u"laHours", u"Hours" };
constexpr Caption DeviationCaption { u"laDeviation", u"Deviation" };

int textWidth(const QFontMetrics &metrics, const char16_t *text)
{
    return metrics.horizontalAdvance(QString::fromUtf16(text));
}

} // namespace

TWeekSheet::TWeekSheet(TTimeRecorder &recorder, TData &data, QWidget *parent)
    : QWidget(parent)
    , m_recorder(recorder)
    , m_data(data)
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
        widestCaption = std::max(widestCaption, textWidth(metrics, caption.text));
    for (const Caption &caption : { HoursCaption, DeviationCaption })
        widestCaption = std::max(widestCaption, textWidth(metrics, caption.text));
    m_labelWidth = std::max(RowLabelWidth, widestCaption);
    m_firstColumnLeft = std::max(FirstHeadingLeft, RowLabelLeft + widestCaption + LabelGap);
    setFixedWidth(ClientWidth + m_firstColumnLeft - FirstHeadingLeft);
    // Building the fields changes their texts; nothing may be calculated or stored yet.
    m_loadingWeek = true;
    CreateControls();
    CreateResultRows();
    SetTabOrder();
    m_loadingWeek = false;
    ArrangeView();
}

TWeekSheet::~TWeekSheet()
{
    // The children outlive this destructor: QWidget deletes them later. A box
    // or field losing the focus then must not reach the half-destroyed sheet,
    // nor through it a store that may already be gone.
    for (QObject *child : findChildren<QObject *>()) {
        child->removeEventFilter(this);
        disconnect(child, nullptr, this, nullptr);
    }
}

TTimeEdit *TWeekSheet::CreateField(
    int weekday, int row, const QString &name, TTimeEditKind kind, bool blankIfZero)
{
    auto *field = new TTimeEdit(this);
    field->setObjectName(QStringLiteral("te") + dayPrefix(weekday) + name);
    field->SetTimeKind(kind);
    field->SetBlankIfSubZero(true);
    field->SetBlankIfZero(blankIfZero);
    field->SetMaxTypedLength(MaxFieldLength);
    field->SetAsMinutes(-1);
    field->resize(FieldWidth, FieldHeight);
    field->installEventFilter(this);
    connect(field, &TTimeEdit::OnChange, this, [this, weekday, row] { FieldEdited(weekday, row); });
    return field;
}

int TWeekSheet::ColumnLeft(int column) const
{
    return m_firstColumnLeft + column * ColumnPitch;
}

QLabel *TWeekSheet::CreateRowLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->resize(m_labelWidth, RowLabelHeight);
    return label;
}

void TWeekSheet::CreateControls()
{
    m_weekBoxLabel = new QLabel(QStringLiteral("Week &beginning"), this);
    m_weekBoxLabel->setObjectName(QStringLiteral("laWeekBeginning"));
    const int weekBoxLabelWidth = std::max(WeekBoxLabelWidth, textWidth(fontMetrics(), u"Week beginning"));
    m_weekBoxLabel->setGeometry(RowLabelLeft, 12, weekBoxLabelWidth, RowLabelHeight);

    m_weekBox = new QComboBox(this);
    m_weekBox->setObjectName(QStringLiteral("cbWeekBeginning"));
    m_weekBox->setEditable(true);
    m_weekBox->setInsertPolicy(QComboBox::NoInsert);
    // Reachable by mouse and by its caption's shortcut, but not a tab stop.
    m_weekBox->setFocusPolicy(Qt::ClickFocus);
    m_weekBox->setGeometry(
        std::max(ColumnLeft(1), RowLabelLeft + weekBoxLabelWidth + LabelGap), 8, 96, FieldHeight);
    m_weekBox->installEventFilter(this);
    m_weekBoxLabel->setBuddy(m_weekBox);
    connect(m_weekBox, &QComboBox::editTextChanged, this, [this] { UpdateWeekBoxColour(); });
    connect(m_weekBox, &QComboBox::activated, this, [this] { RunReportingErrors([this] { ShowWeek(); }); });

    m_acPreviousWeek = new QAction(QStringLiteral("<"), this);
    m_acPreviousWeek->setObjectName(QStringLiteral("acPreviousWeek"));
    m_acPreviousWeek->setToolTip(QStringLiteral("Previous Week"));
    m_acPreviousWeek->setStatusTip(QStringLiteral("Previous Week"));
    connect(m_acPreviousWeek, &QAction::triggered, this,
        [this] { RunReportingErrors([this] { MoveWeek(-7); }); });
    m_acNextWeek = new QAction(QStringLiteral(">"), this);
    m_acNextWeek->setObjectName(QStringLiteral("acNextWeek"));
    m_acNextWeek->setToolTip(QStringLiteral("Next Week"));
    m_acNextWeek->setStatusTip(QStringLiteral("Next Week"));
    connect(m_acNextWeek, &QAction::triggered, this, [this] { RunReportingErrors([this] { MoveWeek(7); }); });

    const int buttonsLeft = m_weekBox->geometry().right() + 5;
    m_btPreviousWeek = new QToolButton(this);
    m_btPreviousWeek->setObjectName(QStringLiteral("btPreviousWeek"));
    m_btPreviousWeek->setDefaultAction(m_acPreviousWeek);
    m_btPreviousWeek->setFocusPolicy(Qt::NoFocus);
    m_btPreviousWeek->setGeometry(buttonsLeft, 8, CommentButtonSize, FieldHeight);
    m_btNextWeek = new QToolButton(this);
    m_btNextWeek->setObjectName(QStringLiteral("btNextWeek"));
    m_btNextWeek->setDefaultAction(m_acNextWeek);
    m_btNextWeek->setFocusPolicy(Qt::NoFocus);
    m_btNextWeek->setGeometry(buttonsLeft + CommentButtonSize + 2, 8, CommentButtonSize, FieldHeight);

    for (int column = 0; column < 7; ++column) {
        auto *heading = new QLabel(this);
        heading->setObjectName(QStringLiteral("laDay%1").arg(column + 1));
        heading->setAlignment(Qt::AlignCenter);
        heading->setGeometry(ColumnLeft(column), HeadingTop, HeadingWidth, HeadingHeight);
        m_headings[column] = heading;
    }

    for (std::size_t row = 0; row < GridRowCaptions.size(); ++row)
        m_rowLabels[row] = CreateRowLabel(this, QString::fromUtf16(GridRowCaptions[row].name),
            QString::fromUtf16(GridRowCaptions[row].text));
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
        UpdateCommentButton(button, QString(), 0);
        connect(button, &QToolButton::clicked, this,
            [this, button] { Q_EMIT CommentClicked(button, button->property(TagProperty).toInt()); });
        day.comment = button;
    }
}

void TWeekSheet::CreateResultRows()
{
    const auto panel = [this](const QString &name, int height) {
        auto *row = new QWidget(this);
        row->setObjectName(name);
        row->resize(width(), height);
        return row;
    };
    const auto figure = [](QWidget *row, const QString &name, int width) {
        auto *label = new TTimeLabel(row);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->resize(width, RowLabelHeight);
        return label;
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

    const auto centred = [](int rowHeight) { return (rowHeight - RowLabelHeight) / 2; };
    CreateRowLabel(m_pnHours, QString::fromUtf16(HoursCaption.name), QString::fromUtf16(HoursCaption.text))
        ->move(RowLabelLeft, centred(HoursRowHeight));
    CreateRowLabel(
        m_pnDeviation, QString::fromUtf16(DeviationCaption.name), QString::fromUtf16(DeviationCaption.text))
        ->move(RowLabelLeft, centred(DeviationRowHeight));
    int weeklyCaptionWidth = WeeklyCaptionWidth;
    for (const char16_t *caption : { u"Weekly hours", u"Hours short", u"Hours extra" })
        weeklyCaptionWidth = std::max(weeklyCaptionWidth, textWidth(fontMetrics(), caption));
    auto *weeklyCaption
        = CreateRowLabel(m_pnWeeklyHours, QStringLiteral("laWeeklyHours"), QStringLiteral("Weekly hours"));
    weeklyCaption->setGeometry(
        RowLabelLeft, centred(WeeklyHoursRowHeight), weeklyCaptionWidth, RowLabelHeight);
    m_laWeeklyShortfall
        = CreateRowLabel(m_pnShortfall, QStringLiteral("laWeeklyShortfall"), QStringLiteral("Shortfall"));
    m_laWeeklyShortfall->setGeometry(
        RowLabelLeft, centred(ShortfallRowHeight), weeklyCaptionWidth, RowLabelHeight);
    CreateRowLabel(m_pnBalance, QStringLiteral("laBalance"), QStringLiteral("Balance"))
        ->setGeometry(RowLabelLeft, centred(BalanceRowHeight), weeklyCaptionWidth, RowLabelHeight);

    for (int weekday = 1; weekday <= 7; ++weekday) {
        Day &day = m_days[weekday];
        day.hours = figure(
            m_pnHours, QStringLiteral("te") + dayPrefix(weekday) + QStringLiteral("Hours"), FigureWidth);
        day.hours->SetBlankIfZero(true);
        day.hours->move(day.hours->x(), centred(HoursRowHeight));
        day.deviation = figure(m_pnDeviation,
            QStringLiteral("te") + dayPrefix(weekday) + QStringLiteral("Deviation"), FigureWidth);
        day.deviation->SetBlankIfZero(true);
        day.deviation->move(day.deviation->x(), centred(DeviationRowHeight));
    }

    // The week's figures end where the third column does.
    const int weeklyLeft = ColumnLeft(2) + FieldWidth - WeeklyFigureWidth;
    m_weeklyHours = figure(m_pnWeeklyHours, QStringLiteral("teWeeklyHours"), WeeklyFigureWidth);
    m_weeklyHours->move(weeklyLeft, centred(WeeklyHoursRowHeight));
    m_shortfall = figure(m_pnShortfall, QStringLiteral("teShortfall"), WeeklyFigureWidth);
    m_shortfall->move(weeklyLeft, centred(ShortfallRowHeight));
    // The balance ends where the week's figures do, and may grow to the left
    // up to its caption: it counts all the weeks.
    m_balance = new QLabel(m_pnBalance);
    m_balance->setObjectName(QStringLiteral("teBalance"));
    m_balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int balanceLeft = RowLabelLeft + weeklyCaptionWidth;
    m_balance->setGeometry(
        balanceLeft, centred(BalanceRowHeight), weeklyLeft + WeeklyFigureWidth - balanceLeft, RowLabelHeight);
}

void TWeekSheet::SetTabOrder()
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

void TWeekSheet::InitWeek()
{
    const int roundTo = m_data.RoundTimes() ? m_data.RoundTimesTo() : 0;
    // The fields show their values rounded anew; that is no edit of the days.
    const bool loading = std::exchange(m_loadingWeek, true);
    for (int weekday = 1; weekday <= 7; ++weekday)
        for (int row = rwArrive; row <= rwHols; ++row)
            Field(weekday, row)->SetRoundTo(static_cast<quint32>(roundTo));
    m_loadingWeek = loading;

    const int start = DayNumber::weekStartOf(DayNumber::today(), m_data.FirstDayOfWeek());
    m_weekStart = start;
    m_weekBox->clear();
    for (int weeks = -5; weeks <= 2; ++weeks)
        m_weekBox->addItem(ShortDateText(start + 7 * weeks));
    m_weekBox->setEditText(ShortDateText(start));
    SelectWeekInList();

    // Before the first week is shown the days belong to no date, and a time
    // entered then (start-up enters the current time before it shows the week)
    // would reach no day of the document. They take the current week's dates
    // and values now, as showing the week would.
    const bool bound
        = std::any_of(m_days.begin() + 1, m_days.end(), [](const Day &day) { return day.hasDate; });
    if (!bound) {
        m_loadingWeek = true;
        for (int offset = 0; offset < 7; ++offset)
            LoadDay(start + offset);
        m_loadingWeek = false;
    }
    m_weekBalance.reset();
}

void TWeekSheet::ShowWeek()
{
    m_loadingWeek = true;
    std::exception_ptr failure;
    try {
        // Everything that can fail on a bad box text happens before the shown week changes.
        const int start = BoxWeekStart(0);
        m_weekStart = start;
        const QString startText = ShortDateText(start);
        if (m_weekBox->currentText() != startText)
            m_weekBox->setEditText(startText);
        SelectWeekInList();
        for (int column = 0; column < 7; ++column)
            m_headings[column]->setToolTip(ShortDateText(start + column));

        // A day is bound to its new date only once all its fields hold that date's
        // values, so a load that stopped half-way never writes a field to a wrong day.
        for (int weekday = 1; weekday <= 7; ++weekday)
            m_days[weekday].hasDate = false;
        for (int offset = 0; offset < 7; ++offset)
            LoadDay(start + offset);
        m_weekBalance.reset();
        ArrangeView();
    } catch (...) {
        failure = std::current_exception();
    }

    m_loadingWeek = false;
    m_weeklyHours->SetAsMinutes(0);
    for (const int weekday : MondayFirst)
        RecalculateDay(weekday);
    if (failure)
        std::rethrow_exception(failure);
}

void TWeekSheet::FieldEdited(int weekday, int row)
{
    if (m_loadingWeek || weekday < 1 || weekday > 7)
        return;
    Day &day = m_days[weekday];
    day.edited[row] = true;
    const TTimeEdit *field = Field(weekday, row);
    if (day.hasDate && field->IsValidTime())
        (m_recorder.*storedRow(row).set)(day.date, wholeMinutes(field->AsMinutes()));
    RecalculateDay(weekday);
}

void TWeekSheet::LoadDay(int date)
{
    const int weekday = DayNumber::dayOfWeek(date);
    Day &day = m_days[weekday];
    for (int row = rwArrive; row <= rwHols; ++row)
        Field(weekday, row)->SetAsMinutes((m_recorder.*storedRow(row).get)(date));
    UpdateCommentButton(day.comment, m_recorder.GetComment(date), date);
    day.date = date;
    day.hasDate = true;
    day.edited = {};
}

void TWeekSheet::SelectWeekInList()
{
    const QString shown = m_weekBox->currentText();
    const int index = m_weekBox->findText(shown);
    if (index == m_weekBox->currentIndex())
        return;
    // Choosing an entry writes its text into the box; choosing none empties it.
    m_weekBox->setCurrentIndex(index);
    m_weekBox->setEditText(shown);
}

void TWeekSheet::RecalculateDay(int weekday)
{
    if (m_loadingWeek || weekday < 1 || weekday > 7)
        return;
    const Day &day = m_days[weekday];
    // A valid field holds what the store holds, except where the field cannot
    // hold the stored value (an arrival of 25:00 reads back as 01:00): the
    // figures take the stored values, as the report does. A blank Arrive or
    // Depart holds -1 in the field and in the store alike.
    std::array<SheetField, rwHols> entries;
    for (int row = rwArrive; row <= rwHols; ++row) {
        const TTimeEdit *field = Field(weekday, row);
        entries[static_cast<std::size_t>(row - rwArrive)]
            = SheetField { day.hasDate ? (m_recorder.*storedRow(row).get)(day.date)
                                       : wholeMinutes(field->AsMinutes()),
                  field->IsValidTime() };
    }
    const auto [arrive, depart, lunch, extra, holiday] = entries;
    const SheetDayFigures figures = CalculateSheetDay(SheetDay { arrive, depart, lunch, extra, holiday },
        m_data.DayTarget(weekday), m_data.IncludeHolsInTotal());
    // Arrive, Depart and Lunch are red also when the lunch is longer than the day.
    for (int row = rwArrive; row <= rwHols; ++row)
        Colour(Field(weekday, row),
            entries[static_cast<std::size_t>(row - rwArrive)].valid
                && (row > rwLunch || figures.spanFitsLunch));
    day.hours->SetAsMinutes(static_cast<double>(figures.hours));
    day.deviation->SetAsMinutes(static_cast<double>(figures.deviation));

    qint64 weekly = 0;
    for (int w = 1; w <= 7; ++w)
        weekly += static_cast<qint64>(m_days[w].hours->AsMinutes());
    m_weeklyHours->SetAsMinutes(static_cast<double>(weekly));

    const qint64 target = m_data.WeeklyTarget();
    if (weekly < target) {
        m_laWeeklyShortfall->setText(QStringLiteral("Hours short"));
        m_shortfall->SetAsMinutes(static_cast<double>(target - weekly));
    } else {
        m_laWeeklyShortfall->setText(QStringLiteral("Hours extra"));
        m_shortfall->SetAsMinutes(static_cast<double>(weekly - target));
    }
    UpdateBalance();
}

void TWeekSheet::UpdateBalance()
{
    if (!m_showBalance || m_loadingWeek)
        return;
    if (!m_weekBalance)
        m_weekBalance.emplace().Reset(m_recorder, BalanceSettingsOf(m_data), m_weekStart);
    const QString text = BalanceText(m_weekBalance->AsOf(m_weekStart + 6));
    if (m_balance->text() != text)
        m_balance->setText(text);
}

QString TWeekSheet::BalanceShown() const
{
    return m_pnBalance->isVisibleTo(this) ? m_balance->text() : QString();
}

void TWeekSheet::ArrangeDayColumns()
{
    const int first = m_data.FirstDayOfWeek();
    for (int column = 0; column < 7; ++column) {
        const int weekday = ((first - 1 + column) % 7 + 7) % 7 + 1;
        QLabel *heading = m_headings[column];
        heading->setText(DayCaption(weekday));
        const int left = heading->x();
        const Day &day = m_days[weekday];
        for (QWidget *field :
            std::initializer_list<QWidget *> { day.arrive, day.depart, day.lunch, day.extra, day.hols })
            field->move(left, field->y());
        day.comment->move(left + (HeadingWidth - CommentButtonSize) / 2, day.comment->y());
        day.hours->move(left - FigureIndent, day.hours->y());
        day.deviation->move(left - FigureIndent, day.deviation->y());
    }
}

bool TWeekSheet::WeekHasLunch() const
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (m_days[weekday].lunch->AsMinutes() > 0)
            return true;
    return false;
}

bool TWeekSheet::WeekHasExtra() const
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (m_days[weekday].extra->AsMinutes() > 0)
            return true;
    return false;
}

bool TWeekSheet::WeekHasHolidays() const
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (m_days[weekday].hols->AsMinutes() > 0)
            return true;
    return false;
}

bool TWeekSheet::WeekHasComments() const
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        if (!m_days[weekday].comment->toolTip().isEmpty())
            return true;
    return false;
}

void TWeekSheet::FocusToday()
{
    const Day &day = m_days[DayNumber::dayOfWeek(DayNumber::today())];
    const auto shown = [this](const QWidget *field) { return field->isVisibleTo(this); };
    TTimeEdit *target = nullptr;
    if (day.arrive->AsMinutes() < 0 && shown(day.arrive))
        target = day.arrive;
    else if (day.depart->AsMinutes() < 0 && shown(day.depart))
        target = day.depart;
    else if (day.lunch->AsMinutes() == 0 && shown(day.lunch))
        target = day.lunch;
    else if (shown(day.depart))
        target = day.depart;
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

void TWeekSheet::EnterCurrentTime()
{
    QWidget *focused = window()->focusWidget();
    if (IsTimeField(focused))
        static_cast<TTimeEdit *>(focused)->EnterCurrentTime();
}

void TWeekSheet::UpdateCommentButton(QAbstractButton *button, const QString &comment, int date)
{
    if (!button)
        return;
    const QString hint = TrimBlanks(comment);
    button->setToolTip(hint);
    button->setProperty(TagProperty, date);
    button->setText(hint.isEmpty() ? QStringLiteral("...") : QStringLiteral("C"));
    // A comment alone makes a day hold data, which may be the first one counted.
    UpdateBalance();
}

int TWeekSheet::DateOf(int weekday) const
{
    return weekday >= 1 && weekday <= 7 ? m_days[weekday].date : 0;
}

TTimeEdit *TWeekSheet::Field(int weekday, int row) const
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

QAbstractButton *TWeekSheet::CommentButton(int weekday) const
{
    return weekday >= 1 && weekday <= 7 ? m_days[weekday].comment : nullptr;
}

bool TWeekSheet::IsArriveOrDepartField(const QWidget *widget) const
{
    int weekday = 0;
    int row = 0;
    return FindField(widget, weekday, row) && (row == rwArrive || row == rwDepart);
}

bool TWeekSheet::IsTimeField(const QWidget *widget) const
{
    int weekday = 0;
    int row = 0;
    return FindField(widget, weekday, row);
}

bool TWeekSheet::FindField(const QObject *object, int &weekday, int &row) const
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

int TWeekSheet::ArrangeRows(bool showLunch, bool showExtra, bool showHols, bool showComment)
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

bool TWeekSheet::IsRowShown(int row) const
{
    if (row < rwArrive || row > rwComment)
        return false;
    return m_rowLabels[row - 1]->isVisibleTo(this);
}

void TWeekSheet::SetResultRowsVisible(bool dailyDeviation, bool weeklyDeviation, bool balance)
{
    m_showDailyDeviation = dailyDeviation;
    m_showWeeklyDeviation = weeklyDeviation;
    m_showBalance = balance;
    StackResultRows();
    UpdateBalance();
}

void TWeekSheet::StackResultRows()
{
    const int margin = width() - (ColumnLeft(6) + HeadingWidth);
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
    setFixedHeight(top);
}

void TWeekSheet::SetArrangeView(std::function<void()> arrangeView)
{
    m_arrangeView = std::move(arrangeView);
}

void TWeekSheet::SetErrorReporter(std::function<void(const QString &)> reporter)
{
    m_errorReporter = std::move(reporter);
}

void TWeekSheet::ArrangeView()
{
    if (m_arrangeView) {
        m_arrangeView();
        return;
    }
    const DrawingLock lock(this);
    ArrangeRows(m_data.ShowLunchTime(), m_data.ShowExtraHours(), m_data.ShowHols(), m_data.ShowComment());
    SetResultRowsVisible(
        m_data.ShowDeviationFromDailyTarget(), m_data.ShowDeviationFromWeeklyTarget(), m_data.ShowBalance());
    ArrangeDayColumns();
}

void TWeekSheet::ApplyDefaultLunch(int weekday)
{
    if (m_loadingWeek || !m_data.UseDefaultLunchTime())
        return;
    const Day &day = m_days[weekday];
    if (day.arrive->AsMinutes() > 0 && day.lunch->AsMinutes() == 0)
        day.lunch->SetAsMinutes(m_data.DefaultLunchTime());
}

int TWeekSheet::BoxWeekStart(int days) const
{
    const QString text = m_weekBox->currentText();
    const int start = DayNumber::weekStartOf(ParseDateText(text) + days, m_data.FirstDayOfWeek());
    // A day of the week that the data file cannot hold could take a typed
    // time, be saved, and leave a file that no longer opens.
    if (start < FirstFileDay() || start + 6 > LastFileDay())
        throw RangeError(
            QStringLiteral("The week of %1 is outside the days a data file can hold, %2 to %3")
                .arg(QuotedText(text), ShortDateText(FirstFileDay()), ShortDateText(LastFileDay())));
    return start;
}

void TWeekSheet::MoveWeek(int days)
{
    m_weekBox->setEditText(ShortDateText(BoxWeekStart(days)));
    ShowWeek();
}

template<class Operation> void TWeekSheet::RunReportingErrors(Operation operation)
{
    try {
        operation();
    } catch (const HourframeError &error) {
        ReportError(error.message());
    }
}

void TWeekSheet::ReportError(const QString &message) const
{
    if (m_errorReporter)
        m_errorReporter(message);
    else
        qWarning("%s", qUtf8Printable(message));
}

void TWeekSheet::UpdateWeekBoxColour()
{
    bool isDate = true;
    try {
        BoxWeekStart(0);
    } catch (const HourframeError &) {
        isDate = false;
    }
    QLineEdit *edit = m_weekBox->lineEdit();
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Text, isDate ? palette().color(QPalette::WindowText) : QColor(Qt::red));
    edit->setPalette(colours);
}

void TWeekSheet::Colour(TTimeEdit *field, bool normal)
{
    const QColor colour = normal ? palette().color(QPalette::WindowText) : QColor(Qt::red);
    if (field->palette().color(QPalette::Text) == colour)
        return;
    QPalette colours = field->palette();
    colours.setColor(QPalette::Text, colour);
    field->setPalette(colours);
}

bool TWeekSheet::HandleArrowKey(TTimeEdit *field, int key)
{
    int weekday = 0;
    int row = 0;
    if (!FindField(field, weekday, row))
        return false;
    const int caret = field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
    int dayStep = 0;
    int rowStep = 0;
    switch (key) {
    case Qt::Key_Left:
        if (caret != 0)
            return false;
        dayStep = -1;
        break;
    case Qt::Key_Right:
        if (caret != field->text().length())
            return false;
        dayStep = 1;
        break;
    case Qt::Key_Up:
        rowStep = -1;
        break;
    case Qt::Key_Down:
        rowStep = 1;
        break;
    default:
        return false;
    }

    // Steps over hidden rows; the field itself is visible, so the walk ends at the latest there.
    TTimeEdit *target = field;
    for (int step = 0; step < 7 * 5; ++step) {
        weekday += dayStep;
        if (weekday < 1)
            weekday = 7;
        else if (weekday > 7)
            weekday = 1;
        row += rowStep;
        if (row < rwArrive)
            row = rwHols;
        else if (row > rwHols)
            row = rwArrive;
        target = Field(weekday, row);
        if (target->isVisibleTo(this))
            break;
    }

    // The field entered is selected, as Tab selects it, so that typing replaces
    // its five characters instead of doing nothing. The caret stands at the end,
    // where Right collapses the selection before a second Right moves on.
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
    return true;
}

void TWeekSheet::FocusNextInTabOrder(QWidget *from)
{
    const auto count = m_tabOrder.size();
    std::size_t index = 0;
    while (index < count && m_tabOrder[index] != from)
        ++index;
    if (index == count)
        return;
    for (std::size_t step = 1; step < count; ++step) {
        QWidget *candidate = m_tabOrder[(index + step) % count];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            // As Tab: a field entered selects its text, and buttons show the focus mark.
            window()->setAttribute(Qt::WA_KeyboardFocusChange);
            candidate->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool TWeekSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_weekBox) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                RunReportingErrors([this] { ShowWeek(); });
                return true;
            }
            break;
        }
        case QEvent::FocusOut: {
            // Opening the list or switching to another window does not leave the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                RunReportingErrors([this] { ShowWeek(); });
            break;
        }
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }

    // The only buttons watched are the comment buttons.
    if (auto *button = qobject_cast<QToolButton *>(watched)) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                button->click();
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

    int weekday = 0;
    int row = 0;
    if (!FindField(watched, weekday, row))
        return QWidget::eventFilter(watched, event);
    auto *field = static_cast<TTimeEdit *>(watched);

    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FocusNextInTabOrder(field);
            return true;
        }
        if (HandleArrowKey(field, key))
            return true;
        break;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            break;
        if (row == rwArrive || row == rwDepart)
            ApplyDefaultLunch(weekday);
        // A field the user did not change still shows its stored value; its
        // text read back may differ from it (25:00 reads as 01:00), and
        // writing that back would change the day.
        if (m_days[weekday].edited[row])
            field->Redisplay();
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (row == rwLunch) {
            field->SetAsMinutes(m_data.DefaultLunchTime());
            // The line edit would select the word clicked; the caret goes to the
            // end instead, as after typing the value.
            field->end(false);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
