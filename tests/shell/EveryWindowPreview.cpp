// Saves a picture of every window and dialog, each page of the Options
// dialog, under the user's language and regional settings and the style
// given with -style, so that translations and styles can be checked by eye:
// everywindow_preview FOLDER [FILE.hf] [-style STYLE]
// The report shows the week of the file's first day.
#include "chart/ChartOptionsFrm.h"
#include "core/TimeRecorder.h"
#include "core/Translations.h"
#include "export/ExportOptionsFrm.h"
#include "report/ReportFrm.h"
#include "report/ReportOptionsFrm.h"
#include "settings/DataMod.h"
#include "settings/PreferencesFrm.h"
#include "shell/CommentFrm.h"
#include "shell/MainFrm.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include <cmath>
#include <functional>
#include <memory>

namespace {

bool save(QWidget &window, const QString &path)
{
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    window.hide();
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2)
        return 2;
    Translations::Install(QStringLiteral(HOURFRAME_TRANSLATIONS));
    const QDir folder(arguments.at(1));
    TData data(nullptr, TData::Persistence::MemoryOnly);
    TTimeRecorder store;
    if (arguments.size() > 2)
        store.LoadFromFile(arguments.at(2));
    const int first = static_cast<int>(std::floor(store.EarliestDate()));

    bool saved = true;
    const auto shoot = [&](const char *name, const std::function<QWidget *()> &make) {
        const std::unique_ptr<QWidget> window(make());
        saved = save(*window, folder.filePath(QLatin1String(name) + QStringLiteral(".png"))) && saved;
    };
    shoot("main", [&] { return new TMainForm(data, arguments.mid(2, 1)); });
    shoot("reportoptions", [&] { return new TReportOptionsForm(data, &store); });
    shoot("exportoptions", [&] { return new TExportOptionsForm(data, &store); });
    shoot("chartoptions", [&] { return new TChartOptionsForm(data, &store); });
    shoot("comment", [&] { return new TCommentForm(data); });
    shoot("report", [&] {
        auto *report = new TReportForm(data, &store);
        report->BuildReport(first, first + 6);
        return report;
    });
    TPreferencesForm preferences(data);
    auto *pages = preferences.findChild<QTabWidget *>();
    for (int page = 0; pages && page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        saved
            = save(preferences, folder.filePath(QStringLiteral("preferences%1.png").arg(page + 1))) && saved;
    }
    return saved ? 0 : 1;
}
