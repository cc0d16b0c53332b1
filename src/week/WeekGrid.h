#pragma once

#include "core/TimeText.h"

#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QAbstractButton;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QToolButton;
class TTimeEdit;
class TTimeLabel;

// The week sheet's widgets without the days they show: the 35 time fields,
// the comment buttons, the week box, the figure labels, their layout and the
// keyboard movement between them. It reads no store and no settings; what
// the user does to it beyond moving around goes to the hooks below.
//
// Weekdays are numbered 1 = Sunday to 7 = Saturday; grid rows 1 = Arrive,
// 2 = Depart, 3 = Lunch, 4 = Extra, 5 = Holiday (6 = Comment for IsRowShown).
class TWeekGrid : public QWidget {
    Q_OBJECT

public:
    enum Row { rwArrive = 1, rwDepart = 2, rwLunch = 3, rwExtra = 4, rwHols = 5, rwComment = 6 };

    explicit TWeekGrid(QWidget *parent = nullptr);
    ~TWeekGrid() override;

    TTimeEdit *Field(int weekday, int row) const;
    QAbstractButton *CommentButton(int weekday) const;
    bool IsArriveOrDepartField(const QWidget *widget) const;
    bool IsTimeField(const QWidget *widget) const;

    QAction *PreviousWeekAction() const { return m_acPreviousWeek; }
    QAction *NextWeekAction() const { return m_acNextWeek; }

    bool WeekHasLunch() const;
    bool WeekHasExtra() const;
    bool WeekHasHolidays() const;
    bool WeekHasComments() const;

    void FocusToday();
    void EnterCurrentTime();
    // The hint, date and caption of a comment button.
    void ShowComment(QAbstractButton *button, const QString &comment, int date);

    // Layout: shows each optional grid row when asked or when the week has data
    // in it, stacks the rows and returns the grid height.
    int ArrangeRows(bool showLunch, bool showExtra, bool showHols, bool showComment);
    bool IsRowShown(int row) const;
    void SetResultRowsVisible(
        bool dailyDeviation, bool weeklyDeviation, bool balance = false, bool leaveAt = false);
    // The Balance row's text, its figure and any note after a blank, while
    // the row is shown, else an empty text.
    QString BalanceShown() const;
    // The same of the Leave at row.
    QString LeaveAtShown() const;

Q_SIGNALS:
    void CommentClicked(QAbstractButton *button, int date);

protected:
    // What the user does that changes more than the focus. The grid itself
    // does nothing more; the sheet acts on them.
    virtual void FieldChanged(int weekday, int row);
    // Left for another control of the window, not for a popup or another window.
    virtual void FieldLeft(int weekday, int row);
    virtual void LunchDoubleClicked(int weekday);
    virtual void WeekBoxEdited();
    // Enter in the week box, a week chosen from its list, or the box left.
    virtual void WeekBoxCommitted();
    // The previous-week or next-week command: days is -7 or 7.
    virtual void WeekStepped(int days);
    // After SetResultRowsVisible.
    virtual void ResultRowsChanged();

    QComboBox *WeekBox() const { return m_weekBox; }
    // Orders the columns from firstDayOfWeek and captions the headings.
    void ArrangeColumns(int firstDayOfWeek);
    // The dates of the columns, as the headings' hints. A column with a
    // holiday's name (by column, from the left) has the name in its hint too,
    // and a heading in the palette's highlight colours.
    void ShowWeekDates(int weekStart, const std::array<QString, 7> &holidays = {});
    // The breaches of the working-time rules of each column, from the left,
    // one a line. A heading with any is marked by a sign after the day's name
    // and a frame, not by colour alone, and names them in its tool tip and
    // accessible description.
    void ShowBreaches(const std::array<QString, 7> &breaches);
    // A day's name as a marked heading shows it.
    static QString MarkedCaption(const QString &caption);
    void SetRoundTo(int roundTo);
    bool IsBalanceRowShown() const { return m_showBalance; }
    bool IsLeaveAtRowShown() const { return m_showLeaveAt; }

    void ShowDayFigures(int weekday, qint64 hours, qint64 deviation);
    void ShowWeekFigures(qint64 weeklyHours, bool hoursShort, qint64 shortfall);
    // A figure ends where the week's figures do; a note follows it.
    void ShowBalance(const QString &figure, const QString &note = {});
    void ShowLeaveAt(const QString &time, const QString &note = {});
    // The normal text colour, or red.
    void Colour(QWidget *field, bool normal);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Day {
        TTimeEdit *arrive = nullptr;
        TTimeEdit *depart = nullptr;
        TTimeEdit *lunch = nullptr;
        TTimeEdit *extra = nullptr;
        TTimeEdit *hols = nullptr;
        QToolButton *comment = nullptr;
        TTimeLabel *hours = nullptr;
        TTimeLabel *deviation = nullptr;
    };

    // Left edge of a column, 0 to 6 from the left.
    int ColumnLeft(int column) const;
    void CreateWeekBox();
    void CreateControls();
    void CreateResultRows();
    void CreateFigures(int weeklyCaptionWidth);
    void NameControls();
    void SetTabOrder();
    TTimeEdit *CreateField(int weekday, int row, const QString &name, TTimeEditKind kind, bool blankIfZero);
    QLabel *CreateRowLabel(QWidget *parent, const QString &name, const QString &caption);
    void StackResultRows();
    bool FindField(const QObject *object, int &weekday, int &row) const;
    bool HandleArrowKey(TTimeEdit *field, int key);
    void FocusNextInTabOrder(QWidget *from);
    bool FilterWeekBoxEvent(QEvent *event);
    bool FilterFieldEvent(TTimeEdit *field, int weekday, int row, QEvent *event);

    std::array<Day, 8> m_days; // indexed by weekday 1..7
    // What a heading shows and tells, by column from the left.
    struct HeadingTexts {
        QString caption;
        QString date;
        QString holiday;
        QString breaches;
    };
    void UpdateHeading(std::size_t column);

    std::array<QLabel *, 7> m_headings {};
    std::array<HeadingTexts, 7> m_headingTexts;
    std::array<QLabel *, 7> m_rowLabels {}; // indexed by Row 1..6
    std::vector<QWidget *> m_tabOrder;

    QComboBox *m_weekBox = nullptr;
    QLabel *m_weekBoxLabel = nullptr;
    QToolButton *m_btPreviousWeek = nullptr;
    QToolButton *m_btNextWeek = nullptr;
    QAction *m_acPreviousWeek = nullptr;
    QAction *m_acNextWeek = nullptr;

    QWidget *m_pnHours = nullptr;
    QWidget *m_pnDeviation = nullptr;
    QWidget *m_pnWeeklyHours = nullptr;
    QWidget *m_pnShortfall = nullptr;
    QWidget *m_pnBalance = nullptr;
    QLabel *m_balance = nullptr;
    QLabel *m_balanceNote = nullptr;
    QWidget *m_pnLeaveAt = nullptr;
    QLabel *m_leaveAt = nullptr;
    QLabel *m_leaveAtNote = nullptr;
    QFrame *m_bevel = nullptr;
    TTimeLabel *m_weeklyHours = nullptr;
    TTimeLabel *m_shortfall = nullptr;
    QLabel *m_laWeeklyShortfall = nullptr;

    int StyledFieldWidth(int height) const;
    int StyledWeekBoxWidth(int height) const;

    int m_labelWidth = 0;
    int m_fieldWidth = 0;
    int m_headingWidth = 0;
    int m_columnPitch = 0;
    int m_firstColumnLeft = 0;
    int m_gridHeight = 0;
    bool m_showDailyDeviation = false;
    bool m_showWeeklyDeviation = false;
    bool m_showBalance = false;
    bool m_showLeaveAt = false;
};
