#include "export/ExportOptionsFrm.h"

#include "core/TimeRecorder.h"
#include "core/TimeText.h"
#include "export/CsvExport.h"
#include "settings/DataMod.h"
#include "ui/NamedWidgets.h"
#include "ui/Presenter.h"

#include "ui/DateEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TExportOptionsForm::TExportOptionsForm(TData &data, TTimeRecorder *store, QWidget *parent)
    : TPeriodOptionsForm(data, store, parent)
{
    setObjectName(u"ExportOptionsForm"_s);
    setWindowTitle(tr("Hourframe Export Options"));
    QGroupBox *gbFile = CreateFileGroup();
    QGroupBox *gbDates = CreateDatesGroup(tr(" Dates "));
    gbDates->setObjectName(u"gbDates"_s);
    QGroupBox *gbOptions = CreateOptionsGroup();

    auto *formLayout = new QVBoxLayout(this);
    formLayout->addWidget(gbFile);
    formLayout->addWidget(gbDates);
    formLayout->addWidget(gbOptions);
    formLayout->addLayout(CreateButtonRow());
    formLayout->setSizeConstraint(QLayout::SetFixedSize);

    // In the order OK stores them, after the file name.
    SetOptionBoxes({ { cbAdjustDates, TSetting::ExportAdjustDatesToFullWeek },
        { cbBlankDays, TSetting::ExportWorkDaysWithNoHours },
        { cbBlankWeekendDays, TSetting::ExportWeekendDaysWithNoHours },
        { cbShowTotalHours, TSetting::ExportCalculateTotalHours },
        { cbIncludeColumnHeadings, TSetting::ExportColumnHeadings },
        { cbIncludeArrivalTime, TSetting::ExportArrivalTime },
        { cbIncludeDepartureTime, TSetting::ExportDepartureTime },
        { cbIncludeLunchTime, TSetting::ExportLunchTime },
        { cbIncludeExtraHours, TSetting::ExportExtraHours }, { cbIncludeHolidays, TSetting::ExportHolidays },
        { cbIncludeDailyHours, TSetting::ExportDailyHours }, { cbIncludeDate, TSetting::ExportDate },
        { cbExportDeviations, TSetting::ExportDeviation }, { cbIncludeComments, TSetting::ExportComments },
        { cbIsoDates, TSetting::ExportIsoDates } });

    SetTabOrder({ edFilename, btFilename, cbFormat, cbPeriod, edStartDate, edEndDate, cbAdjustDates,
        cbIncludeColumnHeadings, cbIncludeDate, cbIsoDates, cbIncludeArrivalTime, cbIncludeDepartureTime,
        cbIncludeLunchTime, cbIncludeExtraHours, cbIncludeDailyHours, cbIncludeHolidays, cbIncludeComments,
        cbExportDeviations, cbBlankDays, cbBlankWeekendDays, cbShowTotalHours, btOk, btCancel });

    connect(edFilename, &QLineEdit::textChanged, this, &TExportOptionsForm::UpdateOkState);
    connect(btFilename, &QToolButton::clicked, this, &TExportOptionsForm::edFilenameButtonClick);
}

QGroupBox *TExportOptionsForm::CreateFileGroup()
{
    auto *gbFile = new QGroupBox(tr(" File "), this);
    gbFile->setObjectName(u"gbFile"_s);
    edFilename = new QLineEdit(gbFile);
    edFilename->setObjectName(u"edFilename"_s);
    edFilename->setMinimumWidth(edFilename->fontMetrics().horizontalAdvance(u'x') * 36);
    edFilename->installEventFilter(this);
    btFilename = new QToolButton(gbFile);
    btFilename->setObjectName(u"btFilename"_s);
    btFilename->setText(u"..."_s);
    btFilename->setToolTip(tr("Choose the export file"));
    cbFormat = new QComboBox(gbFile);
    cbFormat->setObjectName(u"cbFormat"_s);
    cbFormat->setEditable(false);
    cbFormat->addItem(tr("Comma separated value (*.csv)"));
    auto *fileLayout = new QGridLayout(gbFile);
    fileLayout->addWidget(NewLabel(u"laFilename"_s, tr("&Filename"), edFilename, gbFile), 0, 0);
    fileLayout->addWidget(edFilename, 0, 1);
    fileLayout->addWidget(btFilename, 0, 2);
    fileLayout->addWidget(NewLabel(u"laFormat"_s, tr("F&ormat"), cbFormat, gbFile), 1, 0);
    fileLayout->addWidget(cbFormat, 1, 1, 1, 2, Qt::AlignLeft);
    fileLayout->setColumnStretch(1, 1);
    return gbFile;
}

QGroupBox *TExportOptionsForm::CreateOptionsGroup()
{
    auto *gbOptions = new QGroupBox(tr(" Options "), this);
    gbOptions->setObjectName(u"gbOptions"_s);
    cbIncludeColumnHeadings
        = NewCheckBox(u"cbIncludeColumnHeadings"_s, tr("Export &column headings"), gbOptions);
    cbIncludeDate = NewCheckBox(u"cbIncludeDate"_s, tr("Export date"), gbOptions);
    // The date column follows the region, as spreadsheets there read it;
    // scripts want one form wherever they run.
    cbIsoDates = NewCheckBox(u"cbIsoDates"_s, tr("&ISO dates (2026-11-30), for scripts"), gbOptions);
    cbIncludeArrivalTime = NewCheckBox(u"cbIncludeArrivalTime"_s, tr("Export &arrival time"), gbOptions);
    cbIncludeDepartureTime
        = NewCheckBox(u"cbIncludeDepartureTime"_s, tr("Export depart&ure time"), gbOptions);
    cbIncludeLunchTime = NewCheckBox(u"cbIncludeLunchTime"_s, tr("Export &lunch time"), gbOptions);
    cbIncludeExtraHours = NewCheckBox(u"cbIncludeExtraHours"_s, tr("Export e&xtra hours"), gbOptions);
    cbIncludeDailyHours = NewCheckBox(u"cbIncludeDailyHours"_s, tr("Export daily &hours"), gbOptions);
    cbIncludeHolidays = NewCheckBox(u"cbIncludeHolidays"_s, tr("Export holidays"), gbOptions);
    cbIncludeComments = NewCheckBox(u"cbIncludeComments"_s, tr("Export Comments"), gbOptions);
    cbExportDeviations = NewCheckBox(u"cbExportDeviations"_s, tr("Export Deviations"), gbOptions);
    cbBlankDays->setParent(gbOptions);
    cbBlankWeekendDays->setParent(gbOptions);
    cbShowTotalHours = NewCheckBox(u"cbShowTotalHours"_s, tr("Calculate &total hours"), gbOptions);

    // Two columns: the column pairs side by side, every other box on a line
    // of its own.
    auto *optionsLayout = new QGridLayout(gbOptions);
    const auto line = [optionsLayout](QCheckBox *left, QCheckBox *right = nullptr) {
        const int row = optionsLayout->rowCount();
        if (right) {
            optionsLayout->addWidget(left, row, 0);
            optionsLayout->addWidget(right, row, 1);
        } else {
            optionsLayout->addWidget(left, row, 0, 1, 2);
        }
    };
    line(cbIncludeColumnHeadings);
    line(cbIncludeDate, cbIsoDates);
    line(cbIncludeArrivalTime, cbIncludeDepartureTime);
    line(cbIncludeLunchTime, cbIncludeExtraHours);
    line(cbIncludeDailyHours, cbIncludeHolidays);
    line(cbIncludeComments, cbExportDeviations);
    line(cbBlankDays);
    line(cbBlankWeekendDays);
    line(cbShowTotalHours);
    return gbOptions;
}

void TExportOptionsForm::FormShow()
{
    edFilename->setText(Data().ExportFileName());
    cbFormat->setCurrentIndex(0);
    TPeriodOptionsForm::FormShow();
}

bool TExportOptionsForm::CanAccept() const
{
    return !TrimmedView(edFilename->text()).isEmpty();
}

bool TExportOptionsForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edFilename && event->type() == QEvent::KeyPress
        && edFilenameKeyPress(*static_cast<QKeyEvent *>(event)))
        return true;
    return TPeriodOptionsForm::eventFilter(watched, event);
}

bool TExportOptionsForm::edFilenameKeyPress(const QKeyEvent &key) const
{
    // Characters that are wildcards or redirections in a shell, or that other
    // systems refuse in file names. "/" stays: it separates folders here, so
    // that a path can be typed by hand.
    const QString typed = key.text();
    return typed.size() == 1 && u"*:<>?|"_s.contains(typed.front());
}

void TExportOptionsForm::edFilenameButtonClick()
{
    TFileDialogOptions options;
    options.title = tr("Save CSV");
    options.filter = tr("Comma Separated Value Files (*.csv);;All Files (*)");
    options.defaultSuffix = u"csv"_s;
    options.confirmOverwrite = true;
    // The program's own folder is not the user's to write in; start where
    // the export would go.
    const QString fileName = edFilename->text();
    options.directory = TrimmedView(fileName).isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        : ExportFilePath(fileName, TimeRecorder() ? TimeRecorder()->FileName() : QString());
    const QString chosen = Presenter().SaveFileName(this, options);
    if (!chosen.isEmpty())
        edFilename->setText(chosen);
}

void TExportOptionsForm::StoreOptions()
{
    Data().SetExportFileName(edFilename->text());
    TPeriodOptionsForm::StoreOptions();
}

bool EditExportOptions(QWidget *owner, TData &data, TTimeRecorder *store, TPeriod &period)
{
    return TExportOptionsForm(data, store, owner).Edit(period);
}
