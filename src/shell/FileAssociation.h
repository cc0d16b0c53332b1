#pragma once

#include <QString>

// The per-user folders of the desktop's file-type databases.
struct TAssociationPlaces {
    QString dataHome; // $XDG_DATA_HOME: file types, applications, icons
    QString configHome; // $XDG_CONFIG_HOME: the default applications

    static TAssociationPlaces Current();
};

// The type of the data files.
inline constexpr char DataFileMimeType[] = "application/x-hourframe";

// Registers the data files (*.hf) with the desktop for this user, or takes
// that registration away again:
// - the application's entry, a desktop entry that opens a data file by
//   running programPath with the file as its first argument;
// - the data-file icon;
// - the data-file type, with the application as the user's default
//   application for it.
// Switching off removes the application's entry and icon, and the type and
// default only while the default names this application: a default that the
// user gave to another program is left alone. A file that cannot be written
// is reported and skips what depends on it. The desktop's databases are
// rebuilt when the data files change hands, which is returned.
bool UpdateFileAssociation(bool associate, const QString &programPath,
    const TAssociationPlaces &places = TAssociationPlaces::Current());

// The program an entry runs to open a data file, for the window program at
// windowProgram: the launcher, which the installed and the build tree keep
// at the same place relative to it, or the window program itself where no
// launcher is (a test program, say).
QString LauncherFor(const QString &windowProgram);

// An argument for the command line of a desktop entry, quoted and escaped.
QString DesktopExecArgument(const QString &argument);
