#include "BuildInfo.h"
#include "cli/CommandLine.h"
#include "core/Translations.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// The window program, at the same place relative to this one in the build
// tree and once installed.
std::string windowProgram()
{
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    const std::string path = length > 0 ? std::string(self, std::size_t(length)) : std::string();
    return path.substr(0, path.rfind('/') + 1) + BuildInfo::WindowFromLauncher;
}

} // namespace

int main(int argc, char *argv[])
{
    // A file size limit then fails the write that passes it, which is
    // reported, instead of ending the program without a word; the window
    // program started below inherits this.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc > 1 && Cli::IsCommandLine(QString::fromLocal8Bit(argv[1]))) {
        QCoreApplication app(argc, argv);
        Translations::Install(Translations::FolderFor(
            QCoreApplication::applicationFilePath(), BuildInfo::TranslationsFromLauncher));
        return Cli::Main(QCoreApplication::arguments().mid(1));
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Over ssh or in a console Qt would abort the window with a hint at
    // reinstalling; say what is wrong and what works instead.
    if (!Cli::WindowCanOpen(arguments)) {
        const QCoreApplication app(argc, argv);
        Translations::Install(Translations::FolderFor(
            QCoreApplication::applicationFilePath(), BuildInfo::TranslationsFromLauncher));
        std::fputs(Cli::NoDisplayLine().constData(), stderr);
        return Cli::ExitDataError;
    }
    // The window gets the same arguments, a data file name among them.
    const std::string window = windowProgram();
    execv(window.c_str(), argv);
    std::fprintf(stderr, "hourframe: cannot start %s: %s\n", window.c_str(), std::strerror(errno));
    return 1;
}
