#pragma once

#include "core/Balance.h"
#include "core/TimeText.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QToolButton;
class TData;
class TTimeEdit;
class TTimeLabel;
class TTimeRecorder;

// One week of time fields: every keystroke recalculates the day and the week
// and writes the day's valid fields straight through to the store.
//
// Weekdays are numbered 1 = Sunday to 7 = Saturday; grid rows 1 = Arrive,
// 2 = Depart, 3 = Lunch, 4 = Extra, 5 = Holiday (6 = Comment for IsRowShown).
class TWeekSheet : public QWidget {
    Q_OBJECT

public:
    enum Row { rwArrive = 1, rwDepart = 2, rwLunch = 3, rwExtra = 4, rwHols = 5, rwComment = 6 };

    TWeekSheet(TTimeRecorder &recorder, TData &data, QWidget *parent = nullptr);
    ~TWeekSheet() override;

    // Rounding from the settings, the week containing today and the list of
    // weeks offered by the week-beginning box.
    void InitWeek();
    // Loads the week named by the box. A box text that is not a date leaves the
    // shown week as it is, recalculates it and then throws the error on.
    // Showing a week never writes to the store.
    void ShowWeek();
    // Colours the day's fields and computes its figures and the week's from
    // the stored values, so a value the fields cannot hold still counts in full.
    void RecalculateDay(int weekday);
    // Orders the columns from FirstDayOfWeek and captions the headings.
    void ArrangeDayColumns();

    bool WeekHasLunch() const;
    bool WeekHasExtra() const;
    bool WeekHasHolidays() const;
    bool WeekHasComments() const;

    void FocusToday();
    void EnterCurrentTime();
    void UpdateCommentButton(QAbstractButton *button, const QString &comment, int date);

    int WeekStart() const { return m_weekStart; }
    // The day number weekday's column shows.
    int DateOf(int weekday) const;
    TTimeEdit *Field(int weekday, int row) const;
    QAbstractButton *CommentButton(int weekday) const;
    bool IsArriveOrDepartField(const QWidget *widget) const;
    bool IsTimeField(const QWidget *widget) const;

    QAction *PreviousWeekAction() const { return m_acPreviousWeek; }
    QAction *NextWeekAction() const { return m_acNextWeek; }

    // Layout: shows each optional grid row when asked or when the week has data
    // in it, stacks the rows and returns the grid height.
    int ArrangeRows(bool showLunch, bool showExtra, bool showHols, bool showComment);
    bool IsRowShown(int row) const;
    void SetResultRowsVisible(bool dailyDeviation, bool weeklyDeviation, bool balance = false);
    // The running balance as of the last shown day, or today if earlier, as
    // the Balance row shows it; counted only while the row is shown.
    QString BalanceShown() const;

    // Replaces the view layout run at the end of ShowWeek.
    void SetArrangeView(std::function<void()> arrangeView);
    // Where errors of the box and week commands go; they have no caller to catch them.
    void SetErrorReporter(std::function<void(const QString &)> reporter);

Q_SIGNALS:
    void CommentClicked(QAbstractButton *button, int date);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Day {
        int date = 0;
        bool hasDate = false; // false until a week has been shown
        // Indexed by Row: fields the user changed since the day was shown. Only
        // these are written to the store, so browsing never changes the document.
        std::array<bool, rwHols + 1> edited {};
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
    void CreateControls();
    void CreateResultRows();
    void SetTabOrder();
    TTimeEdit *CreateField(int weekday, int row, const QString &name, TTimeEditKind kind, bool blankIfZero);
    // A change of a field's text outside the loading of a week: the user's
    // edit, or a rule applied to it. Writes that field when valid, then recalculates.
    void FieldEdited(int weekday, int row);
    QLabel *CreateRowLabel(QWidget *parent, const QString &name, const QString &caption);
    void ArrangeView();
    void StackResultRows();
    void UpdateBalance();
    // Shows the date's stored values in its weekday's fields and binds them to the date.
    void LoadDay(int date);
    // The list of the week box opens on the entry of the shown week, if it has one.
    void SelectWeekInList();
    void ApplyDefaultLunch(int weekday);
    // The first day of the week of the box's date moved by days; a text that is
    // not a date, or a week with a day the data file cannot hold, throws.
    int BoxWeekStart(int days) const;
    void MoveWeek(int days);
    void ReportError(const QString &message) const;
    void UpdateWeekBoxColour();
    void Colour(TTimeEdit *field, bool normal);
    bool FindField(const QObject *object, int &weekday, int &row) const;
    bool HandleArrowKey(TTimeEdit *field, int key);
    void FocusNextInTabOrder(QWidget *from);
    template<class Operation> void RunReportingErrors(Operation operation);

    TTimeRecorder &m_recorder;
    TData &m_data;

    std::array<Day, 8> m_days; // indexed by weekday 1..7
    std::array<QLabel *, 7> m_headings {};
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
    QFrame *m_bevel = nullptr;
    TTimeLabel *m_weeklyHours = nullptr;
    TTimeLabel *m_shortfall = nullptr;
    QLabel *m_laWeeklyShortfall = nullptr;

    int m_labelWidth = 0;
    int m_firstColumnLeft = 0;
    int m_weekStart = 0;
    bool m_loadingWeek = false;
    int m_gridHeight = 0;
    bool m_showDailyDeviation = false;
    bool m_showWeeklyDeviation = false;
    bool m_showBalance = false;
    // The days before the shown week are counted once, when the balance is
    // first shown after the week or the settings changed; every edit of the
    // week then counts only its seven days again. Empty until then.
    std::optional<TWeekBalance> m_weekBalance;

    std::function<void()> m_arrangeView;
    std::function<void(const QString &)> m_errorReporter;
};
