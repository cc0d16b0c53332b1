#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TData;
class TTimeEdit;

// The Options dialog: start-up, view, rounding, target, printer and balance settings.
// Every control mirrors one setting; OK stores all of them, changed or not,
// and Cancel stores nothing. Invalid input only keeps OK disabled.
class TPreferencesForm : public QDialog {
    Q_OBJECT

public:
    explicit TPreferencesForm(TData &data, QWidget *parent = nullptr);

private:
    void CreateControls();
    void FormShow();

    void ckRoundTimesClick();
    void ckDeviationClick();
    void DayTargetChange();
    void ckBalanceFromFirstDayClick();
    void Validate();
    bool InputIsValid() const;
    void btOkClick();

    TData &m_data;

    QTabWidget *pcPreferences;

    QCheckBox *ckAssociateHfFiles;
    QCheckBox *ckReopenLastUsedFile;
    QCheckBox *ckUseToolTray;
    QCheckBox *ckAutoSave;
    QCheckBox *ckAutoEnterTime;
    QCheckBox *ckRoundTimes;
    QLineEdit *edRoundTimesTo;
    QCheckBox *ckShowLunchTime;
    QCheckBox *ckShowExtraHours;
    QCheckBox *ckShowHols;
    QCheckBox *ckShowComment;
    QCheckBox *ckIncludeHolsInTotal;
    QComboBox *cbFirstDayOfWeek;

    QCheckBox *ckShowDeviationFromDailyTarget;
    TTimeEdit *teMondayTarget;
    TTimeEdit *teTuesdayTarget;
    TTimeEdit *teWednesdayTarget;
    TTimeEdit *teThursdayTarget;
    TTimeEdit *teFridayTarget;
    TTimeEdit *teSaturdayTarget;
    TTimeEdit *teSundayTarget;
    QCheckBox *ckShowDeviationFromWeeklyTarget;
    TTimeEdit *teWeeklyTarget;
    QCheckBox *ckUseDefaultLunchTime;
    TTimeEdit *teDefaultLunchTime;

    QComboBox *cbFontName;
    QLineEdit *edFontSize;

    QCheckBox *ckBalanceFromFirstDay;
    QDateEdit *edBalanceStartDate;
    QLineEdit *teBalanceOpening;

    QPushButton *btOk;
    QPushButton *btCancel;

    QList<TTimeEdit *> m_dayTargets; // Saturday to Friday, the order of the weekly sum
};

// The Options command's dialog, shown modally over the owner. Returns whether
// the user left it with OK, in which case every setting it shows is stored
// and the owner re-applies them.
bool EditPreferences(QWidget *owner, TData &data);
