#include "cli/CommandOptions.h"
#include "cli/Subcommands.h"

#include "BuildInfo.h"
#include "chart/ChartData.h"
#include "chart/ChartRequest.h"
#include "core/DayNumber.h"
#include "settings/DataMod.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace Cli {
namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Cli", text);
}

// WIDTHxHEIGHT in pixels, each from 100 to 10000.
QSize chartSize(const QString &text)
{
    const QStringList parts = text.toLower().split(u'x');
    bool ok[2] = {};
    const QSize size = parts.size() == 2 ? QSize(parts[0].toInt(&ok[0]), parts[1].toInt(&ok[1])) : QSize();
    const auto inRange = [](int pixels) { return pixels >= 100 && pixels <= 10000; };
    if (!ok[0] || !ok[1] || !inRange(size.width()) || !inRange(size.height()))
        throw UsageError(translated(
            QT_TRANSLATE_NOOP("Cli", "--size needs WIDTHxHEIGHT, each from 100 to 10000 pixels, not '%1'"))
                             .arg(text));
    return size;
}

// The window program draws the chart: this program links no widgets. It
// runs on the offscreen platform, so no display is needed.
void drawInWindowProgram(const TChartRequest &request)
{
    const QString program
        = QCoreApplication::applicationDirPath() + u'/' + QString::fromUtf8(BuildInfo::WindowFromLauncher);
    QProcess window;
    window.setProcessChannelMode(QProcess::SeparateChannels);
    window.setStandardInputFile(QProcess::nullDevice());
    window.setStandardOutputFile(QProcess::nullDevice());
    window.start(program, request.Arguments());
    if (!window.waitForStarted(-1))
        throw HourframeError(
            translated(QT_TRANSLATE_NOOP("Cli", "cannot start %1: %2")).arg(program, window.errorString()));
    window.waitForFinished(-1);
    const QString reason = QString::fromLocal8Bit(window.readAllStandardError()).trimmed();
    if (window.exitStatus() != QProcess::NormalExit)
        throw HourframeError(
            translated(QT_TRANSLATE_NOOP("Cli", "the chart could not be drawn: %1 stopped")).arg(program));
    if (window.exitCode() != 0)
        throw HourframeError(
            reason.isEmpty() ? translated(QT_TRANSLATE_NOOP("Cli", "the chart could not be drawn")) : reason);
}

} // namespace

QByteArray RunChart(const QStringList &arguments)
{
    CommandOptions options(u"chart"_s,
        translated(QT_TRANSLATE_NOOP("Cli",
            "Writes the chart of a period, as the Chart command shows it, to a PNG, SVG or PDF\n"
            "file: hours a week against the target, and the running balance. It needs no display.")));
    options.addDataFile();
    options.addOption(QCommandLineOption({ u"o"_s, u"output"_s },
        translated(QT_TRANSLATE_NOOP("Cli",
            "The file to write, replaced once complete; its suffix .png, .svg or .pdf names the format.")),
        u"OUT"_s));
    options.addOption(QCommandLineOption(u"size"_s,
        translated(QT_TRANSLATE_NOOP(
            "Cli", "The chart's size in pixels (in points for PDF); 960x540 unless given.")),
        u"WIDTHxHEIGHT"_s, u"960x540"_s));
    options.addPeriodOptions(u"ChartAdjustDatesToFullWeek"_s);
    options.addSettingOption();
    if (!options.parse(arguments))
        return options.helpText();

    const QString out = options.value(u"output"_s);
    if (out.isEmpty())
        throw UsageError(translated(
            QT_TRANSLATE_NOOP("Cli", "the chart needs a file to write: -o OUT.png, OUT.svg or OUT.pdf")));
    if (!ChartFormatOf(out))
        throw UsageError(
            translated(QT_TRANSLATE_NOOP("Cli", "'%1' is not named as a PNG, SVG or PDF file")).arg(out));
    TChartRequest request;
    request.Size = chartSize(options.value(u"size"_s));
    const std::unique_ptr<TData> settings = options.settings();
    request.Period = options.period(settings->FirstDayOfWeek(), settings->ChartAdjustDatesToFullWeek());
    // Whole paths: the window program takes arguments that begin with a
    // dash as its own. It reads a file, so standard input goes into one.
    QString dataFile = options.dataFile(*settings, CommandOptions::FileUse::Read);
    QTemporaryFile copy;
    if (dataFile == u"-") {
        const QByteArray bytes = ReadStandardInput();
        if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
            throw IoError(translated(QT_TRANSLATE_NOOP("Cli", "Cannot copy standard input to %1: %2"))
                              .arg(copy.fileName(), copy.errorString()));
        dataFile = copy.fileName();
    }
    request.DataFile = QFileInfo(dataFile).absoluteFilePath();
    request.Output = QFileInfo(out).absoluteFilePath();
    request.Today = DayNumber::today();
    request.Settings = options.values(u"set"_s);
    drawInWindowProgram(request);
    return {};
}

} // namespace Cli
