#pragma once

#include <QString>

// Whether the help file is there to be opened: a path is set and a file
// exists at it.
bool HelpFileExists(const QString &path);

// Opens the help file in the desktop's browser; a file that is not there is
// ignored.
void OpenHelpFile(const QString &path);
