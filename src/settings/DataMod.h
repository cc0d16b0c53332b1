#pragma once

#include <QObject>
#include <QString>

class TRegistryManager;
class TVersionData;

// The application's settings. Every setting is read once when the object is
// created; a getter gives the value held in memory, a setter changes it and
// writes that one value to the per-user store at once, even when it has not
// changed. The main program owns the one instance and hands it to every
// window that needs it.
//
// A value that the store refuses raises RegistryError with the value already
// changed in memory. A value outside its range (negative minutes,
// FirstDayOfWeek outside 1 to 7, RoundTimesTo, NumberOfComments or
// PrinterFontSize below 1) is refused with RangeError, and such a stored value
// reads as the default.
class TData : public QObject {
    Q_OBJECT

public:
    explicit TData(QObject *parent = nullptr);

    TVersionData &VersionData() const { return *m_versionData; }
    TRegistryManager &RegistryManager() const { return *m_registryManager; }

    // The product name; also the application's name for Qt.
    QString ApplicationTitle() const { return m_applicationTitle; }
    // The manual's first page; empty when there is no manual.
    QString HelpFile() const { return m_helpFile; }

    // Start-up and document
    bool AutoSave() const { return m_autoSave; }
    void SetAutoSave(bool value);
    bool AutoEnterTime() const { return m_autoEnterTime; }
    void SetAutoEnterTime(bool value);
    bool ReopenLastUsedFile() const { return m_reopenLastUsedFile; }
    void SetReopenLastUsedFile(bool value);
    QString Filename() const { return m_filename; }
    void SetFilename(const QString &value);
    bool AssociateHfFiles() const { return m_associateHfFiles; }
    void SetAssociateHfFiles(bool value);
    bool UseToolTray() const { return m_useToolTray; }
    void SetUseToolTray(bool value);
    int NumberOfComments() const { return m_numberOfComments; }
    void SetNumberOfComments(int value);

    // View
    bool ShowLunchTime() const { return m_showLunchTime; }
    void SetShowLunchTime(bool value);
    bool ShowExtraHours() const { return m_showExtraHours; }
    void SetShowExtraHours(bool value);
    bool ShowHols() const { return m_showHols; }
    void SetShowHols(bool value);
    bool ShowComment() const { return m_showComment; }
    void SetShowComment(bool value);
    bool ShowDeviationFromDailyTarget() const { return m_showDeviationFromDailyTarget; }
    void SetShowDeviationFromDailyTarget(bool value);
    bool ShowDeviationFromWeeklyTarget() const { return m_showDeviationFromWeeklyTarget; }
    void SetShowDeviationFromWeeklyTarget(bool value);
    bool ShowToolbar() const { return m_showToolbar; }
    void SetShowToolbar(bool value);
    bool ShowMenu() const { return m_showMenu; }
    void SetShowMenu(bool value);

    // Targets and time entry (minutes are never negative)
    int MondayTarget() const { return m_mondayTarget; }
    void SetMondayTarget(int value);
    int TuesdayTarget() const { return m_tuesdayTarget; }
    void SetTuesdayTarget(int value);
    int WednesdayTarget() const { return m_wednesdayTarget; }
    void SetWednesdayTarget(int value);
    int ThusdayTarget() const { return m_thusdayTarget; }
    // Thursday's target keeps its historic value name "ThusdayTarget"; a
    // change is also written under "ThursdayTarget", which is never read.
    void SetThusdayTarget(int value);
    int FridayTarget() const { return m_fridayTarget; }
    void SetFridayTarget(int value);
    int SaturdayTarget() const { return m_saturdayTarget; }
    void SetSaturdayTarget(int value);
    int SundayTarget() const { return m_sundayTarget; }
    void SetSundayTarget(int value);
    // The target of a weekday, 1 = Sunday to 7 = Saturday; 0 for any other number.
    int DayTarget(int weekday) const;
    int WeeklyTarget() const { return m_weeklyTarget; }
    void SetWeeklyTarget(int value);
    int DefaultLunchTime() const { return m_defaultLunchTime; }
    void SetDefaultLunchTime(int value);
    bool UseDefaultLunchTime() const { return m_useDefaultLunchTime; }
    void SetUseDefaultLunchTime(bool value);
    bool RoundTimes() const { return m_roundTimes; }
    void SetRoundTimes(bool value);
    int RoundTimesTo() const { return m_roundTimesTo; }
    void SetRoundTimesTo(int value);
    int FirstDayOfWeek() const { return m_firstDayOfWeek; }
    void SetFirstDayOfWeek(int value);
    bool IncludeHolsInTotal() const { return m_includeHolsInTotal; }
    void SetIncludeHolsInTotal(bool value);

    // Printer
    QString PrinterFontName() const { return m_printerFontName; }
    void SetPrinterFontName(const QString &value);
    int PrinterFontSize() const { return m_printerFontSize; }
    void SetPrinterFontSize(int value);

    // Report options
    bool ReportAdjustDatesToFullWeek() const { return m_reportAdjustDatesToFullWeek; }
    void SetReportAdjustDatesToFullWeek(bool value);
    bool ReportWorkDaysWithNoHours() const { return m_reportWorkDaysWithNoHours; }
    void SetReportWorkDaysWithNoHours(bool value);
    bool ReportWeekendDaysWithNoHours() const { return m_reportWeekendDaysWithNoHours; }
    void SetReportWeekendDaysWithNoHours(bool value);
    bool ReportCalculateTotalHours() const { return m_reportCalculateTotalHours; }
    void SetReportCalculateTotalHours(bool value);
    bool ReportCalculateAverageHours() const { return m_reportCalculateAverageHours; }
    void SetReportCalculateAverageHours(bool value);
    QString ReportFileName() const { return m_reportFileName; }
    void SetReportFileName(const QString &value);
    // The last file a report was saved to as PDF.
    QString ReportPdfFileName() const { return m_reportPdfFileName; }
    void SetReportPdfFileName(const QString &value);

    // Export options
    bool ExportAdjustDatesToFullWeek() const { return m_exportAdjustDatesToFullWeek; }
    void SetExportAdjustDatesToFullWeek(bool value);
    bool ExportWorkDaysWithNoHours() const { return m_exportWorkDaysWithNoHours; }
    void SetExportWorkDaysWithNoHours(bool value);
    bool ExportWeekendDaysWithNoHours() const { return m_exportWeekendDaysWithNoHours; }
    void SetExportWeekendDaysWithNoHours(bool value);
    bool ExportCalculateTotalHours() const { return m_exportCalculateTotalHours; }
    void SetExportCalculateTotalHours(bool value);
    bool ExportColumnHeadings() const { return m_exportColumnHeadings; }
    void SetExportColumnHeadings(bool value);
    bool ExportDate() const { return m_exportDate; }
    void SetExportDate(bool value);
    bool ExportArrivalTime() const { return m_exportArrivalTime; }
    void SetExportArrivalTime(bool value);
    bool ExportDepartureTime() const { return m_exportDepartureTime; }
    void SetExportDepartureTime(bool value);
    bool ExportLunchTime() const { return m_exportLunchTime; }
    void SetExportLunchTime(bool value);
    bool ExportExtraHours() const { return m_exportExtraHours; }
    void SetExportExtraHours(bool value);
    bool ExportHolidays() const { return m_exportHolidays; }
    void SetExportHolidays(bool value);
    bool ExportDailyHours() const { return m_exportDailyHours; }
    void SetExportDailyHours(bool value);
    bool ExportDeviation() const { return m_exportDeviation; }
    void SetExportDeviation(bool value);
    bool ExportComments() const { return m_exportComments; }
    void SetExportComments(bool value);
    QString ExportFileName() const { return m_exportFileName; }
    void SetExportFileName(const QString &value);

private:
    void HourframeDataCreate();
    int WeeklyTargetDefault() const;

    bool ReadFlag(const QString &name, bool defaultValue) const;
    int ReadNumber(const QString &name, int defaultValue, int minimum, int maximum) const;
    QString ReadText(const QString &name, const QString &defaultValue) const;
    void StoreFlag(bool &field, const QString &name, bool value);
    void StoreNumber(int &field, const QString &name, int value, int minimum, int maximum);
    void StoreText(QString &field, const QString &name, const QString &value);

    TVersionData *m_versionData;
    TRegistryManager *m_registryManager;
    QString m_applicationTitle;
    QString m_helpFile;

    bool m_autoSave {};
    bool m_autoEnterTime {};
    bool m_reopenLastUsedFile {};
    QString m_filename {};
    bool m_associateHfFiles {};
    bool m_useToolTray {};
    int m_numberOfComments {};
    bool m_showLunchTime {};
    bool m_showExtraHours {};
    bool m_showHols {};
    bool m_showComment {};
    bool m_showDeviationFromDailyTarget {};
    bool m_showDeviationFromWeeklyTarget {};
    bool m_showToolbar {};
    bool m_showMenu {};
    int m_mondayTarget {};
    int m_tuesdayTarget {};
    int m_wednesdayTarget {};
    int m_thusdayTarget {};
    int m_fridayTarget {};
    int m_saturdayTarget {};
    int m_sundayTarget {};
    int m_weeklyTarget {};
    int m_defaultLunchTime {};
    bool m_useDefaultLunchTime {};
    bool m_roundTimes {};
    int m_roundTimesTo {};
    int m_firstDayOfWeek {};
    bool m_includeHolsInTotal {};
    QString m_printerFontName {};
    int m_printerFontSize {};
    bool m_reportAdjustDatesToFullWeek {};
    bool m_reportWorkDaysWithNoHours {};
    bool m_reportWeekendDaysWithNoHours {};
    bool m_reportCalculateTotalHours {};
    bool m_reportCalculateAverageHours {};
    QString m_reportFileName {};
    QString m_reportPdfFileName {};
    bool m_exportAdjustDatesToFullWeek {};
    bool m_exportWorkDaysWithNoHours {};
    bool m_exportWeekendDaysWithNoHours {};
    bool m_exportCalculateTotalHours {};
    bool m_exportColumnHeadings {};
    bool m_exportDate {};
    bool m_exportArrivalTime {};
    bool m_exportDepartureTime {};
    bool m_exportLunchTime {};
    bool m_exportExtraHours {};
    bool m_exportHolidays {};
    bool m_exportDailyHours {};
    bool m_exportDeviation {};
    bool m_exportComments {};
    QString m_exportFileName {};
};

// The manual's first page for the program file: beside the program in the
// build tree, else in the installed data folder; empty when neither exists.
QString ManualPathFor(const QString &programPath);
