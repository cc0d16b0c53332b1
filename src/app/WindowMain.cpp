#include "BuildInfo.h"
#include "chart/ChartRequest.h"
#include "chart/ChartWriter.h"
#include "core/Translations.h"
#include "settings/DataMod.h"
#include "shell/Application.h"
#include "shell/MainFrm.h"
#include "ui/Images.h"

#include <QApplication>

#include <csignal>
#include <cstring>

#ifdef HOURFRAME_FIRST_PAINT_PROBE
#include "FirstPaintProbe.h"
#endif

int main(int argc, char *argv[])
{
    // A file size limit fails the write that passes it, which is reported,
    // instead of ending the program and losing the document.
    std::signal(SIGXFSZ, SIG_IGN);
    const auto installTranslations = [] {
        Translations::Install(Translations::FolderFor(
            QCoreApplication::applicationFilePath(), BuildInfo::TranslationsFromWindow));
    };
    if (argc > 1 && std::strcmp(argv[1], WriteChartOption) == 0) {
        // `hourframe chart` on a machine that may have no display: no
        // window, no settings written, no document opened; its words in the
        // user's language, as the window's chart has them.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QApplication app(argc, argv);
        installTranslations();
        return WriteChartProgram(QApplication::arguments().mid(1));
    }
    THourframeApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QLatin1String(BuildInfo::AppId));
    installTranslations();

    // Settings first: they name the application and are read once here.
    TData data;
    QApplication::setWindowIcon(ApplicationIcon());

    TMainForm mainForm(data, QApplication::arguments().mid(1));
    mainForm.show();
#ifdef HOURFRAME_FIRST_PAINT_PROBE
    // The start-up benchmark's build of this program (bench/) ends once the week is painted.
    new TFirstPaintProbe(mainForm);
#endif
    return QApplication::exec();
}
