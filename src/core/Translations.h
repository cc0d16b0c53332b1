#pragma once

#include <QLocale>
#include <QString>

// The program's texts in the user's language: its own translation and Qt's
// base translation of the same language, chosen by the locale's languages
// for the user interface (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The data file,
// the settings file and the CSV export never change with the language.
namespace Translations {

// The folder of the translations beside a program: relative is the path
// from the program's folder (BuildInfo), the same in the build tree and once
// installed.
QString FolderFor(const QString &programPath, const char *relative);

// Installs on the running application the translation from folder for the
// first of the locale's languages that has one, and Qt's base translation
// of that language; English, the program's own language, or any language
// before the first one translated keeps the texts as they are. Replaces what
// an earlier call installed. Returns the language installed ("de", "fr"),
// empty for none.
QString Install(const QString &folder, const QLocale &locale = QLocale());

} // namespace Translations
