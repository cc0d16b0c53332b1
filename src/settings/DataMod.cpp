#include "settings/DataMod.h"

#include "BuildInfo.h"
#include "core/Errors.h"
#include "settings/RegMgr.h"
#include "settings/VersionData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int MaxMinutes = std::numeric_limits<int>::max();

} // namespace

QString ManualPathFor(const QString &programPath)
{
    const QDir programFolder = QFileInfo(programPath).dir();
    for (const QString &relative :
        { u"help/index.html"_s, QString::fromLatin1(BuildInfo::InstalledManual) }) {
        const QString path = QDir::cleanPath(programFolder.filePath(relative));
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

TData::TData(QObject *parent)
    : QObject(parent)
    , m_versionData(new TVersionData(this))
    , m_registryManager(new TRegistryManager(this))
{
    HourframeDataCreate();
}

void TData::HourframeDataCreate()
{
    m_applicationTitle = m_versionData->VersionInfo().ProductName;
    QCoreApplication::setApplicationName(m_applicationTitle);
    m_helpFile = ManualPathFor(QCoreApplication::applicationFilePath());
    m_registryManager->SetApplicationName(m_versionData->VersionInfo().ProductName);

    m_autoSave = ReadFlag(u"AutoSave"_s, false);
    m_autoEnterTime = ReadFlag(u"AutoEnterTime"_s, true);
    m_filename = ReadText(u"Filename"_s, QString());
    m_reopenLastUsedFile = ReadFlag(u"ReopenLastUsedFile"_s, true);
    m_associateHfFiles = ReadFlag(u"AssociateHfFiles"_s, false);
    m_reportWorkDaysWithNoHours = ReadFlag(u"ReportWorkDaysWithNoHours"_s, true);
    m_reportCalculateTotalHours = ReadFlag(u"ReportCalculateTotalHours"_s, true);
    m_reportCalculateAverageHours = ReadFlag(u"ReportCalculateAverageHours"_s, true);
    m_reportWeekendDaysWithNoHours = ReadFlag(u"ReportWeekendDaysWithNoHours"_s, false);
    m_reportAdjustDatesToFullWeek = ReadFlag(u"ReportAdjustDatesToFullWeek"_s, true);
    m_reportFileName = ReadText(u"ReportFileName"_s, QString());
    m_reportPdfFileName = ReadText(u"ReportPdfFileName"_s, QString());
    m_showDeviationFromWeeklyTarget = ReadFlag(u"ShowDeviationFromWeeklyTarget"_s, false);
    m_showDeviationFromDailyTarget = ReadFlag(u"ShowDeviationFromDailyTarget"_s, false);
    m_showLunchTime = ReadFlag(u"ShowLunchTime"_s, true);
    m_showComment = ReadFlag(u"ShowComment"_s, false);
    m_showExtraHours = ReadFlag(u"ShowExtraHours"_s, false);
    m_showHols = ReadFlag(u"ShowHols"_s, false);
    m_showToolbar = ReadFlag(u"ShowToolbar"_s, true);
    m_showMenu = ReadFlag(u"ShowMenu"_s, true);
    m_printerFontName = ReadText(u"PrinterFontName"_s, u"Courier New"_s);
    m_printerFontSize = ReadNumber(u"PrinterFontSize"_s, 12, 1, std::numeric_limits<int>::max());
    m_saturdayTarget = ReadNumber(u"SaturdayTarget"_s, 0, 0, MaxMinutes);
    m_sundayTarget = ReadNumber(u"SundayTarget"_s, 0, 0, MaxMinutes);
    m_mondayTarget = ReadNumber(u"MondayTarget"_s, 450, 0, MaxMinutes);
    m_tuesdayTarget = ReadNumber(u"TuesdayTarget"_s, 450, 0, MaxMinutes);
    m_wednesdayTarget = ReadNumber(u"WednesdayTarget"_s, 450, 0, MaxMinutes);
    m_thusdayTarget = ReadNumber(u"ThusdayTarget"_s, 450, 0, MaxMinutes);
    m_fridayTarget = ReadNumber(u"FridayTarget"_s, 420, 0, MaxMinutes);
    m_weeklyTarget = ReadNumber(u"WeeklyTarget"_s, WeeklyTargetDefault(), 0, MaxMinutes);
    m_useToolTray = ReadFlag(u"UseToolTray"_s, false);
    m_roundTimesTo = ReadNumber(u"RoundTimesTo"_s, 5, 1, std::numeric_limits<int>::max());
    m_roundTimes = ReadFlag(u"RoundTimes"_s, false);
    m_firstDayOfWeek = ReadNumber(u"FirstDayOfWeek"_s, 1, 1, 7);
    m_exportAdjustDatesToFullWeek = ReadFlag(u"ExportAdjustDatesToFullWeek"_s, true);
    m_exportWorkDaysWithNoHours = ReadFlag(u"ExportWorkDaysWithNoHours"_s, true);
    m_exportWeekendDaysWithNoHours = ReadFlag(u"ExportWeekendDaysWithNoHours"_s, false);
    m_exportCalculateTotalHours = ReadFlag(u"ExportCalculateTotalHours"_s, true);
    m_exportColumnHeadings = ReadFlag(u"ExportColumnHeadings"_s, true);
    m_exportDate = ReadFlag(u"ExportDate"_s, true);
    m_exportArrivalTime = ReadFlag(u"ExportArrivalTime"_s, true);
    m_exportDepartureTime = ReadFlag(u"ExportDepartureTime"_s, true);
    m_exportLunchTime = ReadFlag(u"ExportLunchTime"_s, true);
    m_exportExtraHours = ReadFlag(u"ExportExtraHours"_s, true);
    m_exportHolidays = ReadFlag(u"ExportHolidays"_s, true);
    m_exportDailyHours = ReadFlag(u"ExportDailyHours"_s, true);
    m_exportDeviation = ReadFlag(u"ExportDeviation"_s, true);
    m_exportComments = ReadFlag(u"ExportComments"_s, true);
    m_exportFileName = ReadText(u"ExportFileName"_s, QString());
    m_includeHolsInTotal = ReadFlag(u"IncludeHolsInTotal"_s, true);
    m_defaultLunchTime = ReadNumber(u"DefaultLunchTime"_s, 0, 0, MaxMinutes);
    m_useDefaultLunchTime = ReadFlag(u"UseDefaultLunchTime"_s, false);
    m_numberOfComments = ReadNumber(u"NumberOfComments"_s, 50, 1, std::numeric_limits<int>::max());
}

int TData::DayTarget(int weekday) const
{
    switch (weekday) {
    case 1:
        return m_sundayTarget;
    case 2:
        return m_mondayTarget;
    case 3:
        return m_tuesdayTarget;
    case 4:
        return m_wednesdayTarget;
    case 5:
        return m_thusdayTarget;
    case 6:
        return m_fridayTarget;
    case 7:
        return m_saturdayTarget;
    default:
        return 0;
    }
}

int TData::WeeklyTargetDefault() const
{
    const qint64 sum = qint64(m_saturdayTarget) + m_sundayTarget + m_mondayTarget + m_tuesdayTarget
        + m_wednesdayTarget + m_thusdayTarget + m_fridayTarget;
    return int(std::min<qint64>(sum, MaxMinutes));
}

bool TData::ReadFlag(const QString &name, bool defaultValue) const
{
    return m_registryManager->ReadBool(name, defaultValue);
}

int TData::ReadNumber(const QString &name, int defaultValue, int minimum, int maximum) const
{
    const int value = m_registryManager->ReadInteger(name, defaultValue);
    return value < minimum || value > maximum ? defaultValue : value;
}

QString TData::ReadText(const QString &name, const QString &defaultValue) const
{
    return m_registryManager->ReadString(name, defaultValue);
}

void TData::StoreFlag(bool &field, const QString &name, bool value)
{
    field = value;
    m_registryManager->WriteBool(name, value);
}

void TData::StoreNumber(int &field, const QString &name, int value, int minimum, int maximum)
{
    if (value < minimum || value > maximum)
        throw RangeError(u"%1 is not a valid value for %2"_s.arg(value).arg(name));
    field = value;
    m_registryManager->WriteInteger(name, value);
}

void TData::StoreText(QString &field, const QString &name, const QString &value)
{
    field = value;
    m_registryManager->WriteString(name, value);
}

void TData::SetThusdayTarget(int value)
{
    StoreNumber(m_thusdayTarget, u"ThusdayTarget"_s, value, 0, MaxMinutes);
    m_registryManager->WriteInteger(u"ThursdayTarget"_s, value);
}

void TData::SetAutoSave(bool value)
{
    StoreFlag(m_autoSave, u"AutoSave"_s, value);
}

void TData::SetAutoEnterTime(bool value)
{
    StoreFlag(m_autoEnterTime, u"AutoEnterTime"_s, value);
}

void TData::SetReopenLastUsedFile(bool value)
{
    StoreFlag(m_reopenLastUsedFile, u"ReopenLastUsedFile"_s, value);
}

void TData::SetFilename(const QString &value)
{
    StoreText(m_filename, u"Filename"_s, value);
}

void TData::SetAssociateHfFiles(bool value)
{
    StoreFlag(m_associateHfFiles, u"AssociateHfFiles"_s, value);
}

void TData::SetUseToolTray(bool value)
{
    StoreFlag(m_useToolTray, u"UseToolTray"_s, value);
}

void TData::SetNumberOfComments(int value)
{
    StoreNumber(m_numberOfComments, u"NumberOfComments"_s, value, 1, std::numeric_limits<int>::max());
}

void TData::SetShowLunchTime(bool value)
{
    StoreFlag(m_showLunchTime, u"ShowLunchTime"_s, value);
}

void TData::SetShowExtraHours(bool value)
{
    StoreFlag(m_showExtraHours, u"ShowExtraHours"_s, value);
}

void TData::SetShowHols(bool value)
{
    StoreFlag(m_showHols, u"ShowHols"_s, value);
}

void TData::SetShowComment(bool value)
{
    StoreFlag(m_showComment, u"ShowComment"_s, value);
}

void TData::SetShowDeviationFromDailyTarget(bool value)
{
    StoreFlag(m_showDeviationFromDailyTarget, u"ShowDeviationFromDailyTarget"_s, value);
}

void TData::SetShowDeviationFromWeeklyTarget(bool value)
{
    StoreFlag(m_showDeviationFromWeeklyTarget, u"ShowDeviationFromWeeklyTarget"_s, value);
}

void TData::SetShowToolbar(bool value)
{
    StoreFlag(m_showToolbar, u"ShowToolbar"_s, value);
}

void TData::SetShowMenu(bool value)
{
    StoreFlag(m_showMenu, u"ShowMenu"_s, value);
}

void TData::SetMondayTarget(int value)
{
    StoreNumber(m_mondayTarget, u"MondayTarget"_s, value, 0, MaxMinutes);
}

void TData::SetTuesdayTarget(int value)
{
    StoreNumber(m_tuesdayTarget, u"TuesdayTarget"_s, value, 0, MaxMinutes);
}

void TData::SetWednesdayTarget(int value)
{
    StoreNumber(m_wednesdayTarget, u"WednesdayTarget"_s, value, 0, MaxMinutes);
}

void TData::SetFridayTarget(int value)
{
    StoreNumber(m_fridayTarget, u"FridayTarget"_s, value, 0, MaxMinutes);
}

void TData::SetSaturdayTarget(int value)
{
    StoreNumber(m_saturdayTarget, u"SaturdayTarget"_s, value, 0, MaxMinutes);
}

void TData::SetSundayTarget(int value)
{
    StoreNumber(m_sundayTarget, u"SundayTarget"_s, value, 0, MaxMinutes);
}

void TData::SetWeeklyTarget(int value)
{
    StoreNumber(m_weeklyTarget, u"WeeklyTarget"_s, value, 0, MaxMinutes);
}

void TData::SetDefaultLunchTime(int value)
{
    StoreNumber(m_defaultLunchTime, u"DefaultLunchTime"_s, value, 0, MaxMinutes);
}

void TData::SetUseDefaultLunchTime(bool value)
{
    StoreFlag(m_useDefaultLunchTime, u"UseDefaultLunchTime"_s, value);
}

void TData::SetRoundTimes(bool value)
{
    StoreFlag(m_roundTimes, u"RoundTimes"_s, value);
}

void TData::SetRoundTimesTo(int value)
{
    StoreNumber(m_roundTimesTo, u"RoundTimesTo"_s, value, 1, std::numeric_limits<int>::max());
}

void TData::SetFirstDayOfWeek(int value)
{
    StoreNumber(m_firstDayOfWeek, u"FirstDayOfWeek"_s, value, 1, 7);
}

void TData::SetIncludeHolsInTotal(bool value)
{
    StoreFlag(m_includeHolsInTotal, u"IncludeHolsInTotal"_s, value);
}

void TData::SetPrinterFontName(const QString &value)
{
    StoreText(m_printerFontName, u"PrinterFontName"_s, value);
}

void TData::SetPrinterFontSize(int value)
{
    StoreNumber(m_printerFontSize, u"PrinterFontSize"_s, value, 1, std::numeric_limits<int>::max());
}

void TData::SetReportAdjustDatesToFullWeek(bool value)
{
    StoreFlag(m_reportAdjustDatesToFullWeek, u"ReportAdjustDatesToFullWeek"_s, value);
}

void TData::SetReportWorkDaysWithNoHours(bool value)
{
    StoreFlag(m_reportWorkDaysWithNoHours, u"ReportWorkDaysWithNoHours"_s, value);
}

void TData::SetReportWeekendDaysWithNoHours(bool value)
{
    StoreFlag(m_reportWeekendDaysWithNoHours, u"ReportWeekendDaysWithNoHours"_s, value);
}

void TData::SetReportCalculateTotalHours(bool value)
{
    StoreFlag(m_reportCalculateTotalHours, u"ReportCalculateTotalHours"_s, value);
}

void TData::SetReportCalculateAverageHours(bool value)
{
    StoreFlag(m_reportCalculateAverageHours, u"ReportCalculateAverageHours"_s, value);
}

void TData::SetReportFileName(const QString &value)
{
    StoreText(m_reportFileName, u"ReportFileName"_s, value);
}

void TData::SetReportPdfFileName(const QString &value)
{
    StoreText(m_reportPdfFileName, u"ReportPdfFileName"_s, value);
}

void TData::SetExportAdjustDatesToFullWeek(bool value)
{
    StoreFlag(m_exportAdjustDatesToFullWeek, u"ExportAdjustDatesToFullWeek"_s, value);
}

void TData::SetExportWorkDaysWithNoHours(bool value)
{
    StoreFlag(m_exportWorkDaysWithNoHours, u"ExportWorkDaysWithNoHours"_s, value);
}

void TData::SetExportWeekendDaysWithNoHours(bool value)
{
    StoreFlag(m_exportWeekendDaysWithNoHours, u"ExportWeekendDaysWithNoHours"_s, value);
}

void TData::SetExportCalculateTotalHours(bool value)
{
    StoreFlag(m_exportCalculateTotalHours, u"ExportCalculateTotalHours"_s, value);
}

void TData::SetExportColumnHeadings(bool value)
{
    StoreFlag(m_exportColumnHeadings, u"ExportColumnHeadings"_s, value);
}

void TData::SetExportDate(bool value)
{
    StoreFlag(m_exportDate, u"ExportDate"_s, value);
}

void TData::SetExportArrivalTime(bool value)
{
    StoreFlag(m_exportArrivalTime, u"ExportArrivalTime"_s, value);
}

void TData::SetExportDepartureTime(bool value)
{
    StoreFlag(m_exportDepartureTime, u"ExportDepartureTime"_s, value);
}

void TData::SetExportLunchTime(bool value)
{
    StoreFlag(m_exportLunchTime, u"ExportLunchTime"_s, value);
}

void TData::SetExportExtraHours(bool value)
{
    StoreFlag(m_exportExtraHours, u"ExportExtraHours"_s, value);
}

void TData::SetExportHolidays(bool value)
{
    StoreFlag(m_exportHolidays, u"ExportHolidays"_s, value);
}

void TData::SetExportDailyHours(bool value)
{
    StoreFlag(m_exportDailyHours, u"ExportDailyHours"_s, value);
}

void TData::SetExportDeviation(bool value)
{
    StoreFlag(m_exportDeviation, u"ExportDeviation"_s, value);
}

void TData::SetExportComments(bool value)
{
    StoreFlag(m_exportComments, u"ExportComments"_s, value);
}

void TData::SetExportFileName(const QString &value)
{
    StoreText(m_exportFileName, u"ExportFileName"_s, value);
}
