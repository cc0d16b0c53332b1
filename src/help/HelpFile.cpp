#include "help/HelpFile.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool HelpFileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void OpenHelpFile(const QString &path)
{
    if (HelpFileExists(path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
