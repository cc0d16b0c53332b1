#pragma once

#include "core/Targets.h"

#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class TDateEdit;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TData;
class TTargetHistoryList;
class TTimeEdit;
enum class TSetting;

// The Options dialog: start-up, view, rounding, target, holiday, printer,
// balance and vacation settings.
// Every control mirrors one setting; OK stores all of them, changed or not,
// and Cancel stores nothing. Invalid input only keeps OK disabled.
class TPreferencesForm : public QDialog {
    Q_OBJECT

public:
    explicit TPreferencesForm(TData &data, QWidget *parent = nullptr);

private:
    // A control and how it shows and stores its setting. The list of them,
    // in the order of the pages, is also the tab order.
    struct SettingControl {
        QWidget *control;
        std::function<void()> show;
        std::function<void()> store;
    };

    void CreateOptionsPage();
    void CreateTargetsPage();
    void CreateTargetHistory(QWidget *page);
    void CreateHolidaysPage();
    void CreatePrinterPage();
    void CreateBalancePage();
    // The working-time rules (PreferencesRules.cpp).
    void CreateRulesPage();
    void CreateRuleFields(QWidget *page);
    void LayOutRulesPage(QWidget *page);
    // Shows a value of the rules, by its place in RuleValues().
    void ShowRuleValue(std::size_t value, int shown);
    // Shows the values of the chosen rule set.
    void cbWorkingTimeRulesChange();
    bool RulesAreValid() const;
    void CreateButtons();
    void Bind(QWidget *control, std::function<void()> show, std::function<void()> store);
    // A check box named after its setting, "ck" and the setting's name.
    QCheckBox *AddCheckBox(TSetting setting, const QString &caption, QWidget *page);
    TTimeEdit *AddTimeField(const QString &name, TSetting setting, QWidget *page);
    // A field for a decimal number.
    QLineEdit *AddNumberField(const QString &name, TSetting setting, int digits, QWidget *page);
    void FormShow();
    static int MinutesOf(const TTimeEdit *field);
    static TTimeEdit *NewIntervalField(const QString &name, QWidget *parent);
    // A page of the dialog: one framed group that fills it.
    static QGroupBox *NewPage(QTabWidget *pages, const QString &pageName, const QString &tabCaption,
        const QString &groupName, const QString &groupCaption);

    void ckRoundTimesClick();
    void ckDeviationClick();
    void DayTargetChange();
    // The targets the fields show; and showing the latest of the history.
    TTargetSet ShownTargets() const;
    void ShowTargets(const TTargetSet &targets);
    void ckBalanceFromFirstDayClick();
    void edHolidayCalendarChange();
    void btBrowseHolidayCalendarClick();
    void Validate();
    bool InputIsValid() const;
    void btOkClick();

    TData &m_data;
    QList<SettingControl> m_controls;

    QTabWidget *pcPreferences;
    QCheckBox *ckRoundTimes;
    QLineEdit *edRoundTimesTo;
    QCheckBox *ckShowDeviationFromDailyTarget;
    QCheckBox *ckShowDeviationFromWeeklyTarget;
    TTimeEdit *teWeeklyTarget;
    TTimeEdit *teDefaultLunchTime;
    QComboBox *cbFontName;
    QLineEdit *edFontSize;
    QCheckBox *ckBalanceFromFirstDay;
    TDateEdit *edBalanceStartDate;
    QLineEdit *teBalanceOpening;
    QLineEdit *edHolidayCalendar;
    QLabel *laHolidayCount;
    QLineEdit *edVacationDaysPerYear;
    QLineEdit *edVacationCarriedOver;
    QPushButton *btOk;
    QPushButton *btCancel;

    QComboBox *cbWorkingTimeRules;
    // The fields of the rule values, in the order of RuleValues(); the
    // number of weeks is a number field, the others are time fields.
    QList<QLineEdit *> m_ruleFields;
    QList<QLabel *> m_breakWords; // "for more than" or "from" the work

    QList<TTimeEdit *> m_dayTargets; // Monday to Sunday
    TTargetHistoryList *m_targetHistory;
    // What the target fields showed when the dialog opened: a change of them
    // asks from which day on it holds.
    TTargetSet m_openedTargets;
};

// The Options command's dialog, shown modally over the owner. Returns whether
// the user left it with OK, in which case every setting it shows is stored
// and the owner re-applies them.
bool EditPreferences(QWidget *owner, TData &data);
